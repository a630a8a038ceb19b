#pragma once

// Table rows of the window's tests print, and name their test cases, by their `name`.

#include <ostream>
#include <string>

namespace lumetra::ui::test {

// Each test file brings this into its own namespace, where lookup would not find it.
template <typename Row>
    requires requires(const Row& row) { std::string(row.name); }
void PrintTo(const Row& row, std::ostream* os)
{
    *os << row.name;
}

inline constexpr auto rowName = [](const auto& info) { return std::string(info.param.name); };

}  // namespace lumetra::ui::test
