#!/usr/bin/python3
"""Derives the error bounds of the core's trigonometry from the error of each operation it
performs, and writes the bounds the code uses as trig_bounds.h:

    /usr/bin/python3 core/trig/derive_bounds.py > core/trig/trig_bounds.h

The header is committed; the test trig_generated_files checks that it is what this script
makes now, and the script stops with an error where a bound the code states is below its
derivation. The careful path's bounds depend on the argument: careful_bound() derives one
argument's, which tests/make_careful_vectors.py writes beside each vector, and the careful
test checks that the code states no less and that MPFR's exact value lies within it.

Running forward error analysis: every computed quantity is held as (mag, err), a bound on its
magnitude and on its distance from the exact quantity it stands for. Each operation's error
is one of the inputs below, with its reason; what a formula leaves out (a truncated series, a
product of two low parts) is added as its own term. The table values are read from
trig_tables.cpp, so that the bounds are those of the constants the code uses.
tools/measure_errors.py measures the errors actually made.

Each fast bound is relative to the function's value and taken over every table cell and
every offset |t| <= 1/256 within it. Each careful bound is in units u of the last word of the
attempt's width.
"""

import math
import re
import sys
from pathlib import Path

import gmpy2
from gmpy2 import mpfr

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))
from make_trig_tables import taylor  # noqa: E402

PRECISION = 300  # well beyond pi/2's bits past its four parts (2^-155 of k), the finest quantity below
gmpy2.get_context().precision = PRECISION

# The inputs: the error of each operation.
# Doubles, relative to the result's magnitude (round to nearest):
U = 2.0**-53  # a double addition or multiplication, and a double constant: half an ulp
# Knuth's and Dekker's two-sums and two-products: exact (double_double.h), no term.
# Wide fixed point, in units of the last word (wide_fixed.h):
WIDE_PRODUCT = 1  # a product of two wide numbers, cut toward zero: under a unit
WIDE_DIVISION = 1  # a division by a word, cut: under a unit
WIDE_SHIFT = 1  # a right shift, cut: under a unit; sums, differences and times() are exact
WIDE_CONSTANT = 1  # pi/2 or atan(k/8), its words cut after the last: under a unit
REDUCTION_FRACTION = 2  # |x| 2/pi's fraction: cut after the last word (one) and 2/pi cut past it (under one)


def wide_reciprocal(d):
    """1/d by Newton's iteration (wide_fixed.h): within 4 (1 + 1/d) units; its low-level test
    checks it at d = 3/4, 1, pi/2 and 2^-60."""
    return 4 * (1 + 1 / d)


# Both paths take |x| up to the double nearest pi/4, which is below it, as it is, and reduce
# larger ones by pi/2.
QUARTER_PI = float.fromhex("0x1.921fb54442d18p-1")
HALF_CELL = 1.0 / 256  # the fast path's offset from the nearest multiple of 1/128


class V:
    """A computed quantity: |computed| <= mag, |computed - exact| <= err."""

    def __init__(self, mag, err=0.0):
        self.mag, self.err = abs(mag), err

    def __add__(self, other):  # a rounded double addition or subtraction
        m = self.mag + other.mag
        return V(m * (1 + U), self.err + other.err + U * m)

    def __mul__(self, other):  # a rounded double multiplication
        m = self.mag * other.mag
        return V(m * (1 + U), self.err * other.mag + self.mag * other.err + U * m)

    def plus(self, err):  # a term the formula leaves out, or an exact step's input error
        return V(self.mag + err, self.err + err)


def const(c):
    """A double constant that stands for the exact c: off by at most half a unit."""
    return V(c, U * abs(c))


def exact(c):
    return V(c, 0.0)


TABLES = (HERE / "trig_tables.cpp").read_text()
HEX = r"-?0x[0-9a-f.]+p[+-]\d+"


def table_rows(name, count):
    start = TABLES.index(name + "{{")
    return [[float.fromhex(h) for h in re.findall(HEX, line.split("//")[0])]
            for line in TABLES[start:].splitlines()[1:count + 1]]


def table_doubles(name):
    return [float.fromhex(h) for h in re.findall(HEX, TABLES[TABLES.index(name + "{"):].split(";")[0])]


SIN_COS_ROWS = table_rows("sinCos", 106)
TAN_ROWS = table_rows("tanTaylor", 106)
ATAN_ROWS = table_rows("atanTaylor", 129)
HALF_PI_HI, HALF_PI_LO = table_doubles("halfPi")


