#pragma once

#include <QImage>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>

#include <optional>
#include <utility>

namespace e2e {

struct WindowState
{
    QRect geometry;   // client area on the screen, in device pixels
    bool viewable = false;
};

// Looks at the windows of one X display with xdotool, xwininfo and import,
// as a person's tools see them.
class XScreen
{
public:
    explicit XScreen(QProcessEnvironment toolEnvironment) : m_environment(std::move(toolEnvironment)) {}

    // The id of the mapped window of process pid whose WM_NAME matches the
    // regular expression, if there is one yet.
    std::optional<QString> findWindow(qint64 pid, const QString &namePattern, QString *error) const;
    std::optional<WindowState> windowState(const QString &windowId, QString *error) const;
    // A window property as xprop prints it ("WM_NORMAL_HINTS(WM_SIZE_HINTS): ...").
    std::optional<QString> property(const QString &windowId, const QString &name, QString *error) const;
    // The whole screen, grabbed with ImageMagick's import.
    std::optional<QImage> screenshot(QString *error) const;

private:
    QProcessEnvironment m_environment;
};

} // namespace e2e
