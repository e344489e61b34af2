#!/usr/bin/python3
"""Stands the ribs of a washed-out panel in space and measures where their jig tabs end.

Usage: check_jig_tabs.py RIBWRIGHT_CLI DATA_FOLDER

A 600 mm straight panel (root 200, tip 120, 9 ribs, NACA 2412, no skin) with 3 degrees of washout
about 25 % of each chord and tabs at 15 and 85 % of each chord, 8 mm wide, least height 5 mm.
Each rib is read from the cut DXF in its own frame (u along the chord, v up) and placed in the wing
by the rib table's station_mm, leading_edge_mm and twist_deg: turned by the twist (leading edge
down) about its quarter chord,
    X = le + u_p + (u - u_p) cos t - v sin t,   Y = station,   Z = (u - u_p) sin t + v cos t.
  twist       every rib's twist is 3 degrees times its share of the span (0.001 degrees);
  one board   the corners of every tab's foot, 36 points, lie on one plane within 0.05 mm;
  heights     each tab edge is at least 5 mm high from the rib's lower contour (read from the same
              panel cut without tabs) to its foot, and the lowest edge of all is 5 mm (0.01 mm):
              the board lies no lower than it must.
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

import numpy  # noqa: E402
from shapely.geometry import LineString  # noqa: E402

PANEL = ["--span", "600", "--root-chord", "200", "--tip-chord", "120", "--stations", "9",
         "--washout", "3", "--pivot", "25", "--skin", "0"]
TABS, WIDTH, LEAST = (0.15, 0.85), 8.0, 5.0
# A point found at a tab's edge: the DXF carries six decimals.
AT_EDGE = 1e-3


def run(cli, airfoil, options, folder, name):
    """Each rib of the cut DXF with its rib table row, matched by chord, root first."""
    cut = os.path.join(folder, name + "_cut.dxf")
    table = os.path.join(folder, name + "_ribs.csv")
    done = subprocess.run([cli] + PANEL + options +
                          ["--cut-dxf", cut, "--dxf", cut + ".drawing.dxf", "--rib-table", table,
                           "--stock", "2000x2000", airfoil],
                          capture_output=True, text=True)
    expect(done.returncode == 0, "%s: exit status %d %s" % (name, done.returncode,
                                                            done.stderr.strip()))
    if done.returncode != 0:
        return []
    with open(table, encoding="utf-8") as f:
        lines = [line.strip().split(",") for line in f if line.strip()]
    rows = [dict(zip(lines[0], line)) for line in lines[1:]]
    ribs = cut_dxf_ribs(cut)
    expect(len(ribs) == len(rows) == 9, "%s: 9 ribs in the cut DXF (%d) and the table (%d)" %
           (name, len(ribs), len(rows)))
    matched = []
    for row in rows:
        chord = float(row["chord_mm"])
        best = min(ribs, key=lambda rib: abs(rib[0] - chord))
        matched.append((row, best[1]))
    return matched


def lower_contour(outer, u):
    return outer.intersection(LineString([(u, -1000), (u, 1000)])).bounds[1]


def foot(outer, u):
    """The lowest corner of the tabbed rib at the tab edge `u`."""
    ys = [y for x, y in outer.exterior.coords if abs(x - u) < AT_EDGE]
    return min(ys) if ys else None


def main():
    cli, data = sys.argv[1], sys.argv[2]
    airfoil = os.path.join(data, "naca2412_two_surface.dat")
    with tempfile.TemporaryDirectory() as folder:
        plain = run(cli, airfoil, [], folder, "plain")
        tabbed = run(cli, airfoil, ["--jig-tabs", "15,85:8:5"], folder, "tabbed")
    if not plain or len(plain) != len(tabbed):
        return 1
    worst_twist = 0.0
    points, heights, root_heights = [], [], []
    for (row, bare), (_, outer) in zip(plain, tabbed):
        chord, station = float(row["chord_mm"]), float(row["station_mm"])
        le, twist = float(row["leading_edge_mm"]), float(row["twist_deg"])
        worst_twist = max(worst_twist, abs(twist - 3 * station / 600))
        t, pivot = math.radians(twist), 0.25 * chord
        for at in TABS:
            for u in (at * chord - WIDTH / 2, at * chord + WIDTH / 2):
                v = foot(outer, u)
                if v is None:
                    expect(False, "rib at %g mm: no corner at the tab edge %.3f" % (station, u))
                    continue
                height = lower_contour(bare, u) - v
                heights.append(height)
                if station == 0:
                    root_heights.append(height)
                points.append((le + pivot + (u - pivot) * math.cos(t) - v * math.sin(t),
                               station, (u - pivot) * math.sin(t) + v * math.cos(t)))
    expect(worst_twist <= 1e-3, "twist: every rib within %.5f degrees of 3 times its share "
           "of the span" % worst_twist)
    expect(len(points) == 36, "one board: %d foot corners of 36" % len(points))
    if len(points) >= 3:
        xyz = numpy.array(points)
        design = numpy.column_stack([xyz[:, 0], xyz[:, 1], numpy.ones(len(xyz))])
        fit, *_ = numpy.linalg.lstsq(design, xyz[:, 2], rcond=None)
        off = numpy.abs(design @ fit - xyz[:, 2]).max()
        expect(off <= 0.05, "one board: every foot corner within %.4f mm of one plane" % off)
    expect(root_heights and min(root_heights) >= LEAST - 0.01,
           "heights: the root tabs' edges %s mm, 5 mm or more" %
           ", ".join("%.3f" % h for h in root_heights))
    expect(heights and abs(min(heights) - LEAST) <= 0.01,
           "heights: the lowest tab edge of the panel %.4f mm, the least asked"
           % (min(heights) if heights else float("nan")))
    if workshop.problems:
        print("%d problem(s)" % len(workshop.problems))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
