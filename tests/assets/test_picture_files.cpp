// Conformance of the committed picture files (assets/pictures/) with the asset
// catalogue. Every file is read as bytes and its encoding checked field by
// field; nothing here goes through Qt's image readers.
#include <QtTest>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <QDir>

#include "assets/catalogue.h"

using namespace ayat;

namespace {

using Bytes = std::vector<uint8_t>;

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

QString fileName(const Asset& a) { return qs(a.key) + QLatin1Char('.') + qs(extension(a.encoding)); }

QString picturesDir() { return QStringLiteral(AYAT_SOURCE_DIR "/assets/pictures"); }

std::optional<Bytes> readFile(const QString& path)
{
    std::ifstream in(QFile::encodeName(path).toStdString(), std::ios::binary);
    if (!in)
        return std::nullopt;
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

uint16_t le16(const Bytes& b, std::size_t at) { return uint16_t(b.at(at) | (b.at(at + 1) << 8)); }
uint32_t le32(const Bytes& b, std::size_t at) { return uint32_t(le16(b, at)) | (uint32_t(le16(b, at + 2)) << 16); }
int32_t sle32(const Bytes& b, std::size_t at) { return int32_t(le32(b, at)); }
uint16_t be16(const Bytes& b, std::size_t at) { return uint16_t((b.at(at) << 8) | b.at(at + 1)); }

// Adds one data row per catalogue asset of the given encodings.
void addRows(std::initializer_list<Encoding> encodings)
{
    QTest::addColumn<QString>("key");
    for (const Asset& a : catalogue())
        for (Encoding e : encodings)
            if (a.encoding == e)
                QTest::newRow(std::string(a.key).c_str()) << qs(a.key);
}

// The asset of the row and its file's bytes; a missing file fails the row by name.
#define LOAD_ROW(asset, bytes)                                                                                         \
    QFETCH(QString, key);                                                                                              \
    const Asset asset = *findAsset(key.toStdString());                                                                 \
    const QString path_ = QDir(picturesDir()).filePath(fileName(asset));                                               \
    const std::optional<Bytes> loaded_ = readFile(path_);                                                              \
    if (!loaded_)                                                                                                      \
        QFAIL(qPrintable(QStringLiteral("missing picture file assets/pictures/%1").arg(fileName(asset))));             \
    const Bytes& bytes = *loaded_;

// --- GIF structure ----------------------------------------------------------

struct GifExtension {
    uint8_t label;
    Bytes data;  // the sub-blocks' contents, joined
};

struct GifImage {
    int left, top, width, height;
    bool interlaced, localPalette;
    int minCodeSize;
    Bytes lzw;  // the image data sub-blocks, joined
};

struct Gif {
    std::string version;
    int width, height;
    bool globalPalette;
    int paletteEntries;
    std::vector<GifExtension> extensions;  // in file order
    std::vector<GifImage> images;
    bool extensionBeforeImage = false;
    bool trailer = false;
    QString error;
};

Bytes subBlocks(const Bytes& b, std::size_t& at)
{
    Bytes out;
    while (true) {
        const uint8_t n = b.at(at++);
        if (n == 0)
            return out;
        out.insert(out.end(), b.begin() + long(at), b.begin() + long(at + n));
        at += n;
    }
}

Gif parseGif(const Bytes& b)
{
    Gif g;
    try {
        g.version = std::string(b.begin(), b.begin() + 6);
        g.width = le16(b, 6);
        g.height = le16(b, 8);
        const uint8_t packed = b.at(10);
        g.globalPalette = packed & 0x80;
        g.paletteEntries = g.globalPalette ? 2 << (packed & 7) : 0;
        std::size_t at = 13 + std::size_t(g.paletteEntries) * 3;
        while (at < b.size()) {
            const uint8_t intro = b.at(at++);
            if (intro == 0x3B) {
                g.trailer = true;
                break;
            }
            if (intro == 0x21) {
                GifExtension e;
                e.label = b.at(at++);
                e.data = subBlocks(b, at);
                g.extensions.push_back(e);
                if (g.images.empty())
                    g.extensionBeforeImage = true;
            } else if (intro == 0x2C) {
                GifImage im;
                im.left = le16(b, at);
                im.top = le16(b, at + 2);
                im.width = le16(b, at + 4);
                im.height = le16(b, at + 6);
                const uint8_t p = b.at(at + 8);
                im.interlaced = p & 0x40;
                im.localPalette = p & 0x80;
                at += 9;
                if (im.localPalette)
                    at += std::size_t(2 << (p & 7)) * 3;
                im.minCodeSize = b.at(at++);
                im.lzw = subBlocks(b, at);
                g.images.push_back(im);
            } else {
                g.error = QStringLiteral("unknown block 0x%1 at %2").arg(intro, 2, 16, QLatin1Char('0')).arg(at - 1);
                break;
            }
        }
    } catch (const std::out_of_range&) {
        g.error = QStringLiteral("file ends inside a block");
    }
    return g;
}

// Decodes GIF LZW data into palette indices (in stored row order).
std::optional<Bytes> decodeLzw(const Bytes& data, int minCodeSize, std::size_t pixels)
{
    const int clear = 1 << minCodeSize, end = clear + 1;
    std::vector<Bytes> table;
    auto reset = [&] {
        table.assign(std::size_t(clear + 2), {});
        for (int i = 0; i < clear; ++i)
            table[std::size_t(i)] = {uint8_t(i)};
    };
    reset();
    int codeSize = minCodeSize + 1;
    Bytes out;
    std::size_t bitPos = 0;
    int prev = -1;
    while (true) {
        if ((bitPos + std::size_t(codeSize)) > data.size() * 8)
            return std::nullopt;  // ran out without an end code
        int code = 0;
        for (int i = 0; i < codeSize; ++i, ++bitPos)
            code |= ((data[bitPos / 8] >> (bitPos % 8)) & 1) << i;
        if (code == clear) {
            reset();
            codeSize = minCodeSize + 1;
            prev = -1;
            continue;
        }
        if (code == end)
            break;
        Bytes entry;
        if (code < int(table.size())) {
            entry = table[std::size_t(code)];
            if (prev >= 0) {
                Bytes added = table[std::size_t(prev)];
                added.push_back(entry[0]);
                table.push_back(added);
            }
        } else if (code == int(table.size()) && prev >= 0) {
            entry = table[std::size_t(prev)];
            entry.push_back(entry[0]);
            table.push_back(entry);
        } else {
            return std::nullopt;
        }
        out.insert(out.end(), entry.begin(), entry.end());
        prev = code;
        if (int(table.size()) == (1 << codeSize) && codeSize < 12)
            ++codeSize;
    }
    if (out.size() != pixels)
        return std::nullopt;
    return out;
}

void checkGifCommon(const Asset& a, const Gif& g)
{
    QVERIFY2(g.error.isEmpty(), qPrintable(g.error));
    QCOMPARE(g.width, a.size.width());
    QCOMPARE(g.height, a.size.height());
    QVERIFY2(g.globalPalette, "no global palette");
    QCOMPARE(g.paletteEntries, 256);
    QCOMPARE(int(g.images.size()), 1);
    const GifImage& im = g.images[0];
    QCOMPARE(im.left, 0);
    QCOMPARE(im.top, 0);
    QCOMPARE(im.width, a.size.width());
    QCOMPARE(im.height, a.size.height());
    QVERIFY2(!im.localPalette, "the image has a local palette");
    QVERIFY2(g.trailer, "no trailer");
    QVERIFY(decodeLzw(im.lzw, im.minCodeSize, std::size_t(im.width) * im.height).has_value());
}

// --- JPEG structure ---------------------------------------------------------

struct JpegSegment {
    uint8_t marker;
    Bytes data;  // without the length field
};

std::vector<JpegSegment> jpegSegments(const Bytes& b, QString* error)
{
    std::vector<JpegSegment> out;
    std::size_t at = 2;
    try {
        while (at < b.size()) {
            if (b.at(at) != 0xFF) {
                *error = QStringLiteral("no marker at %1").arg(at);
                return out;
            }
            const uint8_t m = b.at(at + 1);
            at += 2;
            if (m == 0xD9)
                break;
            const uint16_t len = be16(b, at);
            out.push_back({m, Bytes(b.begin() + long(at + 2), b.begin() + long(at + len))});
            at += len;
            if (m == 0xDA) {  // skip the entropy-coded data up to the next marker
                while (!(b.at(at) == 0xFF && b.at(at + 1) != 0x00 && (b.at(at + 1) < 0xD0 || b.at(at + 1) > 0xD7)))
                    ++at;
            }
        }
    } catch (const std::out_of_range&) {
        *error = QStringLiteral("file ends inside a segment");
    }
    return out;
}

}  // namespace

class TestPictureFiles : public QObject {
    Q_OBJECT

private slots:
    // Every catalogue key has its file and its variant drawn at twice the size,
    // and the folder holds nothing else.
    void everyAssetHasAFile()
    {
        QStringList missing;
        QStringList expected;
        for (const Asset& a : catalogue()) {
            expected << fileName(a)
                     << QString::fromLatin1(a.key.data(), qsizetype(a.key.size())) + QStringLiteral("@2x.png");
            if (!QFileInfo::exists(QDir(picturesDir()).filePath(fileName(a))))
                missing << fileName(a);
        }
        QVERIFY2(missing.isEmpty(),
                 qPrintable(QStringLiteral("missing picture files in assets/pictures/: %1")
                                .arg(missing.join(QStringLiteral(", ")))));
        QStringList stray;
        for (const QString& f : QDir(picturesDir()).entryList(QDir::Files))
            if (!expected.contains(f))
                stray << f;
        QVERIFY2(stray.isEmpty(),
                 qPrintable(QStringLiteral("files in assets/pictures/ that no asset names: %1")
                                .arg(stray.join(QStringLiteral(", ")))));
    }

