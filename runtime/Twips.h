#pragma once

#include <cmath>

namespace runtime {

// Layouts are in twips; Qt works in device-independent pixels, which Qt's
// own high-DPI scaling maps to the screen. 15 twips make one pixel at 96 dpi.
inline constexpr double kTwipsPerPixel = 15.0;

inline int TwipsToPixels(double twips)
{
    return int(std::lround(twips / kTwipsPerPixel));
}

inline float PixelsToTwips(int pixels)
{
    return float(pixels * kTwipsPerPixel);
}

// Points to pixels at 96 dpi, so that text keeps its size against the layout
// whatever the screen's logical dpi.
inline int PointsToPixels(double points)
{
    return int(std::lround(points * 96.0 / 72.0));
}

} // namespace runtime
