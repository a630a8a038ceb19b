#include "frm_lumetra.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <algorithm>
#include <vector>

#include "angles.h"
#include "armadillo_to_max.h"
#include "field_edit.h"
#include "group_frame.h"
#include "max_to_armadillo.h"
#include "message_box.h"
#include "normalise.h"
#include "value_check_box.h"
#include "window_description.h"

namespace lumetra::ui {

namespace {

QString qs(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QWidget* createControl(const ControlRow& row, QWidget* container)
{
    switch (row.kind) {
    case Kind::Label: {
        auto* label = new QLabel(qs(row.caption), container);
        label->setTextFormat(Qt::PlainText);
        return label;
    }
    case Kind::TextField: {
        auto* edit = new FieldEdit(container);
        edit->writeText(qs(row.caption));
        edit->setTypingLimit(row.settings.typingLimit);
        edit->setLookOf(row.settings.look);
        return edit;
    }
    case Kind::CheckBox: {
        auto* box = new ValueCheckBox(qs(row.caption), container);
        box->setValue(row.settings.value);
        return box;
    }
    case Kind::PushButton: {
        auto* button = new QPushButton(qs(row.caption), container);
        button->setAutoDefault(false);
        return button;
    }
    case Kind::Frame:
        return new GroupFrame(qs(row.caption), container);
    }
    return nullptr;
}

std::string callText(int number)
{
    // The number is shown with a leading space when it is not negative.
    return (number >= 0 ? " " : "") + std::to_string(number);
}

}  // namespace

FrmLumetra::FrmLumetra(Messages* messages, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
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
    connectHandlers();
    Form_Load();
    QCoreApplication::instance()->installEventFilter(this);
}

// Pressing a control moves the focus first, and the field being left may put up a message.
// By the time the press reaches the control the user may have let go of the button while
// the message was up: acting on that press would hold the control down with no release to
// come, so it is dropped and the click is simply lost.
bool FrmLumetra::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        auto* widget = qobject_cast<QWidget*>(watched);
        const auto* press = static_cast<QMouseEvent*>(event);
        if (widget != nullptr && isAncestorOf(widget) && !(QGuiApplication::mouseButtons() & press->button()))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

FrmLumetra::~FrmLumetra() = default;

void FrmLumetra::buildControls()
{
    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (const ControlRow& row : controlRows) {
        QWidget* container = row.container.empty() ? this : controls_.at(std::string(row.container));
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
        controls_.emplace(row.name, control);
    }
    std::sort(tabOrder.begin(), tabOrder.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);

    std::array<FieldEdit*, textFieldNames.size()> texts{};
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = static_cast<FieldEdit*>(controls_.at(std::string(textFieldNames[i])));
    std::array<ValueCheckBox*, checkBoxNames.size()> boxes{};
    for (std::size_t i = 0; i < boxes.size(); ++i)
        boxes[i] = static_cast<ValueCheckBox*>(controls_.at(std::string(checkBoxNames[i])));
    fields_ = std::make_unique<QtFields>(texts, boxes);
}

void FrmLumetra::connectHandlers()
{
    auto button = [this](std::string_view name) { return static_cast<QPushButton*>(controls_.find(name)->second); };
    connect(button("btnCalculate"), &QPushButton::clicked, this, [this] { btnCalculate_Click(); });
    connect(button("btnExit"), &QPushButton::clicked, this, [this] { btnExit_Click(); });
    connect(button("Command1"), &QPushButton::clicked, this, [this] { Command1_Click(); });

    const auto boxHandlers = std::to_array<std::pair<CheckBox, void (FrmLumetra::*)()>>({
        {CheckBox::chkArmadillo2Max, &FrmLumetra::chkArmadillo2Max_Click},
        {CheckBox::chkMax2Armadillo, &FrmLumetra::chkMax2Armadillo_Click},
        {CheckBox::chkNatSX, &FrmLumetra::chkNatSX_Click},
        {CheckBox::chkBajaStuntEnduro, &FrmLumetra::chkBajaStuntEnduro_Click},
        {CheckBox::chkUseObjectScale, &FrmLumetra::chkUseObjectScale_Click},
    });
    for (const auto& [box, handler] : boxHandlers)
        connect(fields_->box(box), &QCheckBox::stateChanged, this, [this, handler = handler] { (this->*handler)(); });

    for (std::size_t i = 0; i < textFieldNames.size(); ++i) {
        const auto field = static_cast<TextField>(i);
        if (normaliseRuleFor(field))
            fields_->edit(field)->onLeftForControl([this, field] { field_LostFocus(field); });
    }
}

void FrmLumetra::Form_Load()
{
    pi_ = computePi();
    controls_.find("btnCalculate")->second->setFocus();
}

void FrmLumetra::btnCalculate_Click()
{
    try {
        if (value(CheckBox::chkArmadillo2Max) == Ticked)
            armadilloToMax(*fields_, pi_);
        else
            maxToArmadillo(*fields_, *messages_, pi_);
    } catch (const Fault& fault) {
        // The window stays open: closing it would throw away everything the user typed.
        messages_->showMessage("Unexpected Calculation Error: " + fault.description() + " (" + callText(fault.number()) + ")");
    }
}

void FrmLumetra::btnExit_Click() { Exit_Lumetra(); }

void FrmLumetra::Command1_Click() {}

void FrmLumetra::Exit_Lumetra() { close(); }

int FrmLumetra::value(CheckBox box) const { return fields_->value(box); }

void FrmLumetra::setValue(CheckBox box, int value) { fields_->box(box)->setValue(value); }

void FrmLumetra::setLook(std::initializer_list<TextField> group, bool readOnly)
{
    for (TextField field : group)
        fields_->edit(field)->setLookOf(readOnly ? Look::ReadOnly : Look::Editable);
}

}  // namespace lumetra::ui
