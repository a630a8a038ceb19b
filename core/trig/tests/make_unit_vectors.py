#!/usr/bin/python3
"""The vectors of the wide fixed-point and double-double tests: each operation's exact result,
from Python's integers and fractions (and MPFR through Debian's python3-gmpy2 for the nearest
doubles), written as C++ arrays that the tests include:

    /usr/bin/python3 core/trig/tests/make_unit_vectors.py wide_fixed > core/trig/tests/wide_fixed_vectors.inc
    /usr/bin/python3 core/trig/tests/make_unit_vectors.py double_double > core/trig/tests/double_double_vectors.inc

The files are committed; the tests trig_generated_* check that they are what this makes now.
"""

import math
import sys
from fractions import Fraction

import gmpy2
from gmpy2 import mpfr

WORDS = 2  # the wide tests' width: the integer word and two fraction words
SCALE = 2 ** (64 * WORDS)
MASK = 2**64 - 1


def fixed(value):
    """|value| cut toward zero to the width, as the integer of its units."""
    return math.floor(abs(value) * SCALE)


def words(units):
    return "{%s}" % ", ".join("0x%xU" % ((units >> (64 * k)) & MASK) for k in range(WORDS, -1, -1))


def value(ws, negative=False):
    units = sum(w << (64 * (WORDS - k)) for k, w in enumerate(ws))
    return Fraction(-units if negative else units, SCALE)


def sign(v):
    return "true" if v < 0 else "false"


HALF_PI = [0x1, 0x921fb54442d18469, 0x898cc51701b839a2]  # pi/2 cut after 128 bits
ONES = [0x0, MASK, MASK]


def wide_fixed():
    out = []

    def binary(array, op, rows):
        out.append("const Binary %s[] = {" % array)
        for name, a, a_neg, b, b_neg in rows:
            exact = op(value(a, a_neg), value(b, b_neg))
            out.append('    {"%s", %s, %s, %s, %s, %s, %s},' % (name, words(fixed(value(a))), sign(-1 if a_neg else 1),
                                                             words(fixed(value(b))), sign(-1 if b_neg else 1),
                                                             words(fixed(exact)), sign(exact)))
        out.append("};")

    binary("products", lambda a, b: a * b, [
        ("pi/2 times pi/2", HALF_PI, False, HALF_PI, False),
        ("a fraction of all ones squared carries through every word", ONES, False, ONES, False),
        ("a negative times a positive is cut toward zero", [0, 1 << 63, 3], True, [3, 0x5555555555555555, 0x5555555555555555], False),
        ("integer words multiply too", [3, 0x1234567890abcdef, 0xfedcba0987654321], False,
         [5, 0x0f0f0f0f0f0f0f0f, 0xf0f0f0f0f0f0f0f0], False)])
    binary("sums", lambda a, b: a + b, [
        ("a carry runs into the integer word", ONES, False, [0, 0, 1], False),
        ("a borrow runs through every word and turns the sign", [0, 0, 1], False, [0, 1, 0], True),
        ("equal magnitudes of opposite sign give a positive zero", HALF_PI, False, HALF_PI, True)])
    out.append("const Quotient quotients[] = {")
    for name, a, negative, d in (("pi/2 by 3", HALF_PI, False, 3), ("all ones by 2^64 - 1", [MASK] * 3, False, MASK),
                                 ("a negative by 7", [0, 0, 0x14], True, 7)):
        out.append('    {"%s", %s, %s, %dU, %s},' % (name, words(fixed(value(a))), sign(-1 if negative else 1), d,
                                                   words(fixed(value(a) / d))))
    out.append("};")
    # 1/d cut toward zero, and 4 (1 + 1/d) units of the reciprocal's bound and one for the cut
    out.append("const Reciprocal reciprocals[] = {")
    for name, d in (("three quarters", [0, 0xc << 60, 0]), ("just under one", ONES),
                    ("2^-60, as near an odd multiple of pi/2", [0, 0x10, 0]), ("pi/2", HALF_PI)):
        out.append('    {"%s", %s, %s, %dU},' % (name, words(fixed(value(d))), words(fixed(1 / value(d))),
                                               math.floor(4 * (1 + 1 / value(d))) + 1))
    out.append("};")
    out.append("const Rounding roundings[] = {")
    for name, v, negative in (("halfway above an even double goes down", [1, 0x800, 0], False),
                              ("halfway and one unit of the last word more goes up", [1, 0x800, 1], False),
                              ("halfway above an odd double goes up", [1, 0x1800, 0], False),
                              ("just under 2 goes up into the next binade", [1, 0xfffffffffffffc00, 0], False),
                              ("one unit of the last word is a power of two", [0, 0, 1], False),
                              ("a negative value keeps its sign", [0, 1 << 63, 0], True)):
        exact = value(v, negative)
        with gmpy2.local_context(gmpy2.ieee(64)):
            nearest = float(mpfr(exact.numerator) / exact.denominator)
        out.append('    {"%s", %s, %s, %s},' % (name, words(fixed(exact)), sign(exact), float.hex(nearest)))
    out.append("};")
    out.append("const FromDouble doubles[] = {")
    for name, x in (("pi/2 to 53 bits", math.pi / 2), ("a bit of the last word", -2.0**-100),
                    ("a bit below the last word is cut", 1.5 * 2.0**-128), ("the top of the integer word", (1 + 2.0**-52) * 2.0**63)):
        out.append('    {"%s", %s, %s},' % (name, float.hex(x), words(fixed(Fraction(x)))))
    out.append("};")
    return out


