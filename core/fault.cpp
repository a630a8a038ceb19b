#include "fault.h"

namespace lumetra {

namespace {

const char* describe(FaultKind kind)
{
    switch (kind) {
    case FaultKind::InvalidOperation:
        return "Invalid operation";
    case FaultKind::Overflow:
        return "Overflow";
    case FaultKind::DivisionByZero:
        return "Division by zero";
    }
    return "Unknown fault";
}

}  // namespace

Fault::Fault(FaultKind kind) : std::runtime_error(describe(kind)), kind_(kind) {}

}  // namespace lumetra
