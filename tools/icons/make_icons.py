# SPDX-License-Identifier: GPL-3.0-or-later
"""Draw the 32x32 icons of KorvexControl: the toolbar icons into mainwindow/icons/
and the editor panels' icons into editor/images/; and the application icons of
both programs into packaging/icons/hicolor/ at every size the desktop uses,
with a scalable SVG beside them.

Standard library only, so the icons can be redrawn on any machine with a
plain Python 3. Every shape is sampled on a 4x4 grid per pixel and averaged,
which gives smooth edges without a graphics library. The output is
byte-for-byte the same on every run: no timestamps or other ancillary chunks
go into the PNGs.

Usage: python3 tools/icons/make_icons.py [output root]
(the root defaults to the repository; each icon goes to its folder below it)
       python3 tools/icons/make_icons.py --verify
(writes nothing; fails when a committed icon differs from what the script draws)
"""

import math
import struct
import sys
import zlib
from pathlib import Path

SIZE = 32  # icon edge in pixels
SS = 4     # samples per pixel along each axis

# Coordinates below are in pixels of the final icon, origin top left, y down.
# Integer coordinates lie on pixel borders, so a 2 px stroke along x = 4
# covers exactly the pixel columns 3 and 4 and stays sharp.

INK = (0x37, 0x47, 0x4F)         # outlines and text; dark enough on white
INK_SOFT = (0x90, 0xA4, 0xAE)    # text lines on sheets, slots
PAPER = (0xFF, 0xFF, 0xFF)
PAPER_SHADE = (0xDD, 0xE3, 0xE8)
BLUE = (0x1E, 0x88, 0xE5)
BLUE_DARK = (0x15, 0x65, 0xC0)
GREEN = (0x43, 0xA0, 0x47)
RED = (0xE5, 0x39, 0x35)
AMBER = (0xFF, 0xB3, 0x00)
AMBER_DARK = (0xE6, 0x9A, 0x00)
WOOD = (0xF5, 0xD0, 0xA0)
SKY = (0xB3, 0xE5, 0xFC)
NIGHT = (0x3F, 0x51, 0xB5)
PINK = (0xF4, 0x8F, 0xB1)
CLEAR = None  # paint transparency, used to cut a gap around badges


def num(v):
    """A coordinate as SVG text: short, and the same on every run."""
    text = ("%.3f" % v).rstrip("0").rstrip(".")
    return "0" if text == "-0" else text


def hex_colour(color):
    return "#%02x%02x%02x" % color


class Shape:
    """A region given by an inside test and a bounding box (x0, y0, x1, y1).

    svg, where set, turns a fill colour into the SVG elements that paint the
    same region; the application icons are drawn only with such shapes."""

    def __init__(self, inside, box, svg=None):
        self.inside = inside
        self.box = box
        self.svg = svg

    def __or__(self, other):
        a, b = self, other
        box = (min(a.box[0], b.box[0]), min(a.box[1], b.box[1]),
               max(a.box[2], b.box[2]), max(a.box[3], b.box[3]))
        svg = None
        if a.svg and b.svg:
            def svg(color):
                return a.svg(color) + b.svg(color)
        return Shape(lambda x, y: a.inside(x, y) or b.inside(x, y), box, svg)

    def __sub__(self, other):
        a, b = self, other
        return Shape(lambda x, y: a.inside(x, y) and not b.inside(x, y), a.box)

    def __and__(self, other):
        a, b = self, other
        return Shape(lambda x, y: a.inside(x, y) and b.inside(x, y), a.box)


def rect(x0, y0, x1, y1):
    def svg(color):
        return ['<rect x="%s" y="%s" width="%s" height="%s" fill="%s"/>'
                % (num(x0), num(y0), num(x1 - x0), num(y1 - y0), hex_colour(color))]
    return Shape(lambda x, y: x0 <= x < x1 and y0 <= y < y1, (x0, y0, x1, y1), svg)


