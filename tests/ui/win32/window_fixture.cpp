#include "window_fixture.h"

#include <stdexcept>
#include <utility>
#include <vector>

namespace lumetra::ui::test {

namespace {

// UTF-8 at most triples a UTF-16 text's length, and a UTF-8 text is never shorter in UTF-16.
std::string narrow(std::wstring_view wide)
{
    std::string text(wide.size() * 3, '\0');
    text.resize(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                                             text.data(), static_cast<int>(text.size()), nullptr,
                                                             nullptr)));
    return text;
}

std::wstring widen(std::string_view text)
{
    std::wstring wide(text.size(), L'\0');
    wide.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                                             wide.data(), static_cast<int>(wide.size()))));
    return wide;
}

INPUT keyInput(WORD key, bool up)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

void send(std::vector<INPUT> inputs)
{
    if (SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) != inputs.size())
        throw std::runtime_error("SendInput refused the input");
}

// A TIMERPROC takes no context: the one message box being waited for is kept here.
HWND boxOwner = nullptr;
std::function<void(HWND)> lookAtBox;
ULONGLONG boxDeadline = 0;
UINT_PTR boxTimer = 0;

BOOL CALLBACK findBox(HWND hwnd, LPARAM found)
{
    wchar_t cls[16]{};
    GetClassNameW(hwnd, cls, 16);
    if (std::wstring_view(cls) == L"#32770" && IsWindowVisible(hwnd) && GetWindow(hwnd, GW_OWNER) == boxOwner) {
        *reinterpret_cast<HWND*>(found) = hwnd;
        return FALSE;
    }
    return TRUE;
}

// Runs inside the message box's own modal loop.
void CALLBACK onBoxTimer(HWND, UINT, UINT_PTR, DWORD)
{
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findBox, reinterpret_cast<LPARAM>(&box));
    if (box && GetForegroundWindow() == box) {
        KillTimer(nullptr, std::exchange(boxTimer, 0));
        std::exchange(lookAtBox, nullptr)(box);
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

std::string clipboardText()
{
    std::string text;
    if (!OpenClipboard(nullptr))
        return "<the clipboard could not be opened>";
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT))
        if (const auto* wide = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = narrow(wide);
            GlobalUnlock(data);
        }
    CloseClipboard();
    return text;
}

void setClipboardText(std::string_view text)
{
    const std::wstring wide = widen(text);
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
    auto* copy = static_cast<wchar_t*>(GlobalLock(data));
    wcscpy(copy, wide.c_str());
    GlobalUnlock(data);
    if (!OpenClipboard(nullptr))
        throw std::runtime_error("the clipboard could not be opened");
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, data);
    CloseClipboard();
}

void WindowTest::open(Messages* sink)
{
    window = std::make_unique<Win32Window>(GetModuleHandleW(nullptr), sink);
    window->setUserEvents(&events);
    window->show(SW_SHOWNORMAL);
    SetForegroundWindow(window->handle());
    ASSERT_TRUE(waitUntil([this] { return GetForegroundWindow() == window->handle(); }))
        << "the window was not activated";
    pump();
}

void WindowTest::TearDown()
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

void WindowTest::pump()
{
    // Timers are handled but do not count as activity: a control that tracks the pointer
    // polls it with a timer as long as the pointer rests on it.
    do
        window->processPending();
    while (MsgWaitForMultipleObjectsEx(0, nullptr, 30, QS_ALLINPUT & ~QS_TIMER, MWMO_INPUTAVAILABLE) != WAIT_TIMEOUT);
}

bool WindowTest::waitUntil(const std::function<bool()>& condition, DWORD milliseconds)
{
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    while (!condition()) {
        if (GetTickCount64() > deadline)
            return false;
        pump();
    }
    return true;
}

HWND WindowTest::control(std::string_view name) const
{
    for (std::size_t row = 0; row < controlRows.size(); ++row)
        if (controlRows[row].name() == name)
            return window->control(row);
    throw std::runtime_error("the window has no control named " + std::string(name));
}

std::string WindowTest::text(std::string_view name) const { return windowText(control(name)); }

int WindowTest::check(std::string_view name) const
{
    return static_cast<int>(SendMessageW(control(name), BM_GETCHECK, 0, 0));
}

std::string WindowTest::focusedName() const
{
    const HWND focus = GetFocus();
    for (std::size_t row = 0; row < controlRows.size(); ++row)
        if (focus && window->control(row) == focus)
            return std::string(controlRows[row].name());
    return "";
}

void WindowTest::click(std::string_view name)
{
    RECT rect{};
    GetWindowRect(control(name), &rect);
    SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    mouseButton(true);
    mouseButton(false);
}

void WindowTest::mouseButton(bool down)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    send({input});
    pump();
}

namespace {

void addKeyPress(std::vector<INPUT>& inputs, WORD key, std::initializer_list<WORD> modifiers)
{
    for (WORD modifier : modifiers)
        inputs.push_back(keyInput(modifier, false));
    inputs.push_back(keyInput(key, false));
    inputs.push_back(keyInput(key, true));
    for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it)
        inputs.push_back(keyInput(*it, true));
}

}  // namespace

void WindowTest::press(WORD key, std::initializer_list<WORD> modifiers)
{
    std::vector<INPUT> inputs;
    addKeyPress(inputs, key, modifiers);
    send(inputs);
    pump();
}

// The keys go in one batch, as from a fast typist: each key's character is handled before
// the next key, because posted messages come before input.
void WindowTest::type(std::string_view typed)
{
    std::vector<INPUT> inputs;
    for (wchar_t c : widen(typed)) {
        const SHORT key = VkKeyScanW(c);
        if (key == -1)
            throw std::runtime_error("the keyboard has no key for a character to type");
        if (HIBYTE(key) & 1)
            addKeyPress(inputs, LOBYTE(key), {VK_SHIFT});
        else
            addKeyPress(inputs, LOBYTE(key), {});
    }
    send(inputs);
    pump();
}

void WindowTest::typeInto(std::string_view name, std::string_view typed)
{
    click(name);
    if (GetFocus() != control(name))
        throw std::runtime_error(std::string(name) + " did not take the focus");
    press('A', {VK_CONTROL});
    type(typed);
}

void WindowTest::whenMessageBoxShown(std::function<void(HWND)> look)
{
    boxOwner = window->handle();
    lookAtBox = std::move(look);
    boxDeadline = GetTickCount64() + 5000;
    boxTimer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, onBoxTimer);
}

}  // namespace lumetra::ui::test
