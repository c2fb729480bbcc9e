// Tests of number::readNumber(): the grammar of the accepted prefix, the
// conversion (correct rounding, overflow and underflow, signed zeros) and
// long texts, with either separator and either minus ('-', U+2212). How the
// other characters users bring are read is tst_plain_text's table.

#include "compare_double.h"
#include "number/number_reading.h"

#include <QByteArray>
#include <QTest>

#include <bit>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

double read(const std::string& text)
{
    return number::readNumber(text);
}

// The exact decimal expansion of m * 2^e, as "digits" with the decimal point
// placed: "0.000...ddd" or "ddd". Schoolbook arithmetic in base 1e9.
std::string exactDecimal(std::uint64_t m, int e)
{
    constexpr std::uint64_t kBase = 1'000'000'000;
    std::vector<std::uint64_t> limbs{m % kBase, m / kBase % kBase, m / kBase / kBase};
    auto multiply = [&limbs](std::uint64_t factor) {
        std::uint64_t carry = 0;
        for (auto& limb : limbs) {
            const std::uint64_t v = limb * factor + carry;
            limb = v % kBase;
            carry = v / kBase;
        }
        while (carry != 0) {
            limbs.push_back(carry % kBase);
            carry /= kBase;
        }
    };
    // Powers of 2 and 5 by chunks that keep limb * factor + carry in 64 bits.
    const std::uint64_t chunk = e > 0 ? std::uint64_t{1} << 29 : 1'220'703'125; // 2^29, 5^13
    const int chunkExponent = e > 0 ? 29 : 13;
    int left = std::abs(e);
    for (; left >= chunkExponent; left -= chunkExponent)
        multiply(chunk);
    for (; left > 0; --left)
        multiply(e > 0 ? 2 : 5);
    while (limbs.size() > 1 && limbs.back() == 0)
        limbs.pop_back();
    std::string digits = std::to_string(limbs.back());
    for (auto it = limbs.rbegin() + 1; it != limbs.rend(); ++it) {
        std::string part = std::to_string(*it);
        digits += std::string(9 - part.size(), '0') + part;
    }
    if (e >= 0)
        return digits;
    const auto fractionDigits = static_cast<std::size_t>(-e);
    if (digits.size() <= fractionDigits)
        return "0." + std::string(fractionDigits - digits.size(), '0') + digits;
    return digits.substr(0, digits.size() - fractionDigits) + "." + digits.substr(digits.size() - fractionDigits);
}

// Subtracts one unit of the last digit, borrowing ("1200" -> "1199",
// "0.0250" -> "0.0249"); the text must not be all zeros.
void decrementLastDigit(std::string& digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it == '.')
            continue;
        if (*it != '0') {
            --*it;
            return;
        }
        *it = '9';
    }
}

std::string withComma(std::string text)
{
    for (char& c : text) {
        if (c == '.')
            c = ',';
    }
    return text;
}

} // namespace

class TestNumberReading : public QObject
{
    Q_OBJECT

private slots:
    void reading_data();
    void reading();
    void prefixOnlyIsRead_data();
    void prefixOnlyIsRead();
    void longDigitStrings();
    void endsOfTheRange();
    void halfwayPointsOfTheLowestBinade();
    void halfwayPointsOfRandomDoubles();
    void shortestFormsOfRandomDoubles();
};

