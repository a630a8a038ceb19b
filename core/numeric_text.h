#pragma once

#include <string>
#include <string_view>

#include "checked.h"
#include "fields.h"

namespace lumetra {

// The value of the number at the start of a field's text. Spaces, tabs and line feeds
// are ignored wherever they stand; a sign, digits with one full stop, and an exponent
// (E or D, either case) follow; "&H" and "&O" open hexadecimal and octal integers.
// Reading stops at the first character that cannot continue the number, and text with
// no number at its start reads as 0. A number beyond the range of a double raises an
// Overflow fault; one too small to hold reads as 0.
Num parseNumber(std::string_view text);

// The number a field's text holds, read at the moment of the call.
inline Num readNumber(const Fields& fields, TextField field) { return parseNumber(fields.text(field)); }

// The shortest general text of x at 15 significant digits: "135", "0.5", "-12.25",
// and exponent form ("1E+15", "1.5E-05") from 1E15 up and below 0.0001.
std::string numberText(Num x);

// x rounded to n decimal places (0 to 15), an exact tie going to the even digit.
// The rounding is of the exact binary value, so 2.675 (just below the tie) gives 2.67.
Num roundHalfEven(Num x, int decimals);

// The fixed-point patterns of the fields: "0", "0.0", "0.000", "0.0000", "0.000000".
enum class Pattern { Whole = 0, OneDecimal = 1, ThreeDecimals = 3, FourDecimals = 4, SixDecimals = 6 };

constexpr int decimalsOf(Pattern pattern) { return static_cast<int>(pattern); }

// Fixed-point text of x with exactly the pattern's decimals; more decimals are rounded
// half away from zero. A zero is never written with a minus sign.
std::string formatFixed(Num x, Pattern pattern);

// The usual write of a computed value: rounded half-even, then formatted.
std::string roundedText(Num x, Pattern pattern);

}  // namespace lumetra
