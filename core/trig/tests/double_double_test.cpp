// The double-double building blocks against exact arithmetic: each expected pair is the
// rounded result and its exact rounding error (the reciprocal's, the double-double nearest
// 1/d), computed by make_unit_vectors.py.

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

struct Reciprocal {
    const char* name;
    DoubleDouble d;
    DoubleDouble nearest;
};

#include "double_double_vectors.inc"

TEST(DoubleDouble, SumsAreExact)
{
    for (const Exact& row : sums) {
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
    for (const Exact& row : products) {
        SCOPED_TRACE(row.name);
        const DoubleDouble p = lumetra::trig::twoProduct(row.a, row.b);
        EXPECT_EQ(p.hi, row.hi);
        EXPECT_EQ(p.lo, row.lo);
    }
}

// Within 2^-102 of 1/d relative (derive_bounds.py, reciprocal_error).
TEST(DoubleDouble, ReciprocalIsWithinItsBound)
{
    for (const Reciprocal& row : reciprocals) {
        SCOPED_TRACE(row.name);
        const DoubleDouble r = lumetra::trig::reciprocal(row.d);
        EXPECT_EQ(r.hi, row.nearest.hi);
        const double off = r.lo - row.nearest.lo;
        EXPECT_LE(off < 0 ? -off : off, 0x1p-102 * row.nearest.hi);
    }
}

}  // namespace
