#!/usr/bin/env python3
"""Draws the configurator's own pictures: the button glyphs, the logo and the
default language flag.

Writes 24-bit Windows bitmaps (bottom-up rows, no palette) into
src/app/look/pictures. The build embeds the glyphs and the logo as Qt
resources and copies DefaultFlag.bmp into the run layout's LANGUAGE folder;
run this script again only to change a picture.

    python3 tools/gen_program_pictures.py

Button glyphs are drawn on the buttons' face colour and keep the key colour
(magenta) wherever nothing is drawn: the push button draws a glyph with its
bottom-left pixel's colour as transparent, so every glyph leaves that corner
empty. Edges are smoothed by 4 x 4 supersampling against the face colour.
The logo and the flag are opaque, on the dialogs' background colour.
"""
import math
import os
import struct

KEY = (255, 0, 255)          # transparent colour of the glyphs
FACE = (0xF8, 0xF7, 0xED)    # button face and dialog background (RGB)

BLUE = (0x2F, 0x6D, 0xB5)
DARK_BLUE = (0x1F, 0x4E, 0x86)
GREEN = (0x2E, 0x9B, 0x3A)
DARK_GREEN = (0x1F, 0x73, 0x29)
RED = (0xD2, 0x3B, 0x2E)
DARK_RED = (0x9E, 0x24, 0x1B)
SLATE = (0x5E, 0x6E, 0x7F)
DARK_SLATE = (0x3C, 0x48, 0x55)
PAPER = (0xFF, 0xFF, 0xFF)
FOLD = (0xD4, 0xDC, 0xE4)
FOLDER_BACK = (0xD9, 0x9A, 0x1E)
FOLDER_FRONT = (0xF6, 0xC9, 0x4C)
TEAL = (0x1C, 0x8C, 0x8C)
DARK_TEAL = (0x12, 0x5F, 0x63)
GREY = (0x80, 0x80, 0x80)
LIGHT_GREY = (0xB4, 0xB4, 0xB4)
WHITE = (0xFF, 0xFF, 0xFF)
SKY = (0xCF, 0xE3, 0xF5)

SS = 4  # samples per pixel along each axis


# ---- shapes: each is a test "is the point (x, y) inside?" ------------------------------------

def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def round_rect(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return inside


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ellipse(cx, cy, rx, ry):
    return lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0


def ring(cx, cy, r0, r1, a0=None, a1=None):
    """The band between radii r0 and r1, optionally only between the angles
    a0 and a1 (degrees, counter-clockwise from 3 o'clock, y pointing up)."""
    def inside(x, y):
        d2 = (x - cx) ** 2 + (y - cy) ** 2
        if not (r0 * r0 <= d2 <= r1 * r1):
            return False
        if a0 is None:
            return True
        a = math.degrees(math.atan2(cy - y, x - cx)) % 360
        lo, hi = a0 % 360, a1 % 360
        return lo <= a <= hi if lo <= hi else a >= lo or a <= hi
    return inside


def polygon(points):
    def inside(x, y):
        n, c = len(points), False
        for i in range(n):
            (x0, y0), (x1, y1) = points[i], points[(i + 1) % n]
            if (y0 > y) != (y1 > y) and x < (x1 - x0) * (y - y0) / (y1 - y0) + x0:
                c = not c
        return c
    return inside


def segment(x0, y0, x1, y1, w):
    """A stroke of width w with round ends."""
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy

    def inside(x, y):
        t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / length2))
        px, py = x0 + t * dx, y0 + t * dy
        return (x - px) ** 2 + (y - py) ** 2 <= (w / 2) ** 2
    return inside


def polyline(points, w):
    parts = [segment(*points[i], *points[i + 1], w) for i in range(len(points) - 1)]
    return lambda x, y: any(p(x, y) for p in parts)


def gear(cx, cy, r_out, r_in, teeth, hole):
    def inside(x, y):
        d = math.hypot(x - cx, y - cy)
        if d < hole:
            return False
        a = (math.atan2(y - cy, x - cx) / (2 * math.pi) * teeth) % 1.0
        return d <= (r_out if 0.25 <= a <= 0.75 else r_in)
    return inside


# ---- rendering ---------------------------------------------------------------------------------

