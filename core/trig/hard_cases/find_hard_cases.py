#!/usr/bin/python3
"""Finds doubles whose sine, cosine, tangent or arctangent lies within 2^-20 of a unit in the
last place of a rounding midpoint, the cases the fast evaluation cannot decide and the
careful one must, and writes them with their correctly rounded values (MPFR through Debian's
python3-gmpy2, checked at 200 bits):

    /usr/bin/python3 core/trig/hard_cases/find_hard_cases.py [COUNT]

writes sin.txt, cos.txt, tan.txt and atan.txt beside this script, COUNT cases each (default
2000), each line an argument and its value as hexadecimal doubles. The lists are committed and
read by the reference test; this search is not run by the tests. It takes two to three
minutes per function.

How: over a run of N = 2^20 consecutive doubles x0 + k h, the function in units of the last
place of its value is close to a + b k + c k^2 (the cubic term stays far below 2^-20 of a
unit for these arguments), so the position of each value between two doubles is
a + b k + c k^2 modulo 1: with a, b and c as 64-bit fractions, numpy computes it for every k
at once modulo 2^64, to within 2^-24 of a unit. Every k it finds within 2^-18 of a midpoint
is then checked with MPFR, and kept only if the exact value lies within 2^-20 of the
midpoint: a looser model could miss cases, never admit a wrong one.
"""

import random
import sys
import time
from pathlib import Path

import gmpy2
import numpy as np
from gmpy2 import mpfr

PRECISION = 200
RUN = 1 << 20
MARGIN = 2.0**-20
FILTER = 1 << (64 - 18)  # 2^-18 of a unit, in 64-bit fixed point

gmpy2.get_context().precision = PRECISION


def rounded(v):
    """The double nearest v, ties to even (MPFR in a binary64 context)."""
    with gmpy2.local_context(gmpy2.ieee(64), round=gmpy2.RoundToNearest):
        return float(+v)


def ulp_exponent(v):
    """e such that the unit in the last place of a double near |v| is 2^e."""
    return gmpy2.get_exp(abs(v)) - 53  # mpfr's exponent: v = m * 2^exp with 0.5 <= m < 1


# The function and its first two derivatives at v.
def sin3(v):
    return gmpy2.sin(v), gmpy2.cos(v), -gmpy2.sin(v)


def cos3(v):
    return gmpy2.cos(v), -gmpy2.sin(v), -gmpy2.cos(v)


def tan3(v):
    t = gmpy2.tan(v)
    return t, 1 + t * t, 2 * t * (1 + t * t)


def atan3(v):
    d = 1 / (1 + v * v)
    return gmpy2.atan(v), d, -2 * v * d * d


FUNCTIONS = {
    "sin": (sin3, gmpy2.sin),
    "cos": (cos3, gmpy2.cos),
    "tan": (tan3, gmpy2.tan),
    "atan": (atan3, gmpy2.atan),
}


def start_points(name, rng):
    """Where runs start: the range the window reaches and the binades around it, for the
    arctangent the quotients of positions."""
    while True:
        if name == "atan":
            e = rng.randint(-26, 40)
        else:
            e = rng.randint(-26, 4)
        m = rng.randint(1 << 52, (1 << 53) - RUN - 1)
        yield float(m) * 2.0**(e - 52)


def fixed(v):
    """The fraction of v as a 64-bit integer, v's integer part dropped."""
    f = v - gmpy2.floor(v)
    return int(gmpy2.floor(f * mpfr(2) ** 64)) % (1 << 64)


def search_run(three, exact, x0):
    h = mpfr(2) ** (gmpy2.get_exp(mpfr(x0)) - 53)
    f0, f1, f2 = three(mpfr(x0))
    f_end = exact(mpfr(x0) + (RUN - 1) * h)
    e = ulp_exponent(f0)
    if f0 == 0 or ulp_exponent(f_end) != e or (f0 > 0) != (f_end > 0):
        return []
    unit = mpfr(2) ** e
    a, b, c = f0 / unit, f1 * h / unit, f2 * h * h / (2 * unit)
    k = np.arange(RUN, dtype=np.uint64)
    with np.errstate(over="ignore"):
        pos = np.uint64(fixed(a)) + k * np.uint64(fixed(b)) + k * k * np.uint64(fixed(c))
    off = pos - np.uint64(1 << 63)
    near = np.nonzero((off < np.uint64(FILTER)) | (off > np.uint64((1 << 64) - FILTER)))[0]
    found = []
    for kk in near:
        x = float(mpfr(x0) + int(kk) * h)
        v = exact(mpfr(x))
        t = abs(v) / unit
        distance = abs(t - gmpy2.floor(t) - mpfr(0.5))
        if distance < MARGIN:
            found.append((x, rounded(v)))
    return found


def main():
    count = int(sys.argv[1]) if len(sys.argv) > 1 else 2000
    here = Path(__file__).resolve().parent
    for name, (three, exact) in FUNCTIONS.items():
        rng = random.Random("hard cases of " + name)
        cases = []
        begun = time.time()
        for x0 in start_points(name, rng):
            for x, y in search_run(three, exact, x0):
                sign = rng.choice((1.0, -1.0))
                # sin, tan and atan are odd and cos even: the sign only mirrors the case.
                cases.append((sign * x, -y if sign < 0 and name != "cos" else y))
            if len(cases) >= count:
                break
        cases = sorted(cases[:count], key=lambda p: abs(p[0]))
        with open(here / (name + ".txt"), "w") as out:
            out.write("# %s: arguments whose exact value lies within 2^-20 ulp of a rounding midpoint, and\n"
                      "# the correctly rounded value (find_hard_cases.py, MPFR at %d bits).\n" % (name, PRECISION))
            for x, y in cases:
                out.write("%s %s\n" % (float.hex(x), float.hex(y)))
        print("%s: %d cases in %.0f s" % (name, len(cases), time.time() - begun), file=sys.stderr)


main()
