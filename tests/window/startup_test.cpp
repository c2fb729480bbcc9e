// The window as it opens: its controls, its start-up state, and the reset
// that start-up and Escape share.

#include "decimal_separator.h"
#include "form1_fixture.h"

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {
const QColor inactiveBorderGrey(212, 208, 200);
const QColor lightGreen(192, 255, 192);
} // namespace

class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void windowIsFixedAtItsDesignedSize();
    void controlsSitWhereDesigned_data();
    void controlsSitWhereDesigned();
    void fontsFollowTheDesign_data();
    void fontsFollowTheDesign();
    void opensEmptyOnGreyWithFocusInDegrees();
    void focusCyclesThroughTheFiveControls();
    void resetRecalculatesOncePerClearedField();
    void resetLeavesRedTextRed();
};

void StartupTest::windowIsFixedAtItsDesignedSize()
{
    Form1Fixture fixture;
    QWidget *window = fixture.window();
    QCOMPARE(window->windowTitle(), QStringLiteral("Form1"));
    QCOMPARE(window->size(), QSize(337, 189));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QCOMPARE(window->palette().color(QPalette::Window), lightGreen);
}

void StartupTest::controlsSitWhereDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption");

    // Twips divided by 15, rounded.
    QTest::newRow("Command1") << "Command1" << QRect(248, 112, 65, 33) << "Copier";
    QTest::newRow("Text2") << "Text2" << QRect(24, 112, 201, 33) << "";
    QTest::newRow("Text1(2)") << "Text1(2)" << QRect(216, 64, 81, 24) << "";
    QTest::newRow("Text1(1)") << "Text1(1)" << QRect(120, 64, 81, 24) << "";
    QTest::newRow("Text1(0)") << "Text1(0)" << QRect(16, 64, 81, 24) << "";
    QTest::newRow("Label4") << "Label4" << QRect(272, 160, 57, 17) << "KZ 2020";
    QTest::newRow("Label3 keeps two blanks before the slash")
        << "Label3" << QRect(16, 160, 209, 17) << "Suivant : Tab ou CR  / Effacer tout : Esc";
    QTest::newRow("Label2 keeps two blanks after Conversion")
        << "Label2" << QRect(72, 16, 177, 17) << "Conversion  D M S => D.ddd";
    QTest::newRow("Label1(2)") << "Label1(2)" << QRect(240, 47, 49, 13) << "Secondes";
    QTest::newRow("Label1(1)") << "Label1(1)" << QRect(136, 47, 49, 13) << "Minutes";
    QTest::newRow("Label1(0) with its accent") << "Label1(0)" << QRect(32, 47, 49, 13) << "Degr\u00e9s";
}

void StartupTest::controlsSitWhereDesigned()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);

    Form1Fixture fixture;
    auto *widget = fixture.window()->findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), geometry);
    if (auto *label = qobject_cast<QLabel *>(widget))
        QCOMPARE(label->text(), caption);
    else if (auto *button = qobject_cast<QPushButton *>(widget))
        QCOMPARE(button->text(), caption);
    else
        QCOMPARE(qobject_cast<QLineEdit *>(widget)->text(), caption);
}

void StartupTest::fontsFollowTheDesign_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<bool>("fixedPitch");

    QTest::newRow("degrees field") << "Text1(0)" << 9.75 << true << false << false;
    QTest::newRow("result field") << "Text2" << 13.5 << true << false << false;
    QTest::newRow("title") << "Label2" << 8.25 << true << true << false;
    QTest::newRow("signature in a fixed-pitch face") << "Label4" << 6.0 << true << true << true;
    QTest::newRow("default control font on a caption") << "Label1(0)" << 8.25 << false << false << false;
    QTest::newRow("default control font on the button") << "Command1" << 8.25 << false << false << false;
}

void StartupTest::fontsFollowTheDesign()
{
    QFETCH(QString, name);
    QFETCH(double, points);
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    QFETCH(bool, fixedPitch);

    Form1Fixture fixture;
    auto *widget = fixture.window()->findChild<QWidget *>(name);
    QVERIFY(widget);
    const QFont font = widget->font();
    QCOMPARE(font.pointSizeF(), points);
    QCOMPARE(font.bold(), bold);
    QCOMPARE(font.italic(), italic);
    QCOMPARE(QFontInfo(font).fixedPitch(), fixedPitch);
}

void StartupTest::opensEmptyOnGreyWithFocusInDegrees()
{
    Form1Fixture fixture;
    for (int index = 0; index < 3; ++index) {
        QCOMPARE(fixture.field(index)->text(), QString());
        QCOMPARE(fixture.field(index)->palette().color(QPalette::Base), inactiveBorderGrey);
    }
    QCOMPARE(fixture.result()->text(), QString());
    QCOMPARE(QApplication::focusWidget(), fixture.field(0));
    QVERIFY(fixture.errors().empty());
}

void StartupTest::focusCyclesThroughTheFiveControls()
{
    Form1Fixture fixture;
    const QList<QWidget *> cycle{fixture.field(1), fixture.field(2), fixture.result(), fixture.copyButton(),
                                 fixture.field(0)};
    for (QWidget *next : cycle) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
}

void StartupTest::resetRecalculatesOncePerClearedField()
{
    Form1Fixture fixture;
    fixture.type(0, "1");
    fixture.type(1, "75");   // the 5 is refused, and 75 stays in the field
    QCOMPARE(fixture.field(1)->text(), QStringLiteral("75"));

    QSignalSpy resultChanges(fixture.result(), &QLineEdit::textChanged);
    fixture.form().RAZ();

    // Emptying the degrees recalculates with the refused 75 minutes still in
    // place (0 + 75/60), emptying the minutes then gives 0, and the seconds
    // were already empty: no third recalculation.
    const QString separator = systemDecimalSeparator();
    QCOMPARE(resultChanges.size(), 2);
    QCOMPARE(resultChanges.at(0).at(0).toString(), "1" + separator + "25");
    QCOMPARE(resultChanges.at(1).at(0).toString(), QStringLiteral("0"));
    QCOMPARE(fixture.result()->text(), QStringLiteral("0"));
    for (int index = 0; index < 3; ++index)
        QCOMPARE(fixture.field(index)->text(), QString());
}

void StartupTest::resetLeavesRedTextRed()
{
    Form1Fixture fixture;
    fixture.type(2, "61");
    QCOMPARE(fixture.field(2)->palette().color(QPalette::Text), QColor(Qt::red));
    fixture.form().RAZ();
    QCOMPARE(fixture.field(2)->palette().color(QPalette::Text), QColor(Qt::red));
    QCOMPARE(fixture.field(2)->palette().color(QPalette::Base), inactiveBorderGrey);
}

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
