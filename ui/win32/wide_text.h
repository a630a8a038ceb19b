#pragma once

// Field texts travel as UTF-8 through the handlers and as UTF-16 through the W functions.

#include <string>
#include <string_view>

namespace lumetra::ui {

std::wstring wideText(std::string_view utf8);
std::string utf8Text(std::wstring_view wide);

}  // namespace lumetra::ui
