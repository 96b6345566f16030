// Writes 16-colour icon files: a directory of images, each a 4-bit bitmap in the
// classic palette followed by its 1-bit transparency mask.
#include <cstdint>

#include <QByteArray>
#include <QSaveFile>

#include "art.h"
#include "icons/palette.h"

namespace ayat::art {

void put16(QByteArray& out, uint32_t v)
{
    out.append(char(v & 0xFF));
    out.append(char((v >> 8) & 0xFF));
}

void put32(QByteArray& out, uint32_t v)
{
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

namespace {

constexpr int kDirHeaderBytes = 6;
constexpr int kDirEntryBytes = 16;
constexpr int kInfoHeaderBytes = 40;
constexpr int kPaletteBytes = 16 * 4;

// Bytes of one bitmap row of width pixels at bits per pixel, padded to 4 bytes.
int rowBytes(int width, int bits) { return (width * bits + 31) / 32 * 4; }

void fail(QString* error, const QString& message)
{
    if (error)
        *error = message;
}

// The image's palette indices, -1 for a transparent pixel; false (with the
// reason) when a pixel is neither fully transparent nor a classic colour.
bool indexImage(const QImage& image, std::vector<int>& indices, QString* why)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    indices.assign(size_t(argb.width()) * size_t(argb.height()), -1);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb p = line[x];
            if (qAlpha(p) == 0)
                continue;
            const auto index = iconPaletteIndex(p);
            if (qAlpha(p) != 255 || !index) {
                *why = QStringLiteral("pixel (%1, %2) is #%3, neither transparent nor a classic colour")
                           .arg(x)
                           .arg(y)
                           .arg(uint(p), 8, 16, QLatin1Char('0'));
                return false;
            }
            indices[size_t(y) * size_t(argb.width()) + size_t(x)] = *index;
        }
    }
    return true;
}

// One image's bitmap: header, palette, colour rows, then mask rows, both bottom-up.
QByteArray encodeImage(int width, int height, const std::vector<int>& indices)
{
    const int xorRow = rowBytes(width, 4);
    const int andRow = rowBytes(width, 1);
    QByteArray colours(xorRow * height, '\0');
    QByteArray mask(andRow * height, '\0');
    for (int y = 0; y < height; ++y) {
        char* c = colours.data() + (height - 1 - y) * xorRow;
        char* m = mask.data() + (height - 1 - y) * andRow;
        for (int x = 0; x < width; ++x) {
            const int index = indices[size_t(y) * size_t(width) + size_t(x)];
            if (index < 0) {
                m[x / 8] = char(m[x / 8] | (0x80 >> (x % 8)));  // transparent; colour stays 0
                continue;
            }
            const int shift = x % 2 == 0 ? 4 : 0;
            c[x / 2] = char(c[x / 2] | (index << shift));
        }
    }

    QByteArray out;
    put32(out, kInfoHeaderBytes);
    put32(out, uint32_t(width));
    put32(out, uint32_t(2 * height));  // colour rows and mask rows together
    put16(out, 1);                     // planes
    put16(out, 4);                     // bits per pixel
    put32(out, 0);                     // uncompressed
    put32(out, uint32_t(colours.size() + mask.size()));
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);  // colours used: all 16
    put32(out, 0);
    for (QRgb rgb : kIconPalette) {
        out.append(char(qBlue(rgb)));
        out.append(char(qGreen(rgb)));
        out.append(char(qRed(rgb)));
        out.append('\0');
    }
    out.append(colours);
    out.append(mask);
    return out;
}

}  // namespace

bool writeIcon16(const QString& path, const std::vector<QImage>& images, QString* error)
{
    if (images.empty()) {
        fail(error, QStringLiteral("%1: an icon needs at least one image").arg(path));
        return false;
    }
    if (images.size() > 0xFFFF) {
        fail(error, QStringLiteral("%1: too many images for one icon").arg(path));
        return false;
    }

    std::vector<QByteArray> bitmaps;
    for (size_t i = 0; i < images.size(); ++i) {
        const QImage& image = images[i];
        if (image.isNull() || image.width() < 1 || image.height() < 1 || image.width() > 256 || image.height() > 256) {
            fail(error,
                 QStringLiteral("%1: image %2 is %3 x %4; icon images are 1 to 256 pixels a side")
                     .arg(path)
                     .arg(i)
                     .arg(image.width())
                     .arg(image.height()));
            return false;
        }
        std::vector<int> indices;
        QString why;
        if (!indexImage(image, indices, &why)) {
            fail(error, QStringLiteral("%1: image %2: %3").arg(path).arg(i).arg(why));
            return false;
        }
        bitmaps.push_back(encodeImage(image.width(), image.height(), indices));
    }

    QByteArray out;
    put16(out, 0);  // reserved
    put16(out, 1);  // icon
    put16(out, uint32_t(images.size()));
    uint32_t offset = uint32_t(kDirHeaderBytes + kDirEntryBytes * images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        // A side of 256 is written as 0.
        out.append(char(images[i].width() & 0xFF));
        out.append(char(images[i].height() & 0xFF));
        out.append(char(16));  // colours
        out.append('\0');
        put16(out, 1);  // planes
        put16(out, 4);  // bits per pixel
        put32(out, uint32_t(bitmaps[i].size()));
        put32(out, offset);
        offset += uint32_t(bitmaps[i].size());
    }
    for (const QByteArray& bitmap : bitmaps)
        out.append(bitmap);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size() || !file.commit()) {
        fail(error, QStringLiteral("%1: %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}

}  // namespace ayat::art
