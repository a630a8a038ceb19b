#!/usr/bin/python3
"""The reference values of the core's sine, cosine, tangent and arctangent: the double
nearest the exact value, from MPFR's correctly rounded functions (Debian's python3-gmpy2, in
a binary64 context).

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

import gmpy2
from gmpy2 import mpfr

TRIG = Path(__file__).resolve().parent.parent
sys.path.insert(0, str(TRIG))
import window_arguments  # noqa: E402

HARD_CASES = TRIG / "hard_cases"
BINARY64 = gmpy2.ieee(64)


def nearest(function, x):
    with gmpy2.local_context(BINARY64):
        return float(function(mpfr(x)))


def ulps_around(x, count):
    out = [x]
    lo = hi = x
    for _ in range(count):
        lo, hi = math.nextafter(lo, -math.inf), math.nextafter(hi, math.inf)
        out += [lo, hi]
    return out


def nearest_multiple_of_half_pi(k):
    with gmpy2.local_context(gmpy2.context(), precision=300):
        return float(mpfr(k) * gmpy2.const_pi() / 2)


def hard_angles(rng):
    xs = [0.0, -0.0, 5e-324, -5e-324, 2.2250738585072014e-308, 1e-300, 2.0**-30, 2.0**-27, 2.0**-26]
    xs += ulps_around(2.0**-27, 2)
    # Next to the multiples of pi/2 that the window reaches, and far beyond.
    for k in list(range(1, 2001)) + [rng.randint(2001, 10**15) for _ in range(2000)]:
        xs += ulps_around(nearest_multiple_of_half_pi(k), 2)
    # The window's multiples of 90 degrees, and its largest angles.
    xs += [window_arguments.radians(d) for d in range(-360, 721, 90)]
    xs += ulps_around(window_arguments.radians(720), 3) + ulps_around(window_arguments.radians(-360), 3)
    # Where the fast reduction ends, the largest doubles, and one that lies very close to a
    # multiple of pi/2.
    xs += ulps_around(2.0**20, 2) + [1e22, 1e300, sys.float_info.max, -sys.float_info.max]
    xs += [6381956970095103.0 * 2.0**797]
    xs += [math.ldexp(1 + rng.random(), rng.randint(-30, 1023)) * rng.choice((1, -1)) for _ in range(20000)]
    return xs


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
    angles = window_arguments.angles(rng, count) + hard_angles(rng)
    for name, function in (("sin", gmpy2.sin), ("cos", gmpy2.cos), ("tan", gmpy2.tan)):
        pairs = [(x, nearest(function, x)) for x in angles] + committed_hard_cases(name)
        write(os.path.join(out, name + ".bin"), pairs)
    quotients = window_arguments.quotients(rng, count) + hard_quotients(rng)
    write(os.path.join(out, "atan.bin"), [(x, nearest(gmpy2.atan, x)) for x in quotients] + committed_hard_cases("atan"))


main()
