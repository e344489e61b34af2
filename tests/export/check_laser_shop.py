#!/usr/bin/python3
"""Measures the laser shop options in the files ribwright-cli writes.

Usage: check_laser_shop.py RIBWRIGHT_CLI DATA_FOLDER

The series: 14 ribs of NACA 2412, root 220 mm, tip 140 mm, skin 1.5 mm, a 3 x 6 mm spar notch
at 30 % in the top, lightening holes of 60 % keeping a 2 mm web. Every rib is measured in its own
frame (mm from the leading edge along the chord, y up), placed by the drawing DXF of the same run:
a rib turned half round reads the same.
  --kerf 0.2            cut DXF and SVG against the --kerf 0 files: each outer contour lies 0.1 mm
                        outside the nominal one (Hausdorff to the nominal contour grown by 0.1 mm
                        with round joins, every vertex 0.1 mm from it), each hole 0.1 mm inside
                        its nominal hole, the notch 2.8 mm wide (3.0 without kerf);
  --sides both          cut DXF: 28 ribs labelled R1..R14 then L1..L14, each label's text box
                        (as wide as high per character) inside its own part, clear of its holes;
                        SVG: the labels rendered alone by librsvg, every glyph pixel inside its
                        part; PDF: pdftotext gives every label;
  --jig-tabs 20,70:6    cut DXF and SVG: each rib's two tab cut-off lines engraved, 6 mm along the
                        chord, both ends on the contour;
  --nest                on a 915 x 76 strip one sheet (rows take two); on 600 x 300 with --kerf
                        0.2 every part keeps the 5 mm gap to every other part and to the edges
                        (shapely distances of the cut contours and chord lines), ezdxf audits the
                        file clean, librsvg renders the SVG, half the ribs are turned, each
                        label's box (upright) lies inside its part, and the height used is at most 1.1 x that of a greedy bottom-left fill computed
                        here of the same outlines in the same order.
Exits 77 (skipped) when a reader is missing.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
# Its readers and its tally of problems; importing it skips this script when a reader is missing.
import check_workshop_files as workshop  # noqa: E402
from check_workshop_files import expect, audit_cut_dxf, read_ppm  # noqa: E402
import rib_frames  # noqa: E402

import numpy  # noqa: E402
from shapely import affinity  # noqa: E402
from shapely.geometry import LineString, Point, box  # noqa: E402
from shapely.ops import unary_union  # noqa: E402
from shapely.prepared import prep  # noqa: E402

SERIES = ["--root-chord", "220", "--tip-chord", "140", "--ribs", "14", "--skin", "1.5",
          "--spar-notch", "30:3x6", "--holes", "60:2"]
RIBS, GAP, KERF = 14, 5.0, 0.2
SVG = "{http://www.w3.org/2000/svg}"


def run_cli(cli, data, options, outputs):
    """Writes the series' files with `options`; `outputs` are (option, path) pairs. The drawing
    DXF that places the ribs' frames goes beside the first output (path + ".drawing.dxf")."""
    args = [cli] + SERIES + options + ["--dxf", outputs[0][1] + ".drawing.dxf"]
    for option, path in outputs:
        args += [option, path]
    run = subprocess.run(args + [os.path.join(data, "naca2412_two_surface.dat")],
                         capture_output=True, text=True)
    expect(run.returncode == 0, "ribwright-cli %s: exit status %d %s" %
           (" ".join(options), run.returncode, run.stderr.strip()))
    return run


def framed(parts, drawing_path, grow):
    """The parts, each in its rib's frame by the drawing DXF `drawing_path`."""
    placed = rib_frames.placed(parts, rib_frames.drawing_ribs(drawing_path), grow)
    expect(len(placed) == len(parts), "%d of %d parts placed on their rib of %s" %
           (len(placed), len(parts), os.path.basename(drawing_path)))
    return placed


def dxf_ribs(path, drawing_path, grow=0.0):
    return framed(rib_frames.cut_dxf_parts(path), drawing_path, grow)


def svg_ribs(path, drawing_path, grow=0.0):
    return framed(rib_frames.svg_parts(path), drawing_path, grow)


