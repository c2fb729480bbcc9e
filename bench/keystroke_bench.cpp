// Keystroke to result: one character typed into the degrees field of the
// real window until its result field holds the new result, against a bare
// QLineEdit whose textChanged handler does nothing, driven the same way.
// Digits and Backspace alternate, so every keystroke changes the result.
// Runs on the offscreen platform; the rounds alternate between the two.
//
//   keystroke_bench [ROUNDS] [KEYSTROKES] [both|window|floor]
//
// Prints: result|keystroke to result (us)|<window>|<floor>|<ratio>, the
// medians of the rounds' medians and the median of the rounds' ratios.
// The timed work is typeOneKeystroke(), for callgrind's --toggle-collect.

#include "median.h"
#include "offscreen_session.h"

#include "runtime/form_description.h"

#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr int defaultRounds = 15;
constexpr int defaultKeystrokes = 2000;

using Clock = std::chrono::steady_clock;

// A window, the field typed into, and the field whose change ends the
// measurement.
struct Subject
{
    QWidget *window;
    QLineEdit *typedInto;
    QLineEdit *watched;
    Clock::time_point changedAt{};
};

void watch(Subject &subject)
{
    QObject::connect(subject.watched, &QLineEdit::textChanged, subject.watched,
                     [&subject] { subject.changedAt = Clock::now(); });
}

// Microseconds from the key press to the watched field's change.
[[gnu::noinline]] double typeOneKeystroke(Subject &subject, bool digit)
{
    subject.changedAt = {};
    const Clock::time_point start = Clock::now();
    if (digit)
        QTest::keyClick(subject.typedInto, '7');
    else
        QTest::keyClick(subject.typedInto, Qt::Key_Backspace);
    if (subject.changedAt == Clock::time_point{}) {
        std::fprintf(stderr, "%s: the keystroke changed nothing\n", qPrintable(subject.watched->objectName()));
        std::exit(1);
    }
    return std::chrono::duration<double, std::micro>(subject.changedAt - start).count();
}

double measureRound(Subject &subject, int keystrokes)
{
    focusField(subject.window, subject.typedInto);

    std::vector<double> samples;
    samples.reserve(static_cast<std::size_t>(keystrokes));
    for (int i = 0; i < keystrokes; ++i) {
        samples.push_back(typeOneKeystroke(subject, i % 2 == 0));
        // Repaints happen between keystrokes, as they would for a typist.
        QCoreApplication::processEvents();
    }
    return median(samples);
}

} // namespace

int main(int argc, char **argv)
{
    OffscreenSession session(argc, argv);
    const int rounds = session.argument(1, defaultRounds);
    const int keystrokes = session.argument(2, defaultKeystrokes);
    const QString which = session.argument(3, QStringLiteral("both"));

    QWidget *formWindow = session.formWindow();
    Subject ours{formWindow, session.field("Text1", 0), session.field("Text2", runtime::notInArray)};
    QTest::keyClicks(ours.typedInto, QStringLiteral("45"));
    QTest::keyClicks(session.field("Text1", 1), QStringLiteral("12"));
    QTest::keyClicks(session.field("Text1", 2), QStringLiteral("36"));
    watch(ours);

    QWidget floorWindow;
    QLineEdit *bareEdit = showBareField(floorWindow, formWindow->size());
    Subject floorSubject{&floorWindow, bareEdit, bareEdit};
    QTest::keyClicks(floorSubject.typedInto, QStringLiteral("45"));
    watch(floorSubject);

    std::vector<double> window;
    std::vector<double> bare;
    std::vector<double> ratios;
    for (int round = 0; round < rounds; ++round) {
        if (which != QStringLiteral("floor"))
            window.push_back(measureRound(ours, keystrokes));
        if (which != QStringLiteral("window"))
            bare.push_back(measureRound(floorSubject, keystrokes));
        if (which == QStringLiteral("both"))
            ratios.push_back(window.back() / bare.back());
    }
    std::printf("result|keystroke to result (us)|%.2f|%.2f|%.3f\n", median(window), median(bare), median(ratios));
    return 0;
}
