#include "angles.h"

namespace lumetra {

namespace {

// The radicand is -x*x + 1, formed in that order.
Num cosineOf(Num x) { return sqrt(-x * x + 1.0); }

}  // namespace

Num computePi() { return atan(1.0) * 4.0; }

Num Angles::radians(Num degrees) const { return (pi_ * degrees) / 180.0; }

Num Angles::cosD(Num degrees) const { return cos(radians(degrees)); }
Num Angles::sinD(Num degrees) const { return sin(radians(degrees)); }
Num Angles::tanD(Num degrees) const { return tan(radians(degrees)); }

Num Angles::atnD(Num x) const { return atan(x) * 180.0 / pi_; }

Num Angles::arcsin(Num x) const
{
    if (x == 0.0)
        return 0.0;
    if (x == 1.0)
        return 90.0;
    return atan(x / cosineOf(x)) * 180.0 / pi_;
}

Num Angles::arccos(Num x) const
{
    if (x == 0.0)
        return 90.0;
    if (x == 1.0)
        return 0.0;
    return (atan(-x / cosineOf(x)) + 2.0 * atan(1.0)) * 180.0 / pi_;
}

}  // namespace lumetra
