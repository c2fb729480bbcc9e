#pragma once

#include <string_view>

namespace runtime {

// Why the window has nowhere to open.
enum class NoDisplay {
    NoneNamed,      // no display in the environment, no platform chosen
    NoneAnswers,    // the toolkit could open none of those named
};

// Whether the environment or the command line names a display, or a
// platform that may not need one, for the toolkit to open the window on.
bool displayNamed(int argc, const char *const *argv);

// Says in one French line on standard error that no display was found.
void reportNoDisplay(std::string_view program, NoDisplay reason);

} // namespace runtime
