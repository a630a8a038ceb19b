// The window as it opens at 96 dots per inch: its own properties, every control's place
// and caption, the stacking a screen reader reads labels from, the focus order and where
// the focus starts.

#include <map>

#include "window_fixture.h"

namespace lumetra::ui::test {
namespace {

struct Place {
    const char* name;
    const char* container;
    const char* caption;  // or the text field's initial text
    int left, top, width, height;  // twips, relative to the container
};

// Every control of the window in stored order; a frame comes before what it contains.
const Place places[] = {
    {"chkBajaStuntEnduro", "", "Baja, Stunt, or Enduro", 2520, 480, 1935, 255},
    {"chkMax2Armadillo", "", "3dsMax to Armadillo", 2520, 120, 1815, 255},
    {"Command1", "", "Command1", 480, 5760, 1095, 495},
    {"txtCalcHeading", "", "", 1920, 5880, 1215, 285},
    {"txtCalcPitch", "", "", 3360, 5880, 615, 285},
    {"chkArmadillo2Max", "", "Armadillo to 3dsMax", 240, 120, 1815, 255},
    {"btnExit", "", "E&xit", 4680, 2280, 855, 495},
    {"Frame6", "", "3dsMax Grid Settings:", 120, 3120, 2175, 1335},
    {"txtGridSize", "Frame6", "256", 960, 360, 1095, 285},
    {"txtMaxStrength", "Frame6", "13.333333", 960, 840, 1095, 285},
    {"lblCalcStrength", "Frame6", "Strength:", 240, 840, 645, 195},
    {"lblCalcGridSize", "Frame6", "Grid Size:", 240, 360, 675, 195},
    {"chkNatSX", "", "National or SX Track", 240, 480, 1815, 255},
    {"Frame5", "", "3dsMax Desired Settings:", 120, 1920, 4455, 1095},
    {"txtObjectScale", "Frame5", "33.333333", 1560, 720, 1095, 285},
    {"txtDistance", "Frame5", "1000.000000", 3000, 360, 1215, 285},
    {"chkUseObjectScale", "Frame5", "Use Object Scale", 240, 360, 1695, 255},
    {"lblObjectScale", "Frame5", "Object Scale (%):", 240, 720, 1215, 195},
    {"Label1", "Frame5", "Light Distance (ft):", 3000, 720, 1290, 195},
    {"Frame4", "", "Armadillo Grid Settings:", 120, 840, 2295, 975},
    {"txtGridRes", "Frame4", "3.0000", 1320, 360, 735, 285},
    {"txtDilloStrength", "Frame4", "40.000", 240, 360, 855, 285},
    {"Label3", "Frame4", "Grid Res", 1320, 720, 615, 195},
    {"Label2", "Frame4", "Strength", 240, 720, 600, 195},
    {"Frame3", "", "", 120, 4440, 5415, 615},
    {"Label5", "Frame3", "Lumetra for Armadillo       Created by Quillon    Version 2.1", 120, 240, 5175, 255},
    {"Frame2", "", "3dsMax Light Settings:", 2400, 3120, 2175, 1335},
    {"txtZ", "Frame2", "707.106781", 960, 960, 1095, 285},
    {"txtY", "Frame2", "707.106781", 960, 600, 1095, 285},
    {"txtX", "Frame2", "0.000000", 960, 240, 1095, 285},
    {"lblMaxZ", "Frame2", "Max Z =", 240, 960, 585, 195},
    {"lblMaxY", "Frame2", "Max Y =", 240, 600, 585, 195},
    {"lblMaxX", "Frame2", "Max X =", 240, 240, 585, 195},
    {"Frame1", "", "Armadillo Light Settings:", 2520, 840, 2055, 975},
    {"txtHeading", "Frame1", "90.0", 240, 360, 735, 285},
    {"txtPitch", "Frame1", "45.0", 1200, 360, 615, 285},
    {"lblDilloHeading", "Frame1", "Heading", 240, 720, 600, 195},
    {"lblDilloPitch", "Frame1", "Pitch", 1320, 720, 360, 195},
    {"btnCalculate", "", "Calculate", 4680, 1200, 855, 495},
    {"lblMaxHeading", "", "Heading", 2400, 6135, 600, 195},
    {"lblMaxPitch", "", "Pitch", 3480, 6135, 360, 195},
};

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
    const std::pair<const char*, bool> readOnly[] = {
        {"txtHeading", false},     {"txtPitch", false},      {"txtDilloStrength", false}, {"txtGridRes", false},
        {"txtDistance", false},    {"txtGridSize", false},   {"txtMaxStrength", true},    {"txtObjectScale", true},
        {"txtX", true},            {"txtY", true},           {"txtZ", true},              {"txtCalcHeading", true},
        {"txtCalcPitch", true},
    };
    for (const auto& [name, locked] : readOnly) {
        SCOPED_TRACE(name);
        EXPECT_EQ((GetWindowLongW(control(name), GWL_STYLE) & ES_READONLY) != 0, locked);
        HDC dc = GetDC(control(name));
        const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(window->handle(), WM_CTLCOLOREDIT,
                                                                 reinterpret_cast<WPARAM>(dc),
                                                                 reinterpret_cast<LPARAM>(control(name))));
        ReleaseDC(control(name), dc);
        EXPECT_EQ(brush, GetSysColorBrush(locked ? 15 : 5));
    }
    const std::pair<const char*, int> values[] = {
        {"chkArmadillo2Max", BST_CHECKED}, {"chkMax2Armadillo", BST_UNCHECKED}, {"chkNatSX", BST_CHECKED},
        {"chkBajaStuntEnduro", BST_UNCHECKED}, {"chkUseObjectScale", BST_UNCHECKED},
    };
    for (const auto& [name, value] : values) {
        SCOPED_TRACE(name);
        EXPECT_EQ(check(name), value);
        EXPECT_TRUE(IsWindowEnabled(control(name)));
        EXPECT_TRUE(IsWindowVisible(control(name)));
    }
    EXPECT_FALSE(IsWindowVisible(control("Command1")));
    EXPECT_FALSE(IsWindowEnabled(control("Command1")));
}

TEST_F(WindowState, TheFocusStartsOnCalculate) { EXPECT_EQ(focusedName(), "btnCalculate"); }

const char* const forwardOrder[] = {
    "btnCalculate", "txtPitch", "txtHeading", "txtX", "txtY", "txtZ", "txtDilloStrength",
    "txtGridRes", "chkUseObjectScale", "txtDistance", "chkNatSX", "txtMaxStrength", "btnExit",
    "chkArmadillo2Max", "txtCalcPitch", "txtCalcHeading", "txtGridSize", "txtObjectScale",
    "chkMax2Armadillo", "chkBajaStuntEnduro",
};

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

}  // namespace
}  // namespace lumetra::ui::test
