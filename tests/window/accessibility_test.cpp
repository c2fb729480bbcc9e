// What a screen reader and a keyboard user get: every control named, and
// the focus visible wherever it is.

#include "form1_fixture.h"

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class AccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    void controlsAreNamed_data();
    void controlsAreNamed();
    void focusIsVisibleOnEveryFocusableControl_data();
    void focusIsVisibleOnEveryFocusableControl();
};

void AccessibilityTest::controlsAreNamed_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");

    QTest::newRow("degrees field by its caption") << "Text1(0)" << "Degr\u00e9s";
    QTest::newRow("minutes field by its caption") << "Text1(1)" << "Minutes";
    QTest::newRow("seconds field by its caption") << "Text1(2)" << "Secondes";
    QTest::newRow("result field") << "Text2" << "R\u00e9sultat";
    QTest::newRow("copy button") << "Command1" << "Copier";
}

void AccessibilityTest::controlsAreNamed()
{
    QFETCH(QString, control);
    QFETCH(QString, name);

    Form1Fixture fixture;
    auto *widget = fixture.window()->findChild<QWidget *>(control);
    QVERIFY(widget);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), name);
}

void AccessibilityTest::focusIsVisibleOnEveryFocusableControl_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("tabs");   // Tab presses from the degrees field

    QTest::newRow("degrees field") << "Text1(0)" << 5;   // round the cycle and back
    QTest::newRow("minutes field") << "Text1(1)" << 1;
    QTest::newRow("seconds field") << "Text1(2)" << 2;
    QTest::newRow("result field") << "Text2" << 3;
    QTest::newRow("copy button") << "Command1" << 4;
}

void AccessibilityTest::focusIsVisibleOnEveryFocusableControl()
{
    QFETCH(QString, control);
    QFETCH(int, tabs);

    Form1Fixture fixture;
    auto *widget = fixture.window()->findChild<QWidget *>(control);
    // The text cursor stays off so that only the focus frame can tell the
    // two pictures apart; the focus moves by keyboard, as a user moves it.
    QApplication::setCursorFlashTime(0);
    for (int i = 0; i < tabs; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), widget);
    const QImage focused = widget->grab().toImage();
    QTest::keyClick(widget, Qt::Key_Tab);
    QVERIFY(QApplication::focusWidget() != widget);
    const QImage unfocused = widget->grab().toImage();
    QVERIFY2(focused != unfocused, "the focused control looks the same as when it has no focus");
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