void TestNumberReading::reading_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("expected");

    // No prefix at all: reads +0.
    QTest::newRow("empty") << QByteArray("") << 0.0;
    QTest::newRow("letters") << QByteArray("abc") << 0.0;
    QTest::newRow("minus alone") << QByteArray("-") << 0.0;
    QTest::newRow("plus alone") << QByteArray("+") << 0.0;
    QTest::newRow("U+2212 alone") << QByteArray("\xE2\x88\x92") << 0.0;
    QTest::newRow("U+2212 cut short") << QByteArray("\xE2\x88" "5") << 0.0;
    QTest::newRow("U+2213 minus-or-plus") << QByteArray("\xE2\x88\x93" "5") << 0.0;
    QTest::newRow("dot alone") << QByteArray(".") << 0.0;
    QTest::newRow("comma alone") << QByteArray(",") << 0.0;
    QTest::newRow("minus dot") << QByteArray("-.") << 0.0;
    QTest::newRow("e5") << QByteArray("e5") << 0.0;
    QTest::newRow(".e5") << QByteArray(".e5") << 0.0;
    QTest::newRow("--5") << QByteArray("--5") << 0.0;
    QTest::newRow("+-5") << QByteArray("+-5") << 0.0;
    QTest::newRow("-+5") << QByteArray("-+5") << 0.0;
    QTest::newRow("-U+2212 5") << QByteArray("-\xE2\x88\x92" "5") << 0.0;
    QTest::newRow("nan") << QByteArray("nan") << 0.0;
    QTest::newRow("NaN") << QByteArray("NaN") << 0.0;
    QTest::newRow("inf") << QByteArray("inf") << 0.0;
    QTest::newRow("-inf") << QByteArray("-inf") << 0.0;
    QTest::newRow("infinity") << QByteArray("infinity") << 0.0;
    QTest::newRow("space after sign") << QByteArray("- 5") << 0.0;

    // Zeros keep their sign.
    QTest::newRow("0") << QByteArray("0") << 0.0;
    QTest::newRow("-0") << QByteArray("-0") << -0.0;
    QTest::newRow("+0") << QByteArray("+0") << 0.0;
    QTest::newRow("U+2212 0") << QByteArray("\xE2\x88\x92" "0") << -0.0;
    QTest::newRow("-0,0") << QByteArray("-0,0") << -0.0;
    QTest::newRow("-.0") << QByteArray("-.0") << -0.0;
    QTest::newRow("0000") << QByteArray("0000") << 0.0;
    QTest::newRow("-0e999") << QByteArray("-0e999") << -0.0;
    QTest::newRow("0e99999999999999999999") << QByteArray("0e99999999999999999999") << 0.0;

    // Ordinary numbers, both separators.
    QTest::newRow("60") << QByteArray("60") << 60.0;
    QTest::newRow("1.5") << QByteArray("1.5") << 1.5;
    QTest::newRow("1,5") << QByteArray("1,5") << 1.5;
    QTest::newRow("-1,5") << QByteArray("-1,5") << -1.5;
    QTest::newRow("+1,5") << QByteArray("+1,5") << 1.5;
    QTest::newRow("U+2212 1,5") << QByteArray("\xE2\x88\x92" "1,5") << -1.5;
    QTest::newRow("U+2212 1.5") << QByteArray("\xE2\x88\x92" "1.5") << -1.5;
    QTest::newRow("5.") << QByteArray("5.") << 5.0;
    QTest::newRow("5,") << QByteArray("5,") << 5.0;
    QTest::newRow(".5") << QByteArray(".5") << 0.5;
    QTest::newRow(",5") << QByteArray(",5") << 0.5;
    QTest::newRow("-,5") << QByteArray("-,5") << -0.5;
    QTest::newRow("0.1") << QByteArray("0.1") << 0.1;
    QTest::newRow("0,1") << QByteArray("0,1") << 0.1;
    QTest::newRow("-9,508333") << QByteArray("-9,508333") << -9.508333;
    QTest::newRow("0.000277777777777778") << QByteArray("0.000277777777777778") << 0.000277777777777778;
    QTest::newRow("0,000277777777777778") << QByteArray("0,000277777777777778") << 0.000277777777777778;
    QTest::newRow("leading zeros") << QByteArray("000012,50") << 12.5;
    QTest::newRow("spaces") << QByteArray("   12") << 12.0;
    QTest::newRow("tabs") << QByteArray("\t\t12") << 12.0;
    QTest::newRow("spaces and tabs, sign") << QByteArray(" \t -7,5") << -7.5;
    QTest::newRow("17 digits") << QByteArray("0.30000000000000004") << 0.30000000000000004;
    QTest::newRow("9007199254740993") << QByteArray("9007199254740993") << 9007199254740992.0;
    QTest::newRow("9007199254740993,0000000001")
        << QByteArray("9007199254740993,0000000001") << 9007199254740994.0;

    // Exponents, taken only when complete.
    QTest::newRow("12e") << QByteArray("12e") << 12.0;
    QTest::newRow("12E") << QByteArray("12E") << 12.0;
    QTest::newRow("12e+") << QByteArray("12e+") << 12.0;
    QTest::newRow("12e-") << QByteArray("12e-") << 12.0;
    QTest::newRow("12e U+2212") << QByteArray("12e\xE2\x88\x92") << 12.0;
    QTest::newRow("12ee3") << QByteArray("12ee3") << 12.0;
    QTest::newRow("12e 3") << QByteArray("12e 3") << 12.0;
    QTest::newRow("12e3") << QByteArray("12e3") << 12000.0;
    QTest::newRow("12E3") << QByteArray("12E3") << 12000.0;
    QTest::newRow("12e+3") << QByteArray("12e+3") << 12000.0;
    QTest::newRow("12e-3") << QByteArray("12e-3") << 0.012;
    QTest::newRow("12,5e-3") << QByteArray("12,5e-3") << 0.0125;
    QTest::newRow("12,5e+3") << QByteArray("12,5e+3") << 12500.0;
    QTest::newRow("12e U+2212 3") << QByteArray("12e\xE2\x88\x92" "3") << 0.012;
    QTest::newRow("12,5e U+2212 3") << QByteArray("12,5e\xE2\x88\x92" "3") << 0.0125;
    QTest::newRow("5.e3") << QByteArray("5.e3") << 5000.0;
    QTest::newRow("5,e2") << QByteArray("5,e2") << 500.0;
    QTest::newRow(".5e1") << QByteArray(".5e1") << 5.0;
    QTest::newRow("1e0") << QByteArray("1e0") << 1.0;
    QTest::newRow("1e-0") << QByteArray("1e-0") << 1.0;
    QTest::newRow("1e0000000000000000000000000001")
        << QByteArray("1e0000000000000000000000000001") << 10.0;
    QTest::newRow("2.5E-07") << QByteArray("2.5E-07") << 2.5e-7;

    // Out of range: an infinity or a zero of the sign.
    QTest::newRow("1e999") << QByteArray("1e999") << kInf;
    QTest::newRow("-1e999") << QByteArray("-1e999") << -kInf;
    QTest::newRow("U+2212 1e999") << QByteArray("\xE2\x88\x92" "1e999") << -kInf;
    QTest::newRow("1,5e999") << QByteArray("1,5e999") << kInf;
    QTest::newRow("1e-999") << QByteArray("1e-999") << 0.0;
    QTest::newRow("-1e-999") << QByteArray("-1e-999") << -0.0;
    QTest::newRow("-1,5e U+2212 999") << QByteArray("-1,5e\xE2\x88\x92" "999") << -0.0;
    QTest::newRow("1e99999999999999999999") << QByteArray("1e99999999999999999999") << kInf;
    QTest::newRow("-1e99999999999999999999") << QByteArray("-1e99999999999999999999") << -kInf;
    QTest::newRow("1e-99999999999999999999") << QByteArray("1e-99999999999999999999") << 0.0;
    // Exponents beyond the int64 range: saturated, not wrapped around.
    QTest::newRow("1e9300000000000000000") << QByteArray("1e9300000000000000000") << kInf;
    QTest::newRow("1e-9300000000000000000") << QByteArray("1e-9300000000000000000") << 0.0;
    QTest::newRow("1,5e9300000000000000000") << QByteArray("1,5e9300000000000000000") << kInf;
    QTest::newRow("-1,5e U+2212 9300000000000000000")
        << QByteArray("-1,5e\xE2\x88\x92" "9300000000000000000") << -0.0;
    QTest::newRow("1e18446744073709551617") << QByteArray("1e18446744073709551617") << kInf;
    QTest::newRow("1e-18446744073709551617") << QByteArray("1e-18446744073709551617") << 0.0;
    QTest::newRow("1,0e-99999999999999999999") << QByteArray("1,0e-99999999999999999999") << 0.0;
    QTest::newRow("0.001e-321") << QByteArray("0.001e-321") << 0.0;
    QTest::newRow("1000e306") << QByteArray("1000e306") << kInf;
    QTest::newRow("0,000001e315") << QByteArray("0,000001e315") << kInf;
    QTest::newRow("DBL_MAX") << QByteArray("1.7976931348623157e308") << DBL_MAX;
    QTest::newRow("just below the overflow halfway point")
        << QByteArray("1.7976931348623158e308") << DBL_MAX;
    QTest::newRow("just above the overflow halfway point") << QByteArray("1.7976931348623159e308") << kInf;
    QTest::newRow("1,79769313486232E+308") << QByteArray("1,79769313486232E+308") << kInf;
    QTest::newRow("1,79769313486231E+308") << QByteArray("1,79769313486231E+308") << 1.79769313486231e308;
    QTest::newRow("DBL_MIN") << QByteArray("2.2250738585072014e-308") << DBL_MIN;
    QTest::newRow("smallest subnormal") << QByteArray("4.9406564584124654e-324") << 4.9406564584124654e-324;
    QTest::newRow("just above half the smallest subnormal")
        << QByteArray("2.4703282292062328e-324") << 4.9406564584124654e-324;
    QTest::newRow("just below half the smallest subnormal") << QByteArray("2.4703282292062327e-324") << 0.0;
    QTest::newRow("-(just below half the smallest subnormal)")
        << QByteArray("-2,4703282292062327e-324") << -0.0;
}

