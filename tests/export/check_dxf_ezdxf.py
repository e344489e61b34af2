#!/usr/bin/python3
"""Opens every DXF file the DXF export tests write with ezdxf (Debian's python3-ezdxf).

Usage: check_dxf_ezdxf.py EXPORT_TESTS_PROGRAM

Runs the DXF export tests with RIBWRIGHT_DXF_SAMPLES pointing at a fresh folder, then reads each
file there in ezdxf's recover mode and audits it. A file passes when ezdxf reports no audit error
and sees the same entities as the file holds. Exits 77 (skipped) when ezdxf is not installed.
"""
import os
import subprocess
import sys
import tempfile

SKIPPED = 77

try:
    import ezdxf
    from ezdxf import recover
except ImportError:
    print("SKIP: python3-ezdxf is not installed (apt-get install python3-ezdxf); "
          "DXF files were not checked by an outside reader")
    sys.exit(SKIPPED)


def raw_entities(path):
    """Entity types in the ENTITIES section as written, vertices and sequence ends left out."""
    with open(path, "rb") as f:
        lines = f.read().split(b"\r\n")
    types, inside = [], False
    for code, value in zip(lines[0::2], lines[1::2]):
        if code == b"2" and value == b"ENTITIES":
            inside = True
        elif inside and code == b"0":
            if value == b"ENDSEC":
                break
            if value not in (b"VERTEX", b"SEQEND"):
                types.append(value.decode("ascii"))
    return types


def check(path):
    problems = []
    doc, auditor = recover.readfile(path)
    for error in auditor.errors:
        problems.append("recover: " + error.message)
    audit = doc.audit()
    for error in audit.errors:
        problems.append("audit: " + error.message)
    seen = [e.dxftype() for e in doc.modelspace()]
    if seen != raw_entities(path):
        problems.append("ezdxf sees %d entities, the file holds %d" %
                        (len(seen), len(raw_entities(path))))
    for polyline in doc.modelspace().query("POLYLINE"):
        if len(polyline.vertices) == 0:
            problems.append("a polyline without vertices")
    return problems


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    program = sys.argv[1]
    with tempfile.TemporaryDirectory(prefix="ribwright-dxf-") as folder:
        env = dict(os.environ, RIBWRIGHT_DXF_SAMPLES=folder, QT_QPA_PLATFORM="offscreen")
        run = subprocess.run([program, "--gtest_filter=DxfExport.*", "--gtest_brief=1"],
                             env=env, capture_output=True, text=True)
        if run.returncode != 0:
            print(run.stdout, run.stderr)
            print("FAIL: the DXF export tests themselves failed")
            return 1
        files = sorted(n for n in os.listdir(folder) if n.endswith(".dxf"))
        if not files:
            print("FAIL: the tests left no DXF files")
            return 1
        failed = 0
        for name in files:
            try:
                problems = check(os.path.join(folder, name))
            except ezdxf.DXFError as error:
                problems = ["unreadable: %s" % error]
            print(("ok   " if not problems else "FAIL ") + name)
            for problem in problems:
                print("     " + problem)
            failed += bool(problems)
        print("ezdxf %s read %d files, %d failed" % (ezdxf.__version__, len(files), failed))
        return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
