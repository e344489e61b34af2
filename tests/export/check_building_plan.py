#!/usr/bin/python3
"""Measures the building plan of the true-scale PDF in poppler.

Usage: check_building_plan.py EXPORT_TESTS_PROGRAM

Runs the BuildingPlan.WriteSamples test with RIBWRIGHT_PLAN_SAMPLES pointing at a fresh folder;
the test writes NACA 2412 ribs stood every 75 mm, the leading edge swept straight back, with spar
notches at 25 % and 60 % of each chord: four ribs from 150 to 100 mm on A3, with the plan and
without, and seven from 150 to 90 mm on A4 with the plan. At 254 dpi (10 px per mm):
  A3  the plan adds one page, of the paper's size; on it the four red rib lines stand
      750 +- 1 px apart, each as long as its chord (+- 3 px), a black edge meets each end
      (+- 3 px), the blue spar lines cross each rib at 25 % and 60 % of its chord (+- 3 px), and
      the 100 mm bar spans 1000 +- 3 px;
  A4  every page of the plan is the paper's size; on each, neighbouring rib lines stand
      750 +- 1 px apart; together the pages show every rib at its chord.
Exits 77 (skipped) when a reader is missing.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile

SKIPPED = 77
SPACING_PX = 750

try:
    import numpy
except ImportError as error:
    print("SKIP: %s (python3-numpy)" % error)
    sys.exit(SKIPPED)
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
# Its readers and its tally of problems.
import check_workshop_files as workshop  # noqa: E402
from check_workshop_files import expect, longest_runs, read_ppm  # noqa: E402

for tool in ("pdfinfo", "pdftoppm"):
    if not shutil.which(tool):
        print("SKIP: %s is not installed" % tool)
        sys.exit(SKIPPED)

def page_sizes(path):
    """Each page's size in mm, smaller side first."""
    info = subprocess.run(["pdfinfo", "-f", "1", "-l", "9999", path], capture_output=True,
                          text=True).stdout
    return [tuple(sorted(float(v) * 25.4 / 72 for v in m))
            for m in re.findall(r"Page\s+\d+ size:\s+([\d.]+) x ([\d.]+) pts", info)]


def page(path, number):
    """One page at 254 dpi: 10 px per mm."""
    stem = "%s-%d" % (path, number)
    subprocess.run(["pdftoppm", "-r", "254", "-f", str(number), "-l", str(number), "-singlefile",
                    path, stem], check=True)
    return read_ppm(stem + ".ppm")


def coloured(image, bright):
    """Pixels strong in channel `bright` and weak in the other two."""
    others = [image[:, :, i].astype(int) < 110 for i in range(3) if i != bright]
    return (image[:, :, bright] > 140) & others[0] & others[1]


def dark(image):
    return image.max(axis=2) < 80


def longest_run(line):
    """Length and start of the longest run of True in a boolean vector."""
    edges = numpy.flatnonzero(numpy.diff(numpy.concatenate(([0], line.astype(int), [0]))))
    starts, ends = edges[::2], edges[1::2]
    if not len(starts):
        return 0, 0
    k = numpy.argmax(ends - starts)
    return ends[k] - starts[k], starts[k]


def rib_lines(image):
    """The red vertical lines of at least 50 mm: (centre column, length px, top row), left to
    right."""
    mask = coloured(image, 0)
    tall = numpy.flatnonzero(longest_runs(mask.T) > 500)
    lines = []
    for group in numpy.split(tall, numpy.flatnonzero(numpy.diff(tall) > 1) + 1):
        if not len(group):
            continue
        runs = [longest_run(mask[:, c]) for c in group]
        length, top = max(runs)
        lines.append((group.mean(), length, top))
    return lines


def near(mask, column, row, reach=3):
    return bool(mask[max(0, row - reach):row + reach + 1, column].any())


def check_spacing(name, lines):
    gaps = numpy.diff([centre for centre, _, _ in lines])
    expect(len(gaps) > 0 and all(abs(g - SPACING_PX) <= 1 for g in gaps),
           "%s: rib lines %s px apart (%d +- 1)" % (name, list(numpy.round(gaps, 1)), SPACING_PX))


