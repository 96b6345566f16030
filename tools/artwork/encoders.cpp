#include "encoders.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <limits>
#include <unordered_map>

#include <QFile>
#include <QImageWriter>

#include <gif_lib.h>

namespace ayat::art {
namespace {

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

// ---------------------------------------------------------------------------
// Quantizer.

struct Entry {  // one occupied histogram cell: mean colour and pixel count
    float c[3];
    float w;
};

struct Box {
    int begin, end;  // range of entries
    double sse;      // weighted squared error around the box's mean
};

struct BoxStats {
    double w = 0, s[3] = {0, 0, 0}, q[3] = {0, 0, 0};
    void add(const Entry& e)
    {
        w += e.w;
        for (int k = 0; k < 3; ++k) {
            s[k] += double(e.w) * e.c[k];
            q[k] += double(e.w) * e.c[k] * e.c[k];
        }
    }
    double sse() const
    {
        if (w <= 0)
            return 0;
        double r = 0;
        for (int k = 0; k < 3; ++k)
            r += q[k] - s[k] * s[k] / w;
        return std::max(0.0, r);
    }
    double variance(int k) const { return w > 0 ? q[k] / w - (s[k] / w) * (s[k] / w) : 0; }
};

BoxStats statsOf(const std::vector<Entry>& entries, int begin, int end)
{
    BoxStats st;
    for (int i = begin; i < end; ++i)
        st.add(entries[i]);
    return st;
}

// Splits the box at the point along its widest axis that leaves the least total
// error in the two halves. Returns the index where the second half begins, or -1.
int splitBox(std::vector<Entry>& entries, const Box& box)
{
    const BoxStats st = statsOf(entries, box.begin, box.end);
    int axis = 0;
    for (int k = 1; k < 3; ++k)
        if (st.variance(k) > st.variance(axis))
            axis = k;
    std::sort(entries.begin() + box.begin, entries.begin() + box.end,
              [axis](const Entry& a, const Entry& b) { return a.c[axis] < b.c[axis]; });
    BoxStats left;
    double best = std::numeric_limits<double>::max();
    int bestAt = -1;
    for (int i = box.begin; i < box.end - 1; ++i) {
        left.add(entries[i]);
        if (entries[i].c[axis] == entries[i + 1].c[axis])
            continue;
        BoxStats right;
        right.w = st.w - left.w;
        for (int k = 0; k < 3; ++k) {
            right.s[k] = st.s[k] - left.s[k];
            right.q[k] = st.q[k] - left.q[k];
        }
        const double total = left.sse() + right.sse();
        if (total < best) {
            best = total;
            bestAt = i + 1;
        }
    }
    return bestAt;
}

inline float dist2(const float* a, const float* b)
{
    const float dr = a[0] - b[0], dg = a[1] - b[1], db = a[2] - b[2];
    return dr * dr + dg * dg + db * db;
}

int nearest(const std::vector<std::array<float, 3>>& pal, const float* c)
{
    int best = 0;
    float bestD = std::numeric_limits<float>::max();
    for (int i = 0; i < int(pal.size()); ++i) {
        const float d = dist2(pal[i].data(), c);
        if (d < bestD) {
            bestD = d;
            best = i;
        }
    }
    return best;
}

// The image's colours as a histogram at 6 bits per channel, each cell with the
// exact mean of its colours and their count as its weight.
std::vector<Entry> histogramCells(const QImage& img, bool skipTransparent)
{
    constexpr int kCells = 1 << 18;
    std::vector<double> sums(size_t(kCells) * 3, 0.0);
    std::vector<uint32_t> counts(kCells, 0);
    for (int y = 0; y < img.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = line[x];
            if (skipTransparent && qAlpha(p) < 128)
                continue;
            const int key = ((qRed(p) >> 2) << 12) | ((qGreen(p) >> 2) << 6) | (qBlue(p) >> 2);
            counts[key]++;
            sums[size_t(key) * 3] += qRed(p);
            sums[size_t(key) * 3 + 1] += qGreen(p);
            sums[size_t(key) * 3 + 2] += qBlue(p);
        }
    }
    std::vector<Entry> entries;
    for (int key = 0; key < kCells; ++key) {
        if (!counts[key])
            continue;
        const double n = counts[key];
        entries.push_back({{float(sums[size_t(key) * 3] / n), float(sums[size_t(key) * 3 + 1] / n),
                            float(sums[size_t(key) * 3 + 2] / n)},
                           float(n)});
    }
    return entries;
}

// Median cut: the box with the largest squared error is split until there are
// `colours` boxes; each box's weighted mean is a palette colour.
std::vector<std::array<float, 3>> medianCut(std::vector<Entry>& entries, int colours)
{
    std::vector<Box> boxes{{0, int(entries.size()), statsOf(entries, 0, int(entries.size())).sse()}};
    while (int(boxes.size()) < colours) {
        int pick = -1;
        for (int i = 0; i < int(boxes.size()); ++i)
            if (boxes[i].end - boxes[i].begin > 1 && boxes[i].sse > 0 && (pick < 0 || boxes[i].sse > boxes[pick].sse))
                pick = i;
        if (pick < 0)
            break;
        const Box box = boxes[pick];
        const int at = splitBox(entries, box);
        if (at < 0) {
            boxes[pick].sse = 0;
            continue;
        }
        boxes[pick] = {box.begin, at, statsOf(entries, box.begin, at).sse()};
        boxes.push_back({at, box.end, statsOf(entries, at, box.end).sse()});
    }

    std::vector<std::array<float, 3>> pal;
    for (const Box& b : boxes) {
        const BoxStats st = statsOf(entries, b.begin, b.end);
        pal.push_back({float(st.s[0] / st.w), float(st.s[1] / st.w), float(st.s[2] / st.w)});
    }
    return pal;
}

// k-means refinement of the palette over the histogram cells.
void refine(std::vector<std::array<float, 3>>& pal, const std::vector<Entry>& entries)
{
    std::vector<int> owner(entries.size());
    for (int iter = 0; iter < 10; ++iter) {
        std::vector<std::array<double, 4>> acc(pal.size(), {0, 0, 0, 0});
        for (size_t i = 0; i < entries.size(); ++i) {
            owner[i] = nearest(pal, entries[i].c);
            auto& a = acc[owner[i]];
            for (int k = 0; k < 3; ++k)
                a[k] += double(entries[i].w) * entries[i].c[k];
            a[3] += entries[i].w;
        }
        double moved = 0;
        for (size_t j = 0; j < pal.size(); ++j) {
            if (acc[j][3] <= 0)
                continue;
            std::array<float, 3> m{float(acc[j][0] / acc[j][3]), float(acc[j][1] / acc[j][3]),
                                   float(acc[j][2] / acc[j][3])};
            moved = std::max(moved, double(dist2(m.data(), pal[j].data())));
            pal[j] = m;
        }
        if (moved < 0.25)
            break;
    }
}

std::vector<std::array<float, 3>> medianCutPalette(const QImage& img, int colours, bool skipTransparent)
{
    std::vector<Entry> entries = histogramCells(img, skipTransparent);
    if (entries.empty())
        return {{0.f, 0.f, 0.f}};
    std::vector<std::array<float, 3>> pal = medianCut(entries, colours);
    refine(pal, entries);
    for (auto& c : pal)
        for (float& v : c)
            v = std::clamp(std::round(v), 0.f, 255.f);
    return pal;
}

// With few enough distinct colours, the image keeps them exactly: fills in
// out's palette and indices and returns true. Otherwise returns false.
bool keepExactColours(const QImage& img, int colours, bool skipTransparent, IndexedImage& out)
{
    const int w = img.width(), h = img.height();
    std::unordered_map<QRgb, int> exact;
    bool fits = true;
    for (int y = 0; y < h && fits; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            if (skipTransparent && qAlpha(line[x]) < 128)
                continue;
            const QRgb c = line[x] | 0xFF000000u;
            if (!exact.count(c)) {
                if (int(exact.size()) == colours) {
                    fits = false;
                    break;
                }
                const int index = int(exact.size());
                exact.emplace(c, index);
                out.palette.push_back(c);
            }
        }
    }
    if (fits) {
        if (out.palette.empty())
            out.palette.push_back(qRgb(0, 0, 0));
        for (int y = 0; y < h; ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
            for (int x = 0; x < w; ++x) {
                if (skipTransparent && qAlpha(line[x]) < 128)
                    continue;
                out.indices[size_t(y) * w + x] = uint8_t(exact.at(line[x] | 0xFF000000u));
            }
        }
        return true;
    }
    return false;
}

