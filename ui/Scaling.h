#pragma once

#include <QRect>

// The window is described for 96 pixels per inch and a 13-pixel text line. These adapt that
// description, once, to the screen and font the window actually gets.
namespace scaling {

inline constexpr double designDpi = 96.0;
inline constexpr int designLineHeight = 13;

// A point size of the description as a pixel height at the given density, rounded as the
// description's own 8 points became 11 pixels.
[[nodiscard]] int fontPixelSize(double pointSize, double dpi);

// Scales the rectangle's edges, not its size, by actual / designLineHeight, so that neighbouring
// controls keep sharing their edges after rounding.
[[nodiscard]] QRect scaledToLineHeight(const QRect& rect, int actualLineHeight);

} // namespace scaling
