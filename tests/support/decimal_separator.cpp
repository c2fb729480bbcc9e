#include "decimal_separator.h"

#include <QLocale>

QString systemDecimalSeparator()
{
    return QLocale::system().decimalPoint();
}

QString localised(QString expected)
{
    return expected.replace(QLatin1Char('.'), systemDecimalSeparator());
}
