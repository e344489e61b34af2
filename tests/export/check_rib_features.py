#!/usr/bin/python3
"""Measures the rib features in the files ribwright-cli writes, against the airfoil file.

Usage: check_rib_features.py RIBWRIGHT_CLI DATA_FOLDER

Each run is a tapered NACA 2412 series (root 150 mm, tip 100 mm, 10 ribs, skin 1 mm) with one
set of features; every rib of the series is measured in its own frame (mm from the leading edge
along the chord line, y up, placed by the drawing DXF of the same run) against the surface
computed here from the airfoil file:
  --te-stock 20           cut DXF: no point beyond chord - 20 mm (+0.001); the end is an edge
                          square to the chord from the rib's lower to its upper contour there;
  --te-stock 20x1.5       SVG: along the rib's mid-height the rib ends 20 mm ahead of the trailing
                          edge; just behind that front the gap between the two tails is 1.5 mm
                          high and centred on the mid-height;
  --upper-skin 1.5 --lower-skin 0.5
                          cut DXF: each surface point between 40 and 60 % of the chord lies 1.5
                          (upper) or 0.5 mm (lower) from the contour;
  --spar-notch 30:3x6:bottom --spar-notch 65:2x2.5:both
                          cut DXF: each notch's edges at its centre +- width / 2, its floor the
                          depth inside the contour at its centre, on each side it is cut in;
  --spar-notch 45mm:3x6   SVG: the notch is centred 45 mm from the leading edge on every rib;
  all features            drawing DXF: ezdxf recovers and audits it clean, every rib polyline is
                          closed and a valid polygon to shapely, holes among them, and the top
                          notch is where asked (measured against the sheeting of each surface).
Tolerance 0.01 mm unless written beside the number. Exits 77 (skipped) when a reader is missing.
"""
import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
# Its readers and its tally of problems; importing it skips this script when a reader is missing.
import check_workshop_files as workshop  # noqa: E402
from check_workshop_files import expect, airfoil_loop, audit_cut_dxf  # noqa: E402
import rib_frames  # noqa: E402

from ezdxf import recover  # noqa: E402
from shapely.geometry import LineString, Point, Polygon  # noqa: E402

SERIES = ["--root-chord", "150", "--tip-chord", "100", "--ribs", "10", "--skin", "1"]
RIBS, SKIN, TOL = 10, 1.0, 0.01
# A point counts as lying on a cut edge within this: the DXF and SVG carry six decimals.
ON_EDGE = 0.001


def run_cli(cli, data, options, output, path):
    """Writes one file of the series with `options`, and beside it the drawing DXF that places
    each rib's frame (path + ".drawing.dxf"); its path, or None when the run failed."""
    drawing = [] if output == "--dxf" else ["--dxf", path + ".drawing.dxf"]
    run = subprocess.run([cli] + SERIES + options + drawing +
                         [output, path, os.path.join(data, "naca2412_two_surface.dat")],
                         capture_output=True, text=True)
    expect(run.returncode == 0, "ribwright-cli %s: exit status %d %s" %
           (" ".join(options), run.returncode, run.stderr.strip()))
    return path if run.returncode == 0 else None


def framed(name, parts, drawing_path):
    """(chord, outer contour in the rib's frame) of each part."""
    ribs = rib_frames.placed(parts, rib_frames.drawing_ribs(drawing_path))
    expect(len(ribs) == len(parts), "%s: each of %d parts placed on its rib of the drawing DXF, "
           "%d were" % (name, len(parts), len(ribs)))
    return [(part.chord, part.outer) for part in ribs]


def cut_dxf_ribs(path, drawing_path=None):
    """(chord, outer contour) of each rib in a cut DXF, in the rib's frame, placed by the drawing
    DXF of the same run."""
    audit_cut_dxf(path)
    return framed(os.path.basename(path), rib_frames.cut_dxf_parts(path),
                  drawing_path or path + ".drawing.dxf")


def svg_ribs(path):
    """(chord, outer contour) of each rib in a laser SVG, in the rib's frame."""
    return framed(os.path.basename(path), rib_frames.svg_parts(path), path + ".drawing.dxf")


def surfaces(loop, chord):
    """The upper and lower surface of a rib of `chord` mm, each from the leading edge."""
    lead = min(range(len(loop)), key=lambda i: loop[i][0])
    scaled = [(x * chord, y * chord) for x, y in loop]
    return LineString(scaled[lead::-1]), LineString(scaled[lead:])


def sheeted(loop, chord, upper_skin, lower_skin):
    """The rib inside its sheeting: every point at least that far from its surface."""
    upper, lower = surfaces(loop, chord)
    whole = Polygon([(x * chord, y * chord) for x, y in loop])
    return whole.difference(upper.buffer(upper_skin)).difference(lower.buffer(lower_skin))


