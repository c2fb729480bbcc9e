// Text no one should type, pasted into the real window and typed where a
// keyboard can produce it: the window must survive it, keep what the toolkit
// keeps, show what the number reading makes of it, and still answer the next
// keystroke. How long a megabyte paste takes is measured by bench/paste_bench;
// here a hang is caught by the test's time-out alone.
//
// What the toolkit keeps, as observed with Qt 6.4's QLineEdit:
//   - a paste keeps every character, controls included: NUL, C0 controls,
//     tab, line feed, carriage return, DEL, C1 controls, bidi marks;
//   - typing drops the C0 controls (U+0000 to U+001F), DEL (U+007F) and the
//     C1 controls (U+0080 to U+009F), and keeps format characters such as
//     the right-to-left mark and override.

#include "decimal_separator.h"
#include "form1_fixture.h"

#include "number/number_text.h"
#include "runtime/beep.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

#include <cmath>
#include <limits>
#include <optional>
#include <vector>

namespace {

const QColor red(255, 0, 0);
const QString overflowText = QStringLiteral("D\u00e9passement de capacit\u00e9");

// What the three fields hold before the hostile text replaces one of them.
const QStringList startTexts{QStringLiteral("10"), QStringLiteral("30"), QStringLiteral("36")};
const double startValues[3] = {10.0, 30.0, 36.0};

constexpr qsizetype megabyte = 1 << 20;
constexpr double infinity = std::numeric_limits<double>::infinity();

// The same text typed into the degrees: what the field keeps of it, and
// what that reads as.
struct Typed
{
    QString keeps;
    double reads;
};

struct HostileCase
{
    const char *name;
    int field;      // 0 degrees, 1 minutes, 2 seconds
    QString text;
    double reads;   // what the number reading settles on
    std::optional<Typed> typed;   // none where no keyboard produces the text
};

std::vector<HostileCase> hostileCases()
{
    const QString nul(QChar(0));
    // Typed, these keep every character and so read as pasted.
    const auto keptWhole = [](const QString &text, double reads) { return Typed{text, reads}; };
    const QString rlmBefore = QStringLiteral("\u200f45");
    const QString rlmAfter = QStringLiteral("45\u200f");
    const QString rloAround = QStringLiteral("\u202e12\u202c");
    const QString fullWidth = QStringLiteral("\uff11\uff12\uff13");
    const QString mixedWidth = QStringLiteral("12\uff13");
    return {
        {"megabyte of digits reads beyond the doubles", 0, QString(megabyte, QLatin1Char('9')), infinity, {}},
        {"megabyte of decimals after a comma", 0, "0," + QString(megabyte, QLatin1Char('3')), 1.0 / 3.0, {}},
        {"number followed by a megabyte of letters", 0, "12" + QString(megabyte, QLatin1Char('x')), 12.0, {}},
        {"NUL between digits ends the number", 0, "1" + nul + "2", 1.0, Typed{"12", 12.0}},
        {"C0 controls between digits", 0, QStringLiteral("4\u0001\u001f5"), 4.0, Typed{"45", 45.0}},
        {"DEL and a C1 control between digits", 0, QStringLiteral("3\u007f\u00854"), 3.0, Typed{"34", 34.0}},
        {"line feed and carriage return", 0, QStringLiteral("7\n8\r9"), 7.0, {}},
        {"right-to-left mark before digits", 0, rlmBefore, 0.0, keptWhole(rlmBefore, 0.0)},
        {"right-to-left mark after digits", 0, rlmAfter, 45.0, keptWhole(rlmAfter, 45.0)},
        {"right-to-left override around digits", 0, rloAround, 0.0, keptWhole(rloAround, 0.0)},
        {"full-width digits", 0, fullWidth, 0.0, keptWhole(fullWidth, 0.0)},
        {"ASCII digits then full-width ones", 0, mixedWidth, 12.0, keptWhole(mixedWidth, 12.0)},
        {"1e999 in degrees overflows", 0, "1e999", infinity, keptWhole("1e999", infinity)},
        {"-1e999 in degrees overflows", 0, "-1e999", -infinity, keptWhole("-1e999", -infinity)},
        {"1e999 in minutes is refused", 1, "1e999", infinity, {}},
        {"-1e999 in seconds passes the check and overflows", 2, "-1e999", -infinity, {}},
        {"nan", 0, "nan", 0.0, keptWhole("nan", 0.0)},
        {"nan in minutes", 1, "nan", 0.0, {}},
        {"inf", 0, "inf", 0.0, keptWhole("inf", 0.0)},
        {"hexadecimal float reads its leading 0", 0, "0x1p3", 0.0, keptWhole("0x1p3", 0.0)},
        {"lone minus", 0, "-", 0.0, keptWhole("-", 0.0)},
        {"lone dot", 0, ".", 0.0, keptWhole(".", 0.0)},
        {"exponent without mantissa", 0, "e5", 0.0, keptWhole("e5", 0.0)},
        {"double minus", 0, "--5", 0.0, keptWhole("--5", 0.0)},
        {"two dots", 0, "5..5", 5.0, keptWhole("5..5", 5.0)},
        {"leading tabs are skipped", 0, "\t\t7,5", 7.5, {}},
        {"leading tab before seconds over the limit", 2, "\t75", 75.0, {}},
    };
}

char separatorOfThisRun()
{
    return systemDecimalSeparator() == QStringLiteral(",") ? ',' : '.';
}

// What the result field must show with `value` in `field` and the start
// texts in the other two.
QString expectedResult(int field, double value)
{
    double values[3] = {startValues[0], startValues[1], startValues[2]};
    values[field] = value;
    const double sum = values[0] + (1.0 / 60.0) * values[1] + (1.0 / 3600.0) * values[2];
    if (!std::isfinite(sum))
        return overflowText;
    return QString::fromStdString(number::numberText(sum, separatorOfThisRun()));
}

void fillStartTexts(const Form1Fixture &fixture)
{
    fixture.typeAll(startTexts[0], startTexts[1], startTexts[2]);
}

// The window still answers: a digit typed over the hostile text is read,
// accepted and summed like any other.
void verifyAnswersTheNextKeystroke(const Form1Fixture &fixture, int field)
{
    QLineEdit *edit = fixture.field(field);
    edit->selectAll();
    QTest::keyClick(edit, '7');
    QCOMPARE(edit->text(), QStringLiteral("7"));
    QCOMPARE(fixture.result()->text(), expectedResult(field, 7.0));
    QVERIFY(fixture.errors().empty());
}

// One character as a keyboard delivers it: the key when there is one, the
// bare text otherwise (characters of other layouts or input methods).
void typeCharacter(QWidget *widget, QChar character)
{
    const char16_t code = character.unicode();
    if (code > 0x20 && code < 0x7f)
        QTest::keyClick(widget, static_cast<char>(code));
    else
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character), Qt::NoModifier);
}

} // namespace

