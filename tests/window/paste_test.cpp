// A whole coordinate pasted into any input field fills Degrés, Minutes and
// Secondes; any other paste goes into the field as a plain line edit takes
// it. Every way a person pastes is driven through the real window: Ctrl+V,
// Shift+Insert, the context menu's Paste, the middle button's primary
// selection (where the platform has one: the run on a real X server) and a
// text dropped on the field. Expected values are literals, and what a plain
// paste leaves is what a bare QLineEdit, pasted into the same way, holds.

#include "form1_fixture.h"

#include "runtime/beep.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>

namespace {

const QColor red(255, 0, 0);

enum class Route { CtrlV, ShiftInsert, ContextMenu, PrimarySelection, Drop };

bool platformHasSelection()
{
    return QApplication::clipboard()->supportsSelection();
}

// The visible context menu an edit popped up, once it is there.
QMenu *openContextMenu(QLineEdit *edit)
{
    const QPoint at = edit->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, edit->mapToGlobal(at));
    QCoreApplication::sendEvent(edit, &event);
    QMenu *menu = nullptr;
    const bool shown = QTest::qWaitFor([&] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *candidate = qobject_cast<QMenu *>(widget); candidate && candidate->isVisible())
                menu = candidate;
        }
        return menu != nullptr;
    }, 5000);
    return shown ? menu : nullptr;
}

// Pastes `text` into `edit` the way a person does along `route`, the
// field's own text selected first where a selection takes part.
void paste(QLineEdit *edit, Route route, const QString &text)
{
    edit->setFocus();
    edit->selectAll();
    switch (route) {
    case Route::CtrlV:
        QApplication::clipboard()->setText(text);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        break;
    case Route::ShiftInsert:
        QApplication::clipboard()->setText(text);
        QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
        break;
    case Route::ContextMenu: {
        QApplication::clipboard()->setText(text);
        // The pointer rests where the person right-clicks, the menu opens
        // there, and the pointer moves onto Paste before clicking it. A menu
        // that has seen no pointer motion since it opened (Qt 6.8) takes the
        // release for the end of the click that opened it and closes
        // without triggering anything.
        const QPoint at = edit->rect().center();
        QTest::mouseMove(edit, at);
        // Qt offers the custom menu through its signal, a bare edit through its event.
        QMenu *menu = edit->contextMenuPolicy() == Qt::CustomContextMenu ? openContextMenu(edit) : nullptr;
        if (!menu) {
            menu = edit->createStandardContextMenu();
            menu->setAttribute(Qt::WA_DeleteOnClose);
            menu->popup(edit->mapToGlobal(at));
            QVERIFY(QTest::qWaitForWindowExposed(menu));
        }
        QAction *pasteAction = nullptr;
        for (QAction *action : menu->actions()) {
            if (action->text().startsWith(QStringLiteral("&Paste")))
                pasteAction = action;
        }
        QVERIFY(pasteAction);
        const QPoint onPaste = menu->actionGeometry(pasteAction).center();
        QTest::mouseMove(menu, onPaste);
        QTest::mouseClick(menu, Qt::LeftButton, {}, onPaste);
        break;
    }
    case Route::PrimarySelection:
        QApplication::clipboard()->setText(text, QClipboard::Selection);
        QTest::mouseClick(edit, Qt::MiddleButton, {}, QPoint(edit->width() - 2, edit->height() / 2));
        break;
    case Route::Drop: {
        // Dropped past the end of the text: both edits insert it at the end.
        const QPoint at(edit->width() - 2, edit->height() / 2);
        QMimeData data;
        data.setText(text);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(edit, &enter);
        QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(edit, &move);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(edit, &drop);
        break;
    }
    }
    QCoreApplication::processEvents();
}

// What a bare QLineEdit holding `start` holds after the same paste.
QString bareEditAfter(const QString &start, Route route, const QString &text)
{
    QLineEdit bare(start);
    bare.show();
    if (!QTest::qWaitForWindowExposed(&bare))
        return QStringLiteral("(bare edit never shown)");
    paste(&bare, route, text);
    return bare.text();
}

// The three fields hold the start texts, typed.
void fillStart(const Form1Fixture &fixture)
{
    fixture.typeAll(QStringLiteral("10"), QStringLiteral("30"), QStringLiteral("36"));
}

QStringList fields(const Form1Fixture &fixture)
{
    return {fixture.field(0)->text(), fixture.field(1)->text(), fixture.field(2)->text()};
}

} // namespace

Q_DECLARE_METATYPE(Route)

class PasteTest : public QObject
{
    Q_OBJECT

private slots:
    void everyRoute_data();
    void everyRoute();
    void examples_data();
    void examples();
    void refusedPartAsIfTyped_data();
    void refusedPartAsIfTyped();
};

void PasteTest::everyRoute_data()
{
    QTest::addColumn<Route>("route");
    QTest::addColumn<int>("field");
    const std::pair<const char *, Route> routes[] = {
        {"Ctrl+V", Route::CtrlV}, {"Shift+Insert", Route::ShiftInsert}, {"context menu", Route::ContextMenu},
        {"primary selection", Route::PrimarySelection}, {"drop", Route::Drop}};
    for (const auto &[name, route] : routes) {
        // Each route into a different field, so that all three are pasted into.
        const int field = static_cast<int>(route) % 3;
        QTest::newRow(name) << route << field;
    }
}

