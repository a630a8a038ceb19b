#!/usr/bin/python3
"""Derives the error bounds that trigonometry.cpp and trig_accurate.cpp state, from the error
of each operation they perform, and prints each derived bound beside the stated one:

    /usr/bin/python3 core/trig/derive_bounds.py

Running forward error analysis: every computed quantity is held as (mag, err), a bound on its
magnitude and on its distance from the exact quantity it stands for. A double addition or
multiplication of computed operands adds u = 2^-53 times the magnitude of its result (round
to nearest); Dekker's and Knuth's two-sums and two-products add nothing; what a formula
leaves out (a truncated series, a product of two low parts) is added as its own term. The
table values are read from trig_tables.cpp, so that the bounds are those of the constants the
code uses. tools/measure_errors.py measures the errors actually made, which must stay at
most half of each stated bound.

Each fast bound is relative to the function's value and taken over every table cell and
every offset |t| <= 1/256 within it. Each careful bound is in units of the last word of the
attempt's width, and is checked against the expression the code computes it with.
"""

import math
import re
from pathlib import Path

import gmpy2
from gmpy2 import mpfr

gmpy2.get_context().precision = 300
U = 2.0**-53
HERE = Path(__file__).resolve().parent
HALF_CELL = 1.0 / 256

STATED = {"sin": 2.0**-64, "cos": 2.0**-64, "tan": 2.0**-63, "atan": 2.0**-64}


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


def table_rows(name, count):
    text = (HERE / "trig_tables.cpp").read_text()
    start = text.index(name + "{{")
    rows = []
    for line in text[start:].splitlines()[1:count + 1]:
        rows.append([float.fromhex(h) for h in re.findall(r"-?0x[0-9a-f.]+p[+-]\d+", line.split("//")[0])])
    return rows


def fast_reduction():
    """The relative error of the Cody-Waite reduction r = x - k pi/2 with pi/2 in four parts,
    for 1 <= k < 2^20 and |r| >= k 2^-86 (the fast path refuses smaller r)."""
    text = (HERE / "trig_tables.cpp").read_text()
    parts = [float.fromhex(h) for h in re.findall(r"-?0x[0-9a-f.]+p[+-]\d+", text[text.index("halfPiParts{"):].split(";")[0])]
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
    row = table_rows("sinCos", 106)[i]
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
    value = float(gmpy2.sin(mpfr(max(a - t, 0) + (t if i == 0 else 0)))) if odd == 0 else float(gmpy2.cos(mpfr(a + t)))
    return (last.err + table) / value


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


def next_coefficient(function, c):
    import mpmath
    mpmath.mp.prec = 200
    return float(mpmath.taylor(function, mpmath.mpf(c), 10)[10])


def reciprocal_error():
    """reciprocal(d) for a double-double d: relative error."""
    q = V(1.0, U)  # 1 / d.hi rounded, relative to 1/d.hi = 1
    e = 2 * U  # |1 - q d| with the low part of d
    first = exact(e) + exact(U * e)  # (1 - p.hi) exact, then - p.lo rounded
    corr = (first + exact(U) * exact(1.0)) * q  # - q d.lo, then times q
    left_out = e * e / (1 - e)
    return corr.err + left_out


def main():
    import mpmath
    reduction = fast_reduction()
    recip = reciprocal_error()
    print("fast reduction: relative error of r at most 2^%.2f (under k 2^-155 against r >= k 2^-86)" % math.log2(reduction))
    print("double-double reciprocal: relative error at most 2^%.2f" % math.log2(recip))
    derived = {}
    derived["sin"] = max(max(sin_cos_cell(i, 0), sin_cos_cell(i, 1)) for i in range(1, 102)) + reduction
    derived["sin"] = max(derived["sin"], sin_cos_cell(0, 0) + reduction, sin_cos_cell(0, 1) + reduction)
    derived["cos"] = derived["sin"]  # the same evaluation, one quadrant on
    tan_rows = table_rows("tanTaylor", 106)
    worst_tan = 0.0
    for i in range(0, 102):
        c = i / 128
        t = HALF_CELL
        lo = U * (c + t)
        err = taylor_cell(tan_rows[i], c, t, lo, mpmath.tan)
        value = float(mpmath.tan(max(c - t, 0) + (t if i == 0 else 0)))
        worst_tan = max(worst_tan, err / value)
    # tan r and -1/tan r: the reduction's error enters with r / (sin r cos r) <= pi/2
    derived["tan"] = worst_tan + recip + math.pi / 2 * reduction
    atan_rows = table_rows("atanTaylor", 129)
    worst_atan = 0.0
    for i in range(0, 129):
        c = i / 128
        t = HALF_CELL
        value = float(mpmath.atan(max(c - t, 0) + (t if i == 0 else 0)))
        direct = taylor_cell(atan_rows[i], c, t, 0.0, mpmath.atan) / value
        # beyond 1: y = 1/x to within recip, atan(y) off by at most that, then pi/2 - w
        w = taylor_cell(atan_rows[i], c, t, U * (c + t), mpmath.atan) + recip * (c + t)
        half_pi_lo = 2.0**-54 * 1.11
        tail = exact(half_pi_lo) + V(U * (c + t) * 1.01, 0)
        sum_ = exact(U * math.pi / 2) + tail
        beyond = (w + sum_.err + U * U * half_pi_lo) / (math.pi / 4)
        worst_atan = max(worst_atan, direct, beyond)
    derived["atan"] = worst_atan
    for name in ("sin", "cos", "tan", "atan"):
        print("fast %-4s: derived 2^%.2f, stated 2^%.0f (%.1f times the derived)" %
              (name, math.log2(derived[name]), math.log2(STATED[name]), STATED[name] / derived[name]))
    careful()


