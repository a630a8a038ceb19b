#pragma once

#include "fault.h"

namespace lumetra {

// A double whose every arithmetic step is checked: a step that would produce an
// infinity or a NaN raises a Fault instead, so no such value can ever reach a field.
// Every value enters through the checked construction, so operands are always finite.
class Num {
public:
    // Raises InvalidOperation for a NaN and Overflow for an infinity.
    // cppcheck-suppress noExplicitConstructor
    constexpr Num(double v = 0.0) : v_(checked(v)) {}  // NOLINT(google-explicit-constructor): reads like a double

    constexpr double value() const { return v_; }

    friend Num operator+(Num a, Num b) { return a.v_ + b.v_; }
    friend Num operator-(Num a, Num b) { return a.v_ - b.v_; }
    friend Num operator*(Num a, Num b) { return a.v_ * b.v_; }
    friend Num operator/(Num a, Num b);
    Num operator-() const { return -v_; }

    friend bool operator==(Num a, Num b) { return a.v_ == b.v_; }
    friend bool operator<(Num a, Num b) { return a.v_ < b.v_; }
    friend bool operator>(Num a, Num b) { return a.v_ > b.v_; }
    friend bool operator<=(Num a, Num b) { return a.v_ <= b.v_; }
    friend bool operator>=(Num a, Num b) { return a.v_ >= b.v_; }

private:
    static constexpr double largest = 1.7976931348623157e308;

    static constexpr double checked(double v)
    {
        if (v != v)
            throw Fault(FaultKind::InvalidOperation);
        if (v > largest || v < -largest)
            throw Fault(FaultKind::Overflow);
        return v;
    }

    double v_;
};

Num sqrt(Num x);
Num sin(Num radians);
Num cos(Num radians);
Num tan(Num radians);
Num atan(Num x);

}  // namespace lumetra
