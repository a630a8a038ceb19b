// The window as it opens at 96 dots per inch: its own properties, every control's place
// and caption, the stacking a screen reader reads labels from, the focus order and where
// the focus starts.

#include <map>

#include "binding_rows.h"
#include "window_fixture.h"

namespace lumetra::ui::test {
namespace {

bool isLabel(HWND hwnd)
{
    wchar_t cls[16]{};
    GetClassNameW(hwnd, cls, 16);
    return lstrcmpiW(cls, L"Static") == 0;
}

// The caption's extent as the label draws it: one line, in the label's own font.
SIZE captionExtent(HWND label)
{
    std::wstring caption(256, L'\0');
    caption.resize(static_cast<std::size_t>(GetWindowTextW(label, caption.data(), 256)));
    HDC dc = GetDC(label);
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(label, WM_GETFONT, 0, 0)));
    RECT rect{};
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &rect, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, previous);
    ReleaseDC(label, dc);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

using WindowState = WindowTest;

TEST_F(WindowState, TheWindowIsAFixedSizeLumetraWindowWithACloseBoxOnly)
{
    HWND hwnd = window->handle();
    ASSERT_EQ(GetDpiForWindow(hwnd), 96U);
    EXPECT_EQ(windowText(hwnd), "Lumetra");
    const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    RECT client{};
    GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right - client.left, 377);  // 5655 twips
    EXPECT_EQ(client.bottom - client.top, 343);  // 5145 twips
    POINT origin{0, 0};
    ClientToScreen(hwnd, &origin);
    EXPECT_EQ(origin.x, 203);  // 3045 twips
    EXPECT_EQ(origin.y, 155);  // 2325 twips
}

