#pragma once

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <chrono>

namespace e2e {

struct CommandResult
{
    bool started = false;
    bool finished = false;   // false: still running at the limit, and killed
    int exitCode = -1;
    QByteArray out;
    QByteArray err;

    bool succeeded() const { return finished && exitCode == 0; }
    // One line for a failure message: what ran and how it ended.
    QString describe(const QString &program) const;
};

// Runs a tool to its end, or kills it at the limit: a tool that hangs never
// hangs the test.
CommandResult runCommand(const QString &program, const QStringList &arguments,
                         const QProcessEnvironment &environment, std::chrono::milliseconds limit,
                         const QByteArray &input = {});

// Asks a server we started to end, and kills it if it has not within the
// limit of e2e_timing.h.
void endProcess(QProcess &process);

} // namespace e2e
