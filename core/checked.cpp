#include "checked.h"

#include <cmath>

#include "trigonometry.h"

namespace lumetra {

Num operator/(Num a, Num b)
{
    if (b.v_ == 0.0)
        throw Fault(a.v_ == 0.0 ? FaultKind::InvalidOperation : FaultKind::DivisionByZero);
    return a.v_ / b.v_;
}

Num sqrt(Num x)
{
    if (x.value() < 0.0)
        throw Fault(FaultKind::InvalidOperation);
    return std::sqrt(x.value());
}

Num sin(Num radians) { return trig::sin(radians.value()); }
Num cos(Num radians) { return trig::cos(radians.value()); }
Num tan(Num radians) { return trig::tan(radians.value()); }
Num atan(Num x) { return trig::atan(x.value()); }

}  // namespace lumetra
