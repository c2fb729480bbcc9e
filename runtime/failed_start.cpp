#include "runtime/failed_start.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace runtime {

void endFailedStart(std::string_view text)
{
    // Never unlocked: a second caller waits here until the first one has
    // ended the process.
    static std::mutex once;
    once.lock();
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fflush(stderr);
    std::_Exit(EXIT_FAILURE);
}

} // namespace runtime
