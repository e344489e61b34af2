#!/usr/bin/env python3
"""Proves the layer check can fail: it runs check_layers.py on a small tree that breaks each rule
once beside files that keep to them, and passes only when the check fails naming every breach
and none of the sound files.

    check_layers_probe.py QT_WIDGETS_INCLUDE_DIR
"""

import pathlib
import subprocess
import sys
import tempfile

CHECK = pathlib.Path(__file__).with_name("check_layers.py")

# Path under src/ -> text. The sound files share each breach's folder, so a check that blamed a
# whole folder would name them too.
PROBE_TREE = {
    "geometry/upward.cpp": '#include "geometry/outline.h"\n#include "ui/main_window.h"\n',
    "geometry/widget.cpp": "#include <QPainterPath>\n\n#include <QPushButton>\n",
    "geometry/sound.cpp": '#include "airfoil/airfoil.h"\n#include <QPolygonF>\n#include <vector>\n',
    "geometry/CMakeLists.txt": "ribwright_library(rw_geometry\n  DEPENDS rw_airfoil rw_ui)\n",
    "ui/window.cpp": '#include "desktop/desktop.h"\n#include <QPushButton>\n',
    "plugins/extra.cpp": "int extra();\n",
}

# What the check must say, each on a line of its own.
EXPECTED = [
    "geometry/upward.cpp:2: #include \"ui/main_window.h\": geometry may not include ui",
    "geometry/widget.cpp:3: #include <QPushButton>: a QtWidgets header outside",
    "geometry/CMakeLists.txt:2: geometry may not link rw_ui",
    "plugins: a folder the layer table does not know",
]
NOT_EXPECTED = ["sound.cpp", "ui/window.cpp", "upward.cpp:1", "widget.cpp:1", "rw_airfoil"]


def main(argv):
    with tempfile.TemporaryDirectory() as temp:
        src = pathlib.Path(temp) / "src"
        for name, text in PROBE_TREE.items():
            (src / name).parent.mkdir(parents=True, exist_ok=True)
            (src / name).write_text(text, encoding="utf-8")
        result = subprocess.run([sys.executable, str(CHECK), str(src), argv[1]],
                                capture_output=True, text=True)
    print(result.stdout, end="")
    print(result.stderr, end="", file=sys.stderr)
    failures = []
    if result.returncode != 1:
        failures.append(f"the check exited {result.returncode}, not 1 (breaches found)")
    lines = result.stdout.splitlines()
    for expected in EXPECTED:
        if not any(expected in line for line in lines):
            failures.append(f"the check did not say: {expected}")
    for sound in NOT_EXPECTED:
        if sound in result.stdout:
            failures.append(f"the check blamed something sound: {sound}")
    for failure in failures:
        print(f"probe: {failure}", file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
