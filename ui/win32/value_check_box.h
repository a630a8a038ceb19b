#pragma once

#include <windows.h>

#include "fields.h"

namespace lumetra::ui {

// A check box seen as a value: 0 clear, 1 ticked, 2 greyed. It is not Windows's automatic
// kind, so a click or the space bar changes nothing by itself: Windows only reports it to
// the window, and the handlers alone decide, through showValue, what the box shows next.
class ValueCheckBox {
public:
    explicit ValueCheckBox(HWND box, BoxValue value);

    HWND handle() const { return hwnd_; }

    BoxValue value() const;
    // Shows the value and reports nothing.
    void showValue(BoxValue value);
    bool enabled() const;
    void setEnabled(bool enabled);

private:
    HWND hwnd_;
};

}  // namespace lumetra::ui
