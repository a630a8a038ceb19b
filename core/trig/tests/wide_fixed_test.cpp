// The wide fixed-point operations of the careful evaluation, at 128 bits after the point,
// against exact integer arithmetic: each expected value is the exact result cut toward zero
// (or, for the reciprocal, the exact 1/d), computed by make_unit_vectors.py.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <optional>

#include "wide_fixed.h"

namespace {

using lumetra::trig::WideFixed;
using lumetra::trig::Width;
using Words = std::array<std::uint64_t, 3>;  // the integer word, then two fraction words

constexpr Width width{2};

WideFixed fixed(const Words& words, bool negative)
{
    const WideFixed v = WideFixed::ofWords(words, width);
    return negative ? -v : v;
}

void expectEqual(const WideFixed& got, const Words& words, bool negative)
{
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(got.word(i), words[static_cast<std::size_t>(i)]) << "word " << i;
    EXPECT_EQ(got.negative(), negative);
}

struct Binary {
    const char* name;
    Words a;
    bool aNegative;
    Words b;
    bool bNegative;
    Words expected;
    bool expectedNegative;
};
struct Quotient {
    const char* name;
    Words a;
    bool negative;
    std::uint64_t divisor;
    Words expected;
};
struct Reciprocal {
    const char* name;
    Words d;
    Words exact;  // 1/d cut toward zero
    std::uint64_t bound;
};
struct Rounding {
    const char* name;
    Words v;
    bool negative;
    double expected;
};
struct FromDouble {
    const char* name;
    double x;
    Words expected;
};

#include "wide_fixed_vectors.inc"

TEST(WideFixed, MultipliesCuttingTheExactProductTowardZero)
{
    for (const Binary& row : products) {
        SCOPED_TRACE(row.name);
        expectEqual(fixed(row.a, row.aNegative) * fixed(row.b, row.bNegative), row.expected, row.expectedNegative);
    }
}

TEST(WideFixed, AddsAndSubtractsExactlyWithCarriesBorrowsAndSigns)
{
    for (const Binary& row : sums) {
        SCOPED_TRACE(row.name);
        expectEqual(fixed(row.a, row.aNegative) + fixed(row.b, row.bNegative), row.expected, row.expectedNegative);
    }
}

TEST(WideFixed, DividesByAWordCuttingTowardZero)
{
    for (const Quotient& row : quotients) {
        SCOPED_TRACE(row.name);
        expectEqual(fixed(row.a, row.negative).dividedBy(row.divisor), row.expected, row.negative);
    }
}

// Within 4 (1 + 1/d) units of the exact 1/d, the bound the tangent's error is built on.
TEST(WideFixed, ReciprocalIsWithinItsBoundOfTheExactValue)
{
    for (const Reciprocal& row : reciprocals) {
        SCOPED_TRACE(row.name);
        const WideFixed off = reciprocal(fixed(row.d, false)) - fixed(row.exact, false);
        EXPECT_EQ(off.word(0), 0U);
        EXPECT_EQ(off.word(1), 0U);
        EXPECT_LE(off.word(2), row.bound);
    }
}

TEST(WideFixed, RoundsToTheNearestDoubleTiesToEven)
{
    for (const Rounding& row : roundings) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(fixed(row.v, row.negative).nearestDouble(), row.expected);
    }
}

TEST(WideFixed, DecidesOnlyWhenTheWholeIntervalRoundsAlike)
{
    const WideFixed unit = fixed({0x0U, 0x0U, 0x1U}, false);
    const WideFixed midpoint = fixed({0x1U, 0x800U, 0x0U}, false);  // 1 + 2^-53
    EXPECT_EQ(midpoint.nearestDoubleWithin(unit), std::nullopt) << "an interval across a midpoint";
    EXPECT_EQ((midpoint - unit - unit).nearestDoubleWithin(unit), std::optional<double>(1.0)) << "just below it";
    EXPECT_EQ((midpoint + unit + unit).nearestDoubleWithin(unit), std::optional<double>(0x1.0000000000001p+0))
        << "just above it";
}

TEST(WideFixed, TakesADoubleExactlyCuttingBitsBelowTheLastWord)
{
    for (const FromDouble& row : doubles) {
        SCOPED_TRACE(row.name);
        expectEqual(WideFixed::of(row.x, width), row.expected, row.x < 0);
    }
}

}  // namespace
