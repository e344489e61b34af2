#!/usr/bin/python3
"""Measures how the true-scale PDF lays its ribs out on pages, in poppler.

Usage: check_print_layout.py RIBWRIGHT_CLI DATA_FOLDER

Writes with ribwright-cli, on A4 and on A3, NACA 2412 ribs of a tapered panel (14 ribs, root 220,
tip 140 mm, skin 1.5 mm, a 3 x 6 mm spar notch at 30 %, lightening holes), of a constant chord
(12 ribs of 200 mm) and, on A4 only, three ribs of 400 mm, longer than any A4 page. Every page
is rendered at 254 dpi (10 px per mm). On each page the seams are found as the long dashed grey
lines and the registration marks as the purple crosses:
  - where every rib fits a page, nothing black or red (a rib's lines or its caption) lies on a
    seam: no rib is crossed;
  - each seam on a page carries exactly two marks, shown whole, with nothing black or red within
    a mark's reach of its centre (so none lies on a part, also where long ribs run across seams);
  - on page 1 the 100 mm bar spans 1000 +- 3 px;
  - pdftotext gives "100 mm" and the airfoil's name.
Exits 77 (skipped) when a reader is missing.
"""
import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile

SKIPPED = 77
PX_PER_MM = 10
MARK_REACH_PX = 50  # a mark's cross runs 5 mm from its centre

try:
    import numpy
except ImportError as error:
    print("SKIP: %s (python3-numpy)" % error)
    sys.exit(SKIPPED)
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
# Its tally of problems.
import check_workshop_files as workshop  # noqa: E402
from check_workshop_files import expect  # noqa: E402

for tool in ("pdfinfo", "pdftoppm", "pdftotext"):
    if not shutil.which(tool):
        print("SKIP: %s is not installed" % tool)
        sys.exit(SKIPPED)

PANEL = ["--root-chord", "220", "--tip-chord", "140", "--ribs", "14", "--skin", "1.5",
         "--spar-notch", "30:3x6", "--holes", "60:2"]
CONSTANT = ["--root-chord", "200", "--tip-chord", "200", "--ribs", "12"]
LONG = ["--root-chord", "400", "--tip-chord", "400", "--ribs", "3"]
# name, arguments, paper, whether every rib fits a page
CASES = [("panel", PANEL, "A4", True), ("panel", PANEL, "A3", True),
         ("constant", CONSTANT, "A4", True), ("constant", CONSTANT, "A3", True),
         ("long", LONG, "A4", False)]

def read_ppm(path):
    """A binary PPM (P6) as a height x width x 3 array of ints."""
    with open(path, "rb") as f:
        data = f.read()
    fields, pos = [], 0
    while len(fields) < 4:
        match = re.compile(rb"\s*(#[^\n]*\n\s*)*(\S+)").match(data, pos)
        fields.append(match.group(2))
        pos = match.end()
    width, height = int(fields[1]), int(fields[2])
    pixels = numpy.frombuffer(data, numpy.uint8, width * height * 3, pos + 1)
    return pixels.reshape(height, width, 3).astype(int)


def masks(image):
    r, g, b = image[:, :, 0], image[:, :, 1], image[:, :, 2]
    lightest = image.max(axis=2)
    grey = (abs(r - g) < 12) & (abs(g - b) < 12) & (lightest < 215) & (lightest > 60)
    part = (lightest < 80) | ((r > 160) & (g < 110) & (b < 110))  # black lines, red chords
    purple = (r > 110) & (b > 110) & (g < 80)
    return grey, part, purple


def lines(counts, least):
    """Centres of the runs of neighbouring indices whose count reaches `least`."""
    found, run = [], []
    for i in numpy.flatnonzero(counts >= least):
        if run and i != run[-1] + 1:
            found.append(sum(run) / len(run))
            run = []
        run.append(i)
    if run:
        found.append(sum(run) / len(run))
    return found


def seams(grey):
    """The dashed trimming lines: (vertical x list, horizontal y list) in px."""
    height, width = grey.shape
    # Dashes cover two thirds of a line; a rib's grey surface crosses a column only briefly.
    vertical = lines(grey.sum(axis=0), 0.3 * height)
    horizontal = lines(grey.sum(axis=1), 0.3 * width)
    return vertical, horizontal


