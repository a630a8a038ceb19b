// Inputs that the fuzz targets found to break the core, kept as tests with their results
// worked out by hand.

#include <gtest/gtest.h>

#include <string>

#include "normalise.h"
#include "numeric_text.h"

namespace lumetra {
namespace {

// Above about 2^52 / 10^n the spacing of doubles reaches the n-th decimal, and rounding
// half-even to n decimals can give back a value that is itself a tie at n decimals; the
// write then rounds that tie away from zero, as formatting always does.
//
// 10000000000.0078125 = 10^10 + 2^-7 lies between 2^33 and 2^34, where doubles are 2^-19
// apart, so it is held exactly. Half-even at six decimals gives 10000000000.007812, but the
// double nearest to that is 10000000000.0078125 again (0.5E-6 away, against 1.4E-6 for the
// next double down), and formatting it to six decimals rounds the final 5 up: ...007813.
//
// 33333333333333.03125 = 33333333333333 + 2^-5 lies between 2^44 and 2^45, where doubles are
// 2^-8 apart; the same steps at four decimals give ...0312, held as ...03125, written ...0313.
TEST(FuzzRegressions, ATieThatTheDoubleCannotLeaveIsRoundedAwayFromZero)
{
    struct Row {
        const char* name;
        double value;
        Pattern pattern;
        const char* expected;
    };
    const Row rows[] = {
        {"ten billion and a tie at six decimals", 10000000000.0078125, Pattern::SixDecimals, "10000000000.007813"},
        {"minus ten billion and a tie at six decimals", -10000000000.0078125, Pattern::SixDecimals,
         "-10000000000.007813"},
        {"thirty trillion and a tie at four decimals", 33333333333333.03125, Pattern::FourDecimals,
         "33333333333333.0313"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(roundedText(row.value, row.pattern), row.expected);
        EXPECT_EQ(formatFixed(roundHalfEven(row.value, decimalsOf(row.pattern)), row.pattern), row.expected);
    }
}

TEST(FuzzRegressions, TheFoundTextsReadAsTheTiesTheyProduce)
{
    EXPECT_EQ(parseNumber("10000000000.0078125").value(), 10000000000.0 + 0.0078125);
    EXPECT_EQ(parseNumber("33333333333333.03").value(), 33333333333333.0 + 0.03125);
}

TEST(FuzzRegressions, TheNormaliserOfAPositionFieldWritesTheRoundedTie)
{
    const FieldFacts* rule = normaliseRuleFor(TextField::txtX);
    ASSERT_NE(rule, nullptr);
    EXPECT_EQ(normalise(*rule, "10000000000.0078125"), "10000000000.007813");
    EXPECT_EQ(normalise(*rule, "10000000000.007813"), "10000000000.007813");
}

}  // namespace
}  // namespace lumetra
