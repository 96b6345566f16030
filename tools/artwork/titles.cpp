#include <QPainter>
#include "pictures.h"
namespace ayat::art {
QImage drawTitle(std::string_view key, QSize size)
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(key == "splashtitle" ? QColor(0xC0, 0xC0, 0xC0) : QColor(0x04, 0x82, 0x04));
    return img;
}
} // namespace ayat::art