def render(width, height, layers, background=None):
    """Layers are (shape, colour) pairs drawn in order. Returns rows of RGB
    tuples, top row first. Without a background the pixels nothing covers
    keep the key colour, and partly covered ones are blended on the face."""
    rows = []
    for py in range(height):
        row = []
        for px in range(width):
            r = g = b = 0
            covered = 0
            for sy in range(SS):
                for sx in range(SS):
                    x = px + (sx + 0.5) / SS
                    y = py + (sy + 0.5) / SS
                    colour = None
                    for shape, c in layers:
                        if shape(x, y):
                            colour = c
                    if colour is None:
                        colour = background
                    if colour is not None:
                        covered += 1
                        r, g, b = r + colour[0], g + colour[1], b + colour[2]
            n = SS * SS
            if background is None and covered * 6 < n:
                row.append(KEY)
                continue
            under = FACE if background is None else background
            rest = n - covered
            row.append(tuple(round((v + rest * f) / n) for v, f in zip((r, g, b), under)))
        rows.append(row)
    return rows


def side_by_side(*images):
    return [sum((img[y] for img in images), []) for y in range(len(images[0]))]


def bmp(rows):
    height, width = len(rows), len(rows[0])
    stride = (width * 3 + 3) // 4 * 4
    pixels = b""
    for row in reversed(rows):  # bottom-up
        line = b"".join(struct.pack("BBB", b, g, r) for r, g, b in row)
        pixels += line.ljust(stride, b"\0")
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(pixels), 0, 0, 14 + 40)
    return header + info + pixels


# ---- the pictures ------------------------------------------------------------------------------

def check_mark(s, colour, dark):
    k = s / 16
    pts = [(3.2 * k, 8.6 * k), (6.6 * k, 12.0 * k), (13.0 * k, 4.4 * k)]
    return [(polyline(pts, 3.4 * k), dark), (polyline(pts, 2.2 * k), colour)]


def cross(s, colour, dark, margin):
    a, b = margin, s - margin
    return [
        (segment(a, a, b, b, 0.2 * s), dark), (segment(b, a, a, b, 0.2 * s), dark),
        (segment(a, a, b, b, 0.13 * s), colour), (segment(b, a, a, b, 0.13 * s), colour),
    ]


def arrow_right(s, colour, dark):
    k = s / 16
    pts = [(2, 5.5), (8, 5.5), (8, 2.2), (14.2, 8), (8, 13.8), (8, 10.5), (2, 10.5)]
    pts = [(x * k, y * k) for x, y in pts]
    inner = [(x * k, y * k) for x, y in [(3, 6.5), (9, 6.5), (9, 4.6), (12.8, 8), (9, 11.4), (9, 9.5), (3, 9.5)]]
    return [(polygon(pts), dark), (polygon(inner), colour)]


def mirror(layers, s):
    return [((lambda f: lambda x, y: f(s - x, y))(shape), c) for shape, c in layers]


def refresh(s, colour, dark):
    k = s / 16
    c = 8 * k
    return [
        (ring(c, c, 3.3 * k, 6.3 * k, 60, 330), dark),
        (ring(c, c, 4.0 * k, 5.6 * k, 65, 325), colour),
        (polygon([(8.6 * k, 0.6 * k), (13.6 * k, 3.2 * k), (8.6 * k, 6.8 * k)]), dark),
    ]


def document(x0, y0, x1, y1, fold):
    """A page with a folded top-right corner, outlined."""
    outline = polygon([(x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1)])
    page = polygon([(x0 + 1, y0 + 1), (x1 - fold - 0.4, y0 + 1), (x1 - 1, y0 + fold + 0.4), (x1 - 1, y1 - 1),
                    (x0 + 1, y1 - 1)])
    corner = polygon([(x1 - fold, y0), (x1 - fold, y0 + fold), (x1, y0 + fold)])
    return [(outline, SLATE), (page, PAPER), (corner, FOLD)]


def step_new():
    layers = document(4, 1.5, 18.5, 22.5, 5)
    layers += [(circle(17, 17, 6.2), DARK_GREEN), (circle(17, 17, 5.2), GREEN),
               (rect(16, 13.5, 18, 20.5), WHITE), (rect(13.5, 16, 20.5, 18), WHITE)]
    return render(24, 24, layers)


