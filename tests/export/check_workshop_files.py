#!/usr/bin/python3
"""Measures the workshop files in outside readers.

Usage: check_workshop_files.py EXPORT_TESTS_PROGRAM DATA_FOLDER

Runs the WorkshopFiles test with RIBWRIGHT_WORKSHOP_SAMPLES pointing at a fresh folder; the test
writes a true-scale PDF (A4 and Letter), a laser SVG and a cut DXF of a tapered NACA 2412 series
(root 150 mm, tip 100 mm, 10 ribs, skin 1 mm). Then, at 254 dpi (10 px per mm):
  PDF   pdfinfo page size is the paper's; pdfimages lists no image; on page 1 the 100 mm bar
        spans 1000 +- 3 px and the root rib's (red) chord line 1500 +- 3 px;
  SVG   width/height in mm; rsvg-convert gives a 6000 x 3000 px image and the longest engraved
        (blue) line, a part of the root rib's chord line, spans 10 px per mm of its length in the
        file (+- 3 px);
  DXF   ezdxf reads it without audit errors, $INSUNITS 4, $MEASUREMENT 1, the layers are CUT and
        MARK; every CUT polyline is closed and a valid (simple) polygon to shapely, and lies inside
        the rib's surface, computed here from the airfoil file in the rib's frame (placed by the
        drawing DXF of the same ribs), by at least the skin thickness; the engraved chord line
        lies on the piece, and covers all of the chord line the piece holds.
With rib features (a 3 x 6 mm spar notch at 30 % in the top, lightening holes of 60 % keeping a
2 mm web), the notched files:
  SVG, DXF  on the root and the tip rib (shapely): the notch edges lie at 30 % +- 1.5 mm, its
        floor 6 mm under the contour's top there (each +- 0.01 mm), the area it removes is
        3 x 6 mm2 (+- 0.02); every hole lies inside its rib at least the web from the contour and
        from every other hole; every contour is a valid polygon, one outer contour per rib;
  PDF   at 254 dpi the root rib's notch is 60 +- 2 px deep and 30 +- 2 px wide.
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
NOTCH_AT, NOTCH_WIDTH, NOTCH_DEPTH, WEB = 0.30, 3.0, 6.0, 2.0

try:
    import numpy
    import ezdxf
    from ezdxf import recover
    from shapely.geometry import LineString, Polygon, box
    import rib_frames
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


def first_page(path):
    """Page 1 of a PDF at 254 dpi: 10 px per mm."""
    stem = path + "-page"
    subprocess.run(["pdftoppm", "-r", "254", "-f", "1", "-l", "1", "-singlefile", path, stem],
                   check=True)
    return read_ppm(stem + ".ppm")


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

    image = first_page(path)
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
    longest = max(LineString(line).length for part in rib_frames.svg_parts(path)
                  for line in part.lines)
    run = longest_runs(blue(image)).max()
    expect(abs(run - longest * 10) <= 3,
           "laser.svg: the longest engraved line spans %d px (%.0f +- 3)" % (run, longest * 10))


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


def audit_cut_dxf(path):
    """Checks what every cut DXF must be: readable without audit errors, in mm, with the layers
    CUT and MARK only, every CUT polyline closed."""
    name = os.path.basename(path)
    doc, auditor = recover.readfile(path)
    errors = [e.message for e in auditor.errors] + [e.message for e in doc.audit().errors]
    expect(not errors, "%s: no recover or audit errors %s" % (name, errors[:3]))
    expect(doc.header.get("$INSUNITS") == 4 and doc.header.get("$MEASUREMENT") == 1,
           "%s: $INSUNITS 4 and $MEASUREMENT 1" % name)
    with open(path, "rb") as f:
        raw = f.read().split(b"\r\n")
    layers = [raw[i + 3] for i in range(len(raw) - 3)
              if raw[i] == b"0" and raw[i + 1] == b"LAYER" and raw[i + 2] == b"2"]
    expect(layers == [b"CUT", b"MARK"], "%s: the layer table holds CUT and MARK only" % name)
    expect(b"SEQEND\r\n39\r\n" not in b"\r\n".join(raw), "%s: no 39/0 after SEQEND" % name)

    cuts = [p for p in doc.modelspace().query("POLYLINE") if p.dxf.layer == "CUT"]
    expect(all(p.is_closed for p in cuts), "%s: every CUT polyline is closed" % name)


def placed_parts(path, drawing_path):
    """The parts of a cut DXF, each in its rib's frame by the drawing DXF of the same ribs."""
    name = os.path.basename(path)
    audit_cut_dxf(path)
    parts = rib_frames.cut_dxf_parts(path)
    placed = rib_frames.placed(parts, rib_frames.drawing_ribs(drawing_path))
    expect(len(parts) == RIBS and len(placed) == RIBS,
           "%s: %d parts, %d placed on their rib of the drawing (%d)" %
           (name, len(parts), len(placed), RIBS))
    return placed


