// The careful evaluation next to multiples of pi/2, where the tangent's quotient, or a tiny
// sine or cosine, is the hardest for a bound to decide: each result must be decided, not
// left to the widest width unchecked, and be the double nearest the exact value (MPFR at
// 2000 bits). The arguments are the doubles closest to a multiple of pi/2 in their binades
// (found by continued fractions of pi/2; the one at 2^849 is the closest of all doubles),
// and the double nearest pi/2.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

#include "internals.h"
#include "trig_accurate.h"

namespace {

using lumetra::trig::Width;
using lumetra::trig::internals::Function;

double careful(Function f, double x)
{
    switch (f) {
    case Function::sin:
        return lumetra::trig::carefulSin(x);
    case Function::cos:
        return lumetra::trig::carefulCos(x);
    case Function::tan:
        return lumetra::trig::carefulTan(x);
    case Function::atan:
        return lumetra::trig::carefulAtan(x);
    }
    return 0.0;
}

TEST(CarefulEvaluation, DecidesEveryResultNextToMultiplesOfHalfPi)
{
    struct Row {
        const char* name;
        Function f;
        double x;
        double expected;
    };
    const Row rows[] = {
        {"the double nearest pi/2", Function::tan, 0x1.921fb54442d18p+0, 0x1.d02967c31cdb5p+53},
        {"2^-60.5 beyond 29 pi/2", Function::tan, 0x1.6c6cbc45dc8dep+5, -0x1.66b9ebc4850c6p+60},
        {"2^-59.0 from an odd multiple of pi/2", Function::tan, 0x1.b951f1572eba5p+23, 0x1.057584c429b3ap+59},
        {"the double nearest any multiple of pi/2, 2^-60.9 from an odd one", Function::tan, 0x1.6ac5b262ca1ffp+849,
         -0x1.d9ba9a7975636p+60},
        {"the same, where the cosine is tiny", Function::cos, 0x1.6ac5b262ca1ffp+849, -0x1.14ae72e6ba22fp-61},
        {"twice it, 2^-59.9 from an even multiple, where the sine is tiny", Function::sin, 0x1.6ac5b262ca1ffp+850,
         -0x1.14ae72e6ba22fp-60},
        {"the same, where the tangent is tiny", Function::tan, 0x1.6ac5b262ca1ffp+850, 0x1.14ae72e6ba22fp-60},
        {"2^-59.5 from an even multiple of pi/2", Function::sin, 0x1.6c6cbc45dc8dep+6, -0x1.6d61b58c99c43p-60},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::uint64_t undecidedBefore = lumetra::trig::carefulCounts().undecided;
        EXPECT_EQ(careful(row.f, row.x), row.expected);
        EXPECT_EQ(lumetra::trig::carefulCounts().undecided, undecidedBefore);
    }
}

// Every width holds the exact value within the bound it states: the exact value cut at the
// width is the first words of its 1024-bit expansion (MPFR), so the attempt may differ from
// it by the bound and the unit the cut loses.
TEST(CarefulEvaluation, EachWidthHoldsTheExactValueWithinItsBound)
{
    struct Row {
        const char* name;
        Function f;
        double x;
        bool negative;
        std::array<std::uint64_t, 17> exact;
    };
    const Row rows[] = {
        {"a tiny sine, 2^-59.9 from a multiple of pi at 2^850", Function::sin, 0x1.6ac5b262ca1ffp+850, true,
         {0x0U, 0x11U, 0x4ae72e6ba22ef460U, 0x8875c41378eb029bU, 0x7f8cc73217a0d79dU, 0x59d77abba7eab988U,
          0x76cf4d0d507bdcc2U, 0xee55c2c68d54ded9U, 0xef2e28b5518d4ae0U, 0x226b0bb5e5600456U, 0x425c2216d65c3775U,
          0xee398b85113ef256U, 0xa9539e060525b8bdU, 0x1dbb81c71b2b4fcaU, 0xfd0e3d24169b9f13U, 0x16468db950eeee3fU,
          0xa2a8a8f2c88978e0U}},
        {"the arctangent of 10.5, through the reciprocal and four halvings", Function::atan, 0x1.5p+3, false,
         {0x1U, 0x79d0f3fad1c92270U, 0xe4fb89f6fa1148dcU, 0x77843ef442b2d10bU, 0x80416452d79fbb17U,
          0x697860ab4f704146U, 0xbc40bf10f6894c9fU, 0x9e021bc5e509edacU, 0x559f35b579819a28U, 0xd05d6d6cf4dd628fU,
          0x5373cefa2529c776U, 0x1ab1e0a76bc36f32U, 0x2f1dbcbbb821287bU, 0x91abe6ffaab5d4ddU, 0x6ad9acd2ace5d7c2U,
          0xc36f7485a63ca254U, 0x7eb170161b613654U}},
    };
    for (const Row& row : rows) {
        for (const int words : {2, 4, 8, 16}) {
            SCOPED_TRACE(std::string(row.name) + ", " + std::to_string(64 * words) + " bits");
            const lumetra::trig::internals::Attempt a = lumetra::trig::internals::careful(row.f, row.x, Width{words});
            lumetra::trig::WideFixed exact(Width{words});
            for (int i = 0; i <= words; ++i)
                exact.setWord(i, row.exact[static_cast<std::size_t>(i)]);
            const lumetra::trig::WideFixed off = a.value - (row.negative ? -exact : exact);
            for (int i = 0; i < words; ++i)
                ASSERT_EQ(off.word(i), 0U) << "word " << i;
            EXPECT_LE(static_cast<double>(off.word(words)), a.error + 1.0);
        }
    }
}

}  // namespace
