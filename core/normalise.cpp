#include "normalise.h"

namespace lumetra {

const NormaliseRule* normaliseRuleFor(TextField field)
{
    // A plain loop hands back the element's address without an iterator-to-pointer step.
    for (const NormaliseRule& rule : normaliseRules)
        if (rule.field == field)  // cppcheck-suppress useStlAlgorithm
            return &rule;
    return nullptr;
}

std::string normalise(const NormaliseRule& rule, std::string_view text)
{
    Num x = parseNumber(text);
    if (rule.upper && x > *rule.upper)
        x = *rule.upper;
    else if (rule.lower && x < *rule.lower)
        x = *rule.lower;
    return roundedText(x, rule.pattern);
}

}  // namespace lumetra
