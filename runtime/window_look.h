#pragma once

#include "runtime/colour.h"

class QPalette;
class QStyle;

namespace runtime {

// The window's own look, the same on every desktop: whatever widget style
// and colour scheme the desktop hands the application, the window is drawn
// with these two.

// The Fusion style (built into the toolkit, so nothing is loaded for it),
// made once and owned by the application.
QStyle *windowStyle();

// Every colour role of every colour group taken from the system colour
// table, with the given window background. Set on a window, it leaves no
// role for the desktop's scheme to fill; inactive and active windows look
// alike.
QPalette windowPalette(Colour backColor);

} // namespace runtime
