// The shared binding tests' driver for Win32: real input (SendInput), pumped through the
// binding's own dialog-message loop, and the controls read back through their messages.

#include <stdexcept>
#include <utility>
#include <vector>

#include "wide_text.h"
#include "win32_driver.h"

namespace lumetra::ui::test {

namespace {

std::string className(HWND hwnd)
{
    wchar_t name[16]{};
    GetClassNameW(hwnd, name, 16);
    return utf8Text(name);
}

LONG styleOf(HWND hwnd) { return GetWindowLongW(hwnd, GWL_STYLE); }

// As a label draws its caption: on one line, in its own font.
int captionWidth(HWND control)
{
    const std::wstring caption = wideText(windowText(control));
    HDC dc = GetDC(control);
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT rect{};
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &rect, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    return rect.right - rect.left;
}

INPUT keyInput(WORD key, bool up, bool extended = false)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (extended ? KEYEVENTF_EXTENDEDKEY : 0);
    return input;
}

INPUT mouseInput(DWORD button)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = button;
    return input;
}

void send(std::vector<INPUT> inputs)
{
    if (SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) != inputs.size())
        throw std::runtime_error("SendInput refused the input");
}

void addKeyPress(std::vector<INPUT>& inputs, WORD key, WORD modifier, bool extended = false)
{
    if (modifier)
        inputs.push_back(keyInput(modifier, false));
    inputs.push_back(keyInput(key, false, extended));
    inputs.push_back(keyInput(key, true, extended));
    if (modifier)
        inputs.push_back(keyInput(modifier, true));
}

// Timers are handled but do not count as activity: a control that tracks the pointer polls
// it with a timer as long as the pointer rests on it.
void pump(Window& window)
{
    do
        win32(window).processPending();
    while (MsgWaitForMultipleObjectsEx(0, nullptr, 30, QS_ALLINPUT & ~QS_TIMER, MWMO_INPUTAVAILABLE) != WAIT_TIMEOUT);
}

// The window as it was opened: once unloaded, the binding no longer names it.
HWND opened = nullptr;

// A TIMERPROC takes no context: the one message box being waited for is kept here.
std::function<void(const MessageBoxSeen&)> lookAtBox;
ULONGLONG boxDeadline = 0;
UINT_PTR boxTimer = 0;

BOOL CALLBACK findBox(HWND hwnd, LPARAM found)
{
    if (className(hwnd) == "#32770" && IsWindowVisible(hwnd) && GetWindow(hwnd, GW_OWNER) == opened) {
        *reinterpret_cast<HWND*>(found) = hwnd;
        return FALSE;
    }
    return TRUE;
}

MessageBoxSeen seenIn(HWND box)
{
    MessageBoxSeen seen{windowText(box), "", {}, false};
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!(styleOf(child) & WS_VISIBLE))
            continue;
        if (className(child) == "Button")
            seen.buttons.push_back(windowText(child));
        else if ((styleOf(child) & SS_TYPEMASK) == SS_ICON)
            seen.icon = seen.icon || SendMessageW(child, STM_GETICON, 0, 0) != 0;
        else if (className(child) == "Static")
            seen.text += windowText(child);
    }
    return seen;
}

// Runs inside the message box's own modal loop.
void CALLBACK onBoxTimer(HWND, UINT, UINT_PTR, DWORD)
{
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findBox, reinterpret_cast<LPARAM>(&box));
    if (box && GetForegroundWindow() == box) {
        KillTimer(nullptr, std::exchange(boxTimer, 0));
        std::exchange(lookAtBox, nullptr)(seenIn(box));
        send({keyInput(VK_RETURN, false), keyInput(VK_RETURN, true)});
    } else if (GetTickCount64() > boxDeadline) {
        // A box that never shows up or never takes the focus fails the test, not hangs it.
        KillTimer(nullptr, std::exchange(boxTimer, 0));
        lookAtBox = nullptr;
        ADD_FAILURE() << "no message box of the window took the focus within 5 s";
        if (box)
            PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
}

}  // namespace

