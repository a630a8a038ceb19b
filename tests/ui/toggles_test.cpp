// The check-box handlers on the in-memory window: which handlers one click runs and how
// they nest, the layout and track type it ends in, and the order of the property changes.

#include <map>
#include <vector>

#include "form_fixture.h"

namespace lumetra::ui::test {
namespace {

using test::PrintTo;

constexpr Layout S1 = Layout::ArmadilloByGridSize;
constexpr Layout S2 = Layout::ArmadilloByObjectScale;
constexpr Layout S3 = Layout::MaxToArmadillo;

constexpr Look E = Look::Editable;
constexpr Look R = Look::ReadOnly;

struct LayoutState {
    BoxValue armadilloToMax, maxToArmadillo, useObjectScale;
    bool useObjectScaleEnabled;
    // txtDilloStrength, txtGridRes, txtHeading, txtPitch, txtDistance, txtMaxStrength, txtX,
    // txtY, txtZ, txtGridSize, txtObjectScale, txtCalcHeading, txtCalcPitch
    std::vector<Look> looks;
};

const std::map<Layout, LayoutState> layouts{
    {S1, {Ticked, Clear, Clear, true, {E, E, E, E, E, R, R, R, R, E, R, R, R}}},
    {S2, {Ticked, Clear, Ticked, true, {E, E, E, E, E, R, R, R, R, R, E, R, R}}},
    {S3, {Clear, Ticked, Greyed, false, {R, R, R, R, R, E, E, E, E, E, E, R, R}}},
};

const TextField lookFields[] = {
    TextField::txtDilloStrength, TextField::txtGridRes, TextField::txtHeading, TextField::txtPitch,
    TextField::txtDistance, TextField::txtMaxStrength, TextField::txtX, TextField::txtY, TextField::txtZ,
    TextField::txtGridSize, TextField::txtObjectScale, TextField::txtCalcHeading, TextField::txtCalcPitch,
};

class Toggles : public FormTest {
protected:
    void expectLayout(Layout layout) const
    {
        const LayoutState& state = layouts.at(layout);
        EXPECT_EQ(window[CheckBox::chkArmadillo2Max], state.armadilloToMax);
        EXPECT_EQ(window[CheckBox::chkMax2Armadillo], state.maxToArmadillo);
        EXPECT_EQ(window[CheckBox::chkUseObjectScale], state.useObjectScale);
        EXPECT_EQ(window.boxEnabled(CheckBox::chkUseObjectScale), state.useObjectScaleEnabled);
        for (std::size_t i = 0; i < std::size(lookFields); ++i)
            EXPECT_EQ(window.look(lookFields[i]), state.looks[i]) << nameOf(lookFields[i]);
    }

