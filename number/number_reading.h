#pragma once

#include <string_view>

namespace number {

// Reads the number written at the start of `text` (UTF-8) and returns it as
// a double. The text is read as the user sees it (plainText(), plain_text.h):
// Unicode blanks and line breaks are blanks, invisible format marks are
// ignored wherever they are, every Unicode decimal digit is its digit, and
// the dashes U+2010 to U+2015 and the minus sign U+2212 are '-'. So
// "\u00A045" (no-break space), "\u200F45" (right-to-left mark), "\n45",
// "４５" (full-width) and "٤٥" (Arabic-Indic) all read 45, and "\u201345"
// (en dash) reads -45.
//
// Accepted: the longest prefix of this form, and nothing else.
//   - leading blanks are skipped;
//   - an optional sign, '+' or '-';
//   - decimal digits with at most one decimal separator, '.' or ',' whatever
//     the locale, and at least one digit in all ("5", "5.", ".5", "5,25");
//   - an optional exponent: 'e' or 'E', an optional sign, at least one digit
//     ("1e\u22123" reads 0.001); it is taken only when complete ("12e" reads
//     12, "12e+" reads 12).
// Whatever follows the prefix is ignored:
//   "12abc" -> 12, "1.2.3" -> 1.2, "5..5" -> 5, "--5" -> 0, "  -7,5" -> -7.5,
//   "12°" -> 12, "1 000" and "1\u202F000" -> 1 (a blank ends the number)
// Text with no such prefix reads as +0: "", "abc", "-", ".", "e5", "- 5",
// "inf", "nan", "0x1p3" (reads 0: the prefix is "0"), "\u22135" (U+2213 is
// no minus), other characters that only look like a separator or a sign.
//
// The digits are converted by std::from_chars: correctly rounded (to
// nearest, ties to even) and independent of the C locale; a zero keeps its
// sign ("-0" -> -0). A literal too large for the largest finite double (at
// or above 2^1024 - 2^970, about 1.79769313486231581e308) reads as an
// infinity of its sign ("1e999" -> +inf, "-1e999" -> -inf); one too small for
// the smallest subnormal (at or below 2^-1075, about 2.47032822920623272e-324)
// reads as a zero of its sign ("1e-999" -> +0, "-1e-999" -> -0). Any length
// of text or of exponent reads right ("1e99999999999999999999" -> +inf).
// Never NaN.
double readNumber(std::string_view text) noexcept;

} // namespace number
