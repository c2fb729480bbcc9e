// "Copier": the result field's text goes to the clipboard as plain text,
// exactly as it stands, and nothing in the window changes.

#include "decimal_separator.h"
#include "form1_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>

class CopyTest : public QObject
{
    Q_OBJECT

private slots:
    void copiesTheResultAsItStands_data();
    void copiesTheResultAsItStands();
    void clickChangesNothingInTheWindow();
};

void CopyTest::copiesTheResultAsItStands_data()
{
    QTest::addColumn<QString>("degrees");
    QTest::addColumn<QString>("typedResult");
    QTest::addColumn<QString>("expected");

    const QString separator = systemDecimalSeparator();
    QTest::newRow("computed result, separator included") << "12,5" << "" << "12" + separator + "5";
    QTest::newRow("empty result gives the empty text") << "" << "" << "";
    QTest::newRow("text typed by hand into the result") << "" << " 1 2 x " << " 1 2 x ";
}

void CopyTest::copiesTheResultAsItStands()
{
    QFETCH(QString, degrees);
    QFETCH(QString, typedResult);
    QFETCH(QString, expected);

    Form1Fixture fixture;
    // Something else on the clipboard first, in two formats: all of it must go.
    auto *previous = new QMimeData;
    previous->setText(QStringLiteral("previous"));
    previous->setHtml(QStringLiteral("<b>previous</b>"));
    QApplication::clipboard()->setMimeData(previous);

    if (!degrees.isEmpty())
        fixture.type(0, degrees);
    QTest::keyClicks(fixture.result(), typedResult);
    QTest::mouseClick(fixture.copyButton(), Qt::LeftButton);

    const QMimeData *copied = QApplication::clipboard()->mimeData();
    QVERIFY(copied);
    QCOMPARE(copied->text(), expected);
    QVERIFY(!copied->hasHtml());
    QVERIFY(fixture.errors().empty());
}

void CopyTest::clickChangesNothingInTheWindow()
{
    Form1Fixture fixture;
    fixture.typeAll("1", "75", "30");   // a refused, red minutes field too
    QStringList before;
    for (int i = 0; i < 3; ++i)
        before << fixture.field(i)->text();
    before << fixture.result()->text();
    const QColor minutesColour = fixture.field(1)->palette().color(QPalette::Text);

    QTest::mouseClick(fixture.copyButton(), Qt::LeftButton);

    QStringList after;
    for (int i = 0; i < 3; ++i)
        after << fixture.field(i)->text();
    after << fixture.result()->text();
    QCOMPARE(after, before);
    QCOMPARE(fixture.field(1)->palette().color(QPalette::Text), minutesColour);
}

QTEST_MAIN(CopyTest)
#include "copy_test.moc"
