#include "runtime/script_shell.h"

#include "runtime/runtime_error.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMetaObject>
#include <QWidget>

#include <string>

namespace runtime {
namespace {

void pressTabOnFocusedControl()
{
    QWidget *focused = QApplication::focusWidget();
    if (!focused)
        return;   // no window of ours is active: the keystroke goes elsewhere
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
    QApplication::sendEvent(focused, &press);
    if (QWidget *nowFocused = QApplication::focusWidget()) {
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
        QApplication::sendEvent(nowFocused, &release);
    }
}

} // namespace

void ScriptShell::SendKeys(std::string_view keys) const
{
    if (keys != "{Tab}")
        throw RuntimeError(errors::invalidCall,
                           std::string(errors::invalidCallText) + " (SendKeys \"" + std::string(keys) + "\")");
    // Queued behind the events already waiting, as a synthesised keystroke is.
    QMetaObject::invokeMethod(qApp, &pressTabOnFocusedControl, Qt::QueuedConnection);
}

} // namespace runtime
