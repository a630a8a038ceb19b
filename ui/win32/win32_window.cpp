#include "win32_window.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>
#include <numeric>
#include <stdexcept>
#include <tuple>

#include "wide_text.h"

namespace lumetra::ui {

namespace {

constexpr wchar_t className[] = L"Lumetra";
constexpr wchar_t iconName[] = L"IDI_ICON1";
constexpr DWORD windowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
constexpr DWORD windowExStyle = WS_EX_CONTROLPARENT;
// Control ids stay clear of IDOK (1) and IDCANCEL (2), which the dialog manager sends for
// Enter and Esc: neither presses anything.
constexpr int firstControlId = 100;
constexpr UINT fieldsLeftMessage = WM_APP + 1;
// The window's dialog font is 8 points high.
constexpr int fontPoints = 8;

int scaled(int twips, UINT dpi) { return MulDiv(twips, static_cast<int>(dpi), 1440); }

struct ControlClass {
    const wchar_t* name;
    DWORD style;
    DWORD exStyle;
};

ControlClass classOf(Kind kind)
{
    switch (kind) {
    case Kind::Label:
        return {L"STATIC", SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0};
    case Kind::TextField:
        return {L"EDIT", ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case Kind::CheckBox:
        // Not the automatic kind: a click only reports, and the handlers set the value.
        return {L"BUTTON", BS_3STATE | WS_TABSTOP, 0};
    case Kind::PushButton:
        return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
    case Kind::Frame:
        return {L"BUTTON", BS_GROUPBOX, 0};
    }
    return {L"STATIC", 0, 0};
}

// The failure and Windows's reason for it, for the message that the program could not start.
std::runtime_error failure(const std::string& what)
{
    const DWORD error = GetLastError();
    wchar_t* reason = nullptr;
    const DWORD length = error ? FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                                    FORMAT_MESSAGE_IGNORE_INSERTS,
                                                nullptr, error, 0, reinterpret_cast<wchar_t*>(&reason), 0, nullptr)
                               : 0;
    std::string text = what;
    if (length) {
        std::string said = utf8Text(std::wstring_view(reason, length));
        said.erase(said.find_last_not_of(" \r\n") + 1);
        text += ": " + said;
    } else {
        text += '.';
    }
    LocalFree(reason);
    return std::runtime_error(text);
}

bool takesFocus(Kind kind) { return kind == Kind::TextField || kind == Kind::CheckBox || kind == Kind::PushButton; }

RECT windowRectFor(UINT dpi)
{
    const int left = scaled(windowRow.clientLeft, dpi);
    const int top = scaled(windowRow.clientTop, dpi);
    RECT rect{left, top, left + scaled(windowRow.clientWidth, dpi), top + scaled(windowRow.clientHeight, dpi)};
    AdjustWindowRectExForDpi(&rect, windowStyle, FALSE, windowExStyle, dpi);
    return rect;
}

void registerClass(HINSTANCE instance, WNDPROC procedure)
{
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance, className, &existing))
        return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hIcon = static_cast<HICON>(LoadImageW(instance, iconName, IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
    wc.hIconSm = static_cast<HICON>(LoadImageW(instance, iconName, IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), 0));
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = className;
    if (!RegisterClassExW(&wc))
        throw failure("The window class could not be registered");
}

}  // namespace

Win32Window::Win32Window(HINSTANCE instance, Messages* messages) : instance_(instance), messages_(messages)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    if (!InitCommonControlsEx(&controls))
        throw failure("The common controls could not be loaded");
    registerClass(instance, windowProc);

    dpi_ = GetDpiForSystem();
    RECT rect = windowRectFor(dpi_);
    // The window procedure already keeps the handle from WM_NCCREATE on.
    if (!CreateWindowExW(windowExStyle, className, wideText(windowRow.caption).c_str(), windowStyle, rect.left,
                         rect.top, rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr, instance, this))
        throw failure("The window could not be created");
    try {
        // The monitor the window lands on may have its own density.
        if (const UINT dpi = GetDpiForWindow(hwnd_); dpi != dpi_) {
            dpi_ = dpi;
            rect = windowRectFor(dpi_);
            SetWindowPos(hwnd_, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
        }
        createControls();
        loadIcons(dpi_);
    } catch (...) {
        // The half-made window goes with this object, whose address its procedure keeps;
        // the quit that its end posts would close at once the message box telling why.
        destroy();
        MSG quit{};
        PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
        throw;
    }
}