void TestNumberReading::reading()
{
    QFETCH(QByteArray, text);
    QFETCH(double, expected);
    const double actual = number::readNumber(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    QVERIFY(!std::isnan(actual));
    COMPARE_DOUBLE(actual, expected);
}

// Whatever follows the prefix is ignored, including what would extend it in
// another grammar.
void TestNumberReading::prefixOnlyIsRead_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("12abc") << QByteArray("12abc") << 12.0;
    QTest::newRow("5..5") << QByteArray("5..5") << 5.0;
    QTest::newRow("5.,5") << QByteArray("5.,5") << 5.0;
    QTest::newRow("5,,5") << QByteArray("5,,5") << 5.0;
    QTest::newRow("1.2.3") << QByteArray("1.2.3") << 1.2;
    QTest::newRow("1,2,3") << QByteArray("1,2,3") << 1.2;
    QTest::newRow("1,2.3") << QByteArray("1,2.3") << 1.2;
    QTest::newRow("1 000") << QByteArray("1 000") << 1.0;
    QTest::newRow("1'000") << QByteArray("1'000") << 1.0;
    QTest::newRow("0x1p3") << QByteArray("0x1p3") << 0.0;
    QTest::newRow("0x10") << QByteArray("0x10") << 0.0;
    QTest::newRow("1e3e4") << QByteArray("1e3e4") << 1000.0;
    QTest::newRow("1e3.5") << QByteArray("1e3.5") << 1000.0;
    QTest::newRow("1e3,5") << QByteArray("1e3,5") << 1000.0;
    QTest::newRow("1e--3") << QByteArray("1e--3") << 1.0;
    QTest::newRow("12 degrees") << QByteArray("12\xC2\xB0") << 12.0;
    QTest::newRow("12 then NUL then 3") << QByteArray("12\0" "3", 4) << 12.0;
    QTest::newRow("7 then trailing spaces") << QByteArray("7   ") << 7.0;
    QTest::newRow("2.5inf") << QByteArray("2.5inf") << 2.5;
    QTest::newRow("1,5e2,5") << QByteArray("1,5e2,5") << 150.0;
}

