#pragma once

#include <stdexcept>
#include <string_view>

namespace lumetra::ui {

// A failure of a Windows call, with Windows's own words for the reason it gives in
// GetLastError: what the user reads when the program could not start.
std::runtime_error windowsError(std::string_view what);

}  // namespace lumetra::ui
