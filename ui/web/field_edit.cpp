#include "field_edit.h"

#include <cstdlib>
#include <memory>

#include "dom.h"

namespace lumetra::ui {

FieldEdit::FieldEdit(std::uintptr_t window, int row, int typingLimit, Look look) : window_(window), row_(row)
{
    lumetra_dom_set_typing_limit(window_, row_, typingLimit);
    setLook(look);
}

std::string FieldEdit::text() const
{
    const std::unique_ptr<char, decltype(&std::free)> text(lumetra_dom_text(window_, row_), &std::free);
    return text.get();
}

void FieldEdit::writeText(const std::string& text) { lumetra_dom_set_text(window_, row_, text.c_str()); }

void FieldEdit::setLook(Look look) { lumetra_dom_set_read_only(window_, row_, look == Look::ReadOnly); }

}  // namespace lumetra::ui
