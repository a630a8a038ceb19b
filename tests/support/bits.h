#pragma once

// The bits of a double and the double of some bits, for tests that name doubles by their
// bits. Copied through memory: the browser build's C++ library has no std::bit_cast.

#include <cstdint>
#include <cstring>

namespace lumetra::testing {

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

}  // namespace lumetra::testing
