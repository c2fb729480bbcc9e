#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace e2e {

// A headless Weston of its own, drawing in memory (pixman), with its socket
// in a private runtime directory. Ended when the object goes.
class WestonServer
{
public:
    WestonServer() = default;
    ~WestonServer();
    WestonServer(const WestonServer &) = delete;
    WestonServer &operator=(const WestonServer &) = delete;

    // Starts the compositor and waits until its socket is there.
    bool start(QString *error);
    QString socketName() const { return m_socketName; }
    QString runtimeDir() const { return m_runtimeDir.path(); }

private:
    QTemporaryDir m_runtimeDir;   // made 0700, as Wayland asks
    QProcess m_process;
    QString m_socketName;
};

} // namespace e2e
