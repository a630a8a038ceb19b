// Each kind of calculation fault reached by a real click on Calculate, from values the
// window itself holds: the one error message, the results written before the fault and
// those that were not reached, and a corrected Calculate that works as usual afterwards.

#include "window_fixture.h"

namespace lumetra::ui::test {
namespace {

using test::PrintTo;
// Field names with texts, as the fixture enters and checks them.
using FieldTexts = std::vector<std::pair<QString, std::string>>;

enum class Start {
    ArmadilloToMax,
    MaxToArmadillo,
    // 3dsMax to Armadillo after the other direction has written an object scale and a
    // strength too small to show, '0.000000' both: grid resolution 1000000 on a Baja track
    // (grid extent 512000000) with grid size 1 and strength 1 gives an object scale of
    // 100 / 512000000 = 0.0000001953125 and a strength of a hundredth of that.
    MaxToArmadilloWithZeroObjectScale,
};

struct FaultRow {
    const char* name;
    Start start;
    FieldTexts typed;      // entered before the Calculate that faults
    const char* message;
    FieldTexts reached;    // written before the fault
    FieldTexts unreached;  // keep their text
    FieldTexts corrected;  // entered before the next Calculate
    FieldTexts results;    // what that Calculate shows
};

class CalculationFault : public WindowTest, public ::testing::WithParamInterface<FaultRow> {
protected:
    void startAt(Start start)
    {
        if (start == Start::ArmadilloToMax)
            return;
        if (start == Start::MaxToArmadilloWithZeroObjectScale) {
            clickBox("chkBajaStuntEnduro");
            enterAll({{"txtGridRes", "1e6"}, {"txtGridSize", "1"}, {"txtDilloStrength", "1"}});
            clickCalculate();
            ASSERT_EQ(text("txtObjectScale"), "0.000000");
            ASSERT_EQ(text("txtMaxStrength"), "0.000000");
            ASSERT_TRUE(messages.texts.empty());
        }
        switchTo(Layout::MaxToArmadillo);
    }
};

// The light of X -300, Y 400 and the stored Z 707.106781, with its hand-worked results.
const FieldTexts lightAt300By400{{"txtX", "-300"}, {"txtY", "400"}};
const FieldTexts lightAt300By400Results{
    {"txtDistance", "866.025404"}, {"txtPitch", "54.7"}, {"txtCalcHeading", "126.869897645844"}, {"txtHeading", "53.1"}};
// Grid size 512 at object scale 100 is a grid extent of 512, resolution 1 on a Baja track;
// strength 40 at 100 percent stays 40.
const FieldTexts baja512At100{{"txtGridSize", "512"}, {"txtObjectScale", "100"}, {"txtMaxStrength", "40"}};
const FieldTexts baja512At100Results{{"txtDilloStrength", "40.000"}, {"txtGridRes", "1.0000"}, {"txtObjectScale", "100.000000"}};

FieldTexts joined(FieldTexts a, const FieldTexts& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST_P(CalculationFault, ShowsOneMessageKeepsTheWindowAndLetsACorrectedCalculateWork)
{
    const FaultRow& row = GetParam();
    startAt(row.start);
    enterAll(row.typed);
    clickCalculate();
    EXPECT_EQ(messages.texts, std::vector<std::string>{row.message});
    expectTexts(row.reached);
    expectTexts(row.unreached);
    ASSERT_TRUE(window->isVisible());

    enterAll(row.corrected);
    clickCalculate();
    EXPECT_EQ(messages.texts.size(), 1U) << "the corrected calculation shows no message";
    expectTexts(row.results);
    EXPECT_TRUE(window->isVisible());
}

const FaultRow faultRows[] = {
    // 1e306 times 256 is 2.56e308, beyond the largest double (about 1.8e308): the grid
    // extent overflows once the light, with heading 30, pitch 45 and distance 1000, is written.
    {"AGridExtentBeyondTheLargestDoubleOverflows", Start::ArmadilloToMax, {{"txtHeading", "30"}, {"txtGridRes", "1e306"}},
     "Unexpected Calculation Error: Overflow ( 6)",
     {{"txtCalcHeading", "150"}, {"txtCalcPitch", "45"}, {"txtX", "-612.372436"}, {"txtY", "353.553391"},
      {"txtZ", "707.106781"}},
     {},
     // Resolution 6 is an extent of 1536: grid size 256 is 16.67 percent of it, and strength
     // 40 at that scale is 6.67.
     {{"txtGridRes", "6"}},
     {{"txtGridSize", "256"}, {"txtObjectScale", "16.666667"}, {"txtMaxStrength", "6.666667"}}},
    // X 1e200 squared is 1e400: the light distance overflows before anything is written.
    {"ALightPositionWhoseSquareIsBeyondTheLargestDoubleOverflows", Start::MaxToArmadillo, {{"txtX", "1e200"}},
     "Unexpected Calculation Error: Overflow ( 6)",
     {},
     {{"txtDistance", "1000.000000"}, {"txtCalcHeading", ""}, {"txtPitch", "45.0"}},
     lightAt300By400,
     joined(lightAt300By400Results, {{"txtDilloStrength", "40.000"}, {"txtGridRes", "3.0000"}})},
    // Strength 2 over object scale 0: the light is converted, then the strength divides by zero.
    {"AStrengthOverAZeroObjectScaleDividesByZero", Start::MaxToArmadilloWithZeroObjectScale,
     joined(lightAt300By400, {{"txtMaxStrength", "2"}}),
     "Unexpected Calculation Error: Division by zero ( 11)",
     lightAt300By400Results,
     {{"txtDilloStrength", "1.000"}, {"txtGridRes", "1000000.0000"}, {"txtObjectScale", "0.000000"}},
     baja512At100,
     baja512At100Results},
    // Strength 0 over object scale 0 is zero over zero.
    {"AZeroStrengthOverAZeroObjectScaleIsAnInvalidOperation", Start::MaxToArmadilloWithZeroObjectScale,
     lightAt300By400,
     "Unexpected Calculation Error: Invalid operation ( 5)",
     lightAt300By400Results,
     {{"txtDilloStrength", "1.000"}, {"txtGridRes", "1000000.0000"}, {"txtObjectScale", "0.000000"}},
     baja512At100,
     baja512At100Results},
};

INSTANTIATE_TEST_SUITE_P(Calculate, CalculationFault, ::testing::ValuesIn(faultRows), rowName);

}  // namespace
}  // namespace lumetra::ui::test
