#pragma once

// How test failures show the window's values: box values as their numbers, looks by name.

#include <ostream>

#include "window.h"

namespace lumetra {
inline void PrintTo(BoxValue value, std::ostream* os) { *os << numberOf(value); }
}  // namespace lumetra

namespace lumetra::ui {
inline void PrintTo(Look look, std::ostream* os) { *os << (look == Look::ReadOnly ? "read-only" : "editable"); }
}  // namespace lumetra::ui
