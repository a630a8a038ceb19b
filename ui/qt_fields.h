#pragma once

#include <array>

#include "fields.h"

namespace lumetra::ui {

class FieldEdit;
class ValueCheckBox;

// Binds the field names of the conversions to the window's widgets.
class QtFields : public Fields {
public:
    QtFields(std::array<FieldEdit*, textFieldNames.size()> texts, std::array<ValueCheckBox*, checkBoxNames.size()> boxes)
        : texts_(texts), boxes_(boxes)
    {
    }

    std::string text(TextField field) const override;
    void setText(TextField field, const std::string& text) override;
    int value(CheckBox which) const override;

    FieldEdit* edit(TextField field) const { return texts_[static_cast<std::size_t>(field)]; }
    ValueCheckBox* box(CheckBox box) const { return boxes_[static_cast<std::size_t>(box)]; }

private:
    std::array<FieldEdit*, textFieldNames.size()> texts_;
    std::array<ValueCheckBox*, checkBoxNames.size()> boxes_;
};

}  // namespace lumetra::ui
