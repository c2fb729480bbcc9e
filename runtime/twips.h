#pragma once

namespace runtime {

// Window descriptions measure in twips (1/1440 inch). At 96 logical dots per
// inch a logical pixel is 15 twips; Qt scales logical pixels to the screen.
inline constexpr int twipsPerPixel = 15;

constexpr int pixelsFromTwips(int twips)
{
    return (twips + twipsPerPixel / 2) / twipsPerPixel;
}

} // namespace runtime