void TestNumberReading::prefixOnlyIsRead()
{
    reading();
}

void TestNumberReading::longDigitStrings()
{
    const std::string million(1'000'000, '0');

    // A megabyte of digits, each path: '.', ',' and U+2212 exponent sign.
    COMPARE_DOUBLE(read("1" + million), kInf);
    COMPARE_DOUBLE(read("-1" + million + ",5"), -kInf);
    COMPARE_DOUBLE(read("0." + million + "1"), 0.0);
    COMPARE_DOUBLE(read("-0," + million + "1"), -0.0);
    COMPARE_DOUBLE(read("1" + million + "e-1000000"), 1.0);
    COMPARE_DOUBLE(read("1" + million + ",e-1000000"), 1.0);
    COMPARE_DOUBLE(read("1" + million + "e\xE2\x88\x92" "1000000"), 1.0);
    COMPARE_DOUBLE(read("0," + million + "125e1000000"), 0.125);
    COMPARE_DOUBLE(read("0," + million + "125e99999999999999999999"), kInf);
    COMPARE_DOUBLE(read("0," + million + "125e-99999999999999999999"), 0.0);
    COMPARE_DOUBLE(read("0," + million + "125e9300000000000000000"), kInf);
    COMPARE_DOUBLE(read("0," + million + "125e-9300000000000000000"), 0.0);
    COMPARE_DOUBLE(read("1" + million + ",5e-9300000000000000000"), 0.0);
    COMPARE_DOUBLE(read(million), 0.0);
    COMPARE_DOUBLE(read("-," + million), -0.0);
    COMPARE_DOUBLE(read(million + "7,5"), 7.5);
    COMPARE_DOUBLE(read(million + "7.5"), 7.5);

    const std::string thirds(1'000'000, '3');
    COMPARE_DOUBLE(read("0." + thirds), 1.0 / 3.0);
    COMPARE_DOUBLE(read("0," + thirds), 1.0 / 3.0);
    COMPARE_DOUBLE(read("\xE2\x88\x92" "0," + thirds + "e\xE2\x88\x92" "0"), -1.0 / 3.0);
    double reference = 0.0;
    const std::string big = thirds.substr(0, 300) + "." + thirds;
    std::from_chars(big.data(), big.data() + big.size(), reference);
    QVERIFY(reference > 3.3e299 && reference < 3.4e299);
    COMPARE_DOUBLE(read(withComma(big)), reference);

    // Fractions of 100 to 160 digits with ','.
    for (std::size_t n = 100; n <= 160; ++n) {
        const std::string digits = "1," + std::string(n, '0') + "1";
        COMPARE_DOUBLE(read(digits), 1.0);
        COMPARE_DOUBLE(read(digits + "e\xE2\x88\x92" "1"), 0.1);
        const std::string half = "0,5" + std::string(n, '0') + "1e\xE2\x88\x92" "16";
        COMPARE_DOUBLE(read(half), 5e-17);
    }
    // Integer parts of 120 to 136 digits with ','.
    for (std::size_t n = 120; n <= 136; ++n) {
        const std::string integer(n, '7');
        double expected = 0.0;
        const std::string dotted = integer + ".25";
        std::from_chars(dotted.data(), dotted.data() + dotted.size(), expected);
        QVERIFY(std::isfinite(expected));
        COMPARE_DOUBLE(read(integer + ",25"), expected);
        COMPARE_DOUBLE(read("-" + integer + ",25e-2"), read("-" + dotted + "e-2")); // ',' as '.'
    }

    // An exponent after a mantissa of 110 to 135 digits with ',', followed by
    // more text, is seen whole.
    const std::string garbage(300, 'x');
    for (std::size_t n = 110; n <= 135; ++n) {
        const std::string mantissa = "1," + std::string(n, '0');
        COMPARE_DOUBLE(read(mantissa + "e5" + garbage), 1e5);
        COMPARE_DOUBLE(read(mantissa + "E+5" + garbage), 1e5);
        COMPARE_DOUBLE(read(mantissa + "e-5" + garbage), 1e-5);
        COMPARE_DOUBLE(read(mantissa + "e\xE2\x88\x92" "5" + garbage), 1e-5);
        COMPARE_DOUBLE(read(mantissa + "e\xE2\x88\x92" + garbage), 1.0);
        COMPARE_DOUBLE(read(mantissa + "e-" + garbage), 1.0);
        COMPARE_DOUBLE(read("-" + mantissa + "25" + garbage), -1.0);
    }

    // 1 + 2^-53 is the halfway point between 1 and the next double: a tie,
    // rounded to the even 1; the slightest excess rounds up, however far.
    const std::string tie = "1,00000000000000011102230246251565404236316680908203125";
    COMPARE_DOUBLE(read(tie), 1.0);
    COMPARE_DOUBLE(read(tie + std::string(2000, '0')), 1.0);
    COMPARE_DOUBLE(read(tie + std::string(2000, '0') + "1"), std::nextafter(1.0, 2.0));
    COMPARE_DOUBLE(read(tie + std::string(1'000'000, '0') + "1"), std::nextafter(1.0, 2.0));
}

