#!/usr/bin/env python3
"""Writes the small TrueType fonts of the Type 42 tests: one tiny valid font ("tiny.ttf": a
.notdef box and a square "A") and hostile variants of it, each broken in one way. Run it again
only to change them; the tests read the files it wrote."""
import struct

def checksum(data):
    data += b"\0" * (-len(data) % 4)
    return sum(struct.unpack(">%dI" % (len(data) // 4), data)) & 0xFFFFFFFF

def glyph_box(x0, y0, x1, y1):
    # one contour of four on-curve points
    flags = bytes([1, 1, 1, 1])
    xs = [x0, x1 - x0, 0, x0 - x1]
    ys = [y0, 0, y1 - y0, 0]
    body = struct.pack(">hhhhh", 1, x0, y0, x1, y1) + struct.pack(">H", 3) + struct.pack(">H", 0) + flags
    body += b"".join(struct.pack(">h", v) for v in xs) + b"".join(struct.pack(">h", v) for v in ys)
    return body + b"\0" * (-len(body) % 4)

def tables(num_glyphs=2, post=None, magic=0x5F0F3CF5, units=1000, loca=None):
    glyphs = [glyph_box(50, 0, 450, 700), glyph_box(100, 0, 600, 700)]
    glyf = b"".join(glyphs)
    offsets = [0, len(glyphs[0]), len(glyf)]
    head = struct.pack(">IIIIHHqqhhhhHHhhh", 0x00010000, 0x00010000, 0, magic, 0x000B, units,
                       0, 0, 0, 0, 700, 700, 0, 8, 2, 1, 0)
    maxp = struct.pack(">IH", 0x00005000, num_glyphs)
    if post is None:
        names = b"\x01A"
        post = struct.pack(">IIhhIIIII", 0x00020000, 0, -100, 50, 0, 0, 0, 0, 0)
        post += struct.pack(">H", 2) + struct.pack(">HH", 0, 258) + names
    name = struct.pack(">HHH", 0, 0, 6)
    hhea = struct.pack(">IhhhHhhhhhhhhhhhH", 0x00010000, 800, -200, 0, 700, 0, 0, 600, 0, 0, 0, 0, 0, 0, 0, 0, 2)
    hmtx = struct.pack(">HhHh", 500, 50, 700, 100)
    if loca is None:
        loca = b"".join(struct.pack(">I", o) for o in offsets)
    return {b"glyf": glyf, b"head": head, b"hhea": hhea, b"hmtx": hmtx, b"loca": loca,
            b"maxp": maxp, b"name": name, b"post": post}

def font(tabs, version=0x00010000):
    tags = sorted(tabs)
    out = struct.pack(">IHHHH", version, len(tags), 16, 0, 0)
    at = 12 + 16 * len(tags)
    directory, body = b"", b""
    for tag in tags:
        data = tabs[tag]
        directory += tag + struct.pack(">III", checksum(data), at + len(body), len(data))
        body += data + b"\0" * (-len(data) % 4)
    return out + directory + body

def write(name, data):
    with open(name, "wb") as f:
        f.write(data)

good = font(tables())
write("tiny.ttf", good)
write("truncated.ttf", good[:len(good) // 2])
write("short_header.ttf", good[:10])
past = bytearray(good)
for i in range(len(tables())):
    struct.pack_into(">I", past, 12 + 16 * i + 8, len(good) + 16)
write("offsets_past_end.ttf", bytes(past))
write("bad_magic.ttf", font(tables(magic=0x12345678)))
write("units_per_em_zero.ttf", font(tables(units=0)))
bad_count = tables()
bad_count[b"post"] = bad_count[b"post"][:32] + struct.pack(">H", 7) + bad_count[b"post"][34:]
write("post_bad_count.ttf", font(bad_count))
past_strings = tables()
past_strings[b"post"] = past_strings[b"post"][:36] + struct.pack(">H", 300) + past_strings[b"post"][38:]
write("post_index_past_strings.ttf", font(past_strings))
long_string = tables()
long_string[b"post"] = long_string[b"post"][:38] + b"\x40A"
write("post_string_past_table.ttf", font(long_string))
write("huge_num_glyphs.ttf", font(tables(num_glyphs=65535)))
disorder = tables(loca=struct.pack(">III", 0, 40, 20))
write("loca_out_of_order.ttf", font(disorder))
no_loca = tables()
del no_loca[b"loca"]
write("no_loca.ttf", font(no_loca))
no_post = tables()
del no_post[b"post"]
write("no_post.ttf", font(no_post))
write("collection.ttf", b"ttcf" + good[4:])
write("cff_flavoured.ttf", font(tables(), version=0x4F54544F))
write("wrong_magic.ttf", b"\x7fELF" + good[4:])
