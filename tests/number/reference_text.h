#pragma once

#include <string>

// The text form and its read-back built another way than number::numberText:
// from printf's "%.14e" digits with string operations, under the "C" locale
// whatever the process's. Tests, the soak's model and the fuzz target compare
// the real code with these.
namespace reference {

// 15 correctly rounded significant digits, written by the C library.
std::string printfScientific(double x);

// The expected text form of x with the given separator ("nan", "inf" and
// "-inf" for the non-finite values).
std::string referenceText(double x, char separator);

// What the text of a finite x reads back as: x rounded to 15 significant
// digits, or rounded toward zero where that would overflow; +0 for zeros.
double expectedReadBack(double x);

} // namespace reference
