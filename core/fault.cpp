#include "fault.h"

#include <string>
#include <string_view>

#include "user_texts.h"

namespace lumetra {

namespace {

std::string_view describe(FaultKind kind)
{
    switch (kind) {
    case FaultKind::Overflow:
        return texts::overflow;
    case FaultKind::DivisionByZero:
        return texts::divisionByZero;
    case FaultKind::InvalidOperation:
        break;
    }
    return texts::invalidOperation;
}

}  // namespace

Fault::Fault(FaultKind kind) : std::runtime_error(std::string(describe(kind))), kind_(kind) {}

}  // namespace lumetra
