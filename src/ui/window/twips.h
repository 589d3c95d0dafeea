#pragma once

#include <cmath>

// Positions the settings and the about window keep in twips, the old desktop's screen unit:
// 15 to a pixel, so values stored by earlier versions still mean the same place.
namespace Twips {

constexpr int PerPixel = 15;

inline int toPixels(double twips)
{
    return static_cast<int>(std::lround(twips / PerPixel));
}
inline double fromPixels(int pixels)
{
    return static_cast<double>(pixels) * PerPixel;
}

} // namespace Twips
