#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""An independent dBase III PLUS reader and writer for the table store tests.

  dbf_tool.py sample PATH     writes the sample table (all field types, a
                              deleted record, non-zero reserved bytes)
  dbf_tool.py expected PATH   writes the sample table as it must look after
                              the edits the round-trip test makes (date bytes
                              zero: the test compares them on their own)
  dbf_tool.py dump PATH       checks the structure of a table and prints its
                              header, fields and records, one per line
"""
import struct
import sys

FIELDS = [
    ("NAME", "C", 20, 0),
    ("BORN", "D", 8, 0),
    ("ACTIVE", "L", 1, 0),
    ("AMOUNT", "N", 10, 2),
    ("COUNT", "N", 5, 0),
    ("NOTES", "M", 10, 0),
    ("CITY", "C", 15, 0),
]

SAMPLE = [
    (" ", ["Smithson", "19640229", "T", "1234.50", "12", "1", "Lyon"]),
    ("*", ["Smith", "19000101", "F", "-0.75", "-3", "", "Paris"]),
    (" ", ["\u00c9mile Zola", "18400402", "T", "0.00", "0", "2", "Paris"]),
    (" ", ["smith", "", "?", "", "", "", "Lille"]),
]


def cell(text, ftype, width):
    data = text.encode("cp1252")
    if ftype in "NFM":  # numbers and memo block numbers are right-aligned
        return data.rjust(width, b" ")
    return data.ljust(width, b" ")


def record(flag, values):
    out = flag.encode("ascii")
    for (name, ftype, width, dec), value in zip(FIELDS, values):
        out += cell(value, ftype, width)
    return out


def table(records, date):
    header_length = 32 + 32 * len(FIELDS) + 1
    record_length = 1 + sum(f[2] for f in FIELDS)
    head = struct.pack("<B3BIHH", 0x83, *date, len(records), header_length, record_length)
    # Reserved bytes a careful writer must carry over unchanged.
    head += bytes([0, 0, 0, 0, 0x11, 0x22, 0x33, 0x44, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x57, 0, 0])
    offset = 1
    for name, ftype, width, dec in FIELDS:
        head += struct.pack("<11scIBB14s", name.encode("ascii"), ftype.encode("ascii"), offset, width, dec,
                            bytes([0, 0, 1] + [0] * 11))
        offset += width
    head += b"\x0d"
    assert len(head) == header_length
    return head + b"".join(record(f, v) for f, v in records) + b"\x1a"


def expected_after_edits():
    rows = [(f, list(v)) for f, v in SAMPLE]
    rows[0][1][4] = "42"          # SetIntegerField COUNT 42, SaveRecord
    rows[0][1][6] = "Marseille"   # SetTextField CITY
    rows[2] = ("*", rows[2][1])   # DeleteRecord
    rows[1] = (" ", rows[1][1])   # UndeleteRecord
    rows.append((" ", ["Zo\u00eb Adams", "20240101", "T", "5.00", "", "", ""]))  # AppendRecord
    return rows


def dump(path):
    data = open(path, "rb").read()
    version, yy, mm, dd, count, header_length, record_length = struct.unpack("<B3BIHH", data[:12])
    fields = []
    pos = 32
    while data[pos] != 0x0D:
        name, ftype, _, width, dec = struct.unpack("<11scIBB", data[pos:pos + 18])
        fields.append((name.split(b"\0")[0].decode("ascii"), ftype.decode("ascii"), width, dec))
        pos += 32
    assert pos + 1 == header_length, "header length"
    assert 1 + sum(f[2] for f in fields) == record_length, "record length"
    end = header_length + count * record_length
    assert len(data) in (end, end + 1), "file size %d for %d records" % (len(data), count)
    eof = len(data) == end + 1 and data[end] == 0x1A
    print("version %d count %d header %d record %d eof %d" % (version, count, header_length, record_length, eof))
    for name, ftype, width, dec in fields:
        print("field %s %s %d %d" % (name, ftype, width, dec))
    for i in range(count):
        rec = data[header_length + i * record_length: header_length + (i + 1) * record_length]
        values = []
        offset = 1
        for name, ftype, width, dec in fields:
            values.append(rec[offset:offset + width].decode("cp1252").strip())
            offset += width
        print("rec %s|%s" % (rec[0:1].decode("ascii"), "|".join(values)))


def main():
    sys.stdout.reconfigure(encoding="utf-8")
    command, path = sys.argv[1], sys.argv[2]
    if command == "sample":
        open(path, "wb").write(table(SAMPLE, (99, 12, 31)))
    elif command == "expected":
        open(path, "wb").write(table(expected_after_edits(), (0, 0, 0)))
    elif command == "dump":
        dump(path)
    else:
        sys.exit("unknown command " + command)


if __name__ == "__main__":
    main()