// One whole angle and one plain number along each route.
void PasteTest::everyRoute()
{
    QFETCH(Route, route);
    QFETCH(int, field);
    if (route == Route::PrimarySelection && !platformHasSelection())
        QSKIP("this platform has no primary selection; the run on a real X server has one");

    {
        Form1Fixture fixture;
        fillStart(fixture);
        QLineEdit *edit = fixture.field(field);
        paste(edit, route, QStringLiteral("2° 21′ 3″ W"));

        QCOMPARE(fields(fixture), QStringList({"-2", "-21", "-3"}));
        QCOMPARE(fixture.result()->text(), QStringLiteral("-2.35083333333333"));
        // The window's focus, which it keeps while a menu or another window is active.
        QCOMPARE(fixture.window()->focusWidget(), edit);
        QCOMPARE(edit->cursorPosition(), edit->text().size());
        QVERIFY(!edit->hasSelectedText());
        QVERIFY(fixture.errors().empty());
    }
    {
        Form1Fixture fixture;
        fillStart(fixture);
        QLineEdit *edit = fixture.field(field);
        const QString start = edit->text();
        paste(edit, route, QStringLiteral("12.5"));

        const QString expected = bareEditAfter(start, route, QStringLiteral("12.5"));
        QCOMPARE(edit->text(), expected);
        QVERIFY(expected.contains(QStringLiteral("12.5")));
        QStringList others{"10", "30", "36"};
        others[field] = expected;
        QCOMPARE(fields(fixture), others);
        QVERIFY(fixture.errors().empty());
    }
}

void PasteTest::examples_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("result");

    QTest::newRow("48°51'24\"N") << "48°51'24\"N" << QStringList{"48", "51", "24"} << "48.8566666666667";
    QTest::newRow("2° 21′ 3″ W") << "2° 21′ 3″ W" << QStringList{"-2", "-21", "-3"} << "-2.35083333333333";
    QTest::newRow("N 45° 12.608'") << "N 45° 12.608'" << QStringList{"45", "12.608", ""} << "45.2101333333333";
    QTest::newRow("-33°52'4,6\"") << "-33°52'4,6\"" << QStringList{"-33", "-52", "-4,6"} << "-33.8679444444444";
    QTest::newRow("45:12:36") << "45:12:36" << QStringList{"45", "12", "36"} << "45.21";
    QTest::newRow("a pair gives its first angle")
        << "48°51'24.0\"N 2°21'03.0\"E" << QStringList{"48", "51", "24.0"} << "48.8566666666667";
    QTest::newRow("45d12m36s") << "45d12m36s" << QStringList{"45", "12", "36"} << "45.21";
    // No whole angle: pasted over the selected degrees as they are.
    QTest::newRow("45.21") << "45.21" << QStringList{"45.21", "30", "36"} << "45.72";
    QTest::newRow("12abc") << "12abc" << QStringList{"12abc", "30", "36"} << "12.51";
    QTest::newRow("45° alone") << "45°" << QStringList{"45°", "30", "36"} << "45.51";
}

// The examples pasted over a full window, into the degrees: every field
// is replaced, an absent part empties its field.
void PasteTest::examples()
{
    QFETCH(QString, pasted);
    QFETCH(QStringList, fields);
    QFETCH(QString, result);

    Form1Fixture fixture;
    fillStart(fixture);
    paste(fixture.field(0), Route::CtrlV, pasted);
    QCOMPARE(::fields(fixture), fields);
    QCOMPARE(fixture.result()->text(), result);
}

void PasteTest::refusedPartAsIfTyped_data()
{
    QTest::addColumn<QString>("seconds");   // in the field before the paste
    QTest::addColumn<QString>("result");
    // Degrees 45 recalculate, minutes 75 are refused, seconds unchanged: no more.
    QTest::newRow("seconds empty") << "" << "45";
    // Emptying the seconds recalculates, the refused minutes summed like any value.
    QTest::newRow("seconds emptied") << "36" << "46.25";
}

void PasteTest::refusedPartAsIfTyped()
{
    QFETCH(QString, seconds);
    QFETCH(QString, result);

    Form1Fixture fixture;
    if (!seconds.isEmpty())
        fixture.type(2, seconds);
    const unsigned long beepsBefore = runtime::beepCount();
    paste(fixture.field(1), Route::CtrlV, QStringLiteral("45°75'"));

    QCOMPARE(fields(fixture), QStringList({"45", "75", ""}));
    QCOMPARE(runtime::beepCount(), beepsBefore + 1);
    QCOMPARE(fixture.field(1)->palette().color(QPalette::Text), red);
    QVERIFY(fixture.field(0)->palette().color(QPalette::Text) != red);
    QCOMPARE(fixture.result()->text(), result);
    QVERIFY(fixture.errors().empty());
}

QTEST_MAIN(PasteTest)
#include "paste_test.moc"
