"""The other side of the property-list interop tests: Python's own plistlib.

  sample-check PATH        load PATH (written by us) and compare it with SAMPLE;
                           prints "values: same" and "bytes: same" (or what differs)
  sample-write PATH MODE   write SAMPLE with plistlib, MODE "sorted" or "unsorted"
  reals-write PATH SEED    write an array of random doubles (every bit pattern but NaN)
  nan-check PATH           load PATH and check that its only value is a NaN real

SAMPLE must stay the same value as InteropSample() in xml_plist_interop_test.cpp.
"""
import datetime
import math
import plistlib
import random
import struct
import sys

SAMPLE = {
    "zz last": "z",
    "Integers": [0, 1, -1, 42, 9223372036854775807, -9223372036854775808],
    "Reals": [0.0, -0.0, 1.5, -2.25, 0.1, 1e16, 1e15, 1e-05, 0.0001, 123456.789,
              5e-324, 1.7976931348623157e308, math.inf, -math.inf],
    "Booleans": [True, False],
    "Strings": ["", "plain", "a & b < c > d", "Grüße, 日本語, 🖨",
                "  spaced\n\ttext  ", ']]> "quoted" \'apos\''],
    "Data": [b"", bytes(range(256))],
    "Dates": [datetime.datetime(2024, 2, 29, 23, 59, 58),
              datetime.datetime(1969, 12, 31, 23, 59, 59),
              datetime.datetime(1, 1, 1),
              datetime.datetime(9999, 12, 31, 23, 59, 59)],
    "Nested": {"Empty dict": {}, "Empty array": [],
               "Deeper": {"list": [{"k": "v"}, [1, [2, [3]]]]}},
    "Aa first": "a",
    "éclair": "non-ASCII key",
}


def same(a, b):
    """Equality that also tells -0.0 from 0.0, as the C++ side does."""
    if isinstance(a, float) and isinstance(b, float):
        return a == b and math.copysign(1, a) == math.copysign(1, b)
    if type(a) is not type(b):
        return False
    if isinstance(a, dict):
        return a.keys() == b.keys() and all(same(a[k], b[k]) for k in a)
    if isinstance(a, list):
        return len(a) == len(b) and all(same(x, y) for x, y in zip(a, b))
    return a == b


def main(argv):
    command, path = argv[1], argv[2]
    if command == "sample-check":
        raw = open(path, "rb").read()
        loaded = plistlib.loads(raw)
        print("values:", "same" if same(loaded, SAMPLE) else "differ %r" % (loaded,))
        print("bytes:", "same" if raw == plistlib.dumps(SAMPLE) else "differ")
    elif command == "sample-write":
        with open(path, "wb") as f:
            plistlib.dump(SAMPLE, f, sort_keys=(argv[3] == "sorted"))
    elif command == "reals-write":
        rng = random.Random(int(argv[3]))
        reals = []
        while len(reals) < 3000:
            value = struct.unpack("<d", rng.getrandbits(64).to_bytes(8, "little"))[0]
            if not math.isnan(value):
                reals.append(value)
        reals += [rng.uniform(-1e6, 1e6) for _ in range(1000)]
        with open(path, "wb") as f:
            plistlib.dump(reals, f)
    elif command == "nan-check":
        value = plistlib.loads(open(path, "rb").read())
        print("nan" if isinstance(value, float) and math.isnan(value) else "not nan: %r" % (value,))
    else:
        sys.exit("unknown command " + command)


main(sys.argv)
