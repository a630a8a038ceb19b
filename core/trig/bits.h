#pragma once

// The bits of a double and back. std::bit_cast would do, but not every standard library the
// core is built with has it (emscripten 3.1.6's libc++ lacks it); copying the bytes is what
// it does, and compilers turn the copy into a plain move.

#include <cstdint>
#include <cstring>

namespace lumetra::trig {

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

}  // namespace lumetra::trig
