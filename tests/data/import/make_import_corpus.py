#!/usr/bin/env python3
"""Writes the import test files: NACA 4-digit sections laid out the ways airfoil files are found
in the wild (notes after the data, a second title, counts lines with and without blank lines, no
title, reversed order, legacy encodings, a byte-order mark, TAB columns, CR LF and LF), plus two
files that cannot be made into a profile. Run from this folder: python3 make_import_corpus.py"""
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


main()