    // 24-bit BMP: headers, no palette, bottom-up rows padded to 4 bytes.
    void bitmaps_data() { addRows({Encoding::Bitmap24}); }
    void bitmaps()
    {
        LOAD_ROW(a, b);
        QVERIFY2(b.size() >= 54, "shorter than its headers");
        QCOMPARE(char(b[0]), 'B');
        QCOMPARE(char(b[1]), 'M');
        QCOMPARE(le32(b, 2), uint32_t(b.size()));  // bfSize
        QCOMPARE(le32(b, 10), 54u);                // bits right after the headers: no palette
        QCOMPARE(le32(b, 14), 40u);                // BITMAPINFOHEADER
        QCOMPARE(sle32(b, 18), a.size.width());
        QCOMPARE(sle32(b, 22), a.size.height());  // positive: rows bottom-up
        QCOMPARE(le16(b, 26), uint16_t(1));       // planes
        QCOMPARE(le16(b, 28), uint16_t(24));      // bits per pixel
        QCOMPARE(le32(b, 30), 0u);                // BI_RGB
        QCOMPARE(le32(b, 46), 0u);                // colours used: no palette
        const uint32_t row = (uint32_t(a.size.width()) * 3 + 3) & ~3u;
        QCOMPARE(uint32_t(b.size()), 54 + row * uint32_t(a.size.height()));
        const uint32_t imageSize = le32(b, 34);
        QVERIFY2(imageSize == 0 || imageSize == row * uint32_t(a.size.height()), "biSizeImage disagrees");
        // Padding bytes are zero.
        for (int y = 0; y < a.size.height(); ++y)
            for (uint32_t k = uint32_t(a.size.width()) * 3; k < row; ++k)
                QCOMPARE(int(b[54 + y * row + k]), 0);
    }

