#pragma once

#include <functional>

class QFont;
class QFontMetricsF;

namespace runtime {

// How much of its box a text fills when drawn with the given metrics: 1 when
// it just fits, more when it would be cut.
using BoxFill = std::function<double(const QFontMetricsF &)>;

// The font at the largest point size, from the designed font's own down to
// the floor, at which the text fills no more than its box: the designed font
// itself when the text fits it, the floor when no size fits. Sizes go down
// in quarter points.
QFont fittedFont(const QFont &designed, double floorPoints, const BoxFill &fill);

} // namespace runtime
