#pragma once

#include <cstdint>
#include <string>

#include "window.h"

namespace lumetra::ui {

// A single-line text field of the page, an <input>. Its typing limit is the element's
// maxLength, which the browser applies to what the user types or pastes and never to what a
// handler writes; read-only refuses typing but still takes the focus and lets the text be
// selected and copied; the two looks take the desktop's colours for a field and a button face
// (CSS system colours Field and ButtonFace).
class FieldEdit {
public:
    // The field as the window's markup shows it, with its stored look and typing limit.
    FieldEdit(std::uintptr_t window, int row) : window_(window), row_(row) {}

    std::string text() const;
    // Writes the text as a handler does: never cut to the typing limit.
    void writeText(const std::string& text);
    void setLook(Look look);

private:
    std::uintptr_t window_;
    int row_;
};

}  // namespace lumetra::ui
