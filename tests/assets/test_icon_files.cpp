// The committed icon files, read byte by byte: directory and bitmap headers,
// the 16 classic colours, 4-bit colour rows and a 1-bit mask, sizes that add up
// to the file; and Qt's own icon reader giving the very same pixels.
#include <array>
#include <cstdint>

#include <QBuffer>
#include <QCursor>
#include <QFile>
#include <QImageReader>
#include <QPixmap>
#include <QtTest>

#include "assets/catalogue.h"

using namespace ayat;

namespace {

constexpr std::array<QRgb, 16> kClassic = {
    0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080, 0xFF008080, 0xFFC0C0C0,
    0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF,
};

// Little-endian reads that fail the test instead of running past the end.
class Bytes {
public:
    explicit Bytes(const QByteArray& data) : d_(data) {}
    qsizetype size() const { return d_.size(); }
    bool has(qint64 at, qint64 n) const { return at >= 0 && n >= 0 && at + n <= d_.size(); }
    uint32_t u8(qint64 at) const { return has(at, 1) ? uint8_t(d_[at]) : 0xFFFFFFFFu; }
    uint32_t u16(qint64 at) const { return has(at, 2) ? u8(at) | u8(at + 1) << 8 : 0xFFFFFFFFu; }
    uint32_t u32(qint64 at) const { return has(at, 4) ? u16(at) | u16(at + 2) << 16 : 0xFFFFFFFFu; }

private:
    QByteArray d_;
};

// One image of an icon file as its bytes say: a colour per opaque pixel,
// 0 (fully transparent) for the others.
struct Parsed {
    QSize size;
    std::vector<QRgb> argb;
    int transparent = 0;
    bool transparentNotBlack = false;  // a masked pixel whose colour index is not 0
};

std::vector<QSize> catalogueSizes(const Asset& a)
{
    std::vector<QSize> sizes{a.size};
    if (!a.smallSize.isEmpty())
        sizes.push_back(a.smallSize);
    return sizes;
}

QString iconPath(std::string_view key)
{
    return QStringLiteral(AYAT_SOURCE_DIR "/assets/pictures/%1.ico")
        .arg(QString::fromUtf8(key.data(), qsizetype(key.size())));
}

QRgb argbAt(const Parsed& p, int x, int y) { return p.argb[size_t(y * p.size.width() + x)]; }

// Parses and checks a whole file against the sizes it must hold.
void parseIcon(const QByteArray& data, const std::vector<QSize>& sizes, std::vector<Parsed>* out)
{
    const Bytes b(data);
    QCOMPARE(b.u16(0), 0u);  // reserved
    QCOMPARE(b.u16(2), 1u);  // icon, not cursor
    QCOMPARE(b.u16(4), uint32_t(sizes.size()));
    qint64 expectedOffset = 6 + 16 * qint64(sizes.size());
    for (size_t i = 0; i < sizes.size(); ++i) {
        const qint64 e = 6 + 16 * qint64(i);
        const int w = sizes[i].width(), h = sizes[i].height();
        QCOMPARE(b.u8(e), uint32_t(w));
        QCOMPARE(b.u8(e + 1), uint32_t(h));
        QCOMPARE(b.u8(e + 2), 16u);  // colours
        QCOMPARE(b.u8(e + 3), 0u);
        QCOMPARE(b.u16(e + 4), 1u);  // planes
        QCOMPARE(b.u16(e + 6), 4u);  // bits per pixel
        const qint64 bytes = b.u32(e + 8), offset = b.u32(e + 12);
        // Images follow the directory back to back, to the end of the file.
        QCOMPARE(offset, expectedOffset);
        QVERIFY(b.has(offset, bytes));
        expectedOffset += bytes;

        const int xorRow = (w * 4 + 31) / 32 * 4, andRow = (w + 31) / 32 * 4;
        const qint64 xorBytes = qint64(xorRow) * h, andBytes = qint64(andRow) * h;
        QCOMPARE(bytes, 40 + 64 + xorBytes + andBytes);
        QCOMPARE(b.u32(offset), 40u);
        QCOMPARE(b.u32(offset + 4), uint32_t(w));
        QCOMPARE(b.u32(offset + 8), uint32_t(2 * h));  // colour rows and mask rows
        QCOMPARE(b.u16(offset + 12), 1u);
        QCOMPARE(b.u16(offset + 14), 4u);
        QCOMPARE(b.u32(offset + 16), 0u);  // uncompressed
        QCOMPARE(qint64(b.u32(offset + 20)), xorBytes + andBytes);
        const uint32_t used = b.u32(offset + 32);
        QVERIFY(used == 0 || used == 16);
        for (int c = 0; c < 16; ++c) {
            const qint64 q = offset + 40 + 4 * c;  // blue, green, red, 0
            QCOMPARE(qRgb(int(b.u8(q + 2)), int(b.u8(q + 1)), int(b.u8(q))), kClassic[size_t(c)]);
            QCOMPARE(b.u8(q + 3), 0u);
        }

        Parsed p;
        p.size = sizes[i];
        p.argb.assign(size_t(w * h), 0);
        const qint64 colours = offset + 40 + 64, mask = colours + xorBytes;
        for (int y = 0; y < h; ++y) {
            const int row = h - 1 - y;  // both bitmaps are stored bottom-up
            for (int x = 0; x < w; ++x) {
                const uint32_t pair = b.u8(colours + qint64(row) * xorRow + x / 2);
                const uint32_t index = x % 2 == 0 ? pair >> 4 : pair & 0x0F;
                const bool clear = (b.u8(mask + qint64(row) * andRow + x / 8) >> (7 - x % 8)) & 1;
                if (clear) {
                    ++p.transparent;
                    p.transparentNotBlack |= index != 0;
                } else {
                    p.argb[size_t(y * w + x)] = kClassic[index];
                }
            }
        }
        out->push_back(std::move(p));
    }
    QCOMPARE(qint64(b.size()), expectedOffset);
}

}  // namespace

