#include "same_double.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace reference {

bool sameDouble(double a, double b)
{
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

std::string showDouble(double x)
{
    if (x == 0.0)
        return std::signbit(x) ? "-0" : "+0";
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", x);
    return buffer;
}

} // namespace reference
