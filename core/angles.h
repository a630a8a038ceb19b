#pragma once

#include "checked.h"

namespace lumetra {

// The window's value of pi, computed once at start-up as atan(1) * 4.
Num computePi();

// Degree-based trigonometry. Each function takes the window's stored pi rather than a
// compile-time constant, so every result depends on the same value of pi.
Num cosD(Num degrees, Num pi);
Num sinD(Num degrees, Num pi);
Num tanD(Num degrees, Num pi);
Num atnD(Num x, Num pi);
// Defined for -1 < x <= 1; x = -1 divides by zero and |x| > 1 is an invalid argument.
Num arcsin(Num x, Num pi);
Num arccos(Num x, Num pi);

}  // namespace lumetra
