#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Another program using the name file and the session file, written
independently of Vostrane's table store: it creates names.dbf, packs it,
appends and edits records in place as a dBase program would, and checks what
the calculation wrote back.

  name_file_tool.py create NAMES FIELDS_SOURCE NAME...
        a names.dbf with the fields listed in FIELDS_SOURCE (lines such as
        "NAME,C,25,0") and one person per NAME; language byte 0 and the MDX
        flag set, as an older program left it
  name_file_tool.py link SESSION NAMES
        sets the name-file record number of every session entry to the record
        of the person of its name
  name_file_tool.py clear NAMES          blanks the calculated fields
  name_file_tool.py delete NAMES NAME    marks the person deleted
  name_file_tool.py pack NAMES           removes deleted records in place
  name_file_tool.py append NAMES NAME    appends a person
  name_file_tool.py rename NAMES OLD NEW edits a NAME in place
  name_file_tool.py check NAMES SESSION...
        every entry of the sessions must have its own calculated values in its
        person's record (JULDAY and GMT as the entry holds them), and no other
        person may have any; prints one line per problem and exits 1 when
        there is any
  name_file_tool.py decode PATH
        reads the table with dbfread in the code page its language byte names
        and exits 1 unless that is Windows-1252 and every character field but
        the packed value fields decodes
