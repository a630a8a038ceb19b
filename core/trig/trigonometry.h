#pragma once

// Lumetra's own sine, cosine, tangent and arctangent, so that every platform computes the
// same results.
//
// The promise: each returns the double nearest the exact value at its double argument (ties
// to even, though no finite non-zero argument gives a tie), on every IEEE-754 machine,
// whatever its C library: the library uses integer and double arithmetic only and takes
// nothing from the platform's maths library.
//
// Range: every finite double. The program reaches sin, cos and tan with the radian value of
// a heading or pitch, but atan with the quotient of any two positions the user can type,
// which may be any double, so nothing narrower would do; the argument reduction holds 2304
// bits of 2/pi, enough for the largest double. An infinity or a NaN, which the checked
// arithmetic never passes in, gives a NaN, so a caller that checks its results faults.
//
// Conditions: the floating-point rounding mode must be round-to-nearest (the default; no
// compiler can check it), and the library must be compiled as its CMakeLists.txt does, with
// each operation rounded once to a double and no fused multiply-adds (float_environment.h
// refuses to compile where it can tell otherwise). Calls are thread-safe.
//
// How: a fast evaluation in double-double arithmetic (a table of sin, cos and atan at
// multiples of 1/128 and short Taylor polynomials, under 2^-65 relative error, 2^-64 for
// the tangent and arctangent) whose result is returned when a rounding test proves that no
// value within its error bound rounds otherwise; when it does not, about one window-shaped
// argument in 1,400 to 2,900, a careful evaluation in wide fixed point decides
// (trig_accurate.h), in 1 to 2.5 µs. derive_bounds.py derives every error bound both
// evaluations rely on and writes them into trig_bounds.h, which the code takes them from.

namespace lumetra::trig {

double sin(double x);
double cos(double x);
double tan(double x);
double atan(double x);

}  // namespace lumetra::trig
