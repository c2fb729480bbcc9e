// The live recalculation: conversion, the range check on minutes and
// seconds, and what happens beyond the range of doubles. Runs once under a
// French locale and once under C: expected texts are written with "." and
// take the run's separator.

#include "decimal_separator.h"
#include "form1_fixture.h"

#include "runtime/beep.h"

#include <QLineEdit>
#include <QTest>

namespace {

const QColor red(255, 0, 0);
const QString overflowText = QStringLiteral("D\u00e9passement de capacit\u00e9");

} // namespace

class RecalculationTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void convertsAsTyped_data();
    void convertsAsTyped();
    void everyKeystrokeRecalculates();
    void rangeCheck_data();
    void rangeCheck();
    void refusalStaysRedAfterCorrection();
    void refusedValueCountsWhenAnotherFieldChanges();
    void overflowShowsMessageAndRecovers_data();
    void overflowShowsMessageAndRecovers();
};

void RecalculationTest::initTestCase()
{
    // The locale is pinned by the test's registration; make sure Qt took it.
    const QByteArray locale = qgetenv("LC_ALL");
    QVERIFY2(!locale.isEmpty(), "run with LC_ALL set");
    QCOMPARE(systemDecimalSeparator(), locale.startsWith("fr") ? QStringLiteral(",") : QStringLiteral("."));
}

void RecalculationTest::convertsAsTyped_data()
{
    QTest::addColumn<QString>("degrees");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("seconds");
    QTest::addColumn<QString>("expected");

    QTest::newRow("45 12 36 shows 45.21, not 45.210000000000001") << "45" << "12" << "36" << "45.21";
    QTest::newRow("degrees only") << "12" << "" << "" << "12";
    QTest::newRow("30 minutes") << "" << "30" << "" << "0.5";
    QTest::newRow("one second stays in fixed form") << "" << "" << "1" << "0.000277777777777778";
    QTest::newRow("tenth of a second goes to exponent form") << "" << "" << "0.1" << "2.77777777777778E-05";
    QTest::newRow("60 minutes pass the check") << "1" << "60" << "" << "2";
    QTest::newRow("60 seconds pass the check") << "" << "" << "60" << "0.0166666666666667";
    QTest::newRow("signed total: -10 and 30 minutes give -9.5") << "-10" << "30" << "" << "-9.5";
    QTest::newRow("negative minutes have no lower bound") << "1" << "-5" << "" << "0.916666666666667";
    QTest::newRow("degrees are never range-checked") << "400" << "" << "" << "400";
    QTest::newRow("comma typed as separator") << "1,5" << "" << "" << "1.5";
    QTest::newRow("dot typed as separator") << "1.5" << "" << "" << "1.5";
    QTest::newRow("letters first read as 0") << "abc" << "" << "" << "0";
    QTest::newRow("digits then letters read the digits") << "12abc" << "" << "" << "12";
    QTest::newRow("minus zero shows 0") << "-0" << "" << "" << "0";
    // m/60 would show ...667: the minutes term is m times the rounded quotient 1/60.
    QTest::newRow("0.568 minutes take the product with 1/60, not m/60")
        << "" << "0.568" << "" << "0.00946666666666666";
    QTest::newRow("typical latitude") << "48" << "51" << "29.5" << "48.8581944444444";
}

void RecalculationTest::convertsAsTyped()
{
    QFETCH(QString, degrees);
    QFETCH(QString, minutes);
    QFETCH(QString, seconds);
    QFETCH(QString, expected);

    Form1Fixture fixture;
    fixture.typeAll(degrees, minutes, seconds);
    QCOMPARE(fixture.result()->text(), localised(expected));
    QVERIFY(fixture.errors().empty());
}

void RecalculationTest::everyKeystrokeRecalculates()
{
    Form1Fixture fixture;
    fixture.type(0, "4");
    QCOMPARE(fixture.result()->text(), QStringLiteral("4"));
    fixture.type(0, "5");
    QCOMPARE(fixture.result()->text(), QStringLiteral("45"));
    QTest::keyClick(fixture.field(0), Qt::Key_Backspace);
    QCOMPARE(fixture.result()->text(), QStringLiteral("4"));
    QTest::keyClick(fixture.field(0), Qt::Key_Backspace);
    QCOMPARE(fixture.result()->text(), QStringLiteral("0"));   // all empty after a change: 0, not nothing
}

