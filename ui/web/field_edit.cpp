#include "field_edit.h"

#include <cstdlib>
#include <memory>

#include "dom.h"

namespace lumetra::ui {

std::string FieldEdit::text() const
{
    const std::unique_ptr<char, decltype(&std::free)> text(lumetra_dom_text(window_, row_), &std::free);
    return text.get();
}

void FieldEdit::writeText(const std::string& text) { lumetra_dom_set_text(window_, row_, text.c_str()); }

void FieldEdit::setLook(Look look) { lumetra_dom_set_read_only(window_, row_, look == Look::ReadOnly); }

}  // namespace lumetra::ui
