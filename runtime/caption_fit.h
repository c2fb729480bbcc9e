#pragma once

class QLabel;
class QPushButton;

namespace runtime {

// A caption is fixed text: drawn cut, it reads as another word (a missing
// face, a wider fallback or the desktop's font settings can make it wider
// than its box). These give a caption too wide or too tall for its control
// the largest smaller font that shows it whole, down to six points, the
// smallest size the window's design uses; a caption that fits keeps its font.
void fitCaption(QLabel *label);
void fitCaption(QPushButton *button);

} // namespace runtime