def round_rect(x0, y0, x1, y1, r):
    def inside(x, y):
        # distance from the rectangle shrunk by r
        dx = max(x0 + r - x, 0.0, x - (x1 - r))
        dy = max(y0 + r - y, 0.0, y - (y1 - r))
        return x0 <= x < x1 and y0 <= y < y1 and dx * dx + dy * dy <= r * r

    def svg(color):
        return ['<rect x="%s" y="%s" width="%s" height="%s" rx="%s" fill="%s"/>'
                % (num(x0), num(y0), num(x1 - x0), num(y1 - y0), num(r), hex_colour(color))]
    return Shape(inside, (x0, y0, x1, y1), svg)


def circle(cx, cy, r):
    def svg(color):
        return ['<circle cx="%s" cy="%s" r="%s" fill="%s"/>'
                % (num(cx), num(cy), num(r), hex_colour(color))]
    return Shape(lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r,
                 (cx - r, cy - r, cx + r, cy + r), svg)


def stroke_svg(points, w, closed):
    """A round-capped, round-joined stroke: the same region as the union of
    round-capped segments that line() and polyline() paint."""
    def svg(color):
        return ['<%s points="%s" fill="none" stroke="%s" stroke-width="%s" '
                'stroke-linecap="round" stroke-linejoin="round"/>'
                % ("polygon" if closed else "polyline",
                   " ".join("%s,%s" % (num(x), num(y)) for x, y in points),
                   hex_colour(color), num(w))]
    return svg


def line(x0, y0, x1, y1, w):
    """Segment of thickness w with round caps."""
    dx, dy = x1 - x0, y1 - y0
    len2 = dx * dx + dy * dy or 1e-9
    h = w / 2.0

    def inside(x, y):
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / len2))
        px, py = x0 + t * dx - x, y0 + t * dy - y
        return px * px + py * py <= h * h
    return Shape(inside, (min(x0, x1) - h, min(y0, y1) - h,
                          max(x0, x1) + h, max(y0, y1) + h),
                 stroke_svg([(x0, y0), (x1, y1)], w, False))


def polyline(points, w, closed=False):
    pts = list(points) + ([points[0]] if closed else [])
    shape = line(*pts[0], *pts[1], w)
    for a, b in zip(pts[1:], pts[2:]):
        shape = shape | line(*a, *b, w)
    shape.svg = stroke_svg(list(points), w, closed)
    return shape


def polygon(points):
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]

    def inside(x, y):
        # even-odd rule
        hit = False
        j = len(points) - 1
        for i in range(len(points)):
            xi, yi = points[i]
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                hit = not hit
            j = i
        return hit

    def svg(color):
        return ['<polygon points="%s" fill="%s" fill-rule="evenodd"/>'
                % (" ".join("%s,%s" % (num(x), num(y)) for x, y in points), hex_colour(color))]
    return Shape(inside, (min(xs), min(ys), max(xs), max(ys)), svg)


def along(tip, end, s0, s1, half):
    """Quad lying on the axis tip->end between distances s0 and s1, half-width half."""
    length = math.hypot(end[0] - tip[0], end[1] - tip[1])
    dx, dy = (end[0] - tip[0]) / length, (end[1] - tip[1]) / length
    nx, ny = -dy, dx

    def at(s, n):
        return (tip[0] + dx * s + nx * n, tip[1] + dy * s + ny * n)
    return [at(s0, -half), at(s1, -half), at(s1, half), at(s0, half)]


