// readNumber(): plain text goes to std::from_chars as it is; any other text
// is first copied into the form std::from_chars reads (',' made '.', U+2212
// made '-'), prefix only, and converted with one call.

#include "number/number_reading.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

namespace number {
namespace {

constexpr bool isDigit(char c) noexcept
{
    return c >= '0' && c <= '9';
}

const char* skipBlanks(const char* p, const char* end) noexcept
{
    while (p != end && (*p == ' ' || *p == '\t'))
        ++p;
    return p;
}

// Takes an optional sign at `p`: '+', '-' or U+2212 (UTF-8 E2 88 92).
// Returns true for either minus.
bool takeSign(const char*& p, const char* end) noexcept
{
    if (p != end && (*p == '+' || *p == '-'))
        return *p++ == '-';
    if (end - p >= 3 && p[0] == '\xE2' && p[1] == '\x88' && p[2] == '\x92') {
        p += 3;
        return true;
    }
    return false;
}

// Far beyond the exponents of the doubles; the sum below stays within int64.
constexpr std::int64_t kExponentCap = 1'000'000'000'000'000;

// Any text: the accepted prefix is copied in the form std::from_chars reads.
double readNormalized(const char* p, const char* end)
{
    p = skipBlanks(p, end);
    const bool negative = takeSign(p, end);

    const char* const mantissa = p;
    const char* separator = nullptr;
    for (; p != end && (isDigit(*p) || ((*p == '.' || *p == ',') && separator == nullptr)); ++p) {
        if (!isDigit(*p))
            separator = p;
    }
    const std::size_t integerDigits = static_cast<std::size_t>((separator != nullptr ? separator : p) - mantissa);
    if (p - mantissa == (separator != nullptr ? 1 : 0))
        return 0.0; // no digit: "", "-", ".", "e5", "--5", "inf"...

    // The prefix as std::from_chars reads it, sign apart.
    std::string number(mantissa, p);
    if (separator != nullptr)
        number[integerDigits] = '.';

    // The exponent only when complete: 'e' or 'E', a sign or none, digits.
    std::int64_t exponent = 0;
    if (p != end && (*p == 'e' || *p == 'E')) {
        const char* digits = p + 1;
        const bool exponentNegative = takeSign(digits, end);
        const char* q = digits;
        while (q != end && isDigit(*q))
            ++q;
        if (q != digits) {
            number += exponentNegative ? "e-" : "e";
            number.append(digits, q);
            if (std::from_chars(digits, q, exponent).ec != std::errc() || exponent > kExponentCap)
                exponent = kExponentCap;
            exponent = exponentNegative ? -exponent : exponent;
        }
    }

    double magnitude = 0.0;
    const auto [last, ec] = std::from_chars(number.data(), number.data() + number.size(), magnitude);
    static_cast<void>(last);
    if (ec == std::errc::result_out_of_range) {
        // The number is 0.d1d2... x 10^scale, with d1 its first non-zero
        // digit: far above zero for an overflow, far below for an underflow.
        const std::size_t firstNonZero = number.find_first_not_of("0.");
        const std::int64_t scale = firstNonZero < integerDigits
            ? static_cast<std::int64_t>(integerDigits - firstNonZero)
            : -static_cast<std::int64_t>(firstNonZero - integerDigits - 1);
        magnitude = scale + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -magnitude : magnitude;
}

} // namespace

double readNumber(std::string_view text) noexcept
{
    const char* const end = text.data() + text.size();

    // Plain text: from the first digit or '.' on, std::from_chars reads the
    // grammar by itself, unless it stops at a ',' or an 'e' that may go on
    // (a ',' separator, a U+2212 exponent sign), or the number is out of range.
    const char* p = skipBlanks(text.data(), end);
    const bool negative = p != end && *p == '-';
    if (p != end && (*p == '-' || *p == '+'))
        ++p;
    if (p != end && (isDigit(*p) || *p == '.')) {
        double magnitude = 0.0;
        const auto [last, ec] = std::from_chars(p, end, magnitude);
        if (ec == std::errc() && (last == end || (*last != ',' && *last != 'e' && *last != 'E')))
            return negative ? -magnitude : magnitude;
    }
    return readNormalized(text.data(), end);
}

} // namespace number
