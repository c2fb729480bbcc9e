#pragma once

#include <cstdint>
#include <optional>

class QKeyEvent;

namespace runtime {

inline constexpr std::int16_t keyEnter = 13;
inline constexpr std::int16_t keyEscape = 27;

// The character code a key press hands to KeyPress handlers: 13 for Enter
// (main Return key and keypad Enter alike), 27 for Escape, the UTF-16 code
// of the typed character otherwise (codes above 0x7FFF wrap to negative, as
// a 16-bit signed code does). Keys that type nothing, such as the arrows or
// Shift alone, raise no KeyPress.
std::optional<std::int16_t> keyAsciiOf(const QKeyEvent &event);

} // namespace runtime
