#!/usr/bin/env python3
"""Draws the shell's previous/next button pictures (an up and a down triangle) as PNG files.

Run once when the pictures change: python3 scripts/make_button_pictures.py resources/
Uses only the standard library, so the pictures can be remade on any machine.
"""
import struct
import sys
import zlib

SIZE = 16


def png(pixels):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    raw = b"".join(b"\x00" + bytes(row) for row in pixels)
    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def triangle(pointing_up):
    rows = []
    for y in range(SIZE):
        row = []
        # Rows 3..12 hold the triangle; its half-width grows by one pixel every two rows.
        depth = (y - 3) if pointing_up else (12 - y)
        half = depth // 2 + 1 if 0 <= depth <= 9 else 0
        for x in range(SIZE):
            inside = half > 0 and abs(x - 7.5) < half
            row += [60, 60, 60, 255] if inside else [0, 0, 0, 0]
        rows.append(row)
    return rows


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "resources"
    for name, up in (("ButtonGraphic_MacUp.png", True), ("ButtonGraphic_MacDown.png", False)):
        with open(f"{folder}/{name}", "wb") as out:
            out.write(png(triangle(up)))


if __name__ == "__main__":
    main()
