#pragma once

#include <string>

// How the number tests and the fuzz target compare and show doubles.
namespace reference {

// Bit-for-bit equality: tells -0 from +0, and is never fuzzy.
bool sameDouble(double a, double b);

// 17 significant digits, enough to tell any two doubles apart; zeros as
// "+0" and "-0".
std::string showDouble(double x);

} // namespace reference
