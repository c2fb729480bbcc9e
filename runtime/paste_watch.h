#pragma once

#include <QObject>

#include <functional>

class QDropEvent;
class QKeyEvent;
class QLineEdit;
class QMenu;
class QMouseEvent;
class QString;

namespace runtime {

// Sees every way a text can be pasted into a line edit before the edit
// takes it: the keyboard's paste keys (Ctrl+V, Shift+Insert), the context
// menu's Paste, the middle button's primary selection, and a text dropped
// on it. Each is offered first; an offer that is taken is the end of that
// paste, and any other goes on into the field as the toolkit pastes it.
class PasteWatch : public QObject
{
public:
    // Returns true when it took the text.
    using Offer = std::function<bool(const QString &text)>;

    PasteWatch(QLineEdit *edit, Offer offer);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool keyPress(const QKeyEvent &event) const;
    bool mouseRelease(const QMouseEvent &event) const;
    bool drop(QDropEvent &event) const;
    void takeOverPasteAction(QMenu &menu) const;
    void pasteFromMenu() const;

    QLineEdit *m_edit;
    Offer m_offer;
};

} // namespace runtime