class Canvas:
    """size x size pixels; shapes are given in units of which one pixel holds
    scale (1 for the toolbar icons, drawn on their own pixel grid)."""

    def __init__(self, size=SIZE, scale=1.0):
        self.size = size
        self.scale = scale
        n = size * SS
        self.n = n
        # RGBA per sample, 0..255
        self.px = bytearray(4 * n * n)

    def fill(self, shape, color):
        x0, y0, x1, y1 = shape.box
        n = self.n
        k = SS * self.scale  # samples per unit
        i0, i1 = max(0, int(math.floor(x0 * k))), min(n, int(math.ceil(x1 * k)) + 1)
        j0, j1 = max(0, int(math.floor(y0 * k))), min(n, int(math.ceil(y1 * k)) + 1)
        # every colour is opaque, so a sample simply takes the last one
        value = b"\0\0\0\0" if color is CLEAR else bytes((color[0], color[1], color[2], 255))
        inside = shape.inside
        px = self.px
        for j in range(j0, j1):
            y = (j + 0.5) / k
            row = j * n
            for i in range(i0, i1):
                if inside((i + 0.5) / k, y):
                    at = 4 * (row + i)
                    px[at:at + 4] = value

    def pixels(self):
        """Average each SSxSS block, weighting colour by alpha so edges do not darken."""
        out = bytearray()
        n = self.n
        px = self.px
        for py in range(self.size):
            out.append(0)  # PNG filter type: none
            for qx in range(self.size):
                r = g = b = a = 0.0
                for j in range(py * SS, py * SS + SS):
                    for i in range(qx * SS, qx * SS + SS):
                        at = 4 * (j * n + i)
                        alpha = px[at + 3]
                        r += px[at] * alpha
                        g += px[at + 1] * alpha
                        b += px[at + 2] * alpha
                        a += alpha
                if a == 0:
                    out += b"\0\0\0\0"
                    continue
                out += bytes((int(r / a + 0.5), int(g / a + 0.5), int(b / a + 0.5),
                              int(a / (SS * SS) + 0.5)))
        return bytes(out)


class SvgCanvas:
    """Collects the SVG elements of what is filled, in a view box of size units."""

    def __init__(self, size):
        self.size = size
        self.elements = []

    def fill(self, shape, color):
        if color is CLEAR or shape.svg is None:
            raise ValueError("the scalable icons take only plain shapes and colours")
        self.elements += shape.svg(color)

    def text(self):
        return ('<?xml version="1.0" encoding="UTF-8"?>\n'
                '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">\n'
                % ((self.size,) * 4)
                + "".join("  %s\n" % e for e in self.elements) + "</svg>\n")


def png_bytes(canvas):
    def chunk(tag, data):
        body = tag + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))
    # 8-bit RGBA, no interlace
    ihdr = struct.pack(">IIBBBBB", canvas.size, canvas.size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr)
            + chunk(b"IDAT", zlib.compress(canvas.pixels(), 9)) + chunk(b"IEND", b""))


# --- shared pieces ---------------------------------------------------------

def sheet(c, x0=5, y0=3, x1=23, y1=29, fold=6, lines=True):
    """A page with its top right corner folded over."""
    outline = [(x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1)]
    c.fill(polygon(outline), PAPER)
    if lines:
        for y in (11, 15, 19, 23):
            c.fill(rect(x0 + 4, y, x1 - 4, y + 2), INK_SOFT)
    c.fill(polygon([(x1 - fold, y0), (x1 - fold, y0 + fold), (x1, y0 + fold)]), PAPER_SHADE)
    c.fill(polyline(outline, 2, closed=True), INK)
    c.fill(polyline([(x1 - fold, y0), (x1 - fold, y0 + fold), (x1, y0 + fold)], 2), INK)


def send_arrow(c, y=24, x0=13, x1=31, color=BLUE):
    """Right-pointing arrow with a transparent gap around it, for "send to device"."""
    head = 7  # half height of the arrow head
    shaft = line(x0, y, x1 - head, y, 4)
    tip = polygon([(x1 - head - 1, y - head), (x1, y), (x1 - head - 1, y + head)])
    c.fill(line(x0, y, x1 - head, y, 8) | polyline(
        [(x1 - head - 1, y - head), (x1, y), (x1 - head - 1, y + head)], 4, closed=True), CLEAR)
    c.fill(shaft | tip, color)


