#!/usr/bin/env python3
"""Mutation testing: how many small faults in the program's code the tests see.

    scripts/mutants.py [--seed S] [--count N] [--kind portable|win32]
                       [--part K/N] [--limit M] [--flows] [--list | --report]
                       [--caught-in STATE] [--only PREFIX]

Makes --count single-point mutants (default 160, 60 % in portable code) of the
program's .cpp files (core, exchange, app, support; not the tests), the same
ones for the same seed and sources: == and != flipped, < <= > >= moved by one,
a condition negated, && and || swapped, a number changed by one, a return
value replaced, a statement deleted. Each is applied to a scratch copy of the
last commit (build/mutants/tree, never the working tree), built there
incrementally (ccache) and tested layer by layer until one kills it:
  portable code: the native tests of its folder, then of the folders above;
  Win32 code:    the Win32 test programs of its folder, then of the folders
                 above, then (with --flows) the end-to-end flows.
A mutant is killed (a test failed), timed out, survived, or did not build.

Results go to build/mutants/state-<sources>.json after every mutant, so a run
can be stopped and resumed; --part K/N and --limit M take a share of the
pending mutants, --kind one part of the code. --report prints the summary.
--caught-in takes the state file of an earlier run (of the same program code,
e.g. before the tests changed): only the mutants it caught are tested, and the
summary lists every one of them that survives now. --only app/ (a path
prefix, repeatable) tests only the mutants of those files.
Run it in the background, e.g.
    nice -n 10 scripts/mutants.py --kind portable --limit 40 >build/mutants.log 2>&1 &
"""
import argparse
import fcntl
import hashlib
import json
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
WORK = os.path.join(ROOT, "build", "mutants")
TREE = os.path.join(WORK, "tree")
NATIVE = os.path.join(TREE, "build", "native")
CROSS = os.path.join(TREE, "build", "cross")
FOLDERS = ["support", "core", "exchange", "app"]  # each uses the ones before it
PORTABLE_TESTS = {"support": "zul_support_tests", "core": "kv_core_tests", "exchange": "kv_exchange_tests"}
WIN32_TESTS = {"support": "zul_support_win32_tests", "core": "kv_core_win32_tests",
               "exchange": "kv_exchange_win32_tests", "app": "kv_app_tests"}
# Only the program itself (not a test program) contains WinMain.cpp: only the
# flows could see its mutants.
SKIPPED = {"app/WinMain.cpp"}


def git(*args, cwd=ROOT):
    return subprocess.run(["git", *args], cwd=cwd, capture_output=True, check=True).stdout


# --- the scratch tree -------------------------------------------------------

def sync_tree():
    """Makes TREE the last commit's files; unchanged files keep their time stamp
    so that the build stays incremental."""
    os.makedirs(TREE, exist_ok=True)
    wanted = set(committed_files())
    with tempfile.TemporaryDirectory(dir=WORK) as export:
        subprocess.run(["tar", "-x", "-C", export], input=git("archive", "HEAD"), check=True)
        for rel in wanted:
            src, dst = os.path.join(export, rel), os.path.join(TREE, rel)
            if not os.path.exists(dst) or read(src) != read(dst):
                os.makedirs(os.path.dirname(dst), exist_ok=True)
                shutil.copyfile(src, dst)
                shutil.copymode(src, dst)
    for folder, dirs, files in os.walk(TREE):
        if folder == TREE and "build" in dirs:
            dirs.remove("build")
        for name in files:
            path = os.path.join(folder, name)
            if os.path.relpath(path, TREE) not in wanted:
                os.remove(path)


def committed_files():
    return git("ls-tree", "-r", "--name-only", "HEAD").decode().splitlines()


def configure():
    launcher = ["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache", "-DCMAKE_C_COMPILER_LAUNCHER=ccache"]
    if not os.path.exists(os.path.join(NATIVE, "build.ninja")):
        subprocess.run(["cmake", "-S", TREE, "-B", NATIVE, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Debug",
                        "-DKV_SANITIZE=ON", *launcher], check=True, stdout=subprocess.DEVNULL)
    if not os.path.exists(os.path.join(CROSS, "build.ninja")):
        subprocess.run(["cmake", "-S", TREE, "-B", CROSS, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Release",
                        "-DCMAKE_TOOLCHAIN_FILE=" + os.path.join(TREE, "cmake", "mingw-w64.cmake"),
                        *launcher], check=True, stdout=subprocess.DEVNULL)


def read(path):
    with open(path, "rb") as f:
        return f.read()


def write(path, data):
    with open(path, "wb") as f:
        f.write(data)


# --- making the mutants -----------------------------------------------------

def product_files():
    return sorted(f for f in committed_files() if f.endswith(".cpp") and f.split("/")[0] in FOLDERS
                  and "/tests/" not in f and f not in SKIPPED)


