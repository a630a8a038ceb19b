#include "window_fixture.h"

#include <QApplication>
#include <QTest>
#include <stdexcept>

namespace lumetra::ui::test {

namespace {

template <typename Widget>
Widget* found(const QtWindow& window, const QString& name)
{
    auto* widget = window.findChild<Widget*>(name);
    if (!widget)
        throw std::runtime_error("the window has no control named " + name.toStdString());
    return widget;
}

}  // namespace

void WindowTest::SetUp()
{
    window = std::make_unique<QtWindow>(&messages);
    window->setUserEvents(&events);
    window->show();
    window->activateWindow();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
}

FieldEdit* WindowTest::edit(const QString& name) const { return found<FieldEdit>(*window, name); }

ValueCheckBox* WindowTest::box(const QString& name) const { return found<ValueCheckBox>(*window, name); }

QPushButton* WindowTest::button(const QString& name) const { return found<QPushButton>(*window, name); }

QWidget* WindowTest::focused() const { return QApplication::focusWidget(); }

std::string WindowTest::focusedName() const { return focused() ? focused()->objectName().toStdString() : ""; }

void WindowTest::click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

void WindowTest::typeInto(const QString& name, const QString& typed)
{
    FieldEdit* field = edit(name);
    click(field);
    if (focused() != field)
        throw std::runtime_error(name.toStdString() + " did not take the focus");
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, typed);
}

void WindowTest::pressTab()
{
    QWidget* from = focused();
    if (from == nullptr)
        throw std::runtime_error("no control has the focus to press Tab in");
    QTest::keyClick(from, Qt::Key_Tab);
}

}  // namespace lumetra::ui::test