def drawn(rib):
    """What the laser cuts and engraves of a part that reaches furthest: its outer contour and
    its engraved lines."""
    return unary_union([rib.sheet_outer] + [LineString(line) for line in rib.lines])


def notch_width(rib, nominal):
    """How wide the top spar notch is, halfway down it: measured across the contour's gap."""
    centre = 0.30 * nominal.chord
    floor = min(y for x, y in nominal.outer.exterior.coords if abs(x - centre) <= 1.51)
    across = LineString([(centre - 4, floor + 3), (centre + 4, floor + 3)])
    return across.length - rib.outer.intersection(across).length


def hausdorff(a, b):
    """The larger of the two directed distances, over the vertices of each line (both lines
    are dense: arcs of many short segments)."""
    return max(max(b.distance(Point(p)) for p in a.coords),
               max(a.distance(Point(p)) for p in b.coords))


def check_kerf(name, nominal, kerfed):
    expect(len(nominal) == RIBS and len(kerfed) == RIBS,
           "%s: %d and %d ribs (%d)" % (name, len(nominal), len(kerfed), RIBS))
    outside, offsets, inside, widths = [], [], [], []
    for n, k in zip(nominal, kerfed):
        grown = n.outer.buffer(KERF / 2, resolution=64)
        outside.append(hausdorff(k.outer.exterior, grown.exterior))
        offsets += [n.outer.exterior.distance(Point(p)) for p in k.outer.exterior.coords]
        inside.append(len(n.holes) == len(k.holes) and len(n.holes) > 0)
        for nh, kh in zip(n.holes, k.holes):
            inside.append(nh.contains(kh) and all(
                abs(nh.exterior.distance(Point(p)) - KERF / 2) <= 0.002
                for p in kh.exterior.coords))
        widths.append((notch_width(n, n), notch_width(k, n)))
    expect(max(outside) <= 0.003,
           "%s: outer contours within %.4f mm of the nominal grown by 0.1 mm (0.003)" %
           (name, max(outside)))
    expect(all(abs(o - KERF / 2) <= 0.002 for o in offsets),
           "%s: contour points %.4f to %.4f mm outside the nominal (0.1 +- 0.002)" %
           (name, min(offsets), max(offsets)))
    expect(all(inside), "%s: every hole kept, 0.1 mm inside its nominal hole" % name)
    expect(all(abs(a - 3.0) <= 0.01 and abs(b - 2.8) <= 0.01 for a, b in widths),
           "%s: notch %.4f to %.4f mm wide without kerf (3.0), %.4f to %.4f with (2.8)" %
           (name, min(a for a, _ in widths), max(a for a, _ in widths),
            min(b for _, b in widths), max(b for _, b in widths)))


def check_dxf_labels(name, ribs, wanted):
    expect([r.label for r in ribs] == wanted, "%s: labels %s..%s, got %s" %
           (name, wanted[0], wanted[-1], [r.label for r in ribs][:4]))
    boxes = [box(r.text_at[0], r.text_at[1], r.text_at[0] + len(r.label) * r.text_height,
                 r.text_at[1] + r.text_height) for r in ribs]
    outside = [r.label for r, b in zip(ribs, boxes) if not r.part().contains(b)]
    expect(not outside, "%s: every label's box inside its part, not %s" % (name, outside))
    # Where the piece has room, as here, the label keeps clear of the chord and spar lines.
    crossing = [r.label for r, b in zip(ribs, boxes)
                if any(LineString(line).intersects(b) for line in r.lines)]
    expect(not crossing, "%s: no label crosses its rib's lines, not %s" % (name, crossing))


def check_svg_labels(path, ribs, folder):
    """Renders the labels alone at 10 px per mm; each glyph pixel near a label must lie on the
    label's part."""
    tree = ElementTree.parse(path)
    for group in tree.iter(SVG + "g"):
        for child in list(group):
            if child.tag == SVG + "path":
                group.remove(child)
    only = os.path.join(folder, "labels.svg")
    tree.write(only)
    png, ppm = os.path.join(folder, "labels.png"), os.path.join(folder, "labels.ppm")
    subprocess.run(["rsvg-convert", "-z", str(10 / (96 / 25.4)), "-b", "white", only, "-o", png],
                   check=True)
    subprocess.run(["convert", png, ppm], check=True)
    rows, columns = numpy.nonzero(read_ppm(ppm).astype(int).sum(axis=2) < 600)
    dark = list(zip(columns, rows))
    parts = [(prep(r.part()), r.part().bounds) for r in ribs]
    stray = 0
    for x, y in dark:
        centre = ((x + 0.5) / 10, (y + 0.5) / 10)
        stray += not any(b[0] <= centre[0] <= b[2] and b[1] <= centre[1] <= b[3] and
                         p.contains(Point(centre)) for p, b in parts)
    expect(len(dark) > 0 and stray == 0, "sides both, SVG: %d glyph pixels, %d off their parts" %
           (len(dark), stray))