def span_at(shape, x):
    """Lowest and highest y of `shape` on the vertical line at x."""
    bounds = shape.intersection(LineString([(x, -1e3), (x, 1e3)])).bounds
    return bounds[1], bounds[3]


def span_x(shape, y):
    """Leftmost and rightmost x of `shape` on the horizontal line at y."""
    bounds = shape.intersection(LineString([(-1e3, y), (1e3, y)])).bounds
    return bounds[0], bounds[2]


def within(values, wanted, tolerance=TOL):
    """Every value near `wanted`; a value that could not be measured (NaN) is not."""
    return all(abs(v - wanted) <= tolerance for v in values)


def every_rib(name, ribs):
    expect(len(ribs) == RIBS, "%s: %d ribs (%d)" % (name, len(ribs), RIBS))
    return len(ribs) == RIBS


def points_at(polygon, x):
    return [p for p in polygon.exterior.coords[:-1] if abs(p[0] - x) <= ON_EDGE]


def check_flat_stock(path, loop, distance):
    ribs, beyond, misfit = cut_dxf_ribs(path), [], []
    if not every_rib("flat stock", ribs):
        return
    for chord, outer in ribs:
        end = chord - distance
        beyond.append(outer.bounds[2] - end)
        low, high = span_at(sheeted(loop, chord, SKIN, SKIN), end)
        edge = [y for _, y in points_at(outer, end)]
        if edge:
            misfit.append(max(abs(min(edge) - low), abs(max(edge) - high)))
    expect(all(b <= ON_EDGE for b in beyond),
           "flat stock: the ribs reach at most %.5f mm past chord - %g mm" %
           (max(beyond), distance))
    expect(len(misfit) == RIBS and within(misfit, 0),
           "flat stock: %d ribs end in an edge square to the chord from their lower to their "
           "upper contour, off by %.5f mm at most" % (len(misfit), max(misfit, default=0)))


def check_slot(path, loop, length, height):
    ribs, depth, high, centre = svg_ribs(path), [], [], []
    if not every_rib("slot", ribs):
        return
    for chord, outer in ribs:
        front = chord - length
        low, top = span_at(sheeted(loop, chord, SKIN, SKIN), front)
        middle = (low + top) / 2
        # Along the mid-height the rib ends at the slot's front; just behind the front the slot
        # is the gap between the two tails.
        depth.append(chord - span_x(outer, middle)[1])
        below = outer.intersection(LineString([(front + 0.5, -1e3), (front + 0.5, middle)]))
        above = outer.intersection(LineString([(front + 0.5, middle), (front + 0.5, 1e3)]))
        high.append(above.bounds[1] - below.bounds[3])
        centre.append((above.bounds[1] + below.bounds[3]) / 2 - middle)
    expect(within(depth, length), "slot: %.5f to %.5f mm deep from the trailing edge (%g)" %
           (min(depth), max(depth), length))
    expect(within(high, height) and within(centre, 0),
           "slot: %.5f to %.5f mm high (%g), its centre %.5f to %.5f mm off the mid-height" %
           (min(high), max(high), height, min(centre), max(centre)))


def check_sheeting(path, loop, upper_skin, lower_skin):
    ribs, gaps = cut_dxf_ribs(path), ([], [])
    if not every_rib("sheeting", ribs):
        return
    for chord, outer in ribs:
        for side, surface in enumerate(surfaces(loop, chord)):
            gaps[side].extend(outer.exterior.distance(Point(p)) for p in surface.coords
                              if 0.4 * chord <= p[0] <= 0.6 * chord)
    expect(within(gaps[0], upper_skin) and within(gaps[1], lower_skin),
           "sheeting: at mid-chord the contour lies %.5f to %.5f mm under the upper surface "
           "(%g) and %.5f to %.5f mm above the lower (%g)" %
           (min(gaps[0]), max(gaps[0]), upper_skin, min(gaps[1]), max(gaps[1]), lower_skin))


def notch_misfit(outer, sheet, centre, width, depth, side):
    """How far a notch's edges and floors lie from where they belong, in mm; None when the
    contour does not turn at its edges as that notch would."""
    low, high = span_at(sheet, centre)
    # Up each edge: the contour and the floor of a bottom notch, the floor and the contour of a
    # top one.
    floors = {"top": [(0, high - depth)], "bottom": [(1, low + depth)],
              "both": [(1, low + depth), (2, high - depth)]}[side]
    worst = 0.0
    for edge in (centre - width / 2, centre + width / 2):
        # Found within 0.05 mm of where they belong, then measured to TOL.
        corners = sorted((p for p in outer.exterior.coords[:-1] if abs(p[0] - edge) < 0.05),
                         key=lambda p: p[1])
        if len(corners) != 2 * len(floors):
            return None
        worst = max([worst, abs(sum(p[0] for p in corners) / len(corners) - edge)] +
                    [abs(corners[i][1] - y) for i, y in floors])
    return worst


