#pragma once

class QWidget;

namespace runtime {

// Tells a screen reader the window's accessible description once, when the
// window first becomes active, where the screen reader does not read it
// itself: Orca 48, which comes with Qt 6.8, says only a window's name when
// it appears, where Orca 43 (with Qt 6.4) also says its description. Does
// nothing in builds on an older Qt.
void announceDescriptionWhenFirstActive(QWidget *window);

} // namespace runtime
