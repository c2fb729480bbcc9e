#include "expected_text.h"

namespace e2e {

std::optional<QString> decimalSeparatorUnder(const QString &locale)
{
    if (locale.startsWith(QStringLiteral("fr_")))
        return QStringLiteral(",");
    if (locale == QStringLiteral("C") || locale == QStringLiteral("POSIX") || locale.startsWith(QStringLiteral("C.")))
        return QStringLiteral(".");
    return std::nullopt;
}

QString shownUnder(const QString &locale, QString expected)
{
    return expected.replace(QLatin1Char('.'), decimalSeparatorUnder(locale).value_or(QStringLiteral("?")));
}

} // namespace e2e
