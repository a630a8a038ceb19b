// Leaving a field on the in-memory window: each of the eleven numeric fields tidies its own
// number, the two result fields below the window do not, and a number too large to hold is
// reported and kept. How each rule clamps and rounds is the core's to test.

#include "form_fixture.h"

namespace lumetra::ui::test {
namespace {

using test::PrintTo;

struct LeaveRow {
    const char* name;
    TextField field;
    const char* typed;
    const char* shown;
};

class LeavingAField : public FormTest, public ::testing::WithParamInterface<LeaveRow> {};

TEST_P(LeavingAField, WritesItsTidiedNumberAndNothingElse)
{
    const LeaveRow& row = GetParam();
    window.put(row.field, row.typed);
    form.fieldLeft(row.field);
    const std::string name(nameOf(row.field));
    EXPECT_EQ(log, (EventLog{"read " + name, "write " + name + " " + row.shown}));
    EXPECT_TRUE(window.messages().empty());
}

const LeaveRow leaveRows[] = {
    {"HeadingIsClampedToItsTop", TextField::txtHeading, "400", "359.9"},
    {"PitchIsClampedToItsTop", TextField::txtPitch, "95", "89.9"},
    {"ArmadilloStrengthIsRaisedToOne", TextField::txtDilloStrength, "0.5", "1.000"},
    {"GridResolutionIsRaisedToATenth", TextField::txtGridRes, "0.05", "0.1000"},
    {"DistanceGainsSixDecimals", TextField::txtDistance, "1000", "1000.000000"},
    {"GridSizeTieGoesToEven", TextField::txtGridSize, "12.5", "12"},
    {"MaxStrengthIsRaisedToATenth", TextField::txtMaxStrength, "0", "0.100000"},
    {"ObjectScaleIsRoundedToSixDecimals", TextField::txtObjectScale, "13.3333333", "13.333333"},
    {"XKeepsItsSign", TextField::txtX, "-12.5", "-12.500000"},
    {"YReadsAnExponent", TextField::txtY, "1e3", "1000.000000"},
    {"ZThatIsNoNumberBecomesZero", TextField::txtZ, "abc", "0.000000"},
    {"ATextAlreadyTidyIsWrittenAgain", TextField::txtGridRes, "3.0000", "3.0000"},
};

INSTANTIATE_TEST_SUITE_P(EveryNormalisedField, LeavingAField, ::testing::ValuesIn(leaveRows), rowName);

TEST_F(FormTest, TheTwoResultFieldsBelowTheWindowAreLeftAlone)
{
    for (TextField field : {TextField::txtCalcHeading, TextField::txtCalcPitch}) {
        window.put(field, "12.34567");
        form.fieldLeft(field);
    }
    EXPECT_EQ(log, EventLog{});
}

TEST_F(FormTest, LeavingAReadOnlyComputedDistanceNormalisesIt)
{
    switchTo(Layout::MaxToArmadillo);
    window.put(TextField::txtX, "0.3");
    window.put(TextField::txtY, "0");
    window.put(TextField::txtZ, "0.4");
    form.buttonClicked(Button::btnCalculate);
    ASSERT_EQ(window[TextField::txtDistance], "0.500000");
    ASSERT_EQ(window.look(TextField::txtDistance), Look::ReadOnly);
    form.fieldLeft(TextField::txtDistance);
    EXPECT_EQ(window[TextField::txtDistance], "1.000000");
}

TEST_F(FormTest, ANumberTooLargeToHoldIsReportedByTheFieldsNameAndKeptAsTyped)
{
    window.put(TextField::txtHeading, "1e999");
    form.fieldLeft(TextField::txtHeading);
    EXPECT_EQ(window.messages(), std::vector<std::string>{"The number in \"Heading (Armadillo Light Settings)\" is too "
                                                          "large to calculate with.  Please enter a smaller number."});
    EXPECT_EQ(window[TextField::txtHeading], "1e999");

    form.buttonClicked(Button::btnCalculate);
    ASSERT_EQ(window.messages().size(), 2U);
    EXPECT_EQ(window.messages()[1], "Unexpected Calculation Error: Overflow ( 6)");
    EXPECT_FALSE(window.unloaded());
}

}  // namespace
}  // namespace lumetra::ui::test
