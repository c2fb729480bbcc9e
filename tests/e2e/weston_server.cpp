#include "weston_server.h"

#include "e2e_run.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace e2e {

WestonServer::~WestonServer()
{
    endProcess(m_process);
}

bool WestonServer::start(QString *error)
{
    if (!m_runtimeDir.isValid()) {
        *error = QStringLiteral("no private runtime directory: ") + m_runtimeDir.errorString();
        return false;
    }
    m_socketName = QStringLiteral("dms2dd-e2e-%1").arg(QCoreApplication::applicationPid());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtimeDir.path());
    m_process.setProcessEnvironment(environment);
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    // The kiosk shell starts no helper clients (panel, on-screen keyboard),
    // and no weston.ini of the machine is read.
    m_process.start(QStringLiteral("weston"),
                    {QStringLiteral("--backend=headless-backend.so"), QStringLiteral("--use-pixman"),
                     QStringLiteral("--shell=kiosk-shell.so"), QStringLiteral("--no-config"),
                     QStringLiteral("--idle-time=0"), QStringLiteral("--socket=") + m_socketName});
    if (!m_process.waitForStarted(static_cast<int>(serverStartLimit.count()))) {
        *error = QStringLiteral("weston could not be started: ") + m_process.errorString();
        return false;
    }
    const QString socket = QDir(m_runtimeDir.path()).filePath(m_socketName);
    const bool listening = waitUntil(
        [&] { return QFileInfo::exists(socket) || m_process.state() == QProcess::NotRunning; }, serverStartLimit);
    if (listening && m_process.state() == QProcess::Running)
        return true;
    *error = QStringLiteral("weston did not open its socket:\n") + QString::fromLocal8Bit(m_process.readAll());
    return false;
}

} // namespace e2e
