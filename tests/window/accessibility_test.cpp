// What a screen reader and a keyboard user get: every control named, the
// window described by its title and key help, a refused value and a copy
// told at once, every text box's text read whole, a refused value described
// in words as well as in red, and the focus visible wherever it is.
//
// Runs on a real X server with Qt's screen-reader bridge switched on, as a
// screen reader switches it on (with_accessibility_bus.sh), and takes the
// accessibility events in the process itself.

#include "form1_fixture.h"

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QKeySequence>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QTest>

namespace {

const QString refusalDescription = QStringLiteral("Valeur refus\u00e9e : sup\u00e9rieure \u00e0 60");
const QString copied = QStringLiteral("R\u00e9sultat copi\u00e9");
const QString windowDescription =
    QStringLiteral("Conversion  D M S => D.ddd\nSuivant : Tab ou CR  / Effacer tout : Esc");

// The objects named by the DescriptionChanged events raised so far, in order.
QList<const QObject *> &descriptionChanges()
{
    static QList<const QObject *> changes;
    return changes;
}

// What a screen reader is told when something is shown, in order: a
// window's description, a notification's text.
QStringList &told()
{
    static QStringList texts;
    return texts;
}

void record(QAccessibleEvent *event)
{
    if (event->type() == QAccessible::DescriptionChanged)
        descriptionChanges().append(event->object());
    if (event->type() != QAccessible::ObjectShow)
        return;
    QAccessibleInterface *shown = event->accessibleInterface();
    if (!shown)
        return;
    const auto *widget = qobject_cast<const QWidget *>(shown->object());
    if (widget && widget->isWindow())
        told().append(shown->text(QAccessible::Description));
    else if (shown->role() == QAccessible::Notification)
        told().append(shown->text(QAccessible::Name));
}

QString descriptionOf(QWidget *widget)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Description) : QStringLiteral("(no interface)");
}

} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void controlsAreNamed_data();
    void controlsAreNamed();
    void focusIsVisibleOnEveryFocusableControl_data();
    void focusIsVisibleOnEveryFocusableControl();
    void screenReaderIsTold_data();
    void screenReaderIsTold();
    void textIsOneAttributeRun_data();
    void textIsOneAttributeRun();
    void refusalIsToldInWords_data();
    void refusalIsToldInWords();
    void refusalDescriptionStaysWithTheRed_data();
    void refusalDescriptionStaysWithTheRed();
};

void AccessibilityTest::initTestCase()
{
    // Qt raises accessibility events only once its bridge has found the
    // accessibility bus; from then on the test takes them instead of the bridge.
    // The limit only catches a bridge that never comes on.
    QVERIFY(QTest::qWaitFor([] { return QAccessible::isActive(); }, 20000));
    QAccessible::installUpdateHandler(record);
}

void AccessibilityTest::init()
{
    descriptionChanges().clear();
    told().clear();
}

void AccessibilityTest::controlsAreNamed_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");

    QTest::newRow("degrees field by its caption") << "Text1(0)" << "Degr\u00e9s";
    QTest::newRow("minutes field by its caption") << "Text1(1)" << "Minutes";
    QTest::newRow("seconds field by its caption") << "Text1(2)" << "Secondes";
    QTest::newRow("result field") << "Text2" << "R\u00e9sultat";
    QTest::newRow("copy button") << "Command1" << "Copier";
}

void AccessibilityTest::controlsAreNamed()
{
    QFETCH(QString, control);
    QFETCH(QString, name);

    Form1Fixture fixture;
    auto *widget = fixture.window()->findChild<QWidget *>(control);
    QVERIFY(widget);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), name);
}

void AccessibilityTest::focusIsVisibleOnEveryFocusableControl_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("tabs");   // Tab presses from the degrees field

    QTest::newRow("degrees field") << "Text1(0)" << 5;   // round the cycle and back
    QTest::newRow("minutes field") << "Text1(1)" << 1;
    QTest::newRow("seconds field") << "Text1(2)" << 2;
    QTest::newRow("result field") << "Text2" << 3;
    QTest::newRow("copy button") << "Command1" << 4;
}

void AccessibilityTest::focusIsVisibleOnEveryFocusableControl()
{
    QFETCH(QString, control);
    QFETCH(int, tabs);

    Form1Fixture fixture;
    auto *widget = fixture.window()->findChild<QWidget *>(control);
    // The text cursor stays off so that only the focus frame can tell the
    // two pictures apart; the focus moves by keyboard, as a user moves it.
    QApplication::setCursorFlashTime(0);
    for (int i = 0; i < tabs; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), widget);
    const QImage focused = widget->grab().toImage();
    QTest::keyClick(widget, Qt::Key_Tab);
    QVERIFY(QApplication::focusWidget() != widget);
    const QImage unfocused = widget->grab().toImage();
    QVERIFY2(focused != unfocused, "the focused control looks the same as when it has no focus");
}

// What a screen reader is told as the window appears: the window's
// description as it is shown; on Qt 6.8, whose Orca does not read a window's
// description, also a notification of it once the window is active.
QStringList toldAtStart()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    return {windowDescription, windowDescription};
#else
    return {windowDescription};
#endif
}

