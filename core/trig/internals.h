#pragma once

// The two evaluations behind trigonometry.h, open to the library's own tests and to the
// tool that measures their errors against MPFR (tools/measure_errors.py); not for other
// callers, who get only correctly rounded results.

#include <optional>

#include "double_double.h"
#include "wide_fixed.h"

namespace lumetra::trig::internals {

enum class Function { sin, cos, tan, atan };

// The double nearest pi/4, which is below it: no argument up to it needs a reduction.
constexpr double quarterPi = 0x1.921fb54442d18p-1;

// The fast evaluation's double-double value of f at x, with the relative error bound its
// result is rounded under. x must be finite and at least 2^-27 in magnitude, and for atan
// at most 2^60; none where the fast reduction cannot hold x.
struct FastValue {
    DoubleDouble value;
    double bound;
};
std::optional<FastValue> fast(Function f, double x);

// A wide value and how many units of its last word it may be off by. A double, as a
// tangent's quotient near an odd multiple of pi/2 may be off by more units than a word holds;
// the other bounds are small numbers, which it holds exactly.
struct Bounded {
    WideFixed value;
    double error = 0.0;
};

// One attempt of the careful evaluation at the given width. x as for the careful functions.
Bounded careful(Function f, double x, Width width);

// Ziv's loop: the attempt at 128, 256, 512 and then 1024 bits until every value within one's
// error rounds to the same double, which it returns; counted in carefulCounts().
double untilDecided(Bounded (*attempt)(double x, Width width), double x);

}  // namespace lumetra::trig::internals