def fast_reduction():
    """The relative error of the Cody-Waite reduction r = x - k pi/2 with pi/2 in four parts,
    for 1 <= k < 2^20 and |r| >= k 2^-86 (the fast path refuses smaller r)."""
    parts = table_doubles("halfPiParts")
    ignored = abs(gmpy2.const_pi() / 2 - sum(mpfr(p) for p in parts))
    # Per unit of k: the ignored bits, the rounding of k * part[3], and that of the sum
    # (s2.lo + s3.lo) - k part[3], whose parts from s2.lo reach u * k part[2]; per unit of
    # |r|: the low parts of s2 and s3, u |r| each, and their sum's rounding.
    per_k = float(ignored) + U * parts[3] + U * (parts[3] + U * 2 * parts[2]) + U * U * 2 * parts[2]
    per_r = U * 2 * U + U * U
    return per_k / 2.0**-86 + per_r


def sin_cos_cell(i, odd):
    """sinInQuadrant at table cell i: A + B t + A (cos t - 1) + B (sin t - t), with A, B the
    table's sin a and cos a (odd = 0) or cos a and -sin a (odd = 1); relative error."""
    row = SIN_COS_ROWS[i]
    a_hi, a_lo = row[4 * odd], row[4 * odd + 1]
    b_hi, b_lo = row[4 * (1 - odd)], row[4 * (1 - odd) + 1]
    a = i / 128
    t = HALF_CELL
    lo = U * (a + t)  # the low part of the reduced argument
    th = exact(t)
    z = (th * th + exact(2 * t) * exact(lo)).plus(lo * lo)  # stands for t^2
    th_as_t = V(t, lo)  # th stands for t = th + lo
    sin_tail = (th_as_t * z) * (const(1 / 6) + z * (const(1 / 120) + z * const(1 / 5040)))
    sin_tail = sin_tail.plus(t**9 / 362880)
    cos_tail = z * (exact(0.5) + z * (const(1 / 24) + z * const(1 / 720)))
    cos_tail = cos_tail.plus(t**8 / 40320)
    p_lo = exact(U * abs(b_hi) * t)  # exact: the rounding error of b.hi * th
    cross = (exact(b_hi) * exact(lo) + exact(b_lo) * th).plus(abs(b_lo) * lo)
    small = (exact(a_hi) * cos_tail + exact(b_hi) * sin_tail) + (exact(a_lo) + (p_lo + cross))
    # a.lo (cos t - 1) and b.lo (sin t - t), left out
    small = small.plus(abs(a_lo) * t * t / 2 + abs(b_lo) * t**3 / 6)
    u_lo = exact(U * (abs(a_hi) + abs(b_hi) * t))
    last = u_lo + small
    # the tables' own rounding: each low part is off by half its unit
    table = U * abs(a_lo) + U * abs(b_lo) * t
    value = gmpy2.sin(mpfr(max(a - t, 0) + (t if i == 0 else 0))) if odd == 0 else gmpy2.cos(mpfr(a + t))
    return (last.err + table) / float(value)


def next_coefficient(function, c):
    """The coefficient of degree 10 of the Taylor series of tan or atan at c."""
    return float(taylor(function, mpfr(c), 11)[10])


def taylor_cell(row, c, t, lo, function):
    """taylor(): value + slope h + higher, at c with offset t = th + lo; absolute error."""
    v_hi, v_lo, s_hi, s_lo = row[0], row[1], row[2], row[3]
    coefficients = row[6:14]
    h = V(t, U * t)  # h = th + lo, rounded
    h2 = h * h
    k = [const(x) for x in coefficients]
    inner = ((k[0] + k[1] * h) + h2 * (k[2] + k[3] * h)) + (h2 * h2) * ((k[4] + k[5] * h) + h2 * (k[6] + k[7] * h))
    higher = h2 * inner
    # the degree-10 remainder, from the next coefficient at both ends of the cell (doubled)
    remainder = 2 * max(abs(next_coefficient(function, c - HALF_CELL)), abs(next_coefficient(function, c + HALF_CELL)),
                        abs(next_coefficient(function, c))) * t**10
    higher = higher.plus(remainder)
    p_lo = exact(U * abs(s_hi) * t)
    cross = (exact(s_hi) * exact(lo) + exact(s_lo) * exact(t)).plus(abs(s_lo) * lo)
    small = higher + (exact(v_lo) + (p_lo + cross))
    u_lo = exact(U * (abs(v_hi) + abs(s_hi) * t))
    last = u_lo + small
    table = U * abs(v_lo) + U * abs(s_lo) * t
    return last.err + table


