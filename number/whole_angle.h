#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace number {

// An angle written whole, as web pages, maps and GPS exports write it. Each
// part is its number exactly as written, digits and decimal separator
// unchanged, without any sign.
struct WholeAngle
{
    std::string degrees;       // never empty
    std::string minutes;       // empty when not written
    std::string seconds;       // empty when not written
    bool minusSign = false;    // '-' (or a minus dash) before the degrees
    char hemisphere = '\0';    // 'N', 'S', 'E', 'W' or 'O' (ouest), or '\0'

    // A minus sign, or the hemisphere S, W or O, makes the whole angle negative.
    bool negative() const;
};

// The first angle written in `text` (UTF-8), if it is whole. The text is
// read as the user sees it (number::plainText): Unicode blanks, digits and
// minus dashes count as their plain forms.
//
// An angle is, with blanks allowed between its parts:
//   - an optional hemisphere letter, N S E W or O in either case, standing
//     alone (not the end of a word: "N 45°" and "N45°" have one, "IN 45°"
//     has none);
//   - an optional sign, '-', '+' or U+2212, directly before the digits;
//   - degrees: a number (digits, then optionally '.' or ',' and digits)
//     directly followed by a degree mark: ° º ˚, or d/D not followed by a
//     letter;
//   - optionally minutes: a number directly followed by ' ′ ’ ´, or by m
//     not followed by a letter;
//   - optionally seconds: a number directly followed by " ″ ” '', by a
//     minute mark written twice (′′ ’’ ´´), or by s not followed by a letter;
//   - when no letter came before it, an optional hemisphere letter after it,
//     not followed by a letter ("48°51'N" has one, "48°51' Nord" has none).
// Or the colon form: two or three numbers joined by ':' ("45:12",
// "45:12:36"), with the same optional letters and sign around it; a letter
// straight after its digits and before a digit is an exponent, not a
// hemisphere ("45:12:36e5" has none).
//
// The first angle is the first number followed by a degree mark or by ':'
// and a digit. It is whole when it is in the colon form or has a degree
// mark and at least one of minutes, seconds or a hemisphere letter. Only
// that first angle counts: a text whose first angle is not whole has none.
//   "48°51'24\"N"               -> 48 / 51 / 24, N
//   "2° 21′ 3″ W"               -> 2 / 21 / 3, W (negative)
//   "N 45° 12.608'"             -> 45 / 12.608 / -, N
//   "-33°52'4,6\""              -> 33 / 52 / 4,6, minus sign
//   "45:12:36"                  -> 45 / 12 / 36
//   "45d12m36s"                 -> 45 / 12 / 36
//   "45°36\""                   -> 45 / - / 36
//   "48°51'24.0\"N 2°21'03.0\"E" -> 48 / 51 / 24.0, N (a pair gives its first)
//   "S -33°52'"                 -> 33 / 52 / -, S and a minus sign (negative)
//
// Rejected (no whole angle):
//   "", "N", "45.21", "12abc", "45 12 36", "45'", "°12'", "45°" alone,
//   "20°C, 48°51'N" (the first angle, 20°, is not whole);
//   two signs ("--45°12'", "+-45°12'");
//   a degrees number glued to a word or to another number ("x45°12'",
//   "1e45°12'", "1.2.45°12'", "10-45°12'");
//   a number left over where the next part would be, which the angle would
//   otherwise drop: "45°12'36" (seconds with no mark), "N 45° 12.608" (minutes
//   with no mark), "1:2:3:4" (a fourth number).
//
// Linear in the length of the text, no recursion.
std::optional<WholeAngle> readWholeAngle(std::string_view text);

} // namespace number
