// Leaving a numeric field tidies its number: clamped, rounded and rewritten in the field's
// fixed form. Also the typing limits, which apply to typing only, and numbers too large to hold.

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "window_fixture.h"

namespace lumetra::ui::test {
namespace {

using test::PrintTo;

constexpr Layout byGridSize = Layout::ArmadilloByGridSize;
constexpr Layout maxToArmadillo = Layout::MaxToArmadillo;

struct NormaliseRow {
    const char* name;
    const char* field;
    Layout layout;  // one in which the field is editable
    const char* typed;
    const char* shown;
};

class Normaliser : public WindowTest, public ::testing::WithParamInterface<NormaliseRow> {};

TEST_P(Normaliser, RewritesTheTypedNumberWhenTabLeavesTheField)
{
    const NormaliseRow& row = GetParam();
    switchTo(row.layout);
    typeInto(row.field, row.typed);
    ASSERT_EQ(text(row.field), row.typed);
    pressTab();
    EXPECT_NE(focused(), edit(row.field));
    EXPECT_EQ(text(row.field), row.shown);
    EXPECT_TRUE(messages.texts.empty());
}

const NormaliseRow normaliseRows[] = {
    {"HeadingAbove359Point9IsClampedToIt", "txtHeading", byGridSize, "400", "359.9"},
    {"HeadingEqualToTheUpperBoundStays", "txtHeading", byGridSize, "359.9", "359.9"},
    {"NegativeHeadingBecomesZero", "txtHeading", byGridSize, "-10", "0.0"},
    {"HeadingTieGoesToTheEvenDigit", "txtHeading", byGridSize, "2.25", "2.2"},
    {"EmptyHeadingBecomesZero", "txtHeading", byGridSize, "", "0.0"},
    {"PitchAbove89Point9IsClampedToIt", "txtPitch", byGridSize, "95", "89.9"},
    {"NegativePitchBecomesZero", "txtPitch", byGridSize, "-5", "0.0"},
    {"WholePitchGainsADecimal", "txtPitch", byGridSize, "45", "45.0"},
    {"PitchTieGoesToTheEvenDigit", "txtPitch", byGridSize, "0.25", "0.2"},
    {"ArmadilloStrengthBelowOneBecomesOne", "txtDilloStrength", byGridSize, "0.5", "1.000"},
    {"ArmadilloStrengthGainsThreeDecimals", "txtDilloStrength", byGridSize, "40", "40.000"},
    {"GridResolutionBelowATenthIsRaisedToIt", "txtGridRes", byGridSize, "0.05", "0.1000"},
    {"GridResolutionEqualToATenthIsNotClamped", "txtGridRes", byGridSize, "0.1", "0.1000"},
    {"GridResolutionGainsFourDecimals", "txtGridRes", byGridSize, "3", "3.0000"},
    {"GridSizeTieAt12Point5GoesDownTo12", "txtGridSize", byGridSize, "12.5", "12"},
    {"GridSizeTieAt13Point5GoesUpTo14", "txtGridSize", byGridSize, "13.5", "14"},
    {"GridSizeBelowOneBecomesOne", "txtGridSize", byGridSize, "0.4", "1"},
    {"GridSizeZeroBecomesOne", "txtGridSize", byGridSize, "0", "1"},
    {"DistanceGainsSixDecimals", "txtDistance", byGridSize, "1000", "1000.000000"},
    {"DistanceBelowOneBecomesOne", "txtDistance", byGridSize, "0.5", "1.000000"},
    {"ACommaEndsTheDistance", "txtDistance", byGridSize, "1,5", "1.000000"},
    {"EmptyDistanceBecomesOne", "txtDistance", byGridSize, "", "1.000000"},
    {"MaxStrengthZeroIsRaisedToATenth", "txtMaxStrength", maxToArmadillo, "0", "0.100000"},
    {"MaxStrengthIsRoundedToSixDecimals", "txtMaxStrength", maxToArmadillo, "13.3333333", "13.333333"},
    {"ObjectScaleZeroIsRaisedToATenth", "txtObjectScale", maxToArmadillo, "0", "0.100000"},
    {"ObjectScaleIsRoundedToSixDecimals", "txtObjectScale", maxToArmadillo, "13.3333333", "13.333333"},
    {"NegativeXKeepsItsSign", "txtX", maxToArmadillo, "-12.5", "-12.500000"},
    {"XInExponentFormIsWrittenOut", "txtX", maxToArmadillo, "1e3", "1000.000000"},
    {"XThatIsNoNumberBecomesZero", "txtX", maxToArmadillo, "abc", "0.000000"},
    {"EmptyXBecomesZero", "txtX", maxToArmadillo, "", "0.000000"},
    {"ATinyNegativeXShowsAPlainZero", "txtX", maxToArmadillo, "-0.0000001", "0.000000"},
    {"NegativeYKeepsItsSign", "txtY", maxToArmadillo, "-12.5", "-12.500000"},
    {"YInExponentFormIsWrittenOut", "txtY", maxToArmadillo, "1e3", "1000.000000"},
    {"ZThatIsNoNumberBecomesZero", "txtZ", maxToArmadillo, "abc", "0.000000"},
    {"NegativeZKeepsItsSign", "txtZ", maxToArmadillo, "-12.5", "-12.500000"},
};

INSTANTIATE_TEST_SUITE_P(EveryField, Normaliser, ::testing::ValuesIn(normaliseRows), rowName);

struct StraightRow {
    const char* name;
    const char* field;
    const char* typed;
    const char* normalised;
    const char* resultField;
    const char* result;
};

class CalculateStraightAfterTyping : public WindowTest, public ::testing::WithParamInterface<StraightRow> {};

TEST_P(CalculateStraightAfterTyping, ReadsTheNormalisedValue)
{
    const StraightRow& row = GetParam();
    typeInto(row.field, row.typed);
    clickCalculate();
    EXPECT_EQ(text(row.field), row.normalised);
    EXPECT_EQ(text(row.resultField), row.result);
}

INSTANTIATE_TEST_SUITE_P(
    ArmadilloToMax, CalculateStraightAfterTyping,
    ::testing::Values(StraightRow{"AHeadingAboveRangeIsClampedFirst", "txtHeading", "400", "359.9", "txtCalcHeading", "-179.9"},
                      StraightRow{"APitchAboveRangeIsClampedFirst", "txtPitch", "95", "89.9", "txtCalcPitch", "89.9"},
                      StraightRow{"ADistanceBelowOneIsRaisedFirst", "txtDistance", "0.5", "1.000000", "txtZ", "0.707107"}), rowName);

using Normalisers = WindowTest;

TEST_F(Normalisers, LeavingAReadOnlyComputedDistanceNormalisesIt)
{
    switchTo(Layout::MaxToArmadillo);
    enterAll({{"txtX", "0.3"}, {"txtY", "0"}, {"txtZ", "0.4"}});
    clickCalculate();
    ASSERT_EQ(text("txtDistance"), "0.500000");
    ASSERT_TRUE(edit("txtDistance")->isReadOnly());
    click(edit("txtDistance"));
    ASSERT_EQ(focusedName(), "txtDistance");
    EXPECT_EQ(text("txtDistance"), "0.500000") << "taking the focus changes nothing";
    pressTab();
    EXPECT_EQ(text("txtDistance"), "1.000000");
}

TEST_F(Normalisers, ALockedFieldRefusesTyping)
{
    ASSERT_TRUE(edit("txtX")->isReadOnly());
    typeInto("txtX", "12");
    EXPECT_EQ(text("txtX"), "0.000000");
}

struct LimitRow {
    const char* name;
    const char* field;
    Layout layout;
    int limit;
};

class TypingLimit : public WindowTest, public ::testing::WithParamInterface<LimitRow> {};

TEST_P(TypingLimit, RefusesTheCharacterPastTheLimit)
{
    const LimitRow& row = GetParam();
    switchTo(row.layout);
    typeInto(row.field, QString(row.limit + 1, '1'));
    EXPECT_EQ(text(row.field), std::string(static_cast<std::size_t>(row.limit), '1'));
}

INSTANTIATE_TEST_SUITE_P(
    EveryLimitedField, TypingLimit,
    ::testing::Values(LimitRow{"HeadingHoldsFive", "txtHeading", byGridSize, 5},
                      LimitRow{"PitchHoldsFour", "txtPitch", byGridSize, 4},
                      LimitRow{"ArmadilloStrengthHoldsEight", "txtDilloStrength", byGridSize, 8},
                      LimitRow{"GridResolutionHoldsSix", "txtGridRes", byGridSize, 6},
                      LimitRow{"DistanceHoldsTwelve", "txtDistance", byGridSize, 12},
                      LimitRow{"GridSizeHoldsFour", "txtGridSize", byGridSize, 4},
                      LimitRow{"MaxStrengthHoldsEleven", "txtMaxStrength", maxToArmadillo, 11},
                      LimitRow{"ObjectScaleHoldsEleven", "txtObjectScale", maxToArmadillo, 11}), rowName);

TEST_F(Normalisers, TheFifthCharacterTypedIntoThePitchIsRefused)
{
    FieldEdit* pitch = edit("txtPitch");
    click(pitch);
    QTest::keyClick(pitch, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(pitch, "-45.5");
    EXPECT_EQ(text("txtPitch"), "-45.");
}

struct PasteRow {
    const char* name;
    bool selectAll;
    const char* pasted;
    const char* shown;
};

class PasteIntoPitch : public WindowTest, public ::testing::WithParamInterface<PasteRow> {};

TEST_P(PasteIntoPitch, KeepsOnlyWhatFitsTheTypingLimit)
{
    const PasteRow& row = GetParam();
    FieldEdit* pitch = edit("txtPitch");
    click(pitch);
    QTest::keyClick(pitch, Qt::Key_A, Qt::ControlModifier);
    if (!row.selectAll)
        QTest::keyClick(pitch, Qt::Key_Backspace);
    QApplication::clipboard()->setText(row.pasted);
    QTest::keyClick(pitch, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(text("txtPitch"), row.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Paste, PasteIntoPitch,
    ::testing::Values(PasteRow{"AShortPasteIntoTheEmptyFieldIsKeptWhole", false, "12", "12"},
                      PasteRow{"ALongPasteIntoTheEmptyFieldIsCutToFour", false, "-45.55", "-45."},
                      PasteRow{"AShortPasteOverTheWholeTextReplacesIt", true, "12", "12"},
                      PasteRow{"ALongPasteOverTheWholeTextIsCutToFour", true, "-45.55", "-45."}), rowName);

TEST_F(Normalisers, APitchWrittenByCalculateIsNotCutToTheTypingLimit)
{
    switchTo(Layout::MaxToArmadillo);
    enterAll({{"txtX", "500"}, {"txtY", "0"}, {"txtZ", "-500"}});
    clickCalculate();
    EXPECT_EQ(text("txtPitch"), "-45.0");
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(Normalisers, TheCoordinatesTakeThirtyTypedCharacters)
{
    switchTo(Layout::MaxToArmadillo);
    const QString thirty = "123456789012345678901234567890";
    for (const char* name : {"txtX", "txtY", "txtZ"}) {
        SCOPED_TRACE(name);
        typeInto(name, thirty);
        EXPECT_EQ(text(name), thirty.toStdString());
    }
}

TEST_F(Normalisers, ANumberTooLargeToHoldIsReportedOnceAndKeptAsTyped)
{
    switchTo(Layout::MaxToArmadillo);
    enterAll({{"txtX", "1e999"}});
    ASSERT_EQ(messages.texts.size(), 1U);
    EXPECT_NE(messages.texts[0].find("Max X"), std::string::npos) << messages.texts[0];
    EXPECT_EQ(text("txtX"), "1e999");
    EXPECT_EQ(focusedName(), "txtY");

    clickCalculate();
    ASSERT_EQ(messages.texts.size(), 2U);
    EXPECT_EQ(messages.texts[1], "Unexpected Calculation Error: Overflow ( 6)");
    EXPECT_TRUE(window->isVisible());
}

TEST_F(Normalisers, CalculateClickedStraightAfterANumberTooLargeReportsBothInOrder)
{
    switchTo(Layout::MaxToArmadillo);
    typeInto("txtZ", "-2e400");
    clickCalculate();
    ASSERT_EQ(messages.texts.size(), 2U);
    EXPECT_NE(messages.texts[0].find("Max Z"), std::string::npos) << messages.texts[0];
    EXPECT_EQ(messages.texts[1], "Unexpected Calculation Error: Overflow ( 6)");
    EXPECT_EQ(text("txtZ"), "-2e400");
    EXPECT_TRUE(window->isVisible());
}

// The message is modal: the user lets go of the mouse while it is up, and the press that
// moved the focus reaches the box only afterwards. The click is lost, and the box must not
// be left held down waiting for a release that has already happened.
TEST_F(Normalisers, AClickReleasedWhileTheMessageIsUpIsLostAndLeavesNothingHeldDown)
{
    switchTo(Layout::MaxToArmadillo);
    typeInto("txtX", "1e999");
    ValueCheckBox* natSX = box("chkNatSX");
    const int before = natSX->value();
    messages.whenShown = [natSX] { QTest::mouseRelease(natSX, Qt::LeftButton); };
    QTest::mousePress(natSX, Qt::LeftButton);
    messages.whenShown = nullptr;
    ASSERT_EQ(messages.texts.size(), 1U);
    EXPECT_FALSE(natSX->isDown());
    EXPECT_EQ(natSX->value(), before);

    click(natSX);
    EXPECT_EQ(natSX->value(), before == 1 ? 0 : 1) << "the next click works as usual";
}

}  // namespace
}  // namespace lumetra::ui::test
