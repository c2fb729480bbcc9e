#include "runtime/start_hang_guard.h"

#include "runtime/failed_start.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdlib>
#include <cstring>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace runtime {

namespace {

// The first address of DBUS_SESSION_BUS_ADDRESS as a local socket address,
// for the two forms a session bus is given by: unix:path=... and
// unix:abstract=...; false for any other form or none.
bool sessionBusSocket(sockaddr_un &address, socklen_t &length)
{
    const char *value = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    if (value == nullptr)
        return false;
    std::string_view text(value);
    text = text.substr(0, text.find(';'));
    if (!text.starts_with("unix:"))
        return false;
    text.remove_prefix(5);
    bool abstract = false;
    std::string_view name;
    while (!text.empty()) {
        const std::string_view pair = text.substr(0, text.find(','));
        if (pair.starts_with("path="))
            name = pair.substr(5);
        else if (pair.starts_with("abstract=")) {
            name = pair.substr(9);
            abstract = true;
        }
        text.remove_prefix(std::min(text.size(), pair.size() + 1));
    }
    const std::size_t offset = abstract ? 1 : 0;
    if (name.empty() || name.size() + offset >= sizeof address.sun_path)
        return false;
    address = {};
    address.sun_family = AF_UNIX;
    name.copy(address.sun_path + offset, name.size());
    length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset + name.size() + (abstract ? 0 : 1));
    return true;
}

// True when the session bus takes a connection and then does not answer
// the first line of its handshake within two seconds.
bool sessionBusIsSilent()
{
    sockaddr_un address;
    socklen_t length = 0;
    if (!sessionBusSocket(address, length))
        return false;
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0)
        return false;
    bool silent = false;
    static constexpr char hello[] = "\0AUTH\r\n";
    if (::connect(socket, reinterpret_cast<const sockaddr *>(&address), length) == 0
        && ::send(socket, hello, sizeof hello - 1, MSG_NOSIGNAL) == static_cast<ssize_t>(sizeof hello - 1)) {
        pollfd answer{socket, POLLIN, 0};
        silent = ::poll(&answer, 1, 2000) == 0;
    }
    ::close(socket);
    return silent;
}

} // namespace

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
    // Some toolkit versions already talk to the session bus while they
    // connect to the display: a silent bus is then what holds the start.
    if (step == StartStep::Display && sessionBusIsSilent())
        step = StartStep::SessionBus;
    m_onExpiry(step);
}

} // namespace runtime
