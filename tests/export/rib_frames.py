"""Where each part of a cut DXF or a laser SVG has its rib's own frame (mm from the leading edge
along the chord line, y up).

The engrave layer keeps only the parts of the chord line that lie on the piece, so a cut file
alone does not show where a rib's leading edge is. The drawing DXF of the same run draws each rib
on a layer of its number with its whole airfoil and chord line, and the rib's outline or piece:
its leftmost and lowest points are those of the cut contour (which is that piece, moved or turned
half round, grown by half the kerf). A part's label names its rib; the direction of its first
engraved line, a part of the chord line, tells whether it lies turned."""
import re
import xml.etree.ElementTree as ElementTree

from ezdxf import recover
from shapely.geometry import Polygon

SVG = "{http://www.w3.org/2000/svg}"
# The files carry six decimals, the drawing DXF single precision.
SAME = 2e-3


def drawing_ribs(path):
    """{rib number: (chord, the rib's outline or piece in its frame)} of a drawing DXF."""
    doc, _ = recover.readfile(path)
    ribs = {}
    for layer in {e.dxf.layer for e in doc.modelspace()}:
        if not layer.isdigit():
            continue
        entities = doc.modelspace().query('*[layer=="%s"]' % layer)
        chord_y = [l.dxf.start.y for l in entities.query("LINE") if l.dxf.start.y == l.dxf.end.y]
        rings = sorted((Polygon([(v.dxf.location.x, v.dxf.location.y) for v in p.vertices])
                        for p in entities.query("POLYLINE")), key=lambda r: -r.area)
        if len(chord_y) != 1 or not rings:
            continue
        # The largest ring is the airfoil's surface, the next the rib's outline or piece; without
        # a skin the surface is the outline.
        x0, piece = rings[0].bounds[0], rings[min(1, len(rings) - 1)]
        ribs[int(layer)] = (rings[0].bounds[2] - x0,
                            Polygon([(x - x0, y - chord_y[0]) for x, y in piece.exterior.coords]))
    return ribs


class Part:
    """One rib as cut: its rings and engraved lines as the file has them (an SVG's y runs down),
    its label. `place` gives it the frame of its rib."""

    def __init__(self, rings, lines, label, y_down=False):
        self.rings, self.lines, self.label, self.y_down = rings, lines, label, y_down
        self.sheet_outer = max(rings, key=lambda r: r.area)
        self.sheet_holes = [r for r in rings if r is not self.sheet_outer]
        (sx, _), (ex, _) = lines[0]
        self.turned = ex < sx
        self.number = int(label.lstrip("RL"))

    def place(self, drawing, grow=0.0):
        """Takes the frame of its rib in `drawing`, for a contour grown by `grow` mm; False when
        the drawing has no such rib or it does not have the contour's height."""
        if self.number not in drawing:
            return False
        self.chord, piece = drawing[self.number]
        up = (lambda p: (p[0], -p[1])) if self.y_down else (lambda p: (p[0], p[1]))
        left, bottom, right, top = Polygon([up(p) for p in self.sheet_outer.exterior.coords]).bounds
        if abs((top - bottom) - (piece.bounds[3] - piece.bounds[1]) - 2 * grow) > SAME:
            return False
        if self.turned:
            ox, oy = right - grow + piece.bounds[0], top - grow + piece.bounds[1]
            self.frame = lambda p: (ox - up(p)[0], oy - up(p)[1])
        else:
            ox, oy = left + grow - piece.bounds[0], bottom + grow - piece.bounds[1]
            self.frame = lambda p: (up(p)[0] - ox, up(p)[1] - oy)
        self.outer = self.to_frame(self.sheet_outer)
        self.holes = [self.to_frame(h) for h in self.sheet_holes]
        return True

    def to_frame(self, ring):
        return Polygon([self.frame(p) for p in ring.exterior.coords])

    def part(self):
        """The material on the sheet, holes taken out."""
        return Polygon(self.sheet_outer.exterior.coords,
                       [h.exterior.coords for h in self.sheet_holes])


def cut_dxf_parts(path):
    """The parts of a cut DXF in file order: each part's CUT polylines, then its MARK lines (the
    chord line's parts first), then its label."""
    doc, _ = recover.readfile(path)
    parts, rings, lines = [], [], []
    for e in doc.modelspace():
        if e.dxftype() == "POLYLINE":
            rings.append(Polygon([(v.dxf.location.x, v.dxf.location.y) for v in e.vertices]))
        elif e.dxftype() == "LINE":
            lines.append(((e.dxf.start.x, e.dxf.start.y), (e.dxf.end.x, e.dxf.end.y)))
        elif e.dxftype() == "TEXT":
            part = Part(rings, lines, e.dxf.text)
            part.text_at, part.text_height = (e.dxf.insert.x, e.dxf.insert.y), e.dxf.height
            parts.append(part)
            rings, lines = [], []
    return parts


NUMBER = re.compile(r"[-+]?(?:\d+\.?\d*|\.\d+)(?:[eE][-+]?\d+)?")


def svg_points(d):
    """The points of a path's data."""
    values = [float(v) for v in NUMBER.findall(d)]
    return list(zip(values[0::2], values[1::2]))


def svg_parts(path):
    """The parts of a laser SVG: the cut group and the mark group of each id."""
    groups = {g.get("id"): g for g in ElementTree.parse(path).iter(SVG + "g")}
    parts = []
    for cut_id, cut in groups.items():
        mark = groups.get("%s-mark" % cut_id)
        if mark is None:
            continue
        rings = [Polygon(svg_points(sub))
                 for sub in cut.find(SVG + "path").get("d").split("M")[1:]]
        lines = [svg_points(p.get("d")) for p in mark.findall(SVG + "path")]
        parts.append(Part(rings, lines, mark.find(SVG + "text").text, y_down=True))
    return parts


def placed(parts, drawing, grow=0.0):
    """The parts that took their rib's frame from `drawing`."""
    return [p for p in parts if p.place(drawing, grow)]
