#pragma once

#include <stdexcept>
#include <string>

namespace lumetra {

// The kinds of floating-point failure that stop a calculation. The numbers are what
// the error message shows; they never change.
enum class FaultKind { InvalidOperation = 5, Overflow = 6, DivisionByZero = 11 };

// Raised by every checked arithmetic step that would otherwise yield an infinity or
// a NaN. It carries the number and description that the error message shows.
class Fault : public std::runtime_error {
public:
    explicit Fault(FaultKind kind);

    FaultKind kind() const noexcept { return kind_; }
    int number() const noexcept { return static_cast<int>(kind_); }
    std::string description() const { return what(); }

private:
    FaultKind kind_;
};

}  // namespace lumetra