def reciprocal_error():
    """reciprocal(d) for a double-double d: relative error."""
    q = V(1.0, U)  # 1 / d.hi rounded, relative to 1/d.hi = 1
    e = 2 * U  # |1 - q d| with the low part of d
    first = exact(e) + exact(U * e)  # (1 - p.hi) exact, then - p.lo rounded
    corr = (first + exact(U) * exact(1.0)) * q  # - q d.lo, then times q
    left_out = e * e / (1 - e)
    return corr.err + left_out


def lowest_value(function, c, t):
    """The function's smallest value over the cell c +- t (from t at the first cell)."""
    return float(function(mpfr(max(c - t, 0) + (t if c == 0 else 0))))


def fast_bounds():
    reduction = fast_reduction()
    recip = reciprocal_error()
    sin_cos = max(max(sin_cos_cell(i, 0), sin_cos_cell(i, 1)) for i in range(0, 102)) + reduction
    worst_tan = 0.0
    for i in range(0, 102):
        c, t = i / 128, HALF_CELL
        err = taylor_cell(TAN_ROWS[i], c, t, U * (c + t), "tan")
        worst_tan = max(worst_tan, err / lowest_value(gmpy2.tan, c, t))
    # tan r and -1/tan r: the reduction's error enters with r / (sin r cos r) <= pi/2
    tan = worst_tan + recip + math.pi / 2 * reduction
    # pi/2 as the table's two doubles is off by half a unit of the low one
    half_pi_table = U * HALF_PI_LO
    worst_atan = 0.0
    for i in range(0, 129):
        c, t = i / 128, HALF_CELL
        direct = taylor_cell(ATAN_ROWS[i], c, t, 0.0, "atan") / lowest_value(gmpy2.atan, c, t)
        # beyond 1: y = 1/x to within recip, atan(y) off by at most that, then pi/2 - w
        w = taylor_cell(ATAN_ROWS[i], c, t, U * (c + t), "atan") + recip * (c + t)
        # w.lo is at most U |w.hi|, and |w.hi| <= c + t as atan y < y
        tail = exact(HALF_PI_LO) + exact(U * (c + t))
        sum_ = exact(U * math.pi / 2) + tail
        beyond = (w + sum_.err + half_pi_table) / (math.pi / 4)  # atan x >= pi/4 beyond 1
        worst_atan = max(worst_atan, direct, beyond)
    return {"reduction": reduction, "reciprocal": recip, "sinCos": sin_cos, "tan": tan, "atan": worst_atan}


def rounding_test_bound(derived):
    """The bound the rounding test may use. It takes e = bound |y.hi|, and |y.hi| may fall
    short of the value by derived + U of it: bound must reach derived (1 + derived + U), which
    derived (1 + 2 U) covers; its sums y.lo +- e round, losing under U (U + bound) <= 2 U^2 of
    |y.hi|. The smallest power of two above both, so that bound |y.hi| is exact: a larger one
    only sends more arguments to the careful path."""
    needed = derived * (1 + 2 * U) + U * U * 2
    return 2.0**math.ceil(math.log2(needed))


# The careful path, per argument.

def careful_reduction():
    """The reduced argument r = f pi/2 from the fraction f of |x| 2/pi, in units: f is low by
    REDUCTION_FRACTION units, worth pi/2 each in r; pi/2's cut words are worth |f| <= 1/2 of
    theirs; the product is cut."""
    return REDUCTION_FRACTION * math.pi / 2 + WIDE_CONSTANT / 2 + WIDE_PRODUCT


def series_error(r_error, first_error, first_j, r_mag, words):
    """series(): the error of the Taylor sum of sin r or cos r in units, and its term count:
    each term is the one before times r^2, then divided by j (j + 1)."""
    unit = math.ldexp(1.0, -64 * words)
    r2 = r_mag * r_mag
    r2_error = 2 * r_mag * r_error + r_error * r_error * unit + WIDE_PRODUCT
    term, term_error = (r_mag if first_j == 2 else 1.0), first_error
    total, terms, j = first_error, 0, first_j
    while True:
        d = j * (j + 1)
        term_error = (term_error * r2 + term * r2_error + WIDE_PRODUCT) / d + WIDE_DIVISION
        term = term * r2 / d
        if term < unit:
            break
        total += term_error
        terms += 1
        j += 2
    # the series is cut where the computed term is zero: the exact rest is below a unit
    # and the term's error, and shrinks by r^2 / (j (j + 1)) < 1/2 a term
    total += 2 * (term_error + 1)
    return total, terms


