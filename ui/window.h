#pragma once

// The contract between the window's handlers and a toolkit. The handlers (FrmLumetra) reach
// the window only through Window; a toolkit binding builds the controls from the stored
// description, implements Window, and reports what the user does through UserEvents.

#include <array>
#include <string_view>

#include "fields.h"
#include "messages.h"

namespace lumetra::ui {

// The push buttons of the window.
enum class Button { btnCalculate, btnExit, Command1 };

inline constexpr std::array<std::string_view, 3> buttonNames{"btnCalculate", "btnExit", "Command1"};

constexpr std::string_view nameOf(Button b) { return buttonNames[static_cast<std::size_t>(b)]; }

// The two system colours a text field's background takes, by their system colour index.
enum class SystemColour { WindowBackground = 5, ButtonFace = 15 };

// What the handlers need of the window. The inherited Fields and Messages give the texts
// of the fields (a write is never cut to the typing limit), the values of the check boxes
// and the modal message box.
class Window : public Fields, public Messages {
public:
    // Shows a box's new value and runs nothing: assignments go through FrmLumetra, which
    // runs the box's handler when the value changes.
    virtual void showValue(CheckBox box, int value) = 0;
    virtual bool boxEnabled(CheckBox box) const = 0;
    virtual void setBoxEnabled(CheckBox box, bool enabled) = 0;
    // A locked field refuses typing but still takes the focus and lets its text be copied.
    virtual void setLocked(TextField field, bool locked) = 0;
    virtual void setBackColor(TextField field, SystemColour colour) = 0;
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
