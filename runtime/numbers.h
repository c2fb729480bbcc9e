#pragma once

#include <string>

#include "number/whole_angle.h"

#include <optional>

namespace runtime {

// The number written at the start of a text, as a double; text that starts
// with no number, the empty text included, gives 0. See number/number_reading.h
// for exactly what is read.
double readNumber(const std::string &text);

// The first angle written whole in a text ("48°51'24\"N", "45:12:36"), its
// parts as written; none when the text holds no whole angle. See
// number/whole_angle.h for exactly what is read.
std::optional<number::WholeAngle> readWholeAngle(const std::string &text);

// The runtime's standard text form of a double: 15 significant digits with
// the system locale's decimal separator ("," under a French locale, "."
// under C or English). See number/number_text.h.
std::string textOf(double value);

} // namespace runtime
