#include "number/plain_text.h"

#include <algorithm>
#include <iterator>

namespace number {
namespace {

enum class CharacterClass : unsigned char { Blank, FormatMark, Digit };

struct CharacterRange
{
    char32_t first;
    char32_t last;
    CharacterClass kind;
};

// Non-ASCII blanks, format marks and decimal digits; a digit's value is its
// distance from its range's first code point, modulo 10.
constexpr CharacterRange kRanges[] = {
#include "number/character_table.inc"
};

// The code point of the well-formed UTF-8 sequence at the start of `text`
// and its size, or size 0 when there is none (a stray continuation byte, a
// sequence cut short, an overlong form, a surrogate, beyond U+10FFFF).
struct Decoded
{
    char32_t code;
    std::size_t size;
};

Decoded decode(std::string_view text) noexcept
{
    const auto lead = static_cast<unsigned char>(text[0]);
    std::size_t size = 0;
    char32_t least = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        size = 2;
        least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        size = 3;
        least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        size = 4;
        least = 0x10000;
    } else {
        return {0, 0};
    }
    char32_t code = lead & (0x7Fu >> size); // the lead byte's payload bits
    if (text.size() < size)
        return {0, 0};
    for (std::size_t i = 1; i < size; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xC0u) != 0x80u)
            return {0, 0};
        code = (code << 6) | (byte & 0x3Fu);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return {0, 0};
    return {code, size};
}

} // namespace

PlainCharacter firstPlainNonAscii(std::string_view text) noexcept
{
    const Decoded d = decode(text);
    if (d.size == 0)
        return {1, '\0', false};
    if ((d.code >= 0x2010 && d.code <= 0x2015) || d.code == 0x2212)
        return {d.size, '-', false};
    const auto* range = std::upper_bound(std::begin(kRanges), std::end(kRanges), d.code,
                                         [](char32_t code, const CharacterRange& r) { return code < r.first; });
    if (range == std::begin(kRanges) || d.code > (--range)->last)
        return {d.size, '\0', false};
    switch (range->kind) {
    case CharacterClass::Blank:
        return {d.size, ' ', false};
    case CharacterClass::FormatMark:
        return {d.size, '\0', true};
    case CharacterClass::Digit:
        return {d.size, static_cast<char>('0' + (d.code - range->first) % 10), false};
    }
    return {d.size, '\0', false};
}

std::string plainText(std::string_view text)
{
    std::string plain;
    plain.reserve(text.size());
    while (!text.empty()) {
        const PlainCharacter c = firstPlainCharacter(text);
        if (c.plain != '\0')
            plain += c.plain;
        else if (!c.dropped)
            plain.append(text.substr(0, c.size));
        text.remove_prefix(c.size);
    }
    return plain;
}

} // namespace number
