#pragma once

#include <cstdint>

#include "messages.h"

namespace lumetra::ui {

// A modal message over the main window, a <dialog> of the page: the text, one OK button, no
// icon, and the application title as its caption. Nothing else in the page reacts until it
// is dismissed, and the handler that showed it goes on after that: the program sleeps in
// the meantime and the page runs on.
class MessageBoxes : public Messages {
public:
    explicit MessageBoxes(std::uintptr_t owner) : owner_(owner) {}
    void showMessage(const std::string& text) override;

private:
    std::uintptr_t owner_;
};

}  // namespace lumetra::ui
