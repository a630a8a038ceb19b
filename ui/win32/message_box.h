#pragma once

#include <windows.h>

#include "messages.h"

namespace lumetra::ui {

// A modal message box over the main window: the text, one OK button, no icon, and the
// application title as its caption.
class MessageBoxes : public Messages {
public:
    explicit MessageBoxes(HWND owner) : owner_(owner) {}
    void showMessage(const std::string& text) override;

    // Whether a message is up: a click that reaches the window meanwhile is not the user's.
    bool showing() const { return showing_; }

private:
    HWND owner_;
    bool showing_ = false;
};

}  // namespace lumetra::ui
