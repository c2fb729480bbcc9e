// Tests of number::numberText(): the layout (fixed or exponent form, trailing
// zeros, separators, signs, zeros), rounding to 15 significant digits, the
// largest doubles, and a round-trip property through number::readNumber()
// over many doubles, checked against a reference built on printf("%.14e").

#include "number/number_reading.h"
#include "number/number_text.h"
#include "reference_text.h"
#include "same_double.h"

#include <QByteArray>
#include <QTest>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

QByteArray text(double value, char separator)
{
    const std::string t = number::numberText(value, separator);
    return QByteArray(t.data(), static_cast<qsizetype>(t.size()));
}

using reference::expectedReadBack;
using reference::printfScientific;
using reference::referenceText;

} // namespace

class TestNumberText : public QObject
{
    Q_OBJECT

private slots:
    void layout_data();
    void layout();
    void largestDoubles();
    void roundTrip_data();
    void roundTrip();
};

void TestNumberText::layout_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<char>("separator");
    QTest::addColumn<QByteArray>("expected");

    // The examples of number_text.h.
    QTest::newRow("45.21") << 45.21 << '.' << QByteArray("45.21");
    QTest::newRow("0.5") << 0.5 << '.' << QByteArray("0.5");
    QTest::newRow("-9.5 ,") << -9.5 << ',' << QByteArray("-9,5");
    QTest::newRow("1e15") << 1e15 << '.' << QByteArray("1E+15");
    QTest::newRow("2.77777777777778e-7 ,")
        << 2.77777777777778e-7 << ',' << QByteArray("2,77777777777778E-07");
    QTest::newRow("123456789012345") << 123456789012345.0 << '.' << QByteArray("123456789012345");
    QTest::newRow("0.0001") << 0.0001 << '.' << QByteArray("0.0001");
    QTest::newRow("1e-5") << 1e-5 << '.' << QByteArray("1E-05");
    QTest::newRow("-1e100") << -1e100 << '.' << QByteArray("-1E+100");

    // Zeros, whatever the sign.
    QTest::newRow("+0") << 0.0 << '.' << QByteArray("0");
    QTest::newRow("-0") << -0.0 << '.' << QByteArray("0");
    QTest::newRow("-0 ,") << -0.0 << ',' << QByteArray("0");

    // Ordinary values.
    QTest::newRow("1") << 1.0 << '.' << QByteArray("1");
    QTest::newRow("-1") << -1.0 << ',' << QByteArray("-1");
    QTest::newRow("60") << 60.0 << '.' << QByteArray("60");
    QTest::newRow("100") << 100.0 << '.' << QByteArray("100");
    QTest::newRow("120.5 ,") << 120.5 << ',' << QByteArray("120,5");
    QTest::newRow("0.1") << 0.1 << '.' << QByteArray("0.1");
    QTest::newRow("0.1 + 0.2") << 0.1 + 0.2 << '.' << QByteArray("0.3");
    QTest::newRow("1/3") << 1.0 / 3.0 << '.' << QByteArray("0.333333333333333");
    QTest::newRow("2/3 ,") << 2.0 / 3.0 << ',' << QByteArray("0,666666666666667");
    QTest::newRow("-9.508333...")
        << -(9.0 + 30.0 / 60.0 + 30.0 / 3600.0) << ',' << QByteArray("-9,50833333333333");
    QTest::newRow("1/3600") << 1.0 / 3600.0 << '.' << QByteArray("0.000277777777777778");
    QTest::newRow("359.999999999999") << 359.999999999999 << '.' << QByteArray("359.999999999999");
    QTest::newRow("359.9999999999999 rounds to 360")
        << 359.9999999999999 << '.' << QByteArray("360");

    // Around the lower boundary: exponent -4 is fixed, -5 is exponent form.
    QTest::newRow("0.0001 ,") << 0.0001 << ',' << QByteArray("0,0001");
    QTest::newRow("0.00012345") << 0.00012345 << '.' << QByteArray("0.00012345");
    QTest::newRow("-0.000999") << -0.000999 << '.' << QByteArray("-0.000999");
    QTest::newRow("9.99999999999999e-5")
        << 9.99999999999999e-5 << '.' << QByteArray("9.99999999999999E-05");
    QTest::newRow("9.999999999999999e-5 rounds up to 0.0001")
        << 9.999999999999999e-5 << '.' << QByteArray("0.0001");
    QTest::newRow("1.5e-5 ,") << 1.5e-5 << ',' << QByteArray("1,5E-05");
    QTest::newRow("1e-9") << 1e-9 << '.' << QByteArray("1E-09");
    QTest::newRow("1e-99") << 1e-99 << '.' << QByteArray("1E-99");
    QTest::newRow("1e-100") << 1e-100 << '.' << QByteArray("1E-100");

    // Around the upper boundary: exponent 14 is fixed, 15 is exponent form.
    QTest::newRow("1e14") << 1e14 << '.' << QByteArray("100000000000000");
    QTest::newRow("-1e14") << -1e14 << '.' << QByteArray("-100000000000000");
    QTest::newRow("999999999999999") << 999999999999999.0 << '.' << QByteArray("999999999999999");
    QTest::newRow("999999999999999.4")
        << 999999999999999.4 << '.' << QByteArray("999999999999999");
    QTest::newRow("9.999999999999999e14 carries into a new digit")
        << 9.999999999999999e14 << '.' << QByteArray("1E+15");
    QTest::newRow("999999999999999.5 carries into a new digit")
        << 999999999999999.5 << ',' << QByteArray("1E+15");
    QTest::newRow("123456789012345.6 rounds up")
        << 123456789012345.6 << '.' << QByteArray("123456789012346");
    QTest::newRow("12345678901234.56") << 12345678901234.56 << ',' << QByteArray("12345678901234,6");
    QTest::newRow("1234567890123456")
        << 1234567890123456.0 << '.' << QByteArray("1.23456789012346E+15");
    QTest::newRow("1e21") << 1e21 << '.' << QByteArray("1E+21");
    QTest::newRow("1e99") << 1e99 << '.' << QByteArray("1E+99");
    QTest::newRow("-1.5e300 ,") << -1.5e300 << ',' << QByteArray("-1,5E+300");

    // Ties of the exact binary value at the 15th digit go to even.
    QTest::newRow("100000000000000.5") << 100000000000000.5 << '.' << QByteArray("100000000000000");
    QTest::newRow("100000000000001.5") << 100000000000001.5 << '.' << QByteArray("100000000000002");

    // A shortest form of 16 digits ending in 5 lies on a 15-digit halfway
    // point: the exact binary value decides, above or below it.
    QTest::newRow("9.074409480408225e-5 is above its shortest form")
        << 9.074409480408225e-5 << '.' << QByteArray("9.07440948040823E-05");
    QTest::newRow("7.799573864519575e-5 is below its shortest form")
        << 7.799573864519575e-5 << '.' << QByteArray("7.79957386451957E-05");
    QTest::newRow("0.1000000000000005 is above its shortest form")
        << 0.1000000000000005 << '.' << QByteArray("0.100000000000001");

    // The smallest magnitudes.
    QTest::newRow("DBL_MIN") << DBL_MIN << '.' << QByteArray("2.2250738585072E-308");
    QTest::newRow("-DBL_MIN ,") << -DBL_MIN << ',' << QByteArray("-2,2250738585072E-308");
    QTest::newRow("largest subnormal")
        << std::nextafter(DBL_MIN, 0.0) << '.' << QByteArray("2.2250738585072E-308");
    QTest::newRow("smallest subnormal") << std::nextafter(0.0, 1.0) << '.'
                                        << QByteArray("4.94065645841247E-324");
    QTest::newRow("-smallest subnormal") << std::nextafter(0.0, -1.0) << ','
                                         << QByteArray("-4,94065645841247E-324");
    QTest::newRow("subnormal with a 14-digit shortest form")
        << 4.2669419142881944e-310 << '.' << QByteArray("4.26694191428819E-310");
    QTest::newRow("3 * smallest subnormal")
        << 3 * std::nextafter(0.0, 1.0) << '.' << QByteArray("1.48219693752374E-323");

    // Not shown by the window, but defined.
    QTest::newRow("inf") << kInf << '.' << QByteArray("inf");
    QTest::newRow("-inf") << -kInf << ',' << QByteArray("-inf");
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << '.' << QByteArray("nan");
    QTest::newRow("-nan") << -std::numeric_limits<double>::quiet_NaN() << '.' << QByteArray("nan");
}

