#pragma once

#include <QString>
#include <QStringList>

namespace e2e {

class ConversionSession;

// Carries out one step of a scenario, written as a person's action:
//   "click degrees|minutes|seconds|result|copier|background"
//   "type <text>"      the rest of the line, spaces included
//   "key <keys>"       an X key name or chord: "Return", "ctrl+v"
//   "offer <text>"     another program puts text on the clipboard
bool performStep(ConversionSession &session, const QString &step, QString *error);

// Carries out the steps in turn; stops at the first that fails, and names it.
bool performSteps(ConversionSession &session, const QStringList &steps, QString *error);

} // namespace e2e
