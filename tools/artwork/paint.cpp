#include "paint.h"

#include <algorithm>

namespace ayat::art {

int unpremultipliedChannel(int c, int a)
{
    const int scaled = c * 255, q = scaled / a, twiceRest = 2 * (scaled % a);
    const bool up = twiceRest > a || (twiceRest == a && q % 2 == 1);
    return std::min(255, up ? q + 1 : q);
}

QImage straightAlpha(const QImage& image)
{
    if (!image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_ARGB32);
    const QImage pm = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage out(pm.size(), QImage::Format_ARGB32);
    out.setDevicePixelRatio(pm.devicePixelRatio());
    for (int y = 0; y < pm.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(pm.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < pm.width(); ++x) {
            const QRgb p = from[x];
            const int a = qAlpha(p);
            if (a == 0 || a == 255)
                to[x] = a == 0 ? 0u : p;
            else
                to[x] = qRgba(unpremultipliedChannel(qRed(p), a), unpremultipliedChannel(qGreen(p), a),
                              unpremultipliedChannel(qBlue(p), a), a);
        }
    }
    return out;
}

} // namespace ayat::art
