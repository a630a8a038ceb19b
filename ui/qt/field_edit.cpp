#include "field_edit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QValidator>

namespace lumetra::ui {

namespace {

// Refuses user input that would grow the text beyond the typing limit. A paste that is
// too long is cut to what fits; a text already over the limit (written by a handler)
// may still be shortened.
class TypingLimit : public QValidator {
public:
    explicit TypingLimit(FieldEdit* field) : QValidator(field), field_(field) {}

    State validate(QString& input, int& pos) const override
    {
        const int limit = field_->typingLimit();
        if (limit <= 0 || field_->writingByProgram() || input.size() <= limit)
            return Acceptable;
        const int allowed = std::max(limit, field_->committedLength());
        if (input.size() <= allowed)
            return Acceptable;
        const int excess = static_cast<int>(input.size()) - allowed;
        // What was inserted ends at the cursor; a replaced selection makes it longer than
        // the growth of the text.
        const int inserted = static_cast<int>(input.size()) - field_->committedLength() + field_->replacedLength();
        if (excess >= inserted || pos < excess)
            return Invalid;
        input.remove(pos - excess, excess);
        pos -= excess;
        return Acceptable;
    }

private:
    FieldEdit* field_;
};

}  // namespace

FieldEdit::FieldEdit(QWidget* parent) : QLineEdit(parent)
{
    setValidator(new TypingLimit(this));
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        committedLength_ = static_cast<int>(text.size());
    });
}

void FieldEdit::writeText(const QString& text)
{
    writingByProgram_ = true;
    setText(text);
    writingByProgram_ = false;
}

void FieldEdit::setLook(Look look)
{
    setReadOnly(look == Look::ReadOnly);
    applyBackColor();
}

void FieldEdit::applyBackColor()
{
    QPalette p = palette();
    p.setBrush(QPalette::Base, QApplication::palette(this).brush(backColor()));
    setPalette(p);
}

void FieldEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // By the time the field hears of it, the application already names the new focus.
    const QWidget* next = QApplication::focusWidget();
    if (next && next != this && next->window() == window() && leftForControl_)
        leftForControl_();
}

void FieldEdit::keyPressEvent(QKeyEvent* event)
{
    replacedLength_ = static_cast<int>(selectedText().size());
    QLineEdit::keyPressEvent(event);
    replacedLength_ = 0;
}

void FieldEdit::inputMethodEvent(QInputMethodEvent* event)
{
    replacedLength_ = static_cast<int>(selectedText().size());
    QLineEdit::inputMethodEvent(event);
    replacedLength_ = 0;
}

void FieldEdit::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::ApplicationPaletteChange)
        applyBackColor();
}

}  // namespace lumetra::ui
