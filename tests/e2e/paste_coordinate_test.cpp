// A coordinate copied in another program and pasted into the degrees with
// Ctrl+V, through the real CLIPBOARD selection, fills the three fields; each
// field and the result are read back through the clipboard as a person
// would copy them.

#include "conversion_session.h"
#include "e2e_run.h"

#include <QTest>

using namespace e2e;

namespace {

// On the clipboard before each read-back: the copy must replace it.
const QString marker = QStringLiteral("marqueur posé par le test");

} // namespace

class PasteCoordinateTest : public QObject
{
    Q_OBJECT

private slots:
    void pastedFromAnotherProgramFillsTheFields();
};

void PasteCoordinateTest::pastedFromAnotherProgramFillsTheFields()
{
    ConversionSession session;
    QVERIFY2(session.start({testLocale(), 1}), session.failure());

    // As Wikipedia writes it, with the typographic marks.
    QVERIFY2(session.perform({"click degrees", "type 10", "click minutes", "type 30", "click seconds", "type 36",
                              "offer 2° 21′ 3″ W", "click degrees", "key ctrl+v"}),
             session.failure());

    const std::pair<const char *, QString> readBack[] = {
        {"degrees", QStringLiteral("-2")},
        {"minutes", QStringLiteral("-21")},
        {"seconds", QStringLiteral("-3")},
    };
    for (const auto &[field, expected] : readBack) {
        QVERIFY2(session.perform({"offer " + marker, QStringLiteral("click ") + field, "key ctrl+a", "key ctrl+c"}),
                 session.failure());
        QCOMPARE(session.clipboardOnceItHolds(expected), expected);
    }

    QVERIFY2(session.perform({"offer " + marker, "click copier"}), session.failure());
    const QString result = testLocale().startsWith(QStringLiteral("fr")) ? QStringLiteral("-2,35083333333333")
                                                                          : QStringLiteral("-2.35083333333333");
    QCOMPARE(session.clipboardOnceItHolds(result), result);
    QVERIFY2(session.isRunning(), qPrintable(session.programOutput()));
}

QTEST_GUILESS_MAIN(PasteCoordinateTest)
#include "paste_coordinate_test.moc"
