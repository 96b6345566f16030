#pragma once
// Layout unit of every screen table: twips, 1/1440 inch. At the design resolution
// 15 twips make one pixel. Rectangles stay in twips everywhere in the program;
// toPixels() below is the one place where they become pixels.
#include <QRect>
#include <QSize>

namespace ayat {

inline constexpr int kTwipsPerPixel = 15;

struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    constexpr int right() const { return left + width; }
    constexpr int bottom() const { return top + height; }
    constexpr bool operator==(const Twips&) const = default;
};

// Twips to pixels, rounding to the nearest pixel.
constexpr int pixels(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

inline QRect toPixels(const Twips& r)
{
    return QRect(pixels(r.left), pixels(r.top), pixels(r.width), pixels(r.height));
}

inline QSize toPixels(int widthTwips, int heightTwips) { return QSize(pixels(widthTwips), pixels(heightTwips)); }

}  // namespace ayat