def is_win32(path):
    return "/win32/" in path or path.startswith("app/")


def masked_lines(text):
    """The lines with comments, string and character literals blanked out (same
    columns), so that operators are only found in code."""
    out, in_block = [], False
    for line in text.split("\n"):
        chars, i, quote = list(line), 0, None
        while i < len(chars):
            c, two = chars[i], line[i:i + 2]
            if in_block:
                if two == "*/":
                    chars[i:i + 2] = "  "
                    in_block, i = False, i + 2
                    continue
                chars[i] = " "
            elif quote:
                if c == "\\":
                    chars[i:i + 2] = " " * len(chars[i:i + 2])
                    i += 2
                    continue
                if c == quote:
                    quote = None
                else:
                    chars[i] = " "
            elif two == "//":
                chars[i:] = " " * (len(chars) - i)
                break
            elif two == "/*":
                chars[i:i + 2] = "  "
                in_block, i = True, i + 2
                continue
            elif c in "\"'":
                quote = c
            i += 1
        code = "".join(chars)
        out.append("" if code.lstrip().startswith("#") else code)
    return out


SWAPS = [("==", " == ", " != "), ("!=", " != ", " == "), ("<", " < ", " <= "), ("<=", " <= ", " < "),
         (">", " > ", " >= "), (">=", " >= ", " > "), ("&&", " && ", " || "), ("||", " || ", " && ")]
STATEMENT = re.compile(r"^(\s*)([A-Za-z_][\w:.\->\[\]]*\s*(\(.*\)|\+\+|--|\s[-+*/|&]?=\s.*));\s*$")


def closing_paren(code, start):
    depth = 0
    for i in range(start, len(code)):
        depth += {"(": 1, ")": -1}.get(code[i], 0)
        if depth == 0:
            return i
    return None


def candidates(path, text):
    """Every mutant of one file: (line number, column, operator, new line)."""
    lines, found = text.split("\n"), []
    masked = masked_lines(text)
    previous = ";"
    for n, (line, code) in enumerate(zip(lines, masked), 1):
        if not code.strip():
            continue
        for op, before, after in SWAPS:
            for m in re.finditer(re.escape(before), code):
                found.append((n, m.start(), op, line[:m.start()] + after + line[m.end():]))
        for m in re.finditer(r"\b(if|while) \(", code):
            end = closing_paren(code, m.end() - 1)
            if end:
                found.append((n, m.start(), "negate",
                              line[:m.end()] + "!(" + line[m.end():end] + ")" + line[end:]))
        if not re.match(r"\s*case\b", code):
            for m in re.finditer(r"(?<![\w.])\d+(?![\w.])", code):
                found.append((n, m.start(), "constant",
                              line[:m.start()] + str(int(m.group()) + 1) + line[m.end():]))
        m = re.search(r"\breturn (.+);", code)
        if m:
            value = {"true": "false", "false": "true"}.get(m.group(1).strip(), "{}")
            found.append((n, m.start(), "return", line[:m.start(1)] + value + line[m.end(1):]))
        m = STATEMENT.match(code)
        if m and previous[-1] in ";{}" and code.count("(") == code.count(")"):
            found.append((n, 0, "delete", m.group(1) + ";"))
        previous = code.rstrip()
    return found


def make_mutants(seed, count):
    """count mutants, 60 % portable, taken in turns from every file: from each
    file the first of its candidates (shuffled by the seed) whose operator has
    been used least so far."""
    groups = {"portable": [], "win32": []}
    for path in product_files():
        text = git("show", f"HEAD:{path}").decode("latin-1")
        found = candidates(path, text)
        random.Random(f"{seed}:{path}").shuffle(found)
        lines = text.split("\n")
        groups["win32" if is_win32(path) else "portable"].append(
            [{"file": path, "line": n, "op": op, "before": lines[n - 1].strip(), "after": new.strip(),
              "new": new, "id": f"{path}:{n}:{col}:{op}"} for n, col, op, new in found])
    quota = {"portable": round(count * 0.6), "win32": count - round(count * 0.6)}
    mutants, used = [], {}
    for kind, files in groups.items():
        taken = 0
        while taken < quota[kind] and any(files):
            for found in files:
                if found and taken < quota[kind]:
                    pick = min(found, key=lambda m: used.get(m["op"], 0))
                    found.remove(pick)
                    used[pick["op"]] = used.get(pick["op"], 0) + 1
                    mutants.append(dict(pick, kind=kind))
                    taken += 1
    return mutants


# --- building and testing ---------------------------------------------------

