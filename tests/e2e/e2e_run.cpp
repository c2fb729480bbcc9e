#include "e2e_run.h"

#include <QDir>

namespace e2e {

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

QString programPath()
{
    return qEnvironmentVariable("DMS2DD_E2E_APP");
}

QString testLocale()
{
    const QString locale = qEnvironmentVariable("LC_ALL");
    return locale.isEmpty() ? QStringLiteral("C") : locale;
}

QString artifactPath(const QString &fileName)
{
    QString directory = qEnvironmentVariable("DMS2DD_E2E_ARTIFACTS");
    if (directory.isEmpty())
        directory = QDir::current().filePath(QStringLiteral("screenshots"));
    QDir().mkpath(directory);
    return QDir(directory).filePath(fileName);
}

std::chrono::milliseconds personPace()
{
    bool ok = false;
    const int fromBuild = qEnvironmentVariableIntValue("DMS2DD_E2E_PACE_MS", &ok);
    return ok && fromBuild >= 0 ? std::chrono::milliseconds(fromBuild) : 100ms;
}

} // namespace e2e
