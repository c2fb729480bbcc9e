#include "user_event.h"

#include "random_source.h"

#include <array>

namespace {

// Pieces of pasted text: plenty of numbers, the limits of the range check,
// exponents that overflow, and the odd characters users bring from elsewhere.
const std::array<QString, 29> pastePieces{
    QStringLiteral("0"),   QStringLiteral("5"),   QStringLiteral("12"),  QStringLiteral("60"),
    QStringLiteral("61"),  QStringLiteral("999"), QStringLiteral("e"),   QStringLiteral("E"),
    QStringLiteral("e999"), QStringLiteral("e-5"), QStringLiteral("."),  QStringLiteral(","),
    QStringLiteral("-"),   QStringLiteral("+"),   QStringLiteral(" "),   QStringLiteral("\t"),
    QStringLiteral("\u2212"), QStringLiteral("\uff11"), QStringLiteral("x"), QStringLiteral("nan"),
    QStringLiteral("\u200f"), QStringLiteral("\n"), QString(QChar(0)), QStringLiteral("1,5"),
    QStringLiteral("\u00a0"), QStringLiteral("\u202f"), QStringLiteral("\u2013"), QStringLiteral("\u0664"),
    QStringLiteral("\u200b"),
};

// Letters, with the exponent's 'e' and 'E' the likeliest.
const QString letters = QStringLiteral("eeeEEEabxz");

QString randomPasteText(RandomSource &random)
{
    QString text;
    const int pieces = random.below(4);
    for (int i = 0; i < pieces; ++i)
        text += pastePieces[static_cast<std::size_t>(random.below(static_cast<int>(pastePieces.size())))];
    return text;
}

UserEvent typed(QChar character)
{
    UserEvent event;
    event.kind = UserEvent::Kind::Type;
    event.character = character;
    return event;
}

UserEvent key(UserEvent::Kind kind)
{
    UserEvent event;
    event.kind = kind;
    return event;
}

QString visible(const QString &text)
{
    QString shown;
    for (QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7e)
            shown += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return '"' + shown + '"';
}

} // namespace

UserEvent randomUserEvent(RandomSource &random)
{
    const int roll = random.below(100);
    if (roll < 30)
        return typed(QChar(u'0' + random.below(10)));
    if (roll < 36)
        return typed(letters.at(random.below(static_cast<int>(letters.size()))));
    if (roll < 40)
        return typed(u'.');
    if (roll < 44)
        return typed(u',');
    if (roll < 48)
        return typed(u'-');
    if (roll < 50)
        return key(UserEvent::Kind::Space);
    if (roll < 57)
        return key(UserEvent::Kind::Enter);
    if (roll < 60)
        return key(UserEvent::Kind::Escape);
    if (roll < 67)
        return key(UserEvent::Kind::Tab);
    if (roll < 79)
        return key(UserEvent::Kind::Backspace);
    if (roll < 82)
        return key(UserEvent::Kind::ClickCopier);
    if (roll < 90) {
        UserEvent event = key(UserEvent::Kind::Paste);
        event.pasteCurrent = random.below(2) == 0;
        if (!event.pasteCurrent)
            event.text = randomPasteText(random);
        return event;
    }
    UserEvent event = key(UserEvent::Kind::Click);
    // Line edits four times as often as the caption, which takes no focus.
    const int target = random.below(9);
    event.control = target == 8 ? Control::Caption : static_cast<Control>(target / 2);
    event.permille = random.below(1000);
    return event;
}

QString describe(const UserEvent &event)
{
    switch (event.kind) {
    case UserEvent::Kind::Type: return QStringLiteral("type '%1'").arg(event.character);
    case UserEvent::Kind::Enter: return QStringLiteral("Enter");
    case UserEvent::Kind::Escape: return QStringLiteral("Escape");
    case UserEvent::Kind::Tab: return QStringLiteral("Tab");
    case UserEvent::Kind::Backspace: return QStringLiteral("Backspace");
    case UserEvent::Kind::Space: return QStringLiteral("Space");
    case UserEvent::Kind::ClickCopier: return QStringLiteral("click Copier");
    case UserEvent::Kind::Paste:
        return event.pasteCurrent ? QStringLiteral("Ctrl+V (clipboard as it is)")
                                  : QStringLiteral("copy %1 elsewhere, Ctrl+V").arg(visible(event.text));
    case UserEvent::Kind::Click:
        return QStringLiteral("click %1 at %2/1000 of its width").arg(objectNameOf(event.control)).arg(event.permille);
    }
    return {};
}
