// What the Win32 binding reports of the user: one event per click, press or key, none for
// the program's own writes, the field being left before the click that left it, nothing
// for keys that press no button, and the real message box.

#include "binding_rows.h"
#include "window_fixture.h"

namespace lumetra::ui::test {
namespace {

using test::PrintTo;
using Events = std::vector<std::string>;
using BindingEvents = WindowTest;
using MessageBoxes = WithMessageBoxes;

TEST_F(BindingEvents, AClickOnABoxIsReportedOnceAndTheProgramsAssignmentAddsNothing)
{
    // The handlers answer the click by assigning the box a new value.
    events.reaction = [this](const std::string&) { window->showValue(CheckBox::chkNatSX, Clear); };
    click("chkNatSX");
    EXPECT_EQ(events.events, Events{"click chkNatSX"});
    EXPECT_EQ(check("chkNatSX"), BST_UNCHECKED);
}

TEST_F(BindingEvents, TheBoxShowsOnlyWhatTheProgramAssigns)
{
    // Without an answer from the handlers the box keeps its value, whatever asked to change it.
    click("chkArmadillo2Max");
    SetFocus(control("chkMax2Armadillo"));
    press(VK_SPACE);
    SendMessageW(control("chkNatSX"), BM_CLICK, 0, 0);  // as a screen reader's default action does
    pump();
    EXPECT_EQ(events.events, (Events{"click chkArmadillo2Max", "click chkMax2Armadillo", "click chkNatSX"}));
    EXPECT_EQ(check("chkArmadillo2Max"), BST_CHECKED);
    EXPECT_EQ(check("chkMax2Armadillo"), BST_UNCHECKED);
    EXPECT_EQ(check("chkNatSX"), BST_CHECKED);
}

TEST_F(BindingEvents, AGreyedBoxShowsItsThirdStateAndADisabledOneTakesNoClick)
{
    window->showValue(CheckBox::chkUseObjectScale, Greyed);
    window->setBoxEnabled(CheckBox::chkUseObjectScale, false);
    EXPECT_EQ(check("chkUseObjectScale"), BST_INDETERMINATE);
    click("chkUseObjectScale");
    EXPECT_EQ(events.events, Events{});
}

class LeavingByAClick : public WindowTest, public ::testing::WithParamInterface<LeaveRow> {};

TEST_P(LeavingByAClick, ReportsTheFieldBeforeTheClick)
{
    typeInto("txtHeading", "30");
    events.events.clear();
    click(GetParam().clicked);
    EXPECT_EQ(events.events, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Fields, LeavingByAClick, ::testing::ValuesIn(leaveRows), rowName);

TEST_F(MessageBoxes, AFieldIsNotLeftWhenAnotherWindowOrAMessageBoxTakesTheFocus)
{
    typeInto("txtHeading", "30");
    events.events.clear();

    HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
    SetForegroundWindow(other);
    EXPECT_TRUE(waitUntil([other] { return GetForegroundWindow() == other; }));
    SetForegroundWindow(window->handle());
    EXPECT_TRUE(waitUntil([this] { return GetForegroundWindow() == window->handle(); }));
    DestroyWindow(other);

    whenMessageBoxShown([](HWND) {});
    window->showMessage("a message");
    pump();
    EXPECT_EQ(focusedName(), "txtHeading") << "the field keeps the window's focus";
    EXPECT_EQ(events.events, Events{});
}

TEST_F(BindingEvents, AltXPressesExitAndLeavesTheFieldFirst)
{
    press('X', {VK_MENU});
    EXPECT_EQ(events.events, Events{"button btnExit"});
    typeInto("txtHeading", "30");
    events.events.clear();
    press('X', {VK_MENU});
    EXPECT_EQ(events.events, (Events{"left txtHeading", "button btnExit"}));
}

TEST_F(BindingEvents, EnterAndEscapeInATextFieldPressNoButton)
{
    typeInto("txtHeading", "30");
    press(VK_RETURN);
    press(VK_ESCAPE);
    EXPECT_EQ(events.events, Events{});
    EXPECT_TRUE(IsWindowVisible(window->handle()));
    EXPECT_EQ(focusedName(), "txtHeading");
}

TEST_F(BindingEvents, TheCloseBoxIsReportedAndUnloadingDestroysTheWindow)
{
    events.reaction = [this](const std::string&) { window->unload(); };
    HWND hwnd = window->handle();
    PostMessageW(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);  // what the close box sends
    pump();
    EXPECT_EQ(events.events, Events{"close box"});
    EXPECT_FALSE(IsWindow(hwnd));
}

// The message is modal: the user lets go of the mouse while it is up, after the press that
// moved the focus. The click is lost, and the box must not be left pushed, waiting for a
// release that has already happened.
TEST_F(MessageBoxes, AClickReleasedWhileAMessageIsUpIsLostAndLeavesNothingPushed)
{
    typeInto("txtHeading", "30");
    events.reaction = [this](const std::string& event) {
        if (event == "left txtHeading")
            window->showMessage("Invalid Heading");
    };
    events.events.clear();
    whenMessageBoxShown([this](HWND) { mouseButton(false); });
    RECT rect{};
    GetWindowRect(control("chkNatSX"), &rect);
    SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    mouseButton(true);
    pump();
    EXPECT_EQ(events.events, Events{"left txtHeading"});
    EXPECT_FALSE(SendMessageW(control("chkNatSX"), BM_GETSTATE, 0, 0) & BST_PUSHED);

    events.reaction = nullptr;
    click("chkNatSX");
    EXPECT_EQ(events.events, (Events{"left txtHeading", "click chkNatSX"})) << "the next click works as usual";
}

TEST_F(MessageBoxes, AreCaptionedLumetraWithNoIconAndOnlyOK)
{
    std::string caption, shownText;
    std::vector<std::string> buttons;
    bool icon = false;
    whenMessageBoxShown([&](HWND box) {
        caption = windowText(box);
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            wchar_t cls[16]{};
            GetClassNameW(child, cls, 16);
            const LONG style = GetWindowLongW(child, GWL_STYLE);
            if (!(style & WS_VISIBLE))
                continue;
            if (lstrcmpiW(cls, L"Button") == 0)
                buttons.push_back(windowText(child));
            else if ((style & SS_TYPEMASK) == SS_ICON)
                icon = icon || SendMessageW(child, STM_GETICON, 0, 0) != 0;
            else if (lstrcmpiW(cls, L"Static") == 0)
                shownText += windowText(child);
        }
    });
    window->showMessage("Invalid Light Coordinates.  Pitch is greater than 89.9 degrees");
    EXPECT_EQ(caption, "Lumetra");
    EXPECT_EQ(shownText, "Invalid Light Coordinates.  Pitch is greater than 89.9 degrees");
    EXPECT_EQ(buttons, std::vector<std::string>{"OK"});
    EXPECT_FALSE(icon);
}

}  // namespace
}  // namespace lumetra::ui::test
