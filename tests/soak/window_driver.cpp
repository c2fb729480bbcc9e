#include "window_driver.h"

#include "form1_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

QWidget *widgetOf(const Form1Fixture &fixture, Control control)
{
    return fixture.window()->findChild<QWidget *>(objectNameOf(control));
}

namespace {

int click(const Form1Fixture &fixture, const UserEvent &event)
{
    QWidget *target = widgetOf(fixture, event.control);
    const int x = 2 + (target->width() - 5) * event.permille / 1000;
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, QPoint(x, target->height() / 2));
    if (auto *edit = qobject_cast<QLineEdit *>(target))
        return edit->cursorPosition();
    return 0;
}

} // namespace

int perform(const Form1Fixture &fixture, const UserEvent &event)
{
    QWidget *focused = QApplication::focusWidget();
    int cursor = 0;
    switch (event.kind) {
    case UserEvent::Kind::Type:
        QTest::keyClick(focused, event.character.toLatin1());
        break;
    case UserEvent::Kind::Enter:
        QTest::keyClick(focused, Qt::Key_Return);
        break;
    case UserEvent::Kind::Escape:
        QTest::keyClick(focused, Qt::Key_Escape);
        break;
    case UserEvent::Kind::Tab:
        QTest::keyClick(focused, Qt::Key_Tab);
        break;
    case UserEvent::Kind::Backspace:
        QTest::keyClick(focused, Qt::Key_Backspace);
        break;
    case UserEvent::Kind::Space:
        QTest::keyClick(focused, Qt::Key_Space);
        break;
    case UserEvent::Kind::ClickCopier:
        QTest::mouseClick(fixture.copyButton(), Qt::LeftButton);
        break;
    case UserEvent::Kind::Paste:
        if (!event.pasteCurrent)
            QApplication::clipboard()->setText(event.text);
        QTest::keyClick(focused, Qt::Key_V, Qt::ControlModifier);
        break;
    case UserEvent::Kind::Click:
        cursor = click(fixture, event);
        break;
    }
    QCoreApplication::processEvents();
    return cursor;
}
