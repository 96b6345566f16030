#pragma once
// The pictures that the generator draws itself (see art.h: drawPicture).
#include <string_view>

#include <QImage>
#include <QRect>
#include <QString>

namespace ayat::art {

// titles.cpp: the title artwork, two lines on green (CommandButton9) or one line
// on grey (splashtitle).
QImage drawTitle(std::string_view key, QSize size, int scale = 1);
// emblem.cpp: the book emblem, 120 x 82; with transparent corners (exactly 399
// pixels of alpha 0) or with grey #BFBFBF corners. Every other pixel is opaque.
// At a larger scale the corners' edge is smooth.
QImage drawBookEmblem(bool transparentCorners, int scale = 1);
// background.cpp: the home background picture.
QImage drawHomeBackground(QSize size, int scale = 1);

// pictures.cpp: the item pictures. The verse of picture `key` on its parchment
// card, at `scale` (1 or 2) device pixels per card pixel: scale 2 is the same
// setting, line for line and position for position, drawn natively at twice the
// size. Throws (naming the code point) if any character of the verse has no
// glyph in the Quran font, if the ink of two lines comes closer than one clear
// pixel, or if a mark lies nearer to another line than to its own (naming the
// mark, its word and the scale; see mark_distance.h). `facts`, if given,
// receives the font size in device pixels, the number of lines, the smallest
// gap in clear pixel rows (-1 for one line) and the mark nearest to another
// line: its ratio (0 where no mark has another line) and a description.
struct CardFacts {
    double pixelSize = 0;
    int lines = 0;
    int smallestGap = -1;
    double worstRatio = 0;
    QString worstMark;
};
QImage drawItemCard(std::string_view key, int scale, CardFacts* facts = nullptr);

// pictures.cpp: helpers shared by the pieces.
QString arabicIndicNumber(int n);
QString basmala();  // from content/verses.json
// The bounding box of the pixels with alpha above 8 (empty if none).
void inkBounds(const QImage& img, QRect* bounds);

}  // namespace ayat::art
