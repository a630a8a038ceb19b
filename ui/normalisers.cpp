// Leaving a numeric field for another control of the window tidies its number: clamped
// into the field's range, rounded, and rewritten in the field's fixed form, so Calculate
// always reads well-formed values. It runs for read-only fields too.

#include "field_edit.h"
#include "frm_lumetra.h"
#include "normalise.h"

namespace lumetra::ui {

void FrmLumetra::field_LostFocus(TextField field)
{
    const NormaliseRule* rule = normaliseRuleFor(field);
    FieldEdit* edit = fields_->edit(field);
    try {
        edit->writeText(QString::fromStdString(normalise(*rule, edit->text().toStdString())));
    } catch (const Fault&) {
        // The text stays as typed so that the user can correct it.
        messages_->showMessage("The number in \"" + edit->accessibleName().toStdString() +
                               "\" is too large to calculate with.  Please enter a smaller number.");
    }
}

}  // namespace lumetra::ui
