// The window under dark desktop themes, seen from outside: with the longest
// result typed in, every text of every control stands out from what is
// behind it by at least 4.5:1 (WCAG 2) on a screenshot, and the themed
// window is drawn pixel for pixel as the one without a theme. The controls'
// places come from the window's description. The screenshots are kept in
// the build directory for a look by eye.

#include "conversion_session.h"
#include "e2e_run.h"

#include "runtime/twips.h"
#include "window/form1_description.h"

#include <QHash>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <cmath>

using namespace e2e;

namespace {

constexpr double minimumContrast = 4.5;
// Fewer pixels than this that stand out from the background: no text shown.
constexpr int minimumInkPixels = 10;

// Typed into degrees, minutes and seconds: the result field then holds the
// longest text it can show.
const QStringList typed{QStringLiteral("-1.79769313486231E+308"), QStringLiteral("34"), QStringLiteral("56")};
const QString longestResult = QStringLiteral("-1.79769313486231E+308");

double relativeLuminance(QRgb colour)
{
    const auto channel = [](int value) {
        const double v = value / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(colour)) + 0.7152 * channel(qGreen(colour)) + 0.0722 * channel(qBlue(colour));
}

double contrast(QRgb a, QRgb b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A control's place in the window, in pixels at scale 1, without the frame
// that fields and buttons draw around their text.
QRect insideOf(const runtime::ControlDescription &control)
{
    using runtime::pixelsFromTwips;
    const QRect box(pixelsFromTwips(control.left), pixelsFromTwips(control.top), pixelsFromTwips(control.width),
                    pixelsFromTwips(control.height));
    switch (control.kind) {
    case runtime::ControlKind::TextBox: return box.adjusted(3, 3, -3, -3);
    case runtime::ControlKind::CommandButton: return box.adjusted(4, 4, -4, -4);
    case runtime::ControlKind::Label: return box;
    }
    return box;
}

struct TextContrast
{
    double ratio = 0;
    int inkPixels = 0;
};

// The most common colour of the area is its background; the pixel that
// stands out most from it is the text's ink.
TextContrast measure(const QImage &window, const QRect &area)
{
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[window.pixel(x, y) | 0xFF000000u];
    }
    QRgb background = 0;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            background = it.key();
        }
    }
    TextContrast result;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        const double ratio = contrast(it.key(), background);
        result.ratio = std::max(result.ratio, ratio);
        if (ratio >= 2)
            result.inkPixels += it.value();
    }
    return result;
}

} // namespace

class ThemeTest : public QObject
{
    Q_OBJECT

private slots:
    void darkThemeChangesNothing_data();
    void darkThemeChangesNothing();

private:
    // The window with the longest result in it and the focus on "Copier",
    // so that no caret blinks, once two screenshots in a row agree.
    static std::optional<QImage> filledWindow(const QProcessEnvironment &theme, const QString &name);
};

void ThemeTest::darkThemeChangesNothing_data()
{
    QTest::addColumn<QStringList>("theme");
    QTest::newRow("gtk3 platform theme, Adwaita dark")
        << QStringList{"QT_QPA_PLATFORMTHEME=gtk3", "GTK_THEME=Adwaita:dark"};
    QTest::newRow("gtk3 platform theme, Adwaita dark, Adwaita-Dark style")
        << QStringList{"QT_QPA_PLATFORMTHEME=gtk3", "GTK_THEME=Adwaita:dark", "QT_STYLE_OVERRIDE=Adwaita-Dark"};
}

void ThemeTest::darkThemeChangesNothing()
{
    QFETCH(QStringList, theme);
    QProcessEnvironment themed;
    for (const QString &assignment : theme)
        themed.insert(assignment.section(QLatin1Char('='), 0, 0), assignment.section(QLatin1Char('='), 1));
    const QString name = QString::fromLatin1(QTest::currentDataTag()).replace(QRegularExpression(QStringLiteral("\\W+")), QStringLiteral("_"));

    const auto plain = filledWindow({}, name + QStringLiteral("-plain"));
    QVERIFY(plain);
    const auto dark = filledWindow(themed, name + QStringLiteral("-themed"));
    QVERIFY(dark);

    for (const runtime::ControlDescription &control : window::form1Description.controls) {
        const TextContrast text = measure(*dark, insideOf(control));
        const QByteArray what = QByteArray(control.name.data(), static_cast<qsizetype>(control.name.size()))
                                + '(' + QByteArray::number(control.index) + ")";
        qInfo("%s: %.2f:1, %d ink pixels", what.constData(), text.ratio, text.inkPixels);
        QVERIFY2(text.inkPixels >= minimumInkPixels, what + " shows no text");
        QVERIFY2(text.ratio >= minimumContrast, what + " text at " + QByteArray::number(text.ratio, 'f', 2) + ":1");
    }
    QVERIFY2(*dark == *plain, "the themed window is drawn differently from the plain one");
}

std::optional<QImage> ThemeTest::filledWindow(const QProcessEnvironment &theme, const QString &name)
{
    ConversionSession session;
    if (!session.start({QStringLiteral("C"), 1, theme})) {
        qWarning("%s", session.failure());
        return std::nullopt;
    }
    QStringList steps{QStringLiteral("click degrees")};
    for (const QString &text : typed)
        steps << QStringLiteral("type ") + text << QStringLiteral("key Return");
    steps << QStringLiteral("key Tab") << QStringLiteral("key space");
    if (!session.perform(steps)) {
        qWarning("%s", session.failure());
        return std::nullopt;
    }
    const QString copied = session.clipboardOnceItHolds(longestResult);
    if (copied != longestResult) {
        qWarning("the result field holds \"%s\"", qPrintable(copied));
        return std::nullopt;
    }

    const auto state = session.windowState();
    if (!state) {
        qWarning("%s", session.failure());
        return std::nullopt;
    }
    std::optional<QImage> previous;
    std::optional<QImage> settled;
    waitUntil(
        [&] {
            const auto screen = session.screenshot();
            if (!screen)
                return false;
            const QImage window = screen->copy(state->geometry);
            if (previous && *previous == window)
                settled = window;
            previous = window;
            return settled.has_value();
        },
        windowLimit);
    if (!settled) {
        qWarning("the window never settled: %s", session.failure());
        return std::nullopt;
    }
    settled->save(artifactPath(QStringLiteral("theme-%1.png").arg(name)));
    return settled;
}

QTEST_GUILESS_MAIN(ThemeTest)
#include "theme_test.moc"
