#pragma once

#include <string>
#include <string_view>

namespace number {

// `text` (UTF-8) as the user sees it, in the plain form the readers parse:
//   - every Unicode blank and line break becomes ' ';
//   - invisible format marks (zero-width space, direction marks...) are dropped;
//   - every Unicode decimal digit becomes its ASCII digit ("４５" -> "45");
//   - the dashes people write for minus (U+2010-U+2015, U+2212) become '-';
//   - every other character, ASCII or not, is kept as it is.
std::string plainText(std::string_view text);

} // namespace number
