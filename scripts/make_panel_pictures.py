#!/usr/bin/env python3
"""Draws the Paper/Output panel's pictures (job types, two-sided printing, output colour and the
finishing positions) as small PNG files: a sheet with staples, holes, folds or marks on it.

Run once when the pictures change: python3 scripts/make_panel_pictures.py resources/
Uses only the standard library, so the pictures can be remade on any machine.
"""
import struct
import sys
import zlib

SIZE = 48
INK = (60, 60, 60, 255)
PAPER = (255, 255, 255, 255)
BLUE = (40, 90, 200, 255)
RED = (200, 50, 40, 255)
GREEN = (40, 150, 70, 255)
GREY = (150, 150, 150, 255)
CLEAR = (0, 0, 0, 0)
# The sheet, portrait: x 12..35, y 6..41.
LEFT, TOP, RIGHT, BOTTOM = 12, 6, 35, 41


def png(pixels):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    raw = b"".join(b"\x00" + bytes(sum((list(p) for p in row), [])) for row in pixels)
    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


class Picture:
    def __init__(self):
        self.px = [[CLEAR] * SIZE for _ in range(SIZE)]

    def rect(self, x0, y0, x1, y1, colour):
        for y in range(max(y0, 0), min(y1, SIZE - 1) + 1):
            for x in range(max(x0, 0), min(x1, SIZE - 1) + 1):
                self.px[y][x] = colour

    def sheet(self, dx=0, dy=0, fill=PAPER):
        self.rect(LEFT + dx, TOP + dy, RIGHT + dx, BOTTOM + dy, INK)
        self.rect(LEFT + dx + 1, TOP + dy + 1, RIGHT + dx - 1, BOTTOM + dy - 1, fill)

    def lines(self, colour=GREY):
        for y in range(TOP + 6, BOTTOM - 3, 4):
            self.rect(LEFT + 4, y, RIGHT - 4, y, colour)

    def dot(self, x, y, colour=INK):
        self.rect(x - 1, y - 1, x + 1, y + 1, colour)


