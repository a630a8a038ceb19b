#include "value_check_box.h"

namespace lumetra::ui {

ValueCheckBox::ValueCheckBox(HWND box, BoxValue value) : hwnd_(box) { showValue(value); }

// BST_UNCHECKED, BST_CHECKED and BST_INDETERMINATE are numbered as the values are.
BoxValue ValueCheckBox::value() const { return static_cast<BoxValue>(SendMessageW(hwnd_, BM_GETCHECK, 0, 0)); }

// BM_SETCHECK notifies nobody.
void ValueCheckBox::showValue(BoxValue value) { SendMessageW(hwnd_, BM_SETCHECK, static_cast<WPARAM>(numberOf(value)), 0); }

bool ValueCheckBox::enabled() const { return IsWindowEnabled(hwnd_) != FALSE; }

void ValueCheckBox::setEnabled(bool enabled) { EnableWindow(hwnd_, enabled); }

}  // namespace lumetra::ui
