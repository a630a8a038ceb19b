#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "window.h"

namespace lumetra::ui {

// A single-line text field: Windows's edit control with the program's own rules. A typing
// limit that applies only to what the user types or pastes (text written by the program is
// never cut), two looks, Ctrl+A, a double click that takes the focus like a single one, and
// a notification when the focus moves from it to another control of the same window.
// Leaving for another window or a message box is not such a move.
class FieldEdit {
public:
    // Takes over an edit control of the window.
    FieldEdit(HWND edit, int typingLimit, Look look);
    ~FieldEdit();
    FieldEdit(const FieldEdit&) = delete;
    FieldEdit& operator=(const FieldEdit&) = delete;
    FieldEdit(FieldEdit&&) = delete;
    FieldEdit& operator=(FieldEdit&&) = delete;

    HWND handle() const { return hwnd_; }

    std::string text() const;
    // Writes the text as the program does: never cut to the typing limit.
    void writeText(const std::string& text);

    // Read-only refuses typing; the background is the desktop's window colour when editable
    // and its button face when read-only.
    void setLook(Look look);
    Look look() const { return look_; }
    // The brush the field is painted with, the answer to WM_CTLCOLOREDIT and, for a
    // read-only field, WM_CTLCOLORSTATIC.
    HBRUSH paint(HDC dc) const;

    void onLeftForControl(std::function<void()> handler) { leftForControl_ = std::move(handler); }

private:
    static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR self);

    HWND hwnd_;
    Look look_;
    std::function<void()> leftForControl_;
};

}  // namespace lumetra::ui