"""
import re
import struct
import sys

ENTRY_SIZE = 7730
NAME_OFFSET = 4058
GMT_OFFSET = 4159
JULDAY_OFFSET = 4167
NAME_RECORD_OFFSET = 6464
PACKED = {"HOUSEPOSTR", "ZODLONGSTR", "ZODLATSTR", "ZODMOTSTR", "HELIOLOSTR", "HELIOLASTR", "HELIOMOSTR",
          "RTASCSTR", "DECLINSTR"}
CALCULATED = ["GMT", "JULDAY", "OBLIQ", "AYAN", "DELTAT", "T", "CALCYN"]


class Table:
    def __init__(self, path):
        self.path = path
        self.data = bytearray(open(path, "rb").read())
        self.count, self.header_length, self.record_length = struct.unpack("<IHH", self.data[4:12])
        self.fields = {}
        pos, offset = 32, 1
        while self.data[pos] != 0x0D:
            name = bytes(self.data[pos:pos + 11]).split(b"\0")[0].decode("ascii")
            width = self.data[pos + 16]
            self.fields[name] = (offset, width)
            offset += width
            pos += 32

    def record(self, i):  # from 1
        start = self.header_length + (i - 1) * self.record_length
        return start, self.data[start:start + self.record_length]

    def get(self, i, field):
        start, _ = self.record(i)
        offset, width = self.fields[field]
        return bytes(self.data[start + offset:start + offset + width]).decode("cp1252").rstrip()

    def set(self, i, field, text):
        start, _ = self.record(i)
        offset, width = self.fields[field]
        self.data[start + offset:start + offset + width] = text.encode("cp1252")[:width].ljust(width)

    def deleted(self, i):
        return self.record(i)[1][0:1] == b"*"

    def find(self, name):
        for i in range(1, self.count + 1):
            if not self.deleted(i) and self.get(i, "NAME").upper() == name.upper():
                return i
        return 0

    def blank(self):
        return bytearray(b" " * self.record_length)

    def append(self, name):
        end = self.header_length + self.count * self.record_length
        del self.data[end:]
        self.data += self.blank() + b"\x1a"
        self.count += 1
        self.set(self.count, "NAME", name)
        for field, text in (("MONTH", " 1"), ("DAY", " 1"), ("YEAR", " 1990"), ("CALENDAR", "B"),
                            ("HOURS", "12"), ("PLACE", "Elsewhere"), ("CALCYN", "N")):
            if field in self.fields:
                self.set(self.count, field, text.strip())
        self.write_count()

    def write_count(self):
        self.data[4:8] = struct.pack("<I", self.count)

    def save(self):
        # In place, as dBase programs rewrite their tables: the same file.
        with open(self.path, "r+b") as f:
            f.write(self.data)
            f.truncate(len(self.data))


def create(path, source, names):
    lines = re.findall(r'"([A-Z0-9_]+),([CN]),(\d+),(\d+)"', open(source, encoding="utf-8").read())
    header_length = 32 + 32 * len(lines) + 1
    record_length = 1 + sum(int(w) for _, _, w, _ in lines)
    head = struct.pack("<B3BIHH", 0x03, 99, 1, 1, 0, header_length, record_length)
    head += bytes(16) + bytes([1, 0, 0, 0])  # MDX flag set, language byte 0
    offset = 1
    for name, ftype, width, dec in lines:
        head += struct.pack("<11scIBB14s", name.encode("ascii"), ftype.encode("ascii"), offset, int(width),
                            int(dec), bytes(14))
        offset += int(width)
    open(path, "wb").write(head + b"\x0d\x1a")
    t = Table(path)
    for name in names:
        t.append(name)
    t.save()


def entries(session):
    data = open(session, "rb").read()
    for r in range(1, len(data) // ENTRY_SIZE):
        e = data[r * ENTRY_SIZE:(r + 1) * ENTRY_SIZE]
        if e[0] == 0:
            return
        n = e[NAME_OFFSET]
        yield r, e, e[NAME_OFFSET + 1:NAME_OFFSET + 1 + n].decode("cp1252")


def link(session, names):
    t = Table(names)
    data = bytearray(open(session, "rb").read())
    for r, _, name in list(entries(session)):
        at = r * ENTRY_SIZE + NAME_RECORD_OFFSET
        data[at:at + 4] = struct.pack("<i", t.find(name))
    with open(session, "r+b") as f:
        f.write(data)


def time_text(value):
    return ("%.25f" % value)[:25]


def check(names, sessions):
    t = Table(names)
    problems = 0
    mine = set()
    for session in sessions:
        for _, e, name in entries(session):
            mine.add(name.upper())
            i = t.find(name)
            if not i:
                print("%s: not in the name file" % name)
                problems += 1
                continue
            for field, offset in (("JULDAY", JULDAY_OFFSET), ("GMT", GMT_OFFSET)):
                want = time_text(struct.unpack("<d", e[offset:offset + 8])[0])
                got = t.get(i, field)
                if got != want:
                    print("%s: %s is '%s', the entry has '%s'" % (name, field, got, want))
                    problems += 1
    # No person without an entry got values (a write-back to a wrong person).
    for i in range(1, t.count + 1):
        if not t.deleted(i) and t.get(i, "NAME").upper() not in mine and t.get(i, "JULDAY"):
            print("%s: got calculated values but has no entry" % t.get(i, "NAME"))
            problems += 1
    return 1 if problems else 0


def decode(path):
    from dbfread import DBF
    from dbfread.codepages import guess_encoding
    language = open(path, "rb").read(32)[29]
    encoding = guess_encoding(language)
    if encoding != "cp1252":
        print("%s: language byte 0x%02x means %s, not cp1252" % (path, language, encoding))
        return 1
    # The packed value fields hold binary numbers, not text; every other
    # character field must decode.
    table = DBF(path, load=True, char_decode_errors="surrogateescape", ignore_missing_memofile=True)
    texts = 0
    for record in table.records:
        for field in table.fields:
            if field.type == "C" and field.name not in PACKED:
                value = record[field.name]
                if any("\udc80" <= c <= "\udcff" for c in value):
                    print("%s: %s %r does not decode as %s" % (path, field.name, value, encoding))
                    return 1
                texts += 1
    print("%s: %d records, %d texts in %s" % (path, len(table.records), texts, table.encoding))
    return 0


def main():
    sys.stdout.reconfigure(encoding="utf-8")
    command, args = sys.argv[1], sys.argv[2:]
    if command == "create":
        create(args[0], args[1], args[2:])
    elif command == "link":
        link(args[0], args[1])
    elif command == "check":
        sys.exit(check(args[0], args[1:]))
    elif command == "decode":
        sys.exit(decode(args[0]))
    else:
        t = Table(args[0])
        if command == "clear":
            for i in range(1, t.count + 1):
                for field in CALCULATED:
                    t.set(i, field, "")
        elif command == "delete":
            i = t.find(args[1])
            t.data[t.record(i)[0]] = ord("*")
        elif command == "pack":
            kept = [bytes(t.record(i)[1]) for i in range(1, t.count + 1) if not t.deleted(i)]
            del t.data[t.header_length:]
            for rec in kept:
                t.data += rec
            t.data += b"\x1a"
            t.count = len(kept)
            t.write_count()
        elif command == "append":
            t.append(args[1])
        elif command == "rename":
            t.set(t.find(args[1]), "NAME", args[2])
        else:
            sys.exit("unknown command " + command)
        t.save()


if __name__ == "__main__":
    main()
