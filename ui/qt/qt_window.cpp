#include "qt_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include "field_edit.h"
#include "group_frame.h"
#include "message_box.h"
#include "qt_text.h"
#include "value_check_box.h"

namespace lumetra::ui {

QtWindow::QtWindow(Messages* messages)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    if (!messages) {
        ownMessages_ = std::make_unique<MessageBoxes>(this);
        messages = ownMessages_.get();
    }
    messages_ = messages;
    setObjectName(qtText(windowRow.name));
    setWindowTitle(qtText(windowRow.caption));
    setFixedSize(pixels(windowRow.clientWidth), pixels(windowRow.clientHeight));
    buildControls();
    QCoreApplication::instance()->installEventFilter(this);
}

QtWindow::~QtWindow() = default;

QWidget* QtWindow::createControl(const ControlRow& row, QWidget* container)
{
    switch (row.id.kind) {
    case Kind::Label: {
        auto* label = new QLabel(qtText(row.caption), container);
        label->setTextFormat(Qt::PlainText);
        if (row.labelFor != noRow)
            label->setBuddy(controls_[static_cast<std::size_t>(row.labelFor)]);
        return label;
    }
    case Kind::TextField: {
        const TextField field = row.id.textField();
        auto* fieldEdit = new FieldEdit(container);
        fieldEdit->writeText(qtText(row.caption));
        fieldEdit->setTypingLimit(row.settings.typingLimit);
        fieldEdit->setLook(row.settings.look);
        fieldEdit->onLeftForControl([this, field] {
            if (events_)
                events_->fieldLeft(field);
        });
        edits_[static_cast<std::size_t>(field)] = fieldEdit;
        return fieldEdit;
    }
    case Kind::CheckBox: {
        const CheckBox which = row.id.checkBox();
        auto* checkBox = new ValueCheckBox(qtText(row.caption), container);
        checkBox->showValue(row.settings.value);
        checkBox->onUserClick([this, which] {
            if (events_)
                events_->boxClicked(which);
        });
        boxes_[static_cast<std::size_t>(which)] = checkBox;
        return checkBox;
    }
    case Kind::PushButton: {
        const Button which = row.id.button();
        auto* button = new QPushButton(qtText(row.caption), container);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, which] {
            if (events_)
                events_->buttonClicked(which);
        });
        return button;
    }
    case Kind::Frame:
        return new GroupFrame(qtText(row.caption), container);
    }
    return nullptr;
}

void QtWindow::buildControls()
{
    for (std::size_t i = 0; i < controlRows.size(); ++i) {
        const ControlRow& row = controlRows[i];
        QWidget* container = row.container == noRow ? this : controls_[static_cast<std::size_t>(row.container)];
        QWidget* control = createControl(row, container);
        control->setObjectName(qtText(row.name()));
        control->setAccessibleName(qtText(row.accessibleName.empty() ? row.caption : row.accessibleName));
        control->move(pixels(row.left), pixels(row.top));
        if (row.settings.sizedToCaption)
            control->resize(control->sizeHint());
        else
            control->resize(pixels(row.width), pixels(row.height));
        control->setEnabled(row.settings.enabled);
        if (!row.settings.visible)
            control->setVisible(false);
        controls_[i] = control;
    }
    QWidget* previous = nullptr;
    for (std::size_t row : tabOrder) {
        if (!takesFocus(controlRows[row].id.kind))
            continue;
        if (previous)
            QWidget::setTabOrder(previous, controls_[row]);
        previous = controls_[row];
    }
    controls_[firstFocus]->setFocus();
}

std::string QtWindow::text(TextField field) const { return edit(field).text().toStdString(); }

void QtWindow::setText(TextField field, const std::string& text) { edit(field).writeText(qtText(text)); }

BoxValue QtWindow::value(CheckBox box) const { return checkBox(box).value(); }

void QtWindow::showValue(CheckBox box, BoxValue value) { checkBox(box).showValue(value); }

bool QtWindow::boxEnabled(CheckBox box) const { return checkBox(box).isEnabled(); }

void QtWindow::setBoxEnabled(CheckBox box, bool enabled) { checkBox(box).setEnabled(enabled); }

void QtWindow::setLook(TextField field, Look look) { edit(field).setLook(look); }

void QtWindow::showMessage(const std::string& text) { messages_->showMessage(text); }

void QtWindow::unload()
{
    unloaded_ = true;
    QWidget::close();
}

// The close box asks the handlers, which unload the window as the Exit button does.
void QtWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (!unloaded_ && events_) {
        unloaded_ = true;
        events_->closeBoxClicked();
    }
}

// Pressing a control moves the focus first, and the field being left may put up a message.
// By the time the press reaches the control the user may have let go of the button while
// the message was up: acting on that press would hold the control down with no release to
// come, so it is dropped and the click is simply lost.
bool QtWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        auto* widget = qobject_cast<QWidget*>(watched);
        const auto* press = dynamic_cast<QMouseEvent*>(event);
        if (widget != nullptr && press != nullptr && isAncestorOf(widget) &&
            !(QGuiApplication::mouseButtons() & press->button()))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace lumetra::ui
