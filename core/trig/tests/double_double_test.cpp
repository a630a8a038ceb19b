// The double-double building blocks against exact arithmetic: each expected pair is the
// rounded result and its exact rounding error, computed with Python's fractions (the
// reciprocal's, the double-double nearest 1/d, with MPFR at 300 bits) and written here.

#include <gtest/gtest.h>

#include "double_double.h"

namespace {

using lumetra::trig::DoubleDouble;

struct Exact {
    const char* name;
    double a;
    double b;
    double hi;
    double lo;
};

TEST(DoubleDouble, SumsAreExact)
{
    const Exact rows[] = {
        {"a tiny addend is kept whole below the sum", 0x1p+0, 0x1p-60, 0x1p+0, 0x1p-60},
        {"0.1 + 0.2 and the rounding error of their sum", 0x1.999999999999ap-4, 0x1.999999999999ap-3,
         0x1.3333333333334p-2, -0x1p-55},
        {"cancellation leaves an exact sum", 0x1.1c37937e08001p+53, -0x1.1c37937e08000p+53, 0x1p+1, 0.0},
        {"the larger magnitude negative", -0x1.921fb54442d18p+1, 0x1.3p-50, -0x1.921fb54442d16p+1, 0x1.8p-53},
    };
    for (const Exact& row : rows) {
        SCOPED_TRACE(row.name);
        const DoubleDouble s = lumetra::trig::twoSum(row.a, row.b);
        EXPECT_EQ(s.hi, row.hi);
        EXPECT_EQ(s.lo, row.lo);
        // Dekker's shortcut, with the larger magnitude first as it requires.
        const bool aLarger = (row.a < 0 ? -row.a : row.a) >= (row.b < 0 ? -row.b : row.b);
        const DoubleDouble f = aLarger ? lumetra::trig::fastTwoSum(row.a, row.b) : lumetra::trig::fastTwoSum(row.b, row.a);
        EXPECT_EQ(f.hi, row.hi);
        EXPECT_EQ(f.lo, row.lo);
    }
}

TEST(DoubleDouble, ProductsAreExact)
{
    const Exact rows[] = {
        {"0.1 squared", 0x1.999999999999ap-4, 0x1.999999999999ap-4, 0x1.47ae147ae147cp-7, -0x1.eb851eb851eb8p-61},
        {"(1 + 2^-52)^2, whose last bit falls below the product", 0x1.0000000000001p+0, 0x1.0000000000001p+0,
         0x1.0000000000002p+0, 0x1p-104},
        {"pi/2 times 2/pi", 0x1.921fb54442d18p+0, 0x1.45f306dc9c883p-1, 0x1p+0, 0x1.a55600fae9a40p-56},
        {"halves of 26 bits multiply exactly with opposite signs", -0x1.fffffffffffffp+500, 0x1.fffffffffffffp-400,
         -0x1.ffffffffffffep+101, -0x1p-4},
    };
    for (const Exact& row : rows) {
        SCOPED_TRACE(row.name);
        const DoubleDouble p = lumetra::trig::twoProduct(row.a, row.b);
        EXPECT_EQ(p.hi, row.hi);
        EXPECT_EQ(p.lo, row.lo);
    }
}

// Within 2^-102 of 1/d relative (derive_bounds.py, "double-double reciprocal").
TEST(DoubleDouble, ReciprocalIsWithinItsBound)
{
    struct Row {
        const char* name;
        DoubleDouble d;
        DoubleDouble nearest;
    };
    const Row rows[] = {
        {"three", {0x1.8p+1, 0.0}, {0x1.5555555555555p-2, 0x1.5555555555555p-56}},
        {"pi/2 in two doubles", {0x1.921fb54442d18p+0, 0x1.1a62633145c07p-54},
         {0x1.45f306dc9c883p-1, -0x1.6b01ec5417056p-55}},
        {"just above one, with a tail", {0x1.0000000000001p+0, -0x1p-70}, {0x1.ffffffffffffep-1, 0x1.000000003fffep-70}},
        {"a large divisor", {0x1.5555555555555p+40, 0x1.8p-20}, {0x1.8p-41, 0x1.794p-95}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const DoubleDouble r = lumetra::trig::reciprocal(row.d);
        EXPECT_EQ(r.hi, row.nearest.hi);
        const double off = r.lo - row.nearest.lo;
        EXPECT_LE(off < 0 ? -off : off, 0x1p-102 * row.nearest.hi);
    }
}

}  // namespace