def series_error(r_error, first_error, first_j, r_mag, words):
    """series(): the error of the Taylor sum of sin r or cos r in units, and its term count."""
    unit = math.ldexp(1.0, -64 * words)
    r2 = r_mag * r_mag
    r2_error = 2 * r_mag * r_error + r_error * r_error * unit + 1
    term, term_error = (r_mag if first_j == 2 else 1.0), first_error
    total, terms, j = first_error, 0, first_j
    while True:
        d = j * (j + 1)
        term_error = (term_error * r2 + term * r2_error + 1) / d + 1
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


def careful():
    print("careful attempts (units of the last word; derived / stated by the code):")
    for words in (2, 4, 8, 16):
        # the reduction: the fraction is low by less than two units, pi/2 and the product
        # lose one each: 2 pi/2 + 1/2 + 1 < 5
        r_error = 2 * math.pi / 2 + 0.5 + 1
        for name, first_error, j, r in (("sin", r_error, 2, math.pi / 4), ("cos", 0.0, 1, math.pi / 4)):
            err, terms = series_error(r_error, first_error, j, r, words)
            stated = 2 * 5 + 2 * terms + 4
            print("  careful sine and cosine, %d bits, %s r: derived %.1f, stated %d" % (64 * words, name, err, stated))
        # atan: z = x or 1/x (9 units: the reciprocal's 4 (1 + 1/z) for z in [1, 2), then
        # the exact shift); y = (z - c) / (1 + c z) with |y| <= 1/16
        z_error = 9.0
        # 1.1 z's error, the shift's unit through |z - c| / d^2 <= 1/16, the reciprocal's
        # 4 (1 + 1/d) <= 8 units times |z - c| <= 1/16, and the product's unit
        y_error = 1.1 * z_error + 1 / 16 + 8 / 16 + 1
        unit = math.ldexp(1.0, -64 * words)
        y = 1 / 16
        y2_error = 2 * y * y_error + 1
        power, power_error, total, terms, j = y, y_error, y_error, 0, 1
        while True:
            power_error = power_error * y * y + power * y2_error + 1
            power = power * y * y
            if power / (2 * j + 1) < unit:
                break
            total += power_error / (2 * j + 1) + 1
            terms += 1
            j += 1
        # the cut series (its rest is below the last computed term's error and a unit), the
        # table value of atan c, and pi/2 - atan(1/x)
        total += 2 * (power_error + 1) / 3 + 1 + 1
        stated = (1.1 * z_error + 2) + 2 * terms + 3 + 1
        print("  careful arctangent, %d bits, beyond 1: derived %.1f, stated %.1f" % (64 * words, total, stated))
    print("  careful tangent: relative, (e_n / n + e_d / d + 4 (1 + d)) u |q| + u to first order, doubled by the code")
    # The widest width, relative to the smallest values that reach it: sines, cosines and
    # tangents next to multiples of pi/2, whose reduced argument is at least 2^-61 (the
    # closest double to a multiple of pi/2 is 2^-60.9 from it), and arctangents of at
    # least 2^-27.
    unit = 2.0**-1024
    relative = {"sin and cos": 2 * 176 * unit / 2.0**-61, "tan": 2 * (2 * 176 / 2.0**-61 + 8) * unit,
                "atan": 300 * unit / 2.0**-27}
    print("  at 1024 bits, relative to the value: " +
          ", ".join("%s 2^%.0f" % (k, math.log2(v)) for k, v in relative.items()))


main()
