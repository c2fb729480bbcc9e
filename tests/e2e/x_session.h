#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <chrono>
#include <memory>
#include <optional>
#include <vector>

namespace e2e {

struct WindowState
{
    QRect geometry;   // client area on the screen, in device pixels
    bool viewable = false;
};

// How a tool run on the display ended.
struct ToolResult
{
    bool started = false;
    bool finished = false;   // false: still running at the limit, and killed
    int exitCode = -1;
    QByteArray out;
    QByteArray err;

    bool succeeded() const { return finished && exitCode == 0; }
};

// A private X server with no window manager, on a display number the
// server picks itself so that tests can run side by side, and the tools a
// person's desktop would use on it: xdotool for the mouse and keyboard,
// xwininfo and xprop to look at windows, ImageMagick's import for the
// screen, xclip for the CLIPBOARD selection. The server, and every program
// the session left running, end when it goes.
//
// Calls that can fail return false or an empty optional and leave the
// reason in failure().
class XSession
{
public:
    XSession() = default;
    ~XSession();
    XSession(const XSession &) = delete;
    XSession &operator=(const XSession &) = delete;

    // Starts Xvfb and waits until it accepts clients.
    bool start(QSize screen = {1024, 768});
    QString display() const { return m_display; }   // ":N"
    // The environment for programs on this display: its DISPLAY, no
    // XAUTHORITY or WAYLAND_DISPLAY of the machine, a UTF-8 locale.
    QProcessEnvironment environment() const { return m_environment; }

    // Runs a tool on the display to its end, or kills it at the limit: a
    // tool that hangs never hangs the test. Does not record a failure.
    ToolResult run(const QString &program, const QStringList &arguments, const QByteArray &input = {}) const;

    // The id of the mapped window of process pid whose WM_NAME matches the
    // regular expression, if there is one yet; not there yet is no failure.
    std::optional<QString> findWindow(qint64 pid, const QString &namePattern);
    std::optional<WindowState> windowState(const QString &windowId);
    // A window property as xprop prints it ("WM_NORMAL_HINTS(WM_SIZE_HINTS): ...").
    std::optional<QString> windowProperty(const QString &windowId, const QString &name);
    // The whole screen.
    std::optional<QImage> screenshot();
    // One window's client area alone: quicker, for checks made often.
    std::optional<QImage> windowShot(const QString &windowId);

    // With no window manager the keyboard goes to the window under the
    // pointer. point is in device pixels, from the window's top-left corner.
    bool click(const QString &windowId, QPoint point);
    bool type(const QString &text);
    // One key or chord by its X name: "Return", "ctrl+v".
    bool key(const QString &keys);

    // The text on the clipboard as UTF-8. When no program offers text that
    // reads as the empty text, since pasting gives nothing either way.
    std::optional<QString> clipboard();
    // Puts text on the clipboard the way another program would: an xclip
    // that owns the selection until someone else takes it. True once the
    // text reads back.
    bool offer(const QString &text);
    // Reads until the clipboard holds expected or the limit passes; returns
    // the last text read, or a description of xclip's failure.
    QString clipboardOnceItHolds(const QString &expected, std::chrono::milliseconds limit);

    // Records why something failed; always false, so that a caller can
    // return it.
    bool fail(const QString &why);
    const char *failure() const { return m_failure.constData(); }

private:
    bool xdotool(const QStringList &arguments);
    bool failed(const QString &program, const ToolResult &result);

    QProcess m_server;
    QString m_display;
    QProcessEnvironment m_environment;
    std::vector<std::unique_ptr<QProcess>> m_clipboardOwners;
    QByteArray m_failure;
};

} // namespace e2e
