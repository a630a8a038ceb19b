// Calculate, Exit and the close box on the in-memory window: the direction that Calculate
// takes, its warnings and its error report, after which the window stays open and works.
// What each direction computes is the core's to test.

#include "form_fixture.h"

namespace lumetra::ui::test {
namespace {

using test::PrintTo;

using Calculate = FormTest;

TEST_F(Calculate, OnTheUntouchedWindowRewritesWhatItShowsAndFillsTheTwoHiddenResults)
{
    form.buttonClicked(Button::btnCalculate);
    EXPECT_EQ(testing::eventsOfKind(log, "write"),
              (EventLog{"write txtCalcHeading 90", "write txtCalcPitch 45", "write txtX 0.000000",
                        "write txtY 707.106781", "write txtZ 707.106781", "write txtMaxStrength 13.333333",
                        "write txtObjectScale 33.333333"}));
    EXPECT_TRUE(window.messages().empty());
    EXPECT_FALSE(window.unloaded());
}

struct DirectionRow {
    const char* name;
    BoxValue armadilloToMax, maxToArmadillo;
    const char* firstWrite;
};

class Direction : public FormTest, public ::testing::WithParamInterface<DirectionRow> {};

TEST_P(Direction, ComesFromTheArmadilloToMaxBoxAlone)
{
    window.put(CheckBox::chkArmadillo2Max, GetParam().armadilloToMax);
    window.put(CheckBox::chkMax2Armadillo, GetParam().maxToArmadillo);
    form.buttonClicked(Button::btnCalculate);
    const EventLog writes = testing::eventsOfKind(log, "write");
    ASSERT_FALSE(writes.empty());
    EXPECT_EQ(writes.front(), GetParam().firstWrite);
    EXPECT_EQ(testing::eventsOfKind(log, "read").front(), "read chkArmadillo2Max");
}

INSTANTIATE_TEST_SUITE_P(
    Calculate, Direction,
    ::testing::Values(DirectionRow{"TickedConvertsToMaxWhateverTheOtherBoxSays", Ticked, Ticked, "write txtCalcHeading 90"},
                      DirectionRow{"ClearConvertsToArmadilloWhateverTheOtherBoxSays", Clear, Clear, "write txtDistance 1000.000000"},
                      DirectionRow{"GreyedCountsAsClear", Greyed, Clear, "write txtDistance 1000.000000"}),
    rowName);

TEST_F(Calculate, AWarningIsAMessageAfterWhichTheGridIsStillConverted)
{
    switchTo(Layout::MaxToArmadillo);
    for (TextField axis : {TextField::txtX, TextField::txtY, TextField::txtZ})
        window.put(axis, "0");
    std::string gridResWhenShown;
    window.whenMessageShown = [this, &gridResWhenShown] { gridResWhenShown = window[TextField::txtGridRes]; };
    window.put(TextField::txtGridRes, "old");
    form.buttonClicked(Button::btnCalculate);
    EXPECT_EQ(window.messages(), std::vector<std::string>{"Cannot calculate Pitch because Light Distance is Zero.  "
                                                          "Please check light X, Y, Z coordinates"});
    EXPECT_EQ(gridResWhenShown, "old");
    EXPECT_EQ(window[TextField::txtGridRes], "3.0000");
    EXPECT_FALSE(window.unloaded());
}

struct FaultRow {
    const char* name;
    Layout layout;
    std::vector<std::pair<TextField, const char*>> typed;
    const char* message;
    std::vector<std::pair<TextField, const char*>> corrected;
    TextField resultField;
    const char* result;
};

class CalculationError : public FormTest, public ::testing::WithParamInterface<FaultRow> {};

TEST_P(CalculationError, IsReportedOnceAndTheWindowStaysOpenAndWorks)
{
    const FaultRow& row = GetParam();
    switchTo(row.layout);
    for (const auto& [field, text] : row.typed)
        window.put(field, text);
    form.buttonClicked(Button::btnCalculate);
    EXPECT_EQ(window.messages(), std::vector<std::string>{row.message});
    EXPECT_FALSE(window.unloaded());

    for (const auto& [field, text] : row.corrected)
        window.put(field, text);
    form.buttonClicked(Button::btnCalculate);
    EXPECT_EQ(window.messages().size(), 1U) << "the corrected calculation shows no message";
    EXPECT_EQ(window[row.resultField], row.result);
}

const FaultRow faultRows[] = {
    // 1e306 times 256 is beyond the largest double, about 1.8e308.
    {"AGridExtentBeyondTheLargestDoubleOverflows", Layout::ArmadilloByGridSize, {{TextField::txtGridRes, "1e306"}},
     "Unexpected Calculation Error: Overflow ( 6)", {{TextField::txtGridRes, "3.0000"}}, TextField::txtObjectScale,
     "33.333333"},
    // Z / D is exactly -1, and the arcsine divides by the square root of -1 * -1 + 1 = 0.
    {"ALightStraightDownDividesByZero", Layout::MaxToArmadillo,
     {{TextField::txtX, "0"}, {TextField::txtY, "0"}, {TextField::txtZ, "-100"}},
     "Unexpected Calculation Error: Division by zero ( 11)", {{TextField::txtX, "500"}, {TextField::txtZ, "500"}},
     TextField::txtPitch, "45.0"},
    // A grid size of 0 over a grid extent of 0 is zero divided by zero.
    {"ZeroGridSizeOverZeroGridExtentIsAnInvalidOperation", Layout::ArmadilloByGridSize,
     {{TextField::txtGridRes, "0"}, {TextField::txtGridSize, "0"}}, "Unexpected Calculation Error: Invalid operation ( 5)",
     {{TextField::txtGridRes, "3"}, {TextField::txtGridSize, "256"}}, TextField::txtMaxStrength, "13.333333"},
};

INSTANTIATE_TEST_SUITE_P(Calculate, CalculationError, ::testing::ValuesIn(faultRows), rowName);

struct ExitRow {
    const char* name;
    std::function<void(FrmLumetra&)> action;
    bool unloads;
};

class Leaving : public FormTest, public ::testing::WithParamInterface<ExitRow> {};

TEST_P(Leaving, UnloadsTheWindowWithoutAQuestion)
{
    GetParam().action(form);
    EXPECT_EQ(log, GetParam().unloads ? EventLog{"unload"} : EventLog{});
}

INSTANTIATE_TEST_SUITE_P(
    TheWaysOut, Leaving,
    ::testing::Values(ExitRow{"TheExitButton", [](FrmLumetra& f) { f.buttonClicked(Button::btnExit); }, true},
                      ExitRow{"TheCloseBox", [](FrmLumetra& f) { f.closeBoxClicked(); }, true},
                      ExitRow{"TheHiddenCommand1DoesNothing", [](FrmLumetra& f) { f.buttonClicked(Button::Command1); }, false}),
    rowName);

}  // namespace
}  // namespace lumetra::ui::test
