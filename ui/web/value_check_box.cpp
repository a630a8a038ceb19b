#include "value_check_box.h"

#include "dom.h"

namespace lumetra::ui {

void ValueCheckBox::showValue(BoxValue value)
{
    value_ = value;
    lumetra_dom_show_value(window_, row_, value != Clear, value == Greyed);
}

void ValueCheckBox::setEnabled(bool enabled)
{
    enabled_ = enabled;
    lumetra_dom_set_enabled(window_, row_, enabled);
}

}  // namespace lumetra::ui
