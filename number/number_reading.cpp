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
#include <string_view>
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
    explicit PlainCursor(std::string_view text) noexcept : m_at(text.data()), m_end(text.data() + text.size())
    {
        settle();
    }

    // The current plain character; '\0' at the end of the text and on a
    // character with no plain form.
    char get() const noexcept { return m_current; }
    void next() noexcept
    {
        m_at = m_next;
        settle();
    }
    // Takes the run of ASCII digits from the current character on, as it
    // stands in the text: what people type, copied at once.
    std::string_view takeAsciiDigits() noexcept
    {
        const char* p = m_at;
        while (p != m_end && isDigit(*p))
            ++p;
        const std::string_view run(m_at, static_cast<std::size_t>(p - m_at));
        if (!run.empty()) {
            m_at = p;
            settle();
        }
        return run;
    }

private:
    void settle() noexcept
    {
        for (; m_at != m_end; m_at = m_next) {
            const PlainCharacter c = firstPlainCharacter({m_at, static_cast<std::size_t>(m_end - m_at)});
            m_next = m_at + c.size;
            if (!c.dropped) {
                m_current = c.plain;
                return;
            }
        }
        m_current = '\0';
    }

    const char* m_at;
    const char* const m_end;
    const char* m_next = nullptr;
    char m_current = '\0';
};

// The accepted prefix as std::from_chars reads it: on the stack for what
// people type, copied to the heap past that.
class Prefix
{
public:
    static constexpr std::size_t npos = std::string_view::npos;

    void operator+=(std::string_view text)
    {
        if (m_large.empty() && m_size + text.size() <= sizeof m_small) {
            std::copy(text.begin(), text.end(), m_small + m_size);
        } else {
            if (m_large.empty())
                m_large.assign(m_small, m_size);
            m_large += text;
        }
        m_size += text.size();
    }
    void operator+=(char c) { *this += std::string_view(&c, 1); }
    std::string_view view() const noexcept
    {
        return m_large.empty() ? std::string_view(m_small, m_size) : std::string_view(m_large);
    }
    std::size_t size() const noexcept { return m_size; }

private:
    char m_small[64];
    std::size_t m_size = 0;
    std::string m_large;
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
    Prefix number;
    std::size_t integerDigits = Prefix::npos; // where the separator is
    for (;; in.next()) {
        number += in.takeAsciiDigits();
        const char c = in.get();
        if (isDigit(c)) { // of another script
            number += c;
        } else if ((c == '.' || c == ',') && integerDigits == Prefix::npos) {
            integerDigits = number.size();
            number += '.';
        } else {
            break;
        }
    }
    if (integerDigits == Prefix::npos)
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
    const std::string_view prefix = number.view();
    const auto [last, ec] = std::from_chars(prefix.data(), prefix.data() + prefix.size(), magnitude);
    static_cast<void>(last);
    if (ec == std::errc::result_out_of_range) {
        // The number is 0.d1d2... x 10^scale, with d1 its first non-zero
        // digit: far above zero for an overflow, far below for an underflow.
        const std::size_t firstNonZero = prefix.find_first_not_of("0.");
        const std::int64_t scale = firstNonZero < integerDigits
            ? static_cast<std::int64_t>(integerDigits - firstNonZero)
            : -static_cast<std::int64_t>(firstNonZero - integerDigits - 1);
        magnitude = scale + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -magnitude : magnitude;
}

} // namespace number
