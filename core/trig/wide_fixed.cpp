#include "wide_fixed.h"

#include <bit>

#include "bits.h"
#include "float_environment.h"

namespace lumetra::trig {

namespace {

constexpr int bitsPerWord = 64;

}  // namespace

WideFixed::WideFixed(Width width) : words_(width.words) {}

WideFixed WideFixed::of(double x, Width width)
{
    WideFixed v(width);
    v.negative_ = (bitsOf(x) >> 63) != 0;
    const Binary b = binaryOf(x);
    if (b.m == 0)
        return v;
    // Bit g of the number, counted from the top of the integer word, has weight 2^(63 - g);
    // the lowest bit of m goes to g = 63 - e.
    const int g = 63 - b.e;
    const int lowWord = g / bitsPerWord;
    const Wide128 placed = static_cast<Wide128>(b.m) << (bitsPerWord - 1 - g % bitsPerWord);
    if (lowWord <= width.words)
        v.at(lowWord) = static_cast<std::uint64_t>(placed);
    if (lowWord >= 1 && lowWord - 1 <= width.words)
        v.at(lowWord - 1) = static_cast<std::uint64_t>(placed >> bitsPerWord);
    return v;
}

bool WideFixed::isZero() const
{
    for (int i = 0; i <= words_; ++i)
        if (word(i) != 0)
            return false;
    return true;
}

WideFixed WideFixed::operator-() const
{
    WideFixed v = *this;
    v.negative_ = !negative_;
    return v;
}

WideFixed WideFixed::abs() const
{
    WideFixed v = *this;
    v.negative_ = false;
    return v;
}

int WideFixed::compareMagnitude(const WideFixed& b) const
{
    for (int i = 0; i <= words_; ++i) {
        const std::uint64_t x = word(i);
        const std::uint64_t y = b.word(i);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return 0;
}

void WideFixed::addMagnitude(const WideFixed& b)
{
    std::uint64_t carry = 0;
    for (int i = words_; i >= 0; --i) {
        const Wide128 s = static_cast<Wide128>(word(i)) + b.word(i) + carry;
        at(i) = static_cast<std::uint64_t>(s);
        carry = static_cast<std::uint64_t>(s >> bitsPerWord);
    }
}

void WideFixed::subtractMagnitude(const WideFixed& b)
{
    std::uint64_t borrow = 0;
    for (int i = words_; i >= 0; --i) {
        const std::uint64_t x = word(i);
        const std::uint64_t y = b.word(i);
        const std::uint64_t d = x - y - borrow;
        borrow = (x < y || (x == y && borrow != 0)) ? 1 : 0;
        at(i) = d;
    }
}

WideFixed operator+(const WideFixed& a, const WideFixed& b)
{
    WideFixed v = a;
    if (a.negative_ == b.negative_) {
        v.addMagnitude(b);
    } else if (a.compareMagnitude(b) >= 0) {
        v.subtractMagnitude(b);
    } else {
        v = b;
        v.subtractMagnitude(a);
    }
    if (v.isZero())
        v.negative_ = false;
    return v;
}

WideFixed operator-(const WideFixed& a, const WideFixed& b) { return a + (-b); }

WideFixed operator*(const WideFixed& a, const WideFixed& b)
{
    // The whole product, word k of it with weight 2^(64 - 64k), then cut after the last word.
    // Rows from the least significant word of a up: row i adds into words i + 1 to i + n + 1,
    // which the rows before it have set, and leaves its carry as word i, which none has.
    const int n = a.words_;
    // Not cleared first: the words the rows read are those set above or by an earlier row.
    std::array<std::uint64_t, 2 * WideFixed::maxWords + 3> full;  // NOLINT(cppcoreguidelines-pro-type-member-init)
    for (int k = n + 1; k <= 2 * n + 1; ++k)
        full[static_cast<std::size_t>(k)] = 0;
    for (int i = n; i >= 0; --i) {
        const std::uint64_t ai = a.word(i);
        std::uint64_t carry = 0;
        for (int j = n; j >= 0; --j) {
            const std::size_t k = static_cast<std::size_t>(i) + static_cast<std::size_t>(j) + 1;
            const Wide128 p = static_cast<Wide128>(ai) * b.word(j) + full[k] + carry;
            full[k] = static_cast<std::uint64_t>(p);
            carry = static_cast<std::uint64_t>(p >> bitsPerWord);
        }
        full[static_cast<std::size_t>(i)] = carry;
    }
    WideFixed v(a.width());
    for (int i = 0; i <= n; ++i)
        v.at(i) = full[static_cast<std::size_t>(i) + 1];
    v.negative_ = (a.negative_ != b.negative_) && !v.isZero();
    return v;
}

WideFixed WideFixed::times(std::uint64_t m) const
{
    WideFixed v = *this;
    std::uint64_t carry = 0;
    for (int i = words_; i >= 0; --i) {
        const Wide128 p = static_cast<Wide128>(word(i)) * m + carry;
        v.at(i) = static_cast<std::uint64_t>(p);
        carry = static_cast<std::uint64_t>(p >> bitsPerWord);
    }
    return v;
}

WideFixed WideFixed::dividedBy(std::uint64_t d) const
{
    WideFixed v = *this;
    Wide128 rest = 0;
    for (int i = 0; i <= words_; ++i) {
        const Wide128 cur = (rest << bitsPerWord) | word(i);
        v.at(i) = static_cast<std::uint64_t>(cur / d);
        rest = cur % d;
    }
    if (v.isZero())
        v.negative_ = false;
    return v;
}

WideFixed WideFixed::shiftedRight(int bits) const
{
    WideFixed v(width());
    v.negative_ = negative_;
    const int wordShift = bits / bitsPerWord;
    const int bitShift = bits % bitsPerWord;
    for (int i = words_; i >= 0; --i) {
        const int from = i - wordShift;
        if (from < 0)
            break;
        std::uint64_t w = word(from) >> bitShift;
        if (bitShift != 0 && from > 0)
            w |= word(from - 1) << (bitsPerWord - bitShift);
        v.at(i) = w;
    }
    if (v.isZero())
        v.negative_ = false;
    return v;
}

double WideFixed::nearestDouble() const
{
    int top = 0;
    while (top <= words_ && word(top) == 0)
        ++top;
    if (top > words_)
        return negative_ ? -0.0 : 0.0;
    // The 64 bits from the leading one down, and whether anything below them is set.
    const int up = std::countl_zero(word(top));
    const Wide128 pair = (static_cast<Wide128>(word(top)) << bitsPerWord) | (top < words_ ? word(top + 1) : 0);
    const auto window = static_cast<std::uint64_t>(pair >> (bitsPerWord - up));
    bool sticky = static_cast<std::uint64_t>(pair << up) != 0;
    for (int i = top + 2; i <= words_ && !sticky; ++i)
        sticky = word(i) != 0;
    std::uint64_t significand = window >> 11;
    const std::uint64_t rest = window & 0x7ff;
    // The weight of the leading one is 2^exponent.
    int exponent = (bitsPerWord - 1 - up) - bitsPerWord * top;
    if (rest > 0x400 || (rest == 0x400 && (sticky || (significand & 1) != 0)))
        ++significand;
    if (significand == (std::uint64_t{1} << 53)) {
        significand >>= 1;
        ++exponent;
    }
    const int biased = exponent + 1023;
    const std::uint64_t bits = (negative_ ? std::uint64_t{1} << 63 : 0) | (static_cast<std::uint64_t>(biased) << 52) |
                               (significand & ((std::uint64_t{1} << 52) - 1));
    return doubleOf(bits);
}

std::optional<double> WideFixed::nearestDoubleWithin(const WideFixed& error) const
{
    const double low = (*this - error).nearestDouble();
    const double high = (*this + error).nearestDouble();
    if (low != high)
        return std::nullopt;
    return low;
}

double WideFixed::approx() const
{
    double v = 0.0;
    double scale = 1.0;
    for (int i = 0; i <= words_ && i < 3; ++i) {
        v += static_cast<double>(word(i)) * scale;
        scale *= 0x1p-64;
    }
    return negative_ ? -v : v;
}

WideFixed reciprocal(const WideFixed& d)
{
    WideFixed one(d.width());
    one.setWord(0, 1);
    WideFixed g = WideFixed::of(1.0 / d.approx(), d.width());
    // Each step squares the relative error, which starts near 2^-50.
    for (int bits = 50; bits < bitsPerWord * (d.words() + 1); bits *= 2)
        g = g + g * (one - d * g);
    return g;
}

}  // namespace lumetra::trig
