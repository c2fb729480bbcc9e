#pragma once

#include <cstdint>

class QColor;

namespace runtime {

// A colour as the window's properties hold it: 0x00BBGGRR (blue, green and
// red bytes), or 0x80000000 plus the index of a system colour.
using Colour = std::uint32_t;

inline constexpr Colour systemColourFlag = 0x80000000u;

// The system colours the runtime's own look is drawn in.
namespace systemColour {
inline constexpr Colour windowBackground = systemColourFlag | 5u;
inline constexpr Colour windowText = systemColourFlag | 8u;
inline constexpr Colour inactiveBorder = systemColourFlag | 11u;
inline constexpr Colour highlight = systemColourFlag | 13u;
inline constexpr Colour highlightedText = systemColourFlag | 14u;
inline constexpr Colour buttonFace = systemColourFlag | 15u;
inline constexpr Colour buttonShadow = systemColourFlag | 16u;
inline constexpr Colour greyText = systemColourFlag | 17u;
inline constexpr Colour buttonText = systemColourFlag | 18u;
inline constexpr Colour buttonHighlight = systemColourFlag | 20u;
inline constexpr Colour darkShadow3D = systemColourFlag | 21u;
inline constexpr Colour light3D = systemColourFlag | 22u;
inline constexpr Colour tooltipText = systemColourFlag | 23u;
inline constexpr Colour tooltipBackground = systemColourFlag | 24u;
} // namespace systemColour

// The colour to draw with. A system colour index the table does not know
// gives black.
QColor toQColor(Colour colour);

} // namespace runtime
