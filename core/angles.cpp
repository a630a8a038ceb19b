#include "angles.h"

namespace lumetra {

namespace {

Num radians(Num degrees, Num pi) { return (pi * degrees) / 180.0; }

// The radicand is -x*x + 1, formed in that order.
Num cosineOf(Num x) { return sqrt(-x * x + 1.0); }

}  // namespace

Num computePi() { return atan(1.0) * 4.0; }

Num cosD(Num degrees, Num pi) { return cos(radians(degrees, pi)); }
Num sinD(Num degrees, Num pi) { return sin(radians(degrees, pi)); }
Num tanD(Num degrees, Num pi) { return tan(radians(degrees, pi)); }

Num atnD(Num x, Num pi) { return atan(x) * 180.0 / pi; }

Num arcsin(Num x, Num pi)
{
    if (x == 0.0)
        return 0.0;
    if (x == 1.0)
        return 90.0;
    return atan(x / cosineOf(x)) * 180.0 / pi;
}

Num arccos(Num x, Num pi)
{
    if (x == 0.0)
        return 90.0;
    if (x == 1.0)
        return 0.0;
    return (atan(-x / cosineOf(x)) + 2.0 * atan(1.0)) * 180.0 / pi;
}

}  // namespace lumetra
