#pragma once

#include <QLineEdit>
#include <functional>

#include "window.h"

namespace lumetra::ui {

// A single-line text field with the program's own rules: a typing limit that applies only
// to what the user types or pastes (text written by a handler is never cut), two looks,
// and a notification when the focus moves from it to another control of the same window.
// Leaving for another window, a message box or the field's own context menu is not such a move.
class FieldEdit : public QLineEdit {
public:
    explicit FieldEdit(QWidget* parent);

    void setTypingLimit(int limit) { typingLimit_ = limit; }
    int typingLimit() const { return typingLimit_; }

    // Writes the text as a handler does: never cut to the typing limit.
    void writeText(const QString& text);

    // Read-only refuses typing; the background follows the desktop's palette, the text-field
    // base when editable and the button face when read-only.
    void setLook(Look look);
    QPalette::ColorRole backColor() const { return isReadOnly() ? QPalette::Button : QPalette::Base; }

    void onLeftForControl(std::function<void()> handler) { leftForControl_ = std::move(handler); }

    bool writingByProgram() const { return writingByProgram_; }
    int committedLength() const { return committedLength_; }
    // The length of the selection that the edit now being checked replaces.
    int replacedLength() const { return replacedLength_; }

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void applyBackColor();

    int typingLimit_ = 0;
    bool writingByProgram_ = false;
    int committedLength_ = 0;
    int replacedLength_ = 0;
    std::function<void()> leftForControl_;
};

}  // namespace lumetra::ui
