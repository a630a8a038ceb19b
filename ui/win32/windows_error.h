#pragma once

#include <stdexcept>
#include <string>

namespace lumetra::ui {

// A failure of a Windows call, with Windows's own words for the reason it gives in
// GetLastError: what the user reads when the program could not start.
std::runtime_error windowsError(const std::string& what);

}  // namespace lumetra::ui
