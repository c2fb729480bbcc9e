// Tests of number::plainText() and of how number::readNumber() reads what
// it makes plain: each class of character users bring from web pages, PDFs
// and other keyboards, before, inside and after a number.

#include "compare_double.h"
#include "number/number_reading.h"
#include "number/plain_text.h"

#include <QByteArray>
#include <QString>
#include <QTest>

#include <limits>
#include <random>
#include <string>
#include <string_view>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

std::string_view view(const QByteArray &bytes)
{
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

QByteArray plain(const QByteArray &text)
{
    return QByteArray::fromStdString(number::plainText(view(text)));
}

// A row whose text is written in UTF-16 and given to the reader as UTF-8.
void row(const char *name, const QString &text, const QString &plainText, double reads)
{
    QTest::newRow(name) << text.toUtf8() << plainText.toUtf8() << reads;
}

// A row of bytes that are not all well-formed UTF-8.
void rawRow(const char *name, const QByteArray &text, const QByteArray &plainText, double reads)
{
    QTest::newRow(name) << text << plainText << reads;
}

} // namespace

class TestPlainText : public QObject
{
    Q_OBJECT

private slots:
    void asTheUserSeesIt_data();
    void asTheUserSeesIt();
    void readingIsThatOfThePlainForm();
    void longTexts();
};

void TestPlainText::asTheUserSeesIt_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("plain");
    QTest::addColumn<double>("reads");

    // Blanks and line breaks: skipped before a number, its end inside it.
    row("no-break space before", u"\u00A045"_s, u" 45"_s, 45.0);
    row("no-break space inside", u"4\u00A05"_s, u"4 5"_s, 4.0);
    row("no-break space after", u"45\u00A0"_s, u"45 "_s, 45.0);
    row("narrow no-break space before", u"\u202F-12,5"_s, u" -12,5"_s, -12.5);
    row("narrow no-break space as thousands separator", u"1\u202F000"_s, u"1 000"_s, 1.0);
    row("narrow no-break space after", u"12,5\u202F"_s, u"12,5 "_s, 12.5);
    row("ideographic space before", u"\u300045"_s, u" 45"_s, 45.0);
    row("thin space after the sign", u"-\u20095"_s, u"- 5"_s, 0.0);
    row("line feed before", u"\n45"_s, u" 45"_s, 45.0);
    row("carriage return and line feed before", u"\r\n45"_s, u"  45"_s, 45.0);
    row("line feed inside", u"4\n5"_s, u"4 5"_s, 4.0);
    row("line feed after", u"45\n"_s, u"45 "_s, 45.0);
    row("vertical tab and form feed before", u"\v\f45"_s, u"  45"_s, 45.0);
    row("next line U+0085 before", u"\u008545"_s, u" 45"_s, 45.0);
    row("line separator before", u"\u202845"_s, u" 45"_s, 45.0);
    row("paragraph separator after", u"45\u2029"_s, u"45 "_s, 45.0);
    row("no-break spaces between the parts of an angle", u"48\u00B0\u00A051\u2032\u00A0N"_s,
        u"48\u00B0 51\u2032 N"_s, 48.0);

    // Invisible format marks: ignored wherever they are.
    row("right-to-left mark before", u"\u200F45"_s, u"45"_s, 45.0);
    row("right-to-left mark inside", u"4\u200F5"_s, u"45"_s, 45.0);
    row("right-to-left mark after", u"45\u200F"_s, u"45"_s, 45.0);
    row("left-to-right mark after the sign", u"-\u200E5"_s, u"-5"_s, -5.0);
    row("zero-width space before", u"\u200B45"_s, u"45"_s, 45.0);
    row("zero-width space after the separator", u"4,\u200B5"_s, u"4,5"_s, 4.5);
    row("byte order mark before", u"\uFEFF45"_s, u"45"_s, 45.0);
    row("right-to-left embedding around", u"\u202B45\u202C"_s, u"45"_s, 45.0);
    row("first-strong isolate around", u"\u206845\u2069"_s, u"45"_s, 45.0);
    row("soft hyphen inside", u"4\u00AD5"_s, u"45"_s, 45.0);
    row("word joiner inside the exponent", u"1e\u20603"_s, u"1e3"_s, 1000.0);
    row("tag character before", u"\U000E000145"_s, u"45"_s, 45.0);
    // A visible format character is kept, and is no number.
    row("Arabic number sign before", u"\u060045"_s, u"\u060045"_s, 0.0);

    // Decimal digits of every script: their digit.
    row("full-width digits", u"\uFF14\uFF15"_s, u"45"_s, 45.0);
    row("full-width digits and separator", u"\uFF14\uFF15,\uFF15"_s, u"45,5"_s, 45.5);
    row("Arabic-Indic digits", u"\u0664\u0665"_s, u"45"_s, 45.0);
    row("extended Arabic-Indic digits", u"\u06F4\u06F5"_s, u"45"_s, 45.0);
    row("Devanagari digits", u"\u096A\u096B"_s, u"45"_s, 45.0);
    row("mathematical bold digits", u"\U0001D7D2\U0001D7D3"_s, u"45"_s, 45.0);
    row("last mathematical monospace digit", u"\U0001D7FF"_s, u"9"_s, 9.0);
    row("ASCII then Arabic-Indic digit", u"4\u0665"_s, u"45"_s, 45.0);
    row("full-width zero after", u"45\uFF10"_s, u"450"_s, 450.0);
    row("full-width exponent digit", u"1e\uFF13"_s, u"1e3"_s, 1000.0);
    // Other numerals are not decimal digits, nor is the Arabic decimal separator.
    row("superscript two after", u"4\u00B2"_s, u"4\u00B2"_s, 4.0);
    row("circled digit one", u"\u2460"_s, u"\u2460"_s, 0.0);
    row("Roman numeral four", u"\u2163"_s, u"\u2163"_s, 0.0);
    row("Arabic decimal separator", u"\u0664\u066B\u0665"_s, u"4\u066B5"_s, 4.0);

    // Dashes written for minus: '-'.
    row("hyphen U+2010 before", u"\u201045"_s, u"-45"_s, -45.0);
    row("non-breaking hyphen U+2011 before", u"\u201145"_s, u"-45"_s, -45.0);
    row("figure dash U+2012 before", u"\u201245"_s, u"-45"_s, -45.0);
    row("en dash U+2013 before", u"\u201345"_s, u"-45"_s, -45.0);
    row("em dash U+2014 before", u"\u201445"_s, u"-45"_s, -45.0);
    row("horizontal bar U+2015 before", u"\u201545"_s, u"-45"_s, -45.0);
    row("minus sign U+2212 before", u"\u221245"_s, u"-45"_s, -45.0);
    row("en dash inside", u"4\u20135"_s, u"4-5"_s, 4.0);
    row("en dash after", u"45\u2013"_s, u"45-"_s, 45.0);
    row("en dash in the exponent", u"1e\u20133"_s, u"1e-3"_s, 0.001);
    row("two en dashes", u"\u2013\u20135"_s, u"--5"_s, 0.0);
    row("en dash then full-width digits", u"\u2013\uFF14\uFF15"_s, u"-45"_s, -45.0);
    row("en dash after a no-break space", u"\u00A0\u20135"_s, u" -5"_s, -5.0);
    // Their neighbours are no minus.
    row("double vertical line U+2016", u"\u201645"_s, u"\u201645"_s, 0.0);
    row("minus-or-plus U+2213", u"\u221345"_s, u"\u221345"_s, 0.0);

    // Bytes that are not well-formed UTF-8: each kept on its own, and no number.
    rawRow("lone continuation byte", "\x80" "45", "\x80" "45", 0.0);
    rawRow("en dash cut short", "\xE2\x80" "45", "\xE2\x80" "45", 0.0);
    rawRow("overlong en dash", "\xE0\x80\x93" "45", "\xE0\x80\x93" "45", 0.0);
    rawRow("overlong no-break space", "\xC2" "\xC0\xA0" "45", "\xC2" "\xC0\xA0" "45", 0.0);
    rawRow("encoded surrogate", "\xED\xA0\x80" "45", "\xED\xA0\x80" "45", 0.0);
    rawRow("beyond U+10FFFF", "\xF4\x90\x80\x80" "45", "\xF4\x90\x80\x80" "45", 0.0);
    rawRow("full-width digit cut short after", "45\xEF\xBC", "45\xEF\xBC", 45.0);
    rawRow("NUL before", QByteArray("\0" "45", 3), QByteArray("\0" "45", 3), 0.0);
}

