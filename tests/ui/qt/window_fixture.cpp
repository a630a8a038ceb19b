#include "window_fixture.h"

#include <QApplication>
#include <QTest>
#include <stdexcept>

namespace lumetra::ui::test {

const std::vector<QString> normalisedFields{
    "txtHeading", "txtPitch", "txtDilloStrength", "txtGridRes", "txtDistance", "txtGridSize",
    "txtMaxStrength", "txtObjectScale", "txtX", "txtY", "txtZ",
};

namespace {

template <typename Widget>
Widget* found(const FrmLumetra& window, const QString& name)
{
    auto* widget = window.findChild<Widget*>(name);
    if (!widget)
        throw std::runtime_error("the window has no control named " + name.toStdString());
    return widget;
}

}  // namespace

void WindowTest::SetUp()
{
    window = std::make_unique<FrmLumetra>(&messages);
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
    ASSERT_EQ(focused(), field) << name.toStdString() << " did not take the focus";
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, typed);
}

void WindowTest::pressTab()
{
    QWidget* from = focused();
    ASSERT_NE(from, nullptr);
    QTest::keyClick(from, Qt::Key_Tab);
}

void WindowTest::enter(const QString& name, const QString& typed)
{
    typeInto(name, typed);
    pressTab();
}

void WindowTest::enterAll(const FieldTexts& typed)
{
    for (const auto& [name, value] : typed)
        enter(name, QString::fromStdString(value));
}

void WindowTest::expectTexts(const FieldTexts& expected) const
{
    for (const auto& [name, value] : expected)
        EXPECT_EQ(text(name), value) << "in " << name.toStdString();
}

void WindowTest::switchTo(Layout layout)
{
    if (layout == Layout::MaxToArmadillo) {
        clickBox("chkMax2Armadillo");
        ASSERT_EQ(box("chkArmadillo2Max")->value(), 0);
    } else if (layout == Layout::ArmadilloByObjectScale) {
        clickBox("chkUseObjectScale");
        ASSERT_EQ(box("chkUseObjectScale")->value(), 1);
    }
}

std::vector<std::string> WindowTest::allTexts() const
{
    std::vector<std::string> texts;
    for (const QString& name : normalisedFields)
        texts.push_back(text(name));
    texts.push_back(text("txtCalcHeading"));
    texts.push_back(text("txtCalcPitch"));
    return texts;
}

}  // namespace lumetra::ui::test
