// Every field's normaliser over generated texts: what it writes lies in the field's range,
// has the field's form, is the bound's own text when the number typed lies beyond that
// bound and otherwise the number rounded half-even and then formatted, and normalising it
// again changes nothing. The test knows the number of each text it types without the
// program's reader: it reads its own plain decimals with the standard library's reader,
// and the few other texts carry their number written by hand.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>
#include <string>

#include "documented_ranges.h"
#include "exact_decimal.h"
#include "generators.h"
#include "library_reader.h"
#include "normalise.h"

namespace lumetra::property {
namespace {

std::string printed(double x, int precision)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*g", precision, x);
    return buf;
}

// The whole text as a decimal number, by the standard library; NaN unless all of it reads.
double read(const std::string& text)
{
    const LibraryRead read = libraryRead(text);
    return read.error == std::errc{} && read.length == text.size() ? read.value : std::numeric_limits<double>::quiet_NaN();
}

struct Typed {
    std::string text;
    double value;
};

// Texts a user might leave in the field: numbers about the bounds and far from them,
// ties at the field's decimals, and rubbish. None lies beyond the range of a double.
Typed typedText(Gen& gen, const DocumentedRange& range)
{
    const double sign = gen.chance(0.5) ? -1.0 : 1.0;
    std::string text;
    switch (gen.between(0, 5)) {
    case 0: {
        const double bound = gen.chance(0.5) ? range.lower.value_or(0.0) : range.upper.value_or(100.0);
        text = printed(bound + sign * gen.magnitude(-12.0, 1.0), gen.between(1, 17));
        break;
    }
    case 1:
        text = printed(sign * gen.magnitude(-8.0, 12.0), gen.between(1, 17));
        break;
    case 2:  // a tie at the field's decimals
        text = (sign < 0 ? "-" : "") + gen.digits(gen.between(1, 4)) + "." + gen.digits(range.decimals) + "5";
        break;
    case 3:
        text = printed(sign * gen.magnitude(12.0, 300.0), gen.between(1, 17));
        break;
    case 4:  // the number at the start of each text, by the documented reading rules
        return gen.pick<Typed>({{"", 0.0}, {"abc", 0.0}, {"-", 0.0}, {".", 0.0}, {"1,5", 1.0}, {" 12.5 ft", 12.5},
                                {"&H1F", 31.0}, {"&O17", 15.0}, {"1e", 1.0}, {"2.5D1", 25.0}, {"- 0", -0.0}});
    default: {
        const int whole = gen.between(-400, 400);
        return {std::to_string(whole) + gen.pick<std::string>({"", ".", ".0", "x"}), static_cast<double>(whole)};
    }
    }
    return {text, read(text)};
}

// Strict comparisons, the upper bound first: a clamped number shows the bound's text.
std::string expectedShown(const DocumentedRange& range, double value)
{
    if (range.upper && value > *range.upper)
        return std::string(range.upperShown);
    if (range.lower && value < *range.lower)
        return std::string(range.lowerShown);
    return roundThenFormatOracle(value, range.decimals);
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

class NormaliserProperty : public ::testing::TestWithParam<DocumentedRange> {};

TEST_P(NormaliserProperty, LandsInItsRangeInItsFormAndIsIdempotent)
{
    const DocumentedRange& range = GetParam();
    const FieldFacts* rule = normaliseRuleFor(range.field);
    ASSERT_NE(rule, nullptr);
    Gen gen(100 + static_cast<std::uint64_t>(range.field));
    const std::size_t cases = caseCount(12'000);
    for (std::size_t i = 0; i < cases && !failed(); ++i) {
        const Typed typed = typedText(gen, range);
        const std::string once = normalise(*rule, typed.text);
        const double shown = read(once);
        SCOPED_TRACE("typed '" + typed.text + "', shown '" + once + "'");
        ASSERT_FALSE(std::isnan(typed.value)) << "the test cannot read its own text";
        EXPECT_TRUE(hasFieldForm(once, range.decimals));
        EXPECT_GE(shown, range.lower.value_or(-std::numeric_limits<double>::max()));
        EXPECT_LE(shown, range.upper.value_or(std::numeric_limits<double>::max()));
        EXPECT_EQ(normalise(*rule, once), once);
        EXPECT_EQ(once, expectedShown(range, typed.value));
    }
}

INSTANTIATE_TEST_SUITE_P(EveryField, NormaliserProperty, ::testing::ValuesIn(documentedRanges),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lumetra::property