def step_open():
    back = polygon([(1.5, 4), (9, 4), (11, 6.5), (20.5, 6.5), (20.5, 20.5), (1.5, 20.5)])
    back_in = polygon([(2.5, 5), (8.5, 5), (10.5, 7.5), (19.5, 7.5), (19.5, 19.5), (2.5, 19.5)])
    paper = rect(4.5, 8.5, 18, 14)
    front = polygon([(5, 11), (23, 11), (20, 20.5), (1.5, 20.5)])
    front_in = polygon([(5.7, 12), (21.6, 12), (19.2, 19.5), (2.9, 19.5)])
    return render(24, 24, [(back, FOLDER_BACK), (back_in, (0xE8, 0xB0, 0x36)), (paper, PAPER),
                           (front, FOLDER_BACK), (front_in, FOLDER_FRONT)])


def step_parameters():
    layers = []
    for y, knob in ((5.5, 8), (12, 16), (18.5, 11)):
        layers.append((segment(3, y, 21, y, 2), SLATE))
        layers.append((round_rect(knob - 2.5, y - 4, knob + 2.5, y + 4, 1.5), DARK_BLUE))
        layers.append((round_rect(knob - 1.5, y - 3, knob + 1.5, y + 3, 1), BLUE))
    return render(24, 24, layers)


def ethercat_chain(x_offset=0.0, y_offset=0.0, scale=1.0):
    """A master and a line of three slaves: the bus the gateway sits on."""
    def at(x, y):
        return x_offset + x * scale, y_offset + y * scale
    layers = [
        (polyline([at(5.5, 8), at(5.5, 16), at(21, 16)], 2 * scale), DARK_SLATE),
        (round_rect(*at(1.5, 1.5), *at(13.5, 9), 1.5 * scale), DARK_BLUE),
        (round_rect(*at(2.5, 2.5), *at(12.5, 8), 1 * scale), BLUE),
    ]
    for cx in (9, 15, 21):
        x0, y0 = at(cx - 2.8, 13.2)
        x1, y1 = at(cx + 2.8, 18.8)
        layers.append((round_rect(x0, y0, x1, y1, 1.2 * scale), DARK_TEAL))
        x0, y0 = at(cx - 1.8, 14.2)
        x1, y1 = at(cx + 1.8, 17.8)
        layers.append((rect(x0, y0, x1, y1), TEAL))
    return layers


def step_ethercat():
    return render(24, 24, ethercat_chain(0, 2))


def step_esi():
    layers = document(3, 1.5, 17.5, 22.5, 5)
    layers += [(polyline([(8.5, 9), (5.5, 12), (8.5, 15)], 1.8), DARK_TEAL),
               (polyline([(12, 9), (15, 12), (12, 15)], 1.8), DARK_TEAL),
               (segment(11.2, 8.5, 9.3, 15.5, 1.4), TEAL),
               (rect(5.5, 18, 15, 19), LIGHT_GREY)]
    return render(24, 24, layers)


def step_update():
    layers = [
        (round_rect(2, 13, 22, 22.5, 2), DARK_SLATE),
        (round_rect(3, 14, 21, 21.5, 1.5), SLATE),
        (circle(6.5, 18, 1.2), (0x7C, 0xE0, 0x6A)),
        (circle(10, 18, 1.2), (0xF4, 0xC0, 0x40)),
        (rect(13, 16.5, 19, 19.5), DARK_SLATE),
        (polygon([(9, 0.8), (15, 0.8), (15, 6.5), (19, 6.5), (12, 13.2), (5, 6.5), (9, 6.5)]), DARK_GREEN),
        (polygon([(10, 1.8), (14, 1.8), (14, 7.5), (16.6, 7.5), (12, 11.8), (7.4, 7.5), (10, 7.5)]), GREEN),
    ]
    return render(24, 24, layers)


def step_table():
    layers = [(rect(2, 3, 22, 21), SLATE), (rect(3, 4, 21, 20), PAPER), (rect(3, 4, 21, 8), BLUE)]
    for y in (12, 16):
        layers.append((rect(3, y, 21, y + 1), LIGHT_GREY))
    for x in (9, 15):
        layers.append((rect(x, 4, x + 1, 20), LIGHT_GREY))
    return render(24, 24, layers)


def tool_info():
    return render(32, 32, [(circle(16, 16, 13.5), DARK_BLUE), (circle(16, 16, 12.3), BLUE),
                           (circle(16, 9.6, 2.3), WHITE), (round_rect(14, 13.5, 18, 24.5, 1), WHITE),
                           (rect(12.5, 13.5, 16, 15.3), WHITE), (rect(12.5, 22.7, 19.5, 24.5), WHITE)])


