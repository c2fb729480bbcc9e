// Before the toolkit starts and while it does: whether a display is named at
// all, what becomes of the toolkit's messages while its start is watched,
// what a failed start says, and how a start that stops answering is ended.

#include "runtime/no_display.h"
#include "runtime/platform_start_guard.h"
#include "runtime/start_hang_guard.h"

#include <QLoggingCategory>
#include <QTest>

#include <mutex>
#include <optional>
#include <string>
#include <vector>

Q_DECLARE_METATYPE(runtime::StartStep)

namespace {

Q_LOGGING_CATEGORY(startCategory, "dms2dd.start")

struct Seen
{
    QtMsgType type;
    QString category;
    QString text;
};

std::vector<Seen> &seen()
{
    static std::vector<Seen> messages;
    return messages;
}

void recordMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    seen().push_back({type, QString::fromUtf8(context.category), text});
}

// A null text leaves the variable unset; an empty one sets it empty.
void setVariable(const char *name, const QString &value)
{
    if (value.isNull())
        qunsetenv(name);
    else
        qputenv(name, value.toUtf8());
}

} // namespace

class DisplayStartTest : public QObject
{
    Q_OBJECT

private slots:
    void displayNamed_data();
    void displayNamed();
    void heldMessagesGoOnOnceStarted();
    void failedStartSaysWhatFailed_data();
    void failedStartSaysWhatFailed();
    void hungStartNamesTheStepItWaitsFor_data();
    void hungStartNamesTheStepItWaitsFor();
    void shownWindowEndsTheWatchAtOnce();
    void startBoundFromTheEnvironment_data();
    void startBoundFromTheEnvironment();
};

void DisplayStartTest::displayNamed_data()
{
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("wayland");
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("named");

    const QString unset;
    const QStringList none;
    QTest::newRow("nothing named") << unset << unset << unset << none << false;
    QTest::newRow("DISPLAY set but empty") << "" << unset << unset << none << false;
    QTest::newRow("all three set but empty") << "" << "" << "" << none << false;
    QTest::newRow("X display") << ":0" << unset << unset << none << true;
    QTest::newRow("Wayland display") << unset << "wayland-0" << unset << none << true;
    QTest::newRow("platform in the environment") << unset << unset << "offscreen" << none << true;
    QTest::newRow("-platform argument") << unset << unset << unset << QStringList{"-platform", "offscreen"} << true;
    QTest::newRow("--platform argument") << unset << unset << unset << QStringList{"--platform", "offscreen"} << true;
    QTest::newRow("-display argument") << unset << unset << unset << QStringList{"-display", ":0"} << true;
    QTest::newRow("-platform with no name after it") << unset << unset << unset << QStringList{"-platform"} << false;
    QTest::newRow("an argument that only starts like one") << unset << unset << unset << QStringList{"-platforms", "x"} << false;
}

void DisplayStartTest::displayNamed()
{
    QFETCH(QString, display);
    QFETCH(QString, wayland);
    QFETCH(QString, platform);
    QFETCH(QStringList, arguments);
    QFETCH(bool, named);

    setVariable("DISPLAY", display);
    setVariable("WAYLAND_DISPLAY", wayland);
    setVariable("QT_QPA_PLATFORM", platform);
    std::vector<QByteArray> bytes{"dms2dd"};
    for (const QString &argument : arguments)
        bytes.push_back(argument.toUtf8());
    std::vector<const char *> argv;
    for (const QByteArray &argument : bytes)
        argv.push_back(argument.constData());

    QCOMPARE(runtime::displayNamed(static_cast<int>(argv.size()), argv.data()), named);
}

void DisplayStartTest::heldMessagesGoOnOnceStarted()
{
    seen().clear();
    const QtMessageHandler before = qInstallMessageHandler(recordMessage);
    {
        runtime::PlatformStartGuard guard("dms2dd");
        qCWarning(startCategory, "first");
        qCInfo(startCategory, "second");
        QVERIFY2(seen().empty(), "a message went out while the start was watched");
        guard.release();
        QCOMPARE(seen().size(), std::size_t{2});
        qCWarning(startCategory, "after");
    }
    qInstallMessageHandler(before);

    QCOMPARE(seen().size(), std::size_t{3});
    QCOMPARE(seen()[0].type, QtWarningMsg);
    QCOMPARE(seen()[0].category, QStringLiteral("dms2dd.start"));
    QCOMPARE(seen()[0].text, QStringLiteral("first"));
    QCOMPARE(seen()[1].type, QtInfoMsg);
    QCOMPARE(seen()[1].text, QStringLiteral("second"));
    QCOMPARE(seen()[2].text, QStringLiteral("after"));
}

// Qt's own words for its failed starts, as Qt 6 writes them.
namespace qt {
const std::string noPlatform =
    "This application failed to start because no Qt platform plugin could be initialized. Reinstalling the "
    "application may fix this problem.\n\nAvailable platform plugins are: offscreen, wayland, xcb.\n";
const std::string loadedNotStarted(const char *plugin)
{
    return std::string("Could not load the Qt platform plugin \"") + plugin + "\" in \"\" even though it was found.";
}
} // namespace qt

