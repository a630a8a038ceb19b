#include "win32_window.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>
#include <tuple>

#include "user_texts.h"
#include "wide_text.h"
#include "windows_error.h"

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

int scaled(int twips, UINT dpi) { return pixels(twips, static_cast<int>(dpi)); }

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
        throw windowsError(texts::classNotRegistered);
}

}  // namespace

Win32Window::Win32Window(HINSTANCE instance, Messages* messages) : instance_(instance), messages_(messages)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    if (!InitCommonControlsEx(&controls))
        throw windowsError(texts::commonControlsNotLoaded);
    registerClass(instance, windowProc);

    dpi_ = GetDpiForSystem();
    RECT rect = windowRectFor(dpi_);
    // The window procedure already keeps the handle from WM_NCCREATE on.
    if (!CreateWindowExW(windowExStyle, className, wideText(windowRow.caption).c_str(), windowStyle, rect.left,
                         rect.top, rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr, instance, this))
        throw windowsError(texts::windowNotCreated);
    try {
        // The monitor the window lands on may have its own density.
        if (const UINT dpi = GetDpiForWindow(hwnd_); dpi != dpi_) {
            dpi_ = dpi;
            rect = windowRectFor(dpi_);
            SetWindowPos(hwnd_, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
        }
        if (!messages_) {
            ownMessages_ = std::make_unique<MessageBoxes>(hwnd_);
            messages_ = ownMessages_.get();
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
        const ControlClass cls = classOf(row.id.kind);
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
            throw windowsError(texts::controlNotCreated(row.name()));
        controls_[i] = created;
        if (row.id.kind == Kind::TextField) {
            const TextField field = row.id.textField();
            FieldEdit& fieldEdit = edits_[static_cast<std::size_t>(field)].emplace(created, row.settings.typingLimit,
                                                                                    row.settings.look);
            fieldEdit.onLeftForControl([this, field] {
                // Reported once the focus change is over, and always before the click that caused it.
                fieldsLeft_.push_back(field);
                PostMessageW(hwnd_, fieldsLeftMessage, 0, 0);
            });
        } else if (row.id.kind == Kind::CheckBox) {
            boxes_[static_cast<std::size_t>(row.id.index)].emplace(created, row.settings.value);
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
    std::vector<HWND> stack;
    std::vector<std::size_t> frames;
    for (std::size_t i : tabOrder) {
        const ControlRow& row = controlRows[i];
        if (row.id.kind == Kind::Frame) {
            frames.push_back(i);
            continue;
        }
        if (row.labelFor != noRow)
            continue;
        for (std::size_t j = 0; j < controlRows.size(); ++j)
            if (controlRows[j].labelFor == static_cast<int>(i))
                stack.push_back(controls_[j]);
        stack.push_back(controls_[i]);
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
        if (row.container != noRow) {
            const ControlRow& frame = controlRows[static_cast<std::size_t>(row.container)];
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
    SetFocus(controls_[firstFocus]);
    lastFocus_ = controls_[firstFocus];
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

const FieldEdit* Win32Window::fieldOf(HWND hwnd) const
{
    const auto found =
        std::find_if(edits_.begin(), edits_.end(), [hwnd](const auto& field) { return field && field->handle() == hwnd; });
    return found == edits_.end() ? nullptr : &**found;
}

std::string Win32Window::text(TextField field) const { return edit(field).text(); }

void Win32Window::setText(TextField field, const std::string& text) { edit(field).writeText(text); }

BoxValue Win32Window::value(CheckBox box) const { return checkBox(box).value(); }

void Win32Window::showValue(CheckBox box, BoxValue value) { checkBox(box).showValue(value); }

bool Win32Window::boxEnabled(CheckBox box) const { return checkBox(box).enabled(); }

void Win32Window::setBoxEnabled(CheckBox box, bool enabled) { checkBox(box).setEnabled(enabled); }

void Win32Window::setLook(TextField field, Look look) { edit(field).setLook(look); }

void Win32Window::showMessage(const std::string& text) { messages_->showMessage(text); }

void Win32Window::unload()
{
    if (hwnd_)
        DestroyWindow(hwnd_);
}

void Win32Window::commandFrom(std::size_t row)
{
    const ControlId id = controlRows[row].id;
    // A click that arrives while a message is up was pressed before it came; it is lost.
    if ((ownMessages_ && ownMessages_->showing()) || !events_)
        return;
    if (id.kind != Kind::CheckBox && id.kind != Kind::PushButton)
        return;
    // The field the click took the focus from is reported first, even when the click came
    // from an access key and not from the mouse.
    reportFieldsLeft();
    if (id.kind == Kind::CheckBox)
        events_->boxClicked(id.checkBox());
    else
        events_->buttonClicked(id.button());
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
        // Read-only fields ask as statics do; either way the field answers with its look.
        if (const FieldEdit* field = fieldOf(reinterpret_cast<HWND>(lParam)))
            return reinterpret_cast<LRESULT>(field->paint(reinterpret_cast<HDC>(wParam)));
        break;
    case WM_ACTIVATE:
        // The focus leaves with the window and comes back to the same control.
        if (LOWORD(wParam) == WA_INACTIVE) {
            if (HWND focus = GetFocus(); focus && IsChild(hwnd_, focus))
                lastFocus_ = focus;
        } else {
            SetFocus(lastFocus_ && IsWindowEnabled(lastFocus_) ? lastFocus_ : controls_[firstFocus]);
        }
        return 0;
    case WM_SETFOCUS:
        SetFocus(lastFocus_ ? lastFocus_ : controls_[firstFocus]);
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

}  // namespace lumetra::ui
