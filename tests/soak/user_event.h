#pragma once

#include "control.h"

#include <QChar>
#include <QString>

class RandomSource;

// One thing a user does to the window.
struct UserEvent
{
    enum class Kind {
        Type,           // a printable character key
        Enter,
        Escape,
        Tab,
        Backspace,
        Space,          // types a blank, or presses the focused button
        ClickCopier,
        Paste,          // Ctrl+V, after putting `text` on the clipboard unless `pasteCurrent`
        Click,          // a click on `control`, `permille` of the way across it
    };

    Kind kind = Kind::Type;
    QChar character;
    QString text;
    bool pasteCurrent = false;
    Control control = Control::Degrees;
    int permille = 0;
};

UserEvent randomUserEvent(RandomSource &random);

// One line a person can replay by hand.
QString describe(const UserEvent &event);
