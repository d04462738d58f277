# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints the benchmark table of tools/benchmarks/bench from the JSON files of the
benchmark programs and the start-up median in a results folder.

The targets are the ones set for the program: one chart under 50 us, a
500-entry session under 1 s in process and under 60 ms as a whole
`vostrane-batch calc`, `chart-csv` on 100,000 rows under 10 s with a peak
memory under 50 MB, a page under 50 ms on the screen bitmap and
under 500 ms as a 600 dpi PDF, the atlas opened under 200 ms, FindNear under
50 us; the installed atlas opened under 50 ms and a keystroke in its place
list under 2 ms. Name-file appends and
start-up have no set target; the budgets given for them are the ones of an
interactive program (well below what a user notices)."""
import json
import os
import re
import statistics
import sys

# (program, benchmark name, quantity, target in milliseconds)
KNOWN = [
    ("chart_bench", "BM_NatalChart", "chart calculation per entry", 0.05),
    ("session_bench", "BM_Session500", "500-entry session (calculation and session file)", 1000),
    ("process_bench", "BM_CalcSession500/real_time", "500-entry session, vostrane-batch calc as a process", 60),
    ("process_bench", "BM_ChartCsv100k/iterations:1/real_time", "vostrane-batch chart-csv, 100,000 rows", 10000),
    ("page_bench", "BM_PageOnBitmap", "page render on the screen bitmap", 50),
    ("page_bench", "BM_PageOnPrinterPdf", "page render on the PDF printer", 500),
    ("tablestore_bench", "BM_Open/places", "atlas open (150,000 places, current index)", 200),
    ("tablestore_bench", "BM_FindNear/places", "atlas FindNear", 0.05),
    ("tablestore_bench", "BM_FindNearAndFill16", "atlas FindNear and the 16 rows shown", 5),
    ("atlas_bench", "BM_OpenAtlas", "atlas open (installed atlas, 224,462 records)", 50),
    ("atlas_bench", "BM_FillAfterKeystroke/London", "place list after a keystroke (real atlas)", 2),
    ("names_bench", "BM_AppendPersonUnderLock/0", "name file append under lock (empty file)", 50),
    ("names_bench", "BM_AppendPersonUnderLock/5000", "name file append under lock (5,000 persons)", 50),
    ("timeline_bench", "BM_TimelineYear", "timeline: one year of events", 200),
    ("timeline_bench", "BM_TimelineTenYears", "timeline: ten years of events", 2000),
    ("timeline_bench", "BM_GraphicEphemerisYearBitmap", "graphic ephemeris of a year on the bitmap", 300),
]

TO_MS = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1000.0}


PEAK_MB = {}  # benchmark name -> largest peak_rss_mb counter seen
PEAK_TARGET_MB = 50


def load(folder):
    """{(program, name): (median ms, mean ms)} of every benchmark."""
    results = {}
    for file in sorted(os.listdir(folder)):
        if not file.endswith(".json"):
            continue
        program = file[:-5]
        with open(os.path.join(folder, file)) as f:
            data = json.load(f)
        for b in data.get("benchmarks", []):
            if b.get("error_occurred"):
                raise SystemExit(f"{program} {b['name']}: {b.get('error_message')}")
            aggregate = b.get("aggregate_name")
            name = b.get("run_name", b["name"])
            if "peak_rss_mb" in b:
                PEAK_MB[name] = max(PEAK_MB.get(name, 0), b["peak_rss_mb"])
            value = b["real_time"] * TO_MS[b.get("time_unit", "ns")]
            entry = results.setdefault((program, name), {})
            if aggregate in ("median", "mean"):
                entry[aggregate] = value
            elif aggregate is None:
                entry.setdefault("runs", []).append(value)
    table = {}
    for key, entry in results.items():
        runs = entry.get("runs", [])
        median = entry.get("median", statistics.median(runs) if runs else None)
        mean = entry.get("mean", statistics.mean(runs) if runs else None)
        if median is not None:
            table[key] = (median, mean)
    return table


def ms(value):
    if value is None:
        return "-"
    if value >= 1000:
        return f"{value / 1000:.2f} s"
    if value >= 1:
        return f"{value:.1f} ms"
    return f"{value * 1000:.1f} µs"


def main():
    folder = sys.argv[1]
    table = load(folder)
    rows = []
    for program, name, quantity, target in KNOWN:
        if (program, name) not in table:
            rows.append((quantity, "not run", "-", ms(target), "-"))
            continue
        median, mean = table.pop((program, name))
        rows.append((quantity, ms(median), ms(mean), ms(target), "yes" if median <= target else "NO"))
    startup = os.path.join(folder, "startup.ms")
    if os.path.exists(startup):
        with open(startup) as f:
            median = float(f.read().split()[0])
        runs = [float(m) for m in re.findall(r"(\d+) ms", open(os.path.join(folder, "startup.log")).read())]
        rows.append(("program start-up to the main window (Xvfb)", ms(median),
                     ms(statistics.mean(runs)) if runs else "-", ms(2000), "yes" if median <= 2000 else "NO"))
    for name, mb in sorted(PEAK_MB.items()):
        rows.append((f"{name.replace('BM_', '')} peak memory", f"{mb:.1f} MB", "-", f"{PEAK_TARGET_MB} MB",
                     "yes" if mb < PEAK_TARGET_MB else "NO"))
    for (program, name), (median, mean) in sorted(table.items()):
        rows.append((f"{program} {name}", ms(median), ms(mean), "-", "-"))

    header = ("quantity", "median", "mean", "target", "within")
    widths = [max(len(r[i]) for r in rows + [header]) for i in range(len(header))]
    line = lambda r: "| " + " | ".join(c.ljust(w) for c, w in zip(r, widths)) + " |"
    print(line(header))
    print("|" + "|".join("-" * (w + 2) for w in widths) + "|")
    for r in rows:
        print(line(r))


if __name__ == "__main__":
    main()
