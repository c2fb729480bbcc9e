// "Copier": the clipboard is emptied, then given the result field's text as
// plain text, exactly as it stands; nothing in the window changes.

#include "decimal_separator.h"
#include "form1_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>

namespace {

// What the clipboard offers at one moment: its formats, and its text.
struct ClipboardState
{
    QStringList formats;
    QString text;
};

} // namespace

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
    // Something else on the clipboard first, in two formats.
    QClipboard *clipboard = QApplication::clipboard();
    auto *previous = new QMimeData;
    previous->setText(QStringLiteral("previous"));
    previous->setHtml(QStringLiteral("<b>previous</b>"));
    clipboard->setMimeData(previous);

    if (!degrees.isEmpty())
        fixture.type(0, degrees);
    QTest::keyClicks(fixture.result(), typedResult);

    // Every state the click leaves the clipboard in, as a program watching
    // it sees them: emptied first, then the text alone.
    QList<ClipboardState> seen;
    const QMetaObject::Connection watching =
        QObject::connect(clipboard, &QClipboard::dataChanged, clipboard, [clipboard, &seen] {
            const QMimeData *data = clipboard->mimeData();
            seen.append(data ? ClipboardState{data->formats(), data->text()} : ClipboardState{});
        });
    QTest::mouseClick(fixture.copyButton(), Qt::LeftButton);
    QObject::disconnect(watching);

    QCOMPARE(seen.size(), 2);
    QCOMPARE(seen[0].formats, QStringList());
    QCOMPARE(seen[1].formats, QStringList{QStringLiteral("text/plain")});
    QCOMPARE(seen[1].text, expected);
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
