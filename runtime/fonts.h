#pragma once

class QFont;

namespace runtime {

struct FontDescription;

// The runtime's default control font: a sans-serif at 8.25 points, small
// enough for captions in 13-pixel labels, whatever the desktop's own font.
QFont defaultControlFont();

// The font a description names. "Sans Serif" is a sans-serif face the
// machine has, "Terminal" a fixed-pitch one; sizes, weights and italics are
// taken as written. An empty face is the default control font.
QFont fontFor(const FontDescription &description);

} // namespace runtime
