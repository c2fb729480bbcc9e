// The window draws itself the same way whatever style and colour scheme the
// desktop hands the application, and every text stays readable on what is
// behind it.

#include "form1_fixture.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPalette>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

// WCAG 2 relative luminance and contrast ratio.
double luminance(const QColor &colour)
{
    const auto channel = [](double value) {
        return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A dark desktop scheme as a platform theme hands it over: the application
// palette and the palettes it gives to some widget classes of their own.
QPalette darkDesktopPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(53, 53, 53));
    palette.setColor(QPalette::WindowText, QColor(238, 238, 236));
    palette.setColor(QPalette::Base, QColor(45, 45, 45));
    palette.setColor(QPalette::AlternateBase, QColor(53, 53, 53));
    palette.setColor(QPalette::Text, QColor(238, 238, 236));
    palette.setColor(QPalette::Button, QColor(60, 60, 60));
    palette.setColor(QPalette::ButtonText, QColor(238, 238, 236));
    palette.setColor(QPalette::Highlight, QColor(21, 83, 158));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::PlaceholderText, QColor(150, 150, 150));
    palette.setColor(QPalette::Light, QColor(80, 80, 80));
    palette.setColor(QPalette::Mid, QColor(40, 40, 40));
    palette.setColor(QPalette::Dark, QColor(30, 30, 30));
    palette.setColor(QPalette::Shadow, Qt::black);
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(120, 120, 120));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(120, 120, 120));
    return palette;
}

void setDesktopPalette(const QPalette &palette)
{
    QApplication::setPalette(palette);
    for (const char *className : {"QLineEdit", "QPushButton", "QLabel", "QMenu"})
        QApplication::setPalette(palette, className);
}

// What the window shows with a text typed in each field.
struct Look
{
    QImage picture;
    QList<QRect> geometries;
    QList<QSize> sizeHints;
};

Look lookOf(const Form1Fixture &fixture)
{
    fixture.typeAll(QStringLiteral("12"), QStringLiteral("34"), QStringLiteral("56.7"));
    Look look{fixture.window()->grab().toImage(), {}, {}};
    for (const QWidget *control : fixture.window()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        look.geometries << control->geometry();
        look.sizeHints << control->sizeHint();
    }
    return look;
}

// Every pair of text and background roles a style draws text with, in
// each colour group, that falls below 4.5:1.
QStringList unreadableTexts(const QString &what, const QPalette &palette)
{
    struct Pair
    {
        QPalette::ColorRole text, background;
        const char *name;
    };
    const Pair pairs[] = {
        {QPalette::WindowText, QPalette::Window, "window text"},
        {QPalette::Text, QPalette::Base, "field text"},
        {QPalette::PlaceholderText, QPalette::Base, "placeholder"},
        {QPalette::ButtonText, QPalette::Button, "button text"},
        {QPalette::HighlightedText, QPalette::Highlight, "selected text"},
        {QPalette::ToolTipText, QPalette::ToolTipBase, "tooltip"},
    };
    QStringList unreadable;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (const Pair &pair : pairs) {
            const double ratio = contrast(palette.color(group, pair.text), palette.color(group, pair.background));
            if (ratio < 4.5)
                unreadable << QStringLiteral("%1, %2 (group %3): %4:1")
                                  .arg(what, pair.name)
                                  .arg(group)
                                  .arg(ratio, 0, 'f', 2);
        }
    }
    return unreadable;
}

} // namespace

class LookTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void theDesktopChangesNothing_data();
    void theDesktopChangesNothing();
    void aDesktopSwitchingToDarkChangesNothing();
    void contextMenuHasTheWindowsLook_data();
    void contextMenuHasTheWindowsLook();
    void refusalRedKeepsTheDesignedColours();

private:
    void setDesktop(const QString &palette, const QString &style);

    Look m_reference;
};

void LookTest::initTestCase()
{
    // No blinking text cursor: two pictures of one window compare alike.
    QApplication::setCursorFlashTime(0);
    setDesktop(QStringLiteral("light"), QStringLiteral("Fusion"));
    Form1Fixture fixture;
    m_reference = lookOf(fixture);
}

