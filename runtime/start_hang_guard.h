#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

namespace runtime {

// What a start that has stopped moving is waiting for.
enum class StartStep {
    Display,      // the toolkit connects to the display
    SessionBus,   // the accessibility bridge registers on the D-Bus session bus
    Window,       // the window is built and shown
};

// How long a start may take before it counts as hung: 30 seconds, or the
// whole number of seconds (1 to 3600) in DMS2DD_START_TIMEOUT.
std::chrono::seconds startBound();

// The French line that says what did not answer within the bound.
std::string startHangReport(std::string_view program, StartStep step, std::chrono::seconds bound);

// Watches the start from a thread of its own. A display or a session bus
// that accepts the connection and never answers would leave the program
// waiting forever, with no window and nothing said; if the guard has not
// been released within the bound, the program says what it was waiting for
// in one French line on standard error and ends with status 1.
class StartHangGuard
{
public:
    using Expiry = std::function<void(StartStep)>;

    explicit StartHangGuard(std::string_view program);
    // Calls onExpiry, on the guard's thread, instead of ending the program.
    StartHangGuard(std::chrono::milliseconds bound, Expiry onExpiry);
    ~StartHangGuard();
    StartHangGuard(const StartHangGuard &) = delete;
    StartHangGuard &operator=(const StartHangGuard &) = delete;

    // The start has moved on to this step.
    void reached(StartStep step);
    // The window is shown: the guard stops watching. Returns at once.
    void release();

private:
    void watch(std::chrono::steady_clock::time_point deadline);

    Expiry m_onExpiry;
    std::mutex m_mutex;
    std::condition_variable m_released;
    bool m_isReleased = false;
    StartStep m_step = StartStep::Display;
    std::thread m_watcher;
};

} // namespace runtime
