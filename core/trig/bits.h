#pragma once

// The bits of a double and back, and the 128-bit integers that hold a product of two words.
// std::bit_cast would do, but not every standard library the core is built with has it
// (emscripten 3.1.6's libc++ lacks it); copying the bytes is what it does, and compilers turn
// the copy into a plain move.

#include <cstdint>
#include <cstring>

namespace lumetra::trig {

// A 64 x 64 bit product needs 128 bits; GCC and Clang provide them on 64-bit targets.
__extension__ using Wide128 = unsigned __int128;

inline std::uint64_t bitsOf(double x)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &x, sizeof bits);
    return bits;
}

inline double doubleOf(std::uint64_t bits)
{
    double x = 0.0;
    std::memcpy(&x, &bits, sizeof x);
    return x;
}

// |x| as m * 2^e with m an integer: 53 bits for a normal x, fewer for a subnormal one, 0 for
// a zero. x must be finite.
struct Binary {
    std::uint64_t m = 0;
    int e = 0;
};

inline Binary binaryOf(double x)
{
    const std::uint64_t bits = bitsOf(x);
    const auto biased = static_cast<int>((bits >> 52) & 0x7ff);
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    if (biased == 0)
        return {fraction, -1074};
    return {fraction | (std::uint64_t{1} << 52), biased - 1075};
}

}  // namespace lumetra::trig
