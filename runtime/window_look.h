#pragma once

namespace runtime {

// The application's own look, the same on every desktop: whatever widget
// style and colour scheme the desktop hands the application, its windows,
// their controls and the controls' context menus are drawn in the Fusion
// style (built into the toolkit, so nothing is loaded for it) with every
// colour role of every colour group taken from the system colour table, the
// window background being the button face. Inactive and active windows look
// alike; disabled controls write in grey text on the button face. Text
// without a font of its own is in the default control font.
//
// Set once on the application, after it is made and before any window.
void setApplicationLook();

} // namespace runtime
