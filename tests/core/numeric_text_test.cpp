// Reading numbers from field text and writing them back: parseNumber, numberText,
// roundHalfEven, formatFixed and roundedText.

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

#include "expect_fault.h"
#include "numeric_text.h"

namespace lumetra {
namespace {

template <class Row>
std::string rowName(const ::testing::TestParamInfo<Row>& info)
{
    return info.param.name;
}

// ---------------------------------------------------------------- parseNumber

struct ParseRow {
    const char* name;
    std::string text;
    double expected;
    friend void PrintTo(const ParseRow& row, std::ostream* os) { *os << row.name; }
};

const std::string halfwayAboveOne = "1.00000000000000011102230246251565404236316680908203125";

class ParseNumberReads : public ::testing::TestWithParam<ParseRow> {};

TEST_P(ParseNumberReads, TheLeadingNumber)
{
    const ParseRow& row = GetParam();
    EXPECT_EQ(parseNumber(row.text).value(), row.expected) << "text: '" << row.text << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ParseNumberReads,
    ::testing::Values(
        ParseRow{"AWholeNumber", "12", 12.0},
        ParseRow{"ADecimalNumber", "12.5", 12.5},
        ParseRow{"ALeadingNumberFollowedByAUnit", " 12.5 ft", 12.5},
        ParseRow{"DigitsSeparatedByASpace", "1 000", 1000.0},
        ParseRow{"TabsAndLineFeedsBetweenDigits", "\t1\n2\t", 12.0},
        ParseRow{"BlanksAroundThePointAndTheSign", " - 1 2 . 5 ", -12.5},
        ParseRow{"AnExplicitPlusSign", "+7", 7.0},
        ParseRow{"AMinusSign", "-7", -7.0},
        ParseRow{"AFractionWithoutLeadingDigit", ".5", 0.5},
        ParseRow{"ANegativeFractionWithoutLeadingDigit", "-.25", -0.25},
        ParseRow{"ATrailingPoint", "5.", 5.0},
        ParseRow{"OnlyTheFirstFullStopAsPoint", "1.2.3", 1.2},
        ParseRow{"ACommaEndsTheNumber", "1,5", 1.0},
        ParseRow{"AGroupSeparatorCommaEndsTheNumber", "1,234.5", 1.0},
        ParseRow{"ALeadingCommaGivesZero", ",5", 0.0},
        ParseRow{"AnUpperCaseEExponent", "2.5E3", 2500.0},
        ParseRow{"ALowerCaseEExponent", "1e2", 100.0},
        ParseRow{"AnUpperCaseDExponent", "2.5D3", 2500.0},
        ParseRow{"ALowerCaseDExponent", "2.5d3", 2500.0},
        ParseRow{"AnExponentWithPlusSign", "1E+2", 100.0},
        ParseRow{"AnExponentWithMinusSign", "25E-1", 2.5},
        ParseRow{"ALowerCaseDExponentWithMinusSign", "1.5d-2", 0.015},
        ParseRow{"AnExponentLetterWithoutDigits", "1e", 1.0},
        ParseRow{"AnExponentSignWithoutDigits", "3E+", 3.0},
        ParseRow{"AnUpperCaseHexadecimalInteger", "&H1F", 31.0},
        ParseRow{"ALowerCaseHexadecimalInteger", "&h1f", 31.0},
        ParseRow{"MixedCaseHexadecimalDigits", "&HfF", 255.0},
        ParseRow{"AnUpperCaseOctalInteger", "&O17", 15.0},
        ParseRow{"ALowerCaseOctalInteger", "&o777", 511.0},
        ParseRow{"AHexadecimalIntegerEndingAtANonDigit", "&H1G", 1.0},
        ParseRow{"AnOctalIntegerEndingAtTheDigitEight", "&O18", 1.0},
        ParseRow{"AnAmpersandWithoutDigitsGivesZero", "&H", 0.0},
        ParseRow{"AnAmpersandWithAnotherLetterGivesZero", "&Q1", 0.0},
        ParseRow{"AnEmptyTextGivesZero", "", 0.0},
        ParseRow{"OnlyBlanksGiveZero", "  \t ", 0.0},
        ParseRow{"RubbishGivesZero", "abc", 0.0},
        ParseRow{"ALoneMinusGivesZero", "-", 0.0},
        ParseRow{"ALonePlusGivesZero", "+", 0.0},
        ParseRow{"ALoneFullStopGivesZero", ".", 0.0},
        ParseRow{"AnExponentWithoutMantissaGivesZero", "e5", 0.0},
        ParseRow{"AnUnderflowReadsAsZero", "1e-999", 0.0},
        ParseRow{"ANegativeUnderflowReadsAsZero", "-1e-999", 0.0},
        ParseRow{"AHugeNegativeExponentReadsAsZero", "1e-99999999999999999999", 0.0},
        ParseRow{"TheLargestDouble", "1.7976931348623157e308", 1.7976931348623157e308},
        ParseRow{"AZeroMantissaWithAHugeExponent", "0e999", 0.0},
        // 1 + 2^-53 (2^-53 is 5^53 / 10^53), halfway between 1 and the next double, written
        // with more digits than a reader may keep: only the digits beyond decide.
        ParseRow{"AnExactTieOfNineHundredDigitsGoesToTheEvenDouble", halfwayAboveOne + std::string(900, '0'), 1.0},
        ParseRow{"ATieBrokenOnlyPastTheNineHundredthDigitGoesUp", halfwayAboveOne + std::string(900, '0') + "1",
                 1.0000000000000002}),
    rowName<ParseRow>);

struct OverflowRow {
    const char* name;
    std::string text;
    friend void PrintTo(const OverflowRow& row, std::ostream* os) { *os << row.name; }
};

class ParseNumberOverflows : public ::testing::TestWithParam<OverflowRow> {};

TEST_P(ParseNumberOverflows, AsAnOverflowFault)
{
    EXPECT_FAULT(parseNumber(GetParam().text), FaultKind::Overflow);
}

INSTANTIATE_TEST_SUITE_P(
    BeyondADouble, ParseNumberOverflows,
    ::testing::Values(OverflowRow{"AHugeExponent", "1e999"},
                      OverflowRow{"AHugeNegativeNumber", "-1e999"},
                      OverflowRow{"AOneFollowedByFourHundredZeros", "1" + std::string(400, '0')},
                      OverflowRow{"JustAboveTheLargestDouble", "1.8e308"},
                      OverflowRow{"AFractionWithAHugeExponent", "0.5e309"},
                      OverflowRow{"AnExponentOfTwentyDigits", "1e99999999999999999999"},
                      OverflowRow{"AHexadecimalOfThreeHundredDigits", "&H" + std::string(300, 'F')}),
    rowName<OverflowRow>);

// ---------------------------------------------------------------- numberText

struct NumberTextRow {
    const char* name;
    double value;
    const char* expected;
    friend void PrintTo(const NumberTextRow& row, std::ostream* os) { *os << row.name; }
};

class NumberTextWrites : public ::testing::TestWithParam<NumberTextRow> {};

TEST_P(NumberTextWrites, TheGeneralForm)
{
    EXPECT_EQ(numberText(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, NumberTextWrites,
    ::testing::Values(
        NumberTextRow{"AWholeNumberWithoutPoint", 135.0, "135"},
        NumberTextRow{"APitchWithoutTrailingZeros", 45.0, "45"},
        NumberTextRow{"AHalf", 0.5, "0.5"},
        NumberTextRow{"ANegativeNumber", -12.25, "-12.25"},
        NumberTextRow{"ADifferenceThatIsWhole", 180.0 - 90.0, "90"},
        NumberTextRow{"ASumThatIsOffByOneUnit", 0.1 + 0.2, "0.3"},
        NumberTextRow{"ADifferenceWithRepresentationError", 180.0 - 90.1, "89.9"},
        NumberTextRow{"ANegativeHeading", 180.0 - 359.9, "-179.9"},
        NumberTextRow{"Zero", 0.0, "0"},
        NumberTextRow{"NegativeZeroWithoutSign", -0.0, "0"},
        // 1/3 and 2/3 rounded to 15 significant digits.
        NumberTextRow{"AThirdToFifteenDigits", 1.0 / 3.0, "0.333333333333333"},
        NumberTextRow{"TwoThirdsRoundedUpAtTheFifteenthDigit", 2.0 / 3.0, "0.666666666666667"},
        NumberTextRow{"SevenDigitsBeforeThePoint", 1234567.1234567891, "1234567.12345679"},
        NumberTextRow{"FifteenNinesInPlainForm", 999999999999999.0, "999999999999999"},
        NumberTextRow{"OneE14InPlainForm", 1e14, "100000000000000"},
        NumberTextRow{"OneE15InExponentForm", 1e15, "1E+15"},
        // 999999999999999.5 is exact; at 15 digits it rounds up to 1.00000000000000E+15.
        NumberTextRow{"AValueRoundingUpToOneE15", 999999999999999.5, "1E+15"},
        NumberTextRow{"ANegativeOneE15", -1e15, "-1E+15"},
        NumberTextRow{"AMantissaWithDigits", 1.5e15, "1.5E+15"},
        NumberTextRow{"ALargeNumberToFifteenDigits", 123456789012345678.0, "1.23456789012346E+17"},
        NumberTextRow{"AThreeDigitExponent", 1e100, "1E+100"},
        NumberTextRow{"OneE4InPlainFormBelow", 0.0001, "0.0001"},
        NumberTextRow{"ASmallNumberInPlainForm", 0.00012345, "0.00012345"},
        NumberTextRow{"JustBelowOneE4InExponentForm", 0.0000999, "9.99E-05"},
        NumberTextRow{"OneAndAHalfE5", 0.000015, "1.5E-05"},
        NumberTextRow{"ANegativeSmallNumber", -0.000015, "-1.5E-05"},
        NumberTextRow{"OneE5", 1e-5, "1E-05"},
        NumberTextRow{"ANegativeThreeDigitExponent", 1e-100, "1E-100"}),
    rowName<NumberTextRow>);

// ---------------------------------------------------------------- roundHalfEven

struct RoundRow {
    const char* name;
    double value;
    int decimals;
    double expected;
    friend void PrintTo(const RoundRow& row, std::ostream* os) { *os << row.name; }
};

class RoundHalfEvenGives : public ::testing::TestWithParam<RoundRow> {};

TEST_P(RoundHalfEvenGives, TheNearestValue)
{
    const RoundRow& row = GetParam();
    EXPECT_EQ(roundHalfEven(row.value, row.decimals).value(), row.expected);
}

// Exact binary expansions quoted below are of the double nearest to the literal.
INSTANTIATE_TEST_SUITE_P(
    Values, RoundHalfEvenGives,
    ::testing::Values(
        RoundRow{"AHalfGoesDownToZero", 0.5, 0, 0.0},
        RoundRow{"OneAndAHalfGoesUpToTwo", 1.5, 0, 2.0},
        RoundRow{"TwoAndAHalfGoesDownToTwo", 2.5, 0, 2.0},
        RoundRow{"ThreeAndAHalfGoesUpToFour", 3.5, 0, 4.0},
        RoundRow{"MinusTwoAndAHalfGoesToMinusTwo", -2.5, 0, -2.0},
        RoundRow{"MinusThreeAndAHalfGoesToMinusFour", -3.5, 0, -4.0},
        RoundRow{"JustAboveATieGoesUp", std::nextafter(2.5, 3.0), 0, 3.0},
        RoundRow{"JustBelowATieGoesDown", std::nextafter(3.5, 0.0), 0, 3.0},
        RoundRow{"AQuarterToOneDecimalGoesToEven", 2.25, 1, 2.2},
        RoundRow{"ANegativeQuarterToOneDecimal", -0.25, 1, -0.2},
        RoundRow{"ThreeQuartersToOneDecimalGoesUp", 0.75, 1, 0.8},
        // 2.675 is held as 2.67499999999999982..., below the tie.
        RoundRow{"AValueHeldBelowItsTieGoesDown", 2.675, 2, 2.67},
        RoundRow{"ANegativeValueHeldBelowItsTie", -2.675, 2, -2.67},
        // 1.005 is held as 1.00499999999999989...
        RoundRow{"AnotherValueHeldBelowItsTie", 1.005, 2, 1.0},
        // 123.4565 is held as 123.456500000000005..., above the tie.
        RoundRow{"AValueHeldAboveItsTieGoesUp", 123.4565, 3, 123.457},
        // 0.1953125 = 25/128 and 0.0078125 = 1/128 are exact ties at six decimals.
        RoundRow{"ATieAtSixDecimalsGoesDownToEven", 0.1953125, 6, 0.195312},
        RoundRow{"ASmallTieAtSixDecimalsGoesDownToEven", 0.0078125, 6, 0.007812},
        // 0.0234375 = 3/128: the sixth decimal 7 is odd, so the tie goes up.
        RoundRow{"ATieAtSixDecimalsGoesUpToEven", 0.0234375, 6, 0.023438},
        RoundRow{"ANegativeTieAtSixDecimals", -0.1953125, 6, -0.195312},
        RoundRow{"SixDecimalsOfALightPosition", 707.1067811865476, 6, 707.106781},
        RoundRow{"AWholeNumberIsKept", 256.0, 0, 256.0},
        RoundRow{"ALargeNumberIsKept", 1e300, 6, 1e300}),
    rowName<RoundRow>);

TEST(RoundHalfEven, RoundsATinyNegativeToPositiveZero)
{
    struct Row {
        const char* name;
        double value;
        int decimals;
    };
    const Row rows[] = {
        {"a tiny negative position at six decimals", -8.7e-14, 6},
        {"minus a ten-millionth at six decimals", -0.0000001, 6},
        {"minus four tenths to a whole number", -0.4, 0},
        {"minus a half to a whole number (tie to even 0)", -0.5, 0},
        {"a negative zero", -0.0, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const double r = roundHalfEven(row.value, row.decimals).value();
        EXPECT_EQ(r, 0.0);
        EXPECT_FALSE(std::signbit(r));
    }
}

// ---------------------------------------------------------------- formatFixed

struct FormatRow {
    const char* name;
    double value;
    Pattern pattern;
    const char* expected;
    friend void PrintTo(const FormatRow& row, std::ostream* os) { *os << row.name; }
};

class FormatFixedWrites : public ::testing::TestWithParam<FormatRow> {};

TEST_P(FormatFixedWrites, ThePatternsDecimals)
{
    EXPECT_EQ(formatFixed(GetParam().value, GetParam().pattern), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatFixedWrites,
    ::testing::Values(
        FormatRow{"AHalfBySixDecimals", 0.5, Pattern::SixDecimals, "0.500000"},
        FormatRow{"ALightPositionBySixDecimals", 707.1067811865476, Pattern::SixDecimals, "707.106781"},
        FormatRow{"AThousandBySixDecimals", 1000.0, Pattern::SixDecimals, "1000.000000"},
        FormatRow{"MinusThreeByOneDecimal", -3.0, Pattern::OneDecimal, "-3.0"},
        FormatRow{"AStrengthByThreeDecimals", 40.0, Pattern::ThreeDecimals, "40.000"},
        FormatRow{"AGridResolutionByFourDecimals", 1.5, Pattern::FourDecimals, "1.5000"},
        FormatRow{"AGridSizeAsWholeNumber", 256.0, Pattern::Whole, "256"},
        FormatRow{"ANegativeWholeNumber", -7.0, Pattern::Whole, "-7"},
        FormatRow{"ZeroAsWholeNumber", 0.0, Pattern::Whole, "0"},
        FormatRow{"ALargeWholeNumberWithoutSeparators", 1e20, Pattern::Whole, "100000000000000000000"},
        // Unrounded exact ties go half away from zero.
        FormatRow{"AHalfAwayFromZero", 0.5, Pattern::Whole, "1"},
        FormatRow{"TwoAndAHalfAwayFromZero", 2.5, Pattern::Whole, "3"},
        FormatRow{"MinusTwoAndAHalfAwayFromZero", -2.5, Pattern::Whole, "-3"},
        FormatRow{"ATieCarryingIntoANewDigit", 99.5, Pattern::Whole, "100"},
        FormatRow{"AQuarterByOneDecimal", 0.25, Pattern::OneDecimal, "0.3"},
        FormatRow{"MinusAQuarterByOneDecimal", -0.25, Pattern::OneDecimal, "-0.3"},
        FormatRow{"ASixteenthByThreeDecimals", 0.0625, Pattern::ThreeDecimals, "0.063"},
        FormatRow{"AThirtySecondByFourDecimals", 0.03125, Pattern::FourDecimals, "0.0313"},
        FormatRow{"ATieBySixDecimals", 0.1953125, Pattern::SixDecimals, "0.195313"},
        FormatRow{"ANegativeTieBySixDecimals", -0.0078125, Pattern::SixDecimals, "-0.007813"},
        // 0.35 is held as 0.34999999999999997..., so it is not a tie.
        FormatRow{"AValueHeldBelowItsTie", 0.35, Pattern::OneDecimal, "0.3"},
        FormatRow{"ExtraDecimalsRoundedUp", 9.99996, Pattern::FourDecimals, "10.0000"},
        // A zero never carries a minus sign.
        FormatRow{"ATinyNegativeBySixDecimals", -0.0000001, Pattern::SixDecimals, "0.000000"},
        FormatRow{"NegativeZeroByOneDecimal", -0.0, Pattern::OneDecimal, "0.0"},
        FormatRow{"NegativeZeroAsWholeNumber", -0.0, Pattern::Whole, "0"},
        FormatRow{"ANegativeFractionAsWholeNumber", -0.4, Pattern::Whole, "0"},
        FormatRow{"ASmallNegativeByFourDecimals", -0.00004, Pattern::FourDecimals, "0.0000"}),
    rowName<FormatRow>);

// The usual write of a result: half-even rounding first, then the pattern.
TEST(RoundedText, RoundsHalfEvenBeforeFormatting)
{
    struct Row {
        const char* name;
        double value;
        Pattern pattern;
        const char* expected;
    };
    const Row rows[] = {
        {"minus a quarter by one decimal", -0.25, Pattern::OneDecimal, "-0.2"},
        {"a tie at six decimals", 0.1953125, Pattern::SixDecimals, "0.195312"},
        {"a tie to a whole number", 2.5, Pattern::Whole, "2"},
        {"thirteen and a half to a whole number", 13.5, Pattern::Whole, "14"},
        {"a tiny negative position", -8.7e-14, Pattern::SixDecimals, "0.000000"},
        {"a strength with extra decimals", 13.3333332, Pattern::SixDecimals, "13.333333"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(roundedText(row.value, row.pattern), row.expected);
    }
}

}  // namespace
}  // namespace lumetra
