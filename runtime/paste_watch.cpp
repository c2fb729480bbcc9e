#include "runtime/paste_watch.h"

#include <QAction>
#include <QApplication>
#include <QChildEvent>
#include <QClipboard>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

namespace runtime {
namespace {

QString clipboardText(QClipboard::Mode mode)
{
    const QClipboard *board = QApplication::clipboard();
    return board ? board->text(mode) : QString();
}

// The menu action the line edit wired to its own paste() slot, now unwired;
// false for any other action. The toolkit wires it with the string-based
// connect, so that is the form that finds it; the member-pointer form covers
// a toolkit that wires it that way.
bool unwirePaste(QAction *action, QLineEdit *edit)
{
    return QObject::disconnect(action, &QAction::triggered, edit, &QLineEdit::paste) ||
           QObject::disconnect(action, SIGNAL(triggered()), edit, SLOT(paste())) ||
           QObject::disconnect(action, SIGNAL(triggered(bool)), edit, SLOT(paste()));
}

} // namespace

PasteWatch::PasteWatch(QLineEdit *edit, Offer offer) : QObject(edit), m_edit(edit), m_offer(std::move(offer))
{
    m_edit->installEventFilter(this);
}

bool PasteWatch::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_edit || m_edit->isReadOnly())
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        return keyPress(*static_cast<QKeyEvent *>(event));
    case QEvent::MouseButtonRelease:
        return mouseRelease(*static_cast<QMouseEvent *>(event));
    case QEvent::Drop:
        return drop(*static_cast<QDropEvent *>(event));
    case QEvent::ChildPolished:
        // The edit's standard context menu is its child, polished as it pops up.
        if (auto *menu = qobject_cast<QMenu *>(static_cast<QChildEvent *>(event)->child()))
            takeOverPasteAction(*menu);
        return false;
    default:
        return false;
    }
}

bool PasteWatch::keyPress(const QKeyEvent &event) const
{
    if (!event.matches(QKeySequence::Paste))
        return false;
    // Ctrl+Shift+Insert pastes the primary selection under some desktops'
    // key schemes: that one goes on to the edit untouched.
    if (event.key() == Qt::Key_Insert && event.modifiers() == (Qt::ControlModifier | Qt::ShiftModifier))
        return false;
    return m_offer(clipboardText(QClipboard::Clipboard));
}

bool PasteWatch::mouseRelease(const QMouseEvent &event) const
{
    const QClipboard *board = QApplication::clipboard();
    if (event.button() != Qt::MiddleButton || !board || !board->supportsSelection())
        return false;
    if (!m_offer(board->text(QClipboard::Selection)))
        return false;
    m_edit->deselect();
    return true;
}

bool PasteWatch::drop(QDropEvent &event) const
{
    const QMimeData *data = event.mimeData();
    if (!data || !data->hasText() || !m_offer(data->text()))
        return false;
    // Copied, never moved: a text dragged from elsewhere in the edit stays.
    event.setDropAction(Qt::CopyAction);
    event.accept();
    // The edit showed a drop caret while the text hovered; the drop ends it.
    QDragLeaveEvent leave;
    QCoreApplication::sendEvent(m_edit, &leave);
    return true;
}

void PasteWatch::takeOverPasteAction(QMenu &menu) const
{
    for (QAction *action : menu.actions()) {
        // Wired with the edit as context, so that a second polish unwires
        // this connection as well and the action is never wired twice.
        if (unwirePaste(action, m_edit) || action->property("pasteOffered").toBool()) {
            QObject::disconnect(action, &QAction::triggered, m_edit, nullptr);
            QObject::connect(action, &QAction::triggered, m_edit, [this] { pasteFromMenu(); });
            action->setProperty("pasteOffered", true);
        }
    }
}

void PasteWatch::pasteFromMenu() const
{
    if (!m_offer(clipboardText(QClipboard::Clipboard)))
        m_edit->paste();
}

} // namespace runtime