# --- the icons -------------------------------------------------------------

ICONS = {}  # name -> (folder relative to the root, drawing function)
TOOLBAR = "mainwindow/icons"
EDITOR = "editor/images"


def icon(name, folder=TOOLBAR):
    def register(fn):
        ICONS[name] = (folder, fn)
        return fn
    return register


@icon("text")
def draw_text(c):
    c.fill(rect(6, 4, 26, 9), INK)        # cross bar
    c.fill(rect(6, 4, 9, 12), INK)        # serifs hanging from the bar
    c.fill(rect(23, 4, 26, 12), INK)
    c.fill(rect(13, 4, 19, 28), INK)      # stem
    c.fill(rect(10, 25, 22, 28), INK)     # foot


@icon("time")
def draw_time(c):
    c.fill(circle(16, 16, 14), BLUE)
    c.fill(circle(16, 16, 11.5), PAPER)
    for x0, y0, x1, y1 in ((15, 5, 17, 8), (15, 24, 17, 27), (5, 15, 8, 17), (24, 15, 27, 17)):
        c.fill(rect(x0, y0, x1, y1), INK)
    c.fill(line(16, 16, 16, 8, 2), INK)     # minute hand at twelve
    c.fill(line(16, 16, 21.5, 19.5, 2.5), INK)  # hour hand towards four
    c.fill(circle(16, 16, 2), RED)


# Seven-segment strokes: a top, b upper right, c lower right, d bottom,
# e lower left, f upper left, g middle.
DIGIT_SEGMENTS = {"1": "bc", "2": "abged", "3": "abgcd"}


def seven_segment(c, digit, x0, y0, w, h, color):
    x1, ym, y1 = x0 + w, y0 + h / 2.0, y0 + h
    ends = {"a": (x0, y0, x1, y0), "b": (x1, y0, x1, ym), "c": (x1, ym, x1, y1),
            "d": (x0, y1, x1, y1), "e": (x0, ym, x0, y1), "f": (x0, y0, x0, ym),
            "g": (x0, ym, x1, ym)}
    for s in DIGIT_SEGMENTS[digit]:
        c.fill(line(*ends[s], 2), color)


@icon("serialNum")
def draw_serial_num(c):
    # a counter display, as on the coder's own screen
    c.fill(round_rect(1, 6, 31, 26, 3), INK)
    for k, d in enumerate("123"):
        seven_segment(c, d, 6 + 9 * k, 10, 5, 12, PAPER)


@icon("image")
def draw_image(c):
    c.fill(round_rect(2, 5, 30, 27, 2), INK)
    c.fill(rect(4, 7, 28, 25), SKY)
    c.fill(circle(21.5, 12, 3), AMBER)
    c.fill(polygon([(4, 25), (4, 21), (12, 13), (19, 21), (22, 18), (28, 24), (28, 25)]), GREEN)


@icon("barcode")
def draw_barcode(c):
    # alternating bar / space widths in pixels, starting and ending with a bar
    widths = [2, 1, 1, 1, 3, 1, 1, 2, 2, 1, 1, 1, 1, 2, 3, 1, 1]
    x = 4
    bars = []
    for k, w in enumerate(widths):
        if k % 2 == 0:
            bars.append((x, w))
        x += w
    for k, (x, w) in enumerate(bars):
        guard = k in (0, len(bars) - 1)  # end bars run longer, as on EAN labels
        c.fill(rect(x, 5, x + w, 28 if guard else 25), INK)


@icon("shiftcode")
def draw_shiftcode(c):
    # day shift and night shift
    c.fill(circle(10.5, 10.5, 4.5), AMBER)
    for k in range(8):
        a = math.radians(k * 45)
        c.fill(line(10.5 + 6.5 * math.cos(a), 10.5 + 6.5 * math.sin(a),
                    10.5 + 8.5 * math.cos(a), 10.5 + 8.5 * math.sin(a), 1.8), AMBER)
    c.fill(circle(21, 21, 9) - circle(25.5, 16.5, 7.5), NIGHT)


