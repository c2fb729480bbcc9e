// libFuzzer target for the number layer.
//
// For any input bytes:
//   - readNumber() of the bytes as text does not crash and gives exactly what
//     the tests' reference reading (a plain scanner and strtod under the "C"
//     locale) gives for their plainText(): the grammar and the conversion
//     are checked against the reference, the character classes by the tests'
//     table;
//   - plainText() of its own result changes nothing when the bytes are
//     well-formed UTF-8;
//   - the first 8 bytes as a double, and the double just read, when finite:
//     numberText() with "." and with "," is laid out as a reference built on
//     printf("%.14e") says, and reads back as the value rounded to 15
//     significant digits (toward zero for the largest doubles).

#include "number/number_reading.h"
#include "number/number_text.h"
#include "number/plain_text.h"
#include "reference_reading.h"
#include "reference_text.h"
#include "same_double.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

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

// Whether `text` is all well-formed UTF-8, as plainText() decodes it.
bool isUtf8(std::string_view text)
{
    while (!text.empty()) {
        const number::PlainCharacter c = number::firstPlainCharacter(text);
        if (c.size == 1 && static_cast<unsigned char>(text[0]) >= 0x80)
            return false;
        text.remove_prefix(c.size);
    }
    return true;
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
                 reference::showDouble(x) + ": \"" + text + "\" instead of \"" + expectedText + "\"");
        const double back = number::readNumber(text);
        if (!reference::sameDouble(back, expected))
            fail("numberText does not read back", input,
                 reference::showDouble(x) + ": \"" + text + "\" reads " + reference::showDouble(back) + " instead of "
                     + reference::showDouble(expected));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);

    const std::string plain = number::plainText(input);
    const double actual = number::readNumber(input);
    const double expected = reference::referenceRead(plain);
    if (std::isnan(actual) || !reference::sameDouble(actual, expected))
        fail("readNumber differs from the reference", input,
             "read " + reference::showDouble(actual) + " instead of " + reference::showDouble(expected));
    if (isUtf8(input) && number::plainText(plain) != plain)
        fail("plainText changes its own result", input, "plain: " + plain);

    if (size >= sizeof(double)) {
        double bytes = 0.0;
        std::memcpy(&bytes, data, sizeof bytes);
        checkText(bytes, input);
    }
    checkText(actual, input);
    return 0;
}
