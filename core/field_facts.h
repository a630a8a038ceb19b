#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "armadillo.h"
#include "fields.h"
#include "numeric_text.h"

namespace lumetra {

// How a conversion writes a computed value into a field: rounded half-even to the pattern's
// decimals, then in the pattern; or so rounded, then in general number form, as the grid size
// is (a size from 1E15 up reads in exponent form there).
enum class ResultForm { Pattern, General };

// All that the program holds about one text field, in one row: how its normaliser clamps the
// number (the upper bound tested first, both strictly; a clamped value becomes exactly the
// bound), the pattern the field is written in, by its normaliser and by a conversion alike;
// how many characters the user may type (0: any number), the text the window opens with, and
// the form a conversion writes its result in. The window's description takes the typing
// limit and the start text from here.
struct FieldFacts {
    TextField field{};
    std::optional<double> upper;
    std::optional<double> lower;
    std::optional<Pattern> pattern;  // none: shown in general number form, never normalised
    int typingLimit = 0;
    std::string_view startText;
    ResultForm resultForm = ResultForm::Pattern;
};

// In the order of the TextField list, so a field's row is found by its number.
inline constexpr std::array<FieldFacts, textFieldNames.size()> fieldFacts{{
    // field, upper bound, lower bound, pattern, typing limit, start text[, result form]
    {TextField::txtHeading, 359.9, 0.0, Pattern::OneDecimal, 5, "90.0"},
    {TextField::txtPitch, steepestPitch, 0.0, Pattern::OneDecimal, 4, "45.0"},
    {TextField::txtDilloStrength, std::nullopt, 1.0, Pattern::ThreeDecimals, 8, "40.000"},
    {TextField::txtGridRes, std::nullopt, 0.1, Pattern::FourDecimals, 6, "3.0000"},
    {TextField::txtDistance, std::nullopt, 1.0, Pattern::SixDecimals, 12, "1000.000000"},
    {TextField::txtObjectScale, std::nullopt, 0.1, Pattern::SixDecimals, 11, "33.333333"},
    {TextField::txtGridSize, std::nullopt, 1.0, Pattern::Whole, 4, "256", ResultForm::General},
    {TextField::txtMaxStrength, std::nullopt, 0.1, Pattern::SixDecimals, 11, "13.333333"},
    {TextField::txtX, std::nullopt, std::nullopt, Pattern::SixDecimals, 0, "0.000000"},
    {TextField::txtY, std::nullopt, std::nullopt, Pattern::SixDecimals, 0, "707.106781"},
    {TextField::txtZ, std::nullopt, std::nullopt, Pattern::SixDecimals, 0, "707.106781"},
    {TextField::txtCalcHeading, std::nullopt, std::nullopt, std::nullopt, 6, ""},
    {TextField::txtCalcPitch, std::nullopt, std::nullopt, std::nullopt, 4, ""},
}};

constexpr const FieldFacts& factsOf(TextField field) { return fieldFacts[static_cast<std::size_t>(field)]; }

// The pattern of a field that has one; naming a field without one stops the build where the
// call is evaluated then, and throws otherwise.
constexpr Pattern patternOf(TextField field)
{
    if (!factsOf(field).pattern)
        throw std::logic_error("the field is shown in general number form, not in a pattern");
    return *factsOf(field).pattern;
}

// The write of a computed value into its field: rounded half-even to the field's decimals and
// written in its result form.
inline void writeRounded(Fields& fields, TextField field, Num x)
{
    const Pattern pattern = patternOf(field);
    fields.setText(field, factsOf(field).resultForm == ResultForm::General ? numberText(roundHalfEven(x, decimalsOf(pattern)))
                                                                            : roundedText(x, pattern));
}

namespace detail {

// Whether text is written in the pattern: digits, a full stop only where the pattern has
// decimals, and then exactly that many digits.
constexpr bool inPattern(std::string_view text, Pattern pattern)
{
    const std::size_t point = text.find('.');
    const auto decimals = static_cast<std::size_t>(decimalsOf(pattern));
    if (decimals == 0 ? point != std::string_view::npos : (point == std::string_view::npos || point == 0))
        return false;
    const std::size_t digitsAfter = decimals == 0 ? 0 : text.size() - point - 1;
    if (digitsAfter != decimals)
        return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (i != point && (text[i] < '0' || text[i] > '9'))
            return false;
    return !text.empty();
}

constexpr bool factsHold()
{
    for (std::size_t i = 0; i < fieldFacts.size(); ++i) {
        const FieldFacts& row = fieldFacts[i];
        if (static_cast<std::size_t>(row.field) != i)
            return false;
        if (row.upper && row.lower && !(*row.lower < *row.upper))
            return false;
        if (!row.pattern && (row.upper || row.lower || !row.startText.empty()))
            return false;
        if (row.pattern && !inPattern(row.startText, *row.pattern))
            return false;
        if (row.typingLimit < 0 || (row.typingLimit > 0 && row.startText.size() > static_cast<std::size_t>(row.typingLimit)))
            return false;
    }
    return true;
}

}  // namespace detail

static_assert(detail::factsHold(),
              "each text field has one row, in list order; a field with bounds has a pattern, its lower bound "
              "lies below its upper one, and its start text is written in its pattern within its typing limit");

}  // namespace lumetra