// Maps every pixel to the palette, with serpentine Floyd-Steinberg error
// diffusion of the given strength (0: none).
void mapWithDiffusion(const QImage& img, const std::vector<std::array<float, 3>>& pal, float strength,
                      bool skipTransparent, IndexedImage& out)
{
    const int w = img.width(), h = img.height();
    std::vector<float> work(size_t(w) * h * 3);
    for (int y = 0; y < h; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            float* p = &work[(size_t(y) * w + x) * 3];
            p[0] = qRed(line[x]);
            p[1] = qGreen(line[x]);
            p[2] = qBlue(line[x]);
        }
    }
    auto opaque = [&](int x, int y) {
        return !skipTransparent || qAlpha(reinterpret_cast<const QRgb*>(img.constScanLine(y))[x]) >= 128;
    };
    std::unordered_map<uint32_t, int> cache;
    for (int y = 0; y < h; ++y) {
        const bool reverse = (y & 1) != 0;
        for (int i = 0; i < w; ++i) {
            const int x = reverse ? w - 1 - i : i;
            if (!opaque(x, y))
                continue;
            float* p = &work[(size_t(y) * w + x) * 3];
            float c[3];
            for (int k = 0; k < 3; ++k)
                c[k] = std::clamp(p[k], 0.f, 255.f);
            const uint32_t key =
                (uint32_t(std::lround(c[0])) << 16) | (uint32_t(std::lround(c[1])) << 8) | uint32_t(std::lround(c[2]));
            auto it = cache.find(key);
            int index;
            if (it != cache.end()) {
                index = it->second;
            } else {
                const float r[3] = {float(key >> 16), float((key >> 8) & 0xFF), float(key & 0xFF)};
                index = nearest(pal, r);
                cache.emplace(key, index);
            }
            out.indices[size_t(y) * w + x] = uint8_t(index);
            if (strength <= 0)
                continue;
            float err[3];
            for (int k = 0; k < 3; ++k)
                err[k] = (c[k] - pal[index][k]) * strength;
            const int dx = reverse ? -1 : 1;
            auto spread = [&](int xx, int yy, float f) {
                if (xx < 0 || xx >= w || yy >= h || !opaque(xx, yy))
                    return;
                float* q = &work[(size_t(yy) * w + xx) * 3];
                for (int k = 0; k < 3; ++k)
                    q[k] += err[k] * f;
            };
            spread(x + dx, y, 7.f / 16);
            spread(x - dx, y + 1, 3.f / 16);
            spread(x, y + 1, 5.f / 16);
            spread(x + dx, y + 1, 1.f / 16);
        }
    }
}

}  // namespace