void LookTest::setDesktop(const QString &palette, const QString &style)
{
    QApplication::setStyle(QStyleFactory::create(style));
    setDesktopPalette(palette == QLatin1String("dark") ? darkDesktopPalette()
                                                       : QApplication::style()->standardPalette());
}

void LookTest::theDesktopChangesNothing_data()
{
    QTest::addColumn<QString>("palette");
    QTest::addColumn<QString>("style");

    QTest::newRow("light scheme, Fusion") << "light" << "Fusion";
    QTest::newRow("light scheme, Windows style") << "light" << "Windows";
    QTest::newRow("dark scheme, Fusion") << "dark" << "Fusion";
    QTest::newRow("dark scheme, Windows style") << "dark" << "Windows";
}

void LookTest::theDesktopChangesNothing()
{
    QFETCH(QString, palette);
    QFETCH(QString, style);

    // Set before the window is built, as a desktop sets them at start.
    setDesktop(palette, style);
    Form1Fixture fixture;
    const Look look = lookOf(fixture);
    QCOMPARE(look.geometries, m_reference.geometries);
    QCOMPARE(look.sizeHints, m_reference.sizeHints);
    QVERIFY2(look.picture == m_reference.picture, "the window is drawn differently");

    QStringList unreadable = unreadableTexts(QStringLiteral("window"), fixture.window()->palette());
    for (const QWidget *control : fixture.window()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        unreadable << unreadableTexts(control->objectName(), control->palette());
    QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(QStringLiteral("; "))));
}

void LookTest::aDesktopSwitchingToDarkChangesNothing()
{
    setDesktop(QStringLiteral("light"), QStringLiteral("Fusion"));
    Form1Fixture fixture;
    // A desktop that switches its scheme while the window is open hands the
    // toolkit a new base palette, and the toolkit fills from it every colour
    // the application's palette leaves unset: none may be left.
    const QPalette application = QApplication::palette();
    QStringList unset;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            if (role != QPalette::NoRole && !application.isBrushSet(group, static_cast<QPalette::ColorRole>(role)))
                unset << QStringLiteral("group %1 role %2").arg(group).arg(role);
        }
    }
    QVERIFY2(unset.isEmpty(), qPrintable(unset.join(QStringLiteral(", "))));
    QCOMPARE(application.resolve(darkDesktopPalette()), application);
    const Look look = lookOf(fixture);
    QVERIFY2(look.picture == m_reference.picture, "the window is drawn differently");
}

void LookTest::contextMenuHasTheWindowsLook_data()
{
    QTest::addColumn<QString>("palette");
    QTest::addColumn<QString>("style");

    QTest::newRow("light scheme, Fusion") << "light" << "Fusion";
    QTest::newRow("dark scheme, Windows style") << "dark" << "Windows";
}

void LookTest::contextMenuHasTheWindowsLook()
{
    QFETCH(QString, palette);
    QFETCH(QString, style);

    setDesktop(palette, style);
    Form1Fixture fixture;
    QLineEdit *field = fixture.field(0);
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), field->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(field, &event);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    const std::unique_ptr<QMenu, void (*)(QMenu *)> closeAtEnd(menu, [](QMenu *m) { m->close(); });
    QVERIFY(!menu->actions().isEmpty());
    // The window's Fusion style and button-face grey, whatever the desktop's.
    QCOMPARE(menu->style()->name(), QStringLiteral("fusion"));
    QCOMPARE(menu->palette().color(QPalette::Window), QColor(212, 208, 200));
    QCOMPARE(menu->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    const QStringList unreadable = unreadableTexts(QStringLiteral("context menu"), menu->palette());
    QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(QStringLiteral("; "))));
}

void LookTest::refusalRedKeepsTheDesignedColours()
{
    setDesktop(QStringLiteral("dark"), QStringLiteral("Windows"));
    Form1Fixture fixture;
    fixture.type(1, QStringLiteral("61"));
    const QPalette palette = fixture.field(1)->palette();
    QCOMPARE(palette.color(QPalette::Text), QColor(255, 0, 0));
    QCOMPARE(palette.color(QPalette::Base), QColor(212, 208, 200));
    qInfo("refusal red on the field background: %.2f:1",
          contrast(palette.color(QPalette::Text), palette.color(QPalette::Base)));
}

QTEST_MAIN(LookTest)
#include "look_test.moc"
