// The window as it opens: its own properties, every control's place, caption, text,
// look and value, the focus order and where the focus starts.

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QTest>

#include "binding_rows.h"
#include "window_fixture.h"

namespace lumetra::ui::test {
namespace {

using test::PrintTo;

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
        // Qt nests a control inside its frame; the window holds the others.
        EXPECT_EQ(control->parentWidget()->objectName(), QString(*place.container ? place.container : "frmLumetra"));
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
    for (const auto& [name, value] : boxStarts) {
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
