#include "value_check_box.h"

#include "fields.h"

namespace lumetra::ui {

// Qt numbers its states differently: PartiallyChecked is 1 and Checked is 2.
int ValueCheckBox::value() const
{
    switch (checkState()) {
    case Qt::Unchecked:
        return Clear;
    case Qt::Checked:
        return Ticked;
    case Qt::PartiallyChecked:
        return Greyed;
    }
    return Clear;
}

void ValueCheckBox::setValue(int value)
{
    setCheckState(value == Clear ? Qt::Unchecked : value == Ticked ? Qt::Checked : Qt::PartiallyChecked);
}

void ValueCheckBox::nextCheckState() { setValue(value() == Clear ? Ticked : Clear); }

}  // namespace lumetra::ui
