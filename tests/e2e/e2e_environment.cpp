#include "e2e_environment.h"

#include <QDir>

namespace e2e {

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

} // namespace e2e