def double_double():
    out = []

    def exact_pairs(array, op, rows):
        out.append("const Exact %s[] = {" % array)
        for name, a, b in rows:
            hi = op(a, b)
            lo = float(op(Fraction(a), Fraction(b)) - Fraction(hi))
            out.append('    {"%s", %s, %s, %s, %s},' % (name, float.hex(a), float.hex(b), float.hex(hi), float.hex(lo)))
        out.append("};")

    exact_pairs("sums", lambda a, b: a + b, [
        ("a tiny addend is kept whole below the sum", 1.0, 2.0**-60),
        ("0.1 + 0.2 and the rounding error of their sum", 0.1, 0.2),
        ("cancellation leaves an exact sum", float.fromhex("0x1.1c37937e08001p+53"), -float.fromhex("0x1.1c37937e08000p+53")),
        ("the larger magnitude negative", -math.pi, float.fromhex("0x1.3p-50"))])
    exact_pairs("products", lambda a, b: a * b, [
        ("0.1 squared", 0.1, 0.1),
        ("(1 + 2^-52)^2, whose last bit falls below the product", 1 + 2.0**-52, 1 + 2.0**-52),
        ("pi/2 times 2/pi", math.pi / 2, 2 / math.pi),
        ("halves of 26 bits multiply exactly with opposite signs", -float.fromhex("0x1.fffffffffffffp+500"),
         float.fromhex("0x1.fffffffffffffp-400"))])
    # the double-double nearest 1/d, with MPFR at 300 bits
    out.append("const Reciprocal reciprocals[] = {")
    gmpy2.get_context().precision = 300
    for name, hi, lo in (("three", 3.0, 0.0), ("pi/2 in two doubles", math.pi / 2, float.fromhex("0x1.1a62633145c07p-54")),
                         ("just above one, with a tail", 1 + 2.0**-52, -2.0**-70),
                         ("a large divisor", float.fromhex("0x1.5555555555555p+40"), 1.5 * 2.0**-20)):
        r = 1 / (mpfr(hi) + mpfr(lo))
        r_hi = float(r)
        out.append('    {"%s", {%s, %s}, {%s, %s}},' % (name, float.hex(hi), float.hex(lo), float.hex(r_hi),
                                                      float.hex(float(r - r_hi))))
    out.append("};")
    return out


def main():
    print("// Generated by core/trig/tests/make_unit_vectors.py %s; do not edit." % sys.argv[1])
    print("\n".join({"wide_fixed": wide_fixed, "double_double": double_double}[sys.argv[1]]()))


if __name__ == "__main__":
    main()
