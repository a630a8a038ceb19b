// Each of the trigonometric functions against the double nearest the exact value at its
// argument, computed at 200 bits by make_trig_reference.py: a million arguments shaped like
// the window's, then the hard cases (next to multiples of pi/2, tiny and huge arguments,
// arctangents near 1 and beyond 2^60, and the committed ones within 2^-20 ulp of a rounding
// midpoint). Every bit must agree, the sign of a zero included, and the careful evaluation
// must have decided every result it gave. LUMETRA_TRIG_REFERENCE names the folder that
// holds the files.

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <ostream>
#include <string>

#include "bits.h"
#include "trig_accurate.h"
#include "trigonometry.h"

namespace {

struct Function {
    const char* name;
    double (*f)(double);
};

void PrintTo(const Function& function, std::ostream* os) { *os << function.name; }

std::string hex(double x)
{
    std::array<char, 32> buf{};
    const auto end = std::to_chars(buf.data(), buf.data() + buf.size(), x, std::chars_format::hex).ptr;
    return std::string(buf.data(), end);
}

class CorrectlyRounded : public ::testing::TestWithParam<Function> {};

TEST_P(CorrectlyRounded, GivesTheReferenceValueAtEveryArgument)
{
    const Function& function = GetParam();
    const char* dir = std::getenv("LUMETRA_TRIG_REFERENCE");
    ASSERT_NE(dir, nullptr) << "LUMETRA_TRIG_REFERENCE must name the folder of the reference files";
    const std::string path = std::string(dir) + "/" + function.name + ".bin";
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << "cannot read " << path;

    std::array<double, 2> pair{};  // the argument and the expected value
    const lumetra::trig::CarefulCounts before = lumetra::trig::carefulCounts();
    long count = 0;
    long wrong = 0;
    while (in.read(reinterpret_cast<char*>(pair.data()), sizeof pair)) {
        const double got = function.f(pair[0]);
        if (lumetra::trig::bitsOf(got) != lumetra::trig::bitsOf(pair[1]) && ++wrong <= 10)
            ADD_FAILURE() << function.name << "(" << hex(pair[0]) << ") is " << hex(got) << ", not " << hex(pair[1]);
        ++count;
    }
    EXPECT_EQ(wrong, 0) << "of " << count;
    EXPECT_GT(count, 1'000'000);
    const lumetra::trig::CarefulCounts after = lumetra::trig::carefulCounts();
    EXPECT_EQ(after.undecided, before.undecided) << "careful results left undecided";
    std::uint64_t careful = 0;
    for (std::size_t i = 0; i < after.decidedAt.size(); ++i)
        careful += after.decidedAt[i] - before.decidedAt[i];
    // The committed hard cases alone are 2000, each beyond the fast evaluation.
    EXPECT_GE(careful, 2000U) << "careful results";
}

INSTANTIATE_TEST_SUITE_P(Trigonometry, CorrectlyRounded,
                         ::testing::Values(Function{"sin", lumetra::trig::sin}, Function{"cos", lumetra::trig::cos},
                                           Function{"tan", lumetra::trig::tan}, Function{"atan", lumetra::trig::atan}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
