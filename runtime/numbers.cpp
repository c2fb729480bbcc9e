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

double readNumber(const Text &text)
{
    return number::readNumber(text);
}

std::optional<number::WholeAngle> readWholeAngle(const Text &text)
{
    return number::readWholeAngle(text);
}

Text textOf(double value)
{
    return number::numberText(value, systemDecimalSeparator());
}

} // namespace runtime
