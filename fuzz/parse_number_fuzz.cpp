// Feeds arbitrary bytes to parseNumber as a field's text, then writes the value it read
// with every text routine of the core.
//
// Checks: the only fault is Overflow; the value is finite and never a negative zero; blanks
// anywhere make no difference; a text that is one plain decimal, hexadecimal or octal
// number reads as the C library reads it (correctly rounded); and the general and
// fixed-point texts of the value are well formed, never a negative zero, and as close to
// the value as their digits allow.

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "invariants.h"
#include "numeric_text.h"

using namespace lumetra;
using namespace lumetra::fuzz;

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isHexDigit(char c) { return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

struct Reading {
    std::optional<FaultKind> fault;
    double value = 0.0;
};

Reading read(std::string_view text)
{
    Reading r;
    r.fault = runChecked("parseNumber", [&] { r.value = parseNumber(text).value(); });
    if (r.fault && *r.fault != FaultKind::Overflow)
        trap("parseNumber", "raised a fault other than Overflow");
    if (!r.fault && !std::isfinite(r.value))
        trap("parseNumber", "returned an infinity or NaN without a fault");
    if (!r.fault && r.value == 0.0 && std::signbit(r.value))
        trap("parseNumber", "returned a negative zero");
    return r;
}

std::string withoutBlanks(std::string_view text)
{
    std::string out;
    for (const char c : text)
        if (c != ' ' && c != '\t' && c != '\n')
            out += c;
    return out;
}

// [+-]? (digits [. digits?] | . digits) ([eEdD] [+-]? digits)?, the whole text.
bool isPlainDecimal(std::string_view s)
{
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t mantissaDigits = 0;
    while (i < s.size() && isDigit(s[i]))
        ++i, ++mantissaDigits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i]))
            ++i, ++mantissaDigits;
    }
    if (mantissaDigits == 0)
        return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        std::size_t expDigits = 0;
        while (i < s.size() && isDigit(s[i]))
            ++i, ++expDigits;
        if (expDigits == 0)
            return false;
    }
    return i == s.size();
}

void expectLibraryValue(const Reading& got, double want, bool overflowed, bool underflowed, std::string_view form)
{
    if (overflowed) {
        if (!got.fault)
            trap(form, "a number beyond the range of a double read without an Overflow fault");
        return;
    }
    if (got.fault)
        trap(form, "an Overflow fault for a number that a double holds");
    if (underflowed && (got.value == 0.0 || got.value == want))
        return;
    if (want == 0.0 ? got.value != 0.0 : got.value != want)
        trap(form, "value differs from the correctly rounded one");
}

void checkAgainstLibrary(const std::string& s, const Reading& got)
{
    if (isPlainDecimal(s)) {
        std::string c = s;
        for (char& ch : c)
            if (ch == 'd' || ch == 'D')
                ch = 'e';
        errno = 0;
        const double want = std::strtod(c.c_str(), nullptr);
        const bool range = errno == ERANGE;
        expectLibraryValue(got, want, range && std::isinf(want), range && !std::isinf(want), "decimal text");
        return;
    }
    if (s.size() < 2 || s[0] != '&')
        return;
    const char radix = s[1];
    const std::string digits = s.substr(2);
    if (radix == 'h' || radix == 'H') {
        for (const char c : digits)
            if (!isHexDigit(c))
                return;
        if (digits.empty()) {
            expectLibraryValue(got, 0.0, false, false, "hexadecimal text");
            return;
        }
        errno = 0;
        const double want = std::strtod(("0x" + digits).c_str(), nullptr);
        expectLibraryValue(got, want, errno == ERANGE && std::isinf(want), false, "hexadecimal text");
    } else if (radix == 'o' || radix == 'O') {
        for (const char c : digits)
            if (c < '0' || c > '7')
                return;
        if (digits.empty()) {
            expectLibraryValue(got, 0.0, false, false, "octal text");
            return;
        }
        errno = 0;
        const unsigned long long n = std::strtoull(digits.c_str(), nullptr, 8);
        if (errno == ERANGE)
            return;
        expectLibraryValue(got, static_cast<double>(n), false, false, "octal text");
    }
}

double ulp(double x) { return std::nextafter(std::fabs(x), INFINITY) - std::fabs(x); }

void checkTexts(double x)
{
    const std::string general = numberText(x);
    checkGeneralText(general, "numberText");
    // Read back in long double: fifteen digits of the largest doubles lie beyond a double's range.
    const long double back = std::strtold(general.c_str(), nullptr);
    if (std::fabs(back - static_cast<long double>(x)) > 5e-15L * std::fabs(x) + ulp(x))
        trap("numberText", "text " + general + " is further from the value than 15 digits allow");

    for (const Pattern p :
         {Pattern::Whole, Pattern::OneDecimal, Pattern::ThreeDecimals, Pattern::FourDecimals, Pattern::SixDecimals}) {
        const int n = decimalsOf(p);
        const double halfUnit = 0.5 * std::pow(10.0, -n) * (1 + 1e-9);

        const std::string rounded = roundedText(x, p);
        checkFixedText(rounded, n, "roundedText");
        if (std::fabs(valueOf(rounded) - x) > halfUnit + 2 * ulp(x))
            trap("roundedText", "text " + rounded + " is further than half a unit from the value");

        const double r = roundHalfEven(x, n).value();
        if (!std::isfinite(r) || (r == 0.0 && std::signbit(r)))
            trap("roundHalfEven", "an infinity, NaN or negative zero");
        if (formatFixed(r, p) != rounded)
            trap("roundedText", "differs from formatFixed of roundHalfEven: " + rounded + " and " + formatFixed(r, p));

        const std::string fixed = formatFixed(x, p);
        checkFixedText(fixed, n, "formatFixed");
        if (std::fabs(valueOf(fixed) - x) > halfUnit + 2 * ulp(x))
            trap("formatFixed", "text " + fixed + " is further than half a unit from the value");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const Reading got = read(text);

    const std::string compact = withoutBlanks(text);
    const Reading again = read(compact);
    if (got.fault != again.fault || (!got.fault && got.value != again.value))
        trap("parseNumber", "removing the blanks changed the result");

    checkAgainstLibrary(compact, got);
    if (!got.fault)
        checkTexts(got.value);
    return 0;
}
