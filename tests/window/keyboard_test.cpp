// Enter and Escape in the fields: the queued Tab that moves the focus on,
// and the clearing that Escape does.

#include "decimal_separator.h"
#include "form1_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {
const QColor inactiveBorderGrey(212, 208, 200);
const QColor red(255, 0, 0);

// The Tab a handler queues is processed once control is back in the event loop.
void processQueuedKeystrokes()
{
    QCoreApplication::processEvents();
}
} // namespace

class KeyboardTest : public QObject
{
    Q_OBJECT

private slots:
    void enterMovesOnByOneField_data();
    void enterMovesOnByOneField();
    void escapeInAnInputFieldClearsEverything_data();
    void escapeInAnInputFieldClearsEverything();
    void escapeInTheResultResetsThroughRaz_data();
    void escapeInTheResultResetsThroughRaz();
    void escapeNeverTurnsRedBack();
    void keyboardAloneDoesTheWholeJob();
};

void KeyboardTest::enterMovesOnByOneField_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<int>("key");

    QTest::newRow("degrees to minutes") << "Text1(0)" << "Text1(1)" << int(Qt::Key_Return);
    QTest::newRow("minutes to seconds") << "Text1(1)" << "Text1(2)" << int(Qt::Key_Return);
    QTest::newRow("seconds to result") << "Text1(2)" << "Text2" << int(Qt::Key_Return);
    QTest::newRow("keypad Enter moves on too") << "Text1(0)" << "Text1(1)" << int(Qt::Key_Enter);
    QTest::newRow("Enter in the result does nothing") << "Text2" << "Text2" << int(Qt::Key_Return);
}

void KeyboardTest::enterMovesOnByOneField()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(int, key);

    Form1Fixture fixture;
    fixture.typeAll("1", "2", "3");
    const QString result = fixture.result()->text();
    auto *start = fixture.window()->findChild<QLineEdit *>(from);
    start->setFocus();
    const QString text = start->text();

    const auto modifier = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
    QTest::keyClick(start, Qt::Key(key), modifier);
    QCOMPARE(QApplication::focusWidget(), start);   // the Tab waits for the event loop
    processQueuedKeystrokes();

    QCOMPARE(QApplication::focusWidget()->objectName(), to);
    QCOMPARE(start->text(), text);   // the key went on to the field, which ignores it
    QCOMPARE(fixture.result()->text(), result);
}

void KeyboardTest::escapeInAnInputFieldClearsEverything_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("focusAfter");

    QTest::newRow("in degrees") << 0 << "Text1(1)";
    QTest::newRow("in minutes") << 1 << "Text1(2)";
    QTest::newRow("in seconds") << 2 << "Text2";
}

void KeyboardTest::escapeInAnInputFieldClearsEverything()
{
    QFETCH(int, index);
    QFETCH(QString, focusAfter);

    Form1Fixture fixture;
    fixture.typeAll("45", "12", "36");
    fixture.field(index)->setFocus();
    QTest::keyClick(fixture.field(index), Qt::Key_Escape);
    processQueuedKeystrokes();

    for (int i = 0; i < 3; ++i)
        QCOMPARE(fixture.field(i)->text(), QString());
    // Emptied last, after the recalculations that the clearing raised.
    QCOMPARE(fixture.result()->text(), QString());
    QCOMPARE(QApplication::focusWidget()->objectName(), focusAfter);
}

void KeyboardTest::escapeInTheResultResetsThroughRaz_data()
{
    QTest::addColumn<QString>("degrees");
    QTest::addColumn<QString>("typedResult");
    QTest::addColumn<QString>("resultAfter");

    QTest::newRow("inputs held text: the result shows 0") << "45" << "" << "0";
    QTest::newRow("no input held text: the result is left as it was") << "" << "typed by hand" << "typed by hand";
}

void KeyboardTest::escapeInTheResultResetsThroughRaz()
{
    QFETCH(QString, degrees);
    QFETCH(QString, typedResult);
    QFETCH(QString, resultAfter);

    Form1Fixture fixture;
    if (!degrees.isEmpty())
        fixture.type(0, degrees);
    fixture.result()->setFocus();
    QTest::keyClicks(fixture.result(), typedResult);
    QTest::keyClick(fixture.result(), Qt::Key_Escape);
    processQueuedKeystrokes();

    for (int i = 0; i < 3; ++i) {
        QCOMPARE(fixture.field(i)->text(), QString());
        QCOMPARE(fixture.field(i)->palette().color(QPalette::Base), inactiveBorderGrey);
    }
    QCOMPARE(fixture.result()->text(), resultAfter);
    QCOMPARE(QApplication::focusWidget(), fixture.copyButton());
}

void KeyboardTest::escapeNeverTurnsRedBack()
{
    Form1Fixture fixture;
    fixture.type(1, "99");
    fixture.type(2, "99");
    QTest::keyClick(fixture.field(2), Qt::Key_Escape);
    processQueuedKeystrokes();
    fixture.result()->setFocus();
    QTest::keyClick(fixture.result(), Qt::Key_Escape);
    processQueuedKeystrokes();

    QCOMPARE(fixture.field(1)->palette().color(QPalette::Text), red);
    QCOMPARE(fixture.field(2)->palette().color(QPalette::Text), red);
    QVERIFY(fixture.field(0)->palette().color(QPalette::Text) != red);
}

void KeyboardTest::keyboardAloneDoesTheWholeJob()
{
    Form1Fixture fixture;
    const auto press = [](Qt::Key key) {
        QTest::keyClick(QApplication::focusWidget(), key);
        processQueuedKeystrokes();
    };
    QTest::keyClicks(QApplication::focusWidget(), "45");
    press(Qt::Key_Return);
    QTest::keyClicks(QApplication::focusWidget(), "12");
    press(Qt::Key_Return);
    QTest::keyClicks(QApplication::focusWidget(), "36");
    press(Qt::Key_Return);
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), fixture.copyButton());
    press(Qt::Key_Space);

    const QString expected = "45" + systemDecimalSeparator() + "21";
    QCOMPARE(fixture.result()->text(), expected);
    QCOMPARE(QApplication::clipboard()->text(), expected);
}

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
