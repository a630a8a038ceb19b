// What only the Win32 binding has: the window's place on the screen, the stacking that
// screen readers read labels from and that keeps frames from painting over their
// neighbours, control ids, the brushes the fields are painted with, an icon for each
// density, the edit control's double click, and a start that fails.

#include "binding_rows.h"
#include "win32_driver.h"

namespace lumetra::ui::test {
namespace {

using test::PrintTo;
using Win32Controls = BindingTest;

TEST_F(Win32Controls, TheWindowOpensWhereItIsStored)
{
    POINT origin{0, 0};
    ClientToScreen(win32(*window).handle(), &origin);
    EXPECT_EQ(origin.x, 203);  // 3045 twips
    EXPECT_EQ(origin.y, 155);  // 2325 twips
}

// Every control is the window's own child, frames too. Frames overlap what they hold and,
// by a pixel or two, each other: a control that painted over the ones stacked above it
// would cut the labels' last row and a frame's edge.
TEST_F(Win32Controls, NoControlPaintsOverTheOnesStackedAboveIt)
{
    for (const Place& place : places)
        EXPECT_EQ(GetParent(control(*window, place.name)), win32(*window).handle()) << place.name;
    for (HWND child = GetWindow(win32(*window).handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        EXPECT_TRUE(GetWindowLongW(child, GWL_STYLE) & WS_CLIPSIBLINGS) << windowText(child);
    // Frame3 starts where Frame2 and Frame6 end; beneath them, it leaves their bottom edges in view.
    for (const char* upper : {"Frame2", "Frame6"}) {
        HWND below = control(*window, upper);
        while (below && below != control(*window, "Frame3"))
            below = GetWindow(below, GW_HWNDNEXT);
        EXPECT_TRUE(below) << upper << " is stacked beneath Frame3";
    }
}

TEST_F(Win32Controls, NoControlAnswersToTheIdsOfEnterAndEscape)
{
    for (HWND child = GetWindow(win32(*window).handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        EXPECT_NE(GetDlgCtrlID(child), IDOK) << windowText(child);
        EXPECT_NE(GetDlgCtrlID(child), IDCANCEL) << windowText(child);
    }
}

TEST_F(Win32Controls, EachTextFieldIsStackedJustAfterTheLabelThatCaptionsIt)
{
    const std::pair<const char*, const char*> captioned[] = {
        {"txtHeading", "lblDilloHeading"}, {"txtPitch", "lblDilloPitch"},     {"txtDilloStrength", "Label2"},
        {"txtGridRes", "Label3"},          {"txtDistance", "Label1"},         {"txtObjectScale", "lblObjectScale"},
        {"txtGridSize", "lblCalcGridSize"}, {"txtMaxStrength", "lblCalcStrength"}, {"txtX", "lblMaxX"},
        {"txtY", "lblMaxY"},               {"txtZ", "lblMaxZ"},               {"txtCalcHeading", "lblMaxHeading"},
        {"txtCalcPitch", "lblMaxPitch"},
    };
    for (const auto& [field, label] : captioned)
        EXPECT_EQ(GetWindow(control(*window, field), GW_HWNDPREV), control(*window, label)) << field;
}

struct LookRow {
    const char* name;
    Look look;
    int systemColour;  // COLOR_WINDOW is 5, COLOR_BTNFACE 15
};

class Looks : public BindingTest, public ::testing::WithParamInterface<LookRow> {};

TEST_P(Looks, TheFieldIsPaintedWithTheSystemBrushOfItsLook)
{
    const LookRow& row = GetParam();
    window->setLook(TextField::txtHeading, row.look);
    HWND field = control(*window, "txtHeading");
    HDC dc = GetDC(field);
    for (UINT message : {WM_CTLCOLOREDIT, WM_CTLCOLORSTATIC}) {
        const LRESULT brush = SendMessageW(win32(*window).handle(), message, reinterpret_cast<WPARAM>(dc),
                                           reinterpret_cast<LPARAM>(field));
        EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), GetSysColorBrush(row.systemColour)) << "message " << message;
    }
    ReleaseDC(field, dc);
}

INSTANTIATE_TEST_SUITE_P(
    EditableOrReadOnly, Looks,
    ::testing::Values(LookRow{"AnEditableFieldOnTheWindowColour", Look::Editable, 5},
                      LookRow{"AReadOnlyFieldOnTheButtonFace", Look::ReadOnly, 15}),
    rowName);

// Windows's large icon is 32 pixels at 96 dpi, and grows with the density.
TEST_F(Win32Controls, TheIconIsTakenForTheWindowsDensity)
{
    HWND hwnd = win32(*window).handle();
    for (const auto& [dpi, width] : {std::pair{96, 32}, {144, 48}, {192, 64}}) {
        RECT rect{};
        GetWindowRect(hwnd, &rect);
        SendMessageW(hwnd, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&rect));
        ICONINFO icon{};
        BITMAP bitmap{};
        GetIconInfo(reinterpret_cast<HICON>(SendMessageW(hwnd, WM_GETICON, ICON_BIG, 0)), &icon);
        GetObjectW(icon.hbmColor, sizeof bitmap, &bitmap);
        EXPECT_EQ(bitmap.bmWidth, width) << dpi << " dpi";
        DeleteObject(icon.hbmColor);
        DeleteObject(icon.hbmMask);
    }
}

// Click a field, type, Tab away and click the same spot at once: a double click, which takes
// the focus as a single click does and selects the word under the pointer, "30", which the
// new text replaces.
TEST_F(Win32Controls, AFieldClickedAgainAtOnceAfterTabTakesWhatIsTypedNext)
{
    const UINT doubleClickTime = GetDoubleClickTime();
    SetDoubleClickTime(5000);  // however slow the machine, the second click is a double click
    typeInto("txtPitch", "30");
    press(Key::Tab);
    click("txtPitch");
    type("12");
    SetDoubleClickTime(doubleClickTime);
    EXPECT_EQ(text("txtPitch"), "12");
    EXPECT_EQ(text("txtHeading"), "90.0");
}

LRESULT CALLBACK refuseEditControls(int code, WPARAM wParam, LPARAM lParam)
{
    wchar_t cls[16]{};
    if (code == HCBT_CREATEWND && GetClassNameW(reinterpret_cast<HWND>(wParam), cls, 16) && lstrcmpiW(cls, L"Edit") == 0)
        return 1;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The first text field in stored order is txtCalcHeading. Nothing of the window may stay, nor
// the quit message that would close the message box telling the user why.
TEST(StartUp, AControlThatCannotBeMadeStopsItWithTheControlsNameAndLeavesNothing)
{
    HHOOK hook = SetWindowsHookExW(WH_CBT, refuseEditControls, nullptr, GetCurrentThreadId());
    std::string error;
    try {
        Win32Window window(GetModuleHandleW(nullptr));
    } catch (const std::runtime_error& thrown) {
        error = thrown.what();
    }
    UnhookWindowsHookEx(hook);
    EXPECT_TRUE(error.starts_with("The control txtCalcHeading could not be created")) << error;
    EXPECT_EQ(FindWindowW(L"Lumetra", nullptr), nullptr);
    MSG quit{};
    EXPECT_FALSE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

}  // namespace
}  // namespace lumetra::ui::test
