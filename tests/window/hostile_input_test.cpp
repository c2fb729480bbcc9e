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

#include "runtime/beep.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

#include <optional>
#include <vector>

namespace {

const QColor red(255, 0, 0);
const QString overflowText = QStringLiteral("D\u00e9passement de capacit\u00e9");
// In place of a result: the value is refused, a beep, the field turns red
// and the result keeps what it showed.
const QString refused = QStringLiteral("(refused)");

// What the three fields hold before the hostile text replaces one of them:
// the result then is 10 + 30 x (1/60) + 36 x (1/3600).
const QStringList startTexts{QStringLiteral("10"), QStringLiteral("30"), QStringLiteral("36")};

// What the result shows once a 7 is typed over the whole of each field.
const QString sevenTypedOver[3] = {QStringLiteral("7.51"), QStringLiteral("10.1266666666667"),
                                   QStringLiteral("10.5019444444444")};

constexpr qsizetype megabyte = 1 << 20;

// The same text typed into the degrees: what the field keeps of it, and
// the result then.
struct Typed
{
    QString keeps;
    QString result;
};

// The results are written with "." as the separator.
struct HostileCase
{
    const char *name;
    int field;      // 0 degrees, 1 minutes, 2 seconds
    QString text;
    QString result;   // once pasted: a text, overflowText or refused
    std::optional<Typed> typed;   // none where no keyboard produces the text
};

std::vector<HostileCase> hostileCases()
{
    const QString nul(QChar(0));
    // Typed, these keep every character and so give the pasted result.
    const auto keptWhole = [](const QString &text, const QString &result) { return Typed{text, result}; };
    const QString rlmBefore = QStringLiteral("\u200f45");
    const QString rlmAfter = QStringLiteral("45\u200f");
    const QString rloAround = QStringLiteral("\u202e12\u202c");
    const QString fullWidth = QStringLiteral("\uff11\uff12\uff13");
    const QString mixedWidth = QStringLiteral("12\uff13");
    const QString noBreakBefore = QStringLiteral("\u00a045");
    const QString enDashMinus = QStringLiteral("\u20135");
    const QString arabicIndic = QStringLiteral("\u0664\u0665");
    return {
        {"megabyte of digits reads beyond the doubles", 0, QString(megabyte, QLatin1Char('9')), overflowText, {}},
        {"megabyte of decimals after a comma", 0, "0," + QString(megabyte, QLatin1Char('3')), "0.843333333333333", {}},
        {"number followed by a megabyte of letters", 0, "12" + QString(megabyte, QLatin1Char('x')), "12.51", {}},
        {"NUL between digits ends the number", 0, "1" + nul + "2", "1.51", Typed{"12", "12.51"}},
        {"C0 controls between digits", 0, QStringLiteral("4\u0001\u001f5"), "4.51", Typed{"45", "45.51"}},
        {"DEL and a C1 control between digits", 0, QStringLiteral("3\u007f\u00854"), "3.51", Typed{"34", "34.51"}},
        {"line feed and carriage return", 0, QStringLiteral("7\n8\r9"), "7.51", {}},
        {"line feed before digits", 0, QStringLiteral("\n45"), "45.51", {}},
        {"no-break space before digits", 0, noBreakBefore, "45.51", keptWhole(noBreakBefore, "45.51")},
        {"narrow no-break space before seconds over the limit", 2, QStringLiteral("\u202f75"), refused, {}},
        {"en dash for the minus sign", 0, enDashMinus, "-4.49", keptWhole(enDashMinus, "-4.49")},
        {"right-to-left mark before digits", 0, rlmBefore, "45.51", keptWhole(rlmBefore, "45.51")},
        {"right-to-left mark after digits", 0, rlmAfter, "45.51", keptWhole(rlmAfter, "45.51")},
        {"right-to-left override around digits", 0, rloAround, "12.51", keptWhole(rloAround, "12.51")},
        {"full-width digits", 0, fullWidth, "123.51", keptWhole(fullWidth, "123.51")},
        {"ASCII digits then full-width ones", 0, mixedWidth, "123.51", keptWhole(mixedWidth, "123.51")},
        {"Arabic-Indic digits", 0, arabicIndic, "45.51", keptWhole(arabicIndic, "45.51")},
        {"1e999 in degrees overflows", 0, "1e999", overflowText, keptWhole("1e999", overflowText)},
        {"-1e999 in degrees overflows", 0, "-1e999", overflowText, keptWhole("-1e999", overflowText)},
        {"1e999 in minutes is refused", 1, "1e999", refused, {}},
        {"-1e999 in seconds passes the check and overflows", 2, "-1e999", overflowText, {}},
        {"nan", 0, "nan", "0.51", keptWhole("nan", "0.51")},
        {"nan in minutes", 1, "nan", "10.01", {}},
        {"inf", 0, "inf", "0.51", keptWhole("inf", "0.51")},
        {"hexadecimal float reads its leading 0", 0, "0x1p3", "0.51", keptWhole("0x1p3", "0.51")},
        {"lone minus", 0, "-", "0.51", keptWhole("-", "0.51")},
        {"lone dot", 0, ".", "0.51", keptWhole(".", "0.51")},
        {"exponent without mantissa", 0, "e5", "0.51", keptWhole("e5", "0.51")},
        {"double minus", 0, "--5", "0.51", keptWhole("--5", "0.51")},
        {"two dots", 0, "5..5", "5.51", keptWhole("5..5", "5.51")},
        {"leading tabs are skipped", 0, "\t\t7,5", "8.01", {}},
        {"leading tab before seconds over the limit", 2, "\t75", refused, {}},
    };
}

// A result as this run shows it: "," under a French locale.
QString shown(const QString &result)
{
    return result == overflowText ? result : localised(result);
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
    QCOMPARE(fixture.result()->text(), shown(sevenTypedOver[field]));
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
    QTest::addColumn<QString>("result");
    for (const HostileCase &c : hostileCases())
        QTest::newRow(c.name) << c.field << c.text << c.result;
}

void HostileInputTest::pastedIntoAField()
{
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(QString, result);

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

    const bool isRefused = result == refused;
    QCOMPARE(fixture.result()->text(), isRefused ? resultBefore : shown(result));
    QCOMPARE(edit->palette().color(QPalette::Text) == red, isRefused);
    const bool beeps = isRefused || result == overflowText;
    QCOMPARE(runtime::beepCount(), beepsBefore + (beeps ? 1 : 0));
    verifyAnswersTheNextKeystroke(fixture, field);
}

void HostileInputTest::typedIntoTheDegrees_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QString>("result");
    for (const HostileCase &c : hostileCases()) {
        if (c.typed && c.field == 0)
            QTest::newRow(c.name) << c.text << c.typed->keeps << c.typed->result;
    }
}

void HostileInputTest::typedIntoTheDegrees()
{
    QFETCH(QString, text);
    QFETCH(QString, kept);
    QFETCH(QString, result);

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
    QCOMPARE(fixture.result()->text(), shown(result));
    QVERIFY(edit->palette().color(QPalette::Text) != red);
    verifyAnswersTheNextKeystroke(fixture, 0);
}

QTEST_MAIN(HostileInputTest)
#include "hostile_input_test.moc"
