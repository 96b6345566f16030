// The book emblem: an open book with a dark green binding and Arabic
// calligraphy across its cream pages, 120 x 82. Its silhouette is shaped so that
// exactly 399 pixels lie outside it (the background corners that Image10 makes
// transparent).
#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "arabic_layout.h"
#include "pictures.h"

namespace ayat::art {
namespace {

constexpr int kW = 120, kH = 82;
constexpr int kBackgroundPixels = 399;
const QColor kGrey(0xBF, 0xBF, 0xBF);

// How far the top of the pages dips towards the spine; the curve runs from the
// outer corners (u = 0) to the gutter (u = 1).
qreal dipCurve(qreal u) { return std::pow(u, 2.2); }

struct Shape {
    QPainterPath pages;  // both page blocks
    QPainterPath left, right;
    QPainterPath cover;
    QPainterPath outline;  // the union
};

// `dip`: depth in pixels of the pages' top edge at the spine.
Shape bookShape(qreal dip)
{
    const qreal mid = kW / 2.0;
    const qreal top = 0.5, pageBottom = 70.0;
    auto page = [&](bool leftSide) {
        QPainterPath p;
        const qreal outer = leftSide ? 4.0 : kW - 4.0;
        p.moveTo(outer, top + 1.0);
        for (int i = 1; i <= 40; ++i) {
            const qreal u = i / 40.0;
            const qreal x = outer + (mid - outer) * u;
            p.lineTo(x, top + 1.0 + dip * dipCurve(u) - 1.0 * (1 - u) * u);
        }
        for (int i = 40; i >= 0; --i) {
            const qreal u = i / 40.0;
            const qreal x = outer + (mid - outer) * u;
            p.lineTo(x, pageBottom + 3.0 * dipCurve(u));
        }
        p.closeSubpath();
        return p;
    };
    Shape s;
    s.left = page(true);
    s.right = page(false);
    s.pages = s.left.united(s.right);
    // The binding: wider than the pages, its lower edge curving down to the spine.
    QPainterPath c;
    const qreal coverTop = 6.0, coverBottom = 77.5, spineBottom = kH;
    c.moveTo(0, coverTop + 3);
    c.quadTo(0, coverTop, 3, coverTop);
    c.lineTo(kW - 3, coverTop);
    c.quadTo(kW, coverTop, kW, coverTop + 3);
    c.lineTo(kW, coverBottom - 4);
    c.quadTo(kW, coverBottom, kW - 5, coverBottom);
    c.cubicTo(kW - 30, coverBottom, mid + 10, spineBottom, mid, spineBottom);
    c.cubicTo(mid - 10, spineBottom, 30, coverBottom, 5, coverBottom);
    c.quadTo(0, coverBottom, 0, coverBottom - 4);
    c.closeSubpath();
    s.cover = c;
    s.outline = s.cover.united(s.pages);
    return s;
}

// How much of each pixel the path covers, drawn at the given scale.
QImage coverage(const QPainterPath& path, int scale)
{
    QImage img(kW * scale, kH * scale, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(scale);
    img.fill(Qt::transparent);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawPath(path);
    }
    return img;
}

// Which pixels the path covers by at least half.
std::vector<bool> rasterMask(const QPainterPath& path)
{
    const QImage img = coverage(path, 1);
    std::vector<bool> mask(kW * kH);
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
            mask[y * kW + x] = qAlpha(img.pixel(x, y)) >= 128;
    return mask;
}

int backgroundCount(const std::vector<bool>& mask) { return int(std::count(mask.begin(), mask.end(), false)); }

// The silhouette with exactly kBackgroundPixels outside it: the spine dip is
// chosen by bisection, then single pixels on the border nearest the corners
// are moved to make the count exact.
std::vector<bool> exactMask(qreal* dipOut)
{
    qreal lo = 0, hi = 12;
    for (int i = 0; i < 30; ++i) {
        const qreal mid = (lo + hi) / 2;
        if (backgroundCount(rasterMask(bookShape(mid).outline)) > kBackgroundPixels)
            hi = mid;
        else
            lo = mid;
    }
    *dipOut = lo;
    std::vector<bool> mask = rasterMask(bookShape(lo).outline);
    auto inside = [&](int x, int y) { return x >= 0 && y >= 0 && x < kW && y < kH && mask[y * kW + x]; };
    // Candidates ordered by closeness to a corner, alternating left and right.
    while (backgroundCount(mask) != kBackgroundPixels) {
        const bool addBackground = backgroundCount(mask) < kBackgroundPixels;
        int best = -1;
        qreal bestD = 1e9;
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x) {
                if (inside(x, y) != addBackground)
                    continue;
                // A border pixel: some 4-neighbour on the other side.
                const bool border = inside(x - 1, y) != addBackground || inside(x + 1, y) != addBackground
                    || inside(x, y - 1) != addBackground || inside(x, y + 1) != addBackground || x == 0 || y == 0
                    || x == kW - 1 || y == kH - 1;
                if (!border)
                    continue;
                const qreal dx = std::min(x, kW - 1 - x), dy = std::min(y, kH - 1 - y);
                const qreal d = (addBackground ? 1 : -1) * std::hypot(dx, dy) + (x < kW / 2 ? 0 : 0.01);
                if (d < bestD) {
                    bestD = d;
                    best = y * kW + x;
                }
            }
        if (best < 0)
            throw std::runtime_error("cannot shape the book emblem");
        mask[best] = !addBackground;
    }
    return mask;
}

// Draws one line of Arabic with its ink centred on `centre`, at the painter's scale.
void drawText(QPainter& p, const QString& text, QPointF centre, qreal pixelSize, QColor colour)
{
    const qreal scale = p.device()->devicePixelRatio();
    const ArabicLayout layout(text, quranFont(pixelSize), 200);
    const QSize canvas(200, int(std::ceil(layout.lineHeight(0))) + 4);
    QImage ink = layout.drawLine(0, canvas, QPointF(0, 0), int(scale), colour);
    ink.setDevicePixelRatio(scale);
    QRect bounds;
    inkBounds(ink, &bounds);
    p.drawImage(centre - QRectF(bounds).center() / scale - QPointF(0.5, 0.5), ink);
}

// The book drawn without its writing: the dark green leather binding, lit from
// above, with a gold tooled line; the stacked leaves below each page, then the
// pages themselves.
void paintBindingAndPages(QPainter& p, const Shape& s)
{
    const qreal mid = kW / 2.0;
    // Binding: dark green leather, lit from above, with a gold tooled line.
    QLinearGradient leather(0, 7, 0, kH);
    leather.setColorAt(0, QColor(0x2E, 0x7D, 0x45));
    leather.setColorAt(0.5, QColor(0x13, 0x55, 0x27));
    leather.setColorAt(1, QColor(0x06, 0x30, 0x12));
    p.setPen(Qt::NoPen);
    p.setBrush(leather);
    p.drawPath(s.cover);
    p.setPen(QPen(QColor(0xD8, 0xB0, 0x40), 0.8));
    p.setBrush(Qt::NoBrush);
    QTransform inset;
    inset.translate(mid, 44);
    inset.scale(0.965, 0.93);
    inset.translate(-mid, -44);
    p.drawPath(inset.map(s.cover));

    // Page edges: the stacked leaves below each page, then the pages themselves.
    for (int k = 3; k >= 1; --k) {
        p.setPen(QPen(QColor(0x9C, 0x8A, 0x5C), 0.6));
        p.setBrush(QColor(0xE9, 0xDC, 0xB4).darker(100 + 6 * k));
        p.drawPath(s.pages.translated(0, k * 1.1));
    }
    for (const QPainterPath* page : {&s.left, &s.right}) {
        const bool isLeft = page == &s.left;
        QLinearGradient paper(isLeft ? 4 : kW - 4, 0, mid, 0);
        paper.setColorAt(0.0, QColor(0xFB, 0xF3, 0xD6));
        paper.setColorAt(0.75, QColor(0xF1, 0xE4, 0xBC));
        paper.setColorAt(1.0, QColor(0xBF, 0xA8, 0x78));  // shadow in the gutter
        p.setPen(QPen(QColor(0x8C, 0x74, 0x48), 0.7));
        p.setBrush(paper);
        p.drawPath(*page);
    }
}

QImage drawBook(int scale)
{
    qreal dip = 0;
    const std::vector<bool> mask = exactMask(&dip);
    const Shape s = bookShape(dip);
    const qreal mid = kW / 2.0;

    QImage img(kW * scale, kH * scale, QImage::Format_ARGB32);
    img.setDevicePixelRatio(scale);
    img.fill(kGrey);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    paintBindingAndPages(p, s);

    // Calligraphy: the basmala across the right page, and verse lines below,
    // each page framed by a thin gold and red rule.
    for (int side = 0; side < 2; ++side) {
        const qreal x0 = side == 0 ? 10 : mid + 5, x1 = side == 0 ? mid - 5 : kW - 10;
        const QRectF frame(x0, 8 + dip * 0.4, x1 - x0, 56);
        p.setPen(QPen(QColor(0xB0, 0x30, 0x20), 0.6));
        p.setBrush(Qt::NoBrush);
        p.drawRect(frame);
        p.setPen(QPen(QColor(0xC8, 0x9C, 0x30), 0.6));
        p.drawRect(frame.adjusted(1.4, 1.4, -1.4, -1.4));
    }
    const QColor ink(0x1A, 0x10, 0x08), red(0xA8, 0x1C, 0x10), green(0x10, 0x5A, 0x28);
    const qreal right = (mid + 5 + kW - 10) / 2, left = (10 + mid - 5) / 2;
    const QStringList b = basmala().split(QLatin1Char(' '));  // four words
    drawText(p, b.value(0) + QLatin1Char(' ') + b.value(1), {right, 22}, 12, green);
    drawText(p, b.value(2), {right, 37}, 12, ink);
    drawText(p, b.value(3), {right, 51}, 12, ink);
    drawText(p, QStringLiteral("وَٱلتِّينِ"), {left, 22}, 12, red);
    drawText(p, QStringLiteral("وَٱلزَّيۡتُونِ"), {left, 37}, 12, ink);
    drawText(p, QStringLiteral("۝١"), {left, 52}, 12, ink);
    p.end();

    if (scale != 1) {
        // Finer than the catalogue's picture, the silhouette keeps its smooth
        // edge: what the outline covers of each pixel is how opaque it is.
        const QImage cover = coverage(s.outline, scale);
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QRgb c = img.pixel(x, y);
                img.setPixel(x, y, qRgba(qRed(c), qGreen(c), qBlue(c), qAlpha(cover.pixel(x, y))));
            }
        return img;
    }
    // Outside the silhouette: the plain ground.
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
            if (!mask[y * kW + x])
                img.setPixel(x, y, qRgba(0, 0, 0, 0));
            else
                img.setPixel(x, y, img.pixel(x, y) | 0xFF000000u);
    return img;
}

}  // namespace

QImage drawBookEmblem(bool transparentCorners, int scale)
{
    const QImage img = drawBook(scale);
    if (!transparentCorners) {
        QImage grey(img.size(), QImage::Format_RGB32);
        grey.setDevicePixelRatio(scale);
        grey.fill(kGrey);
        QPainter(&grey).drawImage(0, 0, img);
        return grey;
    }
    return img;
}

}  // namespace ayat::art
