// The Calculate and Exit commands: both conversions as the user drives them, the two
// coordinate warnings, the calculation-error report, and the ways the window closes.

#include <QTest>

#include "window_fixture.h"

namespace lumetra::ui::test {
namespace {

using test::PrintTo;
using Calculate = WindowTest;

TEST_F(Calculate, OnTheUntouchedWindowChangesNoVisibleTextAndFillsTheHiddenResults)
{
    std::vector<std::string> expected = allTexts();
    expected.end()[-2] = "90";  // the two result fields out of sight
    expected.end()[-1] = "45";
    clickCalculate();
    EXPECT_EQ(allTexts(), expected);
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_TRUE(window->isVisible());
}

struct LightRow {
    const char* name;
    const char *heading, *pitch, *distance;
    const char *calcHeading, *calcPitch;
    const char *x, *y, *z;  // nullptr: not looked at
};

class ArmadilloLight : public WindowTest, public ::testing::WithParamInterface<LightRow> {};

TEST_P(ArmadilloLight, PlacesTheLightAndCarriesHeadingAndPitchOver)
{
    const LightRow& row = GetParam();
    enterAll({{"txtHeading", row.heading}, {"txtPitch", row.pitch}, {"txtDistance", row.distance}});
    clickCalculate();
    expectTexts({{"txtCalcHeading", row.calcHeading}, {"txtCalcPitch", row.calcPitch}});
    if (row.x)
        expectTexts({{"txtX", row.x}, {"txtY", row.y}, {"txtZ", row.z}});
    EXPECT_TRUE(messages.texts.empty());
}

const LightRow lightRows[] = {
    {"Heading30LooksBackAlongTheNegativeX", "30", "45", "1000", "150", "45", "-612.372436", "353.553391", "707.106781"},
    {"Heading30Pitch20AtDistance500", "30", "20", "500", "150", "20", "-406.898841", "234.923155", "171.010072"},
    {"Heading200GivesANegativeMaxHeading", "200", "45", "1000", "-20", "45", nullptr, nullptr, nullptr},
    {"Heading0GivesMaxHeading180", "0", "45", "1000", "180", "45", nullptr, nullptr, nullptr},
    {"Heading359Point9IsNotReducedToARange", "359.9", "45", "1000", "-179.9", "45", nullptr, nullptr, nullptr},
    {"Heading90Point1ShowsNoRepresentationError", "90.1", "45", "1000", "89.9", "45", nullptr, nullptr, nullptr},
    {"AFractionalPitchKeepsItsDecimal", "90", "12.5", "1000", "90", "12.5", nullptr, nullptr, nullptr},
};

INSTANTIATE_TEST_SUITE_P(ArmadilloToMax, ArmadilloLight, ::testing::ValuesIn(lightRows), rowName);

struct GridRow {
    const char* name;
    bool national, objectScaleGiven;
    const char *gridRes, *strength, *given;  // given: grid size or object scale; nullptr keeps the text
    const char *gridSize, *maxStrength, *objectScale;
};

class ArmadilloGrid : public WindowTest, public ::testing::WithParamInterface<GridRow> {};

TEST_P(ArmadilloGrid, ScalesTheGridAndTheStrength)
{
    const GridRow& row = GetParam();
    if (!row.national)
        clickBox("chkBajaStuntEnduro");
    if (row.objectScaleGiven)
        clickBox("chkUseObjectScale");
    if (row.gridRes)
        enterAll({{"txtGridRes", row.gridRes}});
    if (row.strength)
        enterAll({{"txtDilloStrength", row.strength}});
    if (row.given)
        enterAll({{row.objectScaleGiven ? "txtObjectScale" : "txtGridSize", row.given}});
    clickCalculate();
    expectTexts({{"txtGridSize", row.gridSize}, {"txtMaxStrength", row.maxStrength}, {"txtObjectScale", row.objectScale}});
    EXPECT_TRUE(messages.texts.empty());
}

const GridRow gridRows[] = {
    {"NationalByGridSizeReproducesTheStoredTexts", true, false, nullptr, nullptr, nullptr, "256", "13.333333", "33.333333"},
    {"NationalByObjectScaleReproducesTheStoredTexts", true, true, nullptr, nullptr, nullptr, "256", "13.333333", "33.333333"},
    {"BajaByGridSizeHalvesTheObjectScale", false, false, nullptr, nullptr, nullptr, "256", "6.666667", "16.666667"},
    {"BajaByObjectScaleDoublesTheGridSize", false, true, nullptr, nullptr, nullptr, "512", "13.333333", "33.333333"},
    {"AnObjectScaleTypedWholeIsRewrittenWithSixDecimals", true, true, nullptr, nullptr, "50", "384", "20.000000", "50.000000"},
    {"AGridSizeTieAt2Point5GoesDownTo2", true, true, "0.5", nullptr, "1.953125", "2", "0.781250", "1.953125"},
    {"AGridSizeTieAt3Point5GoesUpTo4", true, true, "0.5", nullptr, "2.734375", "4", "1.093750", "2.734375"},
    {"AGridSizeTieAt4Point5GoesDownTo4", true, true, "0.5", nullptr, "3.515625", "4", "1.406250", "3.515625"},
    {"ASixDecimalTieGoesToTheEvenDigit", false, false, "1", "4", "1", "1", "0.007812", "0.195312"},
};

INSTANTIATE_TEST_SUITE_P(ArmadilloToMax, ArmadilloGrid, ::testing::ValuesIn(gridRows), rowName);

struct MaxLightRow {
    const char* name;
    const char *x, *y, *z;
    const char *distance, *pitch, *calcHeading, *heading;
};

class MaxLight : public WindowTest, public ::testing::WithParamInterface<MaxLightRow> {};

TEST_P(MaxLight, FindsDistancePitchAndHeading)
{
    const MaxLightRow& row = GetParam();
    switchTo(Layout::MaxToArmadillo);
    enterAll({{"txtX", row.x}, {"txtY", row.y}, {"txtZ", row.z}});
    clickCalculate();
    expectTexts({{"txtDistance", row.distance}, {"txtPitch", row.pitch}, {"txtCalcHeading", row.calcHeading},
                 {"txtHeading", row.heading}, {"txtCalcPitch", ""}});
    EXPECT_TRUE(messages.texts.empty());
}

const MaxLightRow maxLightRows[] = {
    {"OnThePositiveYAxis", "0", "500", "707.106781", "866.025404", "54.7", "90", "90.0"},
    {"OnTheNegativeYAxis", "0", "-500", "707.106781", "866.025404", "54.7", "-90", "270.0"},
    {"OnThePositiveXAxis", "500", "0", "707.106781", "866.025404", "54.7", "0", "180.0"},
    {"OnTheNegativeXAxis", "-500", "0", "707.106781", "866.025404", "54.7", "180", "0.0"},
    {"InTheQuarterOfNegativeXAndY", "-500", "-500", "707.106781", "1000.000000", "45.0", "-135", "315.0"},
    {"InTheQuarterOfNegativeXAndPositiveY", "-500", "500", "707.106781", "1000.000000", "45.0", "135", "45.0"},
    {"InTheQuarterOfPositiveXAndY", "500", "500", "707.106781", "1000.000000", "45.0", "45", "135.0"},
    {"InTheQuarterOfPositiveXAndNegativeY", "500", "-500", "707.106781", "1000.000000", "45.0", "-45", "225.0"},
    {"WritesTheUnroundedMaxHeadingUncut", "-300", "400", "707.106781", "866.025404", "54.7", "126.869897645844", "53.1"},
    {"APitchOfJustUnder89Point9Passes", "1.8", "0", "1000", "1000.001620", "89.9", "0", "180.0"},
    {"ATinyDistanceIsStillALight", "0.000001", "0", "0", "0.000001", "0.0", "0", "180.0"},
    {"ASteepDownwardPitchIsWrittenUncut", "1", "0", "-1000", "1000.000500", "-89.9", "0", "180.0"},
    {"AHeadingJustShortOfAFullTurnReads360", "-1000", "-0.5", "0", "1000.000125", "0.0", "-179.971352112631", "360.0"},
};

INSTANTIATE_TEST_SUITE_P(MaxToArmadillo, MaxLight, ::testing::ValuesIn(maxLightRows), rowName);

TEST_F(Calculate, MaxToArmadilloOnTheStoredTextsGivesTheStoredArmadilloTexts)
{
    switchTo(Layout::MaxToArmadillo);
    clickCalculate();
    expectTexts({{"txtDistance", "1000.000000"}, {"txtPitch", "45.0"}, {"txtCalcHeading", "90"}, {"txtHeading", "90.0"},
                 {"txtDilloStrength", "40.000"}, {"txtGridRes", "3.0000"}, {"txtObjectScale", "33.333333"}});
    clickBox("chkNatSX");
    clickCalculate();
    expectTexts({{"txtGridRes", "1.5000"}, {"txtDilloStrength", "40.000"}});
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(Calculate, MaxToArmadilloDividesTheGridBy256ForNationalAnd512ForBaja)
{
    switchTo(Layout::MaxToArmadillo);
    enterAll({{"txtGridSize", "512"}, {"txtObjectScale", "100"}, {"txtMaxStrength", "40"}});
    clickCalculate();
    const FieldTexts unchanged{{"txtGridSize", "512"}, {"txtMaxStrength", "40.000000"}, {"txtObjectScale", "100.000000"}};
    expectTexts({{"txtDilloStrength", "40.000"}, {"txtGridRes", "2.0000"}});
    expectTexts(unchanged);
    clickBox("chkBajaStuntEnduro");
    clickCalculate();
    expectTexts({{"txtDilloStrength", "40.000"}, {"txtGridRes", "1.0000"}});
    expectTexts(unchanged);
}

struct WarningRow {
    const char* name;
    const char *x, *y, *z;
    const char* distance;
    const char* message;
};

const char* const zeroDistance =
    "Cannot calculate Pitch because Light Distance is Zero.  Please check light X, Y, Z coordinates";
const char* const steepPitch = "Invalid Light Coordinates.  Pitch is greater than 89.9 degrees";

class Warning : public WindowTest, public ::testing::WithParamInterface<WarningRow> {};

TEST_P(Warning, ShowsOneMessageKeepsPitchAndHeadingAndStillConvertsTheGrid)
{
    const WarningRow& row = GetParam();
    switchTo(Layout::MaxToArmadillo);
    enterAll({{"txtX", row.x}, {"txtY", row.y}, {"txtZ", row.z},
              {"txtGridSize", "512"}, {"txtObjectScale", "100"}, {"txtMaxStrength", "40"}});
    std::string distanceWhenShown, gridResWhenShown;
    messages.whenShown = [&] {
        distanceWhenShown = text("txtDistance");
        gridResWhenShown = text("txtGridRes");
    };
    clickCalculate();
    EXPECT_EQ(messages.texts, std::vector<std::string>{row.message});
    EXPECT_EQ(distanceWhenShown, row.distance);
    EXPECT_EQ(gridResWhenShown, "3.0000") << "the grid is converted after the message";
    expectTexts({{"txtPitch", "45.0"}, {"txtHeading", "90.0"}, {"txtCalcHeading", ""},
                 {"txtDilloStrength", "40.000"}, {"txtGridRes", "2.0000"}, {"txtObjectScale", "100.000000"}});
    EXPECT_TRUE(window->isVisible());
}

INSTANTIATE_TEST_SUITE_P(MaxToArmadillo, Warning,
                         ::testing::Values(WarningRow{"ALightAtTheOriginHasNoPitch", "0", "0", "0", "0.000000", zeroDistance},
                                           WarningRow{"APitchOf89Point94IsTooSteep", "1", "0", "1000", "1000.000500", steepPitch},
                                           WarningRow{"ALightStraightUpIsTooSteep", "0", "0", "100", "100.000000", steepPitch}),
                         rowName);

TEST_F(Calculate, ALightStraightDownReportsDivisionByZeroAndKeepsTheWindowOpen)
{
    switchTo(Layout::MaxToArmadillo);
    enterAll({{"txtX", "0"}, {"txtY", "0"}, {"txtZ", "-100"}, {"txtGridSize", "512"}, {"txtObjectScale", "100"}});
    std::string distanceWhenShown;
    messages.whenShown = [&] { distanceWhenShown = text("txtDistance"); };
    clickCalculate();
    EXPECT_EQ(messages.texts, std::vector<std::string>{"Unexpected Calculation Error: Division by zero ( 11)"});
    EXPECT_EQ(distanceWhenShown, "100.000000");
    // Neither the rest of the light nor the grid is reached after the fault.
    expectTexts({{"txtPitch", "45.0"}, {"txtGridRes", "3.0000"}, {"txtDilloStrength", "40.000"}});
    EXPECT_TRUE(window->isVisible());
}

class ZeroGridResolution : public WindowTest {
protected:
    // The other direction writes a grid resolution too small to show: '0.0000'.
    void SetUp() override
    {
        WindowTest::SetUp();
        switchTo(Layout::MaxToArmadillo);
        enterAll({{"txtGridSize", "1"}, {"txtObjectScale", "10000000"}});
        clickCalculate();
        ASSERT_EQ(text("txtGridRes"), "0.0000");
        ASSERT_EQ(text("txtObjectScale"), "10000000.000000");
        clickBox("chkArmadillo2Max");
        ASSERT_EQ(box("chkUseObjectScale")->value(), 0);
        ASSERT_TRUE(messages.texts.empty());
    }
};

TEST_F(ZeroGridResolution, ByGridSizeReportsDivisionByZeroAfterTheLightIsWritten)
{
    enterAll({{"txtHeading", "30"}});
    clickCalculate();
    EXPECT_EQ(messages.texts, std::vector<std::string>{"Unexpected Calculation Error: Division by zero ( 11)"});
    expectTexts({{"txtCalcHeading", "150"}, {"txtX", "-612.372436"}});
    EXPECT_EQ(text("txtObjectScale"), "10000000.000000") << "not reached after the fault";
    ASSERT_TRUE(window->isVisible());

    enterAll({{"txtGridRes", "3"}, {"txtDilloStrength", "40"}, {"txtGridSize", "256"}});
    clickCalculate();
    EXPECT_EQ(messages.texts.size(), 1U) << "a later calculation with good values succeeds";
    expectTexts({{"txtObjectScale", "33.333333"}, {"txtMaxStrength", "13.333333"}});
}

TEST_F(ZeroGridResolution, ByObjectScaleGivesGridSizeZeroAndThenByGridSizeAnInvalidOperation)
{
    clickBox("chkUseObjectScale");
    clickCalculate();
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(text("txtGridSize"), "0");
    clickBox("chkUseObjectScale");
    clickCalculate();
    EXPECT_EQ(messages.texts, std::vector<std::string>{"Unexpected Calculation Error: Invalid operation ( 5)"});
    EXPECT_TRUE(window->isVisible());
}

TEST_F(Calculate, AHeadingOfAFullTurnNeverShowsANegativeZero)
{
    switchTo(Layout::MaxToArmadillo);
    enterAll({{"txtX", "-1000"}, {"txtY", "-0.5"}, {"txtZ", "0"}});
    clickCalculate();
    ASSERT_EQ(text("txtHeading"), "360.0");
    clickBox("chkArmadillo2Max");
    clickCalculate();
    expectTexts({{"txtCalcHeading", "-180"}, {"txtX", "-1000.000125"}, {"txtY", "0.000000"}, {"txtZ", "0.000000"}});
}

TEST_F(Calculate, TheExitButtonClosesTheWindow)
{
    click(button("btnExit"));
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(Calculate, AltXPressesExit)
{
    QTest::keyClick(window.get(), Qt::Key_X, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !window->isVisible(); }, 1000));
}

TEST_F(Calculate, EnterAndEscapeInATextFieldPressNoButton)
{
    typeInto("txtHeading", "30");
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        SCOPED_TRACE(::testing::Message() << "key code " << static_cast<int>(key));
        QTest::keyClick(edit("txtHeading"), key);
        QTest::qWait(200);
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(text("txtCalcHeading"), "") << "Calculate must not have run";
        EXPECT_EQ(focusedName(), "txtHeading");
        EXPECT_EQ(text("txtHeading"), "30");
    }
}

}  // namespace
}  // namespace lumetra::ui::test