IndexedImage quantize(const QImage& source, const QuantizeOptions& options, bool skipTransparent)
{
    const QImage img = source.convertToFormat(QImage::Format_ARGB32);
    const int colours = std::clamp(options.colours, 1, 256);
    IndexedImage out;
    out.width = img.width();
    out.height = img.height();
    out.indices.assign(size_t(out.width) * out.height, 0);
    if (keepExactColours(img, colours, skipTransparent, out))
        return out;

    const auto pal = medianCutPalette(img, colours, skipTransparent);
    out.palette.clear();
    for (const auto& c : pal)
        out.palette.push_back(qRgb(int(c[0]), int(c[1]), int(c[2])));
    mapWithDiffusion(img, pal, std::clamp(options.dither, 0.f, 1.f), skipTransparent, out);
    return out;
}

namespace {

// Writes through Qt's own image writers, at the 96 dpi the pictures are drawn for.
bool writeWithQt(const QString& path, QImage image, const char* format, QString* error,
                 const std::function<void(QImageWriter&)>& configure = {})
{
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    QImageWriter writer(path, format);
    if (configure)
        configure(writer);
    if (!writer.write(image)) {
        setError(error, QStringLiteral("cannot write %1: %2").arg(path, writer.errorString()));
        return false;
    }
    return true;
}

}  // namespace

bool writeBmp24(const QString& path, const QImage& source, QString* error)
{
    // An opaque 32-bit image is what Qt writes as a 24-bit bitmap.
    return writeWithQt(path, source.convertToFormat(QImage::Format_RGB32), "bmp", error);
}

