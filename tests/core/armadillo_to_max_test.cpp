// The Armadillo to 3dsMax direction over the in-memory window.

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "angles.h"
#include "armadillo_to_max.h"
#include "expect_fault.h"
#include "memory_window.h"

namespace lumetra {
namespace {

using testing::EventLog;
using testing::eventsOfKind;
using testing::MemoryWindow;

const Angles angles(computePi());

TEST(ArmadilloToMax, TheDefaultWindowReadsAndWritesInOrder)
{
    EventLog log;
    MemoryWindow fields{&log};
    armadilloToMax(fields, angles);
    const EventLog expected{
        "read txtHeading",
        "read txtPitch",
        "read txtDistance",
        "write txtCalcHeading 90",
        "write txtCalcPitch 45",
        "write txtX 0.000000",
        "write txtY 707.106781",
        "write txtZ 707.106781",
        "read chkNatSX",
        "read txtGridRes",
        "read chkUseObjectScale",
        "read txtGridSize",
        "read txtDilloStrength",
        "write txtMaxStrength 13.333333",
        "write txtObjectScale 33.333333",
    };
    EXPECT_EQ(log, expected);
}

TEST(ArmadilloToMax, WithTheObjectScaleGivenTheGridSizeIsWrittenBeforeTheStrength)
{
    EventLog log;
    MemoryWindow fields{&log};
    fields.put(CheckBox::chkUseObjectScale, Ticked);
    armadilloToMax(fields, angles);
    const EventLog expected{
        "read txtHeading",
        "read txtPitch",
        "read txtDistance",
        "write txtCalcHeading 90",
        "write txtCalcPitch 45",
        "write txtX 0.000000",
        "write txtY 707.106781",
        "write txtZ 707.106781",
        "read chkNatSX",
        "read txtGridRes",
        "read chkUseObjectScale",
        "read txtObjectScale",
        "read txtDilloStrength",
        "write txtGridSize 256",
        "write txtMaxStrength 13.333333",
        "write txtObjectScale 33.333333",
    };
    EXPECT_EQ(log, expected);
}

// ---------------------------------------------------------------- the light

struct LightRow {
    const char* name;
    const char* heading;
    const char* pitch;
    const char* distance;
    const char* calcHeading;
    const char* calcPitch;
    const char* x;
    const char* y;
    const char* z;
    friend void PrintTo(const LightRow& row, std::ostream* os) { *os << row.name; }
};

class ArmadilloLight : public ::testing::TestWithParam<LightRow> {};

TEST_P(ArmadilloLight, GivesTheMaxHeadingPitchAndPosition)
{
    const LightRow& row = GetParam();
    EventLog log;
    MemoryWindow fields{&log};
    fields.put(TextField::txtHeading, row.heading);
    fields.put(TextField::txtPitch, row.pitch);
    fields.put(TextField::txtDistance, row.distance);
    armadilloToMax(fields, angles);
    EXPECT_EQ(fields[TextField::txtCalcHeading], row.calcHeading);
    EXPECT_EQ(fields[TextField::txtCalcPitch], row.calcPitch);
    EXPECT_EQ(fields[TextField::txtX], row.x);
    EXPECT_EQ(fields[TextField::txtY], row.y);
    EXPECT_EQ(fields[TextField::txtZ], row.z);
}

// At pitch 45 and distance 1000 the horizontal and vertical parts are both
// 1000 / sqrt(2) = 707.1067811865...; a heading of 0 or 360 puts the light on the
// X axis (MH 180 or -180), where the Y product is a tiny +/-8.7E-14.
INSTANTIATE_TEST_SUITE_P(
    Headings, ArmadilloLight,
    ::testing::Values(
        LightRow{"TheDefaultHeadingGivesATinyXWrittenAsZero", "90.0", "45.0", "1000.000000", "90", "45", "0.000000",
                 "707.106781", "707.106781"},
        LightRow{"HeadingThirtyPitchTwenty", "30", "20", "500", "150", "20", "-406.898841", "234.923155",
                 "171.010072"},
        LightRow{"HeadingThirtyPitchFortyFive", "30.0", "45.0", "1000.000000", "150", "45", "-612.372436",
                 "353.553391", "707.106781"},
        LightRow{"HeadingZeroGivesOneEighty", "0.0", "45.0", "1000", "180", "45", "-707.106781", "0.000000",
                 "707.106781"},
        LightRow{"HeadingThreeSixtyWritesAZeroYWithoutMinus", "360.0", "45.0", "1000", "-180", "45", "-707.106781",
                 "0.000000", "707.106781"},
        // A negative distance is used as read: the tiny X product is negative, still written as zero.
        LightRow{"ANegativeDistanceIsNotRejected", "90.0", "45.0", "-1000", "90", "45", "0.000000", "-707.106781",
                 "-707.106781"},
        // So far out, the last decimal of Y shows that the angle is (pi * a) / 180 and not
        // pi * (a / 180), which ends in ...664. Computed with MPFR in a binary64 context (gmpy2),
        // step by step in doubles as the formulas are written.
        LightRow{"ADistantLightShowsTheOrderOfTheDegreeConversion", "16.8", "0.0", "123456789", "163.2", "0",
                 "-118187591.212402", "35682937.569665", "0.000000"}),
    [](const ::testing::TestParamInfo<LightRow>& info) { return std::string(info.param.name); });

TEST(ArmadilloToMax, TheMaxHeadingIsNotReducedToARange)
{
    struct Row {
        const char* name;
        const char* heading;
        const char* calcHeading;
    };
    const Row rows[] = {
        {"heading 200 goes below zero", "200", "-20"},
        {"heading 0 gives 180", "0", "180"},
        {"heading 359.9", "359.9", "-179.9"},
        {"heading 90.1 loses its representation error", "90.1", "89.9"},
        {"heading 400 is used as read", "400", "-220"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EventLog log;
        MemoryWindow fields{&log};
        fields.put(TextField::txtHeading, row.heading);
        armadilloToMax(fields, angles);
        EXPECT_EQ(fields[TextField::txtCalcHeading], row.calcHeading);
    }
}

TEST(ArmadilloToMax, ThePitchIsOnlyRewrittenInGeneralForm)
{
    const char* const rows[][2] = {{"45.0", "45"}, {"12.5", "12.5"}, {"-10", "-10"}, {"95", "95"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row[0]);
        EventLog log;
        MemoryWindow fields{&log};
        fields.put(TextField::txtPitch, row[0]);
        armadilloToMax(fields, angles);
        EXPECT_EQ(fields[TextField::txtCalcPitch], row[1]);
    }
}

// ---------------------------------------------------------------- the grid

struct GridRow {
    const char* name;
    BoxValue natSX;
    BoxValue useObjectScale;
    const char* gridRes;
    const char* gridSize;
    const char* objectScale;
    const char* dilloStrength;
    bool writesGridSize;
    const char* expectedGridSize;
    const char* expectedMaxStrength;
    const char* expectedObjectScale;
    friend void PrintTo(const GridRow& row, std::ostream* os) { *os << row.name; }
};

class ArmadilloGrid : public ::testing::TestWithParam<GridRow> {};

TEST_P(ArmadilloGrid, GivesTheMaxGridSizeStrengthAndObjectScale)
{
    const GridRow& row = GetParam();
    EventLog log;
    MemoryWindow fields{&log};
    fields.put(CheckBox::chkNatSX, row.natSX);
    fields.put(CheckBox::chkUseObjectScale, row.useObjectScale);
    fields.put(TextField::txtGridRes, row.gridRes);
    fields.put(TextField::txtGridSize, row.gridSize);
    fields.put(TextField::txtObjectScale, row.objectScale);
    fields.put(TextField::txtDilloStrength, row.dilloStrength);
    armadilloToMax(fields, angles);

    const EventLog writes = eventsOfKind(log, "write");
    ASSERT_EQ(writes.size(), row.writesGridSize ? 8u : 7u);
    if (row.writesGridSize) {
        EXPECT_EQ(writes[5], std::string("write txtGridSize ") + row.expectedGridSize);
    }
    EXPECT_EQ(fields[TextField::txtGridSize], row.expectedGridSize);
    EXPECT_EQ(writes[writes.size() - 2], std::string("write txtMaxStrength ") + row.expectedMaxStrength);
    EXPECT_EQ(writes.back(), std::string("write txtObjectScale ") + row.expectedObjectScale);
}

INSTANTIATE_TEST_SUITE_P(
    States, ArmadilloGrid,
    ::testing::Values(
        // The four states of the two boxes with the default texts: G is 768 or 1536.
        GridRow{"NationalByGridSize", Ticked, Clear, "3.0000", "256", "33.333333", "40.000", false, "256",
                "13.333333", "33.333333"},
        GridRow{"NationalByObjectScale", Ticked, Ticked, "3.0000", "256", "33.333333", "40.000", true, "256",
                "13.333333", "33.333333"},
        GridRow{"OtherTrackByGridSize", Clear, Clear, "3.0000", "256", "33.333333", "40.000", false, "256",
                "6.666667", "16.666667"},
        GridRow{"OtherTrackByObjectScale", Clear, Ticked, "3.0000", "256", "33.333333", "40.000", true, "512",
                "13.333333", "33.333333"},
        // A greyed track box counts as clear, a greyed option box as ticked.
        GridRow{"AGreyedTrackBoxCountsAsClear", Greyed, Clear, "3.0000", "256", "33.333333", "40.000", false, "256",
                "6.666667", "16.666667"},
        GridRow{"AGreyedOptionBoxGivesTheObjectScale", Ticked, Greyed, "3.0000", "256", "33.333333", "40.000", true,
                "256", "13.333333", "33.333333"},
        // G = 0.5 * 256 = 128; T = OS * 128 / 100 is exactly 2.5, 3.5 and 4.5, and
        // MS = 40 * OS / 100 is exactly 25/32, 35/32 and 45/32.
        GridRow{"AGridSizeTieOfTwoAndAHalfGoesToTwo", Ticked, Ticked, "0.5", "256", "1.953125", "40", true, "2",
                "0.781250", "1.953125"},
        GridRow{"AGridSizeTieOfThreeAndAHalfGoesToFour", Ticked, Ticked, "0.5", "256", "2.734375", "40", true, "4",
                "1.093750", "2.734375"},
        GridRow{"AGridSizeTieOfFourAndAHalfGoesToFour", Ticked, Ticked, "0.5", "256", "3.515625", "40", true, "4",
                "1.406250", "3.515625"},
        // G = 512: OS = 100 / 512 = 0.1953125 and MS = 4 * OS / 100 = 0.0078125, both exact ties.
        GridRow{"SixDecimalTiesGoToTheEvenDigit", Clear, Clear, "1", "1", "33.333333", "4", false, "1", "0.007812",
                "0.195312"},
        // G = 768: T = 50 * 768 / 100 = 384 and MS = 40 * 50 / 100 = 20.
        GridRow{"AGivenObjectScaleIsRewrittenWithSixDecimals", Ticked, Ticked, "3.0000", "256", "50", "40.000", true,
                "384", "20.000000", "50.000000"},
        // G = 0 does no harm when the object scale is given: T is 0; MS = 40 * 33.333333 / 100.
        GridRow{"AZeroGridResolutionWithTheObjectScaleGiven", Ticked, Ticked, "0.0000", "256", "33.333333", "40.000",
                true, "0", "13.333333", "33.333333"},
        // G = 1E13 * 256 and T = 100 * G / 100 = 2.56E+15, both exact: from 1E+15 on, the
        // general form writes a grid size with an exponent.
        GridRow{"AGridSizeFromTenToTheFifteenIsWrittenWithAnExponent", Ticked, Ticked, "1e13", "256", "100", "40",
                true, "2.56E+15", "40.000000", "100.000000"}),
    [](const ::testing::TestParamInfo<GridRow>& info) { return std::string(info.param.name); });

TEST(ArmadilloToMax, AZeroGridResolutionFaultsAfterTheLightIsWritten)
{
    struct Row {
        const char* name;
        const char* gridSize;
        FaultKind kind;
    };
    const Row rows[] = {
        {"a grid size divided by zero", "256", FaultKind::DivisionByZero},
        {"zero divided by zero", "0", FaultKind::InvalidOperation},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EventLog log;
        MemoryWindow fields{&log};
        fields.put(TextField::txtGridRes, "0.0000");
        fields.put(TextField::txtGridSize, row.gridSize);
        fields.put(TextField::txtMaxStrength, "old strength");
        fields.put(TextField::txtObjectScale, "old scale");
        EXPECT_FAULT(armadilloToMax(fields, angles), row.kind);
        const EventLog expectedWrites{
            "write txtCalcHeading 90",   "write txtCalcPitch 45",  "write txtX 0.000000",
            "write txtY 707.106781",     "write txtZ 707.106781",
        };
        EXPECT_EQ(eventsOfKind(log, "write"), expectedWrites);
        EXPECT_EQ(fields[TextField::txtMaxStrength], "old strength");
        EXPECT_EQ(fields[TextField::txtObjectScale], "old scale");
        EXPECT_EQ(fields[TextField::txtGridSize], row.gridSize);
    }
}

TEST(ArmadilloToMax, NumbersBeyondADoubleFaultWithOverflow)
{
    {
        SCOPED_TRACE("a heading that cannot be read stops before any write");
        EventLog log;
        MemoryWindow fields{&log};
        fields.put(TextField::txtHeading, "1e999");
        EXPECT_FAULT(armadilloToMax(fields, angles), FaultKind::Overflow);
        EXPECT_TRUE(eventsOfKind(log, "write").empty());
    }
    {
        // G = 1E308 * 256 lies beyond the largest double.
        SCOPED_TRACE("a grid resolution whose extent overflows stops after the light");
        EventLog log;
        MemoryWindow fields{&log};
        fields.put(TextField::txtGridRes, "1e308");
        EXPECT_FAULT(armadilloToMax(fields, angles), FaultKind::Overflow);
        EXPECT_EQ(eventsOfKind(log, "write").size(), 5u);
        EXPECT_EQ(fields[TextField::txtObjectScale], "33.333333");
    }
}

TEST(ArmadilloToMax, OldTextsOfFieldsThatAreNotInputsHaveNoInfluence)
{
    struct Row {
        const char* name;
        BoxValue useObjectScale;
        TextField ignored;
        const char* gridSize;
        const char* maxStrength;
        const char* objectScale;
    };
    const Row rows[] = {
        {"by grid size the old object scale is ignored", Clear, TextField::txtObjectScale, "256", "13.333333",
         "33.333333"},
        {"by object scale the old grid size is ignored", Ticked, TextField::txtGridSize, "256", "13.333333",
         "33.333333"},
        {"by grid size the old strength is ignored", Clear, TextField::txtMaxStrength, "256", "13.333333",
         "33.333333"},
        {"by object scale the old strength is ignored", Ticked, TextField::txtMaxStrength, "256", "13.333333",
         "33.333333"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EventLog log;
        MemoryWindow fields{&log};
        fields.put(CheckBox::chkUseObjectScale, row.useObjectScale);
        fields.put(row.ignored, "9999");
        armadilloToMax(fields, angles);
        EXPECT_EQ(fields[TextField::txtGridSize], row.gridSize);
        EXPECT_EQ(fields[TextField::txtMaxStrength], row.maxStrength);
        EXPECT_EQ(fields[TextField::txtObjectScale], row.objectScale);
        for (const std::string& event : log) {
            EXPECT_NE(event, "read " + std::string(nameOf(row.ignored)));
        }
    }
}

TEST(ArmadilloToMax, NeverReadsTheOtherDirectionOrTrackBox)
{
    for (const BoxValue useObjectScale : {Clear, Ticked}) {
        SCOPED_TRACE(numberOf(useObjectScale));
        EventLog log;
        MemoryWindow fields{&log};
        fields.put(CheckBox::chkUseObjectScale, useObjectScale);
        armadilloToMax(fields, angles);
        const EventLog boxReads{"read chkNatSX", "read chkUseObjectScale"};
        EventLog actual;
        for (const std::string& event : eventsOfKind(log, "read"))
            if (event.rfind("read chk", 0) == 0)
                actual.push_back(event);
        EXPECT_EQ(actual, boxReads);
    }
}

}  // namespace
}  // namespace lumetra
