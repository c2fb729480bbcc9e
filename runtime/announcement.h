#pragma once

#include <string>

namespace runtime {

// Tells a screen reader `text` at once, as a notification that interrupts
// nothing the user sees: no control, caption or pixel changes.
void announce(const std::string &text);

} // namespace runtime
