#include "invariants.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace lumetra::fuzz {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Where a run of digits starting at `pos` ends.
std::size_t digitsEnd(std::string_view text, std::size_t pos)
{
    while (pos < text.size() && isDigit(text[pos]))
        ++pos;
    return pos;
}

std::string quoted(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x20 && u < 0x7f && c != '"' && c != '\\') {
            out += c;
        } else {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02x", u);
            out += buf;
        }
    }
    return out + "\"";
}

void fail(std::string_view context, std::string_view rule, std::string_view text)
{
    trap(context, std::string(rule) + ": " + quoted(text));
}

std::size_t significantDigits(std::string_view digits)
{
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string_view::npos ? 0 : digits.size() - first;
}

}  // namespace

void trap(std::string_view what, std::string_view detail)
{
    std::fprintf(stderr, "\n*** invariant failed in %.*s: %.*s\n", static_cast<int>(what.size()), what.data(),
                 static_cast<int>(detail.size()), detail.data());
    std::abort();
}

void checkFaultKind(const Fault& fault)
{
    const int number = fault.number();
    const bool known = (fault.kind() == FaultKind::InvalidOperation && number == 5) ||
                       (fault.kind() == FaultKind::Overflow && number == 6) ||
                       (fault.kind() == FaultKind::DivisionByZero && number == 11);
    if (!known)
        trap("fault", "unknown fault number " + std::to_string(number));
    if (fault.description().empty())
        trap("fault", "fault " + std::to_string(number) + " has no description");
}

void checkFixedText(std::string_view text, int decimals, std::string_view context)
{
    std::size_t pos = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (negative)
        ++pos;
    const std::size_t intEnd = digitsEnd(text, pos);
    if (intEnd == pos)
        fail(context, "no digit before the point", text);
    if (text[pos] == '0' && intEnd - pos > 1)
        fail(context, "superfluous leading zero", text);
    std::size_t end = intEnd;
    if (decimals > 0) {
        if (end >= text.size() || text[end] != '.')
            fail(context, "no decimal point", text);
        const std::size_t fracEnd = digitsEnd(text, end + 1);
        if (fracEnd - (end + 1) != static_cast<std::size_t>(decimals))
            fail(context, "wrong number of decimals, want " + std::to_string(decimals), text);
        end = fracEnd;
    }
    if (end != text.size())
        fail(context, "not a fixed-point number", text);
    if (negative && text.find_first_not_of("-0.") == std::string_view::npos)
        fail(context, "negative zero", text);
}

void checkGeneralText(std::string_view text, std::string_view context)
{
    if (text == "0")
        return;
    std::size_t pos = 0;
    if (!text.empty() && text[0] == '-')
        ++pos;
    const std::size_t intEnd = digitsEnd(text, pos);
    if (intEnd == pos)
        fail(context, "no digit before the point", text);
    std::string digits(text.substr(pos, intEnd - pos));
    std::size_t end = intEnd;
    if (end < text.size() && text[end] == '.') {
        const std::size_t fracEnd = digitsEnd(text, end + 1);
        if (fracEnd == end + 1)
            fail(context, "trailing decimal point", text);
        if (text[fracEnd - 1] == '0')
            fail(context, "trailing zero after the point", text);
        digits += text.substr(end + 1, fracEnd - end - 1);
        end = fracEnd;
    }
    if (significantDigits(digits) == 0)
        fail(context, "zero not written as 0", text);
    if (significantDigits(digits) > 15)
        fail(context, "more than 15 significant digits", text);
    if (end == text.size()) {
        if (text[pos] == '0' && intEnd - pos > 1)
            fail(context, "superfluous leading zero", text);
        const double magnitude = std::abs(valueOf(text));
        if (magnitude >= 1e15 || magnitude < 1e-4)
            fail(context, "plain form outside 1E-4 to 1E15", text);
        return;
    }
    if (intEnd - pos != 1 || text[pos] == '0')
        fail(context, "exponent form without one leading digit 1 to 9", text);
    if (text[end] != 'E' || end + 2 >= text.size() || (text[end + 1] != '+' && text[end + 1] != '-'))
        fail(context, "malformed exponent", text);
    const std::size_t expStart = end + 2;
    const std::size_t expEnd = digitsEnd(text, expStart);
    const std::size_t expDigits = expEnd - expStart;
    if (expEnd != text.size() || expDigits < 2 || expDigits > 3 || (expDigits == 3 && text[expStart] == '0'))
        fail(context, "exponent not of two or three digits", text);
    const int exponent = std::atoi(std::string(text.substr(expStart)).c_str());
    if (text[end + 1] == '+' ? exponent < 15 : exponent < 5)
        fail(context, "exponent form inside 1E-4 to 1E15", text);
}

double valueOf(std::string_view text) { return std::strtod(std::string(text).c_str(), nullptr); }

}  // namespace lumetra::fuzz
