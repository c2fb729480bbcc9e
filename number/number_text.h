#pragma once

#include <string>

namespace number {

// The standard text form of a double, as the window shows it.
//
//   - 15 significant digits, correctly rounded (std::to_chars), trailing
//     zeros and a trailing separator removed, no digit grouping;
//   - `decimalSeparator` between the integer and fractional digits ('.' or ',');
//   - zero, negative zero included, is "0";
//   - exponent form when the decimal exponent (after rounding to 15 digits)
//     is below -4 or at least 15: mantissa, 'E', sign, at least two digits.
//
//   45.21 -> "45.21"   0.5 -> "0.5"   -9.5 with "," -> "-9,5"
//   1e15 -> "1E+15"   2.77777777777778e-7 with "," -> "2,77777777777778E-07"
//   123456789012345 -> "123456789012345"   0.0001 -> "0.0001"
//   1e-5 -> "1E-05"   -1e100 -> "-1E+100"
//
// The largest doubles (magnitude from 1.797693134862315e308 up) would round
// to "1.79769313486232E+308", which lies beyond the double range and would read
// back as infinity; they are written rounded toward zero instead,
// "1.79769313486231E+308", so that every finite value's text reads back finite.
//
// Infinities and NaN are written "inf", "-inf" and "nan"; the window never
// shows them. For every finite value, readNumber() of the text gives back a
// double equal to the value to 15 significant digits (for the largest
// doubles above, to 15 digits rounded toward zero; for both zeros, +0).
std::string numberText(double value, char decimalSeparator);

} // namespace number
