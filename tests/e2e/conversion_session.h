#pragma once

#include "form1_layout.h"
#include "x_clipboard.h"
#include "x_input.h"
#include "x_screen.h"
#include "xvfb_server.h"

#include <QByteArray>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <memory>
#include <optional>

namespace e2e {

struct SessionOptions
{
    QString locale = QStringLiteral("C");
    int scale = 1;   // QT_SCALE_FACTOR
};

// One run of the built dms2dd as a person meets it: a private X server with
// no window manager, the program started on it, its "Form1" window found.
// Whatever the session started is ended when it goes; if the test failed,
// it first keeps a screenshot and prints what the program wrote.
//
// Calls that can fail return false and leave the reason in failure().
class ConversionSession
{
public:
    ConversionSession();
    ~ConversionSession();
    ConversionSession(const ConversionSession &) = delete;
    ConversionSession &operator=(const ConversionSession &) = delete;

    bool start(const SessionOptions &options);

    // A person's actions. Each is followed by the person's pace.
    bool click(Control control);
    // A click on the bare window background, as a person clicks a window to
    // bring it forward: with no window manager, that is what makes it the
    // active window without moving the focus inside it.
    bool clickBackground();
    bool type(const QString &text);
    bool key(const QString &keys);
    // Puts text on the clipboard as another program would.
    bool offer(const QString &text);

    // Reads the clipboard until it holds expected, within the clipboard
    // limit; returns the last text read.
    QString clipboardOnceItHolds(const QString &expected) const;

    bool isRunning() const;
    std::optional<WindowState> windowState();
    std::optional<QString> windowProperty(const QString &name);
    std::optional<QImage> screenshot();
    // Where a control, or a logical point of the window, is in device pixels.
    QRect deviceGeometry(Control control) const;
    QPoint devicePoint(QPoint logical) const;
    QString programOutput();

    const char *failure() const { return m_failure.constData(); }

private:
    bool fail(const QString &why);
    bool paced(bool done);
    void keepEvidence();

    QTemporaryDir m_runtimeDir;
    XvfbServer m_server;
    std::optional<XInput> m_input;
    std::optional<XScreen> m_screen;
    std::unique_ptr<XClipboard> m_clipboard;
    QProcess m_program;
    QString m_windowId;
    int m_scale = 1;
    QByteArray m_output;
    QByteArray m_failure;
};

} // namespace e2e
