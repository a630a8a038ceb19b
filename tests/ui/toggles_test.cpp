// The check-box toggles, driven by real clicks: the direction and track-type boxes act as
// exclusive pairs, and the layouts switch which fields the user may edit.

#include <QTest>
#include <map>

#include "window_fixture.h"

namespace lumetra::ui::test {
namespace {

using test::PrintTo;

const char* const boxNames[] = {"chkArmadillo2Max", "chkMax2Armadillo", "chkNatSX", "chkBajaStuntEnduro",
                                "chkUseObjectScale"};

struct LayoutState {
    int armadilloToMax, maxToArmadillo, useObjectScale;
    bool useObjectScaleEnabled;
    std::vector<const char*> editable;
    std::vector<const char*> readOnly;
};

LayoutState stateOf(Layout layout)
{
    switch (layout) {
    case Layout::ArmadilloByGridSize:
        return {1, 0, 0, true,
                {"txtDilloStrength", "txtGridRes", "txtHeading", "txtPitch", "txtDistance", "txtGridSize"},
                {"txtMaxStrength", "txtX", "txtY", "txtZ", "txtObjectScale", "txtCalcHeading", "txtCalcPitch"}};
    case Layout::ArmadilloByObjectScale:
        return {1, 0, 1, true,
                {"txtDilloStrength", "txtGridRes", "txtHeading", "txtPitch", "txtDistance", "txtObjectScale"},
                {"txtMaxStrength", "txtX", "txtY", "txtZ", "txtGridSize", "txtCalcHeading", "txtCalcPitch"}};
    case Layout::MaxToArmadillo:
        return {0, 1, 2, false,
                {"txtMaxStrength", "txtX", "txtY", "txtZ", "txtGridSize", "txtObjectScale"},
                {"txtDilloStrength", "txtGridRes", "txtHeading", "txtPitch", "txtDistance", "txtCalcHeading",
                 "txtCalcPitch"}};
    }
    return {};
}

class Toggles : public WindowTest {
protected:
    void expectLayout(Layout layout)
    {
        const LayoutState state = stateOf(layout);
        EXPECT_EQ(box("chkArmadillo2Max")->value(), state.armadilloToMax);
        EXPECT_EQ(box("chkMax2Armadillo")->value(), state.maxToArmadillo);
        EXPECT_EQ(box("chkUseObjectScale")->value(), state.useObjectScale);
        EXPECT_EQ(box("chkUseObjectScale")->isEnabled(), state.useObjectScaleEnabled);
        for (const char* name : state.editable) {
            EXPECT_FALSE(edit(name)->isReadOnly()) << name << " should be editable";
            EXPECT_EQ(edit(name)->backColor(), QPalette::Base) << name << " should look editable";
        }
        for (const char* name : state.readOnly) {
            EXPECT_TRUE(edit(name)->isReadOnly()) << name << " should be read-only";
            EXPECT_EQ(edit(name)->backColor(), QPalette::Button) << name << " should look read-only";
        }
    }

    void expectTrack(bool national)
    {
        EXPECT_EQ(box("chkNatSX")->value(), national ? 1 : 0);
        EXPECT_EQ(box("chkBajaStuntEnduro")->value(), national ? 0 : 1);
    }

    // From now on, records every value each box takes, whether by a click or by a handler.
    void recordChanges()
    {
        for (const char* name : boxNames)
            QObject::connect(box(name), &QCheckBox::stateChanged, window.get(), [this, name](int state) {
                changes[name].push_back(state == Qt::Unchecked ? 0 : state == Qt::Checked ? 1 : 2);
            });
    }

