#include "runtime/colour.h"

#include <QColor>

#include <array>

namespace runtime {
namespace {

// The system colours this runtime knows, as fixed values rather than the
// desktop theme's, so the window looks the same everywhere. They are a light
// grey desktop scheme:
//   5  window background   white        (255, 255, 255)
//   8  window text         black        (0, 0, 0)
//   11 inactive border     light grey   (212, 208, 200)
//   13 highlight           navy         (10, 36, 106)
//   14 highlighted text    white        (255, 255, 255)
//   15 button face         light grey   (212, 208, 200)
//   16 button shadow       grey         (128, 128, 128)
//   17 grey text           dark grey    (84, 84, 84)
//   18 button text         black        (0, 0, 0)
//   20 button highlight    white        (255, 255, 255)
//   21 3D dark shadow      dark grey    (64, 64, 64)
//   22 3D light            light grey   (212, 208, 200)
//   23 tooltip text        black        (0, 0, 0)
//   24 tooltip background  pale yellow  (255, 255, 225)
// Grey text, used for disabled entries, is dark enough to keep 4.5:1 on the
// button face: a greyed-out menu entry must still be readable.
struct SystemColour
{
    unsigned index;
    QRgb rgb;
};
constexpr std::array<SystemColour, 14> systemColours{{
    {5, qRgb(255, 255, 255)},
    {8, qRgb(0, 0, 0)},
    {11, qRgb(212, 208, 200)},
    {13, qRgb(10, 36, 106)},
    {14, qRgb(255, 255, 255)},
    {15, qRgb(212, 208, 200)},
    {16, qRgb(128, 128, 128)},
    {17, qRgb(84, 84, 84)},
    {18, qRgb(0, 0, 0)},
    {20, qRgb(255, 255, 255)},
    {21, qRgb(64, 64, 64)},
    {22, qRgb(212, 208, 200)},
    {23, qRgb(0, 0, 0)},
    {24, qRgb(255, 255, 225)},
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
