// The window as a person sees it, at scale 1 and at QT_SCALE_FACTOR=2: its
// size in device pixels, its colours, the controls where the clicks land,
// and a refused value shown in red. The screenshots are kept in the build
// directory for a look by eye.

#include "conversion_session.h"
#include "decimal_separator.h"
#include "e2e_run.h"

#include <QTest>

#include <algorithm>

using namespace e2e;

namespace {

const QColor lightGreen(192, 255, 192);
const QString marker = QStringLiteral("marqueur posé par le test");

// Bare background near the corners and in the middle, in logical pixels.
const QList<QPoint> backgroundPoints{{3, 3}, {333, 3}, {3, 185}, {333, 185}, logicalBackgroundPoint};

// How many pixels of the area a person would call pure red: a refused
// value's text. Anti-aliased edges blend into the field and do not count.
int redPixels(const QImage &screen, const QRect &area)
{
    int count = 0;
    const QRect inside = area.intersected(screen.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QRgb pixel = screen.pixel(x, y);
            if (qRed(pixel) >= 200 && qGreen(pixel) <= 60 && qBlue(pixel) <= 60)
                ++count;
        }
    }
    return count;
}

QColor colourAt(const QImage &screen, QPoint point)
{
    return QColor(screen.pixel(point));
}

} // namespace

class AppearanceTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void drawsTheWindowAtItsScale_data();
    void drawsTheWindowAtItsScale();

private:
    void keepScreenshot(ConversionSession &session, const QString &name);
};

void AppearanceTest::initTestCase()
{
    // The program shows the separator of the same locale; make sure Qt took it.
    QCOMPARE(systemDecimalSeparator(), testLocale().startsWith(QStringLiteral("fr")) ? QStringLiteral(",") : QStringLiteral("."));
}

void AppearanceTest::drawsTheWindowAtItsScale_data()
{
    QTest::addColumn<int>("scale");
    QTest::newRow("scale 1") << 1;
    QTest::newRow("scale 2 by QT_SCALE_FACTOR") << 2;
}

void AppearanceTest::drawsTheWindowAtItsScale()
{
    QFETCH(int, scale);
    const QString locale = testLocale();
    ConversionSession session;
    QVERIFY2(session.start({locale, scale}), session.failure());

    const auto state = session.windowState();
    QVERIFY2(state, session.failure());
    QCOMPARE(state->geometry.size(), logicalClientSize() * scale);
    const QPoint origin = state->geometry.topLeft();

    // Found once mapped: drawn a little later.
    std::optional<QImage> screen;
    const auto backgroundDrawn = [&] {
        screen = session.screenshot();
        return screen && std::all_of(backgroundPoints.begin(), backgroundPoints.end(), [&](QPoint point) {
                   return colourAt(*screen, origin + session.devicePoint(point)) == lightGreen;
               });
    };
    waitUntil(backgroundDrawn, windowLimit);
    QVERIFY2(screen, session.failure());
    for (const QPoint &point : backgroundPoints)
        QCOMPARE(colourAt(*screen, origin + session.devicePoint(point)), lightGreen);
    keepScreenshot(session, QStringLiteral("form1-scale%1-start").arg(scale));

    // The clicks land at the scaled places; the copy shows the keys got in.
    QVERIFY2(session.perform({"click degrees", "type 45", "click minutes", "type 7", "offer " + marker, "click copier"}),
             session.failure());
    const QString accepted = localised(QStringLiteral("45.1166666666667"));
    QCOMPARE(session.clipboardOnceItHolds(accepted), accepted);

    const QRect minutes = session.deviceGeometry(Control::Minutes).translated(origin);
    screen = session.screenshot();
    QVERIFY2(screen, session.failure());
    QCOMPARE(redPixels(*screen, minutes), 0);

    // 75 minutes: refused, and the field's text turns red.
    QVERIFY2(session.perform({"click minutes", "key End", "type 5"}), session.failure());
    const bool turnedRed = waitUntil(
        [&] {
            screen = session.screenshot();
            return screen && redPixels(*screen, minutes) >= 10 * scale;
        },
        clipboardLimit);
    QVERIFY2(turnedRed, "the refused minutes are not shown in red");

    QVERIFY2(session.perform({"click seconds", "type 36", "offer " + marker, "click copier"}), session.failure());
    const QString withRefused = localised(QStringLiteral("46.26"));
    QCOMPARE(session.clipboardOnceItHolds(withRefused), withRefused);
    keepScreenshot(session, QStringLiteral("form1-scale%1-filled").arg(scale));
}

// The whole screen, and the window cut out of it.
void AppearanceTest::keepScreenshot(ConversionSession &session, const QString &name)
{
    const auto screen = session.screenshot();
    const auto state = session.windowState();
    QVERIFY2(screen && state, session.failure());
    QVERIFY(screen->save(artifactPath(name + QStringLiteral("-screen.png"))));
    QVERIFY(screen->copy(state->geometry).save(artifactPath(name + QStringLiteral("-window.png"))));
}

QTEST_GUILESS_MAIN(AppearanceTest)
#include "appearance_test.moc"
