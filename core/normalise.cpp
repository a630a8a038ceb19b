#include "normalise.h"

namespace lumetra {

const FieldFacts* normaliseRuleFor(TextField field)
{
    const FieldFacts& facts = factsOf(field);
    return facts.pattern ? &facts : nullptr;
}

std::string normalise(const FieldFacts& rule, std::string_view text)
{
    Num x = parseNumber(text);
    if (rule.upper && x > *rule.upper)
        x = *rule.upper;
    else if (rule.lower && x < *rule.lower)
        x = *rule.lower;
    return roundedText(x, patternOf(rule.field));
}

}  // namespace lumetra
