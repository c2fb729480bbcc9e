// The built dms2dd on Wayland: under a headless Weston its window reaches
// the compositor and gets drawn, the platform plugin raises no complaint,
// and SIGTERM ends it.

#include "e2e_run.h"
#include "weston_server.h"

#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>

using namespace e2e;

class WaylandSmokeTest : public QObject
{
    Q_OBJECT

private slots:
    void runsUnderWestonAndEndsOnSigterm();
};

void WaylandSmokeTest::runsUnderWestonAndEndsOnSigterm()
{
    WestonServer weston;
    QString error;
    QVERIFY2(weston.start(&error), qPrintable(error));

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));   // no falling back to X
    environment.remove(QStringLiteral("QT_SCALE_FACTOR"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    environment.insert(QStringLiteral("WAYLAND_DISPLAY"), weston.socketName());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), weston.runtimeDir());
    environment.insert(QStringLiteral("LC_ALL"), testLocale());
    // The client's side of the protocol, one "[time] message" line each.
    environment.insert(QStringLiteral("WAYLAND_DEBUG"), QStringLiteral("client"));

    QProcess program;
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::MergedChannels);
    program.start(programPath(), {});
    QVERIFY2(program.waitForStarted(static_cast<int>(windowLimit.count())), qPrintable(program.errorString()));
    // Ended by SIGKILL should a check below fail.
    const auto killOnReturn = qScopeGuard([&] {
        if (program.state() != QProcess::NotRunning) {
            program.kill();
            program.waitForFinished(static_cast<int>(endLimit.count()));
        }
    });

    QByteArray output;
    // libwayland writes an object as "wl_buffer@12" (Debian 12's) or as
    // "wl_buffer#12" (newer ones).
    const auto drawn = [&] {
        output += program.readAll();
        return program.state() == QProcess::NotRunning ||
               (output.contains("set_title(\"Form1") &&
                (output.contains(".attach(wl_buffer@") || output.contains(".attach(wl_buffer#")));
    };
    QVERIFY2(waitUntil(drawn, windowLimit) && program.state() == QProcess::Running, output.constData());

    QVERIFY2(!waitUntil([&] { return program.state() == QProcess::NotRunning; }, 2s), output.constData());
    output += program.readAll();

    QStringList complaints;
    const QRegularExpression aboutThePlatform(QStringLiteral("plugin|platform|wayland|qpa"),
                                              QRegularExpression::CaseInsensitiveOption);
    for (const QByteArray &line : output.split('\n')) {
        if (!line.startsWith('[') && QString::fromUtf8(line).contains(aboutThePlatform))
            complaints << QString::fromUtf8(line);
    }
    QVERIFY2(complaints.isEmpty(), qPrintable(complaints.join(QLatin1Char('\n'))));

    program.terminate();
    QVERIFY2(program.waitForFinished(static_cast<int>(endLimit.count())), "dms2dd did not end on SIGTERM");
}

QTEST_GUILESS_MAIN(WaylandSmokeTest)
#include "wayland_smoke_test.moc"
