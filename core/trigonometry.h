#pragma once

// The core's own sine, cosine, tangent and arctangent, so that every platform computes the
// same results: each returns the double nearest the exact value at its double argument
// (ties to even, though no finite non-zero argument gives a tie), on every IEEE-754 machine,
// whatever its C library.
//
// Range: every finite double. The program reaches sin, cos and tan with the radian value of
// a heading or pitch, but atan with the quotient of any two positions the user can type,
// which may be any double, so nothing narrower would do; the argument reduction holds 2304
// bits of 2/pi, enough for the largest double. An infinity or a NaN, which the checked
// arithmetic never passes in, gives a NaN, so a caller that checks its results faults.
//
// How: a fast evaluation in double-double arithmetic (a table of sin, cos and atan at
// multiples of 1/128 and short Taylor polynomials, about 2^-66 relative error) whose result
// is returned when a rounding test proves that no value within its error bound rounds
// otherwise; in the rare case it does not, a careful evaluation in wide fixed point decides
// (trig_accurate.h).

namespace lumetra::trig {

double sin(double x);
double cos(double x);
double tan(double x);
double atan(double x);

}  // namespace lumetra::trig