    std::map<std::string, std::vector<int>> changes;
};

struct ToggleRow {
    const char* name;
    std::vector<const char*> before;  // clicks that set up the starting state
    const char* clicked;
    Layout layout;
    bool national;
    std::map<std::string, std::vector<int>> changes;  // values each box took during the click
};

class ToggleTable : public Toggles, public ::testing::WithParamInterface<ToggleRow> {};

TEST_P(ToggleTable, OneClickRunsTheNestedHandlersAndEndsInItsLayout)
{
    const ToggleRow& row = GetParam();
    for (const char* name : row.before)
        clickBox(name);
    recordChanges();
    clickBox(row.clicked);
    expectLayout(row.layout);
    expectTrack(row.national);
    EXPECT_EQ(changes, row.changes);
}

const ToggleRow toggleRows[] = {
    {"ClearingArmadilloToMaxByGridSizeSwitchesToMaxToArmadillo", {}, "chkArmadillo2Max",
     Layout::MaxToArmadillo, true,
     {{"chkArmadillo2Max", {0}}, {"chkMax2Armadillo", {1}}, {"chkUseObjectScale", {2}}}},
    {"ClearingArmadilloToMaxByObjectScaleClearsTheOptionThenGreysIt", {"chkUseObjectScale"}, "chkArmadillo2Max",
     Layout::MaxToArmadillo, true,
     {{"chkArmadillo2Max", {0}}, {"chkMax2Armadillo", {1}}, {"chkUseObjectScale", {0, 2}}}},
    {"TickingMaxToArmadilloByGridSizeSwitchesToMaxToArmadillo", {}, "chkMax2Armadillo",
     Layout::MaxToArmadillo, true,
     {{"chkArmadillo2Max", {0}}, {"chkMax2Armadillo", {1}}, {"chkUseObjectScale", {2}}}},
    {"TickingMaxToArmadilloByObjectScaleClearsTheOptionThenGreysIt", {"chkUseObjectScale"}, "chkMax2Armadillo",
     Layout::MaxToArmadillo, true,
     {{"chkArmadillo2Max", {0}}, {"chkMax2Armadillo", {1}}, {"chkUseObjectScale", {0, 2}}}},
    {"TickingArmadilloToMaxAgainReturnsToByGridSize", {"chkArmadillo2Max"}, "chkArmadillo2Max",
     Layout::ArmadilloByGridSize, true,
     {{"chkArmadillo2Max", {1}}, {"chkMax2Armadillo", {0}}, {"chkUseObjectScale", {0}}}},
    {"ClearingMaxToArmadilloReturnsToByGridSize", {"chkMax2Armadillo"}, "chkMax2Armadillo",
     Layout::ArmadilloByGridSize, true,
     {{"chkArmadillo2Max", {1}}, {"chkMax2Armadillo", {0}}, {"chkUseObjectScale", {0}}}},
    {"LeavingMaxToArmadilloForgetsATickedObjectScale", {"chkUseObjectScale", "chkMax2Armadillo"},
     "chkArmadillo2Max", Layout::ArmadilloByGridSize, true,
     {{"chkArmadillo2Max", {1}}, {"chkMax2Armadillo", {0}}, {"chkUseObjectScale", {0}}}},
    {"TickingUseObjectScaleMakesTheObjectScaleTheInput", {}, "chkUseObjectScale",
     Layout::ArmadilloByObjectScale, true, {{"chkUseObjectScale", {1}}}},
    {"ClearingUseObjectScaleMakesTheGridSizeTheInputAgain", {"chkUseObjectScale"}, "chkUseObjectScale",
     Layout::ArmadilloByGridSize, true, {{"chkUseObjectScale", {0}}}},
    {"ClickingTickedNationalSwapsToBaja", {}, "chkNatSX", Layout::ArmadilloByGridSize, false,
     {{"chkNatSX", {0}}, {"chkBajaStuntEnduro", {1}}}},
    {"ClickingClearNationalSwapsBackToNational", {"chkNatSX"}, "chkNatSX", Layout::ArmadilloByGridSize, true,
     {{"chkNatSX", {1}}, {"chkBajaStuntEnduro", {0}}}},
    {"ClickingClearBajaSwapsToBaja", {}, "chkBajaStuntEnduro", Layout::ArmadilloByGridSize, false,
     {{"chkNatSX", {0}}, {"chkBajaStuntEnduro", {1}}}},
    {"ClickingTickedBajaSwapsBackToNational", {"chkBajaStuntEnduro"}, "chkBajaStuntEnduro",
     Layout::ArmadilloByGridSize, true, {{"chkNatSX", {1}}, {"chkBajaStuntEnduro", {0}}}},
    {"TheTrackTypeSwapsInMaxToArmadilloWithoutChangingTheLayout", {"chkMax2Armadillo"}, "chkNatSX",
     Layout::MaxToArmadillo, false, {{"chkNatSX", {0}}, {"chkBajaStuntEnduro", {1}}}},
    {"TheDirectionSwitchesWithBajaWithoutChangingTheTrackType", {"chkBajaStuntEnduro"}, "chkArmadillo2Max",
     Layout::MaxToArmadillo, false,
     {{"chkArmadillo2Max", {0}}, {"chkMax2Armadillo", {1}}, {"chkUseObjectScale", {2}}}},
};

INSTANTIATE_TEST_SUITE_P(EveryToggle, ToggleTable, ::testing::ValuesIn(toggleRows), rowName);

TEST_F(Toggles, TheWindowOpensByGridSizeWithNationalTicked)
{
    expectLayout(Layout::ArmadilloByGridSize);
    expectTrack(true);
}

TEST_F(Toggles, TheDisabledUseObjectScaleIgnoresClicks)
{
    switchTo(Layout::MaxToArmadillo);
    recordChanges();
    clickBox("chkUseObjectScale");
    EXPECT_TRUE(changes.empty());
    expectLayout(Layout::MaxToArmadillo);
}

TEST_F(Toggles, UseObjectScaleClickedAfterAVisitToMaxToArmadilloGoesToTickedNotGreyed)
{
    clickBox("chkMax2Armadillo");
    ASSERT_EQ(box("chkUseObjectScale")->value(), 2);
    clickBox("chkMax2Armadillo");
    clickBox("chkUseObjectScale");
    expectLayout(Layout::ArmadilloByObjectScale);
    clickBox("chkUseObjectScale");
    expectLayout(Layout::ArmadilloByGridSize);
    clickBox("chkUseObjectScale");
    expectLayout(Layout::ArmadilloByObjectScale);
}

TEST_F(Toggles, SpaceOnAFocusedBoxTogglesItLikeAClick)
{
    box("chkNatSX")->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(focusedName(), "chkNatSX");
    QTest::keyClick(box("chkNatSX"), Qt::Key_Space);
    expectTrack(false);
}

TEST_F(Toggles, NoToggleChangesAnyFieldText)
{
    clickCalculate();  // fills the two out-of-sight result fields as well
    enterAll({{"txtHeading", "123"}});
    ASSERT_EQ(text("txtHeading"), "123.0");
    const std::vector<std::string> before = allTexts();
    const char* const clicks[] = {"chkUseObjectScale", "chkNatSX", "chkArmadillo2Max", "chkBajaStuntEnduro",
                                  "chkMax2Armadillo", "chkMax2Armadillo", "chkUseObjectScale",
                                  "chkUseObjectScale", "chkArmadillo2Max", "chkArmadillo2Max"};
    for (const char* name : clicks) {
        clickBox(name);
        EXPECT_EQ(allTexts(), before) << "after clicking " << name;
    }
    EXPECT_TRUE(messages.texts.empty());
}

struct TabRow {
    const char* name;
    Layout layout;
    const char* afterGridRes;
};

class TabPastOption : public Toggles, public ::testing::WithParamInterface<TabRow> {};

TEST_P(TabPastOption, TabFromTheGridResolutionGoesToTheNextControlThatCanTakeTheFocus)
{
    switchTo(GetParam().layout);
    click(edit("txtGridRes"));
    ASSERT_EQ(focusedName(), "txtGridRes");
    pressTab();
    EXPECT_EQ(focusedName(), GetParam().afterGridRes);
}

const TabRow tabRows[] = {
    {"ByGridSizeTheOptionTakesTheFocus", Layout::ArmadilloByGridSize, "chkUseObjectScale"},
    {"ByObjectScaleTheOptionTakesTheFocus", Layout::ArmadilloByObjectScale, "chkUseObjectScale"},
    {"MaxToArmadilloTabPassesOverTheDisabledOption", Layout::MaxToArmadillo, "txtDistance"},
};

INSTANTIATE_TEST_SUITE_P(EachLayout, TabPastOption, ::testing::ValuesIn(tabRows), rowName);

}  // namespace
}  // namespace lumetra::ui::test
