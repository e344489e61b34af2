#!/usr/bin/python3
"""Measures the workshop files in outside readers.

Usage: check_workshop_files.py EXPORT_TESTS_PROGRAM DATA_FOLDER

Runs the WorkshopFiles test with RIBWRIGHT_WORKSHOP_SAMPLES pointing at a fresh folder; the test
writes a true-scale PDF (A4 and Letter), a laser SVG and a cut DXF of a tapered NACA 2412 series
(root 150 mm, tip 100 mm, 10 ribs, skin 1 mm). Then, at 254 dpi (10 px per mm):
  PDF   pdfinfo page size is the paper's; pdfimages lists no image; on page 1 the 100 mm bar
        spans 1000 +- 3 px and the root rib's (red) chord line 1500 +- 3 px;
  SVG   width/height in mm; rsvg-convert gives a 6000 x 3000 px image and the root rib's (blue)
        chord line spans 1500 +- 3 px;
  DXF   ezdxf reads it without audit errors, $INSUNITS 4, $MEASUREMENT 1, the layers are CUT and
        MARK; every CUT polyline is closed and a valid (simple) polygon to shapely, and lies inside
        the rib's surface, computed here from the airfoil file and the rib's chord line, by at
        least the skin thickness.
Exits 77 (skipped) when a reader is missing.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile

SKIPPED = 77
ROOT_CHORD, TIP_CHORD, RIBS, SKIN = 150.0, 100.0, 10, 1.0

try:
    import numpy
    import ezdxf
    from ezdxf import recover
    from shapely.geometry import LineString, Polygon
except ImportError as error:
    print("SKIP: %s (python3-numpy, python3-ezdxf, python3-shapely)" % error)
    sys.exit(SKIPPED)
for tool in ("pdfinfo", "pdfimages", "pdftoppm", "rsvg-convert", "convert"):
    if not shutil.which(tool):
        print("SKIP: %s is not installed" % tool)
        sys.exit(SKIPPED)

problems = []


def expect(condition, text):
    print(("ok   " if condition else "FAIL ") + text)
    if not condition:
        problems.append(text)


def read_ppm(path):
    """A binary PPM (P6) as a height x width x 3 array."""
    with open(path, "rb") as f:
        data = f.read()
    fields, pos = [], 0
    while len(fields) < 4:
        match = re.compile(rb"\s*(#[^\n]*\n\s*)*(\S+)").match(data, pos)
        fields.append(match.group(2))
        pos = match.end()
    width, height = int(fields[1]), int(fields[2])
    pixels = numpy.frombuffer(data, numpy.uint8, width * height * 3, pos + 1)
    return pixels.reshape(height, width, 3)


def longest_runs(mask):
    """For each row of a boolean image, the length of its longest run of True."""
    runs = numpy.zeros(mask.shape[0], int)
    current = numpy.zeros(mask.shape[0], int)
    for column in range(mask.shape[1]):
        current = numpy.where(mask[:, column], current + 1, 0)
        runs = numpy.maximum(runs, current)
    return runs


def red(image):
    r, g, b = (image[:, :, i].astype(int) for i in range(3))
    return (r > 160) & (g < 110) & (b < 110)


def blue(image):
    r, g, b = (image[:, :, i].astype(int) for i in range(3))
    return (b > 160) & (r < 110) & (g < 110)


def check_pdf(path, paper_mm):
    name = os.path.basename(path)
    info = subprocess.run(["pdfinfo", path], capture_output=True, text=True).stdout
    size = re.search(r"Page size:\s+([\d.]+) x ([\d.]+) pts", info)
    pages = int(re.search(r"Pages:\s+(\d+)", info).group(1))
    points = sorted(float(v) * 25.4 / 72 for v in size.groups())
    expect(all(abs(a - b) < 0.3 for a, b in zip(points, sorted(paper_mm))),
           "%s: page %s mm is the paper %s mm, %d pages" % (name, points, paper_mm, pages))
    images = subprocess.run(["pdfimages", "-list", path], capture_output=True, text=True).stdout
    expect(len(images.strip().splitlines()) == 2, "%s: pdfimages lists no image" % name)

    stem = path + "-page"
    subprocess.run(["pdftoppm", "-r", "254", "-f", "1", "-l", "1", "-singlefile", path, stem],
                   check=True)
    image = read_ppm(stem + ".ppm")
    dark = image.max(axis=2) < 80
    runs = longest_runs(dark)
    bar = runs[(runs > 900) & (runs < 1100)]
    expect(len(bar) >= 15 and abs(numpy.median(bar) - 1000) <= 3,
           "%s: the 100 mm bar spans %s px over %d rows (1000 +- 3)" %
           (name, numpy.median(bar) if len(bar) else None, len(bar)))
    chord = longest_runs(red(image)).max()
    expect(abs(chord - ROOT_CHORD * 10) <= 3,
           "%s: the root chord line spans %d px (%d +- 3)" % (name, chord, ROOT_CHORD * 10))


def check_svg(path):
    with open(path, encoding="utf-8") as f:
        text = f.read()
    expect('width="600mm" height="300mm" viewBox="0 0 600 300"' in text,
           "laser.svg: width/height in mm with a matching viewBox")
    png, ppm = path + ".png", path + ".ppm"
    subprocess.run(["rsvg-convert", "-d", "254", "-p", "254", "-b", "white", "-o", png, path],
                   check=True)
    subprocess.run(["convert", png, "-background", "white", "-flatten", ppm], check=True)
    image = read_ppm(ppm)
    expect(image.shape[:2] == (3000, 6000), "laser.svg: %s px at 254 dpi (6000 x 3000)" %
           (image.shape[1::-1],))
    chord = longest_runs(blue(image)).max()
    expect(abs(chord - ROOT_CHORD * 10) <= 3,
           "laser.svg: the root chord line spans %d px (%d +- 3)" % (chord, ROOT_CHORD * 10))


def airfoil_loop(data_folder):
    """The NACA 2412 test airfoil in loop order (trailing edge, upper, leading edge, lower)."""
    with open(os.path.join(data_folder, "naca2412_two_surface.dat")) as f:
        lines = [l.split() for l in f.read().splitlines()[2:]]
    blocks, block = [], []
    for fields in lines:
        if fields:
            block.append((float(fields[0]), float(fields[1])))
        elif block:
            blocks.append(block)
            block = []
    blocks.append(block)
    upper, lower = [b for b in blocks if b]
    return list(reversed(upper)) + lower[1:]


def check_dxf(path, data_folder):
    doc, auditor = recover.readfile(path)
    errors = [e.message for e in auditor.errors] + [e.message for e in doc.audit().errors]
    expect(not errors, "cut.dxf: no recover or audit errors %s" % errors[:3])
    expect(doc.header.get("$INSUNITS") == 4 and doc.header.get("$MEASUREMENT") == 1,
           "cut.dxf: $INSUNITS 4 and $MEASUREMENT 1")
    with open(path, "rb") as f:
        raw = f.read().split(b"\r\n")
    layers = [raw[i + 3] for i in range(len(raw) - 3)
              if raw[i] == b"0" and raw[i + 1] == b"LAYER" and raw[i + 2] == b"2"]
    expect(layers == [b"CUT", b"MARK"], "cut.dxf: the layer table holds CUT and MARK only")
    expect(b"SEQEND\r\n39\r\n" not in b"\r\n".join(raw), "cut.dxf: no 39/0 after SEQEND")

    msp = doc.modelspace()
    cuts = [p for p in msp.query("POLYLINE") if p.dxf.layer == "CUT"]
    chords = [l for l in msp.query("LINE") if l.dxf.layer == "MARK"
              and abs(l.dxf.start.y - l.dxf.end.y) < 1e-9]
    expect(len(cuts) == RIBS and len(chords) == RIBS,
           "cut.dxf: %d CUT contours and %d chord lines for %d ribs" % (len(cuts), len(chords), RIBS))
    expect(all(p.is_closed for p in cuts), "cut.dxf: every CUT polyline is closed")
    loop = airfoil_loop(data_folder)
    inside = valid = 0
    for polyline in cuts:
        contour = Polygon([(v.dxf.location.x, v.dxf.location.y) for v in polyline.vertices])
        valid += contour.is_valid
        for line in chords:
            x0, x1, y = line.dxf.start.x, line.dxf.end.x, line.dxf.start.y
            if x0 - 1e-6 <= contour.bounds[0] and contour.bounds[2] <= x1 + 1e-6 \
                    and contour.bounds[1] < y < contour.bounds[3]:
                c = x1 - x0
                surface = Polygon([(x0 + px * c, y + py * c) for px, py in loop])
                # The airfoil file holds six decimals; the program rounds to single precision.
                inside += surface.buffer(1e-3).contains(contour) and \
                    contour.exterior.distance(LineString(surface.exterior.coords[:-1])) \
                    > SKIN - 2e-3
                break
    expect(valid == len(cuts), "cut.dxf: %d of %d CUT contours are valid polygons" %
           (valid, len(cuts)))
    expect(inside == len(cuts), "cut.dxf: %d of %d CUT contours lie a skin inside their surface" %
           (inside, len(cuts)))


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    with tempfile.TemporaryDirectory(prefix="ribwright-workshop-") as folder:
        env = dict(os.environ, RIBWRIGHT_WORKSHOP_SAMPLES=folder, QT_QPA_PLATFORM="offscreen")
        run = subprocess.run([sys.argv[1], "--gtest_filter=WorkshopFiles.*"], env=env,
                             capture_output=True, text=True)
        if run.returncode != 0:
            print(run.stdout, run.stderr)
            print("FAIL: the test writing the samples failed")
            return 1
        check_pdf(os.path.join(folder, "print-A4.pdf"), (210, 297))
        check_pdf(os.path.join(folder, "print-Letter.pdf"), (215.9, 279.4))
        check_svg(os.path.join(folder, "laser.svg"))
        check_dxf(os.path.join(folder, "cut.dxf"), sys.argv[2])
        if os.environ.get("RIBWRIGHT_KEEP_WORKSHOP"):
            shutil.copytree(folder, os.environ["RIBWRIGHT_KEEP_WORKSHOP"], dirs_exist_ok=True)
    print("%d problems" % len(problems))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
