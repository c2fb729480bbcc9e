#include "screen_pixels.h"

namespace e2e {

int redPixels(const QImage &screen, const QRect &area)
{
    int count = 0;
    const QRect inside = area.intersected(screen.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QRgb pixel = screen.pixel(x, y);
            if (qRed(pixel) >= 200 && qGreen(pixel) <= 60 && qBlue(pixel) <= 60)
                ++count;
        }
    }
    return count;
}

QColor colourAt(const QImage &screen, QPoint point)
{
    return QColor(screen.pixel(point));
}

} // namespace e2e
