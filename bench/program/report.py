#!/usr/bin/env python3
"""Prints the figures of bench/program.sh: min and median of the runs per step
and collection size, the floors of the same run and the goals.

  report.py RESULTS RUNS     RESULTS: lines "<size|empty> <run> <name> <value>"
"""
import statistics
import sys

STEPS = [  # name, label, goals by size (ms) or a note
    ("open_ms", "open to the painted status line", {10000: 300, 100000: 3000}),
    ("resort_ms", "column click re-sort", {}),
    ("search_ms", "search without a match, as seen", {100000: 100}),
    ("select_all_ms", "Select all", {}),
    ("delete_ms", "Delete of 1,000 rows", {}),
    ("close_window_ms", "close: window gone", {}),
    ("close_ms", "close: process ended", {100000: 1000}),
    ("peak_open_mb", "peak memory after the open (MB)", {}),
    ("peak_mb", "peak memory at the end (MB)", {}),
]
FLOORS = [
    ("open_ms", "empty program: start to painted status line"),
    ("close_ms", "empty program: close to process end"),
    ("idle_answer_ms", "idle window: answer to a message"),
    ("peak_mb", "empty program: peak memory (MB), Wine's own share"),
]


def main(path, runs):
    values = {}
    with open(path) as results:
        for line in results:
            parts = line.split()
            if len(parts) == 4:
                values.setdefault((parts[0], parts[2]), []).append(float(parts[3]))
    sizes = sorted({int(k[0]) for k in values if k[0] != "empty"})

    def cell(key):
        v = values.get(key)
        if not v:
            return "-"
        return "%.0f / %.0f" % (min(v), statistics.median(v))

    print("Kolvane.exe under Wine, %d runs: min / median (ms unless noted)" % runs)
    print("%-38s" % "" + "".join("%22s" % ("%d entries" % s) for s in sizes) + "   goal")
    for name, label, goals in STEPS:
        goal = ", ".join("%d: <= %d" % (s, g) for s, g in goals.items())
        print("%-38s" % label + "".join("%22s" % cell((str(s), name)) for s in sizes)
              + "   " + goal)
    print("floors, same run:")
    for name, label in FLOORS:
        print("  %-52s %s" % (label, cell(("empty", name))))
    missing = [s for s in sizes for n, _, _ in STEPS
               if len(values.get((str(s), n), [])) != runs]
    if missing:
        print("incomplete runs for sizes: %s" % sorted(set(missing)))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], int(sys.argv[2])))
