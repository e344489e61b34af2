#!/usr/bin/env python3
"""ribwright-cli in English and Japanese: the same refusal with the same exit status in either
language's words, --lang over RIBWRIGHT_LANG, and the same files to the byte whatever the language
(the PDF's page texts excepted, which are read by the user and follow the language).

Usage: check_language_cli.py CLI AIRFOIL_FILE
"""

import filecmp
import os
import re
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

JAPANESE = re.compile("[\u3040-\u30ff\u4e00-\u9fff]")
failures = []


def check(what, ok):
    print(("ok: " if ok else "FAILED: ") + what)
    if not ok:
        failures.append(what)


def run(cli, args, lang=None):
    env = dict(os.environ)
    env.pop("RIBWRIGHT_LANG", None)
    if lang:
        env["RIBWRIGHT_LANG"] = lang
    return subprocess.run([cli] + args, capture_output=True, env=env)


def main():
    cli, airfoil = sys.argv[1:3]
    refused = [airfoil, "--span", "400", "--stations", "abc", "--csv", os.devnull]
    ja, en = run(cli, refused), run(cli, refused, "en")
    check("a refused setting fails alike in both languages",
          ja.returncode == en.returncode and ja.returncode != 0)
    ja_err, en_err = ja.stderr.decode(), en.stderr.decode()
    check("Japanese by default", JAPANESE.search(ja_err) is not None)
    check("RIBWRIGHT_LANG=en gives the English message without Japanese",
          "--stations value \"abc\"" in en_err and not JAPANESE.search(en_err))
    check("--lang en wins over RIBWRIGHT_LANG=ja",
          run(cli, ["--lang", "en"] + refused, "ja").stderr.decode() == en_err)
    check("--lang=ja wins over RIBWRIGHT_LANG=en",
          run(cli, ["--lang=ja"] + refused, "en").stderr.decode() == ja_err)
    bad = run(cli, ["--lang", "fr", airfoil])
    check("an unknown --lang is a usage error naming it",
          bad.returncode == 1 and b"fr" in bad.stderr)

    with tempfile.TemporaryDirectory() as work:
        outputs = {}
        for lang in ("ja", "en"):
            folder = Path(work) / lang
            folder.mkdir()
            result = run(cli, ["--lang", lang, airfoil, "--out-dir", str(folder), "--all",
                               "--span", "400", "--plan", "--spar-notch", "30:3x6",
                               "--rib-table", str(folder / "table.csv")])
            check(f"the {lang} run writes its files", result.returncode == 0)
            outputs[lang] = folder
        names = sorted(p.name for p in outputs["ja"].iterdir())
        check("both languages write the same file names",
              names == sorted(p.name for p in outputs["en"].iterdir()) and len(names) >= 6)
        for name in names:
            if name.endswith(".pdf"):
                continue
            check(f"{name} is byte-identical in both languages",
                  filecmp.cmp(outputs["ja"] / name, outputs["en"] / name, shallow=False))
        if shutil.which("pdftotext"):
            pdf = next(n for n in names if n.endswith(".pdf"))
            text = subprocess.run(["pdftotext", str(outputs["en"] / pdf), "-"],
                                  capture_output=True).stdout.decode()
            check("the English PDF's page texts are English",
                  "Print at 100% scale" in text and not JAPANESE.search(text))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
