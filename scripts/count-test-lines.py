#!/usr/bin/env python3
"""Prints how much of the code is tests: non-blank lines of the test side
(unit tests in */tests/, the test kit, the fuzz targets, the end-to-end flows)
against the program's code (core, exchange, app, support), e.g.
"test lines: 14265 of 25403 (56 %)".

Only code counts (C++, Python, shell, CMake): fuzz dictionaries, corpus files
and other test data do not. The resources (dialog templates, string table)
and the help pages are the program's data, and the benchmarks measure speed:
those three are printed apart and left out of the share.
"""
import os
import subprocess
import sys

CODE = (".cpp", ".h", ".py", ".sh", ".cmake", "CMakeLists.txt")
PRODUCT = ("core/", "exchange/", "app/", "support/")
TESTS = ("testkit/", "fuzz/", "e2e/")
APART = {"resources/": "resources", "help/": "help pages", "bench/": "benchmarks"}


def kind(path):
    if "/tests/" in path or path.startswith(TESTS):
        return "test"
    if path.startswith(PRODUCT):
        return "product"
    for folder, name in APART.items():
        if path.startswith(folder):
            return name
    return None


def non_blank_lines(path):
    with open(path, "rb") as f:
        data = f.read()
    return 0 if b"\0" in data else sum(1 for line in data.splitlines() if line.strip())


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    files = subprocess.run(["git", "-C", root, "ls-files"], capture_output=True,
                           text=True, check=True).stdout.splitlines()
    lines = {}
    for path in files:
        what = kind(path)
        code = path.endswith(CODE) or what in ("resources", "help pages")
        if what and code and os.path.isfile(os.path.join(root, path)):
            lines[what] = lines.get(what, 0) + non_blank_lines(os.path.join(root, path))
    tests, product = lines.get("test", 0), lines.get("product", 0)
    apart = ", ".join(f"{name} {lines.get(name, 0)}" for name in APART.values())
    print(f"counted apart: {apart}")
    total = tests + product
    print(f"test lines: {tests} of {total} ({round(100 * tests / total) if total else 0} %)")


if __name__ == "__main__":
    sys.exit(main())
