#!/usr/bin/env python3
"""Writes the import test files: NACA 4-digit sections laid out the ways airfoil files are found
in the wild (notes after the data, a second title, counts lines with and without blank lines, no
title, reversed order, legacy encodings, a byte-order mark, TAB columns, CR LF and LF; two
surfaces without a blank line, a second copy, a long file, percent, moved and turned coordinates,
x y z columns, counts that do not fit, a surface written backwards), plus files that cannot be
made into a profile (no coordinates, text between surfaces, no area, an open or crossing outline). Run from this folder: python3 make_import_corpus.py"""
import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from make_naca import naca4  # noqa: E402


def fmt(p, sep=" "):
    return "%9.6f%s%9.6f" % (p[0], sep, p[1])


def loop(code, n):
    upper, lower = naca4(code, n)
    return list(reversed(upper)) + lower[1:]


def write(name, lines, eol="\r\n", encoding="utf-8", prefix=b""):
    with open(name, "wb") as f:
        f.write(prefix + (eol.join(lines) + eol).encode(encoding))


def main():
    up, low = naca4("2412", 21)
    two_surface_body = [fmt(p) for p in up], [fmt(p) for p in low]
    pts = loop("0012", 21)  # 41 points

    write("notes_after.dat", ["NACA 0012 with notes"] + [fmt(p) for p in pts] +
          ["", "Thickness: 12.00%", "source from http://example.invalid/foils/0012",
           "modif leading edge radius"], eol="\n")
    write("numbered_notes.dat", ["NACA 0012 numbered comments"] + [fmt(p) for p in pts] +
          ["1 smoothed with a spline", "2 trailing edge closed", "3 checked 2026"])
    write("second_title.dat", ["NACA 0012", "Smoothed airfoil, version 2", "41 Data Points",
                                "0.5 1.0 3"] + [fmt(p) for p in pts])
    write("counts_blank.dat", ["NACA 2412 two surfaces", "21.       21.", ""] +
          two_surface_body[0] + [""] + two_surface_body[1])
    write("counts_no_blank_between.dat", ["NACA 2412 no blank between", "21.  21.", ""] +
          two_surface_body[0] + two_surface_body[1], eol="\n")
    write("counts_no_blank_at_all.dat", ["NACA 2412 no blank at all", "21 21"] +
          two_surface_body[0] + two_surface_body[1])
    write("headerless.dat", [fmt(p) for p in pts], eol="\n")
    write("reversed.dat", ["NACA 0012 lower surface first"] + [fmt(p) for p in reversed(pts)])
    write("latin1_title.dat", ["Profil d'\u00e9t\u00e9 \u00c9ole 12 %"] + [fmt(p) for p in pts],
          encoding="latin-1")
    write("cp932_title.dat", ["\u7ffc\u578b\u30c6\u30b9\u30c8 \u0031\u0032%"] +
          [fmt(p) for p in pts], encoding="cp932")
    write("bom_utf8.dat", ["NACA 0012 \u00e9t\u00e9"] + [fmt(p) for p in pts],
          prefix=b"\xef\xbb\xbf")
    write("tab_columns.dat", ["NACA 0012 TAB"] + [fmt(p, "\t").strip() for p in pts], eol="\n")
    short = [fmt(p) for p in pts]
    short[0], short[20], short[-1] = "1 0", "0 0", "1 0"
    write("short_lines.dat", ["NACA 0012 short lines"] + short)
    write("text_between_surfaces.dat", ["NACA 2412 labelled surfaces", "Upper surface"] +
          two_surface_body[0] + ["Lower surface"] + two_surface_body[1])
    write("no_coordinates.dat", ["Not an airfoil", "Thickness: 12%", "see the web page"])

    # Two surfaces from the leading edge, one after the other, no title and no blank line.
    write("two_surfaces_no_blank.dat", two_surface_body[0] + two_surface_body[1], eol="\n")
    write("second_copy.dat", ["NACA 0012 first copy"] + [fmt(p) for p in pts] +
          ["", "", "NACA 0012 second copy"] + [fmt(p) for p in pts])
    long_pts = loop("0012", 250)  # 499 points: more lines than the text box holds
    write("long_file.dat", ["NACA 0012 long file"] + [fmt(p) for p in long_pts])
    long_up, long_low = naca4("2412", 250)  # more points before the blank line than it holds
    write("long_two_surfaces.dat", ["NACA 2412 long two surfaces", "250.  250.", ""] +
          [fmt(p) for p in long_up] + [""] + [fmt(p) for p in long_low])
    # Latin-1 accents that a CP932 reading turns into lone half-width katakana and a kanji.
    write("latin1_lone_kana.dat", ["NACA 0012 \u00a9 Stra\u00dfe"] + [fmt(p) for p in pts] +
          ["", "\u00e9p= 9.15 %"], encoding="latin-1")
    write("title_control.dat", ["HN 380\tF3B control"] + [fmt(p) for p in pts])
    write("percent.dat", ["NACA 0012 percent"] +
          ["%9.4f %9.4f" % (100 * p[0], 100 * p[1]) for p in pts])
    write("offset.dat", ["NACA 0012 moved"] +
          ["%10.6f %10.6f" % (31.8 + 5.7 * p[0], 2.0 + 5.7 * p[1]) for p in pts])
    turn = math.radians(6)
    write("turned.dat", ["NACA 0012 turned"] +
          ["%10.6f %10.6f" % (10 + 150 * (p[0] * math.cos(turn) - p[1] * math.sin(turn)),
                              5 + 150 * (p[0] * math.sin(turn) + p[1] * math.cos(turn)))
           for p in pts])
    write("xyz.dat", ["NACA 0012 x y z"] + [fmt(p) + "  0.500000" for p in pts])
    write("counts_wrong_loop.dat", ["NACA 0012 counts wrong", "33.  30."] + [fmt(p) for p in pts])
    write("reversed_lower.dat", ["NACA 2412 lower backwards", "21.       21.", ""] +
          two_surface_body[0] + [""] + list(reversed(two_surface_body[1])))
    write("zero_area.dat", ["Upper surface twice", "21.       21.", ""] +
          two_surface_body[0] + [""] + two_surface_body[0])
    write("labelled_surfaces.dat", ["NACA 2412 labelled, blank between", "Upper surface"] +
          two_surface_body[0] + ["", "Lower surface"] + two_surface_body[1])
    write("few_points.dat", ["Six points only"] + [fmt(p) for p in loop("0012", 4)][:6])
    write("open_curve.dat", ["A cowl, not an airfoil", "21.  0."] + two_surface_body[0])
    crossed = [(x, -y if x > 0.5 else y) for x, y in loop("2412", 21)]
    write("crossing.dat", ["NACA 2412 crossed"] + [fmt(p) for p in crossed])


main()
