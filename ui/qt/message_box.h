#pragma once

#include "messages.h"

class QWidget;

namespace lumetra::ui {

// A modal message box over the main window: the text, one OK button, no icon, and the
// application title as its caption.
class MessageBoxes : public Messages {
public:
    explicit MessageBoxes(QWidget* owner) : owner_(owner) {}
    void showMessage(const std::string& text) override;

private:
    QWidget* owner_;
};

}  // namespace lumetra::ui
