// libFuzzer target for the number layer.
//
// For any input bytes:
//   - readNumber() of the bytes as text does not crash and gives exactly what
//     an independent reference reading gives: a plain scanner written here,
//     plus strtod() under the "C" locale;
//   - the first 8 bytes as a double, and the double just read, when finite:
//     numberText() with "." and with "," is laid out as a reference built on
//     printf("%.14e") says, and reads back as the value rounded to 15
//     significant digits (toward zero for the largest doubles).

#include "number/number_reading.h"
#include "number/number_text.h"
#include "reference_text.h"

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

bool sameBits(double a, double b)
{
    std::uint64_t x = 0;
    std::uint64_t y = 0;
    std::memcpy(&x, &a, sizeof x);
    std::memcpy(&y, &b, sizeof y);
    return x == y;
}

[[noreturn]] void fail(const char* what, const std::string& input, const std::string& detail)
{
    std::fprintf(stderr, "fuzz_number: %s\n  input (%zu bytes): \"", what, input.size());
    for (const char c : input) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7f && c != '"' && c != '\\')
            std::fputc(byte, stderr);
        else
            std::fprintf(stderr, "\\x%02x", static_cast<unsigned>(byte));
    }
    std::fprintf(stderr, "\"\n  %s\n", detail.c_str());
    std::abort();
}

std::string showDouble(double x)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17g%s", x, (x == 0 && std::signbit(x)) ? " (negative zero)" : "");
    return buffer;
}

// --- Reference reading: a character-by-character scanner that builds the
// plain C form "[-]I.F[e[-]X]" for strtod, which the "C" locale reads with '.'.

bool startsWith(std::string_view s, std::size_t i, std::string_view prefix)
{
    return s.substr(i, prefix.size()) == prefix;
}

double referenceRead(std::string_view s)
{
    constexpr std::string_view kMinus = "\xE2\x88\x92";
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t'))
        ++i;

    std::string sign;
    if (startsWith(s, i, "+")) {
        i += 1;
    } else if (startsWith(s, i, "-")) {
        sign = "-";
        i += 1;
    } else if (startsWith(s, i, kMinus)) {
        sign = "-";
        i += kMinus.size();
    }

    std::string integerDigits;
    std::string fractionDigits;
    bool separatorSeen = false;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (c >= '0' && c <= '9') {
            (separatorSeen ? fractionDigits : integerDigits).push_back(c);
        } else if ((c == '.' || c == ',') && !separatorSeen) {
            separatorSeen = true;
        } else {
            break;
        }
    }
    if (integerDigits.empty() && fractionDigits.empty())
        return 0.0;

    std::string exponent;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        std::string exponentSign;
        if (startsWith(s, j, "+")) {
            j += 1;
        } else if (startsWith(s, j, "-")) {
            exponentSign = "-";
            j += 1;
        } else if (startsWith(s, j, kMinus)) {
            exponentSign = "-";
            j += kMinus.size();
        }
        std::string digits;
        while (j < s.size() && s[j] >= '0' && s[j] <= '9')
            digits.push_back(s[j++]);
        if (!digits.empty())
            exponent = "e" + exponentSign + digits;
    }

    const std::string plain = sign + (integerDigits.empty() ? "0" : integerDigits) + "."
                              + (fractionDigits.empty() ? "0" : fractionDigits) + exponent;
    return std::strtod(plain.c_str(), nullptr);
}

void checkText(double x, const std::string& input)
{
    if (!std::isfinite(x))
        return;
    const double expected = reference::expectedReadBack(x);
    for (const char separator : {'.', ','}) {
        const std::string text = number::numberText(x, separator);
        const std::string expectedText = reference::referenceText(x, separator);
        if (text != expectedText)
            fail("numberText differs from the reference", input,
                 showDouble(x) + ": \"" + text + "\" instead of \"" + expectedText + "\"");
        const double back = number::readNumber(text);
        if (!sameBits(back, expected))
            fail("numberText does not read back", input,
                 showDouble(x) + ": \"" + text + "\" reads " + showDouble(back) + " instead of "
                     + showDouble(expected));
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    std::setlocale(LC_ALL, "C");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);

    const double actual = number::readNumber(input);
    const double expected = referenceRead(input);
    if (std::isnan(actual) || !sameBits(actual, expected))
        fail("readNumber differs from the reference", input,
             "read " + showDouble(actual) + " instead of " + showDouble(expected));

    if (size >= sizeof(double)) {
        double bytes = 0.0;
        std::memcpy(&bytes, data, sizeof bytes);
        checkText(bytes, input);
    }
    checkText(actual, input);
    return 0;
}
