#pragma once

// Error-free transformations of doubles: a sum or product held exactly as two doubles, the
// second one the rounding error of the first. Built from plain additions and
// multiplications only, with no fused multiply-add, so every IEEE-754 machine gives the same
// bits. They rely on round-to-nearest and on no step overflowing.

namespace lumetra::trig {

// hi + lo, with |lo| no more than half a unit in the last place of hi.
struct DoubleDouble {
    double hi = 0.0;
    double lo = 0.0;
};

// a + b exactly, for any a and b (Knuth).
constexpr DoubleDouble twoSum(double a, double b)
{
    const double s = a + b;
    const double bb = s - a;
    return {s, (a - (s - bb)) + (b - bb)};
}

// a + b exactly when |a| >= |b| or a is 0 (Dekker).
constexpr DoubleDouble fastTwoSum(double a, double b)
{
    const double s = a + b;
    return {s, b - (s - a)};
}

// a as the sum of two doubles of 26 significant bits each (Veltkamp), so that products of
// the halves are exact. |a| must stay below 2^995.
constexpr DoubleDouble split(double a)
{
    constexpr double splitter = 134217729.0;  // 2^27 + 1
    const double t = splitter * a;
    const double hi = t - (t - a);
    return {hi, a - hi};
}

// a * b exactly (Dekker), barring underflow of the error term.
constexpr DoubleDouble twoProduct(double a, double b)
{
    const double p = a * b;
    const DoubleDouble as = split(a);
    const DoubleDouble bs = split(b);
    const double err = ((as.hi * bs.hi - p) + as.hi * bs.lo + as.lo * bs.hi) + as.lo * bs.lo;
    return {p, err};
}

// A double-double whose leading double is also kept split, for constants that are multiplied
// often: the product then takes one split instead of two.
struct SplitDoubleDouble {
    double hi = 0.0;
    double lo = 0.0;
    double hiHigh = 0.0;  // hi == hiHigh + hiLow, as split(hi) gives them
    double hiLow = 0.0;
};

// a.hi * b exactly, for b already split.
constexpr DoubleDouble twoProduct(const SplitDoubleDouble& a, double b, DoubleDouble bHalves)
{
    const double p = a.hi * b;
    const double err =
        ((a.hiHigh * bHalves.hi - p) + a.hiHigh * bHalves.lo + a.hiLow * bHalves.hi) + a.hiLow * bHalves.lo;
    return {p, err};
}

// The integer nearest x, ties to even, for |x| < 2^51: adding 1.5 * 2^52 leaves no bits below
// the point, and subtracting it again is exact.
constexpr double nearestInteger(double x)
{
    constexpr double shifter = 0x1.8p52;
    return (x + shifter) - shifter;
}

// 1 / d for d held as two doubles: q = 1 / d.hi, and the rest of 1 - q d divided by d.
constexpr DoubleDouble reciprocal(DoubleDouble d)
{
    const double q = 1.0 / d.hi;
    const DoubleDouble p = twoProduct(q, d.hi);
    return fastTwoSum(q, (((1.0 - p.hi) - p.lo) - q * d.lo) * q);
}

}  // namespace lumetra::trig
