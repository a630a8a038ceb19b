#pragma once

// Each normalised field's range as the window documents it: a number above the upper or
// below the lower bound (both strict) shows that bound's text; any other is rounded half-even
// to `decimals`. Written from the documentation, not from the program's own rows, so that a
// wrong rule in the program is found rather than taken as the truth. The property tests and
// the fuzz targets both check the normalisers against it.

#include <optional>
#include <ostream>
#include <string_view>

#include "fields.h"

namespace lumetra {

struct DocumentedRange {
    std::string_view name;
    TextField field;
    std::optional<double> lower, upper;
    std::string_view lowerShown, upperShown;
    int decimals;
};

inline constexpr DocumentedRange documentedRanges[] = {
    {"Heading", TextField::txtHeading, 0.0, 359.9, "0.0", "359.9", 1},
    {"Pitch", TextField::txtPitch, 0.0, 89.9, "0.0", "89.9", 1},
    {"ArmadilloStrength", TextField::txtDilloStrength, 1.0, std::nullopt, "1.000", "", 3},
    {"GridResolution", TextField::txtGridRes, 0.1, std::nullopt, "0.1000", "", 4},
    {"Distance", TextField::txtDistance, 1.0, std::nullopt, "1.000000", "", 6},
    {"GridSize", TextField::txtGridSize, 1.0, std::nullopt, "1", "", 0},
    {"MaxStrength", TextField::txtMaxStrength, 0.1, std::nullopt, "0.100000", "", 6},
    {"ObjectScale", TextField::txtObjectScale, 0.1, std::nullopt, "0.100000", "", 6},
    {"X", TextField::txtX, std::nullopt, std::nullopt, "", "", 6},
    {"Y", TextField::txtY, std::nullopt, std::nullopt, "", "", 6},
    {"Z", TextField::txtZ, std::nullopt, std::nullopt, "", "", 6},
};

// A row by its name in a test's output.
inline void PrintTo(const DocumentedRange& range, std::ostream* os) { *os << range.name; }

}  // namespace lumetra
