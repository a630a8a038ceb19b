#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "window.h"

// The controls that carry no value, each listed once by its control name.
#define LUMETRA_FRAMES(X) X(Frame1) X(Frame2) X(Frame3) X(Frame4) X(Frame5) X(Frame6)
#define LUMETRA_LABELS(X)                                                                                  \
    X(lblCalcStrength) X(lblCalcGridSize) X(lblObjectScale) X(Label1) X(Label3) X(Label2) X(Label5) X(lblMaxZ) \
    X(lblMaxY) X(lblMaxX) X(lblDilloHeading) X(lblDilloPitch) X(lblMaxHeading) X(lblMaxPitch)

namespace lumetra::ui {

// The stored description of the window: every control is one row, and the window is
// built from these rows by a single loop. Positions and sizes are in twips, relative to
// the control's container (the window's client area, or a frame's outer top-left corner).

enum class Frame { LUMETRA_FRAMES(LUMETRA_ENUMERATOR) };
enum class Label { LUMETRA_LABELS(LUMETRA_ENUMERATOR) };
inline constexpr std::array frameNames{LUMETRA_FRAMES(LUMETRA_NAME)};
inline constexpr std::array labelNames{LUMETRA_LABELS(LUMETRA_NAME)};

enum class Kind { Label, TextField, CheckBox, PushButton, Frame };

constexpr bool takesFocus(Kind kind) { return kind == Kind::TextField || kind == Kind::CheckBox || kind == Kind::PushButton; }

// A control by its kind and its place in that kind's list; made from any of the five ids.
struct ControlId {
    Kind kind;
    int index;

    // Implicit, so that a row of the table names its control as plainly as TextField::txtX.
    // NOLINTBEGIN(google-explicit-constructor)
    // cppcheck-suppress noExplicitConstructor
    constexpr ControlId(TextField f) : kind(Kind::TextField), index(static_cast<int>(f)) {}
    // cppcheck-suppress noExplicitConstructor
    constexpr ControlId(CheckBox c) : kind(Kind::CheckBox), index(static_cast<int>(c)) {}
    // cppcheck-suppress noExplicitConstructor
    constexpr ControlId(Button b) : kind(Kind::PushButton), index(static_cast<int>(b)) {}
    // cppcheck-suppress noExplicitConstructor
    constexpr ControlId(Frame f) : kind(Kind::Frame), index(static_cast<int>(f)) {}
    // cppcheck-suppress noExplicitConstructor
    constexpr ControlId(Label l) : kind(Kind::Label), index(static_cast<int>(l)) {}
    // NOLINTEND(google-explicit-constructor)

    friend constexpr bool operator==(ControlId, ControlId) = default;

    constexpr TextField textField() const { return static_cast<TextField>(index); }
    constexpr CheckBox checkBox() const { return static_cast<CheckBox>(index); }
    constexpr Button button() const { return static_cast<Button>(index); }
};

constexpr std::string_view nameOf(ControlId id)
{
    const auto i = static_cast<std::size_t>(id.index);
    switch (id.kind) {
    case Kind::TextField:
        return textFieldNames[i];
    case Kind::CheckBox:
        return checkBoxNames[i];
    case Kind::PushButton:
        return buttonNames[i];
    case Kind::Frame:
        return frameNames[i];
    case Kind::Label:
        return labelNames[i];
    }
    return {};
}

struct Settings {
    BoxValue value = Clear;      // check boxes
    Look look = Look::Editable;  // text fields
    int typingLimit = 0;         // text fields: 0 means no limit
    bool enabled = true;
    bool visible = true;
    bool sizedToCaption = false;  // labels
};

// The row number of no row: the window itself as a container, no field for a label.
inline constexpr int noRow = -1;

struct ControlRow {
    ControlId id;
    int container;            // the row of the frame that holds the control, or noRow
    std::string_view caption;  // caption, or a text field's initial text
    int left, top, width, height;
    int tabIndex;
    Settings settings;
    std::string_view accessibleName;
    int labelFor;  // labels: the row of the field whose caption this is, or noRow

    std::string_view name() const { return nameOf(id); }
};

struct WindowRow {
    std::string_view name;
    std::string_view caption;
    int clientWidth, clientHeight;
    int clientLeft, clientTop;  // where the client area first stands on the screen
};

inline constexpr std::size_t controlCount = 41;

extern const WindowRow windowRow;
// In stored order: a frame comes before the controls it contains, and a field before the
// label that names it.
extern const std::array<ControlRow, controlCount> controlRows;

// What follows from the rows, worked out once when the program is built:
// the row of each control,
std::size_t rowOf(ControlId id);
inline const ControlRow& rowFor(ControlId id) { return controlRows[rowOf(id)]; }
// the rows in tab order, and the first of them that takes the focus when the window opens.
extern const std::array<std::size_t, controlCount> tabOrder;
extern const std::size_t firstFocus;

// Twips to pixels at a density in dots per inch, rounded to the nearest pixel. At 96 dots
// per inch, 15 twips make a pixel and every stored value falls on a whole pixel.
constexpr int pixels(int twips, int dotsPerInch = 96) { return (twips * dotsPerInch + 720) / 1440; }

}  // namespace lumetra::ui
