#include <QPainter>
#include "pictures.h"
namespace ayat::art {
QImage drawBookEmblem(bool transparentCorners)
{
    QImage img(120, 82, QImage::Format_ARGB32);
    img.fill(QColor(0xBF, 0xBF, 0xBF));
    (void)transparentCorners;
    return img;
}
} // namespace ayat::art
