// A long random use of the real window, checked after every event against
// an independent model of what the window must show. The events come in
// sessions, each on a fresh window, so that a field turned red (which stays
// red) does not settle the rest of the run. A difference is shrunk to the
// shortest sequence that still shows it, replayed from a fresh window each
// time, and printed for replay by hand.
//
// DMS2DD_SOAK_SEED and DMS2DD_SOAK_EVENTS change the seed and the number of
// events for exploration; the test suite runs the fixed ones.

#include "random_source.h"
#include "shortest_failing.h"
#include "side_by_side.h"
#include "user_event.h"

#include <QElapsedTimer>
#include <QTest>

#include <chrono>
#include <cstdint>

namespace {

constexpr std::uint64_t defaultSeed = 20260101;
constexpr int defaultEvents = 100'000;
constexpr int shortestSession = 100;
constexpr int longestSession = 1600;
constexpr auto shrinkBudget = std::chrono::minutes(2);

std::uint64_t seedOfThisRun()
{
    bool ok = false;
    const qulonglong seed = qEnvironmentVariable("DMS2DD_SOAK_SEED").toULongLong(&ok);
    return ok ? seed : defaultSeed;
}

int eventsOfThisRun()
{
    bool ok = false;
    const int events = qEnvironmentVariableIntValue("DMS2DD_SOAK_EVENTS", &ok);
    return ok && events > 0 ? events : defaultEvents;
}

std::vector<std::vector<UserEvent>> randomSessions(RandomSource &random, int events)
{
    std::vector<std::vector<UserEvent>> sessions;
    while (events > 0) {
        const int length = std::min(events, shortestSession + random.below(longestSession - shortestSession + 1));
        std::vector<UserEvent> &session = sessions.emplace_back();
        for (int i = 0; i < length; ++i)
            session.push_back(randomUserEvent(random));
        events -= length;
    }
    return sessions;
}

// Shrinks a failing session and fails the test with the shortest sequence.
void reportMismatch(std::vector<UserEvent> session, const Mismatch &mismatch)
{
    qInfo("after event %zu (%s): %s", mismatch.event + 1, qPrintable(describe(session[mismatch.event])),
          qPrintable(mismatch.what));
    session.resize(mismatch.event + 1);
    const std::function<bool(const std::vector<UserEvent> &)> fails = [](const std::vector<UserEvent> &candidate) {
        return playSideBySide(candidate).mismatch.has_value();
    };
    const std::vector<UserEvent> shortest = shortestFailing(session, fails, shrinkBudget);
    const std::optional<Mismatch> shown = playSideBySide(shortest).mismatch;

    qInfo("shortest sequence found, %zu events, from a fresh window:", shortest.size());
    for (std::size_t i = 0; i < shortest.size(); ++i)
        qInfo("  %zu. %s", i + 1, qPrintable(describe(shortest[i])));
    QFAIL(qPrintable(shown ? QStringLiteral("after event %1: %2").arg(shown->event + 1).arg(shown->what)
                           : QStringLiteral("the shrunk sequence no longer fails: %1").arg(mismatch.what)));
}

} // namespace

class SoakTest : public QObject
{
    Q_OBJECT

private slots:
    void randomUseMatchesTheModel();
};

void SoakTest::randomUseMatchesTheModel()
{
    const std::uint64_t seed = seedOfThisRun();
    const int events = eventsOfThisRun();
    RandomSource random(seed);
    const std::vector<std::vector<UserEvent>> sessions = randomSessions(random, events);

    QElapsedTimer timer;
    timer.start();
    unsigned long refusals = 0;
    unsigned long overflows = 0;
    for (std::size_t i = 0; i < sessions.size(); ++i) {
        const SessionOutcome outcome = playSideBySide(sessions[i]);
        if (outcome.mismatch) {
            qInfo("seed %llu, session %zu of %zu", static_cast<unsigned long long>(seed), i + 1, sessions.size());
            reportMismatch(sessions[i], *outcome.mismatch);
            return;
        }
        refusals += outcome.refusals;
        overflows += outcome.overflows;
    }
    qInfo("seed %llu: %d events in %zu sessions, %lu refusals, %lu overflows, %lld ms",
          static_cast<unsigned long long>(seed), events, sessions.size(), refusals, overflows, timer.elapsed());
    // A long run that never reached the range check or the overflow would
    // prove little: the events would have drifted away from the rules.
    if (events >= defaultEvents) {
        QVERIFY(refusals > 0);
        QVERIFY(overflows > 0);
    }
}

QTEST_MAIN(SoakTest)
#include "soak_test.moc"