def marks(purple):
    """Each mark as (centre x, centre y, width, height) in px: purple pixels grouped on a 2 mm
    grid."""
    cell = 20
    ys, xs = numpy.nonzero(purple)
    cells = {}
    for x, y in zip(xs, ys):
        cells.setdefault((x // cell, y // cell), []).append((x, y))
    found, seen = [], set()
    for start in cells:
        if start in seen:
            continue
        stack, points = [start], []
        seen.add(start)
        while stack:
            cx, cy = stack.pop()
            points.extend(cells[(cx, cy)])
            for dx in (-1, 0, 1):
                for dy in (-1, 0, 1):
                    near = (cx + dx, cy + dy)
                    if near in cells and near not in seen:
                        seen.add(near)
                        stack.append(near)
        px = numpy.array(points)
        low, high = px.min(axis=0), px.max(axis=0)
        found.append(((low[0] + high[0]) / 2, (low[1] + high[1]) / 2,
                      high[0] - low[0], high[1] - low[1]))
    return found


def check_page(label, image, all_fit):
    grey, part, purple = masks(image)
    vertical, horizontal = seams(grey)
    found = marks(purple)
    height, width = grey.shape
    for kind, positions in (("vertical", vertical), ("horizontal", horizontal)):
        for at in positions:
            a = int(round(at))
            if kind == "vertical":
                extent = numpy.flatnonzero(grey[:, a - 1:a + 2].any(axis=1))
                band = part[extent[0]:extent[-1] + 1, max(a - 4, 0):a + 5]
                on_seam = [m for m in found if abs(m[0] - at) <= 3]
            else:
                extent = numpy.flatnonzero(grey[a - 1:a + 2, :].any(axis=0))
                band = part[max(a - 4, 0):a + 5, extent[0]:extent[-1] + 1]
                on_seam = [m for m in found if abs(m[1] - at) <= 3]
            if all_fit:
                expect(not band.any(), "%s: nothing drawn of a rib on the %s seam at %d px" %
                       (label, kind, a))
            expect(len(on_seam) == 2, "%s: the %s seam at %d px carries %d marks (2)" %
                   (label, kind, a, len(on_seam)))
            for x, y, w, h in on_seam:
                whole = abs(w - 2 * MARK_REACH_PX) <= 4 and abs(h - 2 * MARK_REACH_PX) <= 4
                x, y = int(round(x)), int(round(y))
                r = MARK_REACH_PX + 5
                clear = not part[max(y - r, 0):y + r + 1, max(x - r, 0):x + r + 1].any()
                expect(whole and clear, "%s: the mark at (%d, %d) px shows whole (%d x %d) and "
                       "clear of every part" % (label, x, y, w, h))
    return len(vertical) + len(horizontal)


def check_bar(label, image):
    dark = image.max(axis=2) < 80
    runs = numpy.zeros(dark.shape[0], int)
    current = numpy.zeros(dark.shape[0], int)
    for column in range(dark.shape[1]):
        current = numpy.where(dark[:, column], current + 1, 0)
        runs = numpy.maximum(runs, current)
    bar = runs[(runs > 900) & (runs < 1100)]
    expect(len(bar) >= 15 and abs(numpy.median(bar) - 1000) <= 3,
           "%s: the 100 mm bar spans %s px over %d rows (1000 +- 3)" %
           (label, numpy.median(bar) if len(bar) else None, len(bar)))


def check_pdf(path, airfoil_name, all_fit):
    label = os.path.basename(path)
    text = subprocess.run(["pdftotext", path, "-"], capture_output=True, text=True).stdout
    expect("100 mm" in text, "%s: pdftotext gives \"100 mm\"" % label)
    expect(airfoil_name in text, "%s: pdftotext gives the airfoil name %r" % (label, airfoil_name))
    stem = path[:-4] + "-page"
    subprocess.run(["pdftoppm", "-r", "254", path, stem], check=True)
    pages = sorted(glob.glob(stem + "-*.ppm"), key=lambda p: int(re.findall(r"(\d+)\.ppm$", p)[0]))
    seam_count = 0
    for number, page in enumerate(pages, 1):
        image = read_ppm(page)
        if number == 1:
            check_bar(label, image)
        seam_count += check_page("%s page %d" % (label, number), image, all_fit)
        os.remove(page)
    expect(len(pages) == 1 or seam_count > 0,
           "%s: %d pages show %d seams" % (label, len(pages), seam_count))


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    cli, data = sys.argv[1], sys.argv[2]
    airfoil = os.path.join(data, "naca2412_two_surface.dat")
    with open(airfoil, encoding="utf-8") as f:
        airfoil_name = f.readline().strip()
    with tempfile.TemporaryDirectory(prefix="ribwright-print-") as folder:
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        for name, arguments, paper, all_fit in CASES:
            path = os.path.join(folder, "%s-%s.pdf" % (name, paper))
            run = subprocess.run([cli, airfoil] + arguments + ["--paper", paper, "--pdf", path],
                                 env=env, capture_output=True, text=True)
            if run.returncode != 0:
                print(run.stdout, run.stderr)
                expect(False, "ribwright-cli writes %s" % os.path.basename(path))
                continue
            check_pdf(path, airfoil_name, all_fit)
    print("%d problems" % len(workshop.problems))
    return 1 if workshop.problems else 0


if __name__ == "__main__":
    sys.exit(main())
