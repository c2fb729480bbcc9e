// The built dms2dd opens its window on a real X server and keeps running.

#include "conversion_session.h"
#include "e2e_run.h"

#include <QImage>
#include <QMap>
#include <QTest>

using namespace e2e;

namespace {

// The window icon as a desktop reads it: _NET_WM_ICON, a list of images,
// each its width, its height and its pixels as 0xAARRGGBB, row by row. Empty
// while the window has none.
QMap<int, QList<quint32>> iconsOf(XSession &x)
{
    const ToolResult found = x.run(QStringLiteral("xdotool"),
                                   {QStringLiteral("search"), QStringLiteral("--name"), QStringLiteral("^Form1$")});
    const ToolResult icon = x.run(QStringLiteral("xprop"),
                                  {QStringLiteral("-id"), QString::fromLatin1(found.out).trimmed(),
                                   QStringLiteral("-notype"), QStringLiteral("-f"), QStringLiteral("_NET_WM_ICON"),
                                   QStringLiteral("32c"), QStringLiteral("_NET_WM_ICON")});
    QList<quint32> numbers;
    const QString printed = QString::fromLatin1(icon.out);
    const qsizetype equals = printed.indexOf(QLatin1Char('='));
    if (!found.succeeded() || !icon.succeeded() || equals < 0)
        return {};
    for (const QString &number : printed.mid(equals + 1).split(QLatin1Char(','), Qt::SkipEmptyParts))
        numbers << number.trimmed().toUInt();
    QMap<int, QList<quint32>> icons;
    for (qsizetype at = 0; at + 2 <= numbers.size();) {
        const qsizetype width = numbers[at], height = numbers[at + 1];
        icons.insert(static_cast<int>(width), numbers.mid(at + 2, width * height));
        at += 2 + width * height;
    }
    return icons;
}

// An icon file's pixels as a window icon carries them: through a pixmap,
// whose alpha is premultiplied, then back.
QList<quint32> pixelsOf(const QString &file)
{
    const QImage image = QImage(file)
                             .convertToFormat(QImage::Format_ARGB32_Premultiplied)
                             .convertToFormat(QImage::Format_ARGB32);
    QList<quint32> pixels;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            pixels << image.pixel(x, y);
    }
    return pixels;
}

} // namespace

class SmokeTest : public QObject
{
    Q_OBJECT

private slots:
    void opensItsFixedSizeWindowAndKeepsRunning();
    void showsItsIconAtTheSizesATitleBarDraws();
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

void SmokeTest::showsItsIconAtTheSizesATitleBarDraws()
{
    ConversionSession session;
    QVERIFY2(session.start({testLocale(), 1}), session.failure());

    // The icon may come a moment after the window's first frame.
    QMap<int, QList<quint32>> icons;
    QVERIFY2(waitUntil([&] { return !(icons = iconsOf(session.x())).isEmpty(); }, windowLimit),
             "the window has no icon");
    QCOMPARE(icons.keys(), QList<int>({16, 24, 32, 48, 64}));
    for (auto icon = icons.cbegin(); icon != icons.cend(); ++icon) {
        const QString file = QStringLiteral(DMS2DD_ICON_FOLDER "/dms2dd-%1.png").arg(icon.key());
        QVERIFY2(icon.value() == pixelsOf(file), qPrintable(file + QStringLiteral(" is not the icon shown")));
    }
}

QTEST_GUILESS_MAIN(SmokeTest)
#include "smoke_test.moc"
