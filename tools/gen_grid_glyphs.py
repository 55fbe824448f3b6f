#!/usr/bin/env python3
"""Draws the grid's own glyphs: the check boxes "VSGCHK01".."VSGCHK08", the
radio buttons "VSGRAD01".."VSGRAD08", the filter button "VSGFILT", the
colour-tones glyphs "metrocheckon", "metrocheckoff", "metroradioon",
"metroradiooff", and the search bar's arrows "VSGARDOWN", "VSGARUP" (with
their disabled "...D" forms), close cross "VSGCLOSE" (hot "VSGCLOSEH",
down "VSGCLOSED") and highlight marker "VSGHI" ("VSGHID" disabled).

Writes 24-bit Windows bitmaps into src/grid/render/glyphs; the grid library
embeds them as Qt resources (":/grid/<name>.bmp") and LoadResourceBitmap
serves them. Run again only to change a picture:

    python3 tools/gen_grid_glyphs.py

Every glyph keeps the key colour (magenta) in its corners: the painters draw
check boxes and radios with the bottom-left pixel's colour transparent and
the filter glyph with the top-left one's. Edges are smoothed by 4 x 4
supersampling against white.
"""
import os
import struct

KEY = (255, 0, 255)
SS = 4

BORDER = (0x1C, 0x51, 0x80)       # enabled frame (RGB)
BORDER_OFF = (0xB0, 0xB0, 0xB0)   # disabled frame
FILL_TOP = (0xFF, 0xFF, 0xFF)
FILL_BOTTOM = (0xDC, 0xE6, 0xF0)
FILL_OFF = (0xF2, 0xF2, 0xF2)
TICK = (0x21, 0x6E, 0x1E)
TICK_OFF = (0x9A, 0x9A, 0x9A)
DOT = (0x1F, 0x4E, 0x86)
METRO = (0x33, 0x33, 0x33)
METRO_FILL = (0xFF, 0xFF, 0xFF)


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def segment(x0, y0, x1, y1, w):
    dx, dy = x1 - x0, y1 - y0
    ll = dx * dx + dy * dy

    def inside(x, y):
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / ll))
        px, py = x0 + t * dx, y0 + t * dy
        return (x - px) ** 2 + (y - py) ** 2 <= (w / 2) ** 2
    return inside


def polygon(points):
    def inside(x, y):
        c = False
        n = len(points)
        for i in range(n):
            x0, y0 = points[i]
            x1, y1 = points[(i + 1) % n]
            if (y0 > y) != (y1 > y) and x < (x1 - x0) * (y - y0) / (y1 - y0) + x0:
                c = not c
        return c
    return inside


def render(size, layers):
    """layers: list of (shape, colour or function y->colour); key background."""
    px = []
    for y in range(size):
        row = []
        for x in range(size):
            acc = [0, 0, 0]
            hits = 0
            for sy in range(SS):
                for sx in range(SS):
                    fx = x + (sx + 0.5) / SS
                    fy = y + (sy + 0.5) / SS
                    col = None
                    for shape, colour in layers:
                        if shape(fx, fy):
                            col = colour(fy) if callable(colour) else colour
                    if col is not None:
                        hits += 1
                        for i in range(3):
                            acc[i] += col[i]
            if hits == 0:
                row.append(KEY)
            else:
                # Partly covered pixels mix with white, never with the key.
                n = SS * SS
                row.append(tuple(round((acc[i] + (n - hits) * 255) / n) for i in range(3)))
        px.append(row)
    return px


def write_bmp(path, px):
    h = len(px)
    w = len(px[0])
    stride = (w * 3 + 3) & ~3
    data = bytearray()
    for y in range(h - 1, -1, -1):
        line = bytearray()
        for r, g, b in px[y]:
            line += bytes((b, g, r))
        line += b"\0" * (stride - len(line))
        data += line
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)


def gradient(top, bottom, y0, y1):
    def colour(y):
        t = max(0.0, min(1.0, (y - y0) / max(1e-6, y1 - y0)))
        return tuple(round(top[i] + (bottom[i] - top[i]) * t) for i in range(3))
    return colour


def check_box(size, checked, enabled):
    m = 1 if size >= 20 else 1
    box = size - 2 * m - (4 if size >= 20 else 3)
    x0 = y0 = m + (2 if size >= 20 else 1)
    x1, y1 = x0 + box, y0 + box
    frame = BORDER if enabled else BORDER_OFF
    fill = gradient(FILL_TOP, FILL_BOTTOM, y0, y1) if enabled else FILL_OFF
    layers = [(rect(x0, y0, x1, y1), frame), (rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1), fill)]
    if checked:
        s = box / 11.0
        tick = TICK if enabled else TICK_OFF
        layers.append((segment(x0 + 2.5 * s, y0 + 5.5 * s, x0 + 4.5 * s, y0 + 8 * s, 1.8 * s), tick))
        layers.append((segment(x0 + 4.5 * s, y0 + 8 * s, x0 + 8.8 * s, y0 + 2.8 * s, 1.8 * s), tick))
    return render(size, layers)


