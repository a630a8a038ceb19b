// The shared binding tests' driver for Qt: QTest's clicks and key presses on the widgets
// themselves, delivered by the offscreen platform as a user's would be.

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <utility>

#include "qt_driver.h"

namespace lumetra::ui::test {

namespace {

QPointer<QWidget> pressed;

QString qs(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QColor desktopColour(QPalette::ColorRole role) { return QApplication::palette().color(role); }

// The look waited for, until the box is shown or the test ends.
std::function<void(const MessageBoxSeen&)> lookAtBox;

// The box opens only once the program's call has started its modal loop: this polls for it.
void lookAtBoxWhenShown(int triesLeft)
{
    if (!lookAtBox)
        return;
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr && triesLeft > 0) {
        QTimer::singleShot(10, [triesLeft] { lookAtBoxWhenShown(triesLeft - 1); });
    } else if (box == nullptr) {
        lookAtBox = nullptr;
        ADD_FAILURE() << "no message box of the window took the focus within 5 s";
    } else {
        MessageBoxSeen seen{box->windowTitle().toStdString(), box->text().toStdString(), {}, box->icon() != QMessageBox::NoIcon};
        for (const QAbstractButton* button : box->buttons())
            seen.buttons.push_back(button->text().remove('&').toStdString());
        std::exchange(lookAtBox, nullptr)(seen);
        box->accept();
    }
}

}  // namespace

const bool BindingTest::accessKeysTakeTheFocus = false;
const std::vector<std::string> BindingTest::placesBeyondTheControls = {};

void BindingTest::open(Messages* sink)
{
    window = std::make_unique<QtWindow>(sink);
    qt(*window).setUserEvents(&events);
    qt(*window).show();
    qt(*window).activateWindow();
    QApplication::setActiveWindow(&qt(*window));
    ASSERT_TRUE(QTest::qWaitForWindowActive(&qt(*window)));
}

void BindingTest::TearDown()
{
    if (std::exchange(lookAtBox, nullptr))
        ADD_FAILURE() << "the message box the test waited for was never shown";
    window.reset();
}

void BindingTest::pressMouse(std::string_view name)
{
    pressed = widget(*window, name);
    QTest::mousePress(pressed, Qt::LeftButton);
}

void BindingTest::releaseMouse() { QTest::mouseRelease(pressed, Qt::LeftButton); }

void BindingTest::press(Key key, Held held)
{
    static constexpr Qt::Key keys[] = {Qt::Key_Tab, Qt::Key_Space,     Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape,
                                       Qt::Key_End, Qt::Key_Backspace, Qt::Key_A,      Qt::Key_C,     Qt::Key_V,
                                       Qt::Key_X};
    static constexpr Qt::KeyboardModifier modifiers[] = {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier,
                                                         Qt::AltModifier};
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &qt(*window);
    QTest::keyClick(target, keys[static_cast<int>(key)], modifiers[static_cast<int>(held)]);
}

void BindingTest::type(std::string_view typed) { QTest::keyClicks(QApplication::focusWidget(), qs(typed)); }

void BindingTest::focus(std::string_view name) { widget(*window, name)->setFocus(Qt::TabFocusReason); }

// Qt's accessible Toggle action.
void BindingTest::doDefaultAction(std::string_view name) { widget<QAbstractButton>(*window, name)->toggle(); }

// What the window manager's close box asks for.
void BindingTest::clickCloseBox() { qt(*window).close(); }

void BindingTest::activateAnotherWindowAndComeBack()
{
    QWidget other;
    for (QWidget* active : {&other, static_cast<QWidget*>(&qt(*window))}) {
        active->show();
        active->activateWindow();
        QApplication::setActiveWindow(active);
        ASSERT_TRUE(QTest::qWaitForWindowActive(active));
    }
}

void BindingTest::whenMessageBoxShown(std::function<void(const MessageBoxSeen&)> look)
{
    lookAtBox = std::move(look);
    QTimer::singleShot(0, [] { lookAtBoxWhenShown(500); });
}

bool BindingTest::waitUntil(const std::function<bool()>& condition, int milliseconds)
{
    return QTest::qWaitFor(condition, milliseconds);
}

std::string BindingTest::clipboard() const { return QApplication::clipboard()->text().toStdString(); }

void BindingTest::setClipboard(std::string_view text) { QApplication::clipboard()->setText(qs(text)); }

// Labels, fields and buttons show their "text" property; frames their "title".
std::string BindingTest::text(std::string_view name) const
{
    const QWidget* control = widget(*window, name);
    const QVariant text = control->property("text");
    return (text.isValid() ? text : control->property("title")).toString().toStdString();
}

std::string BindingTest::focusedName() const
{
    const QWidget* focus = qt(*window).focusWidget();
    return focus ? focus->objectName().toStdString() : "";
}

// Qt numbers its check states differently: PartiallyChecked is 1 and Checked is 2.
Shown BindingTest::shown(std::string_view name) const
{
    const QWidget* control = widget(*window, name);
    const QPoint at = control->mapTo(&qt(*window), QPoint(0, 0));
    Shown shown{.place = {at.x(), at.y(), control->width(), control->height()},
                .captionWidth = control->sizeHint().width(),
                .visible = control->isVisible(),
                .enabled = control->isEnabled()};
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        shown.heldDown = button->isDown();
    if (const auto* box = qobject_cast<const QCheckBox*>(control))
        shown.value = box->checkState() == Qt::Unchecked ? Clear : box->checkState() == Qt::Checked ? Ticked : Greyed;
    if (const auto* push = qobject_cast<const QPushButton*>(control))
        shown.isDefault = push->isDefault() || push->autoDefault();
    if (const auto* field = dynamic_cast<const FieldEdit*>(control)) {
        if (desktopColour(QPalette::Base) == desktopColour(QPalette::Button))
            throw std::runtime_error("the desktop's palette does not tell the two looks apart");
        if (field->palette().color(QPalette::Base) == desktopColour(field->isReadOnly() ? QPalette::Button : QPalette::Base))
            shown.look = field->isReadOnly() ? Look::ReadOnly : Look::Editable;
        shown.typingLimit = field->typingLimit();
        shown.alignedLeft = (field->alignment() & Qt::AlignHorizontal_Mask) == Qt::AlignLeft;
    }
    return shown;
}

WindowFrame BindingTest::frame() const
{
    const QtWindow& form = qt(*window);
    const Qt::WindowFlags flags = form.windowFlags();
    return {form.windowTitle().toStdString(), form.width(), form.height(), form.minimumSize() != form.maximumSize(),
            flags.testFlag(Qt::WindowCloseButtonHint), flags.testFlag(Qt::WindowMinimizeButtonHint),
            flags.testFlag(Qt::WindowMaximizeButtonHint)};
}

bool BindingTest::windowShown() const { return qt(*window).isVisible(); }

}  // namespace lumetra::ui::test
