#!/usr/bin/env python3
"""Draws the 16 x 14 device icon of the EtherCAT slave description file.

Writes src/ethercat/esi/esi_icon.bmp: a 16-colour Windows bitmap (bottom-up
rows, 4 bits per pixel, the standard 16-colour palette). The build embeds the
file as hexadecimal text; run this script again only to change the picture.

    python3 tools/gen_esi_icon.py
"""
import os
import struct

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]

# One character per pixel, top row first; the key below gives the palette index.
# A grey device box with two status lights and two network ports.
PICTURE = [
    "................",
    ".##############.",
    ".#ssssssssssss#.",
    ".#sGsYssssssss#.",
    ".#ssssssssssss#.",
    ".#ssssssssssss#.",
    ".#sPPPPssPPPPs#.",
    ".#sPddPssPddPs#.",
    ".#sPddPssPddPs#.",
    ".#sPPPPssPPPPs#.",
    ".#ssssssssssss#.",
    ".##############.",
    "................",
    "................",
]
KEY = {".": 15, "#": 8, "s": 7, "G": 10, "Y": 11, "P": 0, "d": 8}

WIDTH, HEIGHT = 16, 14


def bitmap() -> bytes:
    assert len(PICTURE) == HEIGHT and all(len(r) == WIDTH for r in PICTURE)
    row_bytes = (WIDTH * 4 + 31) // 32 * 4
    pixels = b""
    for line in reversed(PICTURE):  # bottom-up
        row = bytearray()
        for x in range(0, WIDTH, 2):
            row.append(KEY[line[x]] << 4 | KEY[line[x + 1]])
        pixels += bytes(row).ljust(row_bytes, b"\0")
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    offset = 14 + 40 + len(palette)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 4, 0, len(pixels), 0, 0, 16, 0)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return header + info + palette + pixels


def main() -> None:
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    path = os.path.join(root, "src", "ethercat", "esi", "esi_icon.bmp")
    with open(path, "wb") as f:
        f.write(bitmap())
    print(path)


if __name__ == "__main__":
    main()
