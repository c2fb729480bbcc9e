#pragma once

#include "user_event.h"

class Form1Fixture;
class QWidget;

// Does one user event to the real window, as the keyboard, the mouse and
// the clipboard would, then lets the event loop run so that queued
// keystrokes arrive. Returns the cursor position the toolkit chose for a
// click on a line edit, 0 otherwise.
int perform(const Form1Fixture &fixture, const UserEvent &event);

QWidget *widgetOf(const Form1Fixture &fixture, Control control);
