#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

namespace e2e {

// How many pixels of the area a person would call pure red: a refused
// value's text. Anti-aliased edges blend into the field and do not count.
int redPixels(const QImage &screen, const QRect &area);

// The colour of one pixel of the screen.
QColor colourAt(const QImage &screen, QPoint point);

} // namespace e2e
