// Linked into a Qt program, hooks in from outside at QCoreApplication's
// construction: once the first top-level window has painted its first frame,
// prints when that happened and the peak resident memory so far, and quits.
// The program itself is left as it is.
//
// Output, one line on stdout (times on CLOCK_MONOTONIC, so that the process
// that started the program can subtract its own start time):
//   first_frame paint_ns=<first paint event> frame_ns=<frame done>
//               static_init_ns=<before main> vmhwm_kb=<peak RSS>

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

// steady_clock is CLOCK_MONOTONIC on Linux: one time line for every process.
std::int64_t monotonicNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Taken while static objects are built: the earliest moment the program's
// own code runs, after the dynamic loader has done its work.
const std::int64_t staticInitNs = monotonicNs();

long peakResidentKb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

class FirstFrameFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (m_paintNs == 0 && event->type() == QEvent::Paint) {
            const auto *widget = qobject_cast<QWidget *>(watched);
            if (widget && widget->isWindow() && widget->windowHandle() && widget->windowHandle()->isExposed()) {
                m_paintNs = monotonicNs();
                // Runs once the whole frame is painted and flushed.
                QMetaObject::invokeMethod(this, &FirstFrameFilter::report, Qt::QueuedConnection);
            }
        }
        return false;
    }

private:
    void report() const
    {
        const std::int64_t frameNs = monotonicNs();
        std::printf("first_frame paint_ns=%lld frame_ns=%lld static_init_ns=%lld vmhwm_kb=%ld\n",
                    static_cast<long long>(m_paintNs), static_cast<long long>(frameNs),
                    static_cast<long long>(staticInitNs), peakResidentKb());
        std::fflush(stdout);
        QCoreApplication::quit();
    }

    std::int64_t m_paintNs = 0;
};

void installFirstFrameFilter()
{
    QCoreApplication::instance()->installEventFilter(new FirstFrameFilter(QCoreApplication::instance()));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installFirstFrameFilter)
