#pragma once

#include "control.h"
#include "x_session.h"

#include <QByteArray>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <optional>

namespace e2e {

// The window's client area and where a control sits in it, in logical
// pixels (the device pixels at scale 1), as its description lays them out.
QSize logicalClientSize();
QRect logicalGeometry(Control control);

// A point of bare window background, away from every control and label.
inline constexpr QPoint logicalBackgroundPoint{168, 100};

struct SessionOptions
{
    QString locale = QStringLiteral("C");
    int scale = 1;   // QT_SCALE_FACTOR
    // More variables for the program, set over the session's own.
    QProcessEnvironment environment = {};
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
    ConversionSession() = default;
    ~ConversionSession();
    ConversionSession(const ConversionSession &) = delete;
    ConversionSession &operator=(const ConversionSession &) = delete;

    bool start(const SessionOptions &options);

    // Carries out the steps in turn, each written as a person's action and
    // followed by the person's pace, and stops at the first that fails,
    // naming it. A step whose outcome the next one depends on is done only
    // once the window shows it: a click on a field once the focus is drawn
    // there, Tab, and Enter or Escape through the Tab they queue, once the
    // focus has moved on, a click on the background once the window shows
    // a focus at all. What "Copier" copies is for the caller to wait for.
    // The steps:
    //   "click degrees|minutes|seconds|result|copier|caption"
    //   "click background" a click on bare background, as a person clicks a
    //                      window to bring it forward: with no window
    //                      manager, that makes it the active window without
    //                      moving the focus inside it
    //   "type <text>"      the rest of the line, spaces included
    //   "key <keys>"       an X key name or chord: "Return", "ctrl+v"
    //   "offer <text>"     another program puts text on the clipboard
    bool perform(const QStringList &steps);
    // The "offer" step alone.
    bool offer(const QString &text) { return m_x.offer(text); }

    // Reads the clipboard until it holds expected, within the clipboard
    // limit; returns the last text read.
    QString clipboardOnceItHolds(const QString &expected);

    bool isRunning() const;
    std::optional<WindowState> windowState();
    std::optional<QString> windowProperty(const QString &name);
    std::optional<QImage> screenshot();
    // The control whose frame is drawn in the focus colour, if any: the
    // window draws one only while it is active.
    std::optional<Control> focusShown();
    // Where a control, or a logical point of the window, is in device pixels.
    QRect deviceGeometry(Control control) const;
    QPoint devicePoint(QPoint logical) const;
    QString programOutput();

    // The display, for checks of their own with its tools.
    XSession &x() { return m_x; }
    const char *failure() const { return m_x.failure(); }

private:
    bool performStep(const QString &step);
    std::optional<Control> focusShownOn(const QImage &window) const;
    bool waitForFocus(const std::function<bool(std::optional<Control>)> &expected, const QString &what);
    void keepEvidence();

    QTemporaryDir m_runtimeDir;
    XSession m_x;
    QProcess m_program;
    QString m_windowId;
    int m_scale = 1;
    QByteArray m_output;
};

} // namespace e2e
