#pragma once

#include <QDeadlineTimer>
#include <QProcess>
#include <QString>
#include <QTest>

#include <chrono>

namespace e2e {

using namespace std::chrono_literals;

// Upper bounds of the waits. Every wait polls and ends as soon as its
// condition holds, so a generous bound costs nothing when all goes well and
// leaves room for the slow sanitizer build.
inline constexpr std::chrono::milliseconds serverStartLimit = 15s;
inline constexpr std::chrono::milliseconds windowLimit = 30s;
inline constexpr std::chrono::milliseconds clipboardLimit = 10s;
inline constexpr std::chrono::milliseconds toolLimit = 10s;
inline constexpr std::chrono::milliseconds endLimit = 5s;
inline constexpr std::chrono::milliseconds stepLimit = 10s;
inline constexpr std::chrono::milliseconds pollInterval = 50ms;

// Checks the condition until it holds or the limit passes, letting events
// (process output among them) flow in between. True if it held.
template <typename Condition>
bool waitUntil(Condition condition, std::chrono::milliseconds limit)
{
    const QDeadlineTimer deadline(limit);
    for (;;) {
        if (condition())
            return true;
        if (deadline.hasExpired())
            return false;
        QTest::qWait(static_cast<int>(pollInterval.count()));
    }
}

// Asks a process we started to end, and kills it if it has not within
// endLimit.
void endProcess(QProcess &process);

// What the build hands the tests through their environment.

// The built dms2dd (DMS2DD_E2E_APP); empty when unset.
QString programPath();
// The locale the test runs under (LC_ALL, "C" when unset); the program is
// started under the same one.
QString testLocale();
// A file in the directory for screenshots (DMS2DD_E2E_ARTIFACTS, else
// ./screenshots), which is made if need be.
QString artifactPath(const QString &fileName);
// The pause a person leaves between two actions (DMS2DD_E2E_PACE_MS,
// longer for the sanitizer build). No step counts on it: one whose outcome
// the next depends on waits for the window to show it.
std::chrono::milliseconds personPace();

} // namespace e2e
