#pragma once

#include <QPoint>
#include <QProcessEnvironment>
#include <QString>

#include <utility>

namespace e2e {

// A person's mouse and keyboard on one X display, through xdotool. With no
// window manager the keyboard goes to the window under the pointer.
class XInput
{
public:
    explicit XInput(QProcessEnvironment toolEnvironment) : m_environment(std::move(toolEnvironment)) {}

    // point is in device pixels, from the window's top-left corner.
    bool click(const QString &windowId, QPoint point, QString *error) const;
    bool type(const QString &text, QString *error) const;
    // One key or chord by its X name: "Return", "ctrl+v".
    bool key(const QString &keys, QString *error) const;

private:
    bool xdotool(const QStringList &arguments, QString *error) const;

    QProcessEnvironment m_environment;
};

} // namespace e2e
