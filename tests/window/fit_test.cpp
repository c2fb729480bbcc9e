// Nothing the window shows is cut: the longest results and the overflow text
// show whole in the result field, and every caption in its box. CTest runs
// it at several QT_SCALE_FACTOR values, and once with only the fallback face.

#include "form1_fixture.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cmath>

namespace {

constexpr double designedPoints = 13.5;
constexpr double floorPoints = 8.0;

// Where the field's caret sits at a position, once the field has been drawn
// (drawing is what scrolls a line edit).
int caretX(QLineEdit *edit, int position)
{
    edit->setCursorPosition(position);
    edit->grab();
    return qRound(edit->inputMethodQuery(Qt::ImCursorRectangle).toRectF().center().x());
}

} // namespace

class FitTest : public QObject
{
    Q_OBJECT

private slots:
    void resultShowsWhole_data();
    void resultShowsWhole();
    void textBeyondTheFloorScrolls_data();
    void textBeyondTheFloorScrolls();
    void captionsShowWhole();
};

void FitTest::resultShowsWhole_data()
{
    QTest::addColumn<QString>("degrees");
    QTest::addColumn<QString>("seconds");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("keepsDesignedSize");

    QTest::newRow("short result keeps the designed size") << "45" << "" << "45" << true;
    QTest::newRow("fifteen digits") << "45" << "57" << "45.0158333333333" << false;
    QTest::newRow("largest negative, 22 characters")
        << "-1.79769313486231E+308" << "" << "-1.79769313486231E+308" << false;
    QTest::newRow("small negative exponent, 21 characters") << "" << "-0.001" << "-2.77777777777778E-07" << false;
    QTest::newRow("overflow text") << "1e999" << "" << "D\u00e9passement de capacit\u00e9" << false;
}

void FitTest::resultShowsWhole()
{
    QFETCH(QString, degrees);
    QFETCH(QString, seconds);
    QFETCH(QString, shown);
    QFETCH(bool, keepsDesignedSize);

    Form1Fixture fixture;
    fixture.typeAll(degrees, QString(), seconds);
    QLineEdit *result = fixture.result();
    // What is copied is the text itself, not what the drawing made of it.
    QCOMPARE(result->text(), shown);

    const double points = result->font().pointSizeF();
    QVERIFY2(points >= floorPoints && points <= designedPoints, qPrintable(QString::number(points)));
    if (keepsDesignedSize)
        QCOMPARE(points, designedPoints);
    QVERIFY(result->font().bold());

    // With the caret at the end the line has not scrolled: the caret stands
    // the whole width of the text right of where the text starts.
    const int start = caretX(result, 0);
    const int end = caretX(result, static_cast<int>(shown.size()));
    const int width = qRound(QFontMetricsF(result->font()).horizontalAdvance(shown));
    QVERIFY2(std::abs(end - start - width) <= 1,
             qPrintable(QStringLiteral("at %1 pt the text is %2 px wide, but only %3 px show")
                            .arg(points)
                            .arg(width)
                            .arg(end - start)));
    QVERIFY(end < result->width());
}

void FitTest::textBeyondTheFloorScrolls_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("pasted");

    QTest::newRow("80 digits typed by hand") << 80 << false;
    QTest::newRow("a megabyte pasted") << (1 << 20) << true;
}

void FitTest::textBeyondTheFloorScrolls()
{
    QFETCH(int, length);
    QFETCH(bool, pasted);

    Form1Fixture fixture;
    QLineEdit *result = fixture.result();
    const QString text(length, QLatin1Char('8'));
    result->setFocus();
    if (pasted)
        result->insert(text);
    else
        QTest::keyClicks(result, text);
    QCOMPARE(result->text(), text);
    QCOMPARE(result->font().pointSizeF(), floorPoints);
    QCOMPARE(result->cursorPosition(), length);
    QVERIFY2(caretX(result, length) < result->width(), "the caret left the field");
}

void FitTest::captionsShowWhole()
{
    Form1Fixture fixture;
    const auto labels = fixture.window()->findChildren<QLabel *>();
    QCOMPARE(labels.size(), 6);
    for (const QLabel *label : labels) {
        const QFontMetrics metrics(label->font());
        const QRect ink = metrics.boundingRect(label->text());
        const int needed = std::max(ink.right() + 1, metrics.horizontalAdvance(label->text())) - std::min(0, ink.left());
        QVERIFY2(needed <= label->width(), qPrintable(QStringLiteral("%1 needs %2 px, has %3")
                                                          .arg(label->objectName())
                                                          .arg(needed)
                                                          .arg(label->width())));
        QVERIFY2(metrics.height() <= label->height(), qPrintable(label->objectName() + " is too low"));
    }
    const QPushButton *button = fixture.copyButton();
    QVERIFY(QFontMetrics(button->font()).horizontalAdvance(button->text()) < button->width());
}

QTEST_MAIN(FitTest)
#include "fit_test.moc"
