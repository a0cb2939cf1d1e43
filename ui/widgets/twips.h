#pragma once

// Window layouts are given in twips, 1/1440 inch: 15 twips make one
// device-independent pixel, so the layout scales with the screen.

#include <QRect>

namespace tarvelle::widgets {

inline constexpr int kTwipsPerPixel = 15;

// To the nearest pixel, halves away from zero.
constexpr int twipsToPixels(int twips) {
    const int half = twips < 0 ? -kTwipsPerPixel / 2 : kTwipsPerPixel / 2;
    return (twips + half) / kTwipsPerPixel;
}

// A rectangle written in twips and held in pixels, worked out as the program
// is compiled: the layout tables carry only what the screen shows.
struct TwipRect {
    constexpr TwipRect(int left, int top, int width, int height)
        : pixels(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height)) {}

    QRect pixels;
};

}  // namespace tarvelle::widgets
