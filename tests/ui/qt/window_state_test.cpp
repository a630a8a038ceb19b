// The window as it opens: its own properties, every control's place, caption, text,
// look and value, the focus order and where the focus starts.

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QTest>

#include "window_fixture.h"

namespace lumetra::ui::test {
namespace {

using test::PrintTo;

struct Place {
    const char* name;
    const char* container;
    const char* caption;  // or the text field's initial text
    int left, top, width, height;  // twips, relative to the container
};

// Every control of the window in stored order.
const Place places[] = {
    {"chkBajaStuntEnduro", "frmLumetra", "Baja, Stunt, or Enduro", 2520, 480, 1935, 255},
    {"chkMax2Armadillo", "frmLumetra", "3dsMax to Armadillo", 2520, 120, 1815, 255},
    {"Command1", "frmLumetra", "Command1", 480, 5760, 1095, 495},
    {"txtCalcHeading", "frmLumetra", "", 1920, 5880, 1215, 285},
    {"txtCalcPitch", "frmLumetra", "", 3360, 5880, 615, 285},
    {"chkArmadillo2Max", "frmLumetra", "Armadillo to 3dsMax", 240, 120, 1815, 255},
    {"btnExit", "frmLumetra", "E&xit", 4680, 2280, 855, 495},
    {"Frame6", "frmLumetra", "3dsMax Grid Settings:", 120, 3120, 2175, 1335},
    {"txtGridSize", "Frame6", "256", 960, 360, 1095, 285},
    {"txtMaxStrength", "Frame6", "13.333333", 960, 840, 1095, 285},
    {"lblCalcStrength", "Frame6", "Strength:", 240, 840, 645, 195},
    {"lblCalcGridSize", "Frame6", "Grid Size:", 240, 360, 675, 195},
    {"chkNatSX", "frmLumetra", "National or SX Track", 240, 480, 1815, 255},
    {"Frame5", "frmLumetra", "3dsMax Desired Settings:", 120, 1920, 4455, 1095},
    {"txtObjectScale", "Frame5", "33.333333", 1560, 720, 1095, 285},
    {"txtDistance", "Frame5", "1000.000000", 3000, 360, 1215, 285},
    {"chkUseObjectScale", "Frame5", "Use Object Scale", 240, 360, 1695, 255},
    {"lblObjectScale", "Frame5", "Object Scale (%):", 240, 720, 1215, 195},
    {"Label1", "Frame5", "Light Distance (ft):", 3000, 720, 1290, 195},
    {"Frame4", "frmLumetra", "Armadillo Grid Settings:", 120, 840, 2295, 975},
    {"txtGridRes", "Frame4", "3.0000", 1320, 360, 735, 285},
    {"txtDilloStrength", "Frame4", "40.000", 240, 360, 855, 285},
    {"Label3", "Frame4", "Grid Res", 1320, 720, 615, 195},
    {"Label2", "Frame4", "Strength", 240, 720, 600, 195},
    {"Frame3", "frmLumetra", "", 120, 4440, 5415, 615},
    {"Label5", "Frame3", "Lumetra for Armadillo       Created by Quillon    Version 2.1", 120, 240, 5175, 255},
    {"Frame2", "frmLumetra", "3dsMax Light Settings:", 2400, 3120, 2175, 1335},
    {"txtZ", "Frame2", "707.106781", 960, 960, 1095, 285},
    {"txtY", "Frame2", "707.106781", 960, 600, 1095, 285},
    {"txtX", "Frame2", "0.000000", 960, 240, 1095, 285},
    {"lblMaxZ", "Frame2", "Max Z =", 240, 960, 585, 195},
    {"lblMaxY", "Frame2", "Max Y =", 240, 600, 585, 195},
    {"lblMaxX", "Frame2", "Max X =", 240, 240, 585, 195},
    {"Frame1", "frmLumetra", "Armadillo Light Settings:", 2520, 840, 2055, 975},
    {"txtHeading", "Frame1", "90.0", 240, 360, 735, 285},
    {"txtPitch", "Frame1", "45.0", 1200, 360, 615, 285},
    {"lblDilloHeading", "Frame1", "Heading", 240, 720, 600, 195},
    {"lblDilloPitch", "Frame1", "Pitch", 1320, 720, 360, 195},
    {"btnCalculate", "frmLumetra", "Calculate", 4680, 1200, 855, 495},
    {"lblMaxHeading", "frmLumetra", "Heading", 2400, 6135, 600, 195},
    {"lblMaxPitch", "frmLumetra", "Pitch", 3480, 6135, 360, 195},
};

QString captionOf(const QWidget* widget)
{
    if (auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (auto* field = qobject_cast<const QLineEdit*>(widget))
        return field->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (auto* frame = qobject_cast<const QGroupBox*>(widget))
        return frame->title();
    return "<not a captioned control>";
}

using WindowState = WindowTest;

TEST_F(WindowState, EveryControlHasItsCaptionContainerAndPlace)
{
    ASSERT_EQ(std::size(places), 41U);
    for (const Place& place : places) {
        SCOPED_TRACE(place.name);
        auto* control = window->findChild<QWidget*>(place.name);
        ASSERT_NE(control, nullptr);
        ASSERT_NE(control->parentWidget(), nullptr);
        EXPECT_EQ(control->parentWidget()->objectName(), QString(place.container));
        EXPECT_EQ(captionOf(control), QString::fromUtf8(place.caption));
        EXPECT_EQ(control->pos(), QPoint(place.left / 15, place.top / 15));
        auto* label = qobject_cast<QLabel*>(control);
        if (label && control->objectName() != "Label5") {
            // Sized to its caption, one line high.
            EXPECT_EQ(control->size(), control->sizeHint());
            EXPECT_EQ(control->height(), 13);
        } else {
            EXPECT_EQ(control->size(), QSize(place.width / 15, place.height / 15));
        }
    }
}

TEST_F(WindowState, TheWindowIsAFixedSizeLumetraWindowWithACloseBoxOnly)
{
    EXPECT_EQ(window->objectName(), QString("frmLumetra"));
    EXPECT_EQ(window->windowTitle(), QString("Lumetra"));
    EXPECT_EQ(window->size(), QSize(377, 343));
    EXPECT_EQ(window->minimumSize(), QSize(377, 343));
    EXPECT_EQ(window->maximumSize(), QSize(377, 343));
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    const QList<QSize> iconSizes = window->windowIcon().availableSizes();
    EXPECT_TRUE(iconSizes.contains(QSize(16, 16)));
    EXPECT_TRUE(iconSizes.contains(QSize(32, 32)));
}

struct FieldStart {
    const char* name;
    bool readOnly;
    int typingLimit;  // 0: none
};

const FieldStart fieldStarts[] = {
    {"txtHeading", false, 5},      {"txtPitch", false, 4},        {"txtDilloStrength", false, 8},
    {"txtGridRes", false, 6},      {"txtDistance", false, 12},    {"txtGridSize", false, 4},
    {"txtMaxStrength", true, 11},  {"txtObjectScale", true, 11},  {"txtX", true, 0},
    {"txtY", true, 0},             {"txtZ", true, 0},             {"txtCalcHeading", true, 6},
    {"txtCalcPitch", true, 4},
};

TEST_F(WindowState, EveryTextFieldStartsWithItsLookAndTypingLimit)
{
    const QColor editableColour = QApplication::palette().color(QPalette::Base);
    const QColor readOnlyColour = QApplication::palette().color(QPalette::Button);
    ASSERT_NE(editableColour, readOnlyColour) << "the two looks must be told apart";
    for (const FieldStart& start : fieldStarts) {
        SCOPED_TRACE(start.name);
        FieldEdit* field = edit(start.name);
        EXPECT_EQ(field->isReadOnly(), start.readOnly);
        EXPECT_EQ(field->backColor(), start.readOnly ? QPalette::Button : QPalette::Base);
        EXPECT_EQ(field->palette().color(QPalette::Base), start.readOnly ? readOnlyColour : editableColour);
        EXPECT_EQ(field->typingLimit(), start.typingLimit);
        EXPECT_EQ(field->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    }
}

TEST_F(WindowState, TheCheckBoxesStartArmadilloToMaxNationalAndByGridSize)
{
    const std::pair<const char*, int> values[] = {
        {"chkArmadillo2Max", 1}, {"chkMax2Armadillo", 0}, {"chkNatSX", 1},
        {"chkBajaStuntEnduro", 0}, {"chkUseObjectScale", 0},
    };
    for (const auto& [name, value] : values) {
        SCOPED_TRACE(name);
        EXPECT_EQ(box(name)->value(), value);
        EXPECT_TRUE(box(name)->isEnabled());
        EXPECT_TRUE(box(name)->isVisible());
    }
}

TEST_F(WindowState, Command1IsHiddenAndDisabledAndNoButtonIsTheDefault)
{
    EXPECT_FALSE(button("Command1")->isVisibleTo(window.get()));
    EXPECT_FALSE(button("Command1")->isEnabled());
    for (const char* name : {"btnCalculate", "btnExit", "Command1"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(button(name)->isDefault());
        EXPECT_FALSE(button(name)->autoDefault());
    }
    EXPECT_TRUE(button("btnCalculate")->isVisible());
    EXPECT_TRUE(button("btnExit")->isVisible());
}

TEST_F(WindowState, TheFocusStartsOnCalculate)
{
    EXPECT_EQ(focusedName(), "btnCalculate");
}

const char* const forwardOrder[] = {
    "btnCalculate", "txtPitch", "txtHeading", "txtX", "txtY", "txtZ", "txtDilloStrength",
    "txtGridRes", "chkUseObjectScale", "txtDistance", "chkNatSX", "txtMaxStrength", "btnExit",
    "chkArmadillo2Max", "txtCalcPitch", "txtCalcHeading", "txtGridSize", "txtObjectScale",
    "chkMax2Armadillo", "chkBajaStuntEnduro",
};

TEST_F(WindowState, TabVisitsEveryFocusableControlInOrderAndWrapsToCalculate)
{
    ASSERT_EQ(focusedName(), "btnCalculate");
    std::vector<std::string> left;
    for (std::size_t i = 1; i <= std::size(forwardOrder); ++i) {
        if (std::string(forwardOrder[i - 1]).starts_with("txt"))
            left.push_back("left " + std::string(forwardOrder[i - 1]));
        pressTab();
        const char* expected = forwardOrder[i % std::size(forwardOrder)];
        ASSERT_EQ(focusedName(), expected) << "after " << i << " presses of Tab";
    }
    EXPECT_EQ(events.events, left) << "each text field is reported as left when Tab leaves it";
}

TEST_F(WindowState, TabPassesOverTheDisabledOption)
{
    window->setBoxEnabled(CheckBox::chkUseObjectScale, false);
    click(edit("txtGridRes"));
    pressTab();
    EXPECT_EQ(focusedName(), "txtDistance");
}

TEST_F(WindowState, ShiftTabVisitsTheSameControlsBackwards)
{
    for (std::size_t i = std::size(forwardOrder); i > 0; --i) {
        ASSERT_NE(focused(), nullptr);
        QTest::keyClick(focused(), Qt::Key_Tab, Qt::ShiftModifier);
        ASSERT_EQ(focusedName(), forwardOrder[i - 1]);
    }
}

TEST_F(WindowState, ReadOnlyFieldsTakeTheFocusByMouse)
{
    for (const char* name : {"txtMaxStrength", "txtObjectScale", "txtX", "txtY", "txtZ"}) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(edit(name)->isReadOnly());
        click(edit(name));
        EXPECT_EQ(focusedName(), name);
    }
}

}  // namespace
}  // namespace lumetra::ui::test
