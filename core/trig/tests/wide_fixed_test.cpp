// The wide fixed-point operations of the careful evaluation, at 128 bits after the point,
// against exact integer arithmetic: each expected value is the exact result cut toward zero
// (or, for the reciprocal, the exact 1/d), computed with Python's integers and written here.

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
    WideFixed v(width);
    for (int i = 0; i < 3; ++i)
        v.setWord(i, words[static_cast<std::size_t>(i)]);
    return negative ? -v : v;
}

void expectEqual(const WideFixed& got, const Words& words, bool negative)
{
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(got.word(i), words[static_cast<std::size_t>(i)]) << "word " << i;
    EXPECT_EQ(got.negative(), negative);
}

constexpr Words halfPi{0x1U, 0x921fb54442d18469U, 0x898cc51701b839a2U};
constexpr Words ones{0x0U, 0xffffffffffffffffU, 0xffffffffffffffffU};

struct Binary {
    const char* name;
    Words a;
    bool aNegative;
    Words b;
    bool bNegative;
    Words expected;
    bool expectedNegative;
};

TEST(WideFixed, MultipliesCuttingTheExactProductTowardZero)
{
    const Binary rows[] = {
        {"pi/2 times pi/2", halfPi, false, halfPi, false, {0x2U, 0x77a79937c8bbcb49U, 0x5b89b36602306b1bU}, false},
        {"a fraction of all ones squared carries through every word", ones, false, ones, false,
         {0x0U, 0xffffffffffffffffU, 0xfffffffffffffffeU}, false},
        {"a negative times a positive is cut toward zero", {0x0U, 0x8000000000000000U, 0x3U}, true,
         {0x3U, 0x5555555555555555U, 0x5555555555555555U}, false, {0x1U, 0xaaaaaaaaaaaaaaaaU, 0xaaaaaaaaaaaaaab4U}, true},
        {"integer words multiply too", {0x3U, 0x1234567890abcdefU, 0xfedcba0987654321U}, false,
         {0x5U, 0x0f0f0f0f0f0f0f0fU, 0xf0f0f0f0f0f0f0f0U}, false, {0xfU, 0x894500bc454702c0U, 0xce1253c7c32e72b4U}, false},
    };
    for (const Binary& row : rows) {
        SCOPED_TRACE(row.name);
        expectEqual(fixed(row.a, row.aNegative) * fixed(row.b, row.bNegative), row.expected, row.expectedNegative);
    }
}

TEST(WideFixed, AddsAndSubtractsExactlyWithCarriesBorrowsAndSigns)
{
    const Binary rows[] = {
        {"a carry runs into the integer word", ones, false, {0x0U, 0x0U, 0x1U}, false, {0x1U, 0x0U, 0x0U}, false},
        {"a borrow runs through every word and turns the sign", {0x0U, 0x0U, 0x1U}, false, {0x0U, 0x1U, 0x0U}, true,
         {0x0U, 0x0U, 0xffffffffffffffffU}, true},
        {"equal magnitudes of opposite sign give a positive zero", halfPi, false, halfPi, true, {0x0U, 0x0U, 0x0U}, false},
    };
    for (const Binary& row : rows) {
        SCOPED_TRACE(row.name);
        expectEqual(fixed(row.a, row.aNegative) + fixed(row.b, row.bNegative), row.expected, row.expectedNegative);
    }
}

TEST(WideFixed, DividesByAWordCuttingTowardZero)
{
    struct Row {
        const char* name;
        Words a;
        bool negative;
        std::uint64_t divisor;
        Words expected;
    };
    const Row rows[] = {
        {"pi/2 by 3", halfPi, false, 3, {0x0U, 0x860a91c16b9b2c23U, 0x2dd99707ab3d688bU}},
        {"all ones by 2^64 - 1", {~0ULL, ~0ULL, ~0ULL}, false, ~0ULL, {0x1U, 0x1U, 0x1U}},
        {"a negative by 7", {0x0U, 0x0U, 0x14U}, true, 7, {0x0U, 0x0U, 0x2U}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        expectEqual(fixed(row.a, row.negative).dividedBy(row.divisor), row.expected, row.negative);
    }
}

// Within 4 (1 + 1/d) units of the exact 1/d, the bound the tangent's error is built on.
TEST(WideFixed, ReciprocalIsWithinItsBoundOfTheExactValue)
{
    struct Row {
        const char* name;
        Words d;
        Words exact;  // 1/d cut toward zero
        std::uint64_t bound;
    };
    const Row rows[] = {
        {"three quarters", {0x0U, 0xc000000000000000U, 0x0U}, {0x1U, 0x5555555555555555U, 0x5555555555555555U}, 10},
        {"just under one", ones, {0x1U, 0x0U, 0x1U}, 9},
        {"2^-60, as near an odd multiple of pi/2", {0x0U, 0x10U, 0x0U}, {0x1000000000000000U, 0x0U, 0x0U},
         4611686018427387909U},
        {"pi/2", halfPi, {0x0U, 0xa2f9836e4e441529U, 0xfc2757d1f534ddc0U}, 7},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const WideFixed off = reciprocal(fixed(row.d, false)) - fixed(row.exact, false);
        EXPECT_EQ(off.word(0), 0U);
        EXPECT_EQ(off.word(1), 0U);
        EXPECT_LE(off.word(2), row.bound);
    }
}

TEST(WideFixed, RoundsToTheNearestDoubleTiesToEven)
{
    struct Row {
        const char* name;
        Words v;
        bool negative;
        double expected;
    };
    const Row rows[] = {
        {"halfway above an even double goes down", {0x1U, 0x800U, 0x0U}, false, 0x1p+0},
        {"halfway and one unit of the last word more goes up", {0x1U, 0x800U, 0x1U}, false, 0x1.0000000000001p+0},
        {"halfway above an odd double goes up", {0x1U, 0x1800U, 0x0U}, false, 0x1.0000000000002p+0},
        {"just under 2 goes up into the next binade", {0x1U, 0xfffffffffffffc00U, 0x0U}, false, 0x1p+1},
        {"one unit of the last word is a power of two", {0x0U, 0x0U, 0x1U}, false, 0x1p-128},
        {"a negative value keeps its sign", {0x0U, 0x8000000000000000U, 0x0U}, true, -0x1p-1},
    };
    for (const Row& row : rows) {
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
    struct Row {
        const char* name;
        double x;
        Words expected;
    };
    const Row rows[] = {
        {"pi/2 to 53 bits", 0x1.921fb54442d18p+0, {0x1U, 0x921fb54442d18000U, 0x0U}},
        {"a bit of the last word", -0x1p-100, {0x0U, 0x0U, 0x10000000U}},
        {"a bit below the last word is cut", 0x1.8p-128, {0x0U, 0x0U, 0x1U}},
        {"the top of the integer word", 0x1.0000000000001p+63, {0x8000000000000800U, 0x0U, 0x0U}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        expectEqual(WideFixed::of(row.x, width), row.expected, row.x < 0);
    }
}

}  // namespace
