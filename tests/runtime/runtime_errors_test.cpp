// Errors that no handler traps: they reach the runtime's report with their
// number and French wording, and never travel back through Qt.

#include "runtime/control_array.h"
#include "runtime/error_report.h"
#include "runtime/runtime_error.h"
#include "runtime/script_shell.h"

#include <QTest>

#include <new>
#include <optional>
#include <stdexcept>

class RuntimeErrorsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void untrappedErrorsAreReported_data();
    void untrappedErrorsAreReported();
    void unsupportedKeyTextIsAProgrammingError();
    void missingArrayMemberIsAnError();

private:
    std::optional<runtime::ErrorReport> m_report;
};

void RuntimeErrorsTest::init()
{
    m_report.reset();
    runtime::setErrorSink([this](const runtime::ErrorReport &report) { m_report = report; });
}

void RuntimeErrorsTest::cleanup()
{
    runtime::setErrorSink(nullptr);
}

void RuntimeErrorsTest::untrappedErrorsAreReported_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("message");

    QTest::newRow("runtime error keeps its number") << 0 << 5 << "Argument ou appel de proc\u00e9dure incorrect";
    QTest::newRow("out of memory") << 1 << 7 << "M\u00e9moire insuffisante";
    QTest::newRow("unexpected failure names its cause") << 2 << 51 << "Erreur interne : broken";
}

void RuntimeErrorsTest::untrappedErrorsAreReported()
{
    QFETCH(int, kind);
    QFETCH(int, number);
    QFETCH(QString, message);

    runtime::dispatch([kind] {
        switch (kind) {
        case 0: throw runtime::RuntimeError(5, "Argument ou appel de procédure incorrect");
        case 1: throw std::bad_alloc();
        default: throw std::logic_error("broken");
        }
    });
    QVERIFY(m_report);
    QCOMPARE(m_report->number, number);
    QCOMPARE(QString::fromStdString(m_report->message), message);
}

void RuntimeErrorsTest::unsupportedKeyTextIsAProgrammingError()
{
    const runtime::ScriptShell shell;
    QVERIFY_THROWS_EXCEPTION(runtime::RuntimeError, shell.SendKeys("{Enter}"));
    QVERIFY_THROWS_EXCEPTION(runtime::RuntimeError, shell.SendKeys("{TAB} "));
}

void RuntimeErrorsTest::missingArrayMemberIsAnError()
{
    runtime::ControlArray<int> array;
    int member = 0;
    array.add(0, member);
    QCOMPARE(&array[0], &member);
    try {
        (void)array[3];
        QFAIL("no error for a missing member");
    } catch (const runtime::RuntimeError &error) {
        QCOMPARE(error.number(), 340);
    }
}

QTEST_GUILESS_MAIN(RuntimeErrorsTest)
#include "runtime_errors_test.moc"
