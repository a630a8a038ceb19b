#include "qt_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <algorithm>
#include <stdexcept>
#include <vector>

#include "field_edit.h"
#include "group_frame.h"
#include "message_box.h"
#include "value_check_box.h"

namespace lumetra::ui {

namespace {

QString qs(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QPalette::ColorRole roleOf(SystemColour colour)
{
    return colour == SystemColour::ButtonFace ? QPalette::Button : QPalette::Base;
}

}  // namespace

QtWindow::QtWindow(Messages* messages)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    if (!messages) {
        ownMessages_ = std::make_unique<MessageBoxes>(this);
        messages = ownMessages_.get();
    }
    messages_ = messages;
    setObjectName(qs(windowRow.name));
    setWindowTitle(qs(windowRow.caption));
    setFixedSize(pixels(windowRow.clientWidth), pixels(windowRow.clientHeight));
    buildControls();
    QCoreApplication::instance()->installEventFilter(this);
}

QtWindow::~QtWindow() = default;

QWidget* QtWindow::createControl(const ControlRow& row, QWidget* container)
{
    switch (row.kind) {
    case Kind::Label: {
        auto* label = new QLabel(qs(row.caption), container);
        label->setTextFormat(Qt::PlainText);
        // Every field comes before the label that names it.
        if (!row.labelFor.empty())
            label->setBuddy(edit(textFieldNamed(row.labelFor).value()));
        return label;
    }
    case Kind::TextField: {
        const TextField field = textFieldNamed(row.name).value();
        auto* fieldEdit = new FieldEdit(container);
        fieldEdit->writeText(qs(row.caption));
        fieldEdit->setTypingLimit(row.settings.typingLimit);
        fieldEdit->setLocked(lockedOf(row.settings.look));
        fieldEdit->setBackColor(roleOf(backColorOf(row.settings.look)));
        fieldEdit->onLeftForControl([this, field] {
            if (events_)
                events_->fieldLeft(field);
        });
        edits_[static_cast<std::size_t>(field)] = fieldEdit;
        return fieldEdit;
    }
    case Kind::CheckBox: {
        const CheckBox which = checkBoxNamed(row.name).value();
        auto* checkBox = new ValueCheckBox(qs(row.caption), container);
        checkBox->showValue(row.settings.value);
        checkBox->onUserClick([this, which] {
            if (events_)
                events_->boxClicked(which);
        });
        boxes_[static_cast<std::size_t>(which)] = checkBox;
        return checkBox;
    }
    case Kind::PushButton: {
        const Button which = buttonNamed(row.name).value();
        auto* button = new QPushButton(qs(row.caption), container);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, which] {
            if (events_)
                events_->buttonClicked(which);
        });
        return button;
    }
    case Kind::Frame: {
        auto* frame = new GroupFrame(qs(row.caption), container);
        frames_.emplace(row.name, frame);
        return frame;
    }
    }
    throw std::logic_error("a control of no known kind: " + std::string(row.name));
}

void QtWindow::buildControls()
{
    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (const ControlRow& row : controlRows) {
        QWidget* container = row.container.empty() ? this : frames_.at(std::string(row.container));
        QWidget* control = createControl(row, container);
        control->setObjectName(qs(row.name));
        control->setAccessibleName(qs(row.accessibleName.empty() ? row.caption : row.accessibleName));
        control->move(pixels(row.left), pixels(row.top));
        if (row.settings.sizedToCaption)
            control->resize(control->sizeHint());
        else
            control->resize(pixels(row.width), pixels(row.height));
        control->setEnabled(row.settings.enabled);
        if (!row.settings.visible)
            control->setVisible(false);
        if (control->focusPolicy() != Qt::NoFocus)
            tabOrder.emplace_back(row.tabIndex, control);
    }
    if (std::count(edits_.begin(), edits_.end(), nullptr) + std::count(boxes_.begin(), boxes_.end(), nullptr) > 0)
        throw std::logic_error("the stored description lacks a field or check box");

    std::sort(tabOrder.begin(), tabOrder.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
    // The focus starts on the first control in tab order that can take it.
    const auto first = std::find_if(tabOrder.begin(), tabOrder.end(),
                                    [](const auto& entry) { return entry.second->isEnabled() && !entry.second->isHidden(); });
    if (first != tabOrder.end())
        first->second->setFocus();
}

std::string QtWindow::text(TextField field) const { return edit(field)->text().toStdString(); }

void QtWindow::setText(TextField field, const std::string& text) { edit(field)->writeText(QString::fromStdString(text)); }

int QtWindow::value(CheckBox which) const { return box(which)->value(); }

void QtWindow::showValue(CheckBox which, int value) { box(which)->showValue(value); }

bool QtWindow::boxEnabled(CheckBox which) const { return box(which)->isEnabled(); }

void QtWindow::setBoxEnabled(CheckBox which, bool enabled) { box(which)->setEnabled(enabled); }

void QtWindow::setLocked(TextField field, bool locked) { edit(field)->setLocked(locked); }

void QtWindow::setBackColor(TextField field, SystemColour colour) { edit(field)->setBackColor(roleOf(colour)); }

void QtWindow::showMessage(const std::string& text) { messages_->showMessage(text); }

void QtWindow::unload()
{
    unloading_ = true;
    QWidget::close();
}

// The close box asks the handlers, which unload the window as the Exit button does.
void QtWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (!unloading_ && events_) {
        unloading_ = true;
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
        const auto* press = static_cast<QMouseEvent*>(event);
        if (widget != nullptr && isAncestorOf(widget) && !(QGuiApplication::mouseButtons() & press->button()))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace lumetra::ui