def check_a3(folder):
    ribs_only = os.path.join(folder, "ribs-A3.pdf")
    path = os.path.join(folder, "plan-A3.pdf")
    sizes = page_sizes(path)
    expect(len(sizes) == len(page_sizes(ribs_only)) + 1,
           "plan-A3.pdf: the plan adds one page to the %d rib pages" % len(page_sizes(ribs_only)))
    expect(all(abs(w - 297) < 0.3 and abs(h - 420) < 0.3 for w, h in sizes),
           "plan-A3.pdf: every page is A3 %s" % sizes)
    image = page(path, len(sizes))
    lines = rib_lines(image)
    chords = [150 - 50 * k / 3 for k in range(4)]
    expect(len(lines) == 4, "plan-A3.pdf: %d rib lines on the plan page (4)" % len(lines))
    if len(lines) != 4:
        return
    check_spacing("plan-A3.pdf", lines)
    black, spar = dark(image), coloured(image, 2)
    for k, ((centre, length, top), chord) in enumerate(zip(lines, chords)):
        expect(abs(length - chord * 10) <= 3,
               "plan-A3.pdf: rib %d spans %d px, its chord %.1f mm (+- 3)" % (k + 1, length, chord))
        # Beside the line, clear of its red: inward of the panel.
        beside = int(round(centre + (6 if k < 3 else -6)))
        expect(near(black, beside, top) and near(black, beside, top + length),
               "plan-A3.pdf: the leading and trailing edges meet rib %d's ends" % (k + 1))
        expect(all(near(spar, beside, int(round(top + share * chord * 10)))
                   for share in (0.25, 0.6)),
               "plan-A3.pdf: the spar lines cross rib %d at 25 %% and 60 %% of its chord" % (k + 1))
    runs = longest_runs(dark(image))
    bar = runs[(runs > 900) & (runs < 1100)]
    expect(len(bar) >= 15 and abs(numpy.median(bar) - 1000) <= 3,
           "plan-A3.pdf: the 100 mm bar spans %s px over %d rows (1000 +- 3)" %
           (numpy.median(bar) if len(bar) else None, len(bar)))


def check_a4(folder):
    path = os.path.join(folder, "plan-A4.pdf")
    sizes = page_sizes(path)
    rib_pages = len(page_sizes(os.path.join(folder, "ribs-A4.pdf")))
    expect(len(sizes) > rib_pages + 1 and
           all(abs(w - 210) < 0.3 and abs(h - 297) < 0.3 for w, h in sizes),
           "plan-A4.pdf: %d A4 pages, %d of them the plan" % (len(sizes), len(sizes) - rib_pages))
    lengths = []
    for number in range(rib_pages + 1, len(sizes) + 1):
        lines = rib_lines(page(path, number))
        if len(lines) > 1:
            check_spacing("plan-A4.pdf page %d" % number, lines)
        lengths += [length for _, length, _ in lines]
    chords = [150 - 10 * k for k in range(7)]
    found = [any(abs(length - chord * 10) <= 3 for length in lengths) for chord in chords]
    expect(all(found), "plan-A4.pdf: the pages show every rib at its chord %s" % found)


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    with tempfile.TemporaryDirectory(prefix="ribwright-plan-") as folder:
        env = dict(os.environ, RIBWRIGHT_PLAN_SAMPLES=folder, QT_QPA_PLATFORM="offscreen")
        run = subprocess.run([sys.argv[1], "--gtest_filter=BuildingPlan.WriteSamples"], env=env,
                             capture_output=True, text=True)
        if run.returncode != 0:
            print(run.stdout, run.stderr)
            print("FAIL: the test writing the samples failed")
            return 1
        check_a3(folder)
        check_a4(folder)
        if os.environ.get("RIBWRIGHT_KEEP_PLAN"):
            shutil.copytree(folder, os.environ["RIBWRIGHT_KEEP_PLAN"], dirs_exist_ok=True)
    print("%d problems" % len(workshop.problems))
    return 1 if workshop.problems else 0


if __name__ == "__main__":
    sys.exit(main())
