#!/usr/bin/env python3
"""Prints the figures of bench/program.sh: min, median and max of the runs per
step and collection size (each run in another heap layout), the floors of the
same run, and whether each goal holds.

  report.py RESULTS RUNS     RESULTS: lines "<size|empty> <run> <name> <value>"

A goal on the open is on the median across layouts, above the empty program's
quickest start (on a busy machine the empty start alone varies by hundreds of
milliseconds); a goal on memory is on the maximum across layouts, since the
heap layout alone moves it; the other goals are on the median.
"""
import statistics
import sys

STEPS = [  # name, label
    ("open_ms", "open to the painted status line"),
    ("resort_ms", "column click re-sort"),
    ("search_ms", "search without a match, as seen"),
    ("select_all_ms", "Select all"),
    ("delete_ms", "Delete of 1,000 rows"),
    ("close_window_ms", "close: window gone"),
    ("close_ms", "close: process ended"),
    ("peak_open_mb", "peak memory after the open (MB)"),
    ("peak_mb", "peak memory at the end (MB)"),
]
FLOORS = [
    ("open_ms", "empty program: start to painted status line"),
    ("close_ms", "empty program: close to process end"),
    ("idle_answer_ms", "idle window: answer to a message"),
    ("peak_mb", "empty program: peak memory (MB), Wine's own share"),
]
GOALS = [  # name, size, what is compared, limit, label
    ("open_ms", 100000, "median - empty min", 1000, "open 100,000, above the empty start"),
    ("open_ms", 10000, "median - empty min", 150, "open 10,000, above the empty start"),
    ("peak_open_mb", 100000, "max", 150, "peak memory after the open, 100,000 (MB)"),
    ("select_all_ms", 100000, "median", 100, "Select all, 100,000"),
    ("delete_ms", 100000, "median", 200, "Delete of 1,000 rows, 100,000"),
    ("resort_ms", 100000, "median", 300, "column click re-sort, 100,000"),
    ("search_ms", 100000, "median", 100, "search without a match, 100,000"),
    ("close_ms", 100000, "median", 1000, "close, 100,000"),
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
        return "%.0f / %.0f / %.0f" % (min(v), statistics.median(v), max(v))

    print("Kolvane.exe under Wine, %d runs: min / median / max (ms unless noted)" % runs)
    print("%-34s" % "" + "".join("%22s" % ("%d entries" % s) for s in sizes))
    for name, label in STEPS:
        print("%-34s" % label + "".join("%22s" % cell((str(s), name)) for s in sizes))
    print("floors, same run:")
    for name, label in FLOORS:
        print("  %-52s %s" % (label, cell(("empty", name))))

    print("goals (a benchmark, not a test: a missed goal does not fail the run):")
    for name, size, kind, limit, label in GOALS:
        v = values.get((str(size), name))
        if not v:
            continue
        if kind == "max":
            figure = max(v)
        else:
            figure = statistics.median(v)
        if kind == "median - empty min":
            figure -= min(values.get(("empty", name), [0]))
        met = figure <= limit
        print("  %-44s %-20s %8.0f <= %-6d %s"
              % (label, kind, figure, limit, "met" if met else "NOT MET"))

    missing = [s for s in sizes for n, _ in STEPS
               if len(values.get((str(s), n), [])) != runs]
    if missing:
        print("incomplete runs for sizes: %s" % sorted(set(missing)))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], int(sys.argv[2])))