def radio(size, checked, enabled):
    c = size / 2.0
    r = size / 2.0 - 2
    frame = BORDER if enabled else BORDER_OFF
    fill = gradient(FILL_TOP, FILL_BOTTOM, c - r, c + r) if enabled else FILL_OFF
    layers = [(circle(c, c, r), frame), (circle(c, c, r - 1.1), fill)]
    if checked:
        layers.append((circle(c, c, r * 0.45), DOT if enabled else TICK_OFF))
    return render(size, layers)


def metro_check(checked):
    layers = [(rect(2, 2, 14, 14), METRO), (rect(3, 3, 13, 13), METRO_FILL)]
    if checked:
        layers.append((rect(5, 5, 11, 11), METRO))
    return render(16, layers)


def metro_radio(checked):
    layers = [(circle(8, 8, 6), METRO), (circle(8, 8, 5), METRO_FILL)]
    if checked:
        layers.append((circle(8, 8, 3), METRO))
    return render(16, layers)


def filter_glyph():
    funnel = polygon([(2.5, 3), (13.5, 3), (9, 8.5), (9, 13), (7, 14), (7, 8.5)])
    return render(16, [(funnel, (0x40, 0x40, 0x40)),
                       (polygon([(4.5, 4), (11.5, 4), (8.2, 7.8), (7.8, 7.8)]), (0xF0, 0xF0, 0xF0))])


ARROW = (0x2E, 0x7D, 0x32)
ARROW_OFF = (0xA8, 0xA8, 0xA8)
CROSS = (0x50, 0x50, 0x50)
CROSS_HOT = (0xC4, 0x2B, 0x1C)
CROSS_DOWN = (0x8A, 0x1A, 0x10)
MARKER = (0xF5, 0xC5, 0x18)
MARKER_TIP = (0x40, 0x40, 0x40)


def arrow_glyph(down, enabled):
    if down:
        pts = [(6, 2), (10, 2), (10, 8), (13.5, 8), (8, 14), (2.5, 8), (6, 8)]
    else:
        pts = [(6, 14), (10, 14), (10, 8), (13.5, 8), (8, 2), (2.5, 8), (6, 8)]
    return render(16, [(polygon(pts), ARROW if enabled else ARROW_OFF)])


def close_glyph(colour):
    return render(12, [(segment(2.5, 2.5, 9.5, 9.5, 1.8), colour), (segment(9.5, 2.5, 2.5, 9.5, 1.8), colour)])


def marker_glyph(enabled):
    body = polygon([(9, 2), (14, 7), (7, 14), (2, 9)])
    tip = polygon([(2, 9), (7, 14), (2, 14)])
    if enabled:
        return render(16, [(body, MARKER), (tip, MARKER_TIP)])
    return render(16, [(body, (0xC8, 0xC8, 0xC8)), (tip, ARROW_OFF)])


def main():
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src", "grid", "render", "glyphs")
    os.makedirs(out, exist_ok=True)
    order = [(True, True), (False, True), (True, False), (False, False)]
    for i, (checked, enabled) in enumerate(order):
        write_bmp(os.path.join(out, "VSGCHK%02d.bmp" % (i + 1)), check_box(20, checked, enabled))
        write_bmp(os.path.join(out, "VSGCHK%02d.bmp" % (i + 5)), check_box(16, checked, enabled))
        write_bmp(os.path.join(out, "VSGRAD%02d.bmp" % (i + 1)), radio(16, checked, enabled))
        write_bmp(os.path.join(out, "VSGRAD%02d.bmp" % (i + 5)), radio(16, checked, enabled))
    write_bmp(os.path.join(out, "VSGFILT.bmp"), filter_glyph())
    write_bmp(os.path.join(out, "metrocheckon.bmp"), metro_check(True))
    write_bmp(os.path.join(out, "metrocheckoff.bmp"), metro_check(False))
    write_bmp(os.path.join(out, "metroradioon.bmp"), metro_radio(True))
    write_bmp(os.path.join(out, "metroradiooff.bmp"), metro_radio(False))
    write_bmp(os.path.join(out, "VSGARDOWN.bmp"), arrow_glyph(True, True))
    write_bmp(os.path.join(out, "VSGARDOWND.bmp"), arrow_glyph(True, False))
    write_bmp(os.path.join(out, "VSGARUP.bmp"), arrow_glyph(False, True))
    write_bmp(os.path.join(out, "VSGARUPD.bmp"), arrow_glyph(False, False))
    write_bmp(os.path.join(out, "VSGCLOSE.bmp"), close_glyph(CROSS))
    write_bmp(os.path.join(out, "VSGCLOSEH.bmp"), close_glyph(CROSS_HOT))
    write_bmp(os.path.join(out, "VSGCLOSED.bmp"), close_glyph(CROSS_DOWN))
    write_bmp(os.path.join(out, "VSGHI.bmp"), marker_glyph(True))
    write_bmp(os.path.join(out, "VSGHID.bmp"), marker_glyph(False))


if __name__ == "__main__":
    main()