@icon("delete")
def draw_delete(c):
    c.fill(line(8, 8, 24, 24, 5) | line(24, 8, 8, 24, 5), RED)


@icon("save")
def draw_save(c):
    c.fill(polygon([(3, 3), (25, 3), (29, 7), (29, 29), (3, 29)]) &
           round_rect(3, 3, 29, 29, 2), BLUE_DARK)
    c.fill(rect(9, 3, 23, 12), PAPER_SHADE)   # metal shutter
    c.fill(rect(18, 5, 21, 10), BLUE_DARK)    # its window
    c.fill(rect(7, 16, 25, 29), PAPER)        # label
    c.fill(rect(10, 19, 22, 21), INK_SOFT)
    c.fill(rect(10, 23, 22, 25), INK_SOFT)


@icon("newFile")
def draw_new_file(c):
    sheet(c)
    c.fill(circle(23, 23, 9), CLEAR)
    c.fill(circle(23, 23, 7), GREEN)
    c.fill(rect(22, 19, 24, 27) | rect(19, 22, 27, 24), PAPER)


@icon("editFile")
def draw_edit_file(c):
    sheet(c)
    tip, end = (13, 29), (29, 13)

    def cone(length, half):
        base = along(tip, end, length, length, half)
        return polygon([base[0], tip, base[3]])

    c.fill(polygon(along(tip, end, 0, 23.5, 5)), CLEAR)  # gap between pencil and page
    c.fill(cone(5, 3), WOOD)
    c.fill(cone(2.2, 1.3), INK)                                       # lead
    c.fill(polygon(along(tip, end, 5, 18, 3)), AMBER)
    c.fill(polygon(along(tip, end, 5, 18, 0.8)), AMBER_DARK)          # groove down the middle
    c.fill(polygon(along(tip, end, 18, 19.5, 3)), INK_SOFT)           # ferrule
    c.fill(polygon(along(tip, end, 19.5, 22.6, 3)), PINK)             # eraser


@icon("syncFile")
def draw_sync_file(c):
    sheet(c, x1=21)
    send_arrow(c)


@icon("syncParameter")
def draw_sync_parameter(c):
    # three sliders set to different values
    for y, knob in ((5, 15), (12, 7), (19, 12)):
        c.fill(line(3, y, 21, y, 2), INK)
        c.fill(round_rect(knob - 2, y - 3.5, knob + 2, y + 3.5, 1), BLUE)
    send_arrow(c, y=25, x0=12, color=GREEN)


@icon("select")
def draw_select(c):
    for y in (3, 12, 21):
        c.fill(round_rect(3, y, 11, y + 8, 1.5), BLUE)
        c.fill(polyline([(5, y + 4), (6.7, y + 5.8), (9.2, y + 2.3)], 1.6), PAPER)
        c.fill(rect(14, y + 3, 29, y + 5), INK_SOFT)


@icon("server")
def draw_server(c):
    for y in (3, 12, 21):
        c.fill(round_rect(5, y, 27, y + 8, 1.5), INK)
        c.fill(circle(9.5, y + 4, 1.6), (0x66, 0xEE, 0x6A))   # status lamp
        c.fill(rect(14, y + 3, 24, y + 5), INK_SOFT)          # drive slot


@icon("start")
def draw_start(c):
    pts = [(9.5, 6), (9.5, 26), (26, 16)]
    c.fill(polygon(pts) | polyline(pts, 3, closed=True), GREEN)


@icon("stop")
def draw_stop(c):
    c.fill(round_rect(7, 7, 25, 25, 2.5), RED)


# --- editor panels ----------------------------------------------------------

