// Before the toolkit starts: whether a display is named at all, and what
// becomes of the toolkit's messages while its start is watched.

#include "runtime/no_display.h"
#include "runtime/platform_start_guard.h"

#include <QLoggingCategory>
#include <QTest>

#include <vector>

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

QTEST_GUILESS_MAIN(DisplayStartTest)
#include "display_start_test.moc"
