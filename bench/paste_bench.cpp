// Megabyte paste: a megabyte of decimals pasted over the degrees field of the
// real window until the paste and the repaint it asks for are done, against
// a bare QLineEdit without length limit whose textChanged handler does
// nothing, driven the same way. "0,333..." and "0,666..." alternate, so every
// paste changes the text and the result. Most of the time is the toolkit's
// text layout, in both. Runs on the offscreen platform; the rounds alternate
// between the two.
//
//   paste_bench [ROUNDS] [PASTES]
//
// Prints: result|megabyte paste (ms)|<window>|<floor>|<ratio>, the medians of
// the rounds' medians and the median of the rounds' ratios.

#include "median.h"
#include "offscreen_session.h"

#include "runtime/form_description.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <vector>

namespace {

constexpr int defaultRounds = 15;
constexpr int defaultPastes = 10;
constexpr qsizetype megabyte = 1 << 20;

using Clock = std::chrono::steady_clock;

[[gnu::noinline]] double pasteOnce(QLineEdit *edit, const QString &text)
{
    QApplication::clipboard()->setText(text);
    edit->selectAll();
    const Clock::time_point start = Clock::now();
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QCoreApplication::processEvents();
    const Clock::time_point end = Clock::now();
    if (edit->text().size() != text.size()) {
        std::fprintf(stderr, "%s kept %lld of %lld characters\n", qPrintable(edit->objectName()),
                     static_cast<long long>(edit->text().size()), static_cast<long long>(text.size()));
        std::exit(1);
    }
    return std::chrono::duration<double, std::milli>(end - start).count();
}

double measureRound(QWidget *window, QLineEdit *edit, int pastes)
{
    focusField(window, edit);
    const QString thirds = QStringLiteral("0,") + QString(megabyte, QLatin1Char('3'));
    const QString twoThirds = QStringLiteral("0,") + QString(megabyte, QLatin1Char('6'));
    std::vector<double> samples;
    for (int i = 0; i < pastes; ++i)
        samples.push_back(pasteOnce(edit, i % 2 == 0 ? thirds : twoThirds));
    return median(samples);
}

} // namespace

int main(int argc, char **argv)
{
    OffscreenSession session(argc, argv);
    const int rounds = session.argument(1, defaultRounds);
    const int pastes = session.argument(2, defaultPastes);

    QWidget *formWindow = session.formWindow();
    QLineEdit *degrees = session.field("Text1", 0);
    QLineEdit *result = session.field("Text2", runtime::notInArray);

    QWidget floorWindow;
    QLineEdit *bareEdit = showBareField(floorWindow, formWindow->size());
    bareEdit->setMaxLength(std::numeric_limits<int>::max());

    std::vector<double> window;
    std::vector<double> bare;
    std::vector<double> ratios;
    for (int round = 0; round < rounds; ++round) {
        window.push_back(measureRound(formWindow, degrees, pastes));
        bare.push_back(measureRound(&floorWindow, bareEdit, pastes));
        ratios.push_back(window.back() / bare.back());
    }
    if (result->text().isEmpty()) {
        std::fprintf(stderr, "the pastes gave no result\n");
        return 1;
    }
    std::printf("result|megabyte paste (ms)|%.2f|%.2f|%.3f\n", median(window), median(bare), median(ratios));
    return 0;
}
