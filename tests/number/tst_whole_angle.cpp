// Tests of number::readWholeAngle(): the coordinates people paste, written
// every way web pages, maps and GPS exports write them, and the texts that
// look close but must not be split.

#include "number/whole_angle.h"

#include <QByteArray>
#include <QTest>

#include <string>

namespace {

// The expected reading, as a text: "D|M|S|sign|letter", where sign is "-"
// for a minus sign and letter the hemisphere; "none" for no whole angle.
QByteArray described(const std::optional<number::WholeAngle> &angle)
{
    if (!angle)
        return "none";
    const QByteArray letter = angle->hemisphere ? QByteArray(1, angle->hemisphere) : QByteArray();
    return QByteArray::fromStdString(angle->degrees + "|" + angle->minutes + "|" + angle->seconds + "|") +
           (angle->minusSign ? "-" : "") + "|" + letter;
}

} // namespace

class WholeAngleTest : public QObject
{
    Q_OBJECT

private slots:
    void reads_data();
    void reads();
    void negativeFromSignOrHemisphere_data();
    void negativeFromSignOrHemisphere();
    void megabyteTexts_data();
    void megabyteTexts();
};

void WholeAngleTest::reads_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("expected");

    const auto row = [](const char *text, const char *expected) {
        const QByteArray name = QByteArray(text).replace('\n', "\\n").replace('\t', "\\t");
        QTest::newRow(name.constData()) << QByteArray(text) << QByteArray(expected);
    };

    // What people paste.
    row("48°51'24\"N", "48|51|24||N");
    row("2° 21′ 3″ W", "2|21|3||W");
    row("N 45° 12.608'", "45|12.608|||N");
    row("-33°52'4,6\"", "33|52|4,6|-|");
    row("45:12:36", "45|12|36||");
    row("48°51'24.0\"N 2°21'03.0\"E", "48|51|24.0||N");
    row("45d12m36s", "45|12|36||");
    row("45:12", "45|12|||");
    row("45°36\"", "45||36||");
    row("48.8566° N", "48.8566||||N");
    row("48º 51’ 24” n", "48|51|24||N");
    row("48˚51´24´´", "48|51|24||");
    row("45°12'36''", "45|12|36||");
    row("45°12′36′′", "45|12|36||");
    row("45D 12m 36s S", "45|12|36||S");
    row("−33°52'", "33|52||-|");
    row("+45°12'", "45|12|||");
    row("S -33°52'", "33|52||-|S");
    row("o 2°21'", "2|21|||O");
    row("2°21'O", "2|21|||O");
    row("-45:12:36 S", "45|12|36|-|S");
    row("Position : 48°51'24\"N, 2°21'03\"E", "48|51|24||N");
    row("\t48°\n51'", "48|51|||");
    // A letter before wins: the one after belongs to the next angle.
    row("N 45° 12.608' W 122° 30.000'", "45|12.608|||N");
    row("N 45°12' S", "45|12|||N");
    // A text after the angle is left alone.
    row("45°12'abc", "45|12|||");
    row("48°51' est la latitude", "48|51|||");

    // Near misses: no whole angle.
    row("", "none");
    row("N", "none");
    row("45.21", "none");
    row("12abc", "none");
    row("45 12 36", "none");
    row("45'", "none");
    row("°12'", "none");
    row("45°", "none");
    row("45° and 48°51'N", "none");
    row("--45°12'", "none");
    row("+-45°12'", "none");
    row("-−45°12'", "none");
    row("x45°12'", "none");
    row("1e45°12'", "none");
    row("1.2.45°12'", "none");
    row("10-45°12'", "none");
    row("45days 12m", "none");
    row("45°12min", "none");
    row("45° Nord", "none");
    row("IN 45°", "none");
    row("45°12'36", "none");
    row("N 45° 12.608", "none");
    row("45°12'36'", "none");
    row("1:2:3:4", "none");
    row("12:", "none");
    row("45:12:36e5", "45|12|36||");
}

void WholeAngleTest::reads()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, expected);
    QCOMPARE(described(number::readWholeAngle(text.toStdString())), expected);
}

void WholeAngleTest::negativeFromSignOrHemisphere_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("negative");
    for (const char *text : {"45°12'S", "45°12'W", "45°12'O", "-45°12'", "-45°12' S", "-45°12' N", "s 45°12'"})
        QTest::newRow(text) << QByteArray(text) << true;
    for (const char *text : {"45°12'N", "45°12'E", "45°12'", "+45°12'", "e 45°12'"})
        QTest::newRow(text) << QByteArray(text) << false;
}

void WholeAngleTest::negativeFromSignOrHemisphere()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, negative);
    const auto angle = number::readWholeAngle(text.toStdString());
    QVERIFY(angle);
    QCOMPARE(angle->negative(), negative);
}

// A megabyte of marks, blanks or digits: read in one pass, the same answer
// as the short text.
void WholeAngleTest::megabyteTexts_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("expected");
    constexpr int megabyte = 1 << 20;
    QTest::newRow("degree marks") << QByteArray(megabyte / 2, '\xb0').prepend(QByteArray(megabyte / 2, '\xc2')) << QByteArray("none");
    QByteArray degreeMarks;
    for (int i = 0; i < megabyte / 2; ++i)
        degreeMarks += "\xc2\xb0";
    QTest::newRow("degree marks, then an angle") << degreeMarks + "45°12'" << QByteArray("45|12|||");
    QTest::newRow("apostrophes after an angle") << "45°12'36\" " + QByteArray(megabyte, '\'') << QByteArray("45|12|36||");
    QTest::newRow("blanks between the parts") << "45°" + QByteArray(megabyte, ' ') + "12'" << QByteArray("45|12|||");
    QTest::newRow("digits before a degree mark") << QByteArray(megabyte, '7') + "°N" << QByteArray(megabyte, '7') + "||||N";
    QTest::newRow("numbers with no mark") << QByteArray("1 ").repeated(megabyte / 2) << QByteArray("none");
    QTest::newRow("signs") << QByteArray(megabyte, '-') + "45°12'" << QByteArray("none");
    QTest::newRow("colons") << QByteArray("1:").repeated(megabyte / 2) << QByteArray("none");
}

void WholeAngleTest::megabyteTexts()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, expected);
    QCOMPARE(described(number::readWholeAngle(text.toStdString())), expected);
}

QTEST_APPLESS_MAIN(WholeAngleTest)
#include "tst_whole_angle.moc"
