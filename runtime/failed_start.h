#pragma once

#include <string_view>

namespace runtime {

// Ends a start that cannot go on: writes the text on standard error and ends
// the process with status 1 at once. The half-started toolkit's exit code
// does not run, so nothing it built can crash or hang on the way out. Safe
// from any thread: when two threads end the start together, only the first
// one's text is written.
[[noreturn]] void endFailedStart(std::string_view text);

} // namespace runtime
