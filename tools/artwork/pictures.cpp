#include <QPainter>

#include "art.h"
#include "assets/catalogue.h"

namespace ayat::art {

QImage drawPicture(std::string_view key)
{
    const auto a = findAsset(key);
    QImage img(a ? a->size : QSize(1, 1), QImage::Format_ARGB32);
    img.fill(key == "placeholder" ? QColor(0xE0, 0xC0, 0x8F) : QColor(0xE0, 0xCF, 0x90));
    return img;
}

} // namespace ayat::art