    // The placeholder is nine pixels of #E0C08F.
    void placeholderIsPlainTan()
    {
        const Asset a = *findAsset("placeholder");
        const QString path = QDir(picturesDir()).filePath(fileName(a));
        const auto loaded = readFile(path);
        if (!loaded)
            QFAIL(qPrintable(QStringLiteral("missing picture file assets/pictures/%1").arg(fileName(a))));
        const Bytes& b = *loaded;
        QCOMPARE(b.size(), std::size_t(54 + 3 * 12));
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 3; ++x) {
                const std::size_t at = 54 + std::size_t(y) * 12 + std::size_t(x) * 3;
                QCOMPARE(int(b[at + 2]), 0xE0);  // stored blue, green, red
                QCOMPARE(int(b[at + 1]), 0xC0);
                QCOMPARE(int(b[at]), 0x8F);
            }
    }

    // GIF87a: one image, a 256-entry global palette, not interlaced, no extensions.
    void gif87a_data() { addRows({Encoding::Gif87a}); }
    void gif87a()
    {
        LOAD_ROW(a, b);
        const Gif g = parseGif(b);
        QCOMPARE(QString::fromStdString(g.version), QStringLiteral("GIF87a"));
        checkGifCommon(a, g);
        QVERIFY2(!g.images[0].interlaced, "interlaced");
        QCOMPARE(int(g.extensions.size()), 0);
    }

    // GIF89a: interlaced, a graphic control extension making index 4 transparent,
    // and exactly 399 transparent pixels.
    void gif89a_data() { addRows({Encoding::Gif89a}); }
    void gif89a()
    {
        LOAD_ROW(a, b);
        const Gif g = parseGif(b);
        QCOMPARE(QString::fromStdString(g.version), QStringLiteral("GIF89a"));
        checkGifCommon(a, g);
        QVERIFY2(g.images[0].interlaced, "not interlaced");
        QCOMPARE(int(g.extensions.size()), 1);
        const GifExtension& gce = g.extensions[0];
        QCOMPARE(int(gce.label), 0xF9);
        QVERIFY2(g.extensionBeforeImage, "the graphic control extension does not precede the image");
        QCOMPARE(int(gce.data.size()), 4);
        QVERIFY2(gce.data[0] & 0x01, "transparency flag not set");
        QCOMPARE(int(gce.data[3]), 4);
        const auto indices =
            decodeLzw(g.images[0].lzw, g.images[0].minCodeSize, std::size_t(a.size.width()) * a.size.height());
        QVERIFY(indices.has_value());
        QCOMPARE(int(std::count(indices->begin(), indices->end(), uint8_t(4))), 399);
    }

