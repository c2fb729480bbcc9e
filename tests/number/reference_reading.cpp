#include "reference_reading.h"

#include "c_locale.h"

#include <cstdlib>
#include <string>

namespace reference {
namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

double referenceRead(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ')
        ++i;

    std::string sign;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-')
            sign = "-";
        ++i;
    }

    std::string integerDigits;
    std::string fractionDigits;
    bool separatorSeen = false;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (isDigit(c)) {
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
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            if (s[j] == '-')
                exponentSign = "-";
            ++j;
        }
        std::string digits;
        while (j < s.size() && isDigit(s[j]))
            digits.push_back(s[j++]);
        if (!digits.empty())
            exponent = "e" + exponentSign + digits;
    }

    const std::string plain = sign + (integerDigits.empty() ? "0" : integerDigits) + "."
                              + (fractionDigits.empty() ? "0" : fractionDigits) + exponent;
    const InCLocale c;
    return std::strtod(plain.c_str(), nullptr);
}

} // namespace reference
