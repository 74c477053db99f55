#!/usr/bin/env python3
"""Which test case reaches what no other one does.

    scripts/case-coverage.py [--out FILE] [--only REGEX]

Runs every gtest case alone in the coverage trees of scripts/coverage.sh
(build/coverage-native natively, build/coverage-cross under Wine; build them
with that script first), and every end-to-end flow as one unit, collecting
after each the product lines and branches it reached (gcov's JSON). Then
prints, per case, the lines and branches that no other case or flow reaches.
A case with none is one whose checks may be made elsewhere: read it beside
the cases that reach the same code before deleting anything.

CTest entries that already pick their cases (the file size limit and slow
delete runs) count as one unit each.
"""
import argparse
import collections
import glob
import gzip
import json
import os
import re
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TREES = {"native": (os.path.join(ROOT, "build", "coverage-native"), "gcov"),
         "cross": (os.path.join(ROOT, "build", "coverage-cross"), "x86_64-w64-mingw32-gcov")}
PRODUCT = re.compile(r"^(core|exchange|app|support)/(?!.*/tests/)(?!tests/)")


def ctest_entries(tree):
    out = subprocess.run(["ctest", "--show-only=json-v1"], cwd=tree, capture_output=True,
                         text=True, check=True).stdout
    for test in json.loads(out)["tests"]:
        command = [a for a in test["command"] if not a.startswith("--gtest_output")]
        yield test["name"], command


def gtest_cases(command):
    out = subprocess.run(command + ["--gtest_list_tests"], capture_output=True, text=True).stdout
    suite = None
    for line in out.splitlines():
        if not line.strip() or line.startswith(("Running", "Note")):
            continue
        if not line.startswith(" "):
            suite = line.split()[0]
        else:
            yield suite + line.split()[0]


def gcda_files(tree):
    # Not into the Wine prefix: its z: drive leads to / and to every other tree.
    for folder, subfolders, files in os.walk(tree):
        subfolders[:] = [s for s in subfolders if s != "wineprefix"]
        yield from (os.path.join(folder, f) for f in files if f.endswith(".gcda"))


def clear(tree):
    for path in gcda_files(tree):
        os.remove(path)


def reached(tree, gcov):
    """The product's (file:line) and (file:line:branch) reached since clear()."""
    lines, branches = set(), set()
    gcdas = [p for p in gcda_files(tree)
             if "/tests/" not in p and "testkit" not in p and "/fuzz/" not in p]
    for start in range(0, len(gcdas), 40):
        out = subprocess.run([gcov, "--branch-probabilities", "--json-format", "--stdout",
                              *gcdas[start:start + 40]], cwd=tree, capture_output=True).stdout
        for doc in out.splitlines():
            if not doc.strip().startswith(b"{"):
                continue
            doc = json.loads(doc)
            for f in doc["files"]:
                source = os.path.join(doc.get("current_working_directory", tree), f["file"])
                name = os.path.relpath(os.path.normpath(source), ROOT)
                if not PRODUCT.match(name):
                    continue
                for line in f["lines"]:
                    key = f"{name}:{line['line_number']}"
                    if line["count"] > 0:
                        lines.add(key)
                    for i, b in enumerate(line.get("branches", [])):
                        if b["count"] > 0 and not b.get("throw"):
                            branches.add(f"{key}:{i}")
    return lines, branches


def measure(unit, run, tree, gcov, results):
    """Runs one unit alone and adds what it reached to its results."""
    clear(tree)
    status = subprocess.run(run, cwd=tree, capture_output=True).returncode
    lines, branches = reached(tree, gcov)
    old = results.get(unit, (set(), set(), 0))
    results[unit] = (old[0] | lines, old[1] | branches, old[2] or status)
    print(f"{unit}: {len(results[unit][0])} lines, status {status}", file=sys.stderr, flush=True)