    // JPEG: baseline, JFIF 1.01, three components, Y 2x2 and Cb, Cr 1x1.
    void jpegs_data() { addRows({Encoding::Jpeg}); }
    void jpegs()
    {
        LOAD_ROW(a, b);
        QVERIFY2(b.size() > 4 && b[0] == 0xFF && b[1] == 0xD8, "no SOI marker");
        QString error;
        const auto segs = jpegSegments(b, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(!segs.empty());
        // JFIF APP0 first.
        QCOMPARE(int(segs[0].marker), 0xE0);
        QVERIFY(segs[0].data.size() >= 7);
        QCOMPARE(std::string(segs[0].data.begin(), segs[0].data.begin() + 5), std::string("JFIF\0", 5));
        QCOMPARE(int(segs[0].data[5]), 1);
        QCOMPARE(int(segs[0].data[6]), 1);
        int frames = 0;
        for (const JpegSegment& s : segs) {
            const bool sof =
                s.marker >= 0xC0 && s.marker <= 0xCF && s.marker != 0xC4 && s.marker != 0xC8 && s.marker != 0xCC;
            if (!sof)
                continue;
            ++frames;
            QVERIFY2(s.marker == 0xC0,
                     qPrintable(QStringLiteral("frame marker 0xFF%1 is not baseline (SOF0)")
                                    .arg(s.marker, 2, 16, QLatin1Char('0'))));
            QCOMPARE(int(s.data[0]), 8);  // precision
            QCOMPARE(int(be16(s.data, 1)), a.size.height());
            QCOMPARE(int(be16(s.data, 3)), a.size.width());
            QCOMPARE(int(s.data[5]), 3);      // components
            QCOMPARE(int(s.data[7]), 0x22);   // Y: 2x2
            QCOMPARE(int(s.data[10]), 0x11);  // Cb: 1x1
            QCOMPARE(int(s.data[13]), 0x11);  // Cr: 1x1
        }
        QCOMPARE(frames, 1);
    }

    // Icons: one 32 x 32 image, or 32 x 32 and 16 x 16; each 4 bits per pixel,
    // 16 colours, with its 1-bit mask.
    void icons_data() { addRows({Encoding::Icon}); }
    void icons()
    {
        LOAD_ROW(a, b);
        QVERIFY2(b.size() >= 6, "shorter than its directory");
        QCOMPARE(le16(b, 0), uint16_t(0));
        QCOMPARE(le16(b, 2), uint16_t(1));  // icon
        std::vector<QSize> sizes{a.size};
        if (!a.smallSize.isEmpty())
            sizes.push_back(a.smallSize);
        QCOMPARE(int(le16(b, 4)), int(sizes.size()));
        for (std::size_t i = 0; i < sizes.size(); ++i) {
            const std::size_t e = 6 + 16 * i;
            QVERIFY(b.size() >= e + 16);
            const int w = sizes[i].width(), h = sizes[i].height();
            QCOMPARE(int(b[e]), w);
            QCOMPARE(int(b[e + 1]), h);
            QCOMPARE(int(b[e + 2]), 16);  // colours
            const uint16_t bitCount = le16(b, e + 6);
            QVERIFY2(bitCount == 4 || bitCount == 0, "directory bit count is neither 4 nor unset");
            const uint32_t resSize = le32(b, e + 8), offset = le32(b, e + 12);
            QVERIFY2(offset + resSize <= b.size(), "image lies past the end of the file");
            QCOMPARE(le32(b, offset), 40u);
            QCOMPARE(sle32(b, offset + 4), w);
            QCOMPARE(sle32(b, offset + 8), 2 * h);  // colour rows and mask rows
            QCOMPARE(le16(b, offset + 12), uint16_t(1));
            QCOMPARE(le16(b, offset + 14), uint16_t(4));
            QCOMPARE(le32(b, offset + 16), 0u);  // BI_RGB
            const uint32_t used = le32(b, offset + 32);
            QVERIFY2(used == 0 || used == 16, "palette is not 16 colours");
            const uint32_t xorBytes = uint32_t((w * 4 + 31) / 32 * 4 * h);
            const uint32_t andBytes = uint32_t((w + 31) / 32 * 4 * h);
            QCOMPARE(resSize, 40 + 16 * 4 + xorBytes + andBytes);  // the mask is there
        }
    }
};

QTEST_APPLESS_MAIN(TestPictureFiles)
#include "test_picture_files.moc"