def reduced(x):
    """The careful path's r, quadrant and r's error in units, for |x|."""
    ax = abs(mpfr(x))
    if ax <= QUARTER_PI:
        return ax, 0, 0.0
    # 2^1024 / (pi/2) has 1024 bits before the point, and r must keep PRECISION after it
    with gmpy2.local_context(gmpy2.get_context(), precision=1100 + PRECISION):
        k = gmpy2.rint(ax / (gmpy2.const_pi() / 2))
        r = ax - k * gmpy2.const_pi() / 2
    return +r, int(k) % 4, careful_reduction()


def sin_or_cos_of_r(use_sin, r, r_error, words):
    if use_sin:
        return series_error(r_error, r_error, 2, float(abs(r)), words)[0]
    return series_error(r_error, 0.0, 1, float(abs(r)), words)[0]


def careful_tan(r, quadrant, r_error, words):
    """n / d with n, d = sin r, cos r (even quadrants) or cos r, sin r: the quotient's
    relative error is n's and d's, the reciprocal's 4 (1 + 1/d) units relative to 1/d, and
    their second-order products; the product is cut."""
    odd = quadrant % 2 == 1
    n, d = float(abs(gmpy2.cos(r) if odd else gmpy2.sin(r))), float(abs(gmpy2.sin(r) if odd else gmpy2.cos(r)))
    e_n, e_d = sin_or_cos_of_r(not odd, r, r_error, words), sin_or_cos_of_r(odd, r, r_error, words)
    unit = math.ldexp(1.0, -64 * words)
    relative = e_n / n + e_d / d + wide_reciprocal(d) * d
    return (n / d) * relative * (1 + relative * unit) + WIDE_PRODUCT


def careful_atan(x, words):
    """atan z = atan c + atan y, y = (z - c) / (1 + c z), c the eighth nearest z = |x| or
    1/|x|, and pi/2 - that beyond 1."""
    ax = abs(mpfr(x))
    inverted = ax > 1
    z_error = 0.0
    z = ax
    if inverted:
        # 1/z' for |x| = z' 2^s, z' in [1, 2), then shifted right by s: the shift divides the
        # reciprocal's error by 2^s and cuts under a unit more
        s = gmpy2.get_exp(ax) - 1
        z_error = wide_reciprocal(float(ax / mpfr(2)**s)) / 2.0**s + WIDE_SHIFT
        z = 1 / ax
    c = gmpy2.rint(z * 8) / 8  # either eighth of a tie serves; the code rounds an approximation
    d = 1 + c * z
    y = float(abs((z - c) / d))
    off, d, c = float(abs(z - c)), float(d), float(c)
    # z's error passes through the map z -> y with its slope (1 + c^2) / d^2; the shift that
    # forms c z cuts under a unit, worth |z - c| / d^2 in y; the reciprocal of d is off by
    # wide_reciprocal(d) units, times |z - c|; the product is cut. The slope between z and its
    # computed value, z_error units of 2^-128 or less away, grows by under 2^-60 of itself.
    y_error = (1 + c * c) / (d * d) * z_error * (1 + 2**-60) + WIDE_SHIFT * off / (d * d) + \
        wide_reciprocal(d) * off + WIDE_PRODUCT
    unit = math.ldexp(1.0, -64 * words)
    y2_error = 2 * y * y_error + WIDE_PRODUCT
    power, power_error, total, j = y, y_error, y_error, 1
    while True:
        power_error = power_error * y * y + power * y2_error + WIDE_PRODUCT
        power = power * y * y
        if power / (2 * j + 1) < unit:
            break
        total += power_error / (2 * j + 1) + WIDE_DIVISION
        j += 1
    # the cut series (its rest is below the last computed term's error and a unit, and
    # shrinks by y^2 <= 1/256 a term), the table's atan c, and pi/2 beyond 1
    total += 2 * (power_error + 1) / 3 + WIDE_CONSTANT
    return total + (WIDE_CONSTANT if inverted else 0)