HWND control(Window& window, std::string_view name)
{
    for (std::size_t row = 0; row < controlRows.size(); ++row)
        if (controlRows[row].name() == name)
            return win32(window).control(row);
    throw std::runtime_error("the window has no control named " + std::string(name));
}

std::string windowText(HWND hwnd)
{
    std::wstring wide(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    wide.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, wide.data(), static_cast<int>(wide.size()))));
    return utf8Text(wide);
}

const bool BindingTest::accessKeysTakeTheFocus = true;
const std::vector<std::string> BindingTest::placesBeyondTheControls = {};

void BindingTest::open(Messages* sink)
{
    window = std::make_unique<Win32Window>(GetModuleHandleW(nullptr), sink);
    win32(*window).setUserEvents(&events);
    win32(*window).show(SW_SHOWNORMAL);
    opened = win32(*window).handle();
    SetForegroundWindow(opened);
    ASSERT_TRUE(waitUntil([] { return GetForegroundWindow() == opened; })) << "the window was not activated";
    ASSERT_EQ(GetDpiForWindow(opened), 96U) << "the places in pixels are those at 96 dots per inch";
    pump(*window);
}

void BindingTest::TearDown()
{
    if (boxTimer) {
        KillTimer(nullptr, std::exchange(boxTimer, 0));
        lookAtBox = nullptr;
        ADD_FAILURE() << "the message box the test waited for was never shown";
    }
    window.reset();
    // The quit message of the window just destroyed would end the next test's message box.
    MSG msg{};
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&msg);
}

void BindingTest::pressMouse(std::string_view name)
{
    RECT rect{};
    GetWindowRect(control(*window, name), &rect);
    SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    send({mouseInput(MOUSEEVENTF_LEFTDOWN)});
    pump(*window);
}

void BindingTest::releaseMouse()
{
    send({mouseInput(MOUSEEVENTF_LEFTUP)});
    pump(*window);
}

void BindingTest::press(Key key, Held held)
{
    static constexpr WORD keys[] = {VK_TAB, VK_SPACE, VK_RETURN, VK_RETURN, VK_ESCAPE, VK_END, VK_BACK, 'A', 'C', 'V', 'X'};
    static constexpr WORD modifiers[] = {0, VK_SHIFT, VK_CONTROL, VK_MENU};
    std::vector<INPUT> inputs;
    addKeyPress(inputs, keys[static_cast<int>(key)], modifiers[static_cast<int>(held)], key == Key::KeypadEnter);
    send(inputs);
    pump(*window);
}

// The keys go in one batch, as from a fast typist: each key's character is handled before
// the next key, because posted messages come before input.
void BindingTest::type(std::string_view typed)
{
    std::vector<INPUT> inputs;
    for (wchar_t c : wideText(typed)) {
        const SHORT key = VkKeyScanW(c);
        if (key == -1)
            throw std::runtime_error("the keyboard has no key for a character to type");
        addKeyPress(inputs, LOBYTE(key), (HIBYTE(key) & 1) ? VK_SHIFT : 0);
    }
    send(inputs);
    pump(*window);
}

void BindingTest::focus(std::string_view name)
{
    SetFocus(control(*window, name));
    pump(*window);
}

void BindingTest::doDefaultAction(std::string_view name)
{
    SendMessageW(control(*window, name), BM_CLICK, 0, 0);
    pump(*window);
}

// What the close box sends.
void BindingTest::clickCloseBox()
{
    PostMessageW(opened, WM_SYSCOMMAND, SC_CLOSE, 0);
    pump(*window);
}

void BindingTest::activateAnotherWindowAndComeBack()
{
    HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
    for (HWND active : {other, opened}) {
        SetForegroundWindow(active);
        EXPECT_TRUE(waitUntil([active] { return GetForegroundWindow() == active; }));
    }
    DestroyWindow(other);
}

void BindingTest::whenMessageBoxShown(std::function<void(const MessageBoxSeen&)> look)
{
    lookAtBox = std::move(look);
    boxDeadline = GetTickCount64() + 5000;
    boxTimer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, onBoxTimer);
}