// The exact thresholds of overflow and underflow, which are ties: the
// halfway point between DBL_MAX and 2^1024 rounds to the even 2^1024, an
// infinity; half the smallest subnormal rounds to the even 0.
void TestNumberReading::endsOfTheRange()
{
    const std::string overflow = exactDecimal((std::uint64_t{1} << 54) - 1, 970); // 2^1024 - 2^970
    QCOMPARE(overflow.substr(0, 20), std::string("17976931348623158079"));
    std::string belowOverflow = overflow;
    decrementLastDigit(belowOverflow);
    COMPARE_DOUBLE(read(overflow), kInf);
    COMPARE_DOUBLE(read("-" + overflow + ",0"), -kInf);
    COMPARE_DOUBLE(read(belowOverflow), DBL_MAX);
    COMPARE_DOUBLE(read("\xE2\x88\x92" + belowOverflow + ",9999"), -DBL_MAX);

    const std::string underflow = exactDecimal(1, -1075); // 2^-1075
    QCOMPARE(underflow.size(), std::size_t{1077});
    const double smallest = std::nextafter(0.0, 1.0);
    COMPARE_DOUBLE(read(underflow), 0.0);
    COMPARE_DOUBLE(read("-" + withComma(underflow)), -0.0);
    COMPARE_DOUBLE(read(underflow + "0000000001"), smallest);
    COMPARE_DOUBLE(read("-" + withComma(underflow) + "0000000001"), -smallest);
    COMPARE_DOUBLE(read(withComma(underflow) + std::string(1000, '0') + "1"), smallest);
}

