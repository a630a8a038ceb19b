#include "trig_accurate.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdint>
#include <optional>
#include <span>

#include "bits.h"
#include "float_environment.h"
#include "internals.h"
#include "trig_bounds.h"
#include "trig_tables.h"
#include "wide_fixed.h"

namespace lumetra::trig {

namespace {

using internals::Bounded;

// The fraction words of each attempt: 128, 256, 512 and 1024 bits after the point.
constexpr std::array<Width, 4> precisions{{{2}, {4}, {8}, {16}}};

// Relaxed: the counts need no order with anything else, and cost nothing beside an attempt.
// They are the process's own statistics, read by the tests through carefulCounts().
// NOLINTBEGIN(cppcoreguidelines-avoid-non-const-global-variables)
std::array<std::atomic<std::uint64_t>, 4> decidedAt{};
std::atomic<std::uint64_t> undecided{0};
// NOLINTEND(cppcoreguidelines-avoid-non-const-global-variables)

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
    // The fraction's two units lost are worth pi/2 each, pi/2's cut half of one, and the
    // product cuts one (derive_bounds.py, careful_reduction).
    const Bounded r{fraction * halfPi(width), bounds::carefulReduction.stated};
    return {r, quadrant};
}

Reduction reduceAbs(double ax, Width width)
{
    if (ax <= internals::quarterPi)
        return {{WideFixed::of(ax, width), 0}, 0};
    return reduce(ax, width);
}

// The Taylor series of sin r (from r) or cos r (from 1) for |r| <= pi/4: each term is the
// one before times -r^2 / (j (j + 1)), and loses at most a unit in the product and one in
// the division; the cut series, under a unit and the last term's error, is worth 4 more. The
// error of r passes through with a factor below 1, and that of r^2 adds less than a fifth of
// it: twice r's error covers both (derive_bounds.py, series_error).
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
    return {sum, 2 * r.error + 2 * static_cast<double>(terms) + 4};
}

Bounded sinOf(const Bounded& r) { return series(r, r.value, 2); }
Bounded cosOf(const Bounded& r) { return series(r, one(r.value.width()), 1); }

// The double nearest every value within the error of v, if there is one. Past 2^63 units
// the error is no longer a count of units in the last word but already a good part of the
// value, and no width could decide from it.
std::optional<double> decided(const Bounded& v)
{
    const Width width = v.value.width();
    WideFixed e(width);
    if (v.error < 0x1p63) {
        // The whole units, and one for the part cut off.
        e.setWord(width.words, static_cast<std::uint64_t>(v.error) + 1);
    } else {
        double inWords = v.error;
        for (int i = 0; i < width.words; ++i)
            inWords *= 0x1p-64;
        if (!(inWords < 0x1p-2))
            return std::nullopt;
        // Exact, as v.error is at least 2^63 and no width has more than 16 words; a unit
        // more for the bits of inWords that fall below the last word.
        e = WideFixed::of(inWords, width);
        e.setWord(width.words, e.word(width.words) + 1);
    }
    return v.value.nearestDoubleWithin(e);
}

Bounded negated(const Bounded& v, bool negate) { return {negate ? -v.value : v.value, v.error}; }

}  // namespace

double internals::untilDecided(Bounded (*attempt)(double x, Width width), double x)
{
    for (std::size_t i = 0; i + 1 < precisions.size(); ++i) {
        if (const std::optional<double> result = decided(attempt(x, precisions[i]))) {
            decidedAt[i].fetch_add(1, std::memory_order_relaxed);
            return *result;
        }
    }
    // The widest width decides every double argument. Its error bound is under 2^-950 of
    // the value for each function (derive_bounds.py): the smallest values that get here,
    // sines, cosines and tangents of arguments next to multiples of pi/2, are above 2^-62,
    // as the closest any double comes to a multiple of pi/2 is 2^-60.9 (Kahan and McDonald's
    // search: 6381956970095103 * 2^797), and arctangents are at least 2^-27. The published
    // exhaustive searches for the hardest-to-round doubles of sin, cos, tan and atan
    // (Lefevre and Muller; Hanrot, Lefevre, Stehle and Zimmermann for the largest
    // arguments) found none closer to a rounding boundary than about 2^-(53 + 70) of its
    // value: some 800 bits further from one than this width resolves. A result the widest
    // width leaves undecided is counted, so that the tests see it, and is the nearest double
    // of the last attempt, within half a unit in the last place and a hair.
    const Bounded last = attempt(x, precisions.back());
    if (const std::optional<double> result = decided(last)) {
        decidedAt.back().fetch_add(1, std::memory_order_relaxed);
        return *result;
    }
    undecided.fetch_add(1, std::memory_order_relaxed);
    return last.value.nearestDouble();
}

