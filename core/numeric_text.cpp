#include "numeric_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

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

// Converts collected characters; from_chars gives the correctly rounded double.
Num fromChars(const std::string& chars, std::chars_format format, bool tooLargeIfOutOfRange)
{
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(chars.data(), chars.data() + chars.size(), value, format);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        if (tooLargeIfOutOfRange)
            throw Fault(FaultKind::Overflow);
        return 0.0;
    }
    return value;
}

Num parseRadixInteger(Reader& in, bool hex)
{
    // Octal digits are regrouped into hexadecimal ones, three bits at a time, so that
    // both radixes convert through the same correctly rounded routine.
    std::string bits;
    std::string hexDigits;
    for (char c = in.peek();; c = in.peek()) {
        const char l = lower(c);
        if (hex && (isDigit(c) || (l >= 'a' && l <= 'f'))) {
            hexDigits += c;
        } else if (!hex && c >= '0' && c <= '7') {
            const int d = c - '0';
            bits += static_cast<char>('0' + ((d >> 2) & 1));
            bits += static_cast<char>('0' + ((d >> 1) & 1));
            bits += static_cast<char>('0' + (d & 1));
        } else {
            break;
        }
        in.next();
    }
    if (!hex) {
        bits.insert(0, (4 - bits.size() % 4) % 4, '0');
        for (std::size_t i = 0; i < bits.size(); i += 4) {
            const int nibble = (bits[i] - '0') * 8 + (bits[i + 1] - '0') * 4 + (bits[i + 2] - '0') * 2 + (bits[i + 3] - '0');
            hexDigits += "0123456789abcdef"[nibble];
        }
    }
    if (hexDigits.empty())
        return 0.0;
    return fromChars(hexDigits, std::chars_format::hex, true);
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
    const std::size_t leading = mantissa.find_first_of("123456789");
    if (leading == std::string::npos)
        return 0.0;
    // The decimal order of the leading digit tells an exponent that overflows from one
    // that underflows: from_chars reports both alike.
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const long long leadingOrder = leading < point ? static_cast<long long>(point - leading) - 1
                                                   : -static_cast<long long>(leading - point);

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
    const bool tooLarge = leadingOrder + exponent > 0;
    const Num magnitude = fromChars(mantissa, std::chars_format::general, tooLarge);
    // An underflow reads as an unsigned 0, as does "-0".
    if (magnitude == 0.0)
        return 0.0;
    return negative ? -magnitude : magnitude;
}

// Fixed-point text of the exact binary value of x, correctly rounded: to_chars sends exact
// ties to the even digit. The buffer holds the largest double with all the decimals used.
std::string fixedText(double x, int decimals)
{
    std::array<char, 400> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), x, std::chars_format::fixed, decimals);
    return std::string(buf.data(), res.ptr);
}

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
    std::array<char, 64> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), v, std::chars_format::scientific, 14);
    const std::string_view sci(buf.data(), static_cast<std::size_t>(res.ptr - buf.data()));
    const std::size_t e = sci.find('e');
    const bool negative = sci.front() == '-';
    std::string digits;
    for (char c : sci.substr(0, e))
        if (isDigit(c))
            digits += c;
    int exponent = 0;
    std::from_chars(sci.data() + e + (sci[e + 1] == '+' ? 2 : 1), sci.data() + sci.size(), exponent);
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
    const std::string text = fixedText(x.value(), decimals);
    double rounded = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), rounded);
    return rounded == 0.0 ? Num(0.0) : Num(rounded);
}

std::string formatFixed(Num x, Pattern pattern)
{
    const int decimals = decimalsOf(pattern);
    const double magnitude = std::fabs(x.value());
    std::string digits = fixedText(magnitude, decimals);
    if (isExactTie(magnitude, decimals)) {
        // to_chars sent the tie to the even digit; away from zero means the larger one.
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
    // Below that, the half-even rounding to_chars does is already the text that formatting
    // the rounded value would give, so one conversion serves both steps.
    std::string text = fixedText(x.value(), decimals);
    if (text.front() == '-' && isZeroText(text))
        text.erase(0, 1);
    return text;
}

}  // namespace lumetra