void AccessibilityTest::screenReaderIsTold_data()
{
    QTest::addColumn<int>("index");      // the field typed into, -1 for none
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("copy");      // "Copier" clicked afterwards
    QTest::addColumn<QStringList>("expected");   // after what is told at start

    QTest::newRow("window shown with its title and key help") << -1 << "" << false << QStringList{};
    QTest::newRow("minutes 75 refused") << 1 << "75" << false << QStringList{refusalDescription};
    QTest::newRow("seconds 61 refused") << 2 << "61" << false << QStringList{refusalDescription};
    QTest::newRow("refused twice in a row, told twice")
        << 1 << "755" << false << QStringList{refusalDescription, refusalDescription};
    QTest::newRow("minutes exactly 60 pass, nothing told") << 1 << "60" << false << QStringList{};
    QTest::newRow("degrees 400 are never range-checked") << 0 << "400" << false << QStringList{};
    QTest::newRow("copy confirmed") << 0 << "45.21" << true << QStringList{copied};
    QTest::newRow("empty result copied, confirmed too") << -1 << "" << true << QStringList{copied};
}

void AccessibilityTest::screenReaderIsTold()
{
    QFETCH(int, index);
    QFETCH(QString, typed);
    QFETCH(bool, copy);
    QFETCH(QStringList, expected);

    Form1Fixture fixture;
    if (index >= 0)
        fixture.type(index, typed);
    if (copy)
        QTest::mouseClick(fixture.copyButton(), Qt::LeftButton);
    QCoreApplication::processEvents();

    QCOMPARE(told(), toldAtStart() + expected);
    // Nothing a screen reader is told is put on screen: the window holds the
    // same widgets, and none of them shows the text.
    const QList<QWidget *> children = fixture.window()->findChildren<QWidget *>();
    QCOMPARE(children.size(), 11);
    for (QWidget *child : children) {
        if (auto *edit = qobject_cast<QLineEdit *>(child))
            QVERIFY(edit->text() != copied && edit->text() != refusalDescription);
    }
}

void AccessibilityTest::textIsOneAttributeRun_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");

    QTest::newRow("degrees field") << "Text1(0)" << "45";
    QTest::newRow("minutes field") << "Text1(1)" << "12";
    QTest::newRow("seconds field") << "Text1(2)" << "36";
    QTest::newRow("result field") << "Text2" << "45.21";
}

void AccessibilityTest::textIsOneAttributeRun()
{
    QFETCH(QString, control);
    QFETCH(QString, text);

    Form1Fixture fixture;
    fixture.typeAll(QStringLiteral("45"), QStringLiteral("12"), QStringLiteral("36"));
    auto *edit = fixture.window()->findChild<QLineEdit *>(control);
    QVERIFY(edit);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(edit);
    QVERIFY(accessible);
    QAccessibleTextInterface *textInterface = accessible->textInterface();
    QVERIFY(textInterface);
    QCOMPARE(textInterface->text(0, textInterface->characterCount()), text);

    // A screen reader joins the runs up to find what it reads in one voice:
    // a run that ends short of the text's end loses the characters after it.
    for (int offset = 0; offset < text.size(); ++offset) {
        int start = -1;
        int end = -1;
        textInterface->attributes(offset, &start, &end);
        QCOMPARE(start, 0);
        QCOMPARE(end, text.size());
    }
}

void AccessibilityTest::refusalIsToldInWords_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("refused");

    QTest::newRow("minutes 75 refused") << 1 << "75" << true;
    QTest::newRow("seconds 61 refused") << 2 << "61" << true;
    QTest::newRow("minutes refused twice in a row, told once") << 1 << "755" << true;
    QTest::newRow("minutes exactly 60 pass") << 1 << "60" << false;
    QTest::newRow("negative minutes pass") << 1 << "-5" << false;
    QTest::newRow("degrees 400 are never range-checked") << 0 << "400" << false;
}

void AccessibilityTest::refusalIsToldInWords()
{
    QFETCH(int, index);
    QFETCH(QString, typed);
    QFETCH(bool, refused);

    Form1Fixture fixture;
    fixture.type(index, typed);

    for (int field = 0; field <= 2; ++field) {
        const bool thisOne = refused && field == index;
        QCOMPARE(descriptionOf(fixture.field(field)), thisOne ? refusalDescription : QString());
        QCOMPARE(descriptionChanges().count(fixture.field(field)), thisOne ? 1 : 0);
    }
}

void AccessibilityTest::refusalDescriptionStaysWithTheRed_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("text");   // typed after the keys

    QTest::newRow("minutes corrected to 30") << "Text1(1)" << QKeySequence(QKeySequence::SelectAll) << "30";
    QTest::newRow("degrees typed afterwards") << "Text1(0)" << QKeySequence() << "1";
    QTest::newRow("Escape in the minutes field empties all") << "Text1(1)" << QKeySequence(Qt::Key_Escape) << "";
    QTest::newRow("Escape in the result field resets the inputs") << "Text2" << QKeySequence(Qt::Key_Escape) << "";
}

void AccessibilityTest::refusalDescriptionStaysWithTheRed()
{
    QFETCH(QString, target);
    QFETCH(QKeySequence, keys);
    QFETCH(QString, text);

    Form1Fixture fixture;
    QLineEdit *minutes = fixture.field(1);
    fixture.type(1, QStringLiteral("75"));
    QCOMPARE(descriptionChanges().count(minutes), 1);

    auto *widget = fixture.window()->findChild<QWidget *>(target);
    QVERIFY(widget);
    widget->setFocus();
    QTest::keySequence(widget, keys);
    QTest::keyClicks(widget, text);
    QCoreApplication::processEvents();

    QCOMPARE(minutes->palette().color(QPalette::Text), QColor(255, 0, 0));
    QCOMPARE(descriptionOf(minutes), refusalDescription);
    // Neither taken back nor told again.
    QCOMPARE(descriptionChanges().count(minutes), 1);
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