// Halfway points with the most significant digits a double's halfway point
// can have (768), at the top of the lowest normal binade: every one of them
// counts in rounding them right.
void TestNumberReading::halfwayPointsOfTheLowestBinade()
{
    const std::uint64_t m = (std::uint64_t{1} << 54) - 3; // between 2^53-2 (even) and 2^53-1
    const std::string tie = exactDecimal(m, -1075);
    const double lower = std::ldexp(static_cast<double>((std::uint64_t{1} << 53) - 2), -1074);
    const double upper = std::ldexp(static_cast<double>((std::uint64_t{1} << 53) - 1), -1074);
    QCOMPARE(tie.size(), std::size_t{1077}); // "0." and 1075 decimals, the last 768 significant

    std::string below = tie;
    decrementLastDigit(below);
    below += std::string(200, '9');
    const std::string above = tie + std::string(200, '0') + "1";

    for (const std::string& text : {tie, withComma(tie)})
        COMPARE_DOUBLE(read(text), lower); // a tie goes to even
    for (const std::string& text : {below, withComma(below)}) {
        COMPARE_DOUBLE(read(text), lower);
        COMPARE_DOUBLE(read(std::string(1, '-').append(text)), -lower);
    }
    for (const std::string& text : {above, withComma(above), withComma(above) + "e0"})
        COMPARE_DOUBLE(read(text), upper);
}

// For random doubles x: the exact halfway point between x and the next
// double up reads as the even one of the two, and the slightest distance
// below or above it picks the nearer one, with '.' and with ','.
void TestNumberReading::halfwayPointsOfRandomDoubles()
{
    std::mt19937_64 random(20240607);
    for (int i = 0; i < 3000; ++i) {
        const std::uint64_t bits = random() & ~(std::uint64_t{1} << 63);
        const double x = std::bit_cast<double>(bits);
        if (!std::isfinite(x) || x == DBL_MAX)
            continue;
        const double next = std::nextafter(x, kInf);
        const std::uint64_t biased = bits >> 52;
        const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
        const std::uint64_t mantissa = biased == 0 ? fraction : fraction | (std::uint64_t{1} << 52);
        const int exponent = biased == 0 ? -1074 : static_cast<int>(biased) - 1075;

        const std::string tie = exactDecimal(2 * mantissa + 1, exponent - 1);
        std::string below = tie;
        decrementLastDigit(below);
        below += (below.find('.') == std::string::npos ? "." : "") + std::string(30, '9');
        const std::string above = tie + (tie.find('.') == std::string::npos ? "." : "") + std::string(30, '0') + "1";

        const double even = (mantissa % 2 == 0) ? x : next;
        for (const std::string& text : {tie, withComma(tie)})
            COMPARE_DOUBLE(read(text), even);
        for (const std::string& text : {below, withComma(below)})
            COMPARE_DOUBLE(read(text), x);
        for (const std::string& text : {above, withComma(above)})
            COMPARE_DOUBLE(read(text), next);
    }
}

// The shortest round-trip form of random doubles reads back exactly, in
// every spelling the grammar allows.
void TestNumberReading::shortestFormsOfRandomDoubles()
{
    std::mt19937_64 random(42);
    for (int i = 0; i < 100000; ++i) {
        const double x = std::bit_cast<double>(random());
        if (!std::isfinite(x))
            continue;
        char buffer[64];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, x).ptr;
        const std::string text(buffer, end);
        COMPARE_DOUBLE(read(text), x);
        COMPARE_DOUBLE(read("  " + withComma(text) + "xyz"), x);
        if (std::signbit(x)) {
            COMPARE_DOUBLE(read("\xE2\x88\x92" + withComma(text.substr(1))), x);
        } else {
            COMPARE_DOUBLE(read("+" + text), x);
        }
        std::string unicodeExponent = withComma(text);
        const auto e = unicodeExponent.find("e-");
        if (e != std::string::npos)
            unicodeExponent.replace(e + 1, 1, "\xE2\x88\x92");
        COMPARE_DOUBLE(read(unicodeExponent), x);
    }
}

QTEST_APPLESS_MAIN(TestNumberReading)

#include "tst_number_reading.moc"
