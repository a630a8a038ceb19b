#pragma once

#include "checked.h"

namespace lumetra {

// The window's value of pi, computed once at start-up as atan(1) * 4.
Num computePi();

// The window's degree-based trigonometry, on the pi it is given: the window's own, never a
// compile-time constant, so that every result depends on the same value of pi. tanD and
// arccos are called by no conversion; they belong to the window's family of angle helpers
// all the same, and are kept and tested with the rest.
class Angles {
public:
    explicit Angles(Num pi) : pi_(pi) {}

    // The radian angle is (pi * degrees) / 180, the product taken first.
    Num cosD(Num degrees) const;
    Num sinD(Num degrees) const;
    Num tanD(Num degrees) const;
    // atan(x) * 180 / pi.
    Num atnD(Num x) const;
    // Defined for -1 < x <= 1; x = -1 divides by zero and |x| > 1 is an invalid argument.
    Num arcsin(Num x) const;
    Num arccos(Num x) const;

private:
    Num radians(Num degrees) const;

    Num pi_;
};

}  // namespace lumetra
