#!/usr/bin/python3
"""Runs ribwright-cli over golden cases and compares every file it writes byte for byte.

Usage: run_golden.py CLI DATA_FOLDER [CASE_FOLDER...]   (no case: every folder beside this script)

A case folder holds `args` (one argument per line; a blank line starts another run of the CLI in
the same output folder; an argument ending in .dat is an airfoil in DATA_FOLDER), `stdout` (what
the runs print, in order) and the expected files, laid out as the runs write them.
RIBWRIGHT_REGENERATE_GOLDEN=1 replaces the expected files with what the CLI writes now.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile

RESERVED = {"args", "stdout"}
# QPdfWriter stamps the time of writing into the document information. In UTC the stamp always
# has the same length, so no offset after it moves, and the digits alone are masked.
PDF_DATE = re.compile(rb"/CreationDate \(D:\d{14}Z\)")
PDF_DATE_MASK = b"/CreationDate (D:00000000000000Z)"


def read_runs(case):
    with open(os.path.join(case, "args"), encoding="utf-8") as f:
        lines = f.read().split("\n")
    runs, run = [], []
    for line in lines:
        if line:
            run.append(line)
        elif run:
            runs.append(run)
            run = []
    if run:
        runs.append(run)
    return runs


def relative_files(folder, skip=()):
    found = set()
    for parent, _, names in os.walk(folder):
        for name in names:
            path = os.path.relpath(os.path.join(parent, name), folder)
            if path not in skip:
                found.add(path)
    return found


def read_bytes(path):
    with open(path, "rb") as f:
        return f.read()


def mask_pdf_date(path):
    masked = PDF_DATE.sub(PDF_DATE_MASK, read_bytes(path))
    with open(path, "wb") as f:
        f.write(masked)


def first_difference(a, b):
    """Where two byte strings part: the offset and, for text, the line of each."""
    offset = next((i for i, (x, y) in enumerate(zip(a, b)) if x != y), min(len(a), len(b)))
    line = a.count(b"\n", 0, offset)
    text = lambda data: data.split(b"\n")[line][:120] if line < data.count(b"\n") + 1 else b""
    return "byte %d (sizes %d and %d), line %d:\n    expected %r\n    written  %r" % (
        offset, len(a), len(b), line + 1, text(a), text(b))


def run_case(cli, data, case, regenerate):
    name = os.path.basename(os.path.normpath(case))
    env = dict(os.environ, TZ="UTC", LC_ALL="C.UTF-8", QT_QPA_PLATFORM="offscreen")
    problems = []
    with tempfile.TemporaryDirectory(prefix="ribwright-golden-") as out:
        printed = b""
        for run in read_runs(case):
            argv = [os.path.join(data, a) if a.endswith(".dat") else a for a in run]
            result = subprocess.run([cli] + argv, cwd=out, env=env, capture_output=True)
            if result.returncode != 0:
                problems.append("exit status %d: %s" % (result.returncode,
                                                        result.stderr.decode(errors="replace")))
            printed += result.stdout
        for path in relative_files(out):
            if path.endswith(".pdf"):
                mask_pdf_date(os.path.join(out, path))
        if regenerate and not problems:
            for path in relative_files(case, RESERVED):
                os.remove(os.path.join(case, path))
            shutil.copytree(out, case, dirs_exist_ok=True)
            with open(os.path.join(case, "stdout"), "wb") as f:
                f.write(printed)
            print("%s: regenerated %d files" % (name, len(relative_files(out))))
            return 0
        stdout = os.path.join(case, "stdout")
        if not os.path.exists(stdout) or read_bytes(stdout) != printed:
            problems.append("stdout differs; printed:\n%s" % printed.decode(errors="replace"))
        expected, written = relative_files(case, RESERVED), relative_files(out)
        problems += ["%s: missing" % p for p in sorted(expected - written)]
        problems += ["%s: not expected" % p for p in sorted(written - expected)]
        for path in sorted(expected & written):
            a, b = read_bytes(os.path.join(case, path)), read_bytes(os.path.join(out, path))
            if a != b:
                problems.append("%s differs at %s" % (path, first_difference(a, b)))
            else:
                print("%s: %s same" % (name, path))
    for problem in problems:
        print("FAIL %s: %s" % (name, problem))
    return 1 if problems else 0


def main():
    if len(sys.argv) < 3:
        print(__doc__)
        return 2
    # The CLI runs in each case's output folder: paths given relative to the caller's folder must
    # still name the same files.
    cli = os.path.abspath(sys.argv[1]) if os.sep in sys.argv[1] else sys.argv[1]
    data = os.path.abspath(sys.argv[2])
    here = os.path.dirname(os.path.abspath(__file__))
    cases = sys.argv[3:] or sorted(os.path.join(here, d) for d in os.listdir(here)
                                   if os.path.isfile(os.path.join(here, d, "args")))
    regenerate = os.environ.get("RIBWRIGHT_REGENERATE_GOLDEN") == "1"
    return max(run_case(cli, data, case, regenerate) for case in cases)


if __name__ == "__main__":
    sys.exit(main())
