#pragma once

// The contract between the window's handlers and a toolkit. The handlers (FrmLumetra) reach
// the window only through Window; a toolkit binding builds the controls from the stored
// description, implements Window, and reports what the user does through UserEvents.

#include <array>
#include <string_view>

#include "fields.h"

#define LUMETRA_BUTTONS(X) X(btnCalculate) X(btnExit) X(Command1)

namespace lumetra::ui {

// The push buttons of the window.
enum class Button { LUMETRA_BUTTONS(LUMETRA_ENUMERATOR) };
inline constexpr std::array buttonNames{LUMETRA_BUTTONS(LUMETRA_NAME)};
constexpr std::string_view nameOf(Button b) { return buttonNames[static_cast<std::size_t>(b)]; }

// The two looks of a text field. Editable: it takes typing, on the background of text
// fields. Read-only: it refuses typing but still takes the focus and lets its text be
// selected and copied, on the background of buttons. Each toolkit picks its own colours.
enum class Look { Editable, ReadOnly };

// What the handlers need of the window. The inherited Form gives the texts of the fields (a
// write is never cut to the typing limit), the values of the check boxes and the modal
// message box.
class Window : public Form {
public:
    // Shows a box's new value and runs nothing: assignments go through FrmLumetra, which
    // runs the box's handler when the value changes.
    virtual void showValue(CheckBox box, BoxValue value) = 0;
    virtual bool boxEnabled(CheckBox box) const = 0;
    virtual void setBoxEnabled(CheckBox box, bool enabled) = 0;
    virtual void setLook(TextField field, Look look) = 0;
    // Unloads the window, which ends the program.
    virtual void unload() = 0;
};

// What a binding reports of the user. A program's own writes are never reported.
class UserEvents {
public:
    virtual ~UserEvents() = default;
    // A click, or its keyboard equivalent, on an enabled check box; the value is not yet changed.
    virtual void boxClicked(CheckBox box) = 0;
    virtual void buttonClicked(Button button) = 0;
    // The focus moved from the field to another control of the same window. When a click
    // moved it, this comes before that control's click.
    virtual void fieldLeft(TextField field) = 0;
    virtual void closeBoxClicked() = 0;
};

}  // namespace lumetra::ui