class HostileInputTest : public QObject
{
    Q_OBJECT

private slots:
    void pastedIntoAField_data();
    void pastedIntoAField();
    void typedIntoTheDegrees_data();
    void typedIntoTheDegrees();
};

void HostileInputTest::pastedIntoAField_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("reads");
    for (const HostileCase &c : hostileCases())
        QTest::newRow(c.name) << c.field << c.text << c.reads;
}

void HostileInputTest::pastedIntoAField()
{
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(double, reads);

    Form1Fixture fixture;
    fillStartTexts(fixture);
    QLineEdit *edit = fixture.field(field);
    const QString resultBefore = fixture.result()->text();
    const unsigned long beepsBefore = runtime::beepCount();

    QApplication::clipboard()->setText(text);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QCoreApplication::processEvents();

    QVERIFY(fixture.errors().empty());

    // A text box has no length limit: QLineEdit's default of 32767 would
    // cut the megabytes.
    QVERIFY2(edit->text() == text, qPrintable(QStringLiteral("kept %1 of %2 characters")
                                                  .arg(edit->text().size()).arg(text.size())));

    const bool refused = field > 0 && reads > 60.0;
    const QString expected = refused ? resultBefore : expectedResult(field, reads);
    QCOMPARE(fixture.result()->text(), expected);
    QCOMPARE(edit->palette().color(QPalette::Text) == red, refused);
    const bool beeps = refused || expected == overflowText;
    QCOMPARE(runtime::beepCount(), beepsBefore + (beeps ? 1 : 0));
    verifyAnswersTheNextKeystroke(fixture, field);
}

void HostileInputTest::typedIntoTheDegrees_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<double>("reads");
    for (const HostileCase &c : hostileCases()) {
        if (c.typed && c.field == 0)
            QTest::newRow(c.name) << c.text << c.typed->keeps << c.typed->reads;
    }
}

void HostileInputTest::typedIntoTheDegrees()
{
    QFETCH(QString, text);
    QFETCH(QString, kept);
    QFETCH(double, reads);

    Form1Fixture fixture;
    fillStartTexts(fixture);
    QLineEdit *edit = fixture.field(0);
    edit->setFocus();
    edit->selectAll();   // the first character replaces the start text

    for (QChar character : text)
        typeCharacter(edit, character);
    QCoreApplication::processEvents();

    QVERIFY(fixture.errors().empty());
    QCOMPARE(edit->text(), kept);
    // Every keystroke recalculates from the three fields: the last one
    // settles the result, whatever the earlier ones showed.
    QCOMPARE(fixture.result()->text(), expectedResult(0, reads));
    QVERIFY(edit->palette().color(QPalette::Text) != red);
    verifyAnswersTheNextKeystroke(fixture, 0);
}

QTEST_MAIN(HostileInputTest)
#include "hostile_input_test.moc"
