#include "number/number_text.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstring>

namespace number {
namespace {

constexpr int kDigits = 15;

// Exponent form below this decimal exponent and from kFixedMaxExponent + 1 on.
constexpr int kFixedMinExponent = -4;
constexpr int kFixedMaxExponent = 14;

// The 15 significant digits of a double, correctly rounded, and the decimal
// exponent after that rounding (so 9.999999999999999e14 gives 1e15).
struct Digits {
    char* digits;          // significant digits, without trailing zeros
    std::size_t count;     // 1 to 15 (up to 17 before rounding)
    int exponent;          // decimal exponent of the first digit
};

// Splits std::to_chars' scientific form "d[.ddd]e±dd[d]" of a positive
// number, in place: the first digit is moved next to the others.
Digits split(char* buffer, const char* end) noexcept
{
    // The exponent has two or three digits: 'e' is 4 or 5 from the end.
    const char* e = end[-4] == 'e' ? end - 4 : end - 5;
    int exponent = (e[2] - '0') * 10 + (e[3] - '0');
    if (e + 5 == end)
        exponent = exponent * 10 + (e[4] - '0');
    if (e[1] == '-')
        exponent = -exponent;
    if (e == buffer + 1)
        return {buffer, 1, exponent};
    buffer[1] = buffer[0]; // over the '.'
    return {buffer + 1, static_cast<std::size_t>(e - buffer - 1), exponent};
}

// Rounds 16 or 17 significant digits, not exactly halfway, to 15.
void roundTo15(Digits& d) noexcept
{
    char* const digits = d.digits;
    const bool up = digits[kDigits] >= '5';
    d.count = kDigits;
    if (!up)
        return;
    std::size_t i = kDigits;
    while (i > 0 && digits[i - 1] == '9')
        digits[--i] = '0';
    if (i > 0) {
        ++digits[i - 1];
    } else { // 99...9 rounded up to 100...0: one more decimal place
        digits[0] = '1';
        ++d.exponent;
    }
}

// The 15 significant digits of the positive finite `magnitude`, written into
// `buffer` (at least kBufferSize bytes).
//
// The shortest form that reads back as the value (std::to_chars, Ryu) is
// cheaper than std::to_chars with a precision, and gives the same digits:
//   - with 15 digits or fewer, it is the 15-digit rounding itself: from
//     DBL_MIN up, 15-digit decimals are further apart than doubles (1e-15
//     against at most 2.2e-16 of the value), so no other one is as near;
//   - with 16 or 17, rounding it to 15 digits rounds the value the same way,
//     unless it lies exactly on a 15-digit halfway point (16 digits ending in
//     5): no halfway point can lie between the value and its shortest form, or
//     the shortest form would have been that halfway point (16 digits, nearer)
//     or shorter.
// On a halfway point, and for subnormals (spaced 4.9e-324 apart, more than
// 15-digit decimals below 1e-309), std::to_chars with precision 14 decides
// from the exact binary value.
constexpr std::size_t kBufferSize = 48;

Digits fifteenDigits(double magnitude, char* buffer) noexcept
{
    if (magnitude >= DBL_MIN) {
        const char* end =
            std::to_chars(buffer, buffer + kBufferSize, magnitude, std::chars_format::scientific).ptr;
        Digits d = split(buffer, end);
        if (d.count <= kDigits)
            return d; // no trailing zeros in a shortest form
        if (d.count > kDigits + 1 || d.digits[kDigits] != '5') {
            roundTo15(d);
            while (d.digits[d.count - 1] == '0')
                --d.count;
            return d;
        }
    }
    const char* end =
        std::to_chars(buffer, buffer + kBufferSize, magnitude, std::chars_format::scientific, kDigits - 1).ptr;
    Digits d = split(buffer, end);
    while (d.digits[d.count - 1] == '0')
        --d.count;
    return d;
}

} // namespace

std::string numberText(double value, char decimalSeparator)
{
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value < 0 ? "-inf" : "inf";
    if (value == 0.0)
        return "0"; // negative zero too

    char buffer[kBufferSize] = {}; // all of it is copied below, 16 bytes at a time
    Digits d = fifteenDigits(std::fabs(value), buffer);
    char* const digits = d.digits;
    const int exponent = d.exponent;

    // 1.79769313486232e308 lies beyond the double range: the largest doubles
    // are written rounded toward zero instead, so that they read back finite.
    if (exponent == 308 && d.count == kDigits && std::memcmp(digits, "179769313486232", kDigits) == 0)
        digits[kDigits - 1] = '1';

    // Laid out in `out` with a one-byte '.' standing for the separator. The
    // digits are copied 16 bytes at a time, whatever their count (fixed sizes
    // compile to a few moves); `out` and `buffer` have room for the excess.
    char out[64];
    char* o = out;
    const char* separatorAt = nullptr;
    if (value < 0)
        *o++ = '-';
    const std::size_t count = d.count;
    if (exponent >= kFixedMinExponent && exponent <= kFixedMaxExponent) {
        if (exponent >= 0) {
            // ddd[.ddd], padded with zeros up to the units digit.
            const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
            std::memcpy(o, digits, 16);
            if (count <= integerDigits) {
                std::memset(o + count, '0', 16);
                o += integerDigits;
            } else {
                o += integerDigits;
                separatorAt = o;
                *o++ = '.';
                std::memcpy(o, digits + integerDigits, 16);
                o += count - integerDigits;
            }
        } else {
            // 0.000ddd
            *o++ = '0';
            separatorAt = o;
            *o++ = '.';
            std::memset(o, '0', 4);
            o += -exponent - 1;
            std::memcpy(o, digits, 16);
            o += count;
        }
    } else {
        // d[.ddd]E±dd[d]
        *o++ = digits[0];
        if (count > 1) {
            separatorAt = o;
            *o++ = '.';
            std::memcpy(o, digits + 1, 16);
            o += count - 1;
        }
        *o++ = 'E';
        *o++ = exponent < 0 ? '-' : '+';
        const unsigned magnitude = static_cast<unsigned>(exponent < 0 ? -exponent : exponent);
        if (magnitude >= 100)
            *o++ = static_cast<char>('0' + magnitude / 100);
        *o++ = static_cast<char>('0' + magnitude / 10 % 10);
        *o++ = static_cast<char>('0' + magnitude % 10);
    }

    if (separatorAt != nullptr)
        out[separatorAt - out] = decimalSeparator;
    return std::string(out, static_cast<std::size_t>(o - out));
}

} // namespace number
