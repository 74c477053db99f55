#!/usr/bin/env python3
"""exchange_vs_python.py <bench tree>

Times the exchange formats against what a user might script instead, side by
side on the same generated files: our cdplayer.ini import against Python's
configparser reading the same file, our CSV export against csv.writer with
QUOTE_ALL writing the same rows (the rows are read back from our export, and
Python's output must equal ours byte for byte). Prints the ratios and the
throughput of the M3U and legacy readers.
"""
import configparser
import csv
import json
import os
import subprocess
import sys
import tempfile
import time


def best_of(runs, action):
    best = None
    for _ in range(runs):
        start = time.perf_counter()
        action()
        elapsed = time.perf_counter() - start
        best = elapsed if best is None else min(best, elapsed)
    return best


def main():
    tree = sys.argv[1]
    program = os.path.join(tree, "bench", "bench_exchange_formats")
    with tempfile.TemporaryDirectory(prefix="kv-bench-exchange-") as data:
        env = dict(os.environ, KV_BENCH_DATA=data)
        out = subprocess.run([program, "--benchmark_format=json", "--benchmark_repetitions=3",
                              "--benchmark_report_aggregates_only=true"],
                             env=env, check=True, capture_output=True, text=True).stdout
        ours = {}
        for run in json.loads(out)["benchmarks"]:
            if run.get("aggregate_name") != "median":
                continue
            scale = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}[run["time_unit"]]
            ours[run["run_name"]] = (run["real_time"] * scale, run["bytes_per_second"])

        ini = os.path.join(data, "cdplayer.ini")

        def read_ini():
            parser = configparser.ConfigParser(interpolation=None, strict=False)
            parser.read(ini, encoding="latin-1")
            assert len(parser.sections()) == 20000

        python_ini = best_of(3, read_ini)

        ours_csv = os.path.join(data, "export.csv")
        with open(ours_csv, newline="", encoding="latin-1") as source:
            rows = list(csv.reader(source))
        python_csv = os.path.join(data, "python.csv")

        def write_csv():
            with open(python_csv, "w", newline="", encoding="latin-1") as target:
                writer = csv.writer(target, quoting=csv.QUOTE_ALL, lineterminator="\r\n")
                writer.writerows(rows)

        python_csv_time = best_of(3, write_csv)
        with open(ours_csv, "rb") as a, open(python_csv, "rb") as b:
            same = a.read() == b.read()

    ini_time, _ = ours["CdPlayerIniImport"]
    csv_time, _ = ours["CsvExport"]
    m3u_time, m3u_rate = ours["M3uRead"]
    legacy_time, legacy_rate = ours["LegacyImport"]
    print(f"cdplayer.ini import, 20,000 sections: ours {ini_time * 1e3:8.1f} ms, "
          f"configparser {python_ini * 1e3:8.1f} ms, ratio {python_ini / ini_time:5.1f}x "
          f"(target >= 5x)")
    print(f"CSV export, 100,000 entries x 6 fields: ours {csv_time * 1e3:8.1f} ms, "
          f"csv.writer QUOTE_ALL {python_csv_time * 1e3:8.1f} ms, "
          f"ratio {python_csv_time / csv_time:5.1f}x (target >= 3x), "
          f"output {'identical' if same else 'DIFFERENT'}")
    print(f"M3U read, 100,000 items: {m3u_time * 1e3:8.1f} ms, {m3u_rate / 1e6:7.1f} MB/s")
    print(f"legacy import, 200 slots: {legacy_time * 1e3:8.3f} ms, {legacy_rate / 1e6:7.1f} MB/s")
    return 0 if same else 1


if __name__ == "__main__":
    sys.exit(main())
