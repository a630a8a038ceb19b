// Leaving a numeric field for another control of the window tidies its number: clamped
// into the field's range, rounded, and rewritten in the field's fixed form, so Calculate
// always reads well-formed values. It runs for read-only fields too.

#include "frm_lumetra.h"
#include "normalise.h"
#include "user_texts.h"
#include "window_description.h"

namespace lumetra::ui {

void FrmLumetra::LostFocus(TextField field)
{
    const FieldFacts* rule = normaliseRuleFor(field);
    if (rule == nullptr)
        return;
    try {
        window_.setText(field, normalise(*rule, window_.text(field)));
    } catch (const Fault&) {
        // The text stays as typed so that the user can correct it.
        window_.showMessage(texts::numberTooLarge(rowFor(field).accessibleName));
    }
}

}  // namespace lumetra::ui
