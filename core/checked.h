#pragma once

#include "fault.h"

namespace lumetra {

// A double whose every arithmetic step is checked: a step that would produce an
// infinity or a NaN raises a Fault instead, so no such value can ever reach a field.
// Operands are always finite, because every value enters through a check.
class Num {
public:
    // cppcheck-suppress noExplicitConstructor
    constexpr Num(double v = 0.0) : v_(v) {}  // NOLINT(google-explicit-constructor): reads like a double

    constexpr double value() const { return v_; }

    friend Num operator+(Num a, Num b) { return checkedResult(a.v_ + b.v_); }
    friend Num operator-(Num a, Num b) { return checkedResult(a.v_ - b.v_); }
    friend Num operator*(Num a, Num b) { return checkedResult(a.v_ * b.v_); }
    friend Num operator/(Num a, Num b);
    Num operator-() const { return Num(-v_); }

    friend bool operator==(Num a, Num b) { return a.v_ == b.v_; }
    friend bool operator<(Num a, Num b) { return a.v_ < b.v_; }
    friend bool operator>(Num a, Num b) { return a.v_ > b.v_; }
    friend bool operator<=(Num a, Num b) { return a.v_ <= b.v_; }
    friend bool operator>=(Num a, Num b) { return a.v_ >= b.v_; }

    // Throws InvalidOperation for a NaN and Overflow for an infinity; returns a finite value.
    static Num checkedResult(double result);

private:
    double v_;
};

Num sqrt(Num x);
Num sin(Num radians);
Num cos(Num radians);
Num tan(Num radians);
Num atan(Num x);

}  // namespace lumetra
