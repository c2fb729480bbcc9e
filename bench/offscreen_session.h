#pragma once

class QLineEdit;
class QSize;
class QWidget;

// What the offscreen window benchmarks share.

// A runtime error ends the run with its message on stderr: offscreen, the
// modal message box would stall it.
void stopOnRuntimeError();

// Makes `window` the active window and gives `edit` the focus, as a user's
// click would before typing or pasting.
void focusField(QWidget *window, QLineEdit *edit);

// The floor's field: a bare QLineEdit, where the conversion window has its
// degrees field, whose change handler does nothing, in floorWindow sized as
// the conversion window and shown.
QLineEdit *showBareField(QWidget &floorWindow, QSize windowSize);