@icon("help", EDITOR)
def draw_help(c):
    c.fill(circle(16, 16, 14), BLUE)
    # the hook of the question mark: an arc over the top, then down to the stem
    cx, cy, r = 16, 12, 5
    hook = [(cx + r * math.cos(math.radians(a)), cy + r * math.sin(math.radians(a)))
            for a in range(190, 400, 15)]
    hook += [(16, 18.5), (16, 20)]
    c.fill(polyline(hook, 3.2), PAPER)
    c.fill(circle(16, 24.5, 2.1), PAPER)


def shift_table(c):
    """A small table of shift rows, the picture the shift-code panel edits."""
    c.fill(rect(2, 4, 24, 26), PAPER)
    c.fill(rect(2, 4, 24, 10), PAPER_SHADE)         # header row
    for y in (10, 16, 21):
        c.fill(rect(2, y, 24, y + 1), INK_SOFT)
    c.fill(rect(11, 4, 12, 26), INK_SOFT)          # column border
    c.fill(polyline([(2, 4), (24, 4), (24, 26), (2, 26)], 2, closed=True), INK)


def badge(c, color, plus):
    c.fill(circle(23, 23, 9), CLEAR)
    c.fill(circle(23, 23, 7), color)
    c.fill(rect(19, 22, 27, 24), PAPER)
    if plus:
        c.fill(rect(22, 19, 24, 27), PAPER)


@icon("shift_add", EDITOR)
def draw_shift_add(c):
    shift_table(c)
    badge(c, GREEN, plus=True)


@icon("shift_delete", EDITOR)
def draw_shift_delete(c):
    shift_table(c)
    badge(c, RED, plus=False)


@icon("shift_refresh", EDITOR)
def draw_shift_refresh(c):
    # two arrows chasing each other round a circle
    cx, cy, r = 16, 16, 10

    def arc(a0, a1):
        return [(cx + r * math.cos(math.radians(a)), cy + r * math.sin(math.radians(a)))
                for a in range(a0, a1 + 1, 10)]

    for a0, a1 in ((200, 330), (20, 150)):
        c.fill(polyline(arc(a0, a1), 3.2), BLUE)
        # head at the end of the arc, pointing along the direction of travel
        a = math.radians(a1 + 18)
        tip = (cx + r * math.cos(a), cy + r * math.sin(a))
        back = math.radians(a1 - 8)
        bx, by = cx + r * math.cos(back), cy + r * math.sin(back)
        nx, ny = math.cos(back) * 6, math.sin(back) * 6
        c.fill(polygon([tip, (bx + nx, by + ny), (bx - nx, by - ny)]), BLUE)


# --- the designer's view tab -----------------------------------------------

def magnifier(c):
    """A magnifying glass, its lens at (13, 13), the handle to the bottom right."""
    c.fill(line(20, 20, 27.5, 27.5, 5), INK)
    c.fill(circle(13, 13, 11), INK)
    c.fill(circle(13, 13, 8.5), SKY)


@icon("zoom_in", EDITOR)
def draw_zoom_in(c):
    magnifier(c)
    c.fill(rect(8, 12, 18, 14) | rect(12, 8, 14, 18), BLUE_DARK)


@icon("zoom_out", EDITOR)
def draw_zoom_out(c):
    magnifier(c)
    c.fill(rect(8, 12, 18, 14), BLUE_DARK)


@icon("zoom_fit", EDITOR)
def draw_zoom_fit(c):
    # the message band fitted between the window's corners
    for x, y, dx, dy in ((4, 4, 1, 1), (28, 4, -1, 1), (4, 28, 1, -1), (28, 28, -1, -1)):
        c.fill(polyline([(x, y + 7 * dy), (x, y), (x + 7 * dx, y)], 2), INK)
    c.fill(round_rect(8, 11, 24, 21, 1.5), BLUE)
    c.fill(rect(11, 14, 21, 16) | rect(11, 17, 18, 19), PAPER)


