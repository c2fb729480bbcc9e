#pragma once

#include <QString>

// The decimal separator of this run's system locale, the one dms2dd shows:
// "," under a French locale, "." under C.
QString systemDecimalSeparator();

// An expected text written with "." as its decimal separator, as this run
// shows it.
QString localised(QString expected);
