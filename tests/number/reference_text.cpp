#include "reference_text.h"

#include "c_locale.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace reference {

std::string printfScientific(double x)
{
    char buffer[64];
    const InCLocale c;
    std::snprintf(buffer, sizeof buffer, "%.14e", x);
    return buffer;
}

std::string referenceText(double x, char separator)
{
    if (std::isnan(x))
        return "nan";
    if (std::isinf(x))
        return x < 0 ? "-inf" : "inf";
    if (x == 0)
        return "0";
    std::string s = printfScientific(x);
    std::string sign;
    if (s[0] == '-') {
        sign = "-";
        s.erase(0, 1);
    }
    const auto e = s.find('e');
    const int exponent = std::atoi(s.c_str() + e + 1);
    std::string digits = s.substr(0, 1) + s.substr(2, e - 2);
    if (exponent == 308 && digits == "179769313486232")
        digits = "179769313486231";
    while (digits.back() == '0')
        digits.pop_back();

    if (exponent < -4 || exponent >= 15) {
        std::string out = sign + digits.substr(0, 1);
        if (digits.size() > 1)
            out += separator + digits.substr(1);
        std::string magnitude = std::to_string(std::abs(exponent));
        if (magnitude.size() < 2)
            magnitude.insert(0, "0");
        return out + "E" + (exponent < 0 ? "-" : "+") + magnitude;
    }
    if (exponent < 0)
        return sign + "0" + separator + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    const auto integerDigits = static_cast<std::size_t>(exponent + 1);
    if (digits.size() <= integerDigits)
        return sign + digits + std::string(integerDigits - digits.size(), '0');
    return sign + digits.substr(0, integerDigits) + separator + digits.substr(integerDigits);
}

double expectedReadBack(double x)
{
    if (x == 0)
        return 0.0;
    const std::string digits = printfScientific(x);
    const InCLocale c;
    const double rounded = std::strtod(digits.c_str(), nullptr);
    if (std::isinf(rounded))
        return std::signbit(x) ? -1.79769313486231e308 : 1.79769313486231e308;
    return rounded;
}

} // namespace reference