@icon("zoom_actual", EDITOR)
def draw_zoom_actual(c):
    # "1:1" on a screen: one screen pixel per printed dot
    c.fill(round_rect(2, 5, 30, 27, 2.5), INK)
    c.fill(rect(4, 7, 28, 25), PAPER)
    for x in (10, 22):
        c.fill(rect(x - 1, 10, x + 1, 22), BLUE_DARK)          # stem
        c.fill(line(x - 0.5, 10.5, x - 4, 13.5, 2), BLUE_DARK)  # flag
    c.fill(rect(15, 12, 17, 14) | rect(15, 18, 17, 20), BLUE_DARK)


# --- application icons -------------------------------------------------------
#
# Drawn in a 256 x 256 unit square whatever the output size, and only with
# shapes that have an SVG form, so that the scalable icon is the same picture.
# Below 64 px the dot-matrix print would blur to grey, so the small sizes show
# it as solid lines; there the ground also fills the whole square, as a margin
# of half a pixel would only blur its edge.

APP_UNITS = 256
APP_SIZES = (16, 32, 48, 64, 128, 256)
APP_FOLDER = "packaging/icons/hicolor"
APP_ICONS = {}  # name -> drawing function taking (canvas, pixel size)

SLATE = (0x26, 0x32, 0x38)
WOOD_DARK = (0xD9, 0xA8, 0x6C)
LAMP_GREEN = (0x66, 0xEE, 0x6A)

# 5x7 dot-matrix characters, as a coder prints them
GLYPHS = {
    "A": (".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"),
    "E": ("#####", "#....", "#....", "####.", "#....", "#....", "#####"),
    "P": ("####.", "#...#", "#...#", "####.", "#....", "#....", "#...."),
    "X": ("#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"),
    "1": ("..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."),
    "2": (".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"),
}


def app_icon(name):
    def register(fn):
        APP_ICONS[name] = fn
        return fn
    return register


def dot_text(c, text, x, y, pitch, color):
    """Dot-matrix text whose first dot centre is at (x, y)."""
    for k, ch in enumerate(text):
        for row, bits in enumerate(GLYPHS[ch]):
            for col, bit in enumerate(bits):
                if bit == "#":
                    c.fill(circle(x + (6 * k + col) * pitch, y + row * pitch, pitch * 0.38), color)


def dot_text_width(text, pitch):
    return (6 * len(text) - 2) * pitch


def ground(c, size, color):
    margin = 8 if size >= 48 else 0
    c.fill(round_rect(margin, margin, APP_UNITS - margin, APP_UNITS - margin, 40), color)


@app_icon("korvex-control")
def draw_korvex_control(c, size):
    # A coder's print head marking a box on the line, and the line's signal
    # tower: the program runs the coders of a line and shows their state.
    ground(c, size, SLATE)
    # signal tower
    c.fill(rect(204, 128, 212, 204), INK_SOFT)
    c.fill(round_rect(184, 24, 232, 136, 12), INK_SOFT)
    for y0, lamp in ((32, RED), (64, AMBER), (96, LAMP_GREEN)):
        c.fill(round_rect(192, y0, 224, y0 + 32 - 4, 6), lamp)
    # conveyor
    c.fill(round_rect(16, 200, 240, 224, 12), INK_SOFT)
    if size >= 64:
        for x in range(36, 240, 32):
            c.fill(circle(x, 212, 6), SLATE)
    # the box and its code
    c.fill(rect(32, 120, 168, 200), WOOD)
    c.fill(rect(32, 120, 168, 136), WOOD_DARK)
    if size >= 64:
        pitch = 7
        text = "A12"
        dot_text(c, text, 100 - dot_text_width(text, pitch) / 2.0, 147, pitch, INK)
    else:
        c.fill(rect(48, 148, 152, 164), INK)
        c.fill(rect(48, 176, 128, 188), INK)
    # print head, its nozzle and two drops of ink on their way
    c.fill(round_rect(56, 24, 144, 80, 10), PAPER_SHADE)
    c.fill(rect(56, 44, 144, 58), BLUE)
    c.fill(polygon([(84, 80), (116, 80), (108, 96), (92, 96)]), INK_SOFT)
    c.fill(circle(100, 104, 5), SKY)
    c.fill(circle(100, 115, 4), SKY)


