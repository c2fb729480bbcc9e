#include "runtime/fitted_font.h"

#include <QFont>
#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace runtime {
namespace {

constexpr double step = 0.25;

QFont atPoints(QFont font, double points)
{
    font.setPointSizeF(points);
    return font;
}

} // namespace

QFont fittedFont(const QFont &designed, double floorPoints, const BoxFill &fill)
{
    const double designedPoints = designed.pointSizeF();
    const double designedFill = fill(QFontMetricsF(designed));
    if (designedFill <= 1.0 || designedPoints <= floorPoints)
        return designed;

    const auto fits = [&](double points) { return fill(QFontMetricsF(atPoints(designed, points))) <= 1.0; };
    const auto snapped = [&](double points) {
        return std::clamp(std::floor(points / step) * step, floorPoints, designedPoints - step);
    };
    // Widths shrink about as the size does, so the search starts near the
    // answer and walks a step or two, down then up.
    double points = snapped(designedPoints / designedFill);
    while (points > floorPoints && !fits(points))
        points = snapped(points - step);
    while (points + step < designedPoints && fits(points + step))
        points += step;
    return atPoints(designed, points);
}

} // namespace runtime
