#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "armadillo.h"
#include "fields.h"
#include "numeric_text.h"

namespace lumetra {

// How a field tidies its number when the user leaves it: clamp (the upper bound tested
// first, both strictly), round half-even to the pattern's decimals, write in the pattern.
struct NormaliseRule {
    TextField field{};
    std::optional<double> upper;
    std::optional<double> lower;
    Pattern pattern{};
};

inline constexpr std::array<NormaliseRule, 11> normaliseRules{{
    {TextField::txtHeading, 359.9, 0.0, Pattern::OneDecimal},
    {TextField::txtPitch, steepestPitch, 0.0, Pattern::OneDecimal},
    {TextField::txtDilloStrength, std::nullopt, 1.0, Pattern::ThreeDecimals},
    {TextField::txtGridRes, std::nullopt, 0.1, Pattern::FourDecimals},
    {TextField::txtDistance, std::nullopt, 1.0, Pattern::SixDecimals},
    {TextField::txtGridSize, std::nullopt, 1.0, Pattern::Whole},
    {TextField::txtMaxStrength, std::nullopt, 0.1, Pattern::SixDecimals},
    {TextField::txtObjectScale, std::nullopt, 0.1, Pattern::SixDecimals},
    {TextField::txtX, std::nullopt, std::nullopt, Pattern::SixDecimals},
    {TextField::txtY, std::nullopt, std::nullopt, Pattern::SixDecimals},
    {TextField::txtZ, std::nullopt, std::nullopt, Pattern::SixDecimals},
}};

// The rule of a field, or nullptr for the two fields that are never normalised.
const NormaliseRule* normaliseRuleFor(TextField field);

// The field's text after normalisation. Raises an Overflow fault for a number beyond
// the range of a double.
std::string normalise(const NormaliseRule& rule, std::string_view text);

}  // namespace lumetra
