#pragma once
// Positions and sizes kept in twips (the settings store, the window's design) against the
// pixels Qt works in: 15 twips to the pixel.
#include <cmath>

namespace Twips {

constexpr int kPerPixel = 15;

// Nearest pixel, halves to even.
inline int ToPixels(double twips) { return static_cast<int>(std::nearbyint(twips / kPerPixel)); }
constexpr double FromPixels(int pixels) { return static_cast<double>(pixels) * kPerPixel; }

}  // namespace Twips
