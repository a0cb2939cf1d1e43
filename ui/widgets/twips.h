#pragma once

// Window layouts are given in twips, 1/1440 inch: 15 twips make one
// device-independent pixel, so the layout scales with the screen.

#include <QRect>
#include <cmath>

namespace tarvelle::widgets {

inline constexpr int kTwipsPerPixel = 15;

inline int twipsToPixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

struct TwipRect {
    int left;
    int top;
    int width;
    int height;

    QRect toPixels() const {
        return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                twipsToPixels(height)};
    }
};

}  // namespace tarvelle::widgets
