#pragma once

#include <array>
#include <string>
#include <string_view>

namespace lumetra {

// The value-carrying controls of the window, by their control names.
enum class TextField {
    txtHeading,
    txtPitch,
    txtDilloStrength,
    txtGridRes,
    txtDistance,
    txtObjectScale,
    txtGridSize,
    txtMaxStrength,
    txtX,
    txtY,
    txtZ,
    txtCalcHeading,
    txtCalcPitch,
};

enum class CheckBox {
    chkArmadillo2Max,
    chkMax2Armadillo,
    chkNatSX,
    chkBajaStuntEnduro,
    chkUseObjectScale,
};

inline constexpr std::array<std::string_view, 13> textFieldNames{
    "txtHeading", "txtPitch", "txtDilloStrength", "txtGridRes", "txtDistance", "txtObjectScale", "txtGridSize",
    "txtMaxStrength", "txtX", "txtY", "txtZ", "txtCalcHeading", "txtCalcPitch",
};

inline constexpr std::array<std::string_view, 5> checkBoxNames{
    "chkArmadillo2Max", "chkMax2Armadillo", "chkNatSX", "chkBajaStuntEnduro", "chkUseObjectScale",
};

constexpr std::string_view nameOf(TextField f) { return textFieldNames[static_cast<std::size_t>(f)]; }
constexpr std::string_view nameOf(CheckBox c) { return checkBoxNames[static_cast<std::size_t>(c)]; }

// Check-box values as the program sees them.
inline constexpr int Clear = 0;
inline constexpr int Ticked = 1;
inline constexpr int Greyed = 2;

// What a conversion needs of the window: the text of a field and the value of a box.
// Reads and writes happen at the moment they are called, so their order is observable.
class Fields {
public:
    virtual ~Fields() = default;
    virtual std::string text(TextField field) const = 0;
    virtual void setText(TextField field, const std::string& text) = 0;
    virtual int value(CheckBox box) const = 0;
};

}  // namespace lumetra
