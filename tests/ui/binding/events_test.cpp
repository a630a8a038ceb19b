// What a binding reports of the user: one event per click, press or key, none for the
// program's own writes, the field being left before the click that left it, and nothing
// for keys that press no button; and the message box it shows.

#include "binding_rows.h"
#include "driver.h"

namespace lumetra::ui::test {
namespace {

using test::PrintTo;
using Events = std::vector<std::string>;
using BindingEvents = BindingTest;
using MessageBoxes = WithMessageBoxes;

TEST_F(BindingEvents, AClickOnABoxIsReportedOnceAndTheProgramsAssignmentAddsNothing)
{
    // The handlers answer the click by assigning the box a new value.
    events.reaction = [this](const std::string&) { window->showValue(CheckBox::chkNatSX, Clear); };
    click("chkNatSX");
    EXPECT_EQ(events.events, Events{"click chkNatSX"});
    EXPECT_EQ(shown("chkNatSX").value, Clear);
}

TEST_F(BindingEvents, TheBoxShowsOnlyWhatTheProgramAssigns)
{
    // Without an answer from the handlers the box keeps its value, whatever asked to change it.
    click("chkArmadillo2Max");
    focus("chkMax2Armadillo");
    press(Key::Space);
    doDefaultAction("chkNatSX");
    EXPECT_EQ(events.events, (Events{"click chkArmadillo2Max", "click chkMax2Armadillo", "click chkNatSX"}));
    EXPECT_EQ(shown("chkArmadillo2Max").value, Ticked);
    EXPECT_EQ(shown("chkMax2Armadillo").value, Clear);
    EXPECT_EQ(shown("chkNatSX").value, Ticked);
}

TEST_F(BindingEvents, AGreyedBoxShowsItsThirdStateAndADisabledOneTakesNoClick)
{
    window->showValue(CheckBox::chkUseObjectScale, Greyed);
    window->setBoxEnabled(CheckBox::chkUseObjectScale, false);
    EXPECT_EQ(shown("chkUseObjectScale").value, Greyed);
    click("chkUseObjectScale");
    EXPECT_EQ(events.events, Events{});
}

class LeavingByAClick : public BindingTest, public ::testing::WithParamInterface<LeaveRow> {};

TEST_P(LeavingByAClick, ReportsTheFieldBeforeTheClick)
{
    typeInto("txtHeading", "30");
    events.events.clear();
    click(GetParam().clicked);
    EXPECT_EQ(events.events, GetParam().expected);
    EXPECT_EQ(focusedName(), GetParam().clicked);
}

INSTANTIATE_TEST_SUITE_P(Fields, LeavingByAClick, ::testing::ValuesIn(leaveRows), rowName);

// Only a move to another control leaves the field: a press on anything else keeps the focus
// and its caret there, and Tab goes on from the field.
TEST_F(BindingEvents, APressOnWhatCannotTakeTheFocusLeavesItInTheField)
{
    window->setBoxEnabled(CheckBox::chkUseObjectScale, false);
    typeInto("txtHeading", "30");
    events.events.clear();
    std::vector<std::string> pressed(std::begin(withoutFocus), std::end(withoutFocus));
    pressed.insert(pressed.end(), placesBeyondTheControls.begin(), placesBeyondTheControls.end());
    for (const std::string& name : pressed) {
        click(name);
        EXPECT_EQ(focusedName(), "txtHeading") << "after a press on " << name;
    }
    type("5");
    EXPECT_EQ(text("txtHeading"), "305");
    EXPECT_EQ(events.events, Events{});
    press(Key::Tab);
    EXPECT_EQ(focusedName(), "txtX");
    EXPECT_EQ(events.events, Events{"left txtHeading"});
}

TEST_F(MessageBoxes, AFieldIsNotLeftWhenAnotherWindowOrAMessageBoxTakesTheFocus)
{
    typeInto("txtHeading", "30");
    events.events.clear();
    activateAnotherWindowAndComeBack();
    whenMessageBoxShown([](const MessageBoxSeen&) {});
    window->showMessage("a message");
    EXPECT_EQ(focusedName(), "txtHeading") << "the field keeps the window's focus";
    EXPECT_EQ(events.events, Events{});
}

// An access key presses its button as a click does, released a moment later. Where it also
// moves the focus to the button, it leaves the field first.
TEST_F(BindingEvents, AltXPressesExitAndLeavesTheFieldFirstWhereItTakesTheFocus)
{
    press(Key::X, Held::Alt);
    EXPECT_TRUE(waitUntil([this] { return !events.events.empty(); }));
    EXPECT_EQ(events.events, Events{"button btnExit"});
    typeInto("txtHeading", "30");
    events.events.clear();
    press(Key::X, Held::Alt);
    EXPECT_TRUE(waitUntil([this] { return !events.events.empty() && events.events.back() == "button btnExit"; }));
    if (accessKeysTakeTheFocus) {
        EXPECT_EQ(events.events, (Events{"left txtHeading", "button btnExit"}));
        EXPECT_EQ(focusedName(), "btnExit");
    } else {
        EXPECT_EQ(events.events, Events{"button btnExit"});
        EXPECT_EQ(focusedName(), "txtHeading");
    }
}

TEST_F(BindingEvents, EnterAndEscapeInATextFieldPressNoButton)
{
    typeInto("txtHeading", "30");
    for (Key key : {Key::Return, Key::KeypadEnter, Key::Escape})
        press(key);
    EXPECT_FALSE(waitUntil([this] { return !events.events.empty(); }, 200)) << "as an access key's, a moment later";
    EXPECT_EQ(events.events, Events{});
    EXPECT_TRUE(windowShown());
    EXPECT_EQ(focusedName(), "txtHeading");
}

TEST_F(BindingEvents, TheCloseBoxIsReportedAndUnloadingClosesTheWindow)
{
    events.reaction = [this](const std::string&) { window->unload(); };
    clickCloseBox();
    EXPECT_EQ(events.events, Events{"close box"});
    EXPECT_FALSE(windowShown());
}

// The message is modal: the user lets go of the mouse while it is up, after the press that
// moved the focus. The click is lost, and the box must not be left held down waiting for a
// release that has already happened.
TEST_F(MessageBoxes, AClickReleasedWhileAMessageIsUpIsLostAndLeavesNothingHeldDown)
{
    typeInto("txtHeading", "30");
    events.reaction = [this](const std::string& event) {
        if (event == "left txtHeading")
            window->showMessage("Invalid Heading");
    };
    events.events.clear();
    whenMessageBoxShown([this](const MessageBoxSeen&) { releaseMouse(); });
    pressMouse("chkNatSX");
    EXPECT_EQ(events.events, Events{"left txtHeading"});
    EXPECT_FALSE(shown("chkNatSX").heldDown);

    events.reaction = nullptr;
    click("chkNatSX");
    EXPECT_EQ(events.events, (Events{"left txtHeading", "click chkNatSX"})) << "the next click works as usual";
}

TEST_F(MessageBoxes, AreCaptionedLumetraWithNoIconAndOnlyOK)
{
    MessageBoxSeen seen;
    whenMessageBoxShown([&seen](const MessageBoxSeen& box) { seen = box; });
    window->showMessage("Invalid Light Coordinates.  Pitch is greater than 89.9 degrees");
    EXPECT_EQ(seen.caption, "Lumetra");
    EXPECT_EQ(seen.text, "Invalid Light Coordinates.  Pitch is greater than 89.9 degrees");
    EXPECT_EQ(seen.buttons, std::vector<std::string>{"OK"});
    EXPECT_FALSE(seen.icon);
}

}  // namespace
}  // namespace lumetra::ui::test
