#include "runtime/key_ascii.h"

#include <QKeyEvent>

namespace runtime {

std::optional<std::int16_t> keyAsciiOf(const QKeyEvent &event)
{
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return keyEnter;
    case Qt::Key_Escape:
        return keyEscape;
    default:
        break;
    }
    const QString typed = event.text();
    if (typed.isEmpty())
        return std::nullopt;
    return static_cast<std::int16_t>(typed.front().unicode());
}

} // namespace runtime
