#include "command.h"

#include "e2e_timing.h"

#include <QProcess>

namespace e2e {

QString CommandResult::describe(const QString &program) const
{
    if (!started)
        return program + QStringLiteral(" could not be started");
    if (!finished)
        return program + QStringLiteral(" did not end in time");
    return QStringLiteral("%1 exited with %2: %3")
        .arg(program)
        .arg(exitCode)
        .arg(QString::fromUtf8(err.trimmed()));
}

CommandResult runCommand(const QString &program, const QStringList &arguments,
                         const QProcessEnvironment &environment, std::chrono::milliseconds limit,
                         const QByteArray &input)
{
    CommandResult result;
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    result.started = process.waitForStarted(static_cast<int>(limit.count()));
    if (!result.started)
        return result;
    if (!input.isEmpty())
        process.write(input);
    process.closeWriteChannel();
    result.finished = process.waitForFinished(static_cast<int>(limit.count()));
    if (!result.finished) {
        process.kill();
        process.waitForFinished(1000);
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

void endProcess(QProcess &process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(static_cast<int>(endLimit.count()))) {
        process.kill();
        process.waitForFinished(static_cast<int>(endLimit.count()));
    }
}

} // namespace e2e
