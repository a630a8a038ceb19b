#include "qt_fields.h"

#include "field_edit.h"
#include "value_check_box.h"

namespace lumetra::ui {

std::string QtFields::text(TextField field) const { return edit(field)->text().toStdString(); }

void QtFields::setText(TextField field, const std::string& text)
{
    edit(field)->writeText(QString::fromStdString(text));
}

int QtFields::value(CheckBox which) const { return box(which)->value(); }

}  // namespace lumetra::ui