void DisplayStartTest::failedStartSaysWhatFailed_data()
{
    QTest::addColumn<std::vector<std::string>>("messages");
    QTest::addColumn<bool>("waylandNamed");
    QTest::addColumn<QString>("report");

    const QString doesNotAnswer = QStringLiteral(
        "dms2dd : aucun affichage trouvé (l'affichage demandé ne répond pas), la fenêtre ne peut pas s'ouvrir.\n");
    const QString qtFailed = QStringLiteral("dms2dd : la fenêtre ne peut pas s'ouvrir, Qt n'a pas pu démarrer :\n");
    const QString qtEnd = QStringLiteral("This application failed to start because no Qt platform plugin could be "
                                         "initialized. Reinstalling the application may fix this problem.\n"
                                         "Available platform plugins are: offscreen, wayland, xcb.\n");

    QTest::newRow("named X display")
        << std::vector<std::string>{"could not connect to display :5", qt::loadedNotStarted("xcb"), qt::noPlatform}
        << false << doesNotAnswer;
    QTest::newRow("named Wayland display, then xcb with no display")
        << std::vector<std::string>{"Failed to create wl_display (No such file or directory)",
                                    qt::loadedNotStarted("wayland"), "could not connect to display ",
                                    qt::loadedNotStarted("xcb"), qt::noPlatform}
        << true << doesNotAnswer;
    QTest::newRow("platform that does not exist")
        << std::vector<std::string>{"Could not find the Qt platform plugin \"bogus\" in \"\"", qt::noPlatform}
        << false
        << qtFailed + QStringLiteral("Could not find the Qt platform plugin \"bogus\" in \"\"\n") + qtEnd;
    QTest::newRow("xcb with no display named")
        << std::vector<std::string>{"could not connect to display ", qt::loadedNotStarted("xcb"), qt::noPlatform}
        << false
        << qtFailed + QStringLiteral("could not connect to display \n")
               + QString::fromStdString(qt::loadedNotStarted("xcb")) + QStringLiteral("\n") + qtEnd;
    QTest::newRow("Wayland chosen with no Wayland display named")
        << std::vector<std::string>{"Failed to create wl_display (No such file or directory)",
                                    qt::loadedNotStarted("wayland"), qt::noPlatform}
        << false
        << qtFailed + QStringLiteral("Failed to create wl_display (No such file or directory)\n")
               + QString::fromStdString(qt::loadedNotStarted("wayland")) + QStringLiteral("\n") + qtEnd;
}

void DisplayStartTest::failedStartSaysWhatFailed()
{
    QFETCH(std::vector<std::string>, messages);
    QFETCH(bool, waylandNamed);
    QFETCH(QString, report);

    QCOMPARE(QString::fromStdString(runtime::failedStartReport("dms2dd", messages, waylandNamed)), report);
}

void DisplayStartTest::hungStartNamesTheStepItWaitsFor_data()
{
    QTest::addColumn<runtime::StartStep>("step");
    QTest::newRow("display") << runtime::StartStep::Display;
    QTest::newRow("session bus") << runtime::StartStep::SessionBus;
    QTest::newRow("window") << runtime::StartStep::Window;
}

void DisplayStartTest::hungStartNamesTheStepItWaitsFor()
{
    QFETCH(runtime::StartStep, step);
    std::mutex mutex;
    std::optional<runtime::StartStep> expired;
    int expiries = 0;
    const auto hasExpired = [&] {
        const std::lock_guard lock(mutex);
        return expired.has_value();
    };
    {
        runtime::StartHangGuard guard(std::chrono::milliseconds(50), [&](runtime::StartStep at) {
            const std::lock_guard lock(mutex);
            expired = at;
            ++expiries;
        });
        guard.reached(step);
        QVERIFY(QTest::qWaitFor(hasExpired, 10000));
    }
    QCOMPARE(*expired, step);
    QCOMPARE(expiries, 1);
}

void DisplayStartTest::shownWindowEndsTheWatchAtOnce()
{
    // Released long before its bound: release() returns without waiting
    // for it (the test's own time-out would catch a wait), and the guard
    // never fires.
    bool expired = false;
    {
        runtime::StartHangGuard guard(std::chrono::hours(1), [&](runtime::StartStep) { expired = true; });
        guard.reached(runtime::StartStep::Window);
        guard.release();
    }
    QVERIFY(!expired);
}

void DisplayStartTest::startBoundFromTheEnvironment_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("seconds");

    QTest::newRow("unset") << QString() << 30;
    QTest::newRow("a whole number of seconds") << "5" << 5;
    QTest::newRow("the longest") << "3600" << 3600;
    QTest::newRow("longer than an hour") << "3601" << 30;
    QTest::newRow("zero") << "0" << 30;
    QTest::newRow("negative") << "-5" << 30;
    QTest::newRow("empty") << "" << 30;
    QTest::newRow("not a number") << "soon" << 30;
    QTest::newRow("a unit after it") << "5s" << 30;
    QTest::newRow("a fraction") << "2.5" << 30;
}

void DisplayStartTest::startBoundFromTheEnvironment()
{
    QFETCH(QString, value);
    QFETCH(int, seconds);

    setVariable("DMS2DD_START_TIMEOUT", value);
    QCOMPARE(runtime::startBound(), std::chrono::seconds(seconds));
    qunsetenv("DMS2DD_START_TIMEOUT");
}

QTEST_GUILESS_MAIN(DisplayStartTest)
#include "display_start_test.moc"