def careful_bound(function, x, words):
    """The derived bound of the careful attempt at x with `words` fraction words, in units."""
    if function == "atan":
        return careful_atan(x, words)
    r, quadrant, r_error = reduced(x)
    if function == "tan":
        return careful_tan(r, quadrant, r_error, words)
    return sin_or_cos_of_r((quadrant % 2 == 0) == (function == "sin"), r, r_error, words)


def careful_worst(words):
    """The largest careful bounds at a width: sine and cosine at |r| = pi/4 after a
    reduction, the arctangent at |y| = 1/16 beyond 1."""
    r = gmpy2.const_pi() / 4
    sin_cos = max(sin_or_cos_of_r(True, r, careful_reduction(), words), sin_or_cos_of_r(False, r, careful_reduction(), words))
    atan = max(careful_atan(1 / (k / 8 + 1 / 16), words) for k in range(8))
    return sin_cos, atan


def main():
    gmpy2.get_context().precision = PRECISION
    fast = fast_bounds()
    stated = {name: rounding_test_bound(fast[name]) for name in ("sinCos", "tan", "atan")}
    reduction = careful_reduction()
    reciprocal = wide_reciprocal(1.0) + WIDE_SHIFT  # z' = 1 gives the largest
    careful_stated = {"carefulReduction": math.ceil(reduction), "carefulReciprocal": math.ceil(reciprocal)}
    out = ["// Generated by core/trig/derive_bounds.py, which derives each bound from the error of every",
           "// step; do not edit. The code rounds with `stated`; its tests check that it states no less",
           "// than `derived`.",
           "",
           "#pragma once",
           "",
           "namespace lumetra::trig::bounds {",
           "",
           "struct Bound {",
           "    double derived;",
           "    double stated;",
           "};",
           "",
           "// The fast evaluations, relative to the value: the smallest power of two that the rounding",
           "// test may use, which makes its product exact. Within them, the fast reduction's share is",
           "// 2^%.2f of r and the double-double reciprocal's 2^%.2f." % (math.log2(fast["reduction"]),
                                                                             math.log2(fast["reciprocal"]))]
    for name in ("sinCos", "tan", "atan"):
        out.append("constexpr Bound fast%s{%s, 0x1p%d};  // 2^%.2f" % (
            name[0].upper() + name[1:], float.hex(fast[name]), math.log2(stated[name]), math.log2(fast[name])))
    out += ["",
            "// The careful evaluation, in units of the last word: the reduced argument, and 1/|x| for the",
            "// arctangent beyond 1 (4 (1 + 1/z) <= 8 units for z in [1, 2), and the shift's cut).",
            "constexpr Bound carefulReduction{%r, %d};" % (math.ceil(reduction * 100) / 100, careful_stated["carefulReduction"]),
            "constexpr Bound carefulReciprocal{%r, %d};" % (reciprocal, careful_stated["carefulReciprocal"]),
            "",
            "// The largest careful bounds derived at 128 / 256 / 512 / 1024 bits: sine and cosine",
            "// (|r| = pi/4 after a reduction) %s," % " / ".join("%.1f" % careful_worst(w)[0] for w in (2, 4, 8, 16)),
            "// arctangent (|z - c| = 1/16 beyond 1) %s." % " / ".join("%.1f" % careful_worst(w)[1] for w in (2, 4, 8, 16))]
    # Relative to the smallest values the widest width meets: sines, cosines and tangents next
    # to multiples of pi/2, whose reduced argument is at least 2^-61 (the closest double to a
    # multiple of pi/2 is 2^-60.9 from it), and arctangents of at least 2^-27.
    r = mpfr(2)**-61
    widest = {"sine and cosine": max(sin_or_cos_of_r(s, r, reduction, 16) for s in (True, False)) * 2.0**-1024 / 2.0**-61,
              "tangent": careful_tan(r, 1, reduction, 16) * 2.0**-1024 / float(1 / r),
              "arctangent": careful_atan(2.0**-27, 16) * 2.0**-1024 / 2.0**-27}
    out += ["// At 1024 bits, relative to the smallest values that reach it: sine and cosine 2^%.0f," % math.log2(widest["sine and cosine"]),
            "// tangent 2^%.0f, arctangent 2^%.0f." % (math.log2(widest["tangent"]), math.log2(widest["arctangent"])),
            "",
            "}  // namespace lumetra::trig::bounds"]
    print("\n".join(out))
    for name in stated:
        assert stated[name] >= fast[name], name


if __name__ == "__main__":
    main()