bool BindingTest::waitUntil(const std::function<bool()>& condition, int milliseconds)
{
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
    while (!condition()) {
        if (GetTickCount64() > deadline)
            return false;
        pump(*window);
    }
    return true;
}

std::string BindingTest::clipboard() const
{
    std::string text;
    if (!OpenClipboard(nullptr))
        return "<the clipboard could not be opened>";
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT))
        if (const auto* wide = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = utf8Text(wide);
            GlobalUnlock(data);
        }
    CloseClipboard();
    return text;
}

void BindingTest::setClipboard(std::string_view text)
{
    const std::wstring wide = wideText(text);
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
    wcscpy(static_cast<wchar_t*>(GlobalLock(data)), wide.c_str());
    GlobalUnlock(data);
    if (!OpenClipboard(nullptr))
        throw std::runtime_error("the clipboard could not be opened");
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, data);
    CloseClipboard();
}

std::string BindingTest::text(std::string_view name) const { return windowText(control(*window, name)); }

std::string BindingTest::focusedName() const
{
    const HWND focus = GetFocus();
    for (std::size_t row = 0; row < controlRows.size(); ++row)
        if (focus && win32(*window).control(row) == focus)
            return std::string(controlRows[row].name());
    return "";
}

// BST_UNCHECKED, BST_CHECKED and BST_INDETERMINATE are numbered as the values are. A field
// paints, and so shows its look, with the brush that the window answers its request with.
Shown BindingTest::shown(std::string_view name) const
{
    HWND hwnd = control(*window, name);
    const LONG style = styleOf(hwnd);
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    MapWindowPoints(HWND_DESKTOP, opened, reinterpret_cast<POINT*>(&rect), 2);
    Shown shown{.place = {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top},
                .captionWidth = captionWidth(hwnd),
                .visible = IsWindowVisible(hwnd) != 0,
                .enabled = IsWindowEnabled(hwnd) != 0};
    if (className(hwnd) == "Button") {
        shown.value = static_cast<BoxValue>(SendMessageW(hwnd, BM_GETCHECK, 0, 0));
        shown.heldDown = SendMessageW(hwnd, BM_GETSTATE, 0, 0) & BST_PUSHED;
        shown.isDefault = (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    } else if (className(hwnd) == "Edit") {
        if (GetSysColor(COLOR_WINDOW) == GetSysColor(COLOR_BTNFACE))
            throw std::runtime_error("the desktop's colours do not tell the two looks apart");
        const bool readOnly = style & ES_READONLY;
        HDC dc = GetDC(hwnd);
        const LRESULT brush = SendMessageW(opened, readOnly ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT,
                                           reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd));
        ReleaseDC(hwnd, dc);
        if (reinterpret_cast<HBRUSH>(brush) == GetSysColorBrush(readOnly ? COLOR_BTNFACE : COLOR_WINDOW))
            shown.look = readOnly ? Look::ReadOnly : Look::Editable;
        // No limit is the largest one a single-line edit control knows.
        const auto limit = static_cast<int>(SendMessageW(hwnd, EM_GETLIMITTEXT, 0, 0));
        shown.typingLimit = limit == 0x7FFFFFFE ? 0 : limit;
        shown.alignedLeft = (style & (ES_CENTER | ES_RIGHT)) == 0;
    }
    return shown;
}

WindowFrame BindingTest::frame() const
{
    RECT client{};
    GetClientRect(opened, &client);
    const LONG style = styleOf(opened);
    return {windowText(opened), client.right, client.bottom, (style & WS_THICKFRAME) != 0, (style & WS_SYSMENU) != 0,
            (style & WS_MINIMIZEBOX) != 0, (style & WS_MAXIMIZEBOX) != 0};
}

// Unloading destroys the window: it is never merely hidden.
bool BindingTest::windowShown() const
{
    EXPECT_FALSE(IsWindow(opened) && !IsWindowVisible(opened)) << "the window is hidden but not destroyed";
    return IsWindowVisible(opened);
}

}  // namespace lumetra::ui::test