Win32Window::~Win32Window() { destroy(); }

void Win32Window::destroy()
{
    if (hwnd_)
        DestroyWindow(hwnd_);
    if (font_)
        DeleteObject(font_);
    for (HICON icon : {bigIcon_, smallIcon_})
        if (icon)
            DestroyIcon(icon);
}

void Win32Window::createControls()
{
    for (std::size_t i = 0; i < controlRows.size(); ++i) {
        const ControlRow& row = controlRows[i];
        const ControlClass cls = classOf(row.kind);
        // Frames overlap the controls they hold, and Frame3 overlaps Frame2 by a pixel:
        // each control is clipped by those stacked above it, or a frame painted after them
        // would paint over them.
        DWORD style = WS_CHILD | WS_CLIPSIBLINGS | cls.style;
        if (row.settings.visible)
            style |= WS_VISIBLE;
        if (!row.settings.enabled)
            style |= WS_DISABLED;
        HWND created = CreateWindowExW(cls.exStyle, cls.name, wideText(row.caption).c_str(), style, 0, 0, 0, 0, hwnd_,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(firstControlId + i)), instance_,
                                       nullptr);
        if (!created)
            throw failure("The control " + std::string(row.name) + " could not be created");
        controls_[i] = created;
        if (const auto field = textFieldNamed(row.name)) {
            edits_[static_cast<std::size_t>(*field)] = created;
            // Limits what the user types or pastes; a program's WM_SETTEXT is never cut. 0 is no limit.
            SendMessageW(created, EM_LIMITTEXT, static_cast<WPARAM>(row.settings.typingLimit), 0);
            SendMessageW(created, EM_SETREADONLY, lockedOf(row.settings.look), 0);
            backColors_[static_cast<std::size_t>(*field)] = backColorOf(row.settings.look);
            SetWindowSubclass(created, fieldProc, 0, reinterpret_cast<DWORD_PTR>(this));
        } else if (const auto which = checkBoxNamed(row.name)) {
            boxes_[static_cast<std::size_t>(*which)] = created;
            SendMessageW(created, BM_SETCHECK, static_cast<WPARAM>(row.settings.value), 0);
        }
    }
    stackControls();
    layOut(dpi_);
}