def spread(first, last, n):
    """n marks from first to last, evenly apart: the last one still on the sheet."""
    return [first + (i * (last - first)) // max(n - 1, 1) for i in range(n)]


EDGES = {  # staples or holes along one edge: LT left, TR top, BL bottom, RB right
    "LT": lambda n: [(LEFT + 3, y) for y in spread(TOP + 6, BOTTOM - 6, n)],
    "TR": lambda n: [(x, TOP + 3) for x in spread(LEFT + 4, RIGHT - 4, n)],
    "BL": lambda n: [(x, BOTTOM - 3) for x in spread(LEFT + 4, RIGHT - 4, n)],
    "RB": lambda n: [(RIGHT - 3, y) for y in spread(TOP + 6, BOTTOM - 6, n)],
}
CORNERS = {"TLTR": (LEFT + 3, TOP + 3), "BLTL": (LEFT + 3, BOTTOM - 3), "TRBR": (RIGHT - 3, TOP + 3),
           "BRBL": (RIGHT - 3, BOTTOM - 3)}


def staples_along(edge, count):
    p = Picture()
    p.sheet()
    p.lines()
    for x, y in EDGES[edge](count):
        if edge in ("LT", "RB"):
            p.rect(x, y - 2, x, y + 2, INK)
        else:
            p.rect(x - 2, y, x + 2, y, INK)
    return p


def centre_staples(edge):
    p = Picture()
    p.sheet()
    middle = {"LT": ("v", LEFT + 6), "RB": ("v", RIGHT - 6), "TR": ("h", TOP + 6), "BL": ("h", BOTTOM - 6)}[edge]
    if middle[0] == "v":
        p.rect(middle[1], TOP + 1, middle[1], BOTTOM - 1, GREY)
        for y in (TOP + 10, BOTTOM - 10):
            p.rect(middle[1], y - 2, middle[1], y + 2, INK)
    else:
        p.rect(LEFT + 1, middle[1], RIGHT - 1, middle[1], GREY)
        for x in (LEFT + 6, RIGHT - 6):
            p.rect(x - 2, middle[1], x + 2, middle[1], INK)
    return p


def holes(edge, count):
    p = Picture()
    p.sheet()
    p.lines()
    for x, y in EDGES[edge](count):
        p.dot(x, y)
    return p


def pictures():
    out = {}
    for corner, (x, y) in CORNERS.items():
        p = Picture()
        p.sheet()
        p.lines()
        p.rect(x - 2, y - 1, x + 2, y + 1, INK)
        out[f"ProductionFinishing_1St_{corner}"] = p
    for edge in EDGES:
        out[f"ProductionFinishing_2St_{edge}"] = staples_along(edge, 2)
        out[f"ProductionFinishing_CtSt_{edge}"] = centre_staples(edge)
        for count in (2, 3, 4):
            out[f"ProductionFinishing_{count}Hp_{edge}"] = holes(edge, count)
    for edge in ("LT", "RB"):
        p = Picture()
        p.sheet()
        x = LEFT + 1 if edge == "LT" else RIGHT - 3
        p.rect(x, TOP + 1, x + 2, BOTTOM - 1, BLUE)
        out[f"ProductionFinishing_Bnd_{edge}"] = p
    normal = Picture()
    normal.sheet()
    normal.lines()
    out["ProductionFinishing_Normal"] = normal
    slip = Picture()
    slip.sheet(4, 3)
    slip.sheet(0, 0, (250, 230, 120, 255))
    out["ProductionFinishing_Slip_Sheets"] = slip
    booklet = Picture()
    booklet.sheet()
    booklet.rect(23, TOP, 24, BOTTOM, INK)
    out["ProductionFinishing_Bklt_Fold"] = booklet
    custom = Picture()
    custom.sheet()
    custom.rect(20, 18, 27, 29, GREEN)
    out["ProductionFinishing_Custom"] = custom
    for name, folds in (("C_Fold", (17, 29)), ("Z_Fold", (18, 30))):
        p = Picture()
        p.sheet()
        for y in folds:
            p.rect(LEFT, y, RIGHT, y, INK)
        out[f"ProductionFinishing_{name}"] = p
    for side, x in (("Left", LEFT + 12), ("Right", LEFT + 12)):
        p = Picture()
        p.sheet()
        p.rect(LEFT, 24, RIGHT, 24, INK)
        p.rect(x, 24, x, BOTTOM, GREY)
        p.rect(LEFT + 1 if side == "Left" else RIGHT - 2, TOP + 1, LEFT + 2 if side == "Left" else RIGHT - 1, BOTTOM - 1, BLUE)
        out[f"ProductionFinishing_ZFold_Half_{side}"] = p
    marks = {"NormalPrint": INK, "HoldJob": GREY, "SavedJob": BLUE, "Fax": GREEN, "SecurePrint": RED,
             "DelayPrint": (200, 140, 30, 255), "SampleSet": (120, 60, 160, 255), "BackgroundForm": (90, 160, 200, 255)}
    for name, colour in marks.items():
        p = Picture()
        p.sheet()
        p.lines()
        p.rect(RIGHT - 8, BOTTOM - 8, RIGHT - 2, BOTTOM - 2, colour)
        out[f"JobType_{name}"] = p
    one = Picture()
    one.sheet()
    one.lines()
    out["2SidedPrinting_1Sided"] = one
    two = Picture()
    two.sheet(4, 3)
    two.sheet()
    two.lines()
    out["2SidedPrinting_2Sided"] = two
    flip = Picture()
    flip.sheet(3, 4)
    flip.sheet()
    flip.lines(BLUE)
    out["2SidedPrinting_2SidedFlip"] = flip
    for name, colours in (("Color", (RED, GREEN, BLUE)), ("BlackandWhite", (INK, GREY, INK)), ("PrnDef", (GREY,) * 3)):
        p = Picture()
        p.sheet()
        for i, colour in enumerate(colours):
            p.rect(LEFT + 4, TOP + 6 + i * 9, RIGHT - 4, TOP + 11 + i * 9, colour)
        out[f"OutputColor_{name}"] = p
    return out


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "resources"
    for name, picture in pictures().items():
        with open(f"{folder}/{name}.png", "wb") as f:
            f.write(png(picture.px))


if __name__ == "__main__":
    main()
