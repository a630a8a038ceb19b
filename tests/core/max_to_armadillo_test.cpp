// The 3dsMax to Armadillo direction over the in-memory window.

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "angles.h"
#include "expect_fault.h"
#include "max_to_armadillo.h"
#include "memory_window.h"

namespace lumetra {
namespace {

using testing::EventLog;
using testing::eventsOfKind;
using testing::MemoryWindow;

const Angles angles(computePi());

constexpr const char* zeroDistance =
    "Cannot calculate Pitch because Light Distance is Zero.  Please check light X, Y, Z coordinates";
constexpr const char* steepPitch = "Invalid Light Coordinates.  Pitch is greater than 89.9 degrees";

// The window as the user leaves it after switching direction: the default texts with
// recognisable marks in the fields that this direction may leave alone.
struct Window {
    EventLog log;
    MemoryWindow fields{&log};

    Window()
    {
        fields.put(CheckBox::chkArmadillo2Max, Clear);
        fields.put(CheckBox::chkMax2Armadillo, Ticked);
        fields.put(CheckBox::chkUseObjectScale, Greyed);
        fields.put(TextField::txtPitch, "old pitch");
        fields.put(TextField::txtHeading, "old heading");
        fields.put(TextField::txtCalcHeading, "old calc heading");
        fields.put(TextField::txtCalcPitch, "old calc pitch");
    }
    void light(const char* x, const char* y, const char* z)
    {
        fields.put(TextField::txtX, x);
        fields.put(TextField::txtY, y);
        fields.put(TextField::txtZ, z);
    }
    void run() { maxToArmadillo(fields, angles); }
};

// D = 707.106781 * sqrt(2) = 999.99999974, pitch 45, X = 0 and Y > 0 give heading 90;
// S = 13.333333 * 100 / 33.333333 = 39.9999994 and R = 256 * 100 / 33.333333 / 256 = 3.00000003.
TEST(MaxToArmadillo, TheDefaultTextsReadAndWriteInOrder)
{
    Window w;
    w.run();
    const EventLog expected{
        "read txtX",
        "read txtY",
        "read txtZ",
        "write txtDistance 1000.000000",
        "write txtPitch 45.0",
        "write txtCalcHeading 90",
        "write txtHeading 90.0",
        "read txtGridSize",
        "read txtObjectScale",
        "read txtMaxStrength",
        "read chkNatSX",
        "write txtDilloStrength 40.000",
        "write txtGridRes 3.0000",
        "write txtObjectScale 33.333333",
    };
    EXPECT_EQ(w.log, expected);
    EXPECT_TRUE(w.fields.messages().empty());
}

TEST(MaxToArmadillo, TheTrackBoxChoosesTheGridResolution)
{
    struct Row {
        const char* name;
        BoxValue natSX;
        const char* gridSize;
        const char* objectScale;
        const char* maxStrength;
        const char* dilloStrength;
        const char* gridRes;
        const char* rewrittenScale;
    };
    // R = 3.00000003 / 2 with the other track; 512 * 100 / 100 = 512 gives R = 2 or 1, S = 40.
    const Row rows[] = {
        {"default texts on a national track", Ticked, "256", "33.333333", "13.333333", "40.000", "3.0000",
         "33.333333"},
        {"default texts on another track", Clear, "256", "33.333333", "13.333333", "40.000", "1.5000", "33.333333"},
        {"a greyed track box divides by 512", Greyed, "256", "33.333333", "13.333333", "40.000", "1.5000",
         "33.333333"},
        {"a full scale on a national track", Ticked, "512", "100", "40", "40.000", "2.0000", "100.000000"},
        {"a full scale on another track", Clear, "512", "100", "40", "40.000", "1.0000", "100.000000"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Window w;
        w.fields.put(CheckBox::chkNatSX, row.natSX);
        w.fields.put(TextField::txtGridSize, row.gridSize);
        w.fields.put(TextField::txtObjectScale, row.objectScale);
        w.fields.put(TextField::txtMaxStrength, row.maxStrength);
        w.run();
        EXPECT_EQ(w.fields[TextField::txtDilloStrength], row.dilloStrength);
        EXPECT_EQ(w.fields[TextField::txtGridRes], row.gridRes);
        EXPECT_EQ(w.fields[TextField::txtObjectScale], row.rewrittenScale);
        EXPECT_EQ(w.fields[TextField::txtDistance], "1000.000000");
        EXPECT_EQ(w.fields[TextField::txtPitch], "45.0");
        EXPECT_EQ(w.fields[TextField::txtHeading], "90.0");
    }
}

// ---------------------------------------------------------------- the heading rows

struct HeadingRow {
    const char* name;
    const char* x;
    const char* y;
    const char* distance;
    const char* pitch;
    const char* calcHeading;
    const char* heading;
    friend void PrintTo(const HeadingRow& row, std::ostream* os) { *os << row.name; }
};

class MaxLight : public ::testing::TestWithParam<HeadingRow> {};

TEST_P(MaxLight, GivesTheDistancePitchAndHeadings)
{
    const HeadingRow& row = GetParam();
    Window w;
    w.light(row.x, row.y, "707.106781");
    w.run();
    EXPECT_TRUE(w.fields.messages().empty());
    EXPECT_EQ(w.fields[TextField::txtDistance], row.distance);
    EXPECT_EQ(w.fields[TextField::txtPitch], row.pitch);
    EXPECT_EQ(w.fields[TextField::txtCalcHeading], row.calcHeading);
    EXPECT_EQ(w.fields[TextField::txtHeading], row.heading);
    EXPECT_EQ(w.fields[TextField::txtCalcPitch], "old calc pitch");
}

INSTANTIATE_TEST_SUITE_P(
    EachDirectionAroundTheOrigin, MaxLight,
    ::testing::Values(
        HeadingRow{"OnThePositiveYAxis", "0", "500", "866.025404", "54.7", "90", "90.0"},
        HeadingRow{"OnTheNegativeYAxis", "0", "-500", "866.025404", "54.7", "-90", "270.0"},
        HeadingRow{"OnThePositiveXAxis", "500", "0", "866.025404", "54.7", "0", "180.0"},
        HeadingRow{"OnTheNegativeXAxis", "-500", "0", "866.025404", "54.7", "180", "0.0"},
        HeadingRow{"InTheThirdQuadrant", "-500", "-500", "1000.000000", "45.0", "-135", "315.0"},
        HeadingRow{"InTheSecondQuadrant", "-500", "500", "1000.000000", "45.0", "135", "45.0"},
        HeadingRow{"InTheFirstQuadrant", "500", "500", "1000.000000", "45.0", "45", "135.0"},
        HeadingRow{"InTheFourthQuadrant", "500", "-500", "1000.000000", "45.0", "-45", "225.0"},
        HeadingRow{"AnUnroundedHeadingInGeneralForm", "-300", "400", "866.025404", "54.7", "126.869897645844",
                   "53.1"},
        HeadingRow{"AMinusZeroCountsAsZero", "-0", "500", "866.025404", "54.7", "90", "90.0"}),
    [](const ::testing::TestParamInfo<HeadingRow>& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------- other lights

struct EdgeRow {
    const char* name;
    const char* x;
    const char* y;
    const char* z;
    const char* distance;
    const char* message;  // empty when none is shown
    const char* pitch;    // the old text when the light is skipped
    const char* calcHeading;
    const char* heading;
    friend void PrintTo(const EdgeRow& row, std::ostream* os) { *os << row.name; }
};

class MaxLightEdge : public ::testing::TestWithParam<EdgeRow> {};

TEST_P(MaxLightEdge, WritesOrWarnsAndThenConvertsTheGrid)
{
    const EdgeRow& row = GetParam();
    Window w;
    w.light(row.x, row.y, row.z);
    w.run();
    EXPECT_EQ(w.fields[TextField::txtDistance], row.distance);
    EXPECT_EQ(w.fields[TextField::txtPitch], row.pitch);
    EXPECT_EQ(w.fields[TextField::txtCalcHeading], row.calcHeading);
    EXPECT_EQ(w.fields[TextField::txtHeading], row.heading);

    EventLog expected{"read txtX", "read txtY", "read txtZ", std::string("write txtDistance ") + row.distance};
    if (*row.message != '\0') {
        expected.push_back(std::string("message ") + row.message);
    } else {
        expected.push_back(std::string("write txtPitch ") + row.pitch);
        expected.push_back(std::string("write txtCalcHeading ") + row.calcHeading);
        expected.push_back(std::string("write txtHeading ") + row.heading);
    }
    // The grid of the default texts follows in every case.
    for (const char* e : {"read txtGridSize", "read txtObjectScale", "read txtMaxStrength", "read chkNatSX",
                          "write txtDilloStrength 40.000", "write txtGridRes 3.0000", "write txtObjectScale 33.333333"})
        expected.emplace_back(e);
    EXPECT_EQ(w.log, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lights, MaxLightEdge,
    ::testing::Values(
        EdgeRow{"AllZeroGivesTheZeroDistanceWarning", "0", "0", "0", "0.000000", zeroDistance, "old pitch",
                "old calc heading", "old heading"},
        EdgeRow{"EmptyCoordinatesGiveTheZeroDistanceWarning", "", "", "", "0.000000", zeroDistance,
                "old pitch", "old calc heading", "old heading"},
        // D = sqrt(1000001) = 1000.0005; asin(1000 / 1000.0005) = 89.94 degrees.
        EdgeRow{"APitchAboveTheLimitGivesTheSteepPitchWarning", "1", "0", "1000", "1000.000500", steepPitch,
                "old pitch", "old calc heading", "old heading"},
        // Z / D is exactly 1, so the pitch is exactly 90.
        EdgeRow{"StraightUpGivesTheSteepPitchWarning", "0", "0", "100", "100.000000", steepPitch, "old pitch",
                "old calc heading", "old heading"},
        // D = sqrt(1000003.24) = 1000.00162; pitch 89.897 is not above 89.9.
        EdgeRow{"APitchJustBelowTheLimitPasses", "1.8", "0", "1000", "1000.001620", "", "89.9", "0", "180.0"},
        EdgeRow{"AMillionthOnTheXAxis", "0.000001", "0", "0", "0.000001", "", "0.0", "0", "180.0"},
        EdgeRow{"AnySteepDownwardPitchPasses", "1", "0", "-1000", "1000.000500", "", "-89.9", "0", "180.0"},
        // D = sqrt(1000000.25) = 1000.000125; MH = atan(0.0005) in degrees - 180 = -179.971352112631,
        // so H = 359.97 is written with one decimal as 360.0.
        EdgeRow{"AHeadingJustBelowThreeSixtyIsWrittenAsThreeSixty", "-1000", "-0.5", "0", "1000.000125", "", "0.0",
                "-179.971352112631", "360.0"}),
    [](const ::testing::TestParamInfo<EdgeRow>& info) { return std::string(info.param.name); });

TEST(MaxToArmadillo, StraightDownFaultsAfterTheDistanceIsWritten)
{
    Window w;
    w.light("0", "0", "-100");
    EXPECT_FAULT(w.run(), FaultKind::DivisionByZero);
    const EventLog expected{"read txtX", "read txtY", "read txtZ", "write txtDistance 100.000000"};
    EXPECT_EQ(w.log, expected);
    EXPECT_EQ(w.fields[TextField::txtPitch], "old pitch");
}

TEST(MaxToArmadillo, AZeroObjectScaleFaultsAfterTheLightIsWritten)
{
    struct Row {
        const char* name;
        const char* maxStrength;
        FaultKind kind;
    };
    const Row rows[] = {
        {"a strength divided by zero", "13.333333", FaultKind::DivisionByZero},
        {"zero divided by zero", "0", FaultKind::InvalidOperation},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Window w;
        w.fields.put(TextField::txtObjectScale, "0.000000");
        w.fields.put(TextField::txtMaxStrength, row.maxStrength);
        w.fields.put(TextField::txtDilloStrength, "old strength");
        w.fields.put(TextField::txtGridRes, "old res");
        EXPECT_FAULT(w.run(), row.kind);
        const EventLog expectedWrites{"write txtDistance 1000.000000", "write txtPitch 45.0",
                                      "write txtCalcHeading 90", "write txtHeading 90.0"};
        EXPECT_EQ(eventsOfKind(w.log, "write"), expectedWrites);
        EXPECT_EQ(w.fields[TextField::txtDilloStrength], "old strength");
        EXPECT_EQ(w.fields[TextField::txtGridRes], "old res");
        EXPECT_EQ(w.fields[TextField::txtObjectScale], "0.000000");
    }
}

TEST(MaxToArmadillo, CoordinatesWhoseSquaresOverflowFaultBeforeAnyWrite)
{
    // 1E200 squared is 1E400, beyond the largest double.
    Window w;
    w.light("1e200", "0", "0");
    EXPECT_FAULT(w.run(), FaultKind::Overflow);
    EXPECT_TRUE(eventsOfKind(w.log, "write").empty());
}

// The heading rows compare X and Y with zero exactly, so a negative zero takes the
// row of zero: on the negative X axis a Y of -0 gives 180, where the row of negative
// X and Y would give atan(+0) - 180 = -180.
TEST(MaxHeading, TheConstantRowsAndNegativeZeros)
{
    struct Row {
        const char* name;
        double x;
        double y;
        double expected;
    };
    const Row rows[] = {
        {"positive Y axis", 0.0, 500.0, 90.0},
        {"negative Y axis", 0.0, -500.0, -90.0},
        {"positive X axis", 500.0, 0.0, 0.0},
        {"negative X axis", -500.0, 0.0, 180.0},
        {"positive Y axis with a negative zero X", -0.0, 500.0, 90.0},
        {"negative Y axis with a negative zero X", -0.0, -500.0, -90.0},
        {"positive X axis with a negative zero Y", 500.0, -0.0, 0.0},
        {"negative X axis with a negative zero Y", -500.0, -0.0, 180.0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(maxHeading(row.x, row.y, angles).value(), row.expected);
    }
}

TEST(MaxToArmadillo, LeavesItsInputsAndTheCalcPitchUntouched)
{
    const char* const lights[][3] = {{"0.000000", "707.106781", "707.106781"}, {"0", "0", "0"}, {"1", "0", "1000"}};
    for (const auto& light : lights) {
        SCOPED_TRACE(std::string(light[0]) + " " + light[1] + " " + light[2]);
        Window w;
        w.light(light[0], light[1], light[2]);
        w.run();
        for (const TextField f : {TextField::txtX, TextField::txtY, TextField::txtZ, TextField::txtGridSize,
                                  TextField::txtMaxStrength, TextField::txtCalcPitch}) {
            for (const std::string& event : eventsOfKind(w.log, "write")) {
                EXPECT_NE(event.rfind("write " + std::string(nameOf(f)) + " ", 0), 0u) << event;
            }
        }
        EXPECT_EQ(w.fields[TextField::txtCalcPitch], "old calc pitch");
        EXPECT_EQ(w.fields[TextField::txtMaxStrength], "13.333333");
        EXPECT_EQ(w.fields[TextField::txtGridSize], "256");
    }
}

TEST(MaxToArmadillo, AGivenObjectScaleIsRewrittenWithSixDecimals)
{
    // S = 20 * 100 / 50 = 40; R = 256 * 100 / 50 / 256 = 2.
    Window w;
    w.fields.put(TextField::txtObjectScale, "50");
    w.fields.put(TextField::txtMaxStrength, "20");
    w.run();
    EXPECT_EQ(w.fields[TextField::txtObjectScale], "50.000000");
    EXPECT_EQ(w.fields[TextField::txtDilloStrength], "40.000");
    EXPECT_EQ(w.fields[TextField::txtGridRes], "2.0000");
}

}  // namespace
}  // namespace lumetra
