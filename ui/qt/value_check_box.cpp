#include "value_check_box.h"

namespace lumetra::ui {

namespace {

// Qt numbers its states differently: PartiallyChecked is 1 and Checked is 2.
Qt::CheckState stateOf(BoxValue value)
{
    return value == Clear ? Qt::Unchecked : value == Ticked ? Qt::Checked : Qt::PartiallyChecked;
}

}  // namespace

void ValueCheckBox::showValue(BoxValue value)
{
    shown_ = value;
    showing_ = true;
    setCheckState(stateOf(value));
    showing_ = false;
}

void ValueCheckBox::nextCheckState()
{
    if (userClick_)
        userClick_();
}

void ValueCheckBox::checkStateSet()
{
    QCheckBox::checkStateSet();
    if (showing_ || checkState() == stateOf(shown_))
        return;
    showValue(shown_);
    if (userClick_)
        userClick_();
}

}  // namespace lumetra::ui
