"""Python's plistlib on the other side of the watermark file.

  defaults-check PATH   PATH must hold the three default watermarks and their list, as values and
                        byte for byte as plistlib writes them; prints "values: same" and
                        "bytes: same" (or what differs)
  describe PATH NAME    prints the record NAME of PATH, one "key type value" a line, sorted
  write PATH            writes a watermark file as another tool would: whole numbers where
                        reals belong, glyphs in this machine's byte order with a count that
                        disagrees, a picture watermark and a font program
"""
import plistlib
import struct
import sys


def default_record(text, x_pos, y_pos):
    return {
        "textString": text, "filename": "", "filePath": "", "fontName": "ArialMT",
        "xOffset": 0.0, "yOffset": 0.0, "xPos": x_pos, "yPos": y_pos,
        "angle": 45, "density": 25, "scale": 100, "units": 0, "fontSize": 72,
        "wellColorRed": 0.0, "wellColorGreen": 0.0, "wellColorBlue": 1.0, "wellColorAlpha": 1.0,
        "fontColorRed": 0.75, "fontColorGreen": 0.75, "fontColorBlue": 1.0, "fontColorAlpha": 1.0,
    }


DEFAULTS = {
    "WatermarkListEntries": ["Draft", "Confidential", "Copy"],
    "Draft": default_record("Draft", 280.627441, 311.049927),
    "Confidential": default_record("Confidential", 201.350601, 231.773102),
    "Copy": default_record("Copy", 276.36319, 306.785675),
}


def same(a, b):
    if type(a) is not type(b):
        return False
    if isinstance(a, dict):
        return a.keys() == b.keys() and all(same(a[k], b[k]) for k in a)
    if isinstance(a, list):
        return len(a) == len(b) and all(same(x, y) for x, y in zip(a, b))
    return a == b


def main(argv):
    command, path = argv[1], argv[2]
    if command == "defaults-check":
        raw = open(path, "rb").read()
        loaded = plistlib.loads(raw)
        print("values:", "same" if same(loaded, DEFAULTS) else "differ %r" % (loaded,))
        print("bytes:", "same" if raw == plistlib.dumps(DEFAULTS) else "differ")
    elif command == "describe":
        record = plistlib.load(open(path, "rb"))[argv[3]]
        for key in sorted(record):
            value = record[key]
            if isinstance(value, bytes):
                value = list(struct.unpack("=%dH" % (len(value) // 2), value))
            print(key, type(record[key]).__name__, value)
    elif command == "write":
        hand_made = {
            "textString": "Hand made", "fontName": "Helvetica", "fontSize": 48, "angle": 30,
            "density": 50, "scale": 100, "units": 1,
            "xOffset": 1, "yOffset": -2.5, "xPos": 100, "yPos": 200.25,
            "wellColorRed": 1, "wellColorGreen": 0, "wellColorBlue": 0, "wellColorAlpha": 1,
            "glyphs": struct.pack("=3H", 43, 68, 81), "glyphCount": 99,
            "an unknown key": "ignored",
        }
        picture = {"filename": "pic.png", "filePath": "/srv/pictures/pic.png", "scale": 40}
        root = {
            "WatermarkListEntries": ["Hand made", "pic.png"],
            "Hand made": hand_made,
            "pic.png": picture,
            "KV-Helvetica-KV": b"%!PS-AdobeFont-1.0 subset\n",
        }
        with open(path, "wb") as f:
            plistlib.dump(root, f, sort_keys=False)
    else:
        sys.exit("unknown command " + command)


main(sys.argv)
