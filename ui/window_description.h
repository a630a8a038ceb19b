#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "window.h"

namespace lumetra::ui {

// The stored description of the window: every control is one row, and the window is
// built from these rows by a single loop. Positions and sizes are in twips, relative to
// the control's container (the window's client area, or a frame's outer top-left corner).

enum class Kind { Label, TextField, CheckBox, PushButton, Frame };

// The two looks of a text field, each a Locked flag and a background colour, set in that order.
enum class Look { Editable, ReadOnly };

constexpr bool lockedOf(Look look) { return look == Look::ReadOnly; }
constexpr SystemColour backColorOf(Look look)
{
    return look == Look::ReadOnly ? SystemColour::ButtonFace : SystemColour::WindowBackground;
}

struct Settings {
    int value = 0;              // check boxes: 0 clear, 1 ticked, 2 greyed
    Look look = Look::Editable;  // text fields
    int typingLimit = 0;        // text fields: 0 means no limit
    bool enabled = true;
    bool visible = true;
    bool sizedToCaption = false;  // labels
};

struct ControlRow {
    std::string_view name;
    Kind kind;
    std::string_view container;  // empty for the window itself
    std::string_view caption;    // caption, or a text field's initial text
    int left, top, width, height;
    int tabIndex;
    Settings settings;
    std::string_view accessibleName;
    std::string_view labelFor = {};  // labels: the field whose caption this is
};

struct WindowRow {
    std::string_view name;
    std::string_view caption;
    int clientWidth, clientHeight;
    int clientLeft, clientTop;  // where the client area first stands on the screen
};

constexpr int twipsPerPixel = 15;
constexpr int pixels(int twips) { return twips / twipsPerPixel; }

extern const WindowRow windowRow;
extern const std::array<ControlRow, 41> controlRows;

// The row of the control with this name; throws std::out_of_range for a name the window lacks.
const ControlRow& rowNamed(std::string_view name);

// Which field, box or button a control name stands for, if any.
std::optional<TextField> textFieldNamed(std::string_view name);
std::optional<CheckBox> checkBoxNamed(std::string_view name);
std::optional<Button> buttonNamed(std::string_view name);

}  // namespace lumetra::ui
