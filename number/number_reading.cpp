// readNumber(): our own scan of the grammar of number_reading.h, and
// std::from_chars for the conversion itself. Three ways, from the most common:
//   - '.' or no separator, ASCII sign or none: std::from_chars reads the text
//     itself from the first digit or '.' (its grammar is then ours);
//   - ',' separator: the same on a small stack copy with '.' in its place;
//   - anything else (sign or exponent sign U+2212, out of range, long text
//     with ','): readGeneral() scans the whole prefix, and converts it as it
//     is or a normalized copy of it; a long one is cut to 800 significant
//     digits plus a sticky digit (convertLong), so that no text needs the heap.

#include "number/number_reading.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <system_error>

namespace number {
namespace {

// The accepted prefix of a text, as found by scanPrefix(). Every pointer
// points into the text; `mantissa` is null when there is no prefix at all.
struct Prefix {
    const char* mantissa = nullptr;       // first digit or separator, after the sign
    const char* separator = nullptr;      // the one '.' or ',', null when none
    const char* mantissaEnd = nullptr;    // one past the last digit or separator
    const char* exponentDigits = nullptr; // first exponent digit, null when no exponent
    const char* end = nullptr;            // one past the accepted prefix
    bool negative = false;                // sign of the number
    bool exponentNegative = false;        // sign of the exponent
    bool exponentUnicodeMinus = false;    // the exponent sign is U+2212
};

constexpr bool isDigit(char c) noexcept
{
    return c >= '0' && c <= '9';
}

// U+2212 MINUS SIGN in UTF-8.
bool isUnicodeMinus(const char* p, const char* end) noexcept
{
    return end - p >= 3 && p[0] == '\xE2' && p[1] == '\x88' && p[2] == '\x92';
}

// Reads an optional sign at `p`: '+', '-' or U+2212. Returns the position after
// it (or `p` when there is none) and says whether it was a minus, and U+2212.
const char* skipSign(const char* p, const char* end, bool& negative, bool& unicode) noexcept
{
    negative = false;
    unicode = false;
    if (p == end)
        return p;
    if (*p == '+')
        return p + 1;
    if (*p == '-') {
        negative = true;
        return p + 1;
    }
    if (isUnicodeMinus(p, end)) {
        negative = true;
        unicode = true;
        return p + 3;
    }
    return p;
}

// Finds the longest prefix of the grammar stated in number_reading.h.
Prefix scanPrefix(const char* p, const char* end) noexcept
{
    Prefix result;
    while (p != end && (*p == ' ' || *p == '\t'))
        ++p;

    bool negative = false;
    bool unicode = false;
    p = skipSign(p, end, negative, unicode);

    const char* const mantissa = p;
    const char* separator = nullptr;
    bool anyDigit = false;
    for (; p != end; ++p) {
        if (isDigit(*p)) {
            anyDigit = true;
        } else if ((*p == '.' || *p == ',') && separator == nullptr) {
            separator = p;
        } else {
            break;
        }
    }
    if (!anyDigit)
        return result; // no prefix: "", "-", ".", "e5", "--5", "inf"...

    result.mantissa = mantissa;
    result.separator = separator;
    result.mantissaEnd = p;
    result.end = p;
    result.negative = negative;

    // The exponent is taken only when complete: 'e' or 'E', sign, digit(s).
    if (p != end && (*p == 'e' || *p == 'E')) {
        bool expNegative = false;
        bool expUnicode = false;
        const char* q = skipSign(p + 1, end, expNegative, expUnicode);
        if (q != end && isDigit(*q)) {
            result.exponentDigits = q;
            result.exponentNegative = expNegative;
            result.exponentUnicodeMinus = expUnicode;
            while (q != end && isDigit(*q))
                ++q;
            result.end = q;
        }
    }
    return result;
}

// First non-zero digit of the mantissa, or null when all digits are zero.
const char* firstNonZeroDigit(const Prefix& prefix) noexcept
{
    for (const char* p = prefix.mantissa; p != prefix.mantissaEnd; ++p) {
        if (*p != '0' && isDigit(*p))
            return p;
    }
    return nullptr;
}

// The exponents are saturated at this magnitude: anything beyond it is far
// out of the double range anyway, and the sums below stay within int64.
constexpr std::int64_t kExponentCap = 1'000'000'000'000'000; // 1e15

// The written exponent, signed, saturated at about ±kExponentCap.
std::int64_t writtenExponent(const Prefix& prefix) noexcept
{
    if (prefix.exponentDigits == nullptr)
        return 0;
    std::int64_t e = 0;
    for (const char* p = prefix.exponentDigits; p != prefix.end; ++p) {
        if (e < kExponentCap)
            e = e * 10 + (*p - '0');
    }
    return prefix.exponentNegative ? -e : e;
}

// The decimal exponent E such that the number is 0.d1d2d3... × 10^E with d1
// the first non-zero digit `first`. Saturating: never overflows, whatever the
// length of the text or of its exponent.
std::int64_t effectiveExponent(const Prefix& prefix, const char* first) noexcept
{
    std::int64_t position;
    if (prefix.separator == nullptr || first < prefix.separator) {
        const char* integerEnd = prefix.separator != nullptr ? prefix.separator : prefix.mantissaEnd;
        position = integerEnd - first;            // digits before the separator, from d1 on
    } else {
        position = -(first - prefix.separator - 1); // zeros between the separator and d1
    }
    return position + writtenExponent(prefix);
}

double withSign(bool negative, double magnitude) noexcept
{
    return negative ? -magnitude : magnitude;
}

// Converts the unsigned normalized text [first, last) with std::from_chars.
// Out of range: decides between infinity and zero from the effective exponent.
double convert(const char* first, const char* last, const Prefix& prefix) noexcept
{
    double magnitude = 0.0;
    const auto [ptr, ec] = std::from_chars(first, last, magnitude, std::chars_format::general);
    static_cast<void>(ptr);
    if (ec == std::errc()) {
        return withSign(prefix.negative, magnitude);
    }
    if (ec == std::errc::result_out_of_range) {
        const char* d1 = firstNonZeroDigit(prefix);
        if (d1 != nullptr && effectiveExponent(prefix, d1) > 0)
            return withSign(prefix.negative, std::numeric_limits<double>::infinity());
        return withSign(prefix.negative, 0.0);
    }
    return 0.0; // unreachable: the prefix is always a valid from_chars pattern
}

// More significant digits than any halfway point between two doubles has
// (at most 768), so that cutting the rest off, with a non-zero sticky digit
// in place of whatever non-zero digits were cut, never changes the rounding.
constexpr std::ptrdiff_t kKeptDigits = 800;

// Long texts that need normalizing (a ',' separator or a U+2212 exponent
// sign) and do not fit the small buffer: written as "0.DIGITSe<E>" with at
// most kKeptDigits significant digits plus a sticky digit, in a bounded
// buffer, so that no length of text needs the heap.
[[gnu::noinline, gnu::cold]] double convertLong(const Prefix& prefix) noexcept
{
    const char* d1 = firstNonZeroDigit(prefix);
    if (d1 == nullptr)
        return withSign(prefix.negative, 0.0);

    char buffer[kKeptDigits + 32];
    char* out = buffer;
    *out++ = '0';
    *out++ = '.';
    std::ptrdiff_t kept = 0;
    bool sticky = false;
    for (const char* p = d1; p != prefix.mantissaEnd; ++p) {
        if (p == prefix.separator)
            continue;
        if (kept < kKeptDigits) {
            *out++ = *p;
            ++kept;
        } else if (*p != '0') {
            sticky = true;
            break;
        }
    }
    if (sticky)
        *out++ = '1';
    *out++ = 'e';
    const std::int64_t exponent = effectiveExponent(prefix, d1);
    out = std::to_chars(out, buffer + sizeof buffer, exponent).ptr;
    return convert(buffer, out, prefix);
}

// Short texts that need normalizing go through this stack buffer.
constexpr std::ptrdiff_t kShortBuffer = 128;

// Any text: scans the whole grammar, then converts the prefix as it is, or a
// normalized copy of it.
double readGeneral(const char* begin, const char* end) noexcept
{
    const Prefix prefix = scanPrefix(begin, end);
    if (prefix.mantissa == nullptr)
        return 0.0;

    const bool commaSeparator = prefix.separator != nullptr && *prefix.separator == ',';
    if (!commaSeparator && !prefix.exponentUnicodeMinus) {
        // Already in the from_chars form once the sign is set aside
        // ("12.5", ".5", "5.", "1e-7", "1E+7"): no copy at all.
        return convert(prefix.mantissa, prefix.end, prefix);
    }

    if (prefix.end - prefix.mantissa > kShortBuffer)
        return convertLong(prefix);

    // Copy with '.' as separator and '-' for a U+2212 exponent sign.
    char buffer[kShortBuffer];
    char* out = buffer;
    const auto copy = [&out](const char* first, const char* last) {
        const auto size = static_cast<std::size_t>(last - first);
        std::memcpy(out, first, size);
        out += size;
    };
    if (prefix.exponentUnicodeMinus) {
        copy(prefix.mantissa, prefix.mantissaEnd);
        *out++ = 'e';
        *out++ = '-';
        copy(prefix.exponentDigits, prefix.end);
    } else {
        copy(prefix.mantissa, prefix.end); // "e+5", "e-5" are fine as they are
    }
    if (prefix.separator != nullptr)
        buffer[prefix.separator - prefix.mantissa] = '.';
    return convert(buffer, out, prefix);
}

// An exponent with the sign U+2212 at `p`: 'e' or 'E', E2 88 92, a digit.
bool unicodeMinusExponentAt(const char* p, const char* end) noexcept
{
    return end - p >= 5 && (*p == 'e' || *p == 'E') && isUnicodeMinus(p + 1, end) && isDigit(p[4]);
}

} // namespace

double readNumber(std::string_view text) noexcept
{
    const char* const begin = text.data();
    const char* const end = begin + text.size();

    // The common cases, at little more than the cost of std::from_chars: an
    // ASCII sign or none, and '.' or ',' as separator or none. From the first
    // digit or separator on, the grammar is then the one std::from_chars reads
    // by itself once a ',' is made a '.', except for an exponent sign U+2212.
    // Anything else (a sign U+2212, an exponent sign U+2212, a result out of
    // range, a long number with ',') is left to readGeneral().
    const char* p = begin;
    while (p != end && (*p == ' ' || *p == '\t'))
        ++p;
    bool negative = false;
    if (p != end && (*p == '-' || *p == '+')) {
        negative = *p == '-';
        ++p;
    }
    if (p == end || !(isDigit(*p) || *p == '.' || *p == ','))
        return readGeneral(begin, end);
    const char* separator = p; // the first non-digit: a separator, maybe
    while (separator != end && isDigit(*separator))
        ++separator;

    double magnitude = 0.0;
    if (separator == end || *separator != ',') {
        // '.' or no separator: the text as it is.
        const auto [ptr, ec] = std::from_chars(p, end, magnitude, std::chars_format::general);
        if (ec == std::errc::invalid_argument)
            return 0.0; // ".", ".e5": no digit
        if (ec == std::errc() && !unicodeMinusExponentAt(ptr, end))
            return withSign(negative, magnitude);
        return readGeneral(begin, end);
    }

    // ',' separator: a copy with '.' instead, of at most kShortBuffer bytes
    // of the text; std::from_chars finds the end of the number in it.
    if (separator - p >= kShortBuffer)
        return readGeneral(begin, end); // the ',' would be beyond the copy
    char buffer[kShortBuffer];
    const auto size = std::min(end - p, kShortBuffer);
    std::memcpy(buffer, p, static_cast<std::size_t>(size));
    buffer[separator - p] = '.';
    const char* const bufferEnd = buffer + size;
    const auto [ptr, ec] = std::from_chars(buffer, bufferEnd, magnitude, std::chars_format::general);
    if (ec == std::errc::invalid_argument)
        return 0.0; // ",", ",e5": no digit
    // Cut short, the copy may end within the number or its exponent: 'e',
    // U+2212 and a digit take 5 bytes.
    const bool cut = size < end - p && bufferEnd - ptr < 5;
    if (ec == std::errc() && !cut && !unicodeMinusExponentAt(ptr, bufferEnd))
        return withSign(negative, magnitude);
    return readGeneral(begin, end);
}

} // namespace number
