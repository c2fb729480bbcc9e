#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace number {

// `text` (UTF-8) as the user sees it, in the plain form the readers parse:
//   - every Unicode blank and line break becomes ' ': tab, line feed,
//     carriage return, no-break space U+00A0, narrow no-break space U+202F,
//     ideographic space U+3000, line separator U+2028...;
//   - invisible format marks are dropped: zero-width space U+200B, the
//     direction marks U+200E and U+200F, bidi embeddings and isolates, the
//     byte order mark U+FEFF, the soft hyphen U+00AD...;
//   - every Unicode decimal digit becomes its ASCII digit: "４５" (full-width)
//     -> "45", "٤٥" (Arabic-Indic) -> "45", "४५" (Devanagari) -> "45";
//   - the dashes people write for minus, U+2010 to U+2015 (hyphen, en dash,
//     em dash...) and the minus sign U+2212, become '-';
//   - every other character, ASCII or not, is kept as it is: letters, marks
//     such as '°', other controls (NUL included), and each byte that does
//     not begin a well-formed UTF-8 sequence, on its own.
// The classes come from the Unicode Character Database (character_table.inc).
//
//   "\u00A0-12,5" -> " -12,5"   "\u2013\uFF14\uFF15" -> "-45"
//   "4\u200B5\n" -> "45 "        "45°\u202F12′" -> "45° 12′"
std::string plainText(std::string_view text);

// The first character of `text` (not empty) as plainText() treats it.
struct PlainCharacter
{
    std::size_t size; // its bytes in `text`, 1 to 4
    char plain;       // ' ', a digit, '-' or an ASCII character; '\0' when it
                      // has no plain form and is kept as it is, or is dropped
    bool dropped;     // an invisible format mark
};
PlainCharacter firstPlainNonAscii(std::string_view text) noexcept;

// Inline for ASCII, the readers' common case, where only the blanks change.
inline PlainCharacter firstPlainCharacter(std::string_view text) noexcept
{
    const char lead = text[0];
    if (static_cast<unsigned char>(lead) < 0x80)
        return {1, lead >= '\t' && lead <= '\r' ? ' ' : lead, false};
    return firstPlainNonAscii(text);
}

} // namespace number
