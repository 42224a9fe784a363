#include "Scaling.h"

#include <cmath>

namespace scaling {

namespace {

[[nodiscard]] int scaled(int value, int numerator, int denominator)
{
    return static_cast<int>(std::lround(static_cast<double>(value) * numerator / denominator));
}

} // namespace

int fontPixelSize(double pointSize, double dpi)
{
    const auto designPixels = static_cast<double>(std::lround(pointSize * designDpi / 72.0));
    return static_cast<int>(std::lround(designPixels * dpi / designDpi));
}

QRect scaledToLineHeight(const QRect& rect, int actualLineHeight)
{
    if (actualLineHeight == designLineHeight) {
        return rect;
    }
    const auto edge = [actualLineHeight](int value) {
        return scaled(value, actualLineHeight, designLineHeight);
    };
    const int left = edge(rect.x());
    const int top = edge(rect.y());
    const int right = edge(rect.x() + rect.width());
    const int bottom = edge(rect.y() + rect.height());
    return {left, top, right - left, bottom - top};
}

} // namespace scaling
