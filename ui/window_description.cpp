#include "window_description.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace lumetra::ui {

namespace {

constexpr Settings box(int value) { return {.value = value}; }
constexpr Settings field(Look look, int typingLimit) { return {.look = look, .typingLimit = typingLimit}; }
constexpr Settings label() { return {.sizedToCaption = true}; }
constexpr Settings fixedLabel() { return {}; }
constexpr Settings plain() { return {}; }
constexpr Settings hiddenDisabled() { return {.enabled = false, .visible = false}; }

constexpr Look Ed = Look::Editable;
constexpr Look RO = Look::ReadOnly;
constexpr int noLimit = 0;

template <typename Id, std::size_t N>
std::optional<Id> idNamed(const std::array<std::string_view, N>& names, std::string_view name)
{
    for (std::size_t i = 0; i < N; ++i)
        if (names[i] == name)
            return static_cast<Id>(i);
    return std::nullopt;
}

}  // namespace

const WindowRow windowRow{"frmLumetra", "Lumetra", 5655, 5145, 3045, 2325};

// In stored order: a frame is followed at once by the controls it contains.
// A screen reader announces a field by the caption beside it, so that is its accessible
// name; where two fields share a caption, the frame it stands in follows in brackets (the
// heading and pitch below the window stand in none and belong to 3dsMax).
constexpr std::array<ControlRow, 41> controlRows{{
    // name, kind, container, caption or text, left, top, width, height, tab index, settings, accessible name,
    // and for a label the field it names
    {"chkBajaStuntEnduro", Kind::CheckBox, "", "Baja, Stunt, or Enduro", 2520, 480, 1935, 255, 40, box(0), "Baja, Stunt, or Enduro"},
    {"chkMax2Armadillo", Kind::CheckBox, "", "3dsMax to Armadillo", 2520, 120, 1815, 255, 39, box(0), "3dsMax to Armadillo"},
    {"Command1", Kind::PushButton, "", "Command1", 480, 5760, 1095, 495, 38, hiddenDisabled(), "Command1"},
    {"txtCalcHeading", Kind::TextField, "", "", 1920, 5880, 1215, 285, 32, field(RO, 6), "Heading (3dsMax)"},
    {"txtCalcPitch", Kind::TextField, "", "", 3360, 5880, 615, 285, 31, field(RO, 4), "Pitch (3dsMax)"},
    {"chkArmadillo2Max", Kind::CheckBox, "", "Armadillo to 3dsMax", 240, 120, 1815, 255, 30, box(1), "Armadillo to 3dsMax"},
    {"btnExit", Kind::PushButton, "", "E&xit", 4680, 2280, 855, 495, 29, plain(), "Exit"},
    {"Frame6", Kind::Frame, "", "3dsMax Grid Settings:", 120, 3120, 2175, 1335, 25, plain(), "3dsMax Grid Settings"},
    {"txtGridSize", Kind::TextField, "Frame6", "256", 960, 360, 1095, 285, 35, field(Ed, 4), "Grid Size"},
    {"txtMaxStrength", Kind::TextField, "Frame6", "13.333333", 960, 840, 1095, 285, 27, field(RO, 11), "Strength (3dsMax Grid Settings)"},
    {"lblCalcStrength", Kind::Label, "Frame6", "Strength:", 240, 840, 645, 195, 28, label(), "", "txtMaxStrength"},
    {"lblCalcGridSize", Kind::Label, "Frame6", "Grid Size:", 240, 360, 675, 195, 26, label(), "", "txtGridSize"},
    {"chkNatSX", Kind::CheckBox, "", "National or SX Track", 240, 480, 1815, 255, 24, box(1), "National or SX Track"},
    {"Frame5", Kind::Frame, "", "3dsMax Desired Settings:", 120, 1920, 4455, 1095, 20, plain(), "3dsMax Desired Settings"},
    {"txtObjectScale", Kind::TextField, "Frame5", "33.333333", 1560, 720, 1095, 285, 36, field(RO, 11), "Object Scale (%)"},
    {"txtDistance", Kind::TextField, "Frame5", "1000.000000", 3000, 360, 1215, 285, 22, field(Ed, 12), "Light Distance (ft)"},
    {"chkUseObjectScale", Kind::CheckBox, "Frame5", "Use Object Scale", 240, 360, 1695, 255, 21, box(0), "Use Object Scale"},
    {"lblObjectScale", Kind::Label, "Frame5", "Object Scale (%):", 240, 720, 1215, 195, 37, label(), "", "txtObjectScale"},
    {"Label1", Kind::Label, "Frame5", "Light Distance (ft):", 3000, 720, 1290, 195, 23, label(), "", "txtDistance"},
    {"Frame4", Kind::Frame, "", "Armadillo Grid Settings:", 120, 840, 2295, 975, 15, plain(), "Armadillo Grid Settings"},
    {"txtGridRes", Kind::TextField, "Frame4", "3.0000", 1320, 360, 735, 285, 19, field(Ed, 6), "Grid Res"},
    {"txtDilloStrength", Kind::TextField, "Frame4", "40.000", 240, 360, 855, 285, 16, field(Ed, 8), "Strength (Armadillo Grid Settings)"},
    {"Label3", Kind::Label, "Frame4", "Grid Res", 1320, 720, 615, 195, 18, label(), "", "txtGridRes"},
    {"Label2", Kind::Label, "Frame4", "Strength", 240, 720, 600, 195, 17, label(), "", "txtDilloStrength"},
    {"Frame3", Kind::Frame, "", "", 120, 4440, 5415, 615, 7, plain(), ""},
    {"Label5", Kind::Label, "Frame3", "Lumetra for Armadillo       Created by Quillon    Version 2.1", 120, 240, 5175, 255, 11, fixedLabel(), ""},
    {"Frame2", Kind::Frame, "", "3dsMax Light Settings:", 2400, 3120, 2175, 1335, 6, plain(), "3dsMax Light Settings"},
    {"txtZ", Kind::TextField, "Frame2", "707.106781", 960, 960, 1095, 285, 14, field(RO, noLimit), "Max Z"},
    {"txtY", Kind::TextField, "Frame2", "707.106781", 960, 600, 1095, 285, 13, field(RO, noLimit), "Max Y"},
    {"txtX", Kind::TextField, "Frame2", "0.000000", 960, 240, 1095, 285, 12, field(RO, noLimit), "Max X"},
    {"lblMaxZ", Kind::Label, "Frame2", "Max Z =", 240, 960, 585, 195, 10, label(), "", "txtZ"},
    {"lblMaxY", Kind::Label, "Frame2", "Max Y =", 240, 600, 585, 195, 9, label(), "", "txtY"},
    {"lblMaxX", Kind::Label, "Frame2", "Max X =", 240, 240, 585, 195, 8, label(), "", "txtX"},
    {"Frame1", Kind::Frame, "", "Armadillo Light Settings:", 2520, 840, 2055, 975, 1, plain(), "Armadillo Light Settings"},
    {"txtHeading", Kind::TextField, "Frame1", "90.0", 240, 360, 735, 285, 3, field(Ed, 5), "Heading (Armadillo Light Settings)"},
    {"txtPitch", Kind::TextField, "Frame1", "45.0", 1200, 360, 615, 285, 2, field(Ed, 4), "Pitch (Armadillo Light Settings)"},
    {"lblDilloHeading", Kind::Label, "Frame1", "Heading", 240, 720, 600, 195, 5, label(), "", "txtHeading"},
    {"lblDilloPitch", Kind::Label, "Frame1", "Pitch", 1320, 720, 360, 195, 4, label(), "", "txtPitch"},
    {"btnCalculate", Kind::PushButton, "", "Calculate", 4680, 1200, 855, 495, 0, plain(), "Calculate"},
    {"lblMaxHeading", Kind::Label, "", "Heading", 2400, 6135, 600, 195, 34, label(), "", "txtCalcHeading"},
    {"lblMaxPitch", Kind::Label, "", "Pitch", 3480, 6135, 360, 195, 33, label(), "", "txtCalcPitch"},
}};

const ControlRow& rowNamed(std::string_view name)
{
    const auto* const row =
        std::find_if(controlRows.begin(), controlRows.end(), [name](const ControlRow& r) { return r.name == name; });
    if (row == controlRows.end())
        throw std::out_of_range("the window has no control named " + std::string(name));
    return *row;
}

std::optional<TextField> textFieldNamed(std::string_view name) { return idNamed<TextField>(textFieldNames, name); }
std::optional<CheckBox> checkBoxNamed(std::string_view name) { return idNamed<CheckBox>(checkBoxNames, name); }
std::optional<Button> buttonNamed(std::string_view name) { return idNamed<Button>(buttonNames, name); }

}  // namespace lumetra::ui
