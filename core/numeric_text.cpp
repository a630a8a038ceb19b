#include "numeric_text.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>

#include <fast_float/fast_float.h>
#include <fmt/compile.h>
#include <fmt/format.h>

namespace lumetra {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Walks the text while skipping blanks, which may stand anywhere.
class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    char peek()
    {
        while (pos_ < text_.size() && isBlank(text_[pos_]))
            ++pos_;
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }
    void next() { ++pos_; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// The correctly rounded double of decimal text, by the same reader on every platform (the
// C++ libraries of some do not read floating-point text at all). It reports no range error:
// a value beyond the largest double comes back as an infinity, one too small as a zero.
double readDecimal(std::string_view text)
{
    double value = 0.0;
    fast_float::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// Takes the bits of a whole number, most significant first, and keeps what rounding it to
// a double needs: the first 53 significant bits, the one after them and whether any other
// is set. The number may have any length, so only the count of bits grows.
class BinaryRounder {
public:
    explicit BinaryRounder(int bitsPerDigit) : bitsPerDigit_(bitsPerDigit) {}

    void push(unsigned digit)
    {
        for (int i = bitsPerDigit_ - 1; i >= 0; --i)
            pushBit(((digit >> i) & 1U) != 0);
    }

    // The double nearest the number, an exact tie going to the even one.
    Num value() const
    {
        if (length_ <= kept)
            return static_cast<double>(top_);  // exact below 2^53
        std::uint64_t mantissa = top_;
        std::size_t length = length_;
        if (half_ && (sticky_ || (mantissa & 1U) != 0)) {
            ++mantissa;
            if (mantissa == std::uint64_t{1} << kept) {
                mantissa >>= 1;
                ++length;
            }
        }
        // A number of 2^1024 or more, 1025 bits long, lies beyond the largest double.
        if (length > 1024)
            throw Fault(FaultKind::Overflow);
        // The value is 1.f * 2^(length - 1): the exponent and fraction fields of the double.
        constexpr std::uint64_t fraction = (std::uint64_t{1} << 52) - 1;
        const std::uint64_t bits = (static_cast<std::uint64_t>(length - 1 + 1023) << 52) | (mantissa & fraction);
        double result = 0.0;
        std::memcpy(&result, &bits, sizeof result);
        return result;
    }

private:
    static constexpr std::size_t kept = 53;

    void pushBit(bool bit)
    {
        if (length_ == 0 && !bit)
            return;  // leading zeros
        if (length_ < kept)
            top_ = (top_ << 1) | (bit ? 1U : 0U);
        else if (length_ == kept)
            half_ = bit;
        else
            sticky_ = sticky_ || bit;
        ++length_;
    }

    int bitsPerDigit_;
    std::uint64_t top_ = 0;
    std::size_t length_ = 0;
    bool half_ = false;
    bool sticky_ = false;
};

Num parseRadixInteger(Reader& in, bool hex)
{
    BinaryRounder number(hex ? 4 : 3);
    for (char c = in.peek();; c = in.peek()) {
        const char l = lower(c);
        if (isDigit(c) && (hex || c <= '7'))
            number.push(static_cast<unsigned>(c - '0'));
        else if (hex && l >= 'a' && l <= 'f')
            number.push(static_cast<unsigned>(l - 'a' + 10));
        else
            break;
        in.next();
    }
    return number.value();
}

Num parseDecimal(Reader& in)
{
    std::string mantissa;
    bool negative = false;
    if (const char c = in.peek(); c == '+' || c == '-') {
        negative = c == '-';
        in.next();
    }
    bool seenPoint = false;
    for (char c = in.peek(); isDigit(c) || (c == '.' && !seenPoint); c = in.peek()) {
        seenPoint = seenPoint || c == '.';
        mantissa += c;
        in.next();
    }
    if (mantissa.find_first_of("123456789") == std::string::npos)
        return 0.0;

    long long exponent = 0;
    if (const char c = lower(in.peek()); c == 'e' || c == 'd') {
        in.next();
        bool expNegative = false;
        if (const char s = in.peek(); s == '+' || s == '-') {
            expNegative = s == '-';
            in.next();
        }
        // Any exponent beyond this is out of range whatever the mantissa.
        constexpr long long limit = 1'000'000'000;
        for (char d = in.peek(); isDigit(d); d = in.peek()) {
            if (exponent < limit)
                exponent = exponent * 10 + (d - '0');
            in.next();
        }
        if (expNegative)
            exponent = -exponent;
    }

    if (exponent != 0) {
        mantissa += 'e';
        mantissa += std::to_string(exponent);
    }
    // An infinity, a number beyond the largest double, raises Overflow as the checked
    // value is made.
    const Num magnitude = readDecimal(mantissa);
    // An underflow reads as an unsigned 0, as does "-0".
    if (magnitude == 0.0)
        return 0.0;
    return negative ? -magnitude : magnitude;
}

// Fixed-point text of the exact binary value of x, correctly rounded, an exact tie going to
// the even digit; fmt writes it with its own arithmetic, so every platform gets these digits.
// Formats compiled in: only the code for doubles in these two forms reaches the program, which
// keeps the browser edition small. A value and a count of decimals are not two of a kind:
// NOLINTNEXTLINE(bugprone-easily-swappable-parameters)
std::string fixedText(double x, int decimals) { return fmt::format(FMT_COMPILE("{:.{}f}"), x, decimals); }

bool isZeroText(std::string_view text) { return text.find_first_not_of("-0.") == std::string_view::npos; }

bool isExactTie(double magnitude, int decimals)
{
    // A tie at n decimals is a value with exactly n + 1 decimals, the last one a 5.
    // Such a value is a multiple of 2^-(n+1), which scaling by 2^(n+1) reveals exactly.
    const double scaled = std::ldexp(magnitude, decimals + 1);
    if (scaled != std::floor(scaled) || !std::isfinite(scaled))
        return false;
    return fixedText(magnitude, decimals + 1).back() == '5';
}

// Adds one unit in the last place to a decimal digit string such as "12.99".
void incrementLastDigit(std::string& digits)
{
    for (std::size_t i = digits.size(); i-- > 0;) {
        if (digits[i] == '.')
            continue;
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(0, 1, '1');
}

}  // namespace

Num parseNumber(std::string_view text)
{
    Reader in(text);
    if (in.peek() == '&') {
        in.next();
        const char radix = lower(in.peek());
        if (radix == 'h' || radix == 'o') {
            in.next();
            return parseRadixInteger(in, radix == 'h');
        }
        return 0.0;
    }
    return parseDecimal(in);
}

std::string numberText(Num x)
{
    const double v = x.value();
    if (v == 0.0)
        return "0";
    // d.dddddddddddddde+dd: the 15 significant digits, correctly rounded, and the exponent.
    const std::string sci = fmt::format(FMT_COMPILE("{:.14e}"), v);
    const std::size_t e = sci.find('e');
    const bool negative = sci.front() == '-';
    std::string digits;
    for (char c : std::string_view(sci).substr(0, e))
        if (isDigit(c))
            digits += c;
    int exponent = 0;
    for (std::size_t i = e + 2; i < sci.size(); ++i)
        exponent = exponent * 10 + (sci[i] - '0');
    if (sci[e + 1] == '-')
        exponent = -exponent;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out = negative ? "-" : "";
    if (exponent >= 15 || exponent < -4) {
        out += digits[0];
        if (digits.size() > 1) {
            out += '.';
            out.append(digits, 1);
        }
        out += exponent < 0 ? "E-" : "E+";
        const int absExp = exponent < 0 ? -exponent : exponent;
        if (absExp < 10)
            out += '0';
        out += std::to_string(absExp);
    } else if (exponent < 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
    } else {
        const auto intLen = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= intLen) {
            out += digits;
            out.append(intLen - digits.size(), '0');
        } else {
            out.append(digits, 0, intLen);
            out += '.';
            out.append(digits, intLen);
        }
    }
    return out;
}

Num roundHalfEven(Num x, int decimals)
{
    const double rounded = readDecimal(fixedText(x.value(), decimals));
    return rounded == 0.0 ? Num(0.0) : Num(rounded);
}

std::string formatFixed(Num x, Pattern pattern)
{
    const int decimals = decimalsOf(pattern);
    const double magnitude = std::fabs(x.value());
    std::string digits = fixedText(magnitude, decimals);
    if (isExactTie(magnitude, decimals)) {
        // fmt sent the tie to the even digit; away from zero means the larger one.
        digits = fixedText(magnitude, decimals + 1);
        digits.pop_back();
        if (digits.back() == '.')
            digits.pop_back();
        incrementLastDigit(digits);
    }
    if (x.value() < 0.0 && !isZeroText(digits))
        digits.insert(0, 1, '-');
    return digits;
}

std::string roundedText(Num x, Pattern pattern)
{
    // Once the spacing of doubles reaches the pattern's last decimal, the rounded value can
    // itself be a tie that formatting rounds once more, so both steps are taken there.
    const int decimals = decimalsOf(pattern);
    constexpr std::array<double, 7> powersOfTen{1.0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6};
    if (std::fabs(x.value()) * powersOfTen[static_cast<std::size_t>(decimals)] >= 0x1p52)
        return formatFixed(roundHalfEven(x, decimals), pattern);
    // Below that, the half-even rounding fmt does is already the text that formatting
    // the rounded value would give, so one conversion serves both steps.
    std::string text = fixedText(x.value(), decimals);
    if (text.front() == '-' && isZeroText(text))
        text.erase(0, 1);
    return text;
}

}  // namespace lumetra
