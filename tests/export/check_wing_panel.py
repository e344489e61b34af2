#!/usr/bin/python3
"""Measures the ribs of wing panels in the files ribwright-cli writes.

Usage: check_wing_panel.py RIBWRIGHT_CLI DATA_FOLDER

Each rib of the cut DXF is placed by the drawing DXF of the same run (its chord is the length of
the drawing's chord line) and the rib table gives its station and leading-edge offset. Tolerance 0.01 mm unless written beside it.
  straight      span 600, root 200, tip 120, every:75: 9 ribs, chord = 200 - 80 y / 600;
  elliptical    span 500, root 180, least tip 60, every:50: chord = max(180 sqrt(1 - (y/500)^2), 60);
  tables        4 sections, in our comma form and in the planform designers' semicolon form
                (its le_y axis pointing forwards): chords and leading edges at stations between
                sections are the linear interpolation of the sections;
  blend         root NACA 2412, tip NACA 0012, constant chord, 3 ribs: the middle rib's mean
                camber and thickness at 30 % lie within 1 % of the mean of the outer two;
  straight spar 50 mm behind the root's leading edge to 30 mm behind the tip's, 40 mm sweep:
                every notch centred where the line crosses its rib.
Exits 77 (skipped) when a reader is missing.
"""
import math
import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check_workshop_files as workshop  # noqa: E402
from check_workshop_files import expect  # noqa: E402
from check_rib_features import cut_dxf_ribs  # noqa: E402

from shapely.geometry import LineString  # noqa: E402

TOL = 0.01


def run(cli, airfoil, options, folder, name):
    """The cut DXF's ribs and the rib table's rows of one run, or ([], []) when it failed."""
    cut = os.path.join(folder, name + "_cut.dxf")
    table = os.path.join(folder, name + "_ribs.csv")
    done = subprocess.run([cli, "--skin", "0"] + options +
                          ["--cut-dxf", cut, "--dxf", cut + ".drawing.dxf", "--rib-table", table,
                           "--stock", "2000x2000", airfoil], capture_output=True, text=True)
    expect(done.returncode == 0, "%s: exit status %d %s" % (name, done.returncode,
                                                            done.stderr.strip()))
    if done.returncode != 0:
        return [], []
    with open(table, encoding="utf-8") as f:
        lines = [line.strip().split(",") for line in f if line.strip()]
    head = lines[0]
    rows = [dict(zip(head, line)) for line in lines[1:]]
    return cut_dxf_ribs(cut), rows


def check_chords(name, ribs, rows, chord_at, leading_edge_at=None):
    expect(len(ribs) == len(rows), "%s: %d ribs in the cut DXF, %d in the table" %
           (name, len(ribs), len(rows)))
    worst_chord = worst_edge = 0.0
    for (chord, _), row in zip(ribs, rows):
        y = float(row["station_mm"])
        worst_chord = max(worst_chord, abs(chord - chord_at(y)))
        if leading_edge_at:
            worst_edge = max(worst_edge, abs(float(row["leading_edge_mm"]) - leading_edge_at(y)))
    expect(worst_chord <= TOL, "%s: every chord within %.4f mm of the planform's" %
           (name, worst_chord))
    if leading_edge_at:
        expect(worst_edge <= TOL, "%s: every leading edge within %.4f mm of the planform's" %
               (name, worst_edge))


def interpolate(sections, y, column):
    for a, b in zip(sections, sections[1:]):
        if a[0] <= y <= b[0]:
            return a[column] + (b[column] - a[column]) * (y - a[0]) / (b[0] - a[0])
    raise ValueError(y)


def check_tables(cli, airfoil, folder):
    # span, chord, leading edge: a sailplane's inner panel narrowing and sweeping towards the tip.
    sections = [(0, 200, 0), (150, 190, 5), (300, 160, 20), (450, 100, 50)]
    ours = os.path.join(folder, "sections.csv")
    with open(ours, "w") as f:
        f.write("# span, chord, leading edge\nspan,chord,leading_edge\n")
        f.writelines("%g,%g,%g\n" % s for s in sections)
    designer = os.path.join(folder, "sections_designer.csv")
    with open(designer, "w") as f:
        f.write("xn;x;c;le_y;te_y;flap_cn;flap_group;airfoil_file\n")
        for y, c, le in sections:  # y axis forwards: the leading edge has the larger le_y
            f.write("%g;%g;%g;%g;%g;0;0;\n" % (y / 450, y, c, 80 - le, 80 - le - c))
    for name, path in (("comma table", ours), ("semicolon table", designer)):
        ribs, rows = run(cli, airfoil, ["--planform", path, "--stations", "every:40"], folder,
                         name.replace(" ", "_"))
        expect(len(rows) == 13, "%s: 13 ribs every 40 mm over 450 mm, %d" % (name, len(rows)))
        check_chords(name, ribs, rows, lambda y: interpolate(sections, y, 1),
                     lambda y: interpolate(sections, y, 2))


