// Every field's normaliser over generated texts: what it writes lies in the field's range,
// has the field's form, is the clamped number rounded half-even and then formatted, and
// normalising it again changes nothing.

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>
#include <string>

#include "exact_decimal.h"
#include "generators.h"
#include "normalise.h"

namespace lumetra::property {
namespace {

// Each field's range and decimals, as the window documents them.
struct FieldRange {
    const char* name;
    TextField field;
    std::optional<double> lower, upper;
    int decimals;
};

constexpr FieldRange ranges[] = {
    {"Heading", TextField::txtHeading, 0.0, 359.9, 1},
    {"Pitch", TextField::txtPitch, 0.0, 89.9, 1},
    {"ArmadilloStrength", TextField::txtDilloStrength, 1.0, std::nullopt, 3},
    {"GridResolution", TextField::txtGridRes, 0.1, std::nullopt, 4},
    {"Distance", TextField::txtDistance, 1.0, std::nullopt, 6},
    {"GridSize", TextField::txtGridSize, 1.0, std::nullopt, 0},
    {"MaxStrength", TextField::txtMaxStrength, 0.1, std::nullopt, 6},
    {"ObjectScale", TextField::txtObjectScale, 0.1, std::nullopt, 6},
    {"X", TextField::txtX, std::nullopt, std::nullopt, 6},
    {"Y", TextField::txtY, std::nullopt, std::nullopt, 6},
    {"Z", TextField::txtZ, std::nullopt, std::nullopt, 6},
};

void PrintTo(const FieldRange& range, std::ostream* os) { *os << range.name; }

std::string printed(double x, int precision)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*g", precision, x);
    return buf;
}

// Texts a user might leave in the field: numbers about the bounds and far from them,
// ties at the field's decimals, and rubbish. None lies beyond the range of a double.
std::string typedText(Gen& gen, const FieldRange& range)
{
    const double sign = gen.chance(0.5) ? -1.0 : 1.0;
    switch (gen.between(0, 5)) {
    case 0: {
        const double bound = gen.chance(0.5) ? range.lower.value_or(0.0) : range.upper.value_or(100.0);
        return printed(bound + sign * gen.magnitude(-12.0, 1.0), gen.between(1, 17));
    }
    case 1:
        return printed(sign * gen.magnitude(-8.0, 12.0), gen.between(1, 17));
    case 2:  // a tie at the field's decimals
        return (sign < 0 ? "-" : "") + gen.digits(gen.between(1, 4)) + "." + gen.digits(range.decimals) + "5";
    case 3:
        return printed(sign * gen.magnitude(12.0, 300.0), gen.between(1, 17));
    case 4:
        return gen.pick<std::string>({"", "abc", "-", ".", "1,5", " 12.5 ft", "&H1F", "&O17", "1e", "2.5D1", "- 0"});
    default:
        return std::to_string(gen.between(-400, 400)) + gen.pick<std::string>({"", ".", ".0", "x"});
    }
}

double read(const std::string& text)
{
    double v = std::numeric_limits<double>::quiet_NaN();
    std::from_chars(text.data(), text.data() + text.size(), v);
    return v;
}

// Optional minus, whole digits without superfluous leading zeros, then exactly the decimals.
bool hasFieldForm(const std::string& text, int decimals)
{
    const std::size_t start = text.starts_with('-') ? 1 : 0;
    const std::size_t point = decimals > 0 ? text.find('.') : text.size();
    if (point == std::string::npos || point == start || text.size() - point != (decimals > 0 ? decimals + 1U : 0U))
        return false;
    const std::string whole = text.substr(start, point - start);
    const std::string fraction = decimals > 0 ? text.substr(point + 1) : "";
    const auto allDigits = [](const std::string& s) { return s.find_first_not_of("0123456789") == std::string::npos; };
    const bool zero = (whole + fraction).find_first_not_of('0') == std::string::npos;
    return allDigits(whole) && allDigits(fraction) && (whole.size() == 1 || whole[0] != '0') && !(start == 1 && zero);
}

class NormaliserProperty : public ::testing::TestWithParam<FieldRange> {};

TEST_P(NormaliserProperty, LandsInItsRangeInItsFormAndIsIdempotent)
{
    const FieldRange& range = GetParam();
    const NormaliseRule* rule = normaliseRuleFor(range.field);
    ASSERT_NE(rule, nullptr);
    Gen gen(100 + static_cast<std::uint64_t>(range.field));
    const std::size_t cases = caseCount(12'000);
    for (std::size_t i = 0; i < cases && !failed(); ++i) {
        const std::string typed = typedText(gen, range);
        const std::string once = normalise(*rule, typed);
        const double shown = read(once);
        SCOPED_TRACE("typed '" + typed + "', shown '" + once + "'");
        EXPECT_TRUE(hasFieldForm(once, range.decimals));
        EXPECT_GE(shown, range.lower.value_or(-std::numeric_limits<double>::max()));
        EXPECT_LE(shown, range.upper.value_or(std::numeric_limits<double>::max()));
        EXPECT_EQ(normalise(*rule, once), once);

        // Strict comparisons, the upper bound first: a clamped value is the bound itself.
        double x = parseNumber(typed).value();
        if (range.upper && x > *range.upper)
            x = *range.upper;
        else if (range.lower && x < *range.lower)
            x = *range.lower;
        EXPECT_EQ(once, roundThenFormatOracle(x, range.decimals));
    }
}

INSTANTIATE_TEST_SUITE_P(EveryField, NormaliserProperty, ::testing::ValuesIn(ranges),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lumetra::property