TEST_F(WindowState, EveryControlHasItsCaptionAndPlace)
{
    ASSERT_EQ(std::size(places), 41U);
    std::map<std::string, POINT> frames;
    for (const Place& place : places) {
        SCOPED_TRACE(place.name);
        HWND hwnd = control(place.name);
        EXPECT_EQ(GetParent(hwnd), window->handle());
        EXPECT_EQ(windowText(hwnd), place.caption);
        const POINT frame = *place.container ? frames.at(place.container) : POINT{0, 0};
        frames[place.name] = {place.left, place.top};
        RECT rect{};
        GetWindowRect(hwnd, &rect);
        MapWindowPoints(HWND_DESKTOP, window->handle(), reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_EQ(rect.left, (frame.x + place.left) / 15);
        EXPECT_EQ(rect.top, (frame.y + place.top) / 15);
        SIZE expected{place.width / 15, place.height / 15};
        if (isLabel(hwnd) && std::string_view(place.name) != "Label5")
            expected = {captionExtent(hwnd).cx, 13};  // sized to its caption, one line high
        EXPECT_EQ(rect.right - rect.left, expected.cx);
        EXPECT_EQ(rect.bottom - rect.top, expected.cy);
    }
}

// Frames overlap what they hold and, by a pixel or two, each other: a control that painted
// over the ones stacked above it would cut the labels' last row and a frame's edge.
TEST_F(WindowState, NoControlPaintsOverTheOnesStackedAboveIt)
{
    for (HWND child = GetWindow(window->handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        EXPECT_TRUE(GetWindowLongW(child, GWL_STYLE) & WS_CLIPSIBLINGS) << windowText(child);
    // Frame3 starts where Frame2 and Frame6 end; beneath them, it leaves their bottom edges in view.
    for (const char* upper : {"Frame2", "Frame6"}) {
        HWND below = control(upper);
        while (below && below != control("Frame3"))
            below = GetWindow(below, GW_HWNDNEXT);
        EXPECT_TRUE(below) << upper << " is stacked beneath Frame3";
    }
}

TEST_F(WindowState, NoControlAnswersToTheIdsOfEnterAndEscape)
{
    for (HWND child = GetWindow(window->handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        EXPECT_NE(GetDlgCtrlID(child), IDOK) << windowText(child);
        EXPECT_NE(GetDlgCtrlID(child), IDCANCEL) << windowText(child);
    }
}

TEST_F(WindowState, EachTextFieldIsStackedJustAfterTheLabelThatCaptionsIt)
{
    const std::pair<const char*, const char*> captioned[] = {
        {"txtHeading", "lblDilloHeading"}, {"txtPitch", "lblDilloPitch"},     {"txtDilloStrength", "Label2"},
        {"txtGridRes", "Label3"},          {"txtDistance", "Label1"},         {"txtObjectScale", "lblObjectScale"},
        {"txtGridSize", "lblCalcGridSize"}, {"txtMaxStrength", "lblCalcStrength"}, {"txtX", "lblMaxX"},
        {"txtY", "lblMaxY"},               {"txtZ", "lblMaxZ"},               {"txtCalcHeading", "lblMaxHeading"},
        {"txtCalcPitch", "lblMaxPitch"},
    };
    for (const auto& [field, label] : captioned)
        EXPECT_EQ(GetWindow(control(field), GW_HWNDPREV), control(label)) << field;
}

TEST_F(WindowState, EveryFieldAndBoxStartsAsStored)
{
    for (const auto& [name, locked, limit] : fieldStarts) {
        SCOPED_TRACE(name);
        EXPECT_EQ((GetWindowLongW(control(name), GWL_STYLE) & ES_READONLY) != 0, locked);
        // No limit is the largest one a single-line edit control knows.
        EXPECT_EQ(SendMessageW(control(name), EM_GETLIMITTEXT, 0, 0), limit ? limit : 0x7FFFFFFE);
        HDC dc = GetDC(control(name));
        const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(window->handle(), WM_CTLCOLOREDIT,
                                                                 reinterpret_cast<WPARAM>(dc),
                                                                 reinterpret_cast<LPARAM>(control(name))));
        ReleaseDC(control(name), dc);
        EXPECT_EQ(brush, GetSysColorBrush(locked ? 15 : 5));
    }
    // BST_UNCHECKED, BST_CHECKED and BST_INDETERMINATE are numbered as the values are.
    for (const auto& [name, value] : boxStarts) {
        SCOPED_TRACE(name);
        EXPECT_EQ(check(name), numberOf(value));
        EXPECT_TRUE(IsWindowEnabled(control(name)));
        EXPECT_TRUE(IsWindowVisible(control(name)));
    }
    EXPECT_FALSE(IsWindowVisible(control("Command1")));
    EXPECT_FALSE(IsWindowEnabled(control("Command1")));
}

// Windows's large icon is 32 pixels at 96 dpi, and grows with the density.
TEST_F(WindowState, TheIconIsTakenForTheWindowsDensity)
{
    for (const auto& [dpi, width] : {std::pair{96, 32}, {144, 48}, {192, 64}}) {
        RECT rect{};
        GetWindowRect(window->handle(), &rect);
        SendMessageW(window->handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&rect));
        ICONINFO icon{};
        BITMAP bitmap{};
        GetIconInfo(reinterpret_cast<HICON>(SendMessageW(window->handle(), WM_GETICON, ICON_BIG, 0)), &icon);
        GetObjectW(icon.hbmColor, sizeof bitmap, &bitmap);
        EXPECT_EQ(bitmap.bmWidth, width) << dpi << " dpi";
        DeleteObject(icon.hbmColor);
        DeleteObject(icon.hbmMask);
    }
}

TEST_F(WindowState, TheFocusStartsOnCalculate) { EXPECT_EQ(focusedName(), "btnCalculate"); }

TEST_F(WindowState, TabVisitsEveryFocusableControlInOrderAndWrapsToCalculate)
{
    ASSERT_EQ(focusedName(), "btnCalculate");
    std::vector<std::string> left;
    for (std::size_t i = 1; i <= std::size(forwardOrder); ++i) {
        if (std::string_view(forwardOrder[i - 1]).starts_with("txt"))
            left.push_back("left " + std::string(forwardOrder[i - 1]));
        press(VK_TAB);
        ASSERT_EQ(focusedName(), forwardOrder[i % std::size(forwardOrder)]) << "after " << i << " presses of Tab";
    }
    EXPECT_EQ(events.events, left) << "each text field is reported as left when Tab leaves it";
}

TEST_F(WindowState, ShiftTabVisitsTheSameControlsBackwards)
{
    for (std::size_t i = std::size(forwardOrder); i > 0; --i) {
        press(VK_TAB, {VK_SHIFT});
        ASSERT_EQ(focusedName(), forwardOrder[i - 1]);
    }
}

TEST_F(WindowState, TabPassesOverTheDisabledOption)
{
    window->setBoxEnabled(CheckBox::chkUseObjectScale, false);
    click("txtGridRes");
    press(VK_TAB);
    EXPECT_EQ(focusedName(), "txtDistance");
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
