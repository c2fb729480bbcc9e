// What a person does in the window, from outside, and what "Copier" then
// leaves on the clipboard. Every scenario starts the program afresh; after
// each one the window must still be up and still recalculate.
//
// Under French the whole table runs; under C the rows that show the
// separator and the main paths.

#include "conversion_session.h"
#include "decimal_separator.h"
#include "e2e_run.h"

#include <QTest>

using namespace e2e;

namespace {

// On the clipboard just before the step that copies: that step must replace it.
const QString marker = QStringLiteral("marqueur posé par le test");

enum class Locales { FrenchOnly, FrenchAndC };

} // namespace

class ScenarioTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void copierHoldsWhatTheStepsLeave_data();
    void copierHoldsWhatTheStepsLeave();

private:
    void checkStillAnswers(ConversionSession &session);
};

void ScenarioTest::initTestCase()
{
    // The program shows the separator of the same locale; make sure Qt took it.
    QCOMPARE(systemDecimalSeparator(), testLocale().startsWith(QStringLiteral("fr")) ? QStringLiteral(",") : QStringLiteral("."));
}

void ScenarioTest::copierHoldsWhatTheStepsLeave_data()
{
    QTest::addColumn<QStringList>("steps");   // the last one copies
    QTest::addColumn<QString>("expected");    // "." stands for the locale's separator

    const bool french = systemDecimalSeparator() == QStringLiteral(",");
    const auto row = [french](const char *name, Locales locales, const QStringList &steps, const QString &expected) {
        if (french || locales == Locales::FrenchAndC)
            QTest::newRow(name) << steps << expected;
    };
    using enum Locales;

    row("each field typed after a click on it", FrenchAndC,
        {"click degrees", "type 45", "click minutes", "type 12", "click seconds", "type 36", "click copier"},
        "45.21");
    row("Enter moves on from degrees to minutes to seconds", FrenchOnly,
        {"click degrees", "type 45", "key Return", "type 12", "key Return", "type 36", "click copier"}, "45.21");
    row("keyboard only once the window is clicked: start-up focus, Enter, Tab, Space on Copier", FrenchAndC,
        {"click background", "type 45", "key Return", "type 12", "key Return", "type 36", "key Return", "key Tab", "key space"},
        "45.21");

    row("comma typed as the separator", FrenchAndC, {"click degrees", "type 12,5", "click copier"}, "12.5");
    row("point typed as the separator", FrenchAndC, {"click degrees", "type 12.5", "click copier"}, "12.5");
    row("letters after the number are ignored", FrenchOnly, {"click degrees", "type 12abc", "click copier"}, "12");
    row("letters alone read as zero", FrenchOnly, {"click degrees", "type abc", "click copier"}, "0");

    row("Escape in an input field empties the result", FrenchOnly,
        {"click degrees", "type 45", "click minutes", "type 12", "key Escape", "click copier"}, "");
    row("Escape in an input field moves the focus on by one", FrenchOnly,
        {"click degrees", "type 45", "click minutes", "type 12", "click degrees", "key Escape", "type 30",
         "click copier"},
        "0.5");
    row("Escape in the result leaves 0 and moves the focus to Copier", FrenchAndC,
        {"click degrees", "type 45", "click result", "key Escape", "key space"}, "0");

    row("minutes above 60 refused: the result stays as before the keystroke", FrenchAndC,
        {"click degrees", "type 10", "click minutes", "type 75", "click copier"}, "10.1166666666667");
    row("refused minutes stay in their field and count once seconds change", FrenchOnly,
        {"click degrees", "type 10", "click minutes", "type 75", "click seconds", "type 36", "click copier"},
        "11.26");
    row("60 seconds accepted, just above 60 refused", FrenchOnly, {"click seconds", "type 60,5", "click copier"},
        "0.0166666666666667");

    row("degrees pasted with ctrl+v", FrenchAndC, {"offer 12,5", "click degrees", "key ctrl+v", "click copier"},
        "12.5");
    row("pasted minutes above 60 refused", FrenchOnly,
        {"click degrees", "type 10", "offer 75", "click minutes", "key ctrl+v", "click copier"}, "10");

    row("result edited by hand is copied as shown", FrenchOnly,
        {"click degrees", "type 45", "click result", "key End", "type  x", "click copier"}, "45 x");
    row("sum beyond the range of numbers", FrenchAndC,
        {"click degrees", "type -1.79E308", "click minutes", "type -1E308", "click copier"},
        "Dépassement de capacité");
}

void ScenarioTest::copierHoldsWhatTheStepsLeave()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, expected);
    const QString locale = testLocale();
    expected = localised(expected);

    ConversionSession session;
    QVERIFY2(session.start({locale, 1}), session.failure());
    QVERIFY2(session.perform(steps.first(steps.size() - 1)), session.failure());
    QVERIFY2(session.offer(marker), session.failure());
    QVERIFY2(session.perform({steps.last()}), session.failure());
    QCOMPARE(session.clipboardOnceItHolds(expected), expected);

    checkStillAnswers(session);
}

// Still running, still shown, and a new value still gives a new result.
void ScenarioTest::checkStillAnswers(ConversionSession &session)
{
    QVERIFY2(session.isRunning(), qPrintable(session.programOutput()));
    const auto state = session.windowState();
    QVERIFY2(state, session.failure());
    QVERIFY(state->viewable);

    QVERIFY2(session.perform({"click result", "key Escape", "click degrees", "type 7", "offer " + marker, "click copier"}),
             session.failure());
    QCOMPARE(session.clipboardOnceItHolds(QStringLiteral("7")), QStringLiteral("7"));
}

QTEST_GUILESS_MAIN(ScenarioTest)
#include "scenario_test.moc"