void TestNumberText::layout()
{
    QFETCH(double, value);
    QFETCH(char, separator);
    QFETCH(QByteArray, expected);
    QCOMPARE(text(value, separator), expected);
    QCOMPARE(QByteArray::fromStdString(referenceText(value, separator)), expected);
}

// The four largest doubles have a 15-digit rounding, 1.79769313486232e308,
// beyond the double range: they are written rounded toward zero and read back
// finite. The fifth largest rounds to the same text the ordinary way.
void TestNumberText::largestDoubles()
{
    double x = DBL_MAX;
    for (int i = 0; i < 5; ++i, x = std::nextafter(x, 0.0)) {
        QCOMPARE(text(x, '.'), QByteArray("1.79769313486231E+308"));
        QCOMPARE(text(-x, ','), QByteArray("-1,79769313486231E+308"));
        QVERIFY(reference::sameDouble(number::readNumber(number::numberText(x, '.')), 1.79769313486231e308));
        QVERIFY(reference::sameDouble(number::readNumber(number::numberText(-x, ',')), -1.79769313486231e308));
    }
    QCOMPARE(printfScientific(std::nextafter(std::nextafter(std::nextafter(DBL_MAX, 0.0), 0.0), 0.0)),
             std::string("1.79769313486232e+308"));
    QCOMPARE(printfScientific(x), std::string("1.79769313486231e+308"));
    QCOMPARE(text(1e308, '.'), QByteArray("1E+308"));
}

