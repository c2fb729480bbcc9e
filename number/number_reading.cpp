// readNumber(): the text is walked one plain character at a time and the
// accepted prefix copied in the form std::from_chars reads, which converts it
// in one call.

#include "number/number_reading.h"

#include "number/plain_text.h"

#include <algorithm>
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

// The plain characters of a text in turn, format marks skipped: only as far
// as the reading goes, so a long text is never normalised whole.
class PlainCursor
{
public:
    explicit PlainCursor(std::string_view text) noexcept : m_rest(text) { settle(); }

    // The current plain character; '\0' at the end of the text and on a
    // character with no plain form.
    char get() const noexcept { return m_current; }
    void next() noexcept
    {
        m_rest.remove_prefix(m_size);
        settle();
    }

private:
    void settle() noexcept
    {
        while (!m_rest.empty()) {
            const PlainCharacter c = firstPlainCharacter(m_rest);
            if (!c.dropped) {
                m_current = c.plain;
                m_size = c.size;
                return;
            }
            m_rest.remove_prefix(c.size);
        }
        m_current = '\0';
        m_size = 0;
    }

    std::string_view m_rest;
    char m_current = '\0';
    std::size_t m_size = 0;
};

// Far beyond the exponents of the doubles; the sum below stays within int64.
constexpr std::int64_t kExponentCap = 1'000'000'000'000'000;

} // namespace

double readNumber(std::string_view text) noexcept
{
    PlainCursor in(text);
    while (in.get() == ' ')
        in.next();
    const bool negative = in.get() == '-';
    if (negative || in.get() == '+')
        in.next();

    // The mantissa as std::from_chars reads it, sign apart: ',' made '.'.
    std::string number;
    std::size_t integerDigits = std::string::npos; // where the separator is
    for (char c = in.get(); isDigit(c) || ((c == '.' || c == ',') && integerDigits == std::string::npos);
         c = in.get()) {
        if (!isDigit(c)) {
            integerDigits = number.size();
            c = '.';
        }
        number += c;
        in.next();
    }
    if (integerDigits == std::string::npos)
        integerDigits = number.size();
    if (number.size() == (integerDigits < number.size() ? 1u : 0u))
        return 0.0; // no digit: "", "-", ".", "e5", "--5", "inf"...

    // The exponent only when complete: 'e' or 'E', a sign or none, digits.
    // Nothing is read after the number, so an incomplete one is just dropped.
    std::int64_t exponent = 0;
    if (in.get() == 'e' || in.get() == 'E') {
        in.next();
        const bool exponentNegative = in.get() == '-';
        if (exponentNegative || in.get() == '+')
            in.next();
        if (isDigit(in.get()))
            number += exponentNegative ? "e-" : "e";
        for (char c = in.get(); isDigit(c); in.next(), c = in.get()) {
            number += c;
            exponent = std::min(exponent * 10 + (c - '0'), kExponentCap);
        }
        exponent = exponentNegative ? -exponent : exponent;
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

} // namespace number
