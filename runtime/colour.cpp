#include "runtime/colour.h"

#include <QColor>

#include <array>

namespace runtime {
namespace {

// The system colours this runtime knows, as fixed values rather than the
// desktop theme's, so the window looks the same everywhere. They are the
// classic grey desktop scheme:
//   5  window background   white        (255, 255, 255)
//   8  window text         black        (0, 0, 0)
//   11 inactive border     light grey   (212, 208, 200)
//   15 button face         light grey   (212, 208, 200)
//   18 button text         black        (0, 0, 0)
struct SystemColour
{
    unsigned index;
    QRgb rgb;
};
constexpr std::array<SystemColour, 5> systemColours{{
    {5, qRgb(255, 255, 255)},
    {8, qRgb(0, 0, 0)},
    {11, qRgb(212, 208, 200)},
    {15, qRgb(212, 208, 200)},
    {18, qRgb(0, 0, 0)},
}};

} // namespace

QColor toQColor(Colour colour)
{
    if (colour & systemColourFlag) {
        const unsigned index = colour & ~systemColourFlag;
        for (const SystemColour &entry : systemColours) {
            if (entry.index == index)
                return QColor(entry.rgb);
        }
        return QColor(Qt::black);
    }
    const int red = static_cast<int>(colour & 0xFFu);
    const int green = static_cast<int>((colour >> 8) & 0xFFu);
    const int blue = static_cast<int>((colour >> 16) & 0xFFu);
    return QColor(red, green, blue);
}

} // namespace runtime
