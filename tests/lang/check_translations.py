#!/usr/bin/env python3
"""Every source text of the program has a finished English translation, and the build lays the
compiled translation beside the programs.

lupdate reads the sources into a copy of the committed translation file: a text added or changed
in the code comes out unfinished there, whoever wrote it. A translation must keep each of its
source's %N placeholders, or the program would print a number or a name in the wrong place.

Usage: check_translations.py LUPDATE SOURCE_DIR TS_FILE QM_FILE
"""

import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

PLACEHOLDER = re.compile(r"%\d+")


def problems(ts_path):
    found = []
    for context in ET.parse(ts_path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            text = translation.text if translation is not None else None
            if translation is None or translation.get("type") == "unfinished" or not text:
                found.append(f"{name}: no English for {source!r}")
            elif sorted(set(PLACEHOLDER.findall(source))) != sorted(set(PLACEHOLDER.findall(text))):
                found.append(f"{name}: placeholders differ in {source!r} -> {text!r}")
    return found


def main():
    lupdate, source_dir, ts_file, qm_file = sys.argv[1:5]
    failures = []
    with tempfile.TemporaryDirectory() as work:
        copy = Path(work) / Path(ts_file).name
        shutil.copyfile(ts_file, copy)
        run = subprocess.run([lupdate, "-silent", "-locations", "none", "-no-obsolete",
                              "-source-language", "ja", "-target-language", "en",
                              source_dir, "-ts", str(copy)], capture_output=True, text=True)
        if run.returncode != 0:
            failures.append("lupdate failed: " + run.stderr.strip())
        else:
            failures += problems(copy)
    if not Path(qm_file).is_file() or Path(qm_file).stat().st_size == 0:
        failures.append(f"the compiled translation is not beside the programs: {qm_file}")
    for failure in failures:
        print(failure)
    if failures:
        print(f"{len(failures)} problem(s); run lupdate on src/ into {ts_file} and translate")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
