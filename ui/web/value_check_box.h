#pragma once

#include <cstdint>

#include "fields.h"

namespace lumetra::ui {

// A check box of the page seen as a value: 0 clear, 1 ticked, 2 greyed (the browser's
// indeterminate state). The browser's own toggle on a click, the space bar or a screen
// reader's action is undone at once and reported as the user's click, so that the handlers
// alone decide, through showValue, what the box shows next.
class ValueCheckBox {
public:
    // The box as the window's markup shows it, with its stored value.
    ValueCheckBox(std::uintptr_t window, int row, BoxValue value) : window_(window), row_(row), value_(value) {}

    BoxValue value() const { return value_; }
    // Shows the value and reports nothing.
    void showValue(BoxValue value);
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);

private:
    std::uintptr_t window_;
    int row_;
    BoxValue value_;
    bool enabled_ = true;
};

}  // namespace lumetra::ui
