// What a person does in the window, from outside, and what "Copier" then
// leaves on the clipboard. Every scenario starts the program afresh; after
// each one the window must still be up and still recalculate.
//
// Only what needs a real server is here: a person's keys and clicks at a
// person's pace, the real CLIPBOARD selection, a paste from another
// program, text beyond ASCII through the selection. How a value reads, the
// range check, Escape and what Copier copies are proven in the window's
// in-process tests. Under French the whole table runs; under C the main
// paths.

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

    row("degrees pasted with ctrl+v", FrenchAndC, {"offer 12,5", "click degrees", "key ctrl+v", "click copier"},
        "12.5");
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