def check_marks(name, ribs, tabs, width):
    """The features' marks (a jig tab's cut-off line) are engraved: lines not upright, running
    `width` mm along the chord with both ends on the rib's outer contour."""
    counts = []
    for rib in ribs:
        on_contour = lambda p: rib.sheet_outer.exterior.distance(Point(p)) <= 0.001
        on_chord = lambda p: abs(rib.frame(p)[1]) <= 1e-6
        counts.append(sum(1 for a, b in rib.lines if abs(abs(b[0] - a[0]) - width) <= 0.01
                          and on_contour(a) and on_contour(b)
                          and not (on_chord(a) and on_chord(b))))
    expect(ribs and counts == [tabs] * len(ribs),
           "%s: %d tab cut-off lines engraved on each rib, found %s" % (name, tabs, counts))


def check_gaps(name, ribs, stock):
    shapes = [drawn(r) for r in ribs]
    near = [(a.label, b.label) for i, a in enumerate(ribs) for j, b in enumerate(ribs)
            if i < j and shapes[i].distance(shapes[j]) < GAP - 1e-3]
    edge = [r.label for r, d in zip(ribs, shapes)
            if not box(GAP - 1e-3, GAP - 1e-3, stock[0] - GAP + 1e-3,
                       stock[1] - GAP + 1e-3).contains(d)]
    expect(not near and not edge, "%s: every part %g mm from the others and the edges, not %s %s"
           % (name, GAP, near[:3], edge[:3]))


