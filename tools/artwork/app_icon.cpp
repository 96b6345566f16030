// The program's icon, drawn with QPainter paths in a 32 x 32 unit square: the
// disc centred in the upper part, the open book across the lower part. The same
// paths make every PNG size, the scalable SVG and the 16-colour window icon.
#include "app_icon.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>
#include <QSvgGenerator>

#include "art.h"
#include "paint.h"

namespace ayat::art {
namespace {

constexpr double kUnits = 32.0;
// The outlines' width: one pixel at 32 px, thinner than a unit at the large sizes.
constexpr double kLine = 0.6;

// How the drawing meets the device: s device pixels per unit; with snap, lines and
// bands fall on whole device pixels.
struct Device {
    double s;
    bool snap;
    bool classic = false;  // the sheen's colours at full strength, as 16 colours have them

    // A width of `units`, at least one device pixel and whole pixels when snapping.
    double width(double units) const
    {
        double d = units * s;
        if (snap)
            d = std::max(1.0, std::round(d));
        return d / s;
    }
    // The centre of the device pixel row or column nearest to `units`.
    double centre(double units) const { return snap ? (std::floor(units * s) + 0.5) / s : units; }
    // The device pixel edge nearest to `units`.
    double edge(double units) const { return snap ? std::round(units * s) / s : units; }
};

const QColor kOutline(0x10, 0x10, 0x10);
const QColor kOlive(0x80, 0x80, 0x00);
const QColor kYellow(0xFF, 0xEE, 0x33);
const QColor kSilver(0xC0, 0xC0, 0xC0);
const QColor kGrey(0x80, 0x80, 0x80);

// An annular sector of the disc around the direction midDeg (counter-clockwise
// from three o'clock, as the screen shows it).
QPainterPath sector(QPointF c, double r0, double r1, double midDeg, double halfDeg)
{
    const QRectF outer(c.x() - r1, c.y() - r1, 2 * r1, 2 * r1), inner(c.x() - r0, c.y() - r0, 2 * r0, 2 * r0);
    QPainterPath p;
    p.arcMoveTo(outer, midDeg - halfDeg);
    p.arcTo(outer, midDeg - halfDeg, 2 * halfDeg);
    p.arcTo(inner, midDeg + halfDeg, -2 * halfDeg);
    p.closeSubpath();
    return p;
}

QPainterPath ring(QPointF c, double r, double hole)
{
    QPainterPath p;
    p.setFillRule(Qt::OddEvenFill);
    p.addEllipse(c, r, r);
    p.addEllipse(c, hole, hole);
    return p;
}

// A compact disc: silver, with two rainbow-fringed sheens across it, a clear hub
// and a hole through which the background shows.
void paintDisc(QPainter& p, const Device& d)
{
    const QPointF c(16, 12);
    const double line = d.width(kLine);
    const double r = 12 - line / 2, hub = r * 0.38, hole = r * 0.13 + 0.4;

    QLinearGradient base(c + QPointF(-r, -r), c + QPointF(r, r));
    base.setColorAt(0, QColor(0xF4, 0xF4, 0xF4));
    base.setColorAt(0.5, kSilver);
    base.setColorAt(1, QColor(0x9C, 0x9C, 0x9C));
    p.fillPath(ring(c, r, hole), base);

    // The sheens, widest band first: a pale light, then the colours a disc
    // splits it into, white at the middle. One towards the upper right, one
    // towards the lower left.
    struct Band {
        double halfDeg;
        QColor colour;
    };
    const Band soft[] = {{33, QColor(0xE8, 0xE8, 0xE8)},
                         {28, QColor(0xFF, 0xF0, 0x60)},
                         {23.5, QColor(0xF0, 0x80, 0xF0)},
                         {18.5, QColor(0x70, 0xE8, 0xFF)},
                         {10.5, Qt::white}};
    const Band classic[] = {{33, QColor(0xE8, 0xE8, 0xE8)},
                            {28, QColor(0xFF, 0xFF, 0x00)},
                            {23.5, QColor(0xFF, 0x00, 0xFF)},
                            {18.5, QColor(0x00, 0xFF, 0xFF)},
                            {10.5, Qt::white}};
    const auto& bands = d.classic ? classic : soft;
    for (const double mid : {43.0, 223.0})
        for (const Band& b : bands)
            p.fillPath(sector(c, hub, r, mid, b.halfDeg), b.colour);

    // The hub: lit on its upper left.
    QLinearGradient light(c + QPointF(-hub, -hub), c + QPointF(hub, hub));
    light.setColorAt(0, Qt::white);
    light.setColorAt(0.5, Qt::white);
    light.setColorAt(0.5001, QColor(0xD8, 0xD8, 0xD8));
    light.setColorAt(1, QColor(0xD8, 0xD8, 0xD8));
    p.fillPath(ring(c, hub, hole), light);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kGrey, d.width(0.5)));
    p.drawEllipse(c, hub, hub);
    p.drawEllipse(c, hole, hole);
    p.setPen(QPen(kOutline, line));
    p.drawEllipse(c, r, r);
}

