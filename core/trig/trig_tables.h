#pragma once

// The constants of the core's trigonometry, generated once at high precision by
// make_trig_tables.py beside it and kept in trig_tables.cpp: nothing is taken from the
// platform at run time.

#include <array>
#include <cstdint>

#include "double_double.h"

namespace lumetra::trig::tables {

// sin(i/128) and cos(i/128), in that order, each as the nearest double and the nearest
// double to the rest.
extern const std::array<std::array<SplitDoubleDouble, 2>, 106> sinCos;

// The Taylor polynomial of a function at c = i/128: its value and derivative at c in two
// doubles each, and the coefficients of (y - c)^2 to (y - c)^9.
struct Taylor {
    DoubleDouble value;
    SplitDoubleDouble slope;
    std::array<double, 8> higher{};
};
// tan at i/128 for i = 0 to 105, and atan for i = 0 to 128.
extern const std::array<Taylor, 106> tanTaylor;
extern const std::array<Taylor, 129> atanTaylor;

extern const DoubleDouble halfPi;
// The double nearest 2/pi.
extern const double twoOverPi;
// pi/2 as 33 + 33 + 33 leading bits and the double nearest the rest: a multiple k * part of
// any of the first three is exact for k < 2^20.
extern const std::array<double, 4> halfPiParts;

// The binary fraction of 2/pi, 64 bits a word, most significant first: 2304 bits, enough to
// reduce the largest double at the widest precision of the careful evaluation.
extern const std::array<std::uint64_t, 36> twoOverPiBits;
// pi/2: the integer word (1), then 17 words of its fraction.
extern const std::array<std::uint64_t, 18> halfPiBits;
// atan(k/8) for k = 0 to 8: the integer word (0), then 16 words of the fraction, cut.
extern const std::array<std::array<std::uint64_t, 17>, 9> atanEighthsBits;

}  // namespace lumetra::trig::tables
