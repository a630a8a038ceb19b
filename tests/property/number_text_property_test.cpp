// The general text of a double: 15 significant digits, correctly rounded (ties to even),
// trailing zeros dropped, plain from 0.0001 up to below 1E15 and exponent form outside.
// The form follows the magnitude after rounding, so 999999999999999.5 is '1E+15'.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

#include "exact_decimal.h"
#include "generators.h"
#include "library_reader.h"
#include "numeric_text.h"

namespace lumetra::property {
namespace {

std::string expectedText(const Significant& s)
{
    if (s.digits.empty())
        return "0";
    std::string d = s.digits;
    d.erase(d.find_last_not_of('0') + 1);
    const std::string sign = s.negative ? "-" : "";
    const int e = s.exponent;
    if (e >= 15 || e < -4) {
        std::string power = std::to_string(std::abs(e));
        if (power.size() < 2)
            power.insert(0, 1, '0');
        return sign + d[0] + (d.size() > 1 ? "." + d.substr(1) : "") + "E" + (e < 0 ? "-" : "+") + power;
    }
    if (e < 0)
        return sign + "0." + std::string(static_cast<std::size_t>(-e - 1), '0') + d;
    const auto whole = static_cast<std::size_t>(e + 1);
    if (d.size() <= whole)
        return sign + d + std::string(whole - d.size(), '0');
    return sign + d.substr(0, whole) + "." + d.substr(whole);
}

// The double nearest the 15 digits, or nothing where they lie beyond the largest double.
std::optional<double> valueOf(const Significant& s)
{
    if (s.digits.empty())
        return 0.0;
    const std::string text = (s.negative ? "-" : "") + s.digits + "e" + std::to_string(s.exponent - 14);
    const LibraryRead read = libraryRead(text);
    if (read.error != std::errc{})
        return std::nullopt;
    return read.value;
}

int significantDigits(const std::string& text)
{
    const std::string mantissa = text.substr(0, text.find('E'));
    int count = 0;
    bool leading = true;
    for (char c : mantissa) {
        if (c < '0' || c > '9')
            continue;
        leading = leading && c == '0';
        count += leading ? 0 : 1;
    }
    return count;
}

double numberTextInput(Gen& gen)
{
    switch (gen.between(0, 6)) {
    case 0:
        return gen.anyFinite();
    case 1: {  // decimals of up to 17 digits, some of them exact at 15
        const std::string text = gen.digits(gen.between(1, 17)) + "e" + std::to_string(gen.between(-25, 25));
        return (gen.chance(0.5) ? -1.0 : 1.0) * std::strtod(text.c_str(), nullptr);
    }
    case 2: {  // a tie at the fifteenth digit: an odd 16-digit number halved, or one ending in 5
        const auto sixteen = static_cast<double>(1'000'000'000'000'000 + gen.bits() % 8'000'000'000'000'000);
        const double odd = std::fmod(sixteen, 2.0) == 0.0 ? sixteen + 1.0 : sixteen;
        return gen.chance(0.5) ? odd / 2.0 : std::floor(sixteen / 10.0) * 10.0 + 5.0;
    }
    case 3: {  // either side of the edges of the plain form
        const double edge = gen.pick({1e15, 1e-4, 999999999999999.5, 0.000099999999999999995, 1e14, 1e-5});
        double x = edge;
        for (int steps = gen.between(0, 3), i = 0; i < steps; ++i)
            x = std::nextafter(x, gen.chance(0.5) ? 0.0 : 1e300);
        return x;
    }
    case 4:
        return gen.signedMagnitude(-6.0, 16.0);
    case 5:  // headings and pitches, as the conversions write them
        return 180.0 - gen.decimal(3, 1);
    default:
        return std::numeric_limits<double>::max() * gen.uniform(0.999999999999999, 1.0);
    }
}

TEST(NumberTextProperty, WritesFifteenCorrectlyRoundedDigitsInTheDocumentedForm)
{
    Gen gen(5);
    const std::size_t cases = caseCount(100'000);
    for (std::size_t i = 0; i < cases && !failed(); ++i) {
        const double x = numberTextInput(gen);
        const std::string text = numberText(x);
        EXPECT_EQ(text, expectedText(significantOracle(x, 15))) << show(x);
        EXPECT_LE(significantDigits(text), 15) << show(x) << " written '" << text << "'";
    }
}

// The largest doubles round at 15 digits to 1.79769313486232E+308, beyond the largest
// double; their text reads back as an overflow, which is what reading it must then do.
TEST(NumberTextProperty, ReadsBackAsTheDoubleRoundedToFifteenDigits)
{
    Gen gen(6);
    const std::size_t cases = caseCount(100'000);
    for (std::size_t i = 0; i < cases && !failed(); ++i) {
        const double x = numberTextInput(gen);
        const std::string text = numberText(x);
        const std::optional<double> rounded = valueOf(significantOracle(x, 15));
        if (!rounded) {
            EXPECT_THROW(parseNumber(text), Fault) << show(x) << " written '" << text << "'";
            continue;
        }
        EXPECT_EQ(parseNumber(text).value(), *rounded) << show(x) << " written '" << text << "'";
    }
}

}  // namespace
}  // namespace lumetra::property
