// What the Qt binding reports of the user: one event per click, press or key, none for the
// program's own writes, the field being left before the click that left it, and nothing
// for keys that press no button.

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "binding_rows.h"
#include "window_fixture.h"

namespace lumetra::ui::test {
namespace {

using test::PrintTo;
using Events = std::vector<std::string>;
using BindingEvents = WindowTest;

TEST_F(BindingEvents, AClickOnABoxIsReportedOnceAndTheProgramsAssignmentAddsNothing)
{
    // The handlers answer the click by assigning the box a new value.
    events.reaction = [this](const std::string&) { window->showValue(CheckBox::chkNatSX, Clear); };
    click(box("chkNatSX"));
    EXPECT_EQ(events.events, Events{"click chkNatSX"});
    EXPECT_EQ(box("chkNatSX")->checkState(), Qt::Unchecked);
}

TEST_F(BindingEvents, TheBoxShowsOnlyWhatTheProgramAssigns)
{
    // Without an answer from the handlers the box keeps its value, whatever asked to change it.
    click(box("chkArmadillo2Max"));
    box("chkMax2Armadillo")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(box("chkMax2Armadillo"), Qt::Key_Space);
    box("chkNatSX")->toggle();  // as a screen reader's Toggle does
    EXPECT_EQ(events.events, (Events{"click chkArmadillo2Max", "click chkMax2Armadillo", "click chkNatSX"}));
    EXPECT_EQ(box("chkArmadillo2Max")->checkState(), Qt::Checked);
    EXPECT_EQ(box("chkMax2Armadillo")->checkState(), Qt::Unchecked);
    EXPECT_EQ(box("chkNatSX")->checkState(), Qt::Checked);
}

TEST_F(BindingEvents, AGreyedBoxShowsItsThirdStateAndADisabledOneTakesNoClick)
{
    window->showValue(CheckBox::chkUseObjectScale, Greyed);
    window->setBoxEnabled(CheckBox::chkUseObjectScale, false);
    EXPECT_EQ(box("chkUseObjectScale")->checkState(), Qt::PartiallyChecked);
    click(box("chkUseObjectScale"));
    EXPECT_EQ(events.events, Events{});
}

class LeavingByAClick : public WindowTest, public ::testing::WithParamInterface<LeaveRow> {};

TEST_P(LeavingByAClick, ReportsTheFieldBeforeTheClick)
{
    typeInto("txtHeading", "30");
    events.events.clear();
    click(window->findChild<QWidget*>(GetParam().clicked));
    EXPECT_EQ(events.events, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Fields, LeavingByAClick, ::testing::ValuesIn(leaveRows), rowName);

TEST_F(BindingEvents, AFieldIsNotLeftWhenAnotherWindowOrAMessageBoxTakesTheFocus)
{
    typeInto("txtHeading", "30");
    events.events.clear();

    QWidget other;
    other.show();
    other.activateWindow();
    QApplication::setActiveWindow(&other);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    window->activateWindow();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));

    QTimer::singleShot(0, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->accept();
    });
    QMessageBox::information(window.get(), "Lumetra", "a message");
    EXPECT_EQ(window->focusWidget(), edit("txtHeading")) << "the field keeps the window's focus";
    EXPECT_EQ(events.events, Events{});
}

TEST_F(BindingEvents, AltXPressesExit)
{
    QTest::keyClick(window.get(), Qt::Key_X, Qt::AltModifier);
    // An access key presses its button the way a click does, released a moment later.
    EXPECT_TRUE(QTest::qWaitFor([this] { return !events.events.empty(); }, 1000));
    EXPECT_EQ(events.events, Events{"button btnExit"});
}

TEST_F(BindingEvents, EnterAndEscapeInATextFieldPressNoButton)
{
    typeInto("txtHeading", "30");
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
        QTest::keyClick(edit("txtHeading"), key);
    QTest::qWait(100);
    EXPECT_EQ(events.events, Events{});
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(focusedName(), "txtHeading");
}

TEST_F(BindingEvents, TheCloseBoxIsReportedAndUnloadingClosesTheWindow)
{
    events.reaction = [this](const std::string&) { window->unload(); };
    window->close();  // what the window manager's close box asks for
    EXPECT_EQ(events.events, Events{"close box"});
    EXPECT_FALSE(window->isVisible());
}

// The message is modal: the user lets go of the mouse while it is up, and the press that
// moved the focus reaches the box only afterwards. The click is lost, and the box must not
// be left held down waiting for a release that has already happened.
TEST_F(BindingEvents, AClickReleasedWhileAMessageIsUpIsLostAndLeavesNothingHeldDown)
{
    typeInto("txtX", "1e999");
    ValueCheckBox* natSX = box("chkNatSX");
    events.reaction = [this](const std::string& event) {
        if (event == "left txtX")
            window->showMessage("too large");
    };
    messages.whenShown = [natSX] { QTest::mouseRelease(natSX, Qt::LeftButton); };
    events.events.clear();
    QTest::mousePress(natSX, Qt::LeftButton);
    messages.whenShown = nullptr;
    EXPECT_EQ(events.events, Events{"left txtX"});
    EXPECT_FALSE(natSX->isDown());

    click(natSX);
    EXPECT_EQ(events.events, (Events{"left txtX", "click chkNatSX"})) << "the next click works as usual";
}

TEST(MessageBox, IsCaptionedLumetraWithNoIconAndOnlyOK)
{
    QtWindow window;
    window.show();
    QString caption, text;
    QMessageBox::Icon icon = QMessageBox::Information;
    QMessageBox::StandardButtons buttons;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        caption = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = box->standardButtons();
        box->accept();
    });
    window.showMessage("Invalid Light Coordinates.  Pitch is greater than 89.9 degrees");
    EXPECT_EQ(caption, "Lumetra");
    EXPECT_EQ(text, "Invalid Light Coordinates.  Pitch is greater than 89.9 degrees");
    EXPECT_EQ(icon, QMessageBox::NoIcon);
    EXPECT_EQ(buttons, QMessageBox::Ok);
}

}  // namespace
}  // namespace lumetra::ui::test
