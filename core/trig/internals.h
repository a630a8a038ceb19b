#pragma once

// The two evaluations behind trigonometry.h, open to the library's own tests and to the
// tool that measures their errors against MPFR (tools/measure_errors.py); not for other
// callers, who get only correctly rounded results.

#include <optional>

#include "double_double.h"
#include "wide_fixed.h"

namespace lumetra::trig::internals {

enum class Function { sin, cos, tan, atan };

// The fast evaluation's double-double value of f at x, with the relative error bound its
// result is rounded under. x must be finite and at least 2^-27 in magnitude, and for atan
// at most 2^60; none where the fast reduction cannot hold x.
struct FastValue {
    DoubleDouble value;
    double bound;
};
std::optional<FastValue> fast(Function f, double x);

// One attempt of the careful evaluation at the given width: the value and how many units of
// its last word it may be off by. x as for the careful functions.
struct Attempt {
    WideFixed value;
    double error;
};
Attempt careful(Function f, double x, Width width);

}  // namespace lumetra::trig::internals
