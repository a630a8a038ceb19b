// What each numeric field shows after the user leaves it: the typed text clamped into the
// field's range, rounded half-even and written in the field's fixed form.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "bits.h"
#include "expect_fault.h"
#include "normalise.h"

namespace lumetra {
namespace {

struct Row {
    const char* name;
    TextField field;
    const char* typed;
    const char* shown;
};

void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }

class Normalise : public ::testing::TestWithParam<Row> {};

TEST_P(Normalise, ShowsTheTidiedNumber)
{
    const Row& row = GetParam();
    const FieldFacts* rule = normaliseRuleFor(row.field);
    ASSERT_NE(rule, nullptr);
    EXPECT_EQ(normalise(*rule, row.typed), row.shown);
}

constexpr Row rows[] = {
    {"HeadingAboveTheTopBecomesTheTop", TextField::txtHeading, "400", "359.9"},
    {"HeadingAtTheTopStays", TextField::txtHeading, "359.9", "359.9"},
    {"HeadingJustAboveTheTopIsClamped", TextField::txtHeading, "359.90000001", "359.9"},
    {"HeadingJustBelowTheTopRoundsUpToIt", TextField::txtHeading, "359.89", "359.9"},
    {"NegativeHeadingBecomesZero", TextField::txtHeading, "-10", "0.0"},
    {"HeadingJustBelowZeroBecomesZero", TextField::txtHeading, "-0.01", "0.0"},
    {"HeadingTieGoesToTheEvenDigit", TextField::txtHeading, "2.25", "2.2"},
    {"EmptyHeadingIsZero", TextField::txtHeading, "", "0.0"},
    {"PitchAboveTheTopBecomesTheTop", TextField::txtPitch, "95", "89.9"},
    {"PitchJustAboveTheTopIsClamped", TextField::txtPitch, "89.95", "89.9"},
    {"NegativePitchBecomesZero", TextField::txtPitch, "-5", "0.0"},
    {"WholePitchGetsOneDecimal", TextField::txtPitch, "45", "45.0"},
    {"PitchTieGoesToTheEvenDigit", TextField::txtPitch, "0.25", "0.2"},
    {"StrengthBelowOneBecomesOne", TextField::txtDilloStrength, "0.5", "1.000"},
    {"StrengthAtOneStays", TextField::txtDilloStrength, "1", "1.000"},
    {"StrengthGetsThreeDecimals", TextField::txtDilloStrength, "40", "40.000"},
    {"StrengthHasNoTop", TextField::txtDilloStrength, "123456789", "123456789.000"},
    {"GridResBelowTheBottomBecomesIt", TextField::txtGridRes, "0.05", "0.1000"},
    {"GridResAtTheBottomStays", TextField::txtGridRes, "0.1", "0.1000"},
    {"GridResJustBelowTheBottomIsClamped", TextField::txtGridRes, "0.09999", "0.1000"},
    {"GridResGetsFourDecimals", TextField::txtGridRes, "3", "3.0000"},
    {"GridSizeTieGoesDownToEven", TextField::txtGridSize, "12.5", "12"},
    {"GridSizeTieGoesUpToEven", TextField::txtGridSize, "13.5", "14"},
    {"GridSizeBelowOneBecomesOne", TextField::txtGridSize, "0.4", "1"},
    {"ZeroGridSizeBecomesOne", TextField::txtGridSize, "0", "1"},
    {"DistanceGetsSixDecimals", TextField::txtDistance, "1000", "1000.000000"},
    {"DistanceBelowOneBecomesOne", TextField::txtDistance, "0.5", "1.000000"},
    {"DistanceStopsAtAComma", TextField::txtDistance, "1,5", "1.000000"},
    {"EmptyDistanceBecomesOne", TextField::txtDistance, "", "1.000000"},
    {"ZeroMaxStrengthBecomesTheBottom", TextField::txtMaxStrength, "0", "0.100000"},
    {"MaxStrengthRoundsToSixDecimals", TextField::txtMaxStrength, "13.3333333", "13.333333"},
    {"ZeroObjectScaleBecomesTheBottom", TextField::txtObjectScale, "0", "0.100000"},
    {"ObjectScaleRoundsToSixDecimals", TextField::txtObjectScale, "13.3333333", "13.333333"},
    {"NegativeXKeepsItsSign", TextField::txtX, "-12.5", "-12.500000"},
    {"YReadsAnExponent", TextField::txtY, "1e3", "1000.000000"},
    {"RubbishZIsZero", TextField::txtZ, "abc", "0.000000"},
    {"TinyNegativeXShowsNoMinusSign", TextField::txtX, "-0.0000001", "0.000000"},
    {"HugeXIsKeptWhole", TextField::txtX, "1e20", "100000000000000000000.000000"},
};

INSTANTIATE_TEST_SUITE_P(EachField, Normalise, ::testing::ValuesIn(rows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NormaliseRules, OnlyTheTwoComputedHeadingAndPitchFieldsHaveNone)
{
    EXPECT_EQ(normaliseRuleFor(TextField::txtCalcHeading), nullptr);
    EXPECT_EQ(normaliseRuleFor(TextField::txtCalcPitch), nullptr);
    int withRule = 0;
    for (std::size_t i = 0; i < textFieldNames.size(); ++i)
        withRule += normaliseRuleFor(static_cast<TextField>(i)) != nullptr;
    EXPECT_EQ(withRule, 11);
}

TEST(NormaliseRules, TheBoundsAreTheNearestDoubles)
{
    // 0.1 is 3FB999999999999A, 89.9 is 405679999999999A and 359.9 is 40767E6666666666.
    EXPECT_EQ(trig::bitsOf(*normaliseRuleFor(TextField::txtGridRes)->lower), 0x3FB999999999999AULL);
    EXPECT_EQ(trig::bitsOf(*normaliseRuleFor(TextField::txtPitch)->upper), 0x405679999999999AULL);
    EXPECT_EQ(trig::bitsOf(*normaliseRuleFor(TextField::txtHeading)->upper), 0x40767E6666666666ULL);
}

TEST(NormaliseRules, ANumberBeyondADoubleIsAnOverflow)
{
    EXPECT_FAULT(normalise(*normaliseRuleFor(TextField::txtX), "1e999"), FaultKind::Overflow);
}

}  // namespace
}  // namespace lumetra