def check_dxf(path, drawing_path, data_folder):
    loop = airfoil_loop(data_folder)
    parts = placed_parts(path, drawing_path)
    inside = valid = marked = 0
    for part in parts:
        contour = part.outer
        valid += contour.is_valid
        surface = Polygon([(x * part.chord, y * part.chord) for x, y in loop])
        # The airfoil file holds six decimals; the program rounds to single precision.
        inside += surface.buffer(1e-3).contains(contour) and \
            contour.exterior.distance(LineString(surface.exterior.coords[:-1])) > SKIN - 2e-3
        chord = [LineString([part.frame(a), part.frame(b)]) for a, b in part.lines
                 if abs(a[1] - b[1]) < 1e-9]
        on_piece = contour.intersection(LineString([(0, 0), (part.chord, 0)])).length
        marked += all(contour.buffer(1e-4).contains(c) for c in chord) and \
            abs(sum(c.length for c in chord) - on_piece) <= 1e-3
    expect(valid == len(parts), "cut.dxf: %d of %d CUT contours are valid polygons" %
           (valid, len(parts)))
    expect(inside == len(parts), "cut.dxf: %d of %d CUT contours lie a skin inside their surface"
           % (inside, len(parts)))
    expect(marked == len(parts), "cut.dxf: on %d of %d ribs the engraved chord line is the "
           "chord line's part on the piece" % (marked, len(parts)))


def surface_at(loop, chord):
    return Polygon([(x * chord, y * chord) for x, y in loop])


def measure_notch(name, outer, chord, loop):
    """The spar notch of one rib, in the rib's frame (mm from the leading edge, y up), against
    the airfoil file: the contour's top is the surface set in by the skin."""
    centre = NOTCH_AT * chord
    left, right = centre - NOTCH_WIDTH / 2, centre + NOTCH_WIDTH / 2
    inset = surface_at(loop, chord).buffer(-SKIN, join_style=2)
    top = inset.intersection(LineString([(centre, -chord), (centre, chord)])).bounds[3]
    corners = [[p for p in outer.exterior.coords[:-1] if abs(p[0] - x) < 0.05]
               for x in (left, right)]
    if not all(len(c) == 2 for c in corners):
        expect(False, "%s: two notch corners on each edge, found %s" % (name, corners))
        return
    edges = [sum(p[0] for p in c) / 2 for c in corners]
    floors = [min(p[1] for p in c) for c in corners]
    expect(abs(edges[0] - left) <= 0.01 and abs(edges[1] - right) <= 0.01,
           "%s: notch edges at %.4f and %.4f mm (%.2f and %.2f +- 0.01)" %
           (name, edges[0], edges[1], left, right))
    expect(all(abs(f - (top - NOTCH_DEPTH)) <= 0.01 for f in floors),
           "%s: notch floor %.4f mm under the top at the spar, %s (%.2f +- 0.01)" %
           (name, top - floors[0], ["%.4f" % f for f in floors], top - NOTCH_DEPTH))
    around = box(left - 0.5, floors[0] - 0.5, right + 0.5, top + 1)
    removed = inset.intersection(around).area - Polygon(outer.exterior).intersection(around).area
    expect(abs(removed - NOTCH_WIDTH * NOTCH_DEPTH) <= 0.02,
           "%s: the notch removes %.4f mm2 (%.0f +- 0.02)" %
           (name, removed, NOTCH_WIDTH * NOTCH_DEPTH))


