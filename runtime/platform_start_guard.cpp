#include "runtime/platform_start_guard.h"

#include "runtime/failed_start.h"
#include "runtime/no_display.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <mutex>

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

// The xcb platform says which display it could not reach; with no name it
// had none to try.
bool namedXDisplayDidNotAnswer(std::string_view message)
{
    constexpr std::string_view couldNotConnect = "could not connect to display";
    if (!message.starts_with(couldNotConnect))
        return false;
    message.remove_prefix(couldNotConnect.size());
    return message.find_first_not_of(' ') != std::string_view::npos;
}

bool waylandDisplayDidNotAnswer(std::string_view message)
{
    return message.starts_with("Failed to create wl_display");
}

void holdOrEnd(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    GuardState &guard = state();
    const std::lock_guard lock(guard.mutex);
    if (type == QtFatalMsg) {
        std::vector<std::string> reason;
        for (const HeldMessage &message : guard.held) {
            if (message.type != QtDebugMsg)
                reason.push_back(message.text.toStdString());
        }
        reason.push_back(text.toStdString());
        // Nothing has been built that needs tearing down, and the
        // half-started toolkit must not run its exit code.
        endFailedStart(failedStartReport(guard.program, reason, !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")));
    }
    guard.held.push_back({type, QByteArray(context.file), context.line, QByteArray(context.function),
                          QByteArray(context.category), text});
}

} // namespace

std::string failedStartReport(std::string_view program, const std::vector<std::string> &toolkitMessages,
                              bool waylandDisplayNamed)
{
    for (const std::string &message : toolkitMessages) {
        if (namedXDisplayDidNotAnswer(message) || (waylandDisplayNamed && waylandDisplayDidNotAnswer(message)))
            return noDisplayLine(program, NoDisplay::NoneAnswers);
    }
    std::string report = std::string(program) + " : la fenêtre ne peut pas s'ouvrir, Qt n'a pas pu démarrer :\n";
    // Qt's own text keeps its words; only its blank lines go.
    for (const std::string &message : toolkitMessages) {
        std::string_view rest = message;
        while (!rest.empty()) {
            const std::size_t end = rest.find('\n');
            const std::string_view line = rest.substr(0, end);
            if (line.find_first_not_of(" \t") != std::string_view::npos)
                report.append(line).append("\n");
            rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        }
    }
    return report;
}

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
