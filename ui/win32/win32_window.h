#pragma once

// The window in Win32: Windows's own standard controls built from the stored description
// by one loop, the Window interface over them, and the user's clicks, keys and focus
// changes passed on to the handlers. A program's own writes are never passed on.

#include <windows.h>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "field_edit.h"
#include "message_box.h"
#include "value_check_box.h"
#include "window.h"
#include "window_description.h"

namespace lumetra::ui {

class Win32Window : public Window {
public:
    // Creates the window and its controls, not yet shown. Messages go to the given sink;
    // without one they are modal message boxes. Throws std::runtime_error saying what could
    // not be made and why, and then leaves nothing behind.
    explicit Win32Window(HINSTANCE instance, Messages* messages = nullptr);
    ~Win32Window() override;
    Win32Window(const Win32Window&) = delete;
    Win32Window& operator=(const Win32Window&) = delete;
    Win32Window(Win32Window&&) = delete;
    Win32Window& operator=(Win32Window&&) = delete;

    // Where the user's actions go; until this is set they run nothing.
    void setUserEvents(UserEvents* events) { events_ = events; }

    // Shows the window with the focus on the first control in tab order.
    void show(int showCommand);
    // Runs the message loop, with Tab, Shift+Tab and access keys, until the window is
    // unloaded; returns the program's exit status.
    int run();
    // Handles the messages already waiting, as run() does, and returns; false once the
    // thread has been told to quit. Lets a test act between the steps of the loop.
    bool processPending();

    HWND handle() const { return hwnd_; }
    // The control of a row of the stored description.
    HWND control(std::size_t row) const { return controls_[row]; }

    std::string text(TextField field) const override;
    void setText(TextField field, const std::string& text) override;
    BoxValue value(CheckBox box) const override;
    void showValue(CheckBox box, BoxValue value) override;
    bool boxEnabled(CheckBox box) const override;
    void setBoxEnabled(CheckBox box, bool enabled) override;
    void setLook(TextField field, Look look) override;
    void showMessage(const std::string& text) override;
    void unload() override;

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // Destroys the window and what it holds.
    void destroy();
    void createControls();
    void stackControls();
    void layOut(UINT dpi);
    void loadIcons(UINT dpi);
    void dispatch(MSG& msg);
    void commandFrom(std::size_t row);
    void reportFieldsLeft();
    FieldEdit& edit(TextField field) { return *edits_[static_cast<std::size_t>(field)]; }
    const FieldEdit& edit(TextField field) const { return *edits_[static_cast<std::size_t>(field)]; }
    ValueCheckBox& checkBox(CheckBox box) { return *boxes_[static_cast<std::size_t>(box)]; }
    const ValueCheckBox& checkBox(CheckBox box) const { return *boxes_[static_cast<std::size_t>(box)]; }
    // The field whose edit control this is, if any.
    const FieldEdit* fieldOf(HWND hwnd) const;

    HINSTANCE instance_;
    HWND hwnd_ = nullptr;
    // Every control by its row; the fields and boxes again by their ids.
    std::array<HWND, controlCount> controls_{};
    std::array<std::optional<FieldEdit>, textFieldNames.size()> edits_;
    std::array<std::optional<ValueCheckBox>, checkBoxNames.size()> boxes_;
    HFONT font_ = nullptr;
    HICON bigIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    std::unique_ptr<MessageBoxes> ownMessages_;
    Messages* messages_;
    UserEvents* events_ = nullptr;
    // Fields the focus has left for another control, reported once the focus change is over.
    std::vector<TextField> fieldsLeft_;
    HWND lastFocus_ = nullptr;
};

}  // namespace lumetra::ui
