#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

namespace e2e {

// The controls a person clicks in the conversion window.
enum class Control { Degrees, Minutes, Seconds, Result, Copier };

// The window's client area and where its controls sit in it, in logical
// pixels: the device pixels at scale 1.
inline constexpr QSize logicalClientSize{337, 189};
QRect logicalGeometry(Control control);

// A point of bare window background, away from every control and label.
inline constexpr QPoint logicalBackgroundPoint{168, 100};

// "degrees", "minutes", "seconds", "result", "copier".
std::optional<Control> controlNamed(const QString &name);

} // namespace e2e
