#include "runtime/start_hang_guard.h"

#include "runtime/failed_start.h"

#include <charconv>
#include <cstdlib>
#include <cstring>

namespace runtime {
namespace {

// Generous: a sanitizer build or a program run under valgrind on a slow
// machine starts in a few seconds, a normal one in well under one.
constexpr std::chrono::seconds defaultBound{30};
constexpr int longestBound = 3600;

} // namespace

std::chrono::seconds startBound()
{
    const char *text = std::getenv("DMS2DD_START_TIMEOUT");
    if (text == nullptr)
        return defaultBound;
    const char *end = text + std::strlen(text);
    int seconds = 0;
    const auto [stop, error] = std::from_chars(text, end, seconds);
    if (error != std::errc() || stop != end || seconds < 1 || seconds > longestBound)
        return defaultBound;
    return std::chrono::seconds(seconds);
}

std::string startHangReport(std::string_view program, StartStep step, std::chrono::seconds bound)
{
    const std::string after = std::to_string(bound.count()) + " s";
    std::string line(program);
    switch (step) {
    case StartStep::Display:
        line += " : l'affichage demandé ne répond pas depuis " + after + ", la fenêtre ne peut pas s'ouvrir.";
        break;
    case StartStep::SessionBus:
        line += " : le bus de session D-Bus (DBUS_SESSION_BUS_ADDRESS) ne répond pas depuis " + after
                + ", la fenêtre ne peut pas s'ouvrir.";
        break;
    case StartStep::Window:
        line += " : la fenêtre ne s'est pas affichée en " + after + ", l'affichage ne répond plus.";
        break;
    }
    return line + '\n';
}

StartHangGuard::StartHangGuard(std::string_view program)
    : StartHangGuard(startBound(), [program = std::string(program), bound = startBound()](StartStep step) {
          endFailedStart(startHangReport(program, step, bound));
      })
{
}

StartHangGuard::StartHangGuard(std::chrono::milliseconds bound, Expiry onExpiry)
    : m_onExpiry(std::move(onExpiry))
{
    const auto deadline = std::chrono::steady_clock::now() + bound;
    m_watcher = std::thread(&StartHangGuard::watch, this, deadline);
}

StartHangGuard::~StartHangGuard()
{
    release();
}

void StartHangGuard::reached(StartStep step)
{
    const std::lock_guard lock(m_mutex);
    m_step = step;
}

void StartHangGuard::release()
{
    {
        const std::lock_guard lock(m_mutex);
        m_isReleased = true;
    }
    m_released.notify_one();
    if (m_watcher.joinable())
        m_watcher.join();
}

void StartHangGuard::watch(std::chrono::steady_clock::time_point deadline)
{
    StartStep step;
    {
        std::unique_lock lock(m_mutex);
        if (m_released.wait_until(lock, deadline, [this] { return m_isReleased; }))
            return;
        step = m_step;
    }
    m_onExpiry(step);
}

} // namespace runtime
