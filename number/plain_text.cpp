#include "number/plain_text.h"

namespace number {

std::string plainText(std::string_view text)
{
    return std::string(text);
}

} // namespace number
