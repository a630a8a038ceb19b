#pragma once

#include <string>
#include <string_view>

#include "field_facts.h"

namespace lumetra {

// A field's normaliser tidies its number when the user leaves it: clamp by the field's
// bounds, round half-even to the pattern's decimals, write in the pattern. The rule is the
// field's row of facts; nullptr for the two fields that are never normalised.
const FieldFacts* normaliseRuleFor(TextField field);

// The field's text after normalisation. Raises an Overflow fault for a number beyond
// the range of a double.
std::string normalise(const FieldFacts& rule, std::string_view text);

}  // namespace lumetra