def tool_options():
    return render(32, 32, [(gear(16, 16, 13.5, 10.2, 8, 0), DARK_SLATE),
                           (gear(16, 16, 12.4, 9.1, 8, 0), SLATE),
                           (circle(16, 16, 5.8), DARK_SLATE), (circle(16, 16, 4.2), FACE)])


def tool_close():
    return render(32, 32, [(circle(16, 16, 13.5), DARK_RED), (circle(16, 16, 12.3), RED),
                           (segment(11, 11, 21, 21, 3.4), WHITE), (segment(21, 11, 11, 21, 3.4), WHITE)])


def about_ok():
    normal = render(18, 18, check_mark(18, GREEN, DARK_GREEN))
    disabled = render(18, 18, check_mark(18, LIGHT_GREY, GREY))
    return side_by_side(normal, disabled)


def logo():
    s = 81

    def band(top, bottom, colour_top, colour_bottom):
        # A tile of horizontal bands from one colour to another.
        layers = []
        for i in range(top, bottom):
            t = (i - top) / max(1, bottom - top - 1)
            c = tuple(round(a + (b - a) * t) for a, b in zip(colour_top, colour_bottom))
            layers.append((rect(0, i, s, i + 1), c))
        return layers

    tile = round_rect(3, 3, 78, 78, 15)
    layers = []
    for shape, colour in band(3, 78, (0x2F, 0xA8, 0xAC), (0x15, 0x6B, 0x78)):
        layers.append(((lambda f: lambda x, y: tile(x, y) and f(x, y))(shape), colour))
    # Two arrows passing each other: data crossing the gateway both ways.
    layers += [
        (polygon([(16, 22), (47, 22), (47, 14), (65, 27), (47, 40), (47, 32), (16, 32)]), WHITE),
        (polygon([(65, 49), (34, 49), (34, 41), (16, 54), (34, 67), (34, 59), (65, 59)]), (0xD6, 0xF0, 0xEE)),
    ]
    return render(s, s, layers, background=FACE)


def default_flag():
    s = 48
    layers = [
        (rect(3, 8, 45, 40), GREY),
        (rect(4, 9, 44, 39), SKY),
        (circle(24, 24, 11.5), DARK_BLUE),
        (circle(24, 24, 10.3), WHITE),
        (ring(24, 24, 0, 10.3), WHITE),
        (lambda x, y: ellipse(24, 24, 5.2, 10.3)(x, y) and not ellipse(24, 24, 4.0, 9.4)(x, y), BLUE),
        (lambda x, y: abs(x - 24) <= 0.6 and circle(24, 24, 10.3)(x, y), BLUE),
        (lambda x, y: abs(y - 24) <= 0.6 and circle(24, 24, 10.3)(x, y), BLUE),
        (lambda x, y: abs(y - 18.5) <= 0.5 and circle(24, 24, 10.3)(x, y), BLUE),
        (lambda x, y: abs(y - 29.5) <= 0.5 and circle(24, 24, 10.3)(x, y), BLUE),
    ]
    return render(s, s, layers, background=FACE)


PICTURES = {
    "step_new": step_new,
    "step_open": step_open,
    "step_parameters": step_parameters,
    "step_ethercat": step_ethercat,
    "step_esi": step_esi,
    "step_update": step_update,
    "step_table": step_table,
    "tool_info": tool_info,
    "tool_options": tool_options,
    "tool_close": tool_close,
    "dlg_ok": lambda: render(16, 16, check_mark(16, GREEN, DARK_GREEN)),
    "dlg_cancel": lambda: render(16, 16, cross(16, RED, DARK_RED, 4)),
    "dlg_next": lambda: render(16, 16, arrow_right(16, BLUE, DARK_BLUE)),
    "dlg_prev": lambda: render(16, 16, mirror(arrow_right(16, BLUE, DARK_BLUE), 16)),
    "dlg_check_update": lambda: render(16, 16, refresh(16, GREEN, DARK_GREEN)),
    "about_ok": about_ok,
    "logo": logo,
    "DefaultFlag": default_flag,
}


def main() -> None:
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src", "app", "look", "pictures")
    os.makedirs(out, exist_ok=True)
    for name, draw in PICTURES.items():
        rows = draw()
        with open(os.path.join(out, name + ".bmp"), "wb") as f:
            f.write(bmp(rows))
        print("wrote", name + ".bmp", f"{len(rows[0])}x{len(rows)}")


if __name__ == "__main__":
    main()
