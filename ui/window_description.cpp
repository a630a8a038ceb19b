#include "window_description.h"

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <utility>

#include "field_facts.h"

namespace lumetra::ui {

namespace {

// A row as written below: its frame and, for a label, its field named by their ids. They
// become row numbers when the program is built, and a name that is missing, repeated or out
// of place stops the build.
struct Written {
    ControlId id;
    std::optional<Frame> frame;  // none: on the window itself
    std::string_view caption;
    int left, top, width, height;
    int tabIndex;
    Settings settings;
    std::string_view accessibleName;
    std::optional<TextField> labelFor = std::nullopt;
};

constexpr Settings box(BoxValue value) { return {.value = value}; }
// A text field's start text and typing limit stand in its row of field facts, which the
// normaliser reads too: here its caption is left empty and its limit unset.
constexpr Settings field(Look look) { return {.look = look}; }
constexpr Settings label() { return {.sizedToCaption = true}; }
constexpr Settings fixedLabel() { return {}; }
constexpr Settings plain() { return {}; }
constexpr Settings hiddenDisabled() { return {.enabled = false, .visible = false}; }

constexpr Look Ed = Look::Editable;
constexpr Look RO = Look::ReadOnly;
constexpr std::optional<Frame> window = std::nullopt;

// In stored order: a frame is followed at once by the controls it contains.
// A screen reader announces a field by the caption beside it, so that is its accessible
// name; where two fields share a caption, the frame it stands in follows in brackets (the
// heading and pitch below the window stand in none and belong to 3dsMax).
constexpr std::array<Written, controlCount> written{{
    // control, frame, caption (a text field's start text is in its field facts), left, top, width,
    // height, tab index, settings, accessible name,
    // and for a label the field it names
    {CheckBox::chkBajaStuntEnduro, window, "Baja, Stunt, or Enduro", 2520, 480, 1935, 255, 40, box(Clear), "Baja, Stunt, or Enduro"},
    {CheckBox::chkMax2Armadillo, window, "3dsMax to Armadillo", 2520, 120, 1815, 255, 39, box(Clear), "3dsMax to Armadillo"},
    {Button::Command1, window, "Command1", 480, 5760, 1095, 495, 38, hiddenDisabled(), "Command1"},
    {TextField::txtCalcHeading, window, "", 1920, 5880, 1215, 285, 32, field(RO), "Heading (3dsMax)"},
    {TextField::txtCalcPitch, window, "", 3360, 5880, 615, 285, 31, field(RO), "Pitch (3dsMax)"},
    {CheckBox::chkArmadillo2Max, window, "Armadillo to 3dsMax", 240, 120, 1815, 255, 30, box(Ticked), "Armadillo to 3dsMax"},
    {Button::btnExit, window, "E&xit", 4680, 2280, 855, 495, 29, plain(), "Exit"},
    {Frame::Frame6, window, "3dsMax Grid Settings:", 120, 3120, 2175, 1335, 25, plain(), "3dsMax Grid Settings"},
    {TextField::txtGridSize, Frame::Frame6, "", 960, 360, 1095, 285, 35, field(Ed), "Grid Size"},
    {TextField::txtMaxStrength, Frame::Frame6, "", 960, 840, 1095, 285, 27, field(RO), "Strength (3dsMax Grid Settings)"},
    {Label::lblCalcStrength, Frame::Frame6, "Strength:", 240, 840, 645, 195, 28, label(), "", TextField::txtMaxStrength},
    {Label::lblCalcGridSize, Frame::Frame6, "Grid Size:", 240, 360, 675, 195, 26, label(), "", TextField::txtGridSize},
    {CheckBox::chkNatSX, window, "National or SX Track", 240, 480, 1815, 255, 24, box(Ticked), "National or SX Track"},
    {Frame::Frame5, window, "3dsMax Desired Settings:", 120, 1920, 4455, 1095, 20, plain(), "3dsMax Desired Settings"},
    {TextField::txtObjectScale, Frame::Frame5, "", 1560, 720, 1095, 285, 36, field(RO), "Object Scale (%)"},
    {TextField::txtDistance, Frame::Frame5, "", 3000, 360, 1215, 285, 22, field(Ed), "Light Distance (ft)"},
    {CheckBox::chkUseObjectScale, Frame::Frame5, "Use Object Scale", 240, 360, 1695, 255, 21, box(Clear), "Use Object Scale"},
    {Label::lblObjectScale, Frame::Frame5, "Object Scale (%):", 240, 720, 1215, 195, 37, label(), "", TextField::txtObjectScale},
    {Label::Label1, Frame::Frame5, "Light Distance (ft):", 3000, 720, 1290, 195, 23, label(), "", TextField::txtDistance},
    {Frame::Frame4, window, "Armadillo Grid Settings:", 120, 840, 2295, 975, 15, plain(), "Armadillo Grid Settings"},
    {TextField::txtGridRes, Frame::Frame4, "", 1320, 360, 735, 285, 19, field(Ed), "Grid Res"},
    {TextField::txtDilloStrength, Frame::Frame4, "", 240, 360, 855, 285, 16, field(Ed), "Strength (Armadillo Grid Settings)"},
    {Label::Label3, Frame::Frame4, "Grid Res", 1320, 720, 615, 195, 18, label(), "", TextField::txtGridRes},
    {Label::Label2, Frame::Frame4, "Strength", 240, 720, 600, 195, 17, label(), "", TextField::txtDilloStrength},
    {Frame::Frame3, window, "", 120, 4440, 5415, 615, 7, plain(), ""},
    {Label::Label5, Frame::Frame3, "Lumetra for Armadillo       Created by Quillon    Version 2.1", 120, 240, 5175, 255, 11, fixedLabel(), ""},
    {Frame::Frame2, window, "3dsMax Light Settings:", 2400, 3120, 2175, 1335, 6, plain(), "3dsMax Light Settings"},
    {TextField::txtZ, Frame::Frame2, "", 960, 960, 1095, 285, 14, field(RO), "Max Z"},
    {TextField::txtY, Frame::Frame2, "", 960, 600, 1095, 285, 13, field(RO), "Max Y"},
    {TextField::txtX, Frame::Frame2, "", 960, 240, 1095, 285, 12, field(RO), "Max X"},
    {Label::lblMaxZ, Frame::Frame2, "Max Z =", 240, 960, 585, 195, 10, label(), "", TextField::txtZ},
    {Label::lblMaxY, Frame::Frame2, "Max Y =", 240, 600, 585, 195, 9, label(), "", TextField::txtY},
    {Label::lblMaxX, Frame::Frame2, "Max X =", 240, 240, 585, 195, 8, label(), "", TextField::txtX},
    {Frame::Frame1, window, "Armadillo Light Settings:", 2520, 840, 2055, 975, 1, plain(), "Armadillo Light Settings"},
    {TextField::txtHeading, Frame::Frame1, "", 240, 360, 735, 285, 3, field(Ed), "Heading (Armadillo Light Settings)"},
    {TextField::txtPitch, Frame::Frame1, "", 1200, 360, 615, 285, 2, field(Ed), "Pitch (Armadillo Light Settings)"},
    {Label::lblDilloHeading, Frame::Frame1, "Heading", 240, 720, 600, 195, 5, label(), "", TextField::txtHeading},
    {Label::lblDilloPitch, Frame::Frame1, "Pitch", 1320, 720, 360, 195, 4, label(), "", TextField::txtPitch},
    {Button::btnCalculate, window, "Calculate", 4680, 1200, 855, 495, 0, plain(), "Calculate"},
    {Label::lblMaxHeading, window, "Heading", 2400, 6135, 600, 195, 34, label(), "", TextField::txtCalcHeading},
    {Label::lblMaxPitch, window, "Pitch", 3480, 6135, 360, 195, 33, label(), "", TextField::txtCalcPitch},
}};

// The row of a control in the written table; a control it lacks stops the build.
constexpr int writtenRow(ControlId id)
{
    for (std::size_t i = 0; i < written.size(); ++i)
        if (written[i].id == id)
            return static_cast<int>(i);
    throw std::logic_error("the window description lacks a control");
}

constexpr ControlRow resolved(std::size_t i)
{
    const Written& w = written[i];
    const int container = w.frame ? writtenRow(*w.frame) : noRow;
    if (container >= static_cast<int>(i))
        throw std::logic_error("a frame must come before the controls it contains");
    if (w.labelFor && w.id.kind != Kind::Label)
        throw std::logic_error("only a label names a field");
    const int labelFor = w.labelFor ? writtenRow(*w.labelFor) : noRow;
    if (labelFor >= static_cast<int>(i))
        throw std::logic_error("a field must come before the label that names it");
    if (w.id.kind != Kind::TextField)
        return {w.id, container, w.caption, w.left, w.top, w.width, w.height, w.tabIndex, w.settings, w.accessibleName,
                labelFor};
    if (!w.caption.empty() || w.settings.typingLimit != 0)
        throw std::logic_error("a text field's start text and typing limit are taken from its field facts");
    const FieldFacts& facts = factsOf(w.id.textField());
    Settings settings = w.settings;
    settings.typingLimit = facts.typingLimit;
    return {w.id, container, facts.startText, w.left, w.top, w.width, w.height, w.tabIndex, settings, w.accessibleName,
            labelFor};
}

template <std::size_t... I>
constexpr std::array<ControlRow, controlCount> resolvedRows(std::index_sequence<I...> /*rows*/)
{
    return {{resolved(I)...}};
}

constexpr std::array<ControlRow, controlCount> rows = resolvedRows(std::make_index_sequence<controlCount>{});

template <typename Id, std::size_t N>
constexpr bool eachOnce(const std::array<std::string_view, N>& /*names*/)
{
    for (std::size_t i = 0; i < N; ++i) {
        const ControlId id(static_cast<Id>(i));
        if (std::count_if(rows.begin(), rows.end(), [id](const ControlRow& row) { return row.id == id; }) != 1)
            return false;
    }
    return true;
}

static_assert(eachOnce<TextField>(textFieldNames) && eachOnce<CheckBox>(checkBoxNames) &&
                  eachOnce<Button>(buttonNames) && eachOnce<Frame>(frameNames) && eachOnce<Label>(labelNames),
              "every control stands in the window description exactly once");
static_assert(textFieldNames.size() + checkBoxNames.size() + buttonNames.size() + frameNames.size() +
                  labelNames.size() == controlCount,
              "the window has no control beyond these lists");

constexpr std::array<std::size_t, controlCount> sortedByTabIndex()
{
    std::array<std::size_t, controlCount> order{};
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(), [](std::size_t a, std::size_t b) { return rows[a].tabIndex < rows[b].tabIndex; });
    for (std::size_t i = 0; i < order.size(); ++i)
        if (rows[order[i]].tabIndex != static_cast<int>(i))
            throw std::logic_error("the tab indices are 0 to 40, each used once");
    return order;
}

constexpr std::array<std::size_t, controlCount> tabs = sortedByTabIndex();

constexpr std::size_t firstToTakeFocus()
{
    const auto* found = std::find_if(tabs.begin(), tabs.end(), [](std::size_t row) {
        return takesFocus(rows[row].id.kind) && rows[row].settings.enabled && rows[row].settings.visible;
    });
    if (found == tabs.end())
        throw std::logic_error("no control can take the focus");
    return *found;
}

constexpr std::size_t first = firstToTakeFocus();

// The row of each control, by kind and place in its list.
constexpr std::size_t longestList =
    std::max({textFieldNames.size(), checkBoxNames.size(), buttonNames.size(), frameNames.size(), labelNames.size()});

constexpr std::array<std::array<std::size_t, longestList>, 5> rowTable()
{
    std::array<std::array<std::size_t, longestList>, 5> table{};
    for (std::size_t i = 0; i < rows.size(); ++i)
        table[static_cast<std::size_t>(rows[i].id.kind)][static_cast<std::size_t>(rows[i].id.index)] = i;
    return table;
}

constexpr auto rowsById = rowTable();

}  // namespace

const WindowRow windowRow{"frmLumetra", "Lumetra", 5655, 5145, 3045, 2325};

const std::array<ControlRow, controlCount> controlRows = rows;
const std::array<std::size_t, controlCount> tabOrder = tabs;
const std::size_t firstFocus = first;

std::size_t rowOf(ControlId id)
{
    return rowsById[static_cast<std::size_t>(id.kind)][static_cast<std::size_t>(id.index)];
}

}  // namespace lumetra::ui