namespace {

bool writeGif(const QString& path, const IndexedImage& indexed, const std::array<QRgb, 256>& palette, bool gif89,
              QString* error)
{
    int err = 0;
    GifFileType* gif = EGifOpenFileName(QFile::encodeName(path).constData(), false, &err);
    if (!gif) {
        setError(error, QStringLiteral("cannot open %1: %2").arg(path, QString::fromUtf8(GifErrorString(err))));
        return false;
    }
    auto fail = [&](const char* what) {
        const int code = gif->Error;
        EGifCloseFile(gif, &err);
        setError(
            error,
            QStringLiteral("%1: %2: %3").arg(path, QString::fromUtf8(what), QString::fromUtf8(GifErrorString(code))));
        return false;
    };
    EGifSetGifVersion(gif, gif89);
    GifColorType colors[256];
    for (int i = 0; i < 256; ++i)
        colors[i] = {GifByteType(qRed(palette[i])), GifByteType(qGreen(palette[i])), GifByteType(qBlue(palette[i]))};
    ColorMapObject* map = GifMakeMapObject(256, colors);
    const int screen = EGifPutScreenDesc(gif, indexed.width, indexed.height, 8, gif89 ? 4 : 0, map);
    GifFreeMapObject(map);
    if (screen == GIF_ERROR)
        return fail("screen descriptor");
    if (gif89) {
        // Graphic control extension: no disposal, no delay, transparent colour 4.
        GifByteType gce[4] = {0x01, 0, 0, 4};
        if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, gce) == GIF_ERROR)
            return fail("graphic control extension");
    }
    const bool interlace = gif89;
    if (EGifPutImageDesc(gif, 0, 0, indexed.width, indexed.height, interlace, nullptr) == GIF_ERROR)
        return fail("image descriptor");
    std::vector<int> rows;
    if (interlace) {
        static constexpr int start[4] = {0, 4, 2, 1}, step[4] = {8, 8, 4, 2};
        for (int pass = 0; pass < 4; ++pass)
            for (int y = start[pass]; y < indexed.height; y += step[pass])
                rows.push_back(y);
    } else {
        for (int y = 0; y < indexed.height; ++y)
            rows.push_back(y);
    }
    std::vector<GifPixelType> line(indexed.width);
    for (int y : rows) {
        std::copy_n(indexed.indices.begin() + size_t(y) * indexed.width, indexed.width, line.begin());
        if (EGifPutLine(gif, line.data(), indexed.width) == GIF_ERROR)
            return fail("image data");
    }
    if (EGifCloseFile(gif, &err) == GIF_ERROR) {
        setError(error, QStringLiteral("%1: closing: %2").arg(path, QString::fromUtf8(GifErrorString(err))));
        return false;
    }
    return true;
}

}  // namespace

bool writeGif87a(const QString& path, const QImage& image, const QuantizeOptions& options, QString* error)
{
    QuantizeOptions o = options;
    o.colours = std::clamp(o.colours, 1, 256);
    const IndexedImage indexed = quantize(image, o, false);
    std::array<QRgb, 256> palette;
    palette.fill(qRgb(0, 0, 0));
    std::copy(indexed.palette.begin(), indexed.palette.end(), palette.begin());
    return writeGif(path, indexed, palette, false, error);
}

bool writeGif89aTransparent(const QString& path, const QImage& source, const QuantizeOptions& options, QString* error)
{
    constexpr int kTransparent = 4;
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    QuantizeOptions o = options;
    o.colours = std::clamp(o.colours, 1, 255);  // one entry is the transparent colour
    IndexedImage indexed = quantize(image, o, true);
    std::array<QRgb, 256> palette;
    palette.fill(qRgb(0, 0, 0));
    for (int i = 0; i < int(indexed.palette.size()); ++i)
        palette[i < kTransparent ? i : i + 1] = indexed.palette[i];
    palette[kTransparent] = qRgb(0xBF, 0xBF, 0xBF);
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            uint8_t& index = indexed.indices[size_t(y) * image.width() + x];
            if (qAlpha(line[x]) < 128)
                index = kTransparent;
            else if (index >= kTransparent)
                index = uint8_t(index + 1);
        }
    }
    return writeGif(path, indexed, palette, true, error);
}

bool writeJpeg(const QString& path, const QImage& source, int quality, QString* error)
{
    // Qt's writer makes a baseline JFIF 1.01 file with Y sampled 2x2 over Cb and
    // Cr, the form the catalogue asks for; optimized Huffman tables keep it small.
    return writeWithQt(path, source.convertToFormat(QImage::Format_RGB32), "jpeg", error,
                       [quality](QImageWriter& writer) {
                           writer.setQuality(quality);
                           writer.setOptimizedWrite(true);
                           writer.setProgressiveScanWrite(false);
                       });
}

}  // namespace ayat::art