def layers(path, flows):
    """The test programs that see a file, nearest first: [(tree, programs)]."""
    folder = path.split("/")[0]
    above = FOLDERS[FOLDERS.index(folder) + 1:]
    if not is_win32(path):
        return [(NATIVE, [PORTABLE_TESTS[folder]]),
                (NATIVE, [PORTABLE_TESTS[f] for f in above if f in PORTABLE_TESTS])]
    own, higher = [WIN32_TESTS[folder]], [WIN32_TESTS[f] for f in above]
    if "/win32/platform/" in path:  # in the portable library of the cross tree
        own.insert(0, PORTABLE_TESTS[folder])
        higher = [PORTABLE_TESTS[f] for f in above if f in PORTABLE_TESTS] + higher
    found = [(CROSS, own), (CROSS, higher)]
    return found + [(CROSS, ["flows"])] if flows else found


def build(tree, programs):
    targets = ["Kolvane", "kv-status-probe"] if programs == ["flows"] else programs
    return subprocess.run(["ninja", "-C", tree, "-j", "2", *targets], stdout=subprocess.PIPE,
                          stderr=subprocess.STDOUT).returncode == 0


def run_tests(tree, programs, timeout):
    """'passed', 'failed' or 'timeout'."""
    if programs == ["flows"]:
        results = tempfile.mkdtemp(dir=WORK)
        script = ('for f in "$1"/e2e/flow-*.sh; do "$f" "$2" "$3" >/dev/null 2>&1 || exit 1; done; '
                  '! grep -qs "^FAIL" "$3"/*.result')
        command = ["bash", "-c", script, "_", TREE, tree, results]
    else:
        pattern = "^(" + "|".join(programs) + ")(_file_size_limit)?$"
        command = ["ctest", "-j", "2", "-R", pattern]
    process = subprocess.Popen(command, cwd=tree, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                               start_new_session=True)
    try:
        return "passed" if process.wait(timeout=timeout) == 0 else "failed"
    except subprocess.TimeoutExpired:
        os.killpg(process.pid, signal.SIGKILL)
        process.wait()
        return "timeout"
    finally:
        if programs == ["flows"]:
            shutil.rmtree(results, ignore_errors=True)


def baseline(state, tree, programs):
    """Seconds the unmutated layer takes, or None when it fails already."""
    key = os.path.basename(tree) + ":" + ",".join(programs)
    if key not in state["baseline"]:
        ok = build(tree, programs)
        start = time.time()
        ok = ok and run_tests(tree, programs, 1800) == "passed"
        state["baseline"][key] = round(time.time() - start, 1) if ok else None
        print(f"baseline {key}: {'fails' if not ok else state['baseline'][key]} s", flush=True)
    return state["baseline"][key]


def test_mutant(state, mutant, flows):
    """The outcome and the test programs run. Each layer is first run once
    unmutated: its time sets the time limit, and one that fails already is
    left out."""
    steps = [(tree, programs, baseline(state, tree, programs))
             for tree, programs in layers(mutant["file"], flows) if programs]
    path = os.path.join(TREE, mutant["file"])
    original = read(path)
    lines = original.decode("latin-1").split("\n")
    lines[mutant["line"] - 1] = mutant["new"]
    write(path, "\n".join(lines).encode("latin-1"))
    try:
        tested = []
        for tree, programs, seconds in steps:
            if seconds is None:
                continue
            if not build(tree, programs):
                return "not built", tested
            tested += programs
            outcome = run_tests(tree, programs, 3 * seconds + 30)
            if outcome != "passed":
                return ("killed" if outcome == "failed" else "timeout"), tested
        return "survived", tested
    finally:
        write(path, original)


# --- state and summary ------------------------------------------------------

def state_path():
    sources = git("rev-parse", *[f"HEAD:{d}" for d in FOLDERS + ["testkit", "e2e"]])
    return os.path.join(WORK, f"state-{hashlib.sha1(sources).hexdigest()[:12]}.json")


def load_state(path):
    if not os.path.exists(path):
        return {"baseline": {}, "results": {}}
    with open(path) as f:
        return json.load(f)


def save(path, state):
    with open(path + ".tmp", "w") as f:
        json.dump(state, f, indent=1)
    os.replace(path + ".tmp", path)


def folder_part(path):
    parts = path.split("/")
    return parts[0] + ("/win32" if "win32" in parts else "")


def caught(path):
    """The ids of the mutants an earlier run killed or timed out."""
    results = load_state(path)["results"]
    return {id for id, r in results.items() if r["status"] in ("killed", "timeout")}


