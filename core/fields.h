#pragma once

#include <array>
#include <string>
#include <string_view>

#include "messages.h"

// The value-carrying controls of the window, each listed once by its control name: the enum
// and the names both come from these lists, so they cannot disagree.
#define LUMETRA_TEXT_FIELDS(X) \
    X(txtHeading) X(txtPitch) X(txtDilloStrength) X(txtGridRes) X(txtDistance) X(txtObjectScale) X(txtGridSize) \
    X(txtMaxStrength) X(txtX) X(txtY) X(txtZ) X(txtCalcHeading) X(txtCalcPitch)

#define LUMETRA_CHECK_BOXES(X) \
    X(chkArmadillo2Max) X(chkMax2Armadillo) X(chkNatSX) X(chkBajaStuntEnduro) X(chkUseObjectScale)

// What a list entry becomes in an enum, and in the array of names beside it.
#define LUMETRA_ENUMERATOR(name) name,
#define LUMETRA_NAME(name) std::string_view{#name},

namespace lumetra {

enum class TextField { LUMETRA_TEXT_FIELDS(LUMETRA_ENUMERATOR) };
enum class CheckBox { LUMETRA_CHECK_BOXES(LUMETRA_ENUMERATOR) };

inline constexpr std::array textFieldNames{LUMETRA_TEXT_FIELDS(LUMETRA_NAME)};
inline constexpr std::array checkBoxNames{LUMETRA_CHECK_BOXES(LUMETRA_NAME)};

constexpr std::string_view nameOf(TextField f) { return textFieldNames[static_cast<std::size_t>(f)]; }
constexpr std::string_view nameOf(CheckBox c) { return checkBoxNames[static_cast<std::size_t>(c)]; }

// The value of a check box: 0 clear, 1 ticked, 2 greyed, the numbers the window has always
// given them.
enum class BoxValue { Clear = 0, Ticked = 1, Greyed = 2 };
inline constexpr BoxValue Clear = BoxValue::Clear;
inline constexpr BoxValue Ticked = BoxValue::Ticked;
inline constexpr BoxValue Greyed = BoxValue::Greyed;

constexpr int numberOf(BoxValue value) { return static_cast<int>(value); }

// What a conversion needs of the window: the text of a field and the value of a box.
// Reads and writes happen at the moment they are called, so their order is observable.
class Fields {
public:
    virtual ~Fields() = default;
    virtual std::string text(TextField field) const = 0;
    virtual void setText(TextField field, const std::string& text) = 0;
    virtual BoxValue value(CheckBox box) const = 0;
};

// The fields and the modal message box: all that the 3dsMax to Armadillo direction needs.
class Form : public Fields, public Messages {};

}  // namespace lumetra
