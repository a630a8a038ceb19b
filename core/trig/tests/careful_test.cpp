// The careful evaluation at every width, for every function, against MPFR: each vector of
// careful_vectors.inc (make_careful_vectors.py) holds an argument's exact value cut after 1024
// bits and derive_bounds.py's bound at each width. Each attempt must lie within the derived
// bound of the exact value and state no less, so that a bound shrunk below its derivation
// fails even where the value happens to be close; the careful function must return the
// nearest double, decided. Then Ziv's loop on attempts only its widest width can decide, and
// the fast evaluations' bounds against their derivation.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

#include "internals.h"
#include "trig_accurate.h"
#include "trig_bounds.h"

namespace {

using lumetra::trig::WideFixed;
using lumetra::trig::Width;
using lumetra::trig::internals::Bounded;
using lumetra::trig::internals::Function;
namespace bounds = lumetra::trig::bounds;

struct Vector {
    const char* name;
    Function f;
    double x;
    double nearest;
    bool negative;
    std::array<std::uint64_t, 17> exact;  // |f(x)|: the integer word, then 16 fraction words
    std::array<double, 4> derived;       // at 128, 256, 512 and 1024 bits, in units of the last word
};

const Vector vectors[] = {
#include "careful_vectors.inc"
};

// The careful function and the derived fast bound of each Function, in its order.
constexpr double (*carefulOf[])(double) = {lumetra::trig::carefulSin, lumetra::trig::carefulCos,
                                           lumetra::trig::carefulTan, lumetra::trig::carefulAtan};
constexpr double fastDerived[] = {bounds::fastSinCos.derived, bounds::fastSinCos.derived, bounds::fastTan.derived,
                                  bounds::fastAtan.derived};

// |v| in units of its last word.
double inUnits(const WideFixed& v)
{
    double units = 0.0;
    for (int i = 0; i <= v.words(); ++i)
        units = units * 0x1p64 + static_cast<double>(v.word(i));
    return units;
}

TEST(CarefulEvaluation, EveryWidthHoldsTheExactValueWithinItsDerivedBound)
{
    for (const Vector& v : vectors) {
        SCOPED_TRACE(v.name);
        for (std::size_t w = 0; w < v.derived.size(); ++w) {
            const Width width{2 << w};
            SCOPED_TRACE(std::to_string(64 * width.words) + " bits");
            const Bounded a = lumetra::trig::internals::careful(v.f, v.x, width);
            EXPECT_GE(a.error, v.derived[w]) << "a bound below its derivation";
            const WideFixed exact = WideFixed::ofWords(v.exact, width);
            // The exact value cut after the width is low by under a unit more.
            EXPECT_LE(inUnits(a.value - (v.negative ? -exact : exact)), v.derived[w] + 1.0);
        }
        const std::uint64_t undecided = lumetra::trig::carefulCounts().undecided;
        EXPECT_EQ(carefulOf[static_cast<int>(v.f)](v.x), v.nearest);
        EXPECT_EQ(lumetra::trig::carefulCounts().undecided, undecided);
    }
}

// 1 + 2^-53, a midpoint between two doubles, within 2 units at every width, and at 1024 bits
// either 3 units above it within 1 (decided, for 1 + 2^-52) or exactly it (undecided).
Bounded midpoint(Width width, std::uint64_t widestLastWord)
{
    WideFixed v(width);
    v.setWord(0, 1);
    v.setWord(1, 0x800);
    if (width.words < 16)
        return {v, 2.0};
    v.setWord(16, widestLastWord);
    return {v, widestLastWord == 0 ? 2.0 : 1.0};
}
Bounded decidedOnlyAtTheWidest(double, Width width) { return midpoint(width, 3); }
Bounded neverDecided(double, Width width) { return midpoint(width, 0); }

TEST(CarefulEvaluation, TriesEveryWidthUntilOneDecidesAndCountsWhatNoneDecides)
{
    struct Row {
        const char* name;
        Bounded (*attempt)(double, Width);
        double expected;
        std::uint64_t decidedAtTheWidest;
        std::uint64_t undecided;
    };
    const Row rows[] = {
        {"decided at 1024 bits only", decidedOnlyAtTheWidest, 0x1.0000000000001p+0, 1, 0},
        {"never decided: the widest value's nearest double, ties to even", neverDecided, 1.0, 0, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const lumetra::trig::CarefulCounts before = lumetra::trig::carefulCounts();
        EXPECT_EQ(lumetra::trig::internals::untilDecided(row.attempt, 1.0), row.expected);
        const lumetra::trig::CarefulCounts after = lumetra::trig::carefulCounts();
        EXPECT_EQ(after.decidedAt.back() - before.decidedAt.back(), row.decidedAtTheWidest);
        EXPECT_EQ(after.undecided - before.undecided, row.undecided);
    }
}

TEST(FastEvaluation, RoundsUnderBoundsNoSmallerThanTheirDerivation)
{
    for (const Vector& v : vectors) {
        if (const auto fast = lumetra::trig::internals::fast(v.f, v.x)) {
            EXPECT_GE(fast->bound, fastDerived[static_cast<int>(v.f)]) << v.name;
        }
    }
}

}  // namespace
