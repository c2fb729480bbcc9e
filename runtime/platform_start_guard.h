#pragma once

#include <string>
#include <string_view>

namespace runtime {

// Watches the toolkit's start. Qt ends the process with an abort when its
// platform cannot start (a display that does not answer, say), after
// several lines of its own; while a guard is held, such a failure ends the
// program with one French line and status 1 instead. The toolkit's other
// messages of that moment are held back and given out when the guard lets
// go, so that a failed start shows nothing else.
class PlatformStartGuard
{
public:
    explicit PlatformStartGuard(std::string_view program);
    ~PlatformStartGuard();
    PlatformStartGuard(const PlatformStartGuard &) = delete;
    PlatformStartGuard &operator=(const PlatformStartGuard &) = delete;

    // The toolkit has started: messages go their normal way again, the
    // held ones first.
    void release();

private:
    std::string m_program;
    bool m_held = true;
};

} // namespace runtime