void TestNumberText::roundTrip_data()
{
    QTest::addColumn<QByteArray>("kind");
    QTest::newRow("uniform bit patterns") << QByteArray("bits");
    QTest::newRow("angles") << QByteArray("angles");
    QTest::newRow("around powers of ten") << QByteArray("powers");
}

// For every finite x: numberText(x) is laid out as the reference says, with
// '.' and ',' alike, and reads back as x rounded to 15 significant digits
// (toward zero for the largest doubles); writing that again gives the same text.
void TestNumberText::roundTrip()
{
    QFETCH(QByteArray, kind);
    std::mt19937_64 random(1234567);
    std::uniform_real_distribution<double> angle(-360.0, 360.0);
    std::uniform_int_distribution<int> power(-330, 310);
    std::uniform_int_distribution<int> steps(-3, 3);

    int checked = 0;
    for (int i = 0; i < 200000; ++i) {
        double x = 0.0;
        if (kind == "bits") {
            x = std::bit_cast<double>(random());
        } else if (kind == "angles") {
            x = angle(random);
            if (i % 2 == 0) // degrees, minutes, seconds summed as the tool does
                x = std::trunc(x) + std::floor(std::fabs(angle(random)) / 6.0) / 60.0
                    + std::fabs(angle(random)) / 6.0 / 3600.0;
        } else {
            x = std::pow(10.0, power(random));
            for (int s = steps(random); s != 0; s += (s > 0 ? -1 : 1))
                x = std::nextafter(x, s > 0 ? kInf : 0.0);
            if (i % 2 == 0)
                x = -x;
        }
        if (!std::isfinite(x))
            continue;
        ++checked;

        const std::string dot = number::numberText(x, '.');
        const std::string comma = number::numberText(x, ',');
        QCOMPARE(dot, referenceText(x, '.'));
        QCOMPARE(comma, referenceText(x, ','));

        const double expected = expectedReadBack(x);
        const double fromDot = number::readNumber(dot);
        const double fromComma = number::readNumber(comma);
        QVERIFY2(reference::sameDouble(fromDot, expected), (dot + " read back as " + reference::showDouble(fromDot)).c_str());
        QVERIFY2(reference::sameDouble(fromComma, expected),
                 (comma + " read back as " + reference::showDouble(fromComma)).c_str());
        QVERIFY(std::isfinite(fromDot));
        QCOMPARE(number::numberText(fromDot, '.'), dot);
    }
    QVERIFY(checked > 190000);
}

QTEST_APPLESS_MAIN(TestNumberText)

#include "tst_number_text.moc"