def bottom_left_height(ribs, width):
    """The height a plain greedy bottom-left fill of the ribs' outlines, as they lie in the
    file, uses on a sheet `width` mm wide: each part at the lowest, then leftmost place on a 2 mm
    by 1 mm grid where it keeps the gap to the parts placed before it (looked for in 4 mm steps
    up, then back down by 1 mm: a pocket lower than 4 mm holds no rib)."""
    placed, top = [], 0.0
    for rib in ribs:
        shape = drawn(rib).simplify(0.01)
        x0, y0, x1, y1 = shape.bounds
        shape = affinity.translate(shape, -x0, -y0)
        blocked = prep(unary_union([p.buffer(GAP - 1e-3) for p in placed])) if placed else None
        free = lambda x, y: blocked is None or not blocked.intersects(
            affinity.translate(shape, x, y))
        best = None
        for x in [GAP + 2 * i for i in range(int((width - 2 * GAP - (x1 - x0)) / 2) + 1)]:
            y = GAP
            while (best is None or y < best[1]) and not free(x, y):
                y += 4
            if best is not None and y >= best[1] + 3:
                continue
            while y - 1 >= GAP and free(x, y - 1):
                y -= 1
            if best is None or y < best[1]:
                best = (x, y)
        placed.append(affinity.translate(shape, *best))
        top = max(top, best[1] + y1 - y0)
    return top + GAP


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    if not all(shutil.which(tool) for tool in ("rsvg-convert", "convert", "pdftotext")):
        print("SKIP: rsvg-convert, convert or pdftotext is not installed")
        return 77
    cli, data = sys.argv[1:]
    with tempfile.TemporaryDirectory() as folder:
        at = lambda name: os.path.join(folder, name)
        run_cli(cli, data, [], [("--cut-dxf", at("k0.dxf")), ("--svg", at("k0.svg"))])
        run_cli(cli, data, ["--kerf", "0.2"], [("--cut-dxf", at("k2.dxf")),
                                               ("--svg", at("k2.svg"))])
        check_kerf("cut DXF --kerf 0.2", dxf_ribs(at("k0.dxf"), at("k0.dxf.drawing.dxf")),
                   dxf_ribs(at("k2.dxf"), at("k2.dxf.drawing.dxf"), KERF / 2))
        check_kerf("SVG --kerf 0.2", svg_ribs(at("k0.svg"), at("k0.dxf.drawing.dxf")),
                   svg_ribs(at("k2.svg"), at("k2.dxf.drawing.dxf"), KERF / 2))

        run_cli(cli, data, ["--jig-tabs", "20,70:6"], [("--cut-dxf", at("jig.dxf")),
                                                       ("--svg", at("jig.svg"))])
        check_marks("cut DXF --jig-tabs", dxf_ribs(at("jig.dxf"), at("jig.dxf.drawing.dxf")), 2, 6)
        check_marks("SVG --jig-tabs", svg_ribs(at("jig.svg"), at("jig.dxf.drawing.dxf")), 2, 6)

        run_cli(cli, data, ["--sides", "both", "--stock", "900x600"],
                [("--cut-dxf", at("both.dxf")), ("--svg", at("both.svg")),
                 ("--pdf", at("both.pdf"))])
        text = subprocess.run(["pdftotext", at("both.pdf"), "-"], capture_output=True,
                              text=True).stdout.split()
        missing = [label for label in ["R%d" % n for n in range(1, RIBS + 1)] +
                   ["L%d" % n for n in range(1, RIBS + 1)] if label not in text]
        expect(not missing, "sides both, PDF: every label in the text, not %s" % missing)
        check_dxf_labels("sides both, DXF", dxf_ribs(at("both.dxf"), at("both.dxf.drawing.dxf")),
                         ["R%d" % n for n in range(1, RIBS + 1)] +
                         ["L%d" % n for n in range(1, RIBS + 1)])
        check_svg_labels(at("both.svg"), svg_ribs(at("both.svg"), at("both.dxf.drawing.dxf")),
                         folder)

        run_cli(cli, data, ["--stock", "915x76"], [("--cut-dxf", at("rows.dxf"))])
        run = run_cli(cli, data, ["--stock", "915x76", "--nest"], [("--cut-dxf", at("strip.dxf"))])
        expect(os.path.exists(at("rows-2.dxf")) and not os.path.exists(at("strip-2.dxf")),
               "915 x 76: rows take two sheets, nesting one")
        expect("材料 1 枚" in run.stderr, "915 x 76: stderr tells one sheet: %s" %
               run.stderr.strip())
        strip = dxf_ribs(at("strip.dxf"), at("strip.dxf.drawing.dxf"))
        expect(len(strip) == RIBS, "915 x 76: %d ribs on the sheet" % len(strip))
        check_gaps("915 x 76 nested", strip, (915, 76))

        run_cli(cli, data, ["--nest", "--kerf", "0.2"], [("--cut-dxf", at("nest.dxf")),
                                                         ("--svg", at("nest.svg"))])
        audit_cut_dxf(at("nest.dxf"))
        render = subprocess.run(["rsvg-convert", at("nest.svg"), "-o", at("nest.png")],
                                capture_output=True)
        expect(render.returncode == 0 and os.path.getsize(at("nest.png")) > 0,
               "nested SVG renders in librsvg")
        nested = dxf_ribs(at("nest.dxf"), at("nest.dxf.drawing.dxf"), KERF / 2)
        expect(len(nested) == RIBS and sum(r.turned for r in nested) == RIBS // 2,
               "600 x 300 nested: %d ribs, %d turned" % (len(nested),
                                                         sum(r.turned for r in nested)))
        check_gaps("600 x 300 nested", nested, (600, 300))
        # Upright on a turned rib too.
        check_dxf_labels("600 x 300 nested", nested, [str(n) for n in range(1, RIBS + 1)])
        used = max(drawn(r).bounds[3] for r in nested) + GAP
        reference = bottom_left_height(nested, 600)
        expect(used <= 1.1 * reference, "600 x 300 nested: %.1f mm high, a bottom-left fill "
               "here %.1f mm (at most 1.1 x)" % (used, reference))
    if workshop.problems:
        print("%d problem(s)" % len(workshop.problems))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
