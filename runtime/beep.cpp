#include "runtime/beep.h"

#include <QApplication>

namespace runtime {
namespace {
unsigned long beeps = 0;
}

void beep()
{
    ++beeps;
    QApplication::beep();
}

unsigned long beepCount()
{
    return beeps;
}

} // namespace runtime
