#!/usr/bin/python3
"""Measures the errors of the trigonometry's two evaluations against MPFR (Debian's
python3-gmpy2) and compares them with the bounds the code states, which derive_bounds.py
derives:

    /usr/bin/python3 core/trig/tools/measure_errors.py build/ci/core/trig/tools/trig_probe [COUNT]

For COUNT arguments per function (default 50,000: window-shaped ones, arguments next to
multiples of pi/2, random ones over every binade the fast evaluation takes, and the committed
hard cases), it prints the largest relative error of the fast double-double value, as a power
of two and as a share of the stated bound, and for a tenth of them the largest error of each
careful attempt as a share of its stated bound. Every share must stay at most 1/2.
"""

import math
import random
import subprocess
import sys
from pathlib import Path

import gmpy2
from gmpy2 import mpfr

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE.parent))
import window_arguments  # noqa: E402

EXACT = {"sin": gmpy2.sin, "cos": gmpy2.cos, "tan": gmpy2.tan, "atan": gmpy2.atan}


def arguments(name, rng, count):
    xs = []
    hard = HERE.parent / "hard_cases" / (name + ".txt")
    for line in hard.read_text().splitlines():
        if not line.startswith("#"):
            xs.append(float.fromhex(line.split()[0]))
    if name == "atan":
        xs += [q for q in window_arguments.quotients(rng, count // 2 - len(xs)) if 2.0**-27 <= abs(q) <= 2.0**60]
        while len(xs) < count:
            xs.append(math.ldexp(1 + rng.random(), rng.randint(-27, 59)) * rng.choice((1, -1)))
        return xs
    xs += [x for x in window_arguments.angles(rng, count // 3 - len(xs)) if abs(x) >= 2.0**-27]
    with gmpy2.local_context(gmpy2.ieee(64)):
        while len(xs) < 2 * count // 3:
            k = rng.randint(1, 600000)
            x = float(+(mpfr(k) * gmpy2.const_pi(precision=300) / 2))
            xs += [x, math.nextafter(x, 0), math.nextafter(x, math.inf)]
    while len(xs) < count:
        xs.append(math.ldexp(1 + rng.random(), rng.randint(-27, 19)) * rng.choice((1, -1)))
    return xs


def main():
    probe = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 50000
    rng = random.Random(20261208)
    for name in ("sin", "cos", "tan", "atan"):
        xs = arguments(name, rng, count)
        careful_xs = set(xs[:: 10])
        lines = "".join("%s %s\n" % (name, float.hex(x)) for x in xs)
        out = subprocess.run([probe], input=lines, capture_output=True, text=True, check=True).stdout
        worst_fast, worst_fast_share, fast_count = 0.0, 0.0, 0
        careful_share = {}
        careful_worst = {}
        exact_cache = {}
        for line in out.splitlines():
            part = line.split()
            x = float.fromhex(part[2])
            if part[0] == "fast":
                if part[3] == "none":
                    continue
                gmpy2.get_context().precision = 300
                f = EXACT[name](mpfr(x))
                v = mpfr(float.fromhex(part[3])) + mpfr(float.fromhex(part[4]))
                rel = float(abs(v - f) / abs(f))
                worst_fast = max(worst_fast, rel)
                worst_fast_share = max(worst_fast_share, rel / float.fromhex(part[5]))
                fast_count += 1
            elif x in careful_xs:
                words = part[3]
                width = len(words) // 16 - 1
                if x not in exact_cache:
                    gmpy2.get_context().precision = 1300
                    exact_cache[x] = EXACT[name](mpfr(x))
                gmpy2.get_context().precision = 1300
                value = mpfr(int(words, 16)) / mpfr(2) ** (64 * width)
                if part[4] == "-":
                    value = -value
                units = abs(value - exact_cache[x]) * mpfr(2) ** (64 * width)
                share = float(units / mpfr(float.fromhex(part[5])))
                if share > careful_share.get(width, 0.0):
                    careful_share[width] = share
                    careful_worst[width] = part[2]
        print("%s: fast, %d values: largest relative error 2^%.2f, %.3f of its bound" %
              (name, fast_count, math.log2(worst_fast) if worst_fast else -math.inf, worst_fast_share))
        print("%s: careful, %d arguments: largest error as a share of its bound at 128/256/512/1024 bits: %s" %
              (name, len(careful_xs), " / ".join("%.3f" % careful_share[w] for w in sorted(careful_share))))
        print("%s: careful, where each share is largest: %s" % (name, " ".join(careful_worst[w] for w in sorted(careful_worst))))


main()
