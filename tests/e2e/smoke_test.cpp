// The built dms2dd opens its window on a real X server and keeps running.

#include "conversion_session.h"
#include "e2e_run.h"

#include <QTest>

using namespace e2e;

class SmokeTest : public QObject
{
    Q_OBJECT

private slots:
    void opensItsFixedSizeWindowAndKeepsRunning();
};

void SmokeTest::opensItsFixedSizeWindowAndKeepsRunning()
{
    ConversionSession session;
    QVERIFY2(session.start({testLocale(), 1}), session.failure());

    const auto state = session.windowState();
    QVERIFY2(state, session.failure());
    QVERIFY(state->viewable);
    QCOMPARE(state->geometry.size(), logicalClientSize());

    // A window manager reads the fixed size from the size hints.
    const auto hints = session.windowProperty(QStringLiteral("WM_NORMAL_HINTS"));
    QVERIFY2(hints, session.failure());
    QVERIFY2(hints->contains(QStringLiteral("minimum size: 337 by 189")), qPrintable(*hints));
    QVERIFY2(hints->contains(QStringLiteral("maximum size: 337 by 189")), qPrintable(*hints));

    // The title a window manager shows is the window's caption alone: Qt
    // appends the application's display name to it when one is set.
    const auto title = session.windowProperty(QStringLiteral("_NET_WM_NAME"));
    QVERIFY2(title, session.failure());
    QVERIFY2(title->trimmed().endsWith(QStringLiteral("= \"Form1\"")), qPrintable(*title));

    // Still there a moment later: nothing ended it once the window was up.
    QVERIFY2(!waitUntil([&] { return !session.isRunning(); }, 1s), qPrintable(session.programOutput()));
}

QTEST_GUILESS_MAIN(SmokeTest)
#include "smoke_test.moc"