def report(state, mutants, before=None):
    """Counts per folder and part (as scripts/coverage.sh shows them; caught:
    killed or timed out, of those that built), then the mutants that survived,
    timed out or did not build."""
    results = state["results"]
    print(f"{len(results)} of {len(mutants)} mutants tested")
    rows = sorted({folder_part(m["file"]) for m in mutants}) + ["all"]
    print(f"{'folder':15} {'tested':>6} {'killed':>6} {'timeout':>7} {'survived':>8} {'not built':>9} {'caught':>7}")
    for row in rows:
        counts = {"killed": 0, "timeout": 0, "survived": 0, "not built": 0}
        for m in mutants:
            if m["id"] in results and row in ("all", folder_part(m["file"])):
                counts[results[m["id"]]["status"]] += 1
        judged = counts["killed"] + counts["timeout"] + counts["survived"]
        share = f"{100 * (judged - counts['survived']) / judged:.0f} %" if judged else "-"
        print(f"{row:15} {sum(counts.values()):6} {counts['killed']:6} {counts['timeout']:7} "
              f"{counts['survived']:8} {counts['not built']:9} {share:>7}")
    minutes = sum(r["seconds"] for r in results.values()) / 60
    print(f"{minutes:.0f} minutes of testing")
    for status in ("survived", "timeout", "not built"):
        listed = [m for m in mutants if results.get(m["id"], {}).get("status") == status]
        if listed:
            print(f"\n{status}:")
            for m in listed:
                print(f"  {m['file']}:{m['line']} {m['op']}: {m['before']}  ->  {m['after']}")
    if before is not None:
        lost = [m for m in mutants if m["id"] in before and results.get(m["id"], {}).get("status") == "survived"]
        untested = sum(1 for m in mutants if m["id"] in before and m["id"] not in results)
        print(f"\ncaught before: {len(before)}, survive now: {len(lost)}, not tested yet: {untested}")
        for m in lost:
            print(f"  {m['file']}:{m['line']} {m['op']}: {m['before']}  ->  {m['after']}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--count", type=int, default=160)
    parser.add_argument("--kind", choices=["portable", "win32"])
    parser.add_argument("--part", default="1/1")
    parser.add_argument("--limit", type=int)
    parser.add_argument("--flows", action="store_true", help="end-to-end flows for Win32 survivors")
    parser.add_argument("--list", action="store_true", help="print the mutants, test none")
    parser.add_argument("--report", action="store_true", help="print the summary, test none")
    parser.add_argument("--caught-in", metavar="STATE", help="test only what this earlier run caught")
    parser.add_argument("--only", action="append", metavar="PREFIX", help="only the files under this path")
    args = parser.parse_args()
    mutants = make_mutants(args.seed, args.count)
    before = caught(args.caught_in) if args.caught_in else None
    if before is not None:
        mutants = [m for m in mutants if m["id"] in before]
    if args.only:
        mutants = [m for m in mutants if m["file"].startswith(tuple(args.only))]
        before = before and {id for id in before if id.startswith(tuple(args.only))}
    path = state_path()
    if args.list:
        for i, m in enumerate(mutants):
            print(f"{i:4} {m['kind']:8} {m['file']}:{m['line']} {m['op']}: {m['before']}  ->  {m['after']}")
        return
    if args.report:
        return report(load_state(path), mutants, before)

    os.makedirs(WORK, exist_ok=True)
    lock = open(os.path.join(WORK, "lock"), "w")
    fcntl.flock(lock, fcntl.LOCK_EX)  # one run at a time per scratch tree
    state = load_state(path)  # only now: a run that held the lock may have added results
    sync_tree()

    part, parts = map(int, args.part.split("/"))
    pending = [m for i, m in enumerate(mutants) if i % parts == part - 1 and m["id"] not in state["results"]
               and args.kind in (None, m["kind"])][:args.limit]
    configure()
    if any(m["kind"] == "win32" for m in pending) and os.environ.get("KV_WINE_SESSION") != "1":
        lock.close()  # the same run, inside the Wine session, takes it again
        session = os.path.join(TREE, "scripts", "wine-session.sh")
        os.execv(session, [session, CROSS, sys.executable, os.path.abspath(__file__), *sys.argv[1:]])
    os.environ.setdefault("ASAN_OPTIONS", "detect_leaks=1:abort_on_error=0")
    os.environ.setdefault("UBSAN_OPTIONS", "print_stacktrace=1:halt_on_error=1")

    print(f"{len(pending)} mutants to test, state in {path}", flush=True)
    for n, m in enumerate(pending, 1):
        start = time.time()
        status, tested = test_mutant(state, m, args.flows)
        state["results"][m["id"]] = {"status": status, "tested": tested, "seconds": round(time.time() - start, 1)}
        save(path, state)
        print(f"[{n}/{len(pending)}] {status:9} {m['file']}:{m['line']} {m['op']}: {m['before']}  ->  "
              f"{m['after']}  ({', '.join(tested) or '-'}; {time.time() - start:.0f} s)", flush=True)
    report(state, mutants, before)


if __name__ == "__main__":
    os.environ.setdefault("CCACHE_BASEDIR", ROOT)
    os.environ.setdefault("CCACHE_NOHASHDIR", "1")
    sys.exit(main())
