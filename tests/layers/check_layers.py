#!/usr/bin/env python3
"""Fails when a folder under src/ reaches above its layer.

    check_layers.py SRC_DIR QT_WIDGETS_INCLUDE_DIR

Every library gets src/ and Qt's include folders on its path, so the compiler would let an engine
file include a window header or a widget; this check is what keeps the layers apart. It reads
every file under SRC_DIR and names file, line and include for:
  - an include of a src/ folder that the including folder may not use (table below);
  - a QtWidgets header (any header in QT_WIDGETS_INCLUDE_DIR) outside the widget folders;
  - a CMakeLists.txt that links a library of a folder it may not use, or Qt6::Widgets outside
    the widget folders;
  - a folder under src/ that the table does not know.
"""

import pathlib
import re
import sys

# The layers, bottom up: which other folders under src/ each folder may include and link.
# A folder may always use itself. A new folder under src/ needs its row here.
ALLOWED = {
    "platform": [],
    "airfoil": ["platform"],
    "geometry": ["platform", "airfoil"],
    "sheet": ["platform", "airfoil", "geometry"],
    "export": ["platform", "airfoil", "geometry", "sheet"],
    "panel": ["platform", "airfoil", "geometry", "sheet", "export"],
    "desktop": ["platform"],
    "cli": ["platform", "airfoil", "geometry", "sheet", "export", "panel"],
    "ui": ["platform", "airfoil", "geometry", "sheet", "export", "panel", "desktop"],
    "app": ["platform", "airfoil", "geometry", "sheet", "export", "panel", "desktop", "ui"],
}

# The only folders that may see widgets.
WIDGET_FOLDERS = ["ui", "app", "desktop"]

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
LIBRARY = re.compile(r"\brw_(\w+)")
WIDGETS_LIBRARY = re.compile(r"\bQt6::Widgets\b")
# Qt's other modules; a QtWidgets header of the same name only forwards to them.
NON_WIDGET_MODULES = ["QtCore", "QtGui"]


def widget_headers(widgets_dir):
    """Names a widget can be included by: the module's headers minus those that only forward to
    QtCore or QtGui (qaction.h and the like, which moved to QtGui)."""
    names = {p.name for p in widgets_dir.iterdir()}
    for module in NON_WIDGET_MODULES:
        sibling = widgets_dir.parent / module
        if sibling.is_dir():
            names -= {p.name for p in sibling.iterdir()}
    return names


def folder_of(path, src):
    """The top folder under src/ that holds `path`, or None outside any folder."""
    try:
        parts = path.resolve().relative_to(src).parts
    except ValueError:
        return None
    return parts[0] if len(parts) > 1 else None


def included_folder(header, quoted, including_file, src):
    """The src/ folder an include reaches, as the compiler would find it: a quoted include
    first beside the including file, then from src/; any include whose first part names a
    folder of src/ counts, whether the header exists or not."""
    candidates = [src / header]
    if quoted:
        candidates.insert(0, including_file.parent / header)
    for candidate in candidates:
        if candidate.exists():
            return folder_of(candidate, src)
    first = header.split("/")[0]
    if "/" in header and (first in ALLOWED or (src / first).is_dir()):
        return first
    return None


def may_use(folder, other):
    return other == folder or other in ALLOWED.get(folder, [])


def allowed_text(folder):
    return ", ".join(ALLOWED[folder]) or "nothing else"


def check_includes(path, folder, src, widgets, problems):
    text = path.read_text(encoding="utf-8", errors="replace")
    for number, line in enumerate(text.splitlines(), start=1):
        match = INCLUDE.match(line)
        if not match:
            continue
        quoted = match.group(1) == '"'
        header = match.group(2).strip()
        where = f"{path}:{number}: {match.group(0).strip()}"
        other = included_folder(header, quoted, path, src)
        if other is not None and not may_use(folder, other):
            problems.append(f"{where}: {folder} may not include {other} "
                            f"(allowed: {allowed_text(folder)})")
        is_widget = header.split("/")[0] == "QtWidgets" or ("/" not in header
                                                           and header in widgets)
        if is_widget and folder not in WIDGET_FOLDERS:
            problems.append(f"{where}: a QtWidgets header outside "
                            f"{', '.join(WIDGET_FOLDERS)}")


def check_link_lines(path, folder, problems):
    lines = path.read_text(encoding="utf-8", errors="replace").splitlines()
    for number, line in enumerate(lines, start=1):
        code = line.split("#", 1)[0]
        for match in LIBRARY.finditer(code):
            other = match.group(1)
            if not may_use(folder, other):
                problems.append(f"{path}:{number}: {folder} may not link rw_{other} "
                                f"(allowed: {allowed_text(folder)})")
        if WIDGETS_LIBRARY.search(code) and folder not in WIDGET_FOLDERS:
            problems.append(f"{path}:{number}: {folder} may not link Qt6::Widgets "
                            f"(only {', '.join(WIDGET_FOLDERS)})")


def check_tree(src, widgets):
    """Returns the problems found and the number of files read."""
    problems = []
    for folder in sorted(p.name for p in src.iterdir() if p.is_dir()):
        if folder not in ALLOWED:
            problems.append(f"{src / folder}: a folder the layer table does not know; add its "
                            f"row to ALLOWED in {pathlib.Path(__file__).resolve()}")
    files = sorted(p for p in src.rglob("*") if p.is_file())
    for path in files:
        folder = folder_of(path, src)
        if folder is None or folder not in ALLOWED:
            continue
        if path.name == "CMakeLists.txt":
            check_link_lines(path, folder, problems)
        else:
            check_includes(path, folder, src, widgets, problems)
    return problems, len(files)


def main(argv):
    if len(argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    src = pathlib.Path(argv[1]).resolve()
    widgets_dir = pathlib.Path(argv[2])
    # Without the widget headers, or without sources, the check would pass on nothing.
    if not (widgets_dir / "QWidget").is_file():
        print(f"layer check: no QtWidgets headers in {widgets_dir}", file=sys.stderr)
        return 2
    problems, count = check_tree(src, widget_headers(widgets_dir))
    if count == 0:
        print(f"layer check: no files under {src}", file=sys.stderr)
        return 2
    for problem in problems:
        print(problem)
    if problems:
        print(f"layer check: {len(problems)} problem(s) in {count} files")
        return 1
    print(f"layer check: {count} files keep to their layers")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
