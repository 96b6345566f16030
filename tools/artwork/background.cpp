#include <QPainter>
#include "pictures.h"
namespace ayat::art {
QImage drawHomeBackground(QSize size)
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(QColor(0x80, 0x60, 0x40));
    return img;
}
} // namespace ayat::art