// Tab and Shift+Tab go through the controls in the order they are stacked, so they are
// stacked in tab order. A screen reader names a field by the static text stacked just
// before it, so each label goes just before the field it names; labels take no tab stop,
// so the tab order stays as it is. Frames, which hold no focus, go beneath everything.
void Win32Window::stackControls()
{
    std::vector<std::size_t> order(controlRows.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [](std::size_t a, std::size_t b) { return controlRows[a].tabIndex < controlRows[b].tabIndex; });
    std::vector<HWND> stack;
    std::vector<std::size_t> frames;
    for (std::size_t i : order) {
        const ControlRow& row = controlRows[i];
        if (row.kind == Kind::Frame) {
            frames.push_back(i);
            continue;
        }
        if (!row.labelFor.empty())
            continue;
        if (row.kind == Kind::TextField)
            for (std::size_t j = 0; j < controlRows.size(); ++j)
                if (controlRows[j].labelFor == row.name)
                    stack.push_back(controls_[j]);
        stack.push_back(controls_[i]);
        if (!firstInTabOrder_ && takesFocus(row.kind) && row.settings.enabled && row.settings.visible)
            firstInTabOrder_ = controls_[i];
    }
    // Where two frames meet, a frame that starts lower on the window overlaps the bottom
    // edge of the one above by a pixel or two; it goes beneath, so that edge stays in view.
    std::stable_sort(frames.begin(), frames.end(),
                     [](std::size_t a, std::size_t b) { return controlRows[a].top < controlRows[b].top; });
    std::transform(frames.begin(), frames.end(), std::back_inserter(stack),
                   [this](std::size_t i) { return controls_[i]; });
    HWND above = HWND_TOP;
    for (HWND next : stack) {
        SetWindowPos(next, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        above = next;
    }
}

// Twips become pixels at the window's density, and the dialog font is made for it.
void Win32Window::layOut(UINT dpi)
{
    dpi_ = dpi;
    HFONT font = CreateFontW(-MulDiv(fontPoints, static_cast<int>(dpi), 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                             DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, L"MS Shell Dlg");
    HDC dc = GetDC(hwnd_);
    HGDIOBJ previous = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    for (std::size_t i = 0; i < controlRows.size(); ++i) {
        const ControlRow& row = controlRows[i];
        int left = row.left;
        int top = row.top;
        if (!row.container.empty()) {
            const ControlRow& frame = rowNamed(row.container);
            left += frame.left;
            top += frame.top;
        }
        int width = scaled(row.width, dpi);
        int height = scaled(row.height, dpi);
        if (row.settings.sizedToCaption) {
            const std::wstring caption = wideText(row.caption);
            SIZE size{};
            GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
            width = size.cx;
            height = metrics.tmHeight;
        }
        SetWindowPos(controls_[i], nullptr, scaled(left, dpi), scaled(top, dpi), width, height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(controls_[i], WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    SelectObject(dc, previous);
    ReleaseDC(hwnd_, dc);
    if (font_)
        DeleteObject(font_);
    font_ = font;
    InvalidateRect(hwnd_, nullptr, TRUE);
}

// The class's icons are made for the system's density, and Windows stretches them to any
// other: the title bar, Alt+Tab and the taskbar get the icon's images of the window's own
// density instead.
void Win32Window::loadIcons(UINT dpi)
{
    for (auto [which, metric, held] :
         {std::tuple{ICON_BIG, SM_CXICON, &bigIcon_}, {ICON_SMALL, SM_CXSMICON, &smallIcon_}}) {
        const int size = GetSystemMetricsForDpi(metric, dpi);
        auto* icon = static_cast<HICON>(LoadImageW(instance_, iconName, IMAGE_ICON, size, size, 0));
        SendMessageW(hwnd_, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
        if (*held)
            DestroyIcon(*held);
        *held = icon;
    }
}

void Win32Window::show(int showCommand)
{
    ShowWindow(hwnd_, showCommand);
    UpdateWindow(hwnd_);
    SetFocus(firstInTabOrder_);
    lastFocus_ = firstInTabOrder_;
}

int Win32Window::run()
{
    MSG msg{};
    for (;;) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0)
            return static_cast<int>(msg.wParam);
        if (got == -1)
            return 1;
        dispatch(msg);
    }
}

bool Win32Window::processPending()
{
    MSG msg{};
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT)
            return false;
        dispatch(msg);
    }
    return true;
}

void Win32Window::dispatch(MSG& msg)
{
    if (hwnd_ && IsDialogMessageW(hwnd_, &msg))
        return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

HWND Win32Window::control(std::string_view name) const
{
    for (std::size_t i = 0; i < controlRows.size(); ++i)
        if (controlRows[i].name == name)
            return controls_[i];
    return nullptr;
}

std::optional<TextField> Win32Window::fieldOf(HWND hwnd) const
{
    const auto* const found = std::find(edits_.begin(), edits_.end(), hwnd);
    if (!hwnd || found == edits_.end())
        return std::nullopt;
    return static_cast<TextField>(found - edits_.begin());
}

std::string Win32Window::text(TextField field) const
{
    HWND h = edit(field);
    std::wstring wide(static_cast<std::size_t>(GetWindowTextLengthW(h)) + 1, L'\0');
    wide.resize(static_cast<std::size_t>(GetWindowTextW(h, wide.data(), static_cast<int>(wide.size()))));
    return utf8Text(wide);
}

void Win32Window::setText(TextField field, const std::string& text)
{
    SetWindowTextW(edit(field), wideText(text).c_str());
}

int Win32Window::value(CheckBox which) const
{
    return static_cast<int>(SendMessageW(box(which), BM_GETCHECK, 0, 0));
}

// BM_SETCHECK notifies nobody, and its three states are numbered as the values are.
void Win32Window::showValue(CheckBox which, int value)
{
    SendMessageW(box(which), BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

bool Win32Window::boxEnabled(CheckBox which) const { return IsWindowEnabled(box(which)) != FALSE; }

void Win32Window::setBoxEnabled(CheckBox which, bool enabled) { EnableWindow(box(which), enabled); }

void Win32Window::setLocked(TextField field, bool locked) { SendMessageW(edit(field), EM_SETREADONLY, locked, 0); }

void Win32Window::setBackColor(TextField field, SystemColour colour)
{
    backColors_[static_cast<std::size_t>(field)] = colour;
    InvalidateRect(edit(field), nullptr, TRUE);
}

void Win32Window::showMessage(const std::string& text)
{
    if (messages_) {
        messages_->showMessage(text);
        return;
    }
    // A control pressed when the message comes up still holds the mouse, and the release
    // would click it behind the message. It lets go now: the click is lost, and nothing
    // is left held down.
    if (HWND captured = GetCapture(); captured && IsChild(hwnd_, captured))
        ReleaseCapture();
    messageShown_ = true;
    MessageBoxW(hwnd_, wideText(text).c_str(), wideText(windowRow.caption).c_str(), MB_OK);
    messageShown_ = false;
}

void Win32Window::unload()
{
    if (hwnd_)
        DestroyWindow(hwnd_);
}

void Win32Window::commandFrom(std::size_t index)
{
    const ControlRow& row = controlRows[index];
    if (messageShown_ || !events_ || (row.kind != Kind::CheckBox && row.kind != Kind::PushButton))
        return;
    // The field the click took the focus from is reported first, even when the click came
    // from an access key and not from the mouse.
    reportFieldsLeft();
    if (const auto which = checkBoxNamed(row.name))
        events_->boxClicked(*which);
    else if (const auto button = buttonNamed(row.name))
        events_->buttonClicked(*button);
}

void Win32Window::reportFieldsLeft()
{
    while (!fieldsLeft_.empty()) {
        const TextField field = fieldsLeft_.front();
        fieldsLeft_.erase(fieldsLeft_.begin());
        if (events_)
            events_->fieldLeft(field);
    }
}

LRESULT CALLBACK Win32Window::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Win32Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return self->handleMessage(message, wParam, lParam);
}

LRESULT Win32Window::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        if (lParam != 0 && HIWORD(wParam) == BN_CLICKED && id >= firstControlId &&
            id < firstControlId + static_cast<int>(controlRows.size()))
            commandFrom(static_cast<std::size_t>(id - firstControlId));
        return 0;
    }
    case fieldsLeftMessage:
        reportFieldsLeft();
        return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
        // Read-only fields ask as statics do; either way the field's own colour answers.
        if (const auto field = fieldOf(reinterpret_cast<HWND>(lParam))) {
            const int index = static_cast<int>(backColors_[static_cast<std::size_t>(*field)]);
            auto* dc = reinterpret_cast<HDC>(wParam);
            SetBkColor(dc, GetSysColor(index));
            SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(index));
        }
        break;
    case WM_ACTIVATE:
        // The focus leaves with the window and comes back to the same control.
        if (LOWORD(wParam) == WA_INACTIVE) {
            if (HWND focus = GetFocus(); focus && IsChild(hwnd_, focus))
                lastFocus_ = focus;
        } else {
            SetFocus(lastFocus_ && IsWindowEnabled(lastFocus_) ? lastFocus_ : firstInTabOrder_);
        }
        return 0;
    case WM_SETFOCUS:
        SetFocus(lastFocus_ ? lastFocus_ : firstInTabOrder_);
        return 0;
    case WM_CLOSE:
        if (events_)
            events_->closeBoxClicked();
        else
            unload();
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_DPICHANGED: {
        layOut(HIWORD(wParam));
        loadIcons(dpi_);
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    default:
        break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Win32Window::fieldProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                        DWORD_PTR window)
{
    auto* self = reinterpret_cast<Win32Window*>(window);
    switch (message) {
    case WM_KILLFOCUS:
        // Only a move to another control of this window leaves the field; another program
        // or a message box taking the focus does not. The handler runs once the focus
        // change is over, and always before the click that caused it.
        if (auto* next = reinterpret_cast<HWND>(wParam); next && IsChild(self->hwnd_, next))
            if (const auto field = self->fieldOf(hwnd)) {
                self->fieldsLeft_.push_back(*field);
                PostMessageW(self->hwnd_, fieldsLeftMessage, 0, 0);
            }
        break;
    case WM_LBUTTONDBLCLK:
        // A click back into the field soon after the click that last entered it comes as a
        // double click, for which the edit control takes no focus: what the user typed next
        // went into the field just left. The field takes the focus as on a single click, and
        // then selects the word as on any double click.
        if (GetFocus() != hwnd)
            DefSubclassProc(hwnd, WM_LBUTTONDOWN, wParam, lParam);
        break;
    case WM_CHAR:
        // Ctrl+A selects the whole text; not every edit control does this by itself.
        if (wParam == 1) {
            SendMessageW(hwnd, EM_SETSEL, 0, -1);
            return 0;
        }
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(hwnd, fieldProc, id);
        break;
    default:
        break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace lumetra::ui
