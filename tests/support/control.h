#pragma once

#include "runtime/form_description.h"

#include <QString>

#include <optional>

// The controls of the conversion window that tests act on, in the window's
// focus order; the caption takes no focus and comes last.
enum class Control { Degrees, Minutes, Seconds, Result, Copier, Caption };

// The control as the window's description lays it out.
const runtime::ControlDescription &describedControl(Control control);

// Its object name in the running window: "Text1(0)", "Text2", "Command1".
QString objectNameOf(Control control);

// The control a scenario names in words: "degrees", "minutes", "seconds",
// "result", "copier" or "caption".
std::optional<Control> controlNamed(const QString &word);