namespace {

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

// tan x = sin r / cos r in even quadrants and -cos r / sin r in odd ones, as n / d. The
// quotient's error is relative: n and d carry theirs (e_n / n and e_d / d in units of the
// last word u), the reciprocal of d adds 4 (1 + d) u and the product a unit, so
//   |q - n/d| <= |q| (e_n / n + e_d / d + 4 (1 + d)) u + u
// to first order, doubled below for the second-order terms and the approximate n, d and q
// the bound is taken from (derive_bounds.py, careful_tan). Near an odd multiple of
// pi/2, d is small and q large, and the bound still shrinks with every doubled width.
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
    const double n = num.value.abs().approx();
    const double d = den.value.abs().approx();
    const double relative = num.error / n + den.error / d + 4.0 * (1.0 + d);
    return {q, 2.0 * (q.abs().approx() * relative + 1.0)};
}

// 1/|x| for |x| > 1: |x| = z * 2^k with z in [1, 2), so 1/|x| = (1/z) / 2^k.
Bounded reciprocalOf(double ax, Width width)
{
    const Binary b = binaryOf(ax);
    const WideFixed z = WideFixed::of(static_cast<double>(b.m) * 0x1p-52, width);
    return {reciprocal(z).shiftedRight(b.e + 52), bounds::carefulReciprocal.stated};
}

// atan z = atan c + atan y with y = (z - c) / (1 + c z), for c = k/8 the eighth nearest z
// in [0, 1]: |y| <= 1/16, where the series gains 8 bits a term. The map from z to y has a
// slope of (1 + c^2) / (1 + c z)^2, under 1.1 within 1/16 of c, so it passes z's error on
// times 1.1; 1 + c z loses a unit in the shift (worth under 1/16 of one in y), the
// reciprocal 4 (1 + 1/d) <= 8 units (times |z - c| <= 1/16) and the product one: y is off
// by 1.1 e_z + 2. Each term of the series loses a unit in the product and one in the
// division, with y's error, shrunk by y^2 <= 1/256, a small part of one more; the cut series
// (under 1.4) and the table value of atan c (one) add 3, and pi/2 - atan(1/x) one more
// (derive_bounds.py, careful_atan).
Bounded atanAttempt(double x, Width width)
{
    const double ax = x < 0 ? -x : x;
    const bool inverted = ax > 1.0;
    const Bounded z = inverted ? reciprocalOf(ax, width) : Bounded{WideFixed::of(ax, width), 0};
    // The nearest eighth, rounded in double arithmetic; either neighbour of a tie serves.
    const auto k = static_cast<std::uint64_t>(nearestInteger(z.value.approx() * 8.0));
    const WideFixed c = WideFixed::of(static_cast<double>(k) / 8.0, width);
    const WideFixed d = one(width) + z.value.times(k).shiftedRight(3);
    const Bounded y{(z.value - c) * reciprocal(d), 1.1 * z.error + 2};
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
    const WideFixed atanOfC = WideFixed::ofWords(tables::atanEighthsBits[k], width);
    Bounded result{atanOfC + sum, y.error + 2 * static_cast<double>(terms) + 3};
    if (inverted)
        result = {halfPi(width) - result.value, result.error + 1};
    return negated(result, x < 0);
}

}  // namespace

double carefulSin(double x) { return internals::untilDecided(sinAttempt, x); }
double carefulCos(double x) { return internals::untilDecided(cosAttempt, x); }
double carefulTan(double x) { return internals::untilDecided(tanAttempt, x); }
double carefulAtan(double x) { return internals::untilDecided(atanAttempt, x); }

Bounded internals::careful(Function f, double x, Width width)
{
    switch (f) {
    case Function::sin:
        return sinAttempt(x, width);
    case Function::cos:
        return cosAttempt(x, width);
    case Function::tan:
        return tanAttempt(x, width);
    case Function::atan:
        return atanAttempt(x, width);
    }
    return {WideFixed(width), 0.0};
}

CarefulCounts carefulCounts()
{
    CarefulCounts counts;
    for (std::size_t i = 0; i < decidedAt.size(); ++i)
        counts.decidedAt[i] = decidedAt[i].load(std::memory_order_relaxed);
    counts.undecided = undecided.load(std::memory_order_relaxed);
    return counts;
}

}  // namespace lumetra::trig
