#pragma once

// The careful evaluation behind the sine, cosine, tangent and arctangent: for an argument
// whose double-double result lies too close to a rounding boundary, the function is
// evaluated again in wide fixed point, 128 bits after the point and then 256, 512 and 1024,
// until the interval that surely holds the exact value lies on one side of every boundary
// (Ziv's strategy). The argument reduction uses 2304 bits of 2/pi, so it is exact enough for
// every finite double. Each width's error bound is derived in derive_bounds.py.
//
// Each takes a finite double with |x| >= 2^-27 (smaller arguments are settled without it).

#include <array>
#include <cstdint>

namespace lumetra::trig {

double carefulSin(double x);
double carefulCos(double x);
double carefulTan(double x);
double carefulAtan(double x);

// How many careful results each width decided (128, 256, 512 and 1024 bits), and how many
// were returned undecided by the widest, which no argument is known to need (see
// untilDecided in trig_accurate.cpp). Counted since the program started, by all threads; for
// tests and measurements.
struct CarefulCounts {
    std::array<std::uint64_t, 4> decidedAt{};
    std::uint64_t undecided = 0;
};
CarefulCounts carefulCounts();

}  // namespace lumetra::trig
