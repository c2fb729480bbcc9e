#include "runtime/platform_start_guard.h"

#include "runtime/no_display.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdlib>
#include <mutex>
#include <vector>

namespace runtime {
namespace {

// A message with copies of where it came from: the context Qt passes only
// lives for the call.
struct HeldMessage
{
    QtMsgType type;
    QByteArray file;
    int line;
    QByteArray function;
    QByteArray category;
    QString text;
};

struct GuardState
{
    std::mutex mutex;   // the toolkit may speak from its own threads
    std::string program;
    std::vector<HeldMessage> held;
    QtMessageHandler previous = nullptr;
};

GuardState &state()
{
    static GuardState guardState;
    return guardState;
}

void holdOrEnd(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    GuardState &guard = state();
    const std::lock_guard lock(guard.mutex);
    if (type == QtFatalMsg) {
        reportNoDisplay(guard.program, NoDisplay::NoneAnswers);
        // Nothing has been built that needs tearing down, and the
        // half-started toolkit must not run its exit code.
        std::_Exit(EXIT_FAILURE);
    }
    guard.held.push_back({type, QByteArray(context.file), context.line, QByteArray(context.function),
                          QByteArray(context.category), text});
}

} // namespace

PlatformStartGuard::PlatformStartGuard(std::string_view program) : m_program(program)
{
    GuardState &guard = state();
    {
        const std::lock_guard lock(guard.mutex);
        guard.program = m_program;
        guard.held.clear();
    }
    guard.previous = qInstallMessageHandler(holdOrEnd);
}

PlatformStartGuard::~PlatformStartGuard()
{
    release();
}

void PlatformStartGuard::release()
{
    if (!m_held)
        return;
    m_held = false;
    GuardState &guard = state();
    qInstallMessageHandler(guard.previous);
    std::vector<HeldMessage> held;
    {
        const std::lock_guard lock(guard.mutex);
        held.swap(guard.held);
    }
    for (const HeldMessage &message : held) {
        const QMessageLogContext context(message.file.isNull() ? nullptr : message.file.constData(), message.line,
                                         message.function.isNull() ? nullptr : message.function.constData(),
                                         message.category.isNull() ? nullptr : message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
}

} // namespace runtime