class IconFilesTest : public QObject {
    Q_OBJECT

private slots:
    void everyIconFile_data()
    {
        QTest::addColumn<QString>("key");
        int icons = 0;
        for (const Asset& a : catalogue()) {
            if (a.encoding != Encoding::Icon)
                continue;
            ++icons;
            QTest::newRow(std::string(a.key).c_str()) << QString::fromUtf8(a.key.data(), qsizetype(a.key.size()));
        }
        QCOMPARE(icons, 12);
    }

    void everyIconFile()
    {
        QFETCH(QString, key);
        const auto asset = findAsset(key.toStdString());
        QVERIFY(asset);
        QFile file(iconPath(asset->key));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        const QByteArray data = file.readAll();

        std::vector<Parsed> images;
        parseIcon(data, catalogueSizes(*asset), &images);
        if (QTest::currentTestFailed())
            return;

        for (const Parsed& p : images) {
            const int pixels = p.size.width() * p.size.height();
            QVERIFY2(!p.transparentNotBlack, "a masked pixel must have colour index 0");
            // A real mask: the subject stands free of its square, and is there.
            QVERIFY(p.transparent > 0);
            QVERIFY(p.transparent < pixels - pixels / 4);
        }
        // The round subjects leave all four corners clear.
        if (key == "b1nature" || key == "b3space" || key == "stopsign" || key == "mainicon") {
            const Parsed& p = images.front();
            const int m = p.size.width() - 1;
            for (const QPoint c : {QPoint(0, 0), QPoint(m, 0), QPoint(0, m), QPoint(m, m)})
                QCOMPARE(argbAt(p, c.x(), c.y()), QRgb(0));
        }

        // Qt's reader sees the same images, pixel for pixel.
        QBuffer buffer;
        buffer.setData(data);
        QImageReader reader(&buffer, "ico");
        QCOMPARE(reader.imageCount(), int(images.size()));
        for (size_t i = 0; i < images.size(); ++i) {
            QVERIFY(reader.jumpToImage(int(i)));
            const QImage decoded = reader.read().convertToFormat(QImage::Format_ARGB32);
            QVERIFY2(!decoded.isNull(), qPrintable(reader.errorString()));
            QCOMPARE(decoded.size(), images[i].size);
            for (int y = 0; y < decoded.height(); ++y)
                for (int x = 0; x < decoded.width(); ++x) {
                    const QRgb want = argbAt(images[i], x, y), got = decoded.pixel(x, y);
                    if (qAlpha(want) == 0 ? qAlpha(got) != 0 : got != want)
                        QFAIL(qPrintable(QStringLiteral("image %1 pixel (%2, %3): file says #%4, Qt reads #%5")
                                             .arg(i)
                                             .arg(x)
                                             .arg(y)
                                             .arg(want, 8, 16, QLatin1Char('0'))
                                             .arg(got, 8, 16, QLatin1Char('0'))));
                }
        }
    }

    // The magnifier as a pointer: its hot spot at the centre falls on the glass,
    // and the pointer made from it keeps image, mask and hot spot.
    void magnifierPointer()
    {
        QImageReader reader(iconPath("magnifier"), "ico");
        const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(image.size(), QSize(32, 32));
        QCOMPARE(qAlpha(image.pixel(16, 16)), 255);
        QVERIFY(qAlpha(image.pixel(0, 31)) == 0 && qAlpha(image.pixel(31, 0)) == 0);

        const QCursor pointer(QPixmap::fromImage(image), 16, 16);
        QCOMPARE(pointer.shape(), Qt::BitmapCursor);
        QCOMPARE(pointer.hotSpot(), QPoint(16, 16));
        const QImage back = pointer.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(back.size(), QSize(32, 32));
        QCOMPARE(back, image);
    }
};

QTEST_MAIN(IconFilesTest)
#include "test_icon_files.moc"
