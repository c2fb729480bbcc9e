#include "runtime/numbers.h"

#include "number/number_reading.h"
#include "number/number_text.h"

#include <QLocale>

namespace runtime {
namespace {

// The reading only knows "." and ",": a locale with another separator gets
// ".", so that whatever is shown reads back.
char systemDecimalSeparator()
{
    return QLocale::system().decimalPoint() == QStringLiteral(",") ? ',' : '.';
}

} // namespace

double readNumber(const std::string &text)
{
    return number::readNumber(text);
}

std::optional<number::WholeAngle> readWholeAngle(const std::string &text)
{
    return number::readWholeAngle(text);
}

std::string textOf(double value)
{
    return number::numberText(value, systemDecimalSeparator());
}

} // namespace runtime