def check_notches(name, ribs, sheet_of, notches):
    """`notches`: (where, position in mm as a function of the chord, width, depth, side)."""
    for where, at, width, depth, side in notches:
        misfits = [notch_misfit(outer, sheet_of(chord), at(chord), width, depth, side)
                   for chord, outer in ribs]
        found = [m for m in misfits if m is not None]
        expect(len(ribs) == RIBS and len(found) == RIBS and within(found, 0),
               "%s: %s notch %gx%g at %s found on %d of %d ribs, edges and floor off by %s mm "
               "at most" % (name, side, width, depth, where, len(found), len(ribs),
                            "%.5f" % max(found) if found else "-"))


def check_drawing_dxf(path, loop, skins):
    doc, auditor = recover.readfile(path)
    errors = [e.message for e in auditor.errors] + [e.message for e in doc.audit().errors]
    expect(not errors, "drawing DXF: no recover or audit errors %s" % errors[:3])
    ribs, closed, valid, total = [], 0, 0, 0
    for n in range(1, RIBS + 1):
        layer = doc.modelspace().query('*[layer=="%d"]' % n)
        chord_y = [l.dxf.start.y for l in layer.query("LINE") if l.dxf.start.y == l.dxf.end.y]
        rings = []
        for p in layer.query("POLYLINE"):
            points = [(v.dxf.location.x, v.dxf.location.y) for v in p.vertices]
            total += 1
            closed += p.is_closed or points[0] == points[-1]
            rings.append(Polygon(points))
            valid += rings[-1].is_valid
        if not rings or len(chord_y) != 1:
            continue
        # The largest ring is the airfoil's surface, the next the rib outline, the rest holes.
        surface, outer = sorted(rings, key=lambda r: -r.area)[:2]
        x0 = surface.bounds[0]
        ribs.append((surface.bounds[2] - x0,
                     Polygon([(x - x0, y - chord_y[0]) for x, y in outer.exterior.coords])))
    expect(total > 2 * RIBS and closed == total and valid == total,
           "drawing DXF: %d polylines, %d closed, %d valid polygons" % (total, closed, valid))
    check_notches("drawing DXF", ribs, lambda chord: sheeted(loop, chord, *skins),
                  [("30 %", lambda chord: 0.3 * chord, 3, 6, "top")])


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    cli, data = sys.argv[1], sys.argv[2]
    loop = airfoil_loop(data)
    plain_sheet = lambda chord: sheeted(loop, chord, SKIN, SKIN)
    with tempfile.TemporaryDirectory(prefix="ribwright-features-") as folder:
        run = lambda options, output, name: run_cli(cli, data, options, output,
                                                    os.path.join(folder, name))
        flat = run(["--te-stock", "20"], "--cut-dxf", "flat.dxf")
        if flat:
            check_flat_stock(flat, loop, 20)
        slot = run(["--te-stock", "20x1.5"], "--svg", "slot.svg")
        if slot:
            check_slot(slot, loop, 20, 1.5)
        skins = run(["--upper-skin", "1.5", "--lower-skin", "0.5"], "--cut-dxf", "skins.dxf")
        if skins:
            check_sheeting(skins, loop, 1.5, 0.5)
        notched = run(["--spar-notch", "30:3x6:bottom", "--spar-notch", "65:2x2.5:both"],
                      "--cut-dxf", "notches.dxf")
        if notched:
            check_notches("cut DXF", cut_dxf_ribs(notched),
                          plain_sheet, [("30 %", lambda chord: 0.3 * chord, 3, 6, "bottom"),
                                        ("65 %", lambda chord: 0.65 * chord, 2, 2.5, "both")])
        in_mm = run(["--spar-notch", "45mm:3x6"], "--svg", "mm.svg")
        if in_mm:
            check_notches("SVG", svg_ribs(in_mm), plain_sheet,
                          [("45 mm", lambda chord: 45.0, 3, 6, "top")])
        every = run(["--spar-notch", "30:3x6", "--spar-notch", "50mm:3x4:bottom",
                     "--spar-notch", "70:2x1.5:both", "--upper-skin", "1.5", "--lower-skin",
                     "0.5", "--te-stock", "5", "--holes", "60:2"], "--dxf", "drawing.dxf")
        if every:
            check_drawing_dxf(every, loop, (1.5, 0.5))
    print("%d problems" % len(workshop.problems))
    return 1 if workshop.problems else 0


if __name__ == "__main__":
    sys.exit(main())