def check_features(name, ribs, loop):
    """`ribs`: (chord, rings in the rib's frame) for each rib, from one notched file."""
    expect(len(ribs) == RIBS, "%s: %d ribs (%d)" % (name, len(ribs), RIBS))
    rings = [ring for _, rib_rings in ribs for ring in rib_rings]
    expect(all(r.is_valid for r in rings), "%s: every contour of %d is a valid polygon" %
           (name, len(rings)))
    holes = webs = 0
    for chord, rib_rings in ribs:
        outer = max(rib_rings, key=lambda r: r.area)
        others = [r for r in rib_rings if r is not outer]
        holes += len(others)
        webs += sum(outer.contains(h) and outer.exterior.distance(h.exterior) >= WEB - 0.005
                    and all(h.distance(g) >= WEB - 0.005 for g in others if g is not h)
                    for h in others)
        if abs(chord - ROOT_CHORD) < 1e-6 or abs(chord - TIP_CHORD) < 1e-6:
            measure_notch("%s rib of %g mm" % (name, chord), outer, chord, loop)
    expect(holes >= RIBS and webs == holes,
           "%s: %d of %d holes keep a %g mm web inside their rib" % (name, webs, holes, WEB))


def check_notched_dxf(path, drawing_path, loop):
    ribs = [(p.chord, [p.outer] + p.holes) for p in placed_parts(path, drawing_path)]
    check_features(os.path.basename(path), ribs, loop)


def check_notched_svg(path, drawing_path, loop):
    parts = rib_frames.placed(rib_frames.svg_parts(path), rib_frames.drawing_ribs(drawing_path))
    check_features(os.path.basename(path), [(p.chord, [p.outer] + p.holes) for p in parts], loop)


def first_dark_above(dark, column, row):
    """The middle row of the first dark run above `row` in `column`."""
    while row > 0 and not dark[row, column]:
        row -= 1
    end = row
    while row > 0 and dark[row, column]:
        row -= 1
    return (row + 1 + end) / 2


def check_notched_pdf(path):
    name = os.path.basename(path)
    image = first_page(path)
    dark = image.max(axis=2) < 80
    # The root rib's chord line, the longest red run, starts at its leading edge.
    row = int(longest_runs(red(image)).argmax())
    start = int(numpy.flatnonzero(red(image)[row])[0])
    px = lambda mm: start + int(round(mm * 10))
    centre = NOTCH_AT * ROOT_CHORD
    # The contour's top either side of the notch and the floor inside it, off the spar line.
    top = (first_dark_above(dark, px(centre - 2.5), row - 3) +
           first_dark_above(dark, px(centre + 2.5), row - 3)) / 2
    floor = first_dark_above(dark, px(centre - 1), row - 3)
    expect(abs(floor - top - NOTCH_DEPTH * 10) <= 2,
           "%s: the 6 mm deep notch spans %.1f px (60 +- 2)" % (name, floor - top))
    # Across the notch: its two edges with the spar line between them.
    columns = numpy.flatnonzero(dark[int(round((top + floor) / 2)), px(centre - 5):px(centre + 3)])
    lines = numpy.split(columns, numpy.flatnonzero(numpy.diff(columns) > 1) + 1)
    width = lines[-1].mean() - lines[0].mean() if len(lines) == 3 else None
    expect(width is not None and abs(width - NOTCH_WIDTH * 10) <= 2,
           "%s: the 3 mm wide notch spans %s px (30 +- 2)" % (name, width))


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
        at = lambda name: os.path.join(folder, name)
        check_dxf(at("cut.dxf"), at("drawing.dxf"), sys.argv[2])
        loop = airfoil_loop(sys.argv[2])
        check_notched_svg(at("notched.svg"), at("notched-drawing.dxf"), loop)
        check_notched_dxf(at("notched-cut.dxf"), at("notched-drawing.dxf"), loop)
        check_notched_pdf(os.path.join(folder, "notched-A4.pdf"))
        if os.environ.get("RIBWRIGHT_KEEP_WORKSHOP"):
            shutil.copytree(folder, os.environ["RIBWRIGHT_KEEP_WORKSHOP"], dirs_exist_ok=True)
    print("%d problems" % len(problems))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
