#include "number/number_text.h"

#include <charconv>
#include <cmath>
#include <iterator>
#include <string_view>

namespace number {

std::string numberText(double value, char decimalSeparator)
{
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value < 0 ? "-inf" : "inf";
    if (value == 0.0)
        return "0"; // negative zero too

    // printf's "%.15g": plain form for decimal exponents -4 to 14, trailing
    // zeros dropped, the exponent signed and of two digits at least.
    char buffer[32];
    char* const end = std::to_chars(std::begin(buffer), std::end(buffer), value, std::chars_format::general, 15).ptr;
    std::string text(std::begin(buffer), end);

    // 1.79769313486232e+308 lies beyond the double range: the largest doubles
    // are written rounded toward zero instead, so that they read back finite.
    constexpr std::string_view beyondTheRange = "1.79769313486232e+308";
    if (std::string_view(text).ends_with(beyondTheRange))
        text[text.size() - std::string_view("2e+308").size()] = '1';

    for (char& c : text) {
        if (c == '.')
            c = decimalSeparator;
        else if (c == 'e')
            c = 'E';
    }
    return text;
}

} // namespace number
