#include "trig_accurate.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>
#include <span>

#include "trig_tables.h"
#include "wide_fixed.h"

namespace lumetra::trig {

namespace {

__extension__ using Wide128 = unsigned __int128;

// The fraction words of each attempt: 128, 256, 512 and 1024 bits after the point.
constexpr std::array<Width, 4> precisions{{{2}, {4}, {8}, {16}}};

// A value, and how many units of its last word it may be off by.
struct Bounded {
    WideFixed value;
    std::uint64_t error = 0;
};

// |x| as m * 2^e with m an integer of 53 bits.
struct Binary {
    std::uint64_t m = 0;
    int e = 0;
};

Binary binaryOf(double x)
{
    const auto bits = std::bit_cast<std::uint64_t>(x);
    const auto biased = static_cast<int>((bits >> 52) & 0x7ff);
    return {(bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52), biased - 1075};
}

WideFixed halfPi(Width width) { return WideFixed::ofWords(tables::halfPiBits, width); }

WideFixed one(Width width)
{
    WideFixed v(width);
    v.setWord(0, 1);
    return v;
}

// The 64 bits of a little-endian big integer from bit `pos` up; bits below 0 read as 0.
std::uint64_t bitsFrom(std::span<const std::uint64_t> big, int pos)
{
    auto wordAt = [&](int i) {
        return i >= 0 && static_cast<std::size_t>(i) < big.size() ? big[static_cast<std::size_t>(i)] : std::uint64_t{0};
    };
    const int word = pos >= 0 ? pos / 64 : -((-pos + 63) / 64);
    const int shift = pos - 64 * word;
    if (shift == 0)
        return wordAt(word);
    return (wordAt(word) >> shift) | (wordAt(word + 1) << (64 - shift));
}

// x in [-pi/4, pi/4] plus a multiple of pi/2, for x > 0: x * 2/pi is formed from just the
// bits of 2/pi that matter, those from where the product's integer part passes 4 down to
// well below the last word (Payne and Hanek).
struct Reduction {
    Bounded r;
    unsigned quadrant = 0;
};

Reduction reduce(double x, Width width)
{
    const int words = width.words;
    const Binary b = binaryOf(x);
    // x * 2/pi = m * sum of bit_j * 2^(e - j) over the bits of 2/pi, bit j of weight 2^-j.
    // Bits with e - j >= 2 add multiples of 4; those beyond jHigh add less than a unit.
    const int jLow = std::max(1, b.e - 1);
    const int jHigh = b.e + 53 + 64 * words + 64;
    const int firstWord = (jLow - 1) / 64;
    const int lastWord = (jHigh - 1) / 64;
    // The product of m and those words, least significant word first.
    std::array<std::uint64_t, tables::twoOverPiBits.size() + 1> product{};
    const int count = lastWord - firstWord + 1;
    std::uint64_t carry = 0;
    for (int i = 0; i < count; ++i) {
        const Wide128 p = static_cast<Wide128>(tables::twoOverPiBits[static_cast<std::size_t>(lastWord - i)]) * b.m + carry;
        product[static_cast<std::size_t>(i)] = static_cast<std::uint64_t>(p);
        carry = static_cast<std::uint64_t>(p >> 64);
    }
    product[static_cast<std::size_t>(count)] = carry;
    // Bit `unit` of the product has weight 1.
    const int unit = 64 * (lastWord + 1) - b.e;
    const std::span<const std::uint64_t> bits(product.data(), static_cast<std::size_t>(count) + 1);
    auto quadrant = static_cast<unsigned>(bitsFrom(bits, unit) & 3);
    WideFixed fraction(width);
    for (int k = 1; k <= words; ++k)
        fraction.setWord(k, bitsFrom(bits, unit - 64 * k));
    // The nearest multiple of pi/2 leaves a fraction of at most a half either way.
    if ((fraction.word(1) >> 63) != 0) {
        quadrant = (quadrant + 1) & 3;
        fraction = fraction - one(width);
    }
    // The fraction is low by less than two units; pi/2 and the product lose one each.
    return {{fraction * halfPi(width), 5}, quadrant};
}

Reduction reduceAbs(double ax, Width width)
{
    if (ax < 0.78)
        return {{WideFixed::of(ax, width), 0}, 0};
    return reduce(ax, width);
}

// The Taylor series of sin r (from r) or cos r (from 1) for |r| <= pi/4: each term is the
// one before times -r^2 / (j (j + 1)), and loses at most a unit in the product and one in
// the division. The error of r passes through with a factor below 1, and that of r^2 adds
// less than a fifth of it.
Bounded series(const Bounded& r, const WideFixed& first, std::uint64_t firstJ)
{
    const WideFixed r2 = r.value * r.value;
    WideFixed term = first;
    WideFixed sum = first;
    std::uint64_t terms = 0;
    for (std::uint64_t j = firstJ;; j += 2) {
        term = (term * r2).dividedBy(j * (j + 1));
        if (term.isZero())
            break;
        sum = terms % 2 == 0 ? sum - term : sum + term;
        ++terms;
    }
    return {sum, 2 * r.error + 2 * terms + 4};
}

Bounded sinOf(const Bounded& r) { return series(r, r.value, 2); }
Bounded cosOf(const Bounded& r) { return series(r, one(r.value.width()), 1); }

std::optional<double> decided(const Bounded& v)
{
    if (v.error > (std::uint64_t{1} << 62))
        return std::nullopt;
    return v.value.nearestDoubleWithin(v.error);
}

Bounded negated(const Bounded& v, bool negate) { return {negate ? -v.value : v.value, v.error}; }

template <typename Attempt>
double untilDecided(Attempt attempt)
{
    Bounded last{WideFixed(precisions[0]), 0};
    for (Width width : precisions) {
        last = attempt(width);
        if (const std::optional<double> result = decided(last))
            return *result;
    }
    // Not decided even at 1024 bits: the exact value lies within 2^-900 of a rounding
    // boundary, which no double argument is known to come near. The nearest double of the
    // last attempt is then within half a unit in the last place and a hair.
    return last.value.nearestDouble();
}

Bounded sinAttempt(double x, Width width)
{
    const Reduction red = reduceAbs(x < 0 ? -x : x, width);
    const Bounded v = red.quadrant % 2 == 0 ? sinOf(red.r) : cosOf(red.r);
    return negated(v, (red.quadrant >= 2) != (x < 0));
}

Bounded cosAttempt(double x, Width width)
{
    const Reduction red = reduceAbs(x < 0 ? -x : x, width);
    const Bounded v = red.quadrant % 2 == 0 ? cosOf(red.r) : sinOf(red.r);
    return negated(v, red.quadrant == 1 || red.quadrant == 2);
}

// tan x = sin r / cos r in even quadrants and -cos r / sin r in odd ones.
Bounded tanAttempt(double x, Width width)
{
    const Reduction red = reduceAbs(x < 0 ? -x : x, width);
    const Bounded s = sinOf(red.r);
    const Bounded c = cosOf(red.r);
    const bool odd = red.quadrant % 2 == 1;
    const Bounded& num = odd ? c : s;
    const Bounded& den = odd ? s : c;
    const WideFixed g = reciprocal(den.value.abs());
    WideFixed q = num.value * g;
    if ((odd != (x < 0)) != den.value.negative())
        q = -q;
    // 1/d is within 4 (1 + 1/d) units of the reciprocal of the rounded d, which is itself
    // off by up to e_d / d^2; the quotient adds |g| e_n and a unit. Doubled for slack.
    const double d = den.value.abs().approx();
    const double bound = 2.0 * (4.0 * (1.0 + 1.0 / d) + static_cast<double>(den.error) / (d * d) +
                                static_cast<double>(num.error) / d + 1.0);
    const std::uint64_t error = bound < 0x1p62 ? static_cast<std::uint64_t>(bound) + 1 : std::uint64_t{1} << 63;
    return {q, error};
}

// 1/|x| for |x| > 1: |x| = z * 2^k with z in [1, 2), so 1/|x| = (1/z) / 2^k.
Bounded reciprocalOf(double ax, Width width)
{
    const Binary b = binaryOf(ax);
    const WideFixed z = WideFixed::of(std::bit_cast<double>((std::bit_cast<std::uint64_t>(ax) & ((std::uint64_t{1} << 52) - 1)) |
                                                            (std::uint64_t{1023} << 52)),
                                      width);
    return {reciprocal(z).shiftedRight(b.e + 52), 9};
}

// y / (1 + sqrt(1 + y^2)), whose arctangent is half that of y; the square root by Newton's
// iteration for 1/sqrt. The map halves the error of y and adds less than 16 units.
Bounded halved(const Bounded& y)
{
    const Width width = y.value.width();
    const WideFixed a = one(width) + y.value * y.value;
    WideFixed g = WideFixed::of(1.0 / std::sqrt(a.approx()), width);
    for (int bits = 50; bits < 64 * (width.words + 1); bits *= 2)
        g = g + (g * (one(width) - a * g * g)).dividedBy(2);
    const WideFixed root = a * g;
    return {y.value * reciprocal(one(width) + root), y.error + 16};
}

Bounded atanAttempt(double x, Width width)
{
    const double ax = x < 0 ? -x : x;
    const bool inverted = ax > 1.0;
    Bounded y = inverted ? reciprocalOf(ax, width) : Bounded{WideFixed::of(ax, width), 0};
    // Four halvings at most bring y from 1 below 1/16, where the series gains 8 bits a term.
    int halvings = 0;
    while (y.value.approx() > 0.0625) {
        y = halved(y);
        ++halvings;
    }
    const WideFixed y2 = y.value * y.value;
    WideFixed power = y.value;
    WideFixed sum = power;
    std::uint64_t terms = 0;
    for (std::uint64_t j = 1;; ++j) {
        power = power * y2;
        const WideFixed term = power.dividedBy(2 * j + 1);
        if (term.isZero())
            break;
        sum = j % 2 == 1 ? sum - term : sum + term;
        ++terms;
    }
    const auto scale = std::uint64_t{1} << halvings;
    Bounded result{sum.times(scale), (y.error + 2 * terms + 2) * scale};
    if (inverted)
        result = {halfPi(width) - result.value, result.error + 1};
    return negated(result, x < 0);
}

}  // namespace

double carefulSin(double x)
{
    return untilDecided([x](Width width) { return sinAttempt(x, width); });
}

double carefulCos(double x)
{
    return untilDecided([x](Width width) { return cosAttempt(x, width); });
}

double carefulTan(double x)
{
    return untilDecided([x](Width width) { return tanAttempt(x, width); });
}

double carefulAtan(double x)
{
    return untilDecided([x](Width width) { return atanAttempt(x, width); });
}

}  // namespace lumetra::trig
