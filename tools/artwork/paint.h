#pragma once
// The painting toolkit that the pictures share: colours, gradients, outlined
// bodies lit from the upper left, smooth paths through points, and small motifs;
// and the one way a drawing leaves premultiplied alpha.
#include <QImage>

namespace ayat::art {

// A premultiplied channel c of a pixel with alpha a (0 < a < 255, c <= a) as its
// straight value: c * 255 / a rounded to the nearest whole number, a half to the
// even one. Exact integer arithmetic, the same on every processor.
int unpremultipliedChannel(int c, int a);

// The image in QImage::Format_ARGB32, converted with unpremultipliedChannel.
// Qt's own conversion divides by alpha with the processor's approximate
// reciprocal, so that a channel exactly halfway between two values comes out
// as either, depending on the processor; every other value is the same.
QImage straightAlpha(const QImage& image);

} // namespace ayat::art
