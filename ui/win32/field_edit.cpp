#include "field_edit.h"

#include <commctrl.h>

#include "wide_text.h"

namespace lumetra::ui {

FieldEdit::FieldEdit(HWND edit, int typingLimit, Look look) : hwnd_(edit), look_(look)
{
    // Limits what the user types or pastes; a program's WM_SETTEXT is never cut. 0 is no limit.
    SendMessageW(hwnd_, EM_LIMITTEXT, static_cast<WPARAM>(typingLimit), 0);
    setLook(look);
    SetWindowSubclass(hwnd_, procedure, 0, reinterpret_cast<DWORD_PTR>(this));
}

FieldEdit::~FieldEdit()
{
    if (IsWindow(hwnd_))
        RemoveWindowSubclass(hwnd_, procedure, 0);
}

std::string FieldEdit::text() const
{
    std::wstring wide(static_cast<std::size_t>(GetWindowTextLengthW(hwnd_)) + 1, L'\0');
    wide.resize(static_cast<std::size_t>(GetWindowTextW(hwnd_, wide.data(), static_cast<int>(wide.size()))));
    return utf8Text(wide);
}

void FieldEdit::writeText(const std::string& text) { SetWindowTextW(hwnd_, wideText(text).c_str()); }

void FieldEdit::setLook(Look look)
{
    look_ = look;
    SendMessageW(hwnd_, EM_SETREADONLY, look == Look::ReadOnly, 0);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

HBRUSH FieldEdit::paint(HDC dc) const
{
    const int colour = look_ == Look::ReadOnly ? COLOR_BTNFACE : COLOR_WINDOW;
    SetBkColor(dc, GetSysColor(colour));
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    return GetSysColorBrush(colour);
}

LRESULT CALLBACK FieldEdit::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR /*id*/,
                                      DWORD_PTR self)
{
    auto* field = reinterpret_cast<FieldEdit*>(self);
    switch (message) {
    case WM_KILLFOCUS:
        // Only a move to another control of this window leaves the field; another program
        // or a message box taking the focus does not.
        if (auto* next = reinterpret_cast<HWND>(wParam);
            next && next != hwnd && GetAncestor(next, GA_ROOT) == GetAncestor(hwnd, GA_ROOT) && field->leftForControl_)
            field->leftForControl_();
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
        RemoveWindowSubclass(hwnd, procedure, 0);
        break;
    default:
        break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace lumetra::ui