void RecalculationTest::rangeCheck_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("refused");

    QTest::newRow("minutes 60 exactly") << 1 << "60" << false;
    QTest::newRow("minutes 60.5") << 1 << "60.5" << true;
    QTest::newRow("minutes 60,5 with a comma") << 1 << "60,5" << true;
    QTest::newRow("minutes 61") << 1 << "61" << true;
    QTest::newRow("minutes 1e999 read as +infinity") << 1 << "1e999" << true;
    QTest::newRow("seconds 60 exactly") << 2 << "60" << false;
    QTest::newRow("seconds 75") << 2 << "75" << true;
    QTest::newRow("seconds -500") << 2 << "-500" << false;
    QTest::newRow("seconds starting with letters") << 2 << "x99" << false;
    QTest::newRow("degrees 500 are not checked") << 0 << "500" << false;
}

void RecalculationTest::rangeCheck()
{
    QFETCH(int, index);
    QFETCH(QString, typed);
    QFETCH(bool, refused);

    Form1Fixture fixture;
    fixture.result()->setText("before");
    const unsigned long beepsBefore = runtime::beepCount();
    const QColor textColour = fixture.field(index)->palette().color(QPalette::Text);

    // Type all but the last character, then watch the last keystroke alone.
    fixture.type(index, typed.chopped(1));
    const QString resultBefore = fixture.result()->text();
    const unsigned long beepsBeforeLast = runtime::beepCount();
    fixture.type(index, typed.right(1));

    QCOMPARE(fixture.field(index)->text(), typed);   // the field keeps what was typed
    if (refused) {
        QCOMPARE(runtime::beepCount(), beepsBeforeLast + 1);
        QCOMPARE(fixture.field(index)->palette().color(QPalette::Text), red);
        QCOMPARE(fixture.result()->text(), resultBefore);
    } else {
        QCOMPARE(runtime::beepCount(), beepsBefore);
        QCOMPARE(fixture.field(index)->palette().color(QPalette::Text), textColour);
        QVERIFY(fixture.result()->text() != QStringLiteral("before"));
    }
}

void RecalculationTest::refusalStaysRedAfterCorrection()
{
    Form1Fixture fixture;
    fixture.type(0, "10");
    fixture.type(1, "75");
    QCOMPARE(fixture.field(1)->palette().color(QPalette::Text), red);
    fixture.field(1)->selectAll();
    fixture.type(1, "30");
    QCOMPARE(fixture.result()->text(), localised("10.5"));
    QCOMPARE(fixture.field(1)->palette().color(QPalette::Text), red);
}

void RecalculationTest::refusedValueCountsWhenAnotherFieldChanges()
{
    Form1Fixture fixture;
    fixture.type(1, "75");
    fixture.type(0, "1");
    QCOMPARE(fixture.result()->text(), localised("2.25"));   // 1 + 75 x (1/60)
}

void RecalculationTest::overflowShowsMessageAndRecovers_data()
{
    QTest::addColumn<QString>("degrees");
    QTest::addColumn<QString>("minutes");

    QTest::newRow("finite inputs whose sum overflows") << "-1.79E308" << "-1E308";
    QTest::newRow("degrees beyond the double range") << "1e999" << "";
    QTest::newRow("minutes at -infinity pass the check") << "" << "-1e999";
    QTest::newRow("infinities of both signs give no number") << "1e999" << "-1e999";
}

void RecalculationTest::overflowShowsMessageAndRecovers()
{
    QFETCH(QString, degrees);
    QFETCH(QString, minutes);

    Form1Fixture fixture;
    const unsigned long beepsBefore = runtime::beepCount();
    fixture.typeAll(degrees, minutes, "");

    QCOMPARE(fixture.result()->text(), overflowText);
    QVERIFY(runtime::beepCount() > beepsBefore);
    QCOMPARE(fixture.field(0)->text(), degrees);
    QCOMPARE(fixture.field(1)->text(), minutes);
    QVERIFY(fixture.errors().empty());   // nothing ended the program

    fixture.field(0)->selectAll();
    fixture.type(0, "2");
    fixture.field(1)->selectAll();
    fixture.type(1, "30");
    QCOMPARE(fixture.result()->text(), localised("2.5"));
}

QTEST_MAIN(RecalculationTest)
#include "recalculation_test.moc"
