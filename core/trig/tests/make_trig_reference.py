#!/usr/bin/python3
"""The reference values of the core's sine, cosine, tangent and arctangent: the double
nearest the exact value, computed at 200 bits with Debian's python3-mpmath and rounded once.

    make_trig_reference.py DIR [COUNT]

writes DIR/sin.bin, cos.bin, tan.bin and atan.bin: pairs of little-endian doubles (argument,
expected), COUNT arguments shaped like the window's (default a million), then the hard
cases, and last the committed hard cases of ../hard_cases (arguments whose value lies within
2^-20 of an ulp of a rounding midpoint, with their values from MPFR). The arguments come from
a seeded generator, so every run writes the same files.
"""

import math
import os
import random
import struct
import sys

from pathlib import Path

import mpmath
from mpmath import libmp

HARD_CASES = Path(__file__).resolve().parent.parent / "hard_cases"

PRECISION = 200
DEGREES_TO_RADIANS_PI = 3.141592653589793  # the window's pi, atan(1) * 4 in doubles


def nearest(v):
    return libmp.to_float(v, rnd=libmp.round_nearest)


def exact(x):
    return libmp.from_float(x)


def sin_cos_tan(x):
    if x == 0.0:
        return x, 1.0, x
    c, s = libmp.mpf_cos_sin(exact(x), PRECISION)
    return nearest(s), nearest(c), nearest(libmp.mpf_div(s, c, PRECISION))


def atan(x):
    if x == 0.0:
        return x
    return nearest(libmp.mpf_atan(exact(x), PRECISION))


def six_decimals(rng, low, high):
    """A number with up to six decimals in [low, high], as its text reads."""
    return rng.randint(int(low * 10**6), int(high * 10**6)) / 10**6


def ulps_around(x, count):
    out = [x]
    lo = hi = x
    for _ in range(count):
        lo, hi = math.nextafter(lo, -math.inf), math.nextafter(hi, math.inf)
        out += [lo, hi]
    return out


def window_angles(rng, count):
    # The radian value of a heading or pitch with up to six decimals, (pi * a) / 180.
    return [(DEGREES_TO_RADIANS_PI * six_decimals(rng, -360, 720)) / 180 for _ in range(count)]


def hard_angles(rng):
    xs = [0.0, -0.0, 5e-324, -5e-324, 2.2250738585072014e-308, 1e-300, 2.0**-30, 2.0**-27, 2.0**-26]
    xs += ulps_around(2.0**-27, 2)
    # Next to the multiples of pi/2 that the window reaches, and far beyond.
    for k in list(range(1, 2001)) + [rng.randint(2001, 10**15) for _ in range(2000)]:
        xs += ulps_around(float(mpmath.mpf(k) * mpmath.pi / 2), 2)
    # The window's multiples of 90 degrees, and its largest angles.
    xs += [(DEGREES_TO_RADIANS_PI * d) / 180 for d in range(-360, 721, 90)]
    xs += ulps_around((DEGREES_TO_RADIANS_PI * 720) / 180, 3) + ulps_around((DEGREES_TO_RADIANS_PI * -360) / 180, 3)
    # Where the fast reduction ends, the largest doubles, and one that lies very close to a
    # multiple of pi/2.
    xs += ulps_around(2.0**20, 2) + [1e22, 1e300, sys.float_info.max, -sys.float_info.max]
    xs += [6381956970095103.0 * 2.0**797]
    xs += [math.ldexp(1 + rng.random(), rng.randint(-30, 1023)) * rng.choice((1, -1)) for _ in range(20000)]
    return xs


def window_quotients(rng, count):
    # Y / X of positions with six decimals within +-5000, and the quotient inside Arcsin,
    # x / sqrt(-x * x + 1) with x = Z / D.
    out = []
    while len(out) < count:
        x, y, z = (six_decimals(rng, -5000, 5000) for _ in range(3))
        if x != 0:
            out.append(y / x)
        d = math.sqrt((x * x + y * y) + z * z)
        if d != 0 and abs(z / d) < 1:
            s = z / d
            out.append(s / math.sqrt(-s * s + 1))
    return out[:count]


def hard_quotients(rng):
    xs = [0.0, -0.0, 5e-324, -5e-324, 1e-300, 2.0**-30] + ulps_around(2.0**-27, 2)
    xs += ulps_around(1.0, 50) + ulps_around(-1.0, 50)
    xs += ulps_around(2.0**60, 2) + ulps_around(2.0**55, 2)
    xs += [1e16, 2e16, 1e300, sys.float_info.max, -sys.float_info.max]
    xs += [math.ldexp(1 + rng.random(), rng.randint(-40, 1023)) * rng.choice((1, -1)) for _ in range(20000)]
    return xs


def committed_hard_cases(name):
    pairs = []
    for line in (HARD_CASES / (name + ".txt")).read_text().splitlines():
        if line and not line.startswith("#"):
            x, y = line.split()
            pairs.append((float.fromhex(x), float.fromhex(y)))
    return pairs


def write(path, pairs):
    with open(path, "wb") as f:
        for x, y in pairs:
            f.write(struct.pack("<dd", x, y))


def main():
    out = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 1_000_000
    os.makedirs(out, exist_ok=True)
    rng = random.Random(20261207)
    angles = window_angles(rng, count) + hard_angles(rng)
    results = [sin_cos_tan(x) for x in angles]
    for i, name in enumerate(("sin", "cos", "tan")):
        pairs = [(x, r[i]) for x, r in zip(angles, results)] + committed_hard_cases(name)
        write(os.path.join(out, name + ".bin"), pairs)
    quotients = window_quotients(rng, count) + hard_quotients(rng)
    write(os.path.join(out, "atan.bin"), [(x, atan(x)) for x in quotients] + committed_hard_cases("atan"))


main()
