#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QSize>
#include <QString>

namespace e2e {

// A private X server of its own on the first free display number, so that
// tests can run side by side. Ended when the object goes.
class XvfbServer
{
public:
    XvfbServer() = default;
    ~XvfbServer();
    XvfbServer(const XvfbServer &) = delete;
    XvfbServer &operator=(const XvfbServer &) = delete;

    // Starts the server and waits until it accepts clients.
    bool start(QSize screen, QString *error);
    QString display() const { return m_display; }   // ":N"
    // The environment the X tools run in: this display, a UTF-8 locale.
    QProcessEnvironment toolEnvironment() const;

private:
    QProcess m_process;
    QString m_display;
};

} // namespace e2e