void TestPlainText::asTheUserSeesIt()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, plain);
    QFETCH(double, reads);
    QCOMPARE(::plain(text), plain);
    COMPARE_DOUBLE(number::readNumber(view(text)), reads);
}

// readNumber() walks the text one plain character at a time instead of
// making it plain whole: on random mixes of every class, it reads what it
// reads from the plain form, and the plain form is already plain. (Not so
// for bytes that are not UTF-8, which the table covers: a dropped mark
// between two of them may join them into a character.)
void TestPlainText::readingIsThatOfThePlainForm()
{
    const std::vector<QByteArray> pieces = {
        "0", "1", "5", "9", ".", ",", "-", "+", "e", "E", " ", "\t", "\n", "x",
        u"\u00A0"_s.toUtf8(), u"\u202F"_s.toUtf8(), u"\u2028"_s.toUtf8(), u"\u200B"_s.toUtf8(),
        u"\u200F"_s.toUtf8(), u"\uFEFF"_s.toUtf8(), u"\uFF17"_s.toUtf8(), u"\u0663"_s.toUtf8(),
        u"\U0001D7D8"_s.toUtf8(), u"\u2013"_s.toUtf8(), u"\u2212"_s.toUtf8(), u"\u2213"_s.toUtf8(),
        u"\u00B0"_s.toUtf8(),
    };
    std::mt19937 random(2026);
    for (int i = 0; i < 200000; ++i) {
        QByteArray text;
        for (int n = static_cast<int>(random() % 12); n > 0; --n)
            text += pieces[random() % pieces.size()];
        const QByteArray plainText = plain(text);
        QCOMPARE(plain(plainText), plainText);
        COMPARE_DOUBLE(number::readNumber(view(text)), number::readNumber(view(plainText)));
    }
}

void TestPlainText::longTexts()
{
    constexpr qsizetype megabyte = 1 << 20;
    const QByteArray marks = QString(megabyte, QChar(0x200B)).toUtf8();
    COMPARE_DOUBLE(number::readNumber(view(marks + "45")), 45.0);
    COMPARE_DOUBLE(number::readNumber(view(marks)), 0.0);
    const QByteArray thirds = QString(megabyte, QChar(0xFF13)).toUtf8();
    COMPARE_DOUBLE(number::readNumber(view(u"\u2013\uFF10,"_s.toUtf8() + thirds)), -1.0 / 3.0);
    COMPARE_DOUBLE(number::readNumber(view(u"\uFF11"_s.toUtf8() + thirds)), std::numeric_limits<double>::infinity());
    const QByteArray blanks = QString(megabyte, QChar(0x00A0)).toUtf8();
    COMPARE_DOUBLE(number::readNumber(view(blanks + "7")), 7.0);
    QCOMPARE(plain(blanks + "7"), QByteArray(megabyte, ' ') + "7");
}

QTEST_APPLESS_MAIN(TestPlainText)

#include "tst_plain_text.moc"
