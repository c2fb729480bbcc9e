#pragma once

#include <string_view>

// The reading of a number built another way than number::readNumber: a
// character-by-character scanner that rewrites the accepted prefix in the
// plain C form "[-]I.F[e[-]X]" for strtod() under the "C" locale.
namespace reference {

// What `plain` reads as; `plain` is a text in plain form (number::plainText):
// ASCII blanks, signs and digits, anything else a stop.
double referenceRead(std::string_view plain);

} // namespace reference
