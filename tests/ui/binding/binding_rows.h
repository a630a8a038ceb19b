#pragma once

// What every binding must show and do, written out by hand from the stored description, so
// that the Qt, Win32 and web tests check one set of rows.

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "fields.h"

namespace lumetra::ui::test {

struct Place {
    const char* name;
    const char* container;  // "" for the window itself
    const char* caption;    // or the text field's initial text
    int left, top, width, height;  // twips, relative to the container
};

// Every control of the window in stored order; a frame comes before what it contains.
inline const Place places[] = {
    {"chkBajaStuntEnduro", "", "Baja, Stunt, or Enduro", 2520, 480, 1935, 255},
    {"chkMax2Armadillo", "", "3dsMax to Armadillo", 2520, 120, 1815, 255},
    {"Command1", "", "Command1", 480, 5760, 1095, 495},
    {"txtCalcHeading", "", "", 1920, 5880, 1215, 285},
    {"txtCalcPitch", "", "", 3360, 5880, 615, 285},
    {"chkArmadillo2Max", "", "Armadillo to 3dsMax", 240, 120, 1815, 255},
    {"btnExit", "", "E&xit", 4680, 2280, 855, 495},
    {"Frame6", "", "3dsMax Grid Settings:", 120, 3120, 2175, 1335},
    {"txtGridSize", "Frame6", "256", 960, 360, 1095, 285},
    {"txtMaxStrength", "Frame6", "13.333333", 960, 840, 1095, 285},
    {"lblCalcStrength", "Frame6", "Strength:", 240, 840, 645, 195},
    {"lblCalcGridSize", "Frame6", "Grid Size:", 240, 360, 675, 195},
    {"chkNatSX", "", "National or SX Track", 240, 480, 1815, 255},
    {"Frame5", "", "3dsMax Desired Settings:", 120, 1920, 4455, 1095},
    {"txtObjectScale", "Frame5", "33.333333", 1560, 720, 1095, 285},
    {"txtDistance", "Frame5", "1000.000000", 3000, 360, 1215, 285},
    {"chkUseObjectScale", "Frame5", "Use Object Scale", 240, 360, 1695, 255},
    {"lblObjectScale", "Frame5", "Object Scale (%):", 240, 720, 1215, 195},
    {"Label1", "Frame5", "Light Distance (ft):", 3000, 720, 1290, 195},
    {"Frame4", "", "Armadillo Grid Settings:", 120, 840, 2295, 975},
    {"txtGridRes", "Frame4", "3.0000", 1320, 360, 735, 285},
    {"txtDilloStrength", "Frame4", "40.000", 240, 360, 855, 285},
    {"Label3", "Frame4", "Grid Res", 1320, 720, 615, 195},
    {"Label2", "Frame4", "Strength", 240, 720, 600, 195},
    {"Frame3", "", "", 120, 4440, 5415, 615},
    {"Label5", "Frame3", "Lumetra for Armadillo       Created by Quillon    Version 2.1", 120, 240, 5175, 255},
    {"Frame2", "", "3dsMax Light Settings:", 2400, 3120, 2175, 1335},
    {"txtZ", "Frame2", "707.106781", 960, 960, 1095, 285},
    {"txtY", "Frame2", "707.106781", 960, 600, 1095, 285},
    {"txtX", "Frame2", "0.000000", 960, 240, 1095, 285},
    {"lblMaxZ", "Frame2", "Max Z =", 240, 960, 585, 195},
    {"lblMaxY", "Frame2", "Max Y =", 240, 600, 585, 195},
    {"lblMaxX", "Frame2", "Max X =", 240, 240, 585, 195},
    {"Frame1", "", "Armadillo Light Settings:", 2520, 840, 2055, 975},
    {"txtHeading", "Frame1", "90.0", 240, 360, 735, 285},
    {"txtPitch", "Frame1", "45.0", 1200, 360, 615, 285},
    {"lblDilloHeading", "Frame1", "Heading", 240, 720, 600, 195},
    {"lblDilloPitch", "Frame1", "Pitch", 1320, 720, 360, 195},
    {"btnCalculate", "", "Calculate", 4680, 1200, 855, 495},
    {"lblMaxHeading", "", "Heading", 2400, 6135, 600, 195},
    {"lblMaxPitch", "", "Pitch", 3480, 6135, 360, 195},
};

struct FieldStart {
    const char* name;
    bool readOnly;
    int typingLimit;  // 0: none
};

inline const FieldStart fieldStarts[] = {
    {"txtHeading", false, 5},     {"txtPitch", false, 4},       {"txtDilloStrength", false, 8},
    {"txtGridRes", false, 6},     {"txtDistance", false, 12},   {"txtGridSize", false, 4},
    {"txtMaxStrength", true, 11}, {"txtObjectScale", true, 11}, {"txtX", true, 0},
    {"txtY", true, 0},            {"txtZ", true, 0},            {"txtCalcHeading", true, 6},
    {"txtCalcPitch", true, 4},
};

struct BoxStart {
    const char* name;
    BoxValue value;
};

inline const BoxStart boxStarts[] = {
    {"chkArmadillo2Max", Ticked}, {"chkMax2Armadillo", Clear}, {"chkNatSX", Ticked}, {"chkBajaStuntEnduro", Clear},
    {"chkUseObjectScale", Clear},
};

// Tab from Calculate, round the window and back; the two result fields below the visible
// area take the focus in their turn.
inline const char* const forwardOrder[] = {
    "btnCalculate", "txtPitch", "txtHeading", "txtX", "txtY", "txtZ", "txtDilloStrength",
    "txtGridRes", "chkUseObjectScale", "txtDistance", "chkNatSX", "txtMaxStrength", "btnExit",
    "chkArmadillo2Max", "txtCalcPitch", "txtCalcHeading", "txtGridSize", "txtObjectScale",
    "chkMax2Armadillo", "chkBajaStuntEnduro",
};

struct LimitRow {
    const char* name;
    const char* field;
    int limit;
};

inline const LimitRow limitRows[] = {
    {"HeadingHoldsFive", "txtHeading", 5},
    {"PitchHoldsFour", "txtPitch", 4},
    {"ArmadilloStrengthHoldsEight", "txtDilloStrength", 8},
    {"GridResolutionHoldsSix", "txtGridRes", 6},
    {"DistanceHoldsTwelve", "txtDistance", 12},
    {"GridSizeHoldsFour", "txtGridSize", 4},
    {"MaxStrengthHoldsEleven", "txtMaxStrength", 11},
    {"ObjectScaleHoldsEleven", "txtObjectScale", 11},
};

struct PasteRow {
    const char* name;
    bool selectAll;
    const char* pasted;
    const char* shown;
};

inline const PasteRow pasteRows[] = {
    {"AShortPasteIntoTheEmptyFieldIsKeptWhole", false, "12", "12"},
    {"ALongPasteIntoTheEmptyFieldIsCutToFour", false, "-45.55", "-45."},
    {"AShortPasteOverTheWholeTextReplacesIt", true, "12", "12"},
    {"ALongPasteOverTheWholeTextIsCutToFour", true, "-45.55", "-45."},
};

// Leaving the heading field by a click on another control.
struct LeaveRow {
    const char* name;
    const char* clicked;
    std::vector<std::string> expected;
};

inline const LeaveRow leaveRows[] = {
    {"ForCalculate", "btnCalculate", {"left txtHeading", "button btnCalculate"}},
    {"ForACheckBox", "chkNatSX", {"left txtHeading", "click chkNatSX"}},
    {"ForAReadOnlyField", "txtX", {"left txtHeading"}},
};

// What a press cannot give the focus to: a disabled box, a label (of another field) and a
// frame.
inline const char* const withoutFocus[] = {"chkUseObjectScale", "lblDilloPitch", "Frame1"};

// The text field of a name in these rows.
inline TextField fieldNamed(std::string_view name)
{
    for (std::size_t i = 0; i < textFieldNames.size(); ++i)
        if (textFieldNames[i] == name)
            return static_cast<TextField>(i);
    throw std::out_of_range("no text field is named " + std::string(name));
}

}  // namespace lumetra::ui::test
