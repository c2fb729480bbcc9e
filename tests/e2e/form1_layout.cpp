#include "form1_layout.h"

#include <array>

namespace e2e {
namespace {

struct PlacedControl
{
    Control control;
    const char *name;
    QRect geometry;
};

constexpr std::array placedControls{
    PlacedControl{Control::Degrees, "degrees", QRect(16, 64, 81, 24)},
    PlacedControl{Control::Minutes, "minutes", QRect(120, 64, 81, 24)},
    PlacedControl{Control::Seconds, "seconds", QRect(216, 64, 81, 24)},
    PlacedControl{Control::Result, "result", QRect(24, 112, 201, 33)},
    PlacedControl{Control::Copier, "copier", QRect(248, 112, 65, 33)},
};

} // namespace

QRect logicalGeometry(Control control)
{
    for (const PlacedControl &placed : placedControls) {
        if (placed.control == control)
            return placed.geometry;
    }
    return {};
}

std::optional<Control> controlNamed(const QString &name)
{
    for (const PlacedControl &placed : placedControls) {
        if (name == QLatin1String(placed.name))
            return placed.control;
    }
    return std::nullopt;
}

} // namespace e2e