def case_lengths():
    """The non-blank lines of each gtest case's body in the test sources, by
    "Suite.Case": what deleting the case would take off the test side."""
    lengths = {}
    files = subprocess.run(["git", "-C", ROOT, "ls-files", "*/tests/*.cpp"], capture_output=True,
                           text=True, check=True).stdout.split()
    for path in files:
        with open(os.path.join(ROOT, path), encoding="latin-1") as f:
            lines = f.read().split("\n")
        for n, line in enumerate(lines):
            m = re.match(r"TEST(?:_F|_P)?\((\w+),\s*(\w+)\)", line)
            if m:
                # A case ends at the first brace in the first column, not at the
                # next case: helpers and fixtures may stand between them.
                end = next((e for e in range(n, len(lines)) if lines[e].startswith("}")),
                           len(lines) - 1)
                lengths[f"{m[1]}.{m[2]}"] = sum(1 for x in lines[n:end + 1] if x.strip())
    return lengths


def run_units(kind, only, results):
    tree, gcov = TREES[kind]
    for name, command in ctest_entries(tree):
        picks = any(a.startswith("--gtest_filter") for a in command)
        for case in [None] if picks else gtest_cases(command):
            # A portable case runs natively and under Wine: one unit for both.
            unit = name + (f" {case}" if case else "")
            if not only or re.search(only, unit):
                measure(unit, command + ([f"--gtest_filter={case}"] if case else []), tree, gcov,
                        results)


def run_flows(only, results):
    tree, gcov = TREES["cross"]
    for flow in sorted(glob.glob(os.path.join(ROOT, "e2e", "flow-*.sh"))):
        unit = f"flow {os.path.basename(flow)}"
        if not only or re.search(only, unit):
            measure(unit, [flow, tree, os.path.join(tree, "e2e-results")], tree, gcov, results)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--out", default=os.path.join(ROOT, "build", "case-coverage.txt"))
    parser.add_argument("--only", help="run only the units whose name matches (the others keep"
                        " what an earlier run into the same --out found)")
    args = parser.parse_args()
    if os.environ.get("KV_WINE_SESSION") != "1":
        # Wine needs a display and a prefix: run the whole script in one session.
        tree = TREES["cross"][0]
        return subprocess.call([os.path.join(ROOT, "scripts", "wine-session.sh"), tree,
                                sys.executable, *sys.argv])
    results = {}
    if args.only and os.path.exists(args.out + ".json.gz"):
        # Units run again replace their earlier reach; the others keep theirs.
        with gzip.open(args.out + ".json.gz", "rt") as f:
            results = {u: (set(l), set(b), s) for u, (l, b, s) in json.load(f).items()
                       if not re.search(args.only, u)}
    run_units("native", args.only, results)
    run_units("cross", args.only, results)
    run_flows(args.only, results)
    with gzip.open(args.out + ".json.gz", "wt") as f:
        json.dump({u: [sorted(l), sorted(b), s] for u, (l, b, s) in results.items()}, f)

    count_lines, count_branches = collections.Counter(), collections.Counter()
    for lines, branches, _ in results.values():
        count_lines.update(lines)
        count_branches.update(branches)
    with open(args.out, "w") as out:
        out.write("# Per test unit: the product lines (L) and branches (B) it reaches that no\n"
                  "# other unit reaches, then up to 8 of those lines. A portable case counts its\n"
                  "# native and Wine runs together; a flow is one unit. Units with 0 / 0 first.\n"
                  "# A failing unit is marked FAILED (its reach may be short). N: the\n"
                  "# non-blank lines of the case in its test source.\n")
        lengths = case_lengths()
        rows = []
        for unit, (lines, branches, status) in results.items():
            only_l = sorted(k for k in lines if count_lines[k] == 1)
            only_b = sorted(k for k in branches if count_branches[k] == 1)
            rows.append((len(only_l) + len(only_b), unit, only_l, only_b, status))
        none, none_lines = 0, 0
        for _, unit, only_l, only_b, status in sorted(rows):
            shown = ", ".join(only_l[:8]) or ", ".join(only_b[:8])
            failed = " FAILED" if status else ""
            length = lengths.get(unit.split(" ")[-1], 0)
            if not only_l and not only_b:
                none, none_lines = none + 1, none_lines + length
            out.write(f"L {len(only_l):4}  B {len(only_b):4}  N {length:3}  {unit}{failed}  {shown}\n")
        out.write(f"# {none} of {len(rows)} units reach nothing of their own; their cases hold"
                  f" {none_lines} lines.\n")
    print(f"written: {args.out}")


if __name__ == "__main__":
    sys.exit(main())
