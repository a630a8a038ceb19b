#include "checked.h"

#include <cmath>

namespace lumetra {

Num Num::checkedResult(double result)
{
    if (std::isnan(result))
        throw Fault(FaultKind::InvalidOperation);
    if (std::isinf(result))
        throw Fault(FaultKind::Overflow);
    return Num(result);
}

Num operator/(Num a, Num b)
{
    if (b.v_ == 0.0)
        throw Fault(a.v_ == 0.0 ? FaultKind::InvalidOperation : FaultKind::DivisionByZero);
    return Num::checkedResult(a.v_ / b.v_);
}

Num sqrt(Num x)
{
    if (x.value() < 0.0)
        throw Fault(FaultKind::InvalidOperation);
    return Num(std::sqrt(x.value()));
}

Num sin(Num radians) { return Num::checkedResult(std::sin(radians.value())); }
Num cos(Num radians) { return Num::checkedResult(std::cos(radians.value())); }
Num tan(Num radians) { return Num::checkedResult(std::tan(radians.value())); }
Num atan(Num x) { return Num::checkedResult(std::atan(x.value())); }

}  // namespace lumetra
