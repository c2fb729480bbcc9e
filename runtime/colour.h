#pragma once

#include <cstdint>

class QColor;

namespace runtime {

// A colour as the window's properties hold it: 0x00BBGGRR (blue, green and
// red bytes), or 0x80000000 plus the index of a system colour.
using Colour = std::uint32_t;

inline constexpr Colour systemColourFlag = 0x80000000u;

// The colour to draw with. A system colour index the table does not know
// gives black.
QColor toQColor(Colour colour);

} // namespace runtime