    void expectTrack(bool national) const
    {
        EXPECT_EQ(window[CheckBox::chkNatSX], national ? Ticked : Clear);
        EXPECT_EQ(window[CheckBox::chkBajaStuntEnduro], national ? Clear : Ticked);
    }
};

struct ClickRow {
    const char* name;
    std::vector<CheckBox> before;  // clicks that set up the starting state
    CheckBox clicked;
    const char* handlers;
    Layout layout;
    bool national;
};

class OneClick : public Toggles, public ::testing::WithParamInterface<ClickRow> {};

TEST_P(OneClick, RunsItsNestedHandlersAndEndsInItsLayout)
{
    const ClickRow& row = GetParam();
    for (CheckBox box : row.before)
        form.boxClicked(box);
    form.trace.clear();
    form.boxClicked(row.clicked);
    EXPECT_EQ(form.trace, row.handlers);
    expectLayout(row.layout);
    expectTrack(row.national);
}

using C = CheckBox;

const ClickRow clickRows[] = {
    {"ClearingArmadilloToMaxByGridSize", {}, C::chkArmadillo2Max,
     "chkArmadillo2Max_Click(0){chkMax2Armadillo_Click(1){}chkUseObjectScale_Click(2){}}", S3, true},
    {"ClearingArmadilloToMaxByObjectScaleClearsTheOptionFirst", {C::chkUseObjectScale}, C::chkArmadillo2Max,
     "chkArmadillo2Max_Click(0){chkMax2Armadillo_Click(1){}chkUseObjectScale_Click(0){}chkUseObjectScale_Click(2){}}",
     S3, true},
    {"TickingMaxToArmadilloByGridSize", {}, C::chkMax2Armadillo,
     "chkMax2Armadillo_Click(1){chkArmadillo2Max_Click(0){chkUseObjectScale_Click(2){}}}", S3, true},
    {"TickingMaxToArmadilloByObjectScaleNestsThreeDeep", {C::chkUseObjectScale}, C::chkMax2Armadillo,
     "chkMax2Armadillo_Click(1){chkArmadillo2Max_Click(0){chkUseObjectScale_Click(0){}chkUseObjectScale_Click(2){}}}",
     S3, true},
    {"TickingArmadilloToMaxAgain", {C::chkArmadillo2Max}, C::chkArmadillo2Max,
     "chkArmadillo2Max_Click(1){chkMax2Armadillo_Click(0){}chkUseObjectScale_Click(0){}}", S1, true},
    {"ClearingMaxToArmadillo", {C::chkMax2Armadillo}, C::chkMax2Armadillo,
     "chkMax2Armadillo_Click(0){chkArmadillo2Max_Click(1){chkUseObjectScale_Click(0){}}}", S1, true},
    {"LeavingMaxToArmadilloForgetsATickedObjectScale", {C::chkUseObjectScale, C::chkMax2Armadillo},
     C::chkArmadillo2Max, "chkArmadillo2Max_Click(1){chkMax2Armadillo_Click(0){}chkUseObjectScale_Click(0){}}", S1,
     true},
    {"TickingUseObjectScale", {}, C::chkUseObjectScale, "chkUseObjectScale_Click(1){}", S2, true},
    {"ClearingUseObjectScale", {C::chkUseObjectScale}, C::chkUseObjectScale, "chkUseObjectScale_Click(0){}", S1, true},
    {"TickingUseObjectScaleAfterAVisitToMaxToArmadillo", {C::chkMax2Armadillo, C::chkMax2Armadillo},
     C::chkUseObjectScale, "chkUseObjectScale_Click(1){}", S2, true},
    {"ClickingTickedNational", {}, C::chkNatSX, "chkNatSX_Click(0){chkBajaStuntEnduro_Click(1){}}", S1, false},
    {"ClickingClearNational", {C::chkNatSX}, C::chkNatSX, "chkNatSX_Click(1){chkBajaStuntEnduro_Click(0){}}", S1, true},
    {"ClickingClearBaja", {}, C::chkBajaStuntEnduro, "chkBajaStuntEnduro_Click(1){chkNatSX_Click(0){}}", S1, false},
    {"ClickingTickedBaja", {C::chkBajaStuntEnduro}, C::chkBajaStuntEnduro,
     "chkBajaStuntEnduro_Click(0){chkNatSX_Click(1){}}", S1, true},
    {"TheTrackTypeSwapsInMaxToArmadillo", {C::chkMax2Armadillo}, C::chkNatSX,
     "chkNatSX_Click(0){chkBajaStuntEnduro_Click(1){}}", S3, false},
    {"TheDirectionSwitchesOnABajaTrack", {C::chkBajaStuntEnduro}, C::chkArmadillo2Max,
     "chkArmadillo2Max_Click(0){chkMax2Armadillo_Click(1){}chkUseObjectScale_Click(2){}}", S3, false},
    {"TheDisabledOptionTakesNoClick", {C::chkMax2Armadillo}, C::chkUseObjectScale, "", S3, true},
};

INSTANTIATE_TEST_SUITE_P(EveryClick, OneClick, ::testing::ValuesIn(clickRows), rowName);

TEST_F(Toggles, TheWindowOpensByGridSizeOnANationalTrack)
{
    expectLayout(S1);
    expectTrack(true);
}

// The boxes and the groups of fields change in the order of the steps.
struct ChangesRow {
    const char* name;
    Layout from;
    CheckBox clicked;
    EventLog changes;
};

class PropertyChanges : public Toggles, public ::testing::WithParamInterface<ChangesRow> {};

TEST_P(PropertyChanges, ComeInTheOrderOfTheSteps)
{
    switchTo(GetParam().from);
    form.boxClicked(GetParam().clicked);
    EventLog changes;
    for (const std::string& event : log)
        if (!event.starts_with("read "))
            changes.push_back(event);
    EXPECT_EQ(changes, GetParam().changes);
}

#define EDITABLE(f) "look " f " editable"
#define READ_ONLY(f) "look " f " read-only"

const ChangesRow changesRows[] = {
    {"ToMaxToArmadilloFromByObjectScale", S2, C::chkArmadillo2Max,
     {"value chkArmadillo2Max 0", "value chkMax2Armadillo 1", READ_ONLY("txtDilloStrength"), READ_ONLY("txtGridRes"),
      READ_ONLY("txtHeading"), READ_ONLY("txtPitch"), "value chkUseObjectScale 0", EDITABLE("txtGridSize"),
      READ_ONLY("txtObjectScale"), "enabled chkUseObjectScale 0", READ_ONLY("txtDistance"),
      EDITABLE("txtMaxStrength"), EDITABLE("txtX"), EDITABLE("txtY"), EDITABLE("txtZ"), "value chkUseObjectScale 2",
      EDITABLE("txtGridSize"), EDITABLE("txtObjectScale")}},
    {"BackToArmadilloToMax", S3, C::chkArmadillo2Max,
     {"value chkArmadillo2Max 1", "value chkMax2Armadillo 0", EDITABLE("txtDilloStrength"), EDITABLE("txtGridRes"),
      EDITABLE("txtHeading"), EDITABLE("txtPitch"), "enabled chkUseObjectScale 1", EDITABLE("txtDistance"),
      READ_ONLY("txtMaxStrength"), READ_ONLY("txtX"), READ_ONLY("txtY"), READ_ONLY("txtZ"),
      "value chkUseObjectScale 0", EDITABLE("txtGridSize"), READ_ONLY("txtObjectScale")}},
};

#undef EDITABLE
#undef READ_ONLY

INSTANTIATE_TEST_SUITE_P(LayoutChanges, PropertyChanges, ::testing::ValuesIn(changesRows), rowName);

TEST_F(Toggles, NoToggleChangesAnyFieldText)
{
    form.buttonClicked(Button::btnCalculate);  // fills the two out-of-sight result fields as well
    log.clear();
    for (CheckBox box : {C::chkUseObjectScale, C::chkNatSX, C::chkArmadillo2Max, C::chkBajaStuntEnduro,
                         C::chkMax2Armadillo, C::chkMax2Armadillo, C::chkUseObjectScale, C::chkArmadillo2Max})
        form.boxClicked(box);
    EXPECT_EQ(testing::eventsOfKind(log, "write"), EventLog{});
    EXPECT_TRUE(window.messages().empty());
}

}  // namespace
}  // namespace lumetra::ui::test
