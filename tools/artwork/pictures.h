#pragma once
// The pictures that the generator draws itself (see art.h: drawPicture).
#include <string_view>

#include <QImage>
#include <QRect>
#include <QString>

namespace ayat::art {

// titles.cpp: the title artwork, two lines on green (CommandButton9) or one line
// on grey (splashtitle).
QImage drawTitle(std::string_view key, QSize size);
// emblem.cpp: the book emblem, 120 x 82; with transparent corners (exactly 399
// pixels of alpha 0) or with grey #BFBFBF corners. Every other pixel is opaque.
QImage drawBookEmblem(bool transparentCorners);
// background.cpp: the home background picture.
QImage drawHomeBackground(QSize size);

// pictures.cpp: helpers shared by the pieces.
QString arabicIndicNumber(int n);
QString basmala();  // from content/verses.json
// The bounding box of the pixels with alpha above 8 (empty if none).
void inkBounds(const QImage& img, QRect* bounds);

} // namespace ayat::art
