#pragma once

// The careful evaluation behind the core's sine, cosine, tangent and arctangent: for an
// argument whose double-double result lies too close to a rounding boundary, the function
// is evaluated again in wide fixed point, 128 bits after the point and then 256, 512 and
// 1024, until the interval that surely holds the exact value lies on one side of every
// boundary (Ziv's strategy). The argument reduction uses 2304 bits of 2/pi, so it is exact
// enough for every finite double.
//
// Each takes a finite double with |x| >= 2^-27 (smaller arguments are settled without it).

namespace lumetra::trig {

double carefulSin(double x);
double carefulCos(double x);
double carefulTan(double x);
double carefulAtan(double x);

}  // namespace lumetra::trig
