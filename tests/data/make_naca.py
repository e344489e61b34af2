#!/usr/bin/env python3
"""Writes NACA 4-digit airfoil texts (computed from the series' formulas) in the two layouts that
airfoil coordinate files are published in. Used to make the test airfoils in this folder."""
import math
import sys


def naca4(code, n):
    m, p, t = int(code[0]) / 100, int(code[1]) / 10, int(code[2:]) / 100
    upper, lower = [], []
    for i in range(n):
        beta = math.pi * i / (n - 1)
        x = (1 - math.cos(beta)) / 2
        yt = 5 * t * (0.2969 * math.sqrt(x) - 0.1260 * x - 0.3516 * x**2 + 0.2843 * x**3 - 0.1036 * x**4)
        if p > 0 and x < p:
            yc, dyc = m / p**2 * (2 * p * x - x**2), 2 * m / p**2 * (p - x)
        elif p > 0:
            yc, dyc = m / (1 - p)**2 * ((1 - 2 * p) + 2 * p * x - x**2), 2 * m / (1 - p)**2 * (p - x)
        else:
            yc, dyc = 0.0, 0.0
        th = math.atan(dyc)
        upper.append((x - yt * math.sin(th), yc + yt * math.cos(th)))
        lower.append((x + yt * math.sin(th), yc - yt * math.cos(th)))
    upper[0] = lower[0] = (0.0, 0.0)
    return upper, lower


def fmt(p):
    return "%9.6f %9.6f" % p


def main():
    code, n, layout = sys.argv[1], int(sys.argv[2]), sys.argv[3]
    upper, lower = naca4(code, n)
    lines = ["NACA %s (generated, %d points per surface)" % (code, n)]
    if layout == "loop":
        lines += [fmt(p) for p in reversed(upper)] + [fmt(p) for p in lower[1:]]
    else:
        lines += ["%d.       %d." % (n, n), ""] + [fmt(p) for p in upper] + [""] + [fmt(p) for p in lower]
    sys.stdout.buffer.write(("\r\n".join(lines) + "\r\n").encode("ascii"))


if __name__ == "__main__":
    main()
