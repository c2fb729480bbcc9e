#pragma once

#include <QString>

#include <optional>

namespace e2e {

// The decimal separator dms2dd shows under the locales the tests run it in:
// "," for French, "." for C. Empty optional for any other locale, whose
// expectations the tests do not know.
std::optional<QString> decimalSeparatorUnder(const QString &locale);

// An expected result written with "." as its decimal separator, as shown
// under locale.
QString shownUnder(const QString &locale, QString expected);

} // namespace e2e
