// Rounding to a number of decimals, against the exact decimal value of each double:
// roundHalfEven, formatFixed, the two together, and roundedText, which the window uses
// for the two together.
// Ties and their closest neighbours are generated on purpose: the oracle is exact, so
// nothing near a tie needs to be left out.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "exact_decimal.h"
#include "generators.h"
#include "library_reader.h"
#include "numeric_text.h"

namespace lumetra::property {
namespace {

constexpr Pattern patterns[] = {Pattern::Whole, Pattern::OneDecimal, Pattern::ThreeDecimals, Pattern::FourDecimals,
                                Pattern::SixDecimals};

double read(const std::string& text) { return libraryRead(text).value; }

// One input for rounding to `decimals` places, below `limit` in magnitude.
double roundingInput(Gen& gen, int decimals, double limit)
{
    const double sign = gen.chance(0.5) ? -1.0 : 1.0;
    double x = 0.0;
    do {
        switch (gen.between(0, 5)) {
        case 0:  // as typed into a field
            x = gen.decimal(9, 9);
            break;
        case 1: {  // an exact tie: an odd multiple of 2^-(n+1) has n+1 decimals, the last a 5
            const int width = gen.between(1, 53);
            const std::uint64_t odd = (gen.bits() >> (64 - width)) | 1;
            x = sign * std::ldexp(static_cast<double>(odd), -(decimals + 1));
            break;
        }
        case 2: {  // the double nearest a decimal tie, which is seldom the tie itself
            const std::string text = gen.digits(gen.between(1, 12)) + "." + gen.digits(decimals) + "5";
            x = sign * std::strtod(text.c_str(), nullptr);
            break;
        }
        case 3:
            x = gen.signedMagnitude(-10.0, 17.0);
            break;
        default:
            x = gen.anyFinite();
            break;
        }
        if (gen.chance(0.3))  // one step either way: just off the tie or the value drawn
            x = std::nextafter(x, gen.chance(0.5) ? -std::numeric_limits<double>::infinity()
                                                  : std::numeric_limits<double>::infinity());
    } while (!(std::fabs(x) < limit));
    return x;
}

constexpr double anySize = std::numeric_limits<double>::infinity();

TEST(OracleOfRounding, WritesKnownDoublesExactly)
{
    const auto text = [](double x) {
        const Decimal d = exactDecimal(x);
        return (d.negative ? "-" : "") + d.whole + (d.fraction.empty() ? "" : "." + d.fraction);
    };
    EXPECT_EQ(text(0.1), "0.1000000000000000055511151231257827021181583404541015625");
    EXPECT_EQ(text(-2.675), "-2.67499999999999982236431605997495353221893310546875");
    EXPECT_EQ(text(1e23), "99999999999999991611392");
    EXPECT_EQ(text(0.0), "0");
    EXPECT_EQ(text(std::ldexp(1.0, 64)), "18446744073709551616");
    const Decimal smallest = exactDecimal(std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(smallest.fraction.size(), 1074U);
    EXPECT_EQ(smallest.fraction.substr(smallest.fraction.size() - 4), "5625");  // 5^1074 ends in ...5625
    EXPECT_EQ(fixedOracle(2.5, 0, Tie::ToEven), "2");
    EXPECT_EQ(fixedOracle(-2.5, 0, Tie::AwayFromZero), "-3");
    EXPECT_EQ(fixedOracle(-0.25, 1, Tie::ToEven), "-0.2");
    EXPECT_EQ(fixedOracle(-0.0001, 3, Tie::ToEven), "0.000");
    EXPECT_EQ(fixedOracle(9.9996, 3, Tie::ToEven), "10.000");
    const Significant third = significantOracle(2.0 / 3.0, 15);
    EXPECT_EQ(third.digits, "666666666666667");
    EXPECT_EQ(third.exponent, -1);
}

TEST(RoundHalfEvenProperty, GivesTheDoubleNearestTheCorrectlyRoundedDecimal)
{
    Gen gen(1);
    const std::size_t cases = caseCount(80'000);
    for (std::size_t i = 0; i < cases && !failed(); ++i) {
        const int decimals = gen.between(0, 15);
        const double x = roundingInput(gen, decimals, anySize);
        const std::string exact = fixedOracle(x, decimals, Tie::ToEven);
        EXPECT_EQ(roundHalfEven(x, decimals).value(), read(exact))
            << show(x) << " at " << decimals << " decimals should be " << exact;
    }
}

TEST(FormatFixedProperty, RoundsTheExactValueHalfAwayFromZero)
{
    Gen gen(2);
    const std::size_t cases = caseCount(60'000);
    for (std::size_t i = 0; i < cases && !failed(); ++i) {
        const Pattern pattern = patterns[gen.between(0, 4)];
        const double x = roundingInput(gen, decimalsOf(pattern), anySize);
        EXPECT_EQ(formatFixed(x, pattern), fixedOracle(x, decimalsOf(pattern), Tie::AwayFromZero)) << show(x);
    }
}

// Below 2^52 units of the last decimal, the doubles are spaced closer than that unit, so
// the double nearest the rounded decimal formats as that decimal: the two steps together
// round correctly, ties to even. From there up they can round twice: 2^50 + 0.25 rounds to
// ...624.2 at one decimal, whose nearest double is ...624.25 itself, shown as ...624.3.
double denseBelow(int decimals) { return 0x1p52 / std::pow(10.0, decimals); }

TEST(RoundThenFormatProperty, ShowsTheCorrectlyRoundedDecimalWhereDoublesAreDenseEnough)
{
    Gen gen(3);
    const std::size_t cases = caseCount(80'000);
    for (std::size_t i = 0; i < cases && !failed(); ++i) {
        const Pattern pattern = patterns[gen.between(0, 4)];
        const int decimals = decimalsOf(pattern);
        const double x = roundingInput(gen, decimals, denseBelow(decimals));
        EXPECT_EQ(formatFixed(roundHalfEven(x, decimals), pattern), fixedOracle(x, decimals, Tie::ToEven)) << show(x);
    }
}

// roundedText is the window's one write of a computed value; it must show what rounding and
// then formatting show, for every double.
TEST(RoundedTextProperty, ShowsWhatRoundingThenFormattingShows)
{
    Gen gen(4);
    const std::size_t cases = caseCount(80'000);
    std::size_t twice = 0;
    for (std::size_t i = 0; i < cases && !failed(); ++i) {
        const Pattern pattern = patterns[gen.between(0, 4)];
        const int decimals = decimalsOf(pattern);
        const double x = roundingInput(gen, decimals, anySize);
        const std::string expected = roundThenFormatOracle(x, decimals);
        EXPECT_EQ(roundedText(x, pattern), expected) << show(x);
        EXPECT_EQ(formatFixed(roundHalfEven(x, decimals), pattern), expected) << show(x);
        // The bound of the previous property: below it the two roundings never differ.
        const bool once = expected == fixedOracle(x, decimals, Tie::ToEven);
        EXPECT_TRUE(once || std::fabs(x) >= denseBelow(decimals)) << show(x);
        twice += once ? 0 : 1;
    }
    EXPECT_GT(twice, 0U) << "no case where rounding twice shows, so the generator misses that range";
}

}  // namespace
}  // namespace lumetra::property