def section_at(outer, chord, at):
    """Mean camber and thickness of a rib at `at` of its chord, in chord units."""
    cut = outer.intersection(LineString([(at * chord, -chord), (at * chord, chord)]))
    low, high = cut.bounds[1], cut.bounds[3]
    return (low + high) / 2 / chord, (high - low) / chord


def check_blend(cli, data, folder):
    ribs, _ = run(cli, os.path.join(data, "naca2412_two_surface.dat"),
                  ["--root-chord", "200", "--tip-chord", "200", "--span", "400", "--stations",
                   "3", "--tip-airfoil", os.path.join(data, "naca0012_loop.dat")], folder, "blend")
    if len(ribs) != 3:
        expect(False, "blend: 3 ribs, found %d" % len(ribs))
        return
    (root, tip, middle) = [section_at(outer, chord, 0.3) for chord, outer in
                           (ribs[0], ribs[2], ribs[1])]
    for i, what in enumerate(("camber", "thickness")):
        mean = (root[i] + tip[i]) / 2
        expect(abs(middle[i] - mean) <= 0.01 * abs(mean),
               "blend: mid-span %s at 30 %% %.5f, the mean of root %.5f and tip %.5f within 1 %%"
               % (what, middle[i], root[i], tip[i]))
    expect(root[0] > 0.015 and abs(tip[0]) < 1e-4,
           "blend: the root is cambered (%.5f) and the tip symmetric (%.5f)" % (root[0], tip[0]))


def notch_centres(outer):
    """Centres of the square notches of one rib: pairs of vertical edges 3 mm apart."""
    coords = list(outer.exterior.coords)
    edges = sorted({round((a[0] + b[0]) / 2, 6) for a, b in zip(coords, coords[1:])
                    if abs(a[0] - b[0]) < 1e-6 and abs(a[1] - b[1]) > 1})
    return [(a + b) / 2 for a, b in zip(edges, edges[1:]) if abs(b - a - 3) < 0.05]


def check_straight_spar(cli, airfoil, folder):
    ribs, rows = run(cli, airfoil, ["--span", "600", "--root-chord", "200", "--tip-chord", "120",
                                    "--sweep", "40", "--stations", "7", "--spar-notch",
                                    "50mm/30mm:3x6"], folder, "straight_spar")
    worst = 0.0
    for (chord, outer), row in zip(ribs, rows):
        y = float(row["station_mm"])
        # The spar runs from (0, 50) to (600, 40 + 30) over the planform; the rib's leading edge
        # is 40 y / 600 behind the root's.
        expected = 50 + 20 * y / 600 - 40 * y / 600
        centres = notch_centres(outer)
        if len(centres) != 1:
            expect(False, "straight spar: one notch on the rib at %g mm, found %s" % (y, centres))
            return
        worst = max(worst, abs(centres[0] - expected),
                    abs(float(row["notch_1_mm"]) - expected))
    expect(len(ribs) == 7 and worst <= TOL,
           "straight spar: %d ribs, every notch within %.4f mm of the line" % (len(ribs), worst))


def main():
    cli, data = sys.argv[1], sys.argv[2]
    airfoil = os.path.join(data, "naca2412_two_surface.dat")
    with tempfile.TemporaryDirectory() as folder:
        ribs, rows = run(cli, airfoil, ["--span", "600", "--root-chord", "200", "--tip-chord",
                                        "120", "--stations", "every:75"], folder, "straight")
        expect(len(ribs) == 9, "straight: 9 ribs every 75 mm over 600 mm, %d" % len(ribs))
        check_chords("straight", ribs, rows, lambda y: 200 - 80 * y / 600)
        ribs, rows = run(cli, airfoil, ["--span", "500", "--root-chord", "180", "--planform",
                                        "elliptical", "--min-tip-chord", "60", "--stations",
                                        "every:50"], folder, "elliptical")
        check_chords("elliptical", ribs, rows,
                     lambda y: max(180 * math.sqrt(max(0.0, 1 - (y / 500) ** 2)), 60))
        check_tables(cli, airfoil, folder)
        check_blend(cli, data, folder)
        check_straight_spar(cli, airfoil, folder)
    if workshop.problems:
        print("%d problem(s)" % len(workshop.problems))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