@app_icon("korvex-message-editor")
def draw_korvex_message_editor(c, size):
    # A label with its dot-matrix text and barcode, and a pencil.
    ground(c, size, BLUE_DARK)
    c.fill(round_rect(32, 32, 200, 208, 12), PAPER)
    if size >= 64:
        pitch = 7
        text = "EXP"
        dot_text(c, text, 116 - dot_text_width(text, pitch) / 2.0, 56, pitch, INK)
        widths = [2, 1, 1, 1, 3, 1, 1, 2, 2, 1, 1, 1, 1, 2, 3, 1, 1]
        unit = 5
    else:
        c.fill(rect(56, 56, 176, 96), INK)
        widths = [2, 1, 1, 2, 2, 1, 1]
        unit = 16
    x = 116 - sum(widths) * unit / 2.0
    for k, w in enumerate(widths):
        if k % 2 == 0:
            c.fill(rect(x, 120, x + w * unit, 184), INK)
        x += w * unit
    # the pencil, outlined so it stands out on the label and on the ground
    tip, end = (120, 232), (236, 116)
    cone, ferrule, eraser, length = 44, 124, 140, 160
    half = 20
    left_base, right_base = along(tip, end, cone, cone, half)[0], along(tip, end, cone, cone, half)[3]
    back = along(tip, end, length, length, half)
    outline = [tip, left_base, back[0], back[3], right_base]
    c.fill(polygon(outline) | polyline(outline, 12, closed=True), INK)
    c.fill(polygon([left_base, tip, right_base]), WOOD)
    lead = along(tip, end, 16, 16, half * 16.0 / cone)
    c.fill(polygon([lead[0], tip, lead[3]]), INK)
    c.fill(polygon(along(tip, end, cone, ferrule, half)), AMBER)
    c.fill(polygon(along(tip, end, cone, ferrule, half / 3.0)), AMBER_DARK)
    c.fill(polygon(along(tip, end, ferrule, eraser, half)), INK_SOFT)
    c.fill(polygon(along(tip, end, eraser, length, half)), PINK)


def drawn_files():
    """Every file the script draws: (path below the root, bytes)."""
    for name, (folder, draw) in ICONS.items():
        c = Canvas()
        draw(c)
        yield "%s/%s.png" % (folder, name), png_bytes(c)
    for name, draw in APP_ICONS.items():
        for size in APP_SIZES:
            c = Canvas(size, size / APP_UNITS)
            draw(c, size)
            yield "%s/%dx%d/apps/%s.png" % (APP_FOLDER, size, size, name), png_bytes(c)
        svg = SvgCanvas(APP_UNITS)
        draw(svg, APP_UNITS)
        yield "%s/scalable/apps/%s.svg" % (APP_FOLDER, name), svg.text().encode()


def main():
    repository = Path(__file__).resolve().parents[2]
    if len(sys.argv) > 1 and sys.argv[1] == "--verify":
        stale = [path for path, data in drawn_files()
                 if not (repository / path).is_file() or (repository / path).read_bytes() != data]
        if stale:
            print("these icons differ from what tools/icons/make_icons.py draws "
                  "(edit the script, run it, commit its output):\n  " + "\n  ".join(stale))
            sys.exit(1)
        return
    root = Path(sys.argv[1]) if len(sys.argv) > 1 else repository
    count = 0
    for path, data in drawn_files():
        out = root / path
        out.parent.mkdir(parents=True, exist_ok=True)
        out.write_bytes(data)
        count += 1
    print("wrote %d icons under %s" % (count, root))


if __name__ == "__main__":
    main()
