#!/usr/bin/env python3
"""Counts the test cases of a test.sh run and prints "N passed, N failed".

Arguments: folders of GoogleTest XML reports (one per test program), CTest
JUnit files (to catch a program that crashed before it wrote its report) and
*.result files of the script tests (lines "PASS name" / "FAIL name").
"""
import glob
import os
import sys
import xml.etree.ElementTree as ET


def main(paths):
    passed = failed = 0
    reported = {}
    junit_files = []
    for path in paths:
        if os.path.isdir(path):
            for xml_file in sorted(glob.glob(os.path.join(path, "*.xml"))):
                try:
                    root = ET.parse(xml_file).getroot()
                except ET.ParseError:
                    failed += 1
                    print(f"unreadable report: {xml_file}")
                    continue
                name = os.path.splitext(os.path.basename(xml_file))[0]
                cases = root.iter("testcase")
                bad = 0
                total = 0
                for case in cases:
                    if case.get("result") == "skipped" or case.get("status") == "notrun":
                        continue
                    total += 1
                    if case.find("failure") is not None or case.find("error") is not None:
                        bad += 1
                        print(f"FAILED: {name}.{case.get('classname')}.{case.get('name')}")
                passed += total - bad
                failed += bad
                reported[name] = bad
            for result_file in sorted(glob.glob(os.path.join(path, "*.result"))):
                with open(result_file, encoding="utf-8", errors="replace") as f:
                    for line in f:
                        if line.startswith("PASS "):
                            passed += 1
                        elif line.startswith("FAIL "):
                            failed += 1
                            print(f"FAILED: {line[5:].strip()}")
        elif path.endswith(".junit.xml") and os.path.exists(path):
            junit_files.append(path)
        elif not os.path.exists(path):
            # A missing report of a stage that did not run at all.
            failed += 1
            print(f"missing: {path}")

    # A test program that crashed or hung has no report, or one without the
    # failure: count it once.
    for junit in junit_files:
        for case in ET.parse(junit).getroot().iter("testcase"):
            name = case.get("name")
            status = case.get("status")
            if status == "fail" or case.find("failure") is not None:
                if reported.get(name, 0) == 0:
                    failed += 1
                    print(f"FAILED (no report of its own): {name}")

    print(f"{passed} passed, {failed} failed")
    return 0 if failed == 0 else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
