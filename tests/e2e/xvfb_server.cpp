#include "xvfb_server.h"

#include "command.h"
#include "e2e_timing.h"
#include "polling.h"

namespace e2e {

XvfbServer::~XvfbServer()
{
    endProcess(m_process);
}

bool XvfbServer::start(QSize screen, QString *error)
{
    // -displayfd: the server picks a free display itself and writes its
    // number to standard output once clients can connect. -noreset keeps
    // the server (and its selections) when the last client leaves.
    m_process.setProgram(QStringLiteral("Xvfb"));
    m_process.setArguments({
        QStringLiteral("-displayfd"), QStringLiteral("1"),
        QStringLiteral("-screen"), QStringLiteral("0"),
        QStringLiteral("%1x%2x24").arg(screen.width()).arg(screen.height()),
        QStringLiteral("-dpi"), QStringLiteral("96"),
        QStringLiteral("-nolisten"), QStringLiteral("tcp"),
        QStringLiteral("-noreset"),
    });
    m_process.start();
    if (!m_process.waitForStarted(static_cast<int>(serverStartLimit.count()))) {
        *error = QStringLiteral("Xvfb could not be started: ") + m_process.errorString();
        return false;
    }
    QByteArray announced;
    const bool ready = waitUntil(
        [&] {
            announced += m_process.readAllStandardOutput();
            return announced.contains('\n') || m_process.state() == QProcess::NotRunning;
        },
        serverStartLimit);
    bool isNumber = false;
    const int number = announced.trimmed().toInt(&isNumber);
    if (!ready || !isNumber) {
        *error = QStringLiteral("Xvfb announced no display: ") +
                 QString::fromLocal8Bit(m_process.readAllStandardError().trimmed());
        return false;
    }
    m_display = QStringLiteral(":%1").arg(number);
    return true;
}

QProcessEnvironment XvfbServer::toolEnvironment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("XAUTHORITY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("DISPLAY"), m_display);
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    return environment;
}

} // namespace e2e