// One page of the open book, the left one; `depth` lowers its bottom edge, so
// that the page block and the cover below it are the same shape made deeper.
// The bottom of a deeper block flattens towards a straight line.
QPainterPath page(double depth)
{
    QPainterPath p;
    p.moveTo(16, 20.3);
    p.cubicTo(11, 16.4, 5, 16.2, 1.5, 18.8);
    p.lineTo(1.5, 28.2 + depth);
    p.cubicTo(6, 28.4 + 0.75 * depth, 11, 29.6 + 0.4 * depth, 16, 30.4 + 0.2 * depth);
    p.closeSubpath();
    return p;
}

QPainterPath mirrored(const QPainterPath& left) { return QTransform(-1, 0, 0, 1, kUnits, 0).map(left); }

void fillBoth(QPainter& p, const QPainterPath& left, const QBrush& b)
{
    p.fillPath(left, b);
    p.fillPath(mirrored(left), b);
}

void strokeBoth(QPainter& p, const QPainterPath& left, const QPen& pen)
{
    p.strokePath(left, pen);
    p.strokePath(mirrored(left), pen);
}

// The open book in front of the disc: yellow pages with lines of writing, the
// white and silver edges of the page block below them, a black cover beneath.
void paintBook(QPainter& p, const Device& d)
{
    const double line = d.width(kLine);
    // Each band of the page block at least one device pixel deep.
    const double band = std::max(1.0, d.snap ? std::round(d.s) : d.s) / d.s;
    const bool small = d.s < 1.0;
    const double cover = small ? 2 * band : 3 * band;
    fillBoth(p, page(cover), Qt::black);
    if (!small)
        fillBoth(p, page(2 * band), kSilver);
    fillBoth(p, page(band), Qt::white);
    fillBoth(p, page(0), kYellow);

    // The shade of the pages' fold along the gutter.
    p.setPen(QPen(kOlive, d.width(3.2), Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(16, 20.6), QPointF(16, 30.0));

    // Lines of writing, in words, the right page the mirror of the left.
    struct Word {
        double x0, x1;
    };
    struct Row {
        double y;
        std::vector<Word> words;
    };
    const std::vector<Row> rows = small ? std::vector<Row>{{22.0, {{3, 7}, {9, 12}}}, {26.0, {{3, 6}, {8, 12}}}}
                                        : std::vector<Row>{{20.5, {{3, 6}, {7, 9}}},
                                                           {22.5, {{3, 5}, {6, 9}, {10, 12}}},
                                                           {24.5, {{3, 6}, {7, 9}, {10, 13}}},
                                                           {26.5, {{3, 5}, {6, 9}}}};
    p.setPen(QPen(kOlive, d.width(0.8), Qt::SolidLine, Qt::FlatCap));
    for (const Row& row : rows)
        for (const Word& w : row.words) {
            const double y = d.centre(row.y);
            p.drawLine(QPointF(d.edge(w.x0), y), QPointF(d.edge(w.x1), y));
            p.drawLine(QPointF(kUnits - d.edge(w.x0), y), QPointF(kUnits - d.edge(w.x1), y));
        }

    const QPen outline(Qt::black, line, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
    strokeBoth(p, page(cover), outline);
    strokeBoth(p, page(0), outline);
    p.setPen(QPen(Qt::black, d.width(1.2), Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(16, 20.0), QPointF(16, 30.4 + 0.2 * cover));
}

void paintAppIcon(QPainter& p, const Device& d)
{
    p.setRenderHint(QPainter::Antialiasing);
    paintDisc(p, d);
    paintBook(p, d);
}

}  // namespace

QImage renderAppIcon(int px, bool classicColours)
{
    QImage img(px, px, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    const double s = px / kUnits;
    p.scale(s, s);
    paintAppIcon(p, {s, true, classicColours});
    p.end();
    return straightAlpha(img);
}

bool writeAppIconSvg(const QString& path, QString* error)
{
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(256, 256));
    svg.setViewBox(QRectF(0, 0, kUnits, kUnits));
    svg.setTitle(QStringLiteral("Ayat Explorer"));
    svg.setDescription(QStringLiteral("A compact disc with an open yellow book in front of it"));
    QPainter p;
    if (!p.begin(&svg)) {
        *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    // Drawn as the largest PNG is, without the snapping to pixels.
    paintAppIcon(p, {256 / kUnits, false});
    if (!p.end()) {
        *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    return true;
}

bool writeHicolorIcons(const QString& dirName, const QString& name, QString* error)
{
    const QDir dir(dirName);
    auto folder = [&](const QString& size) {
        const QString f = dir.filePath(QStringLiteral("hicolor/%1/apps").arg(size));
        if (!QDir().mkpath(f)) {
            *error = QStringLiteral("cannot create %1").arg(f);
            return QString();
        }
        return f;
    };
    for (const int px : kAppIconSizes) {
        const QString f = folder(QStringLiteral("%1x%1").arg(px));
        if (f.isEmpty())
            return false;
        const QString path = QDir(f).filePath(name + QStringLiteral(".png"));
        if (!renderAppIcon(px).save(path, "PNG")) {
            *error = QStringLiteral("cannot write %1").arg(path);
            return false;
        }
        std::printf("%s\n", qPrintable(path));
    }
    const QString f = folder(QStringLiteral("scalable"));
    if (f.isEmpty())
        return false;
    const QString path = QDir(f).filePath(name + QStringLiteral(".svg"));
    if (!writeAppIconSvg(path, error))
        return false;
    std::printf("%s\n", qPrintable(path));
    return true;
}

namespace {

// One image of the icon file as Windows reads it: BITMAPINFOHEADER (its height
// counts the mask too), the BGRA rows bottom-up, then the 1-bit mask rows (set
// where transparent), each padded to 4 bytes; at 256 px a PNG file.
QByteArray iconImage(const QImage& drawn)
{
    QByteArray out;
    const int px = drawn.width();
    if (px >= 256) {
        QBuffer buffer(&out);
        buffer.open(QIODevice::WriteOnly);
        drawn.save(&buffer, "PNG");
        return out;
    }
    const QImage image = drawn.convertToFormat(QImage::Format_ARGB32);
    put32(out, 40);
    put32(out, quint32(px));
    put32(out, quint32(px * 2));
    put16(out, 1);
    put16(out, 32);
    for (int i = 0; i < 6; ++i)
        put32(out, 0);  // BI_RGB, sizes and colours not given
    for (int y = px - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < px; ++x)
            put32(out, line[x]);  // 0xAARRGGBB, little-endian: B, G, R, A
    }
    const int maskRow = (px + 31) / 32 * 4;
    for (int y = px - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        QByteArray row(maskRow, '\0');
        for (int x = 0; x < px; ++x)
            if (qAlpha(line[x]) == 0)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        out.append(row);
    }
    return out;
}

}  // namespace

bool writeWindowsIcon(const QString& path, QString* error)
{
    std::vector<QByteArray> images;
    for (const int px : kWindowsIconSizes)
        images.push_back(iconImage(renderAppIcon(px)));
    QByteArray file;
    put16(file, 0);
    put16(file, 1);  // an icon
    put16(file, quint32(images.size()));
    quint32 offset = quint32(6 + 16 * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const int px = kWindowsIconSizes[i];
        file.append(char(px >= 256 ? 0 : px));  // 0 stands for 256
        file.append(char(px >= 256 ? 0 : px));
        file.append('\0');  // no palette
        file.append('\0');
        put16(file, 1);   // planes
        put16(file, 32);  // bits per pixel
        put32(file, quint32(images[i].size()));
        put32(file, offset);
        offset += quint32(images[i].size());
    }
    for (const QByteArray& image : images)
        file.append(image);
    QDir().mkpath(QFileInfo(path).path());
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(file) != file.size() || !out.commit()) {
        *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

}  // namespace ayat::art
