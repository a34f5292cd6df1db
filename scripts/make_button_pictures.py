#!/usr/bin/env python3
"""Draws the button pictures as PNG files: the shell's previous/next buttons (an up and a down
triangle, which Move Up and Move Down on Special Pages share) and the other Special Pages buttons.

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


INK = [60, 60, 60, 255]
BLUE = [40, 90, 200, 255]
RED = [200, 50, 40, 255]
PAPER = [255, 255, 255, 255]


def picture(colour_at):
    """Rows of pixels, each the colour colour_at(x, y) answers (None: clear)."""
    return [sum((colour_at(x, y) or [0, 0, 0, 0] for x in range(SIZE)), []) for y in range(SIZE)]


def sheet(x, y, left=3, top=1, right=12, bottom=14, fill=PAPER):
    """A sheet of paper: an outline with a fill, or None outside it."""
    if not (left <= x <= right and top <= y <= bottom):
        return None
    return INK if x in (left, right) or y in (top, bottom) else fill


def covers(x, y):  # a sheet in a coloured cover
    return sheet(x, y, fill=BLUE if x <= 5 or x >= 10 or y <= 3 or y >= 12 else PAPER)


def inserts(x, y):  # a coloured sheet between two others
    return sheet(x, y, 6, 1, 14, 11) or sheet(x, y, 4, 3, 12, 13, BLUE) or sheet(x, y, 2, 5, 10, 15)


def exceptions(x, y):  # a sheet with a band of other pages
    return sheet(x, y, fill=RED if 6 <= y <= 9 else PAPER)


def edit(x, y):  # a pencil across the sheet
    return INK if abs((x - 2) - (13 - y)) <= 1 and 2 <= x <= 13 else sheet(x, y)


def cross(x, y, left=3, right=12):
    return left <= x <= right and left <= y <= right and (abs(x - y) <= 1 or abs(x + y - 15) <= 1)


def delete(x, y):
    return RED if cross(x, y) else None


def delete_all(x, y):  # a cross over a stack of sheets
    return RED if cross(x, y, 5, 14) else sheet(x, y, 1, 1, 9, 12) or sheet(x, y, 3, 3, 11, 14)


def undo(x, y):  # an arrow turning back to the left
    arc = 4 <= x <= 13 and 4 <= y <= 12 and 3.5 <= ((x - 8.5) ** 2 + (y - 8.5) ** 2) ** 0.5 <= 5 and (x >= 8 or y <= 8)
    head = 1 <= x <= 5 and abs(y - 4) <= 3 - (x - 1) * 0.75
    return INK if arc or head else None


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "resources"
    for name, up in (("ButtonGraphic_MacUp.png", True), ("ButtonGraphic_MacDown.png", False)):
        with open(f"{folder}/{name}", "wb") as out:
            out.write(png(triangle(up)))
    for name, colour_at in (("AddCovers", covers), ("AddInserts", inserts), ("AddExceptions", exceptions),
                            ("Edit", edit), ("Delete", delete), ("DeleteAll", delete_all), ("Undo", undo)):
        with open(f"{folder}/ButtonGraphic_{name}.png", "wb") as out:
            out.write(png(picture(colour_at)))


if __name__ == "__main__":
    main()
