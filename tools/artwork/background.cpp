// The home background: an open book on a folding wooden book-stand, standing
// on a patterned tiled floor that recedes to the horizon, lit by a bright light
// from above, with the basmala in yellow calligraphy across the bottom.
#include <algorithm>
#include <cmath>

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "arabic_layout.h"
#include "paint.h"
#include "pictures.h"

namespace ayat::art {
namespace {

constexpr qreal kHorizon = 150;  // y of the horizon
constexpr qreal kCentreX = 288.5;

// The size of the picture in its own pixels, whatever the scale it is drawn at.
qreal width(const QImage& img) { return img.deviceIndependentSize().width(); }
qreal height(const QImage& img) { return img.deviceIndependentSize().height(); }

// The wall behind: warm plaster lit from above, with a faint lattice of
// eight-pointed stars.
void drawWall(QImage& img)
{
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient wall(0, 0, 0, kHorizon);
    wall.setColorAt(0, QColor(0xB8, 0xC8, 0xD8));
    wall.setColorAt(1, QColor(0xE6, 0xDC, 0xC4));
    p.fillRect(QRectF(0, 0, width(img), kHorizon + 1), wall);
    // Star lattice.
    p.setPen(QPen(QColor(0x6A, 0x80, 0x9A, 60), 1.0));
    p.setBrush(Qt::NoBrush);
    const qreal step = 36;
    for (qreal cy = 18; cy < kHorizon; cy += step)
        for (qreal cx = std::fmod(kCentreX, step) - step; cx < width(img) + step; cx += step) {
            QPolygonF a, b;
            const qreal r = 11;
            for (int i = 0; i < 4; ++i) {
                const qreal t = i * M_PI / 2;
                a << QPointF(cx + r * std::cos(t), cy + r * std::sin(t));
                b << QPointF(cx + r * std::cos(t + M_PI / 4), cy + r * std::sin(t + M_PI / 4));
            }
            p.drawPolygon(a);
            p.drawPolygon(b);
            p.drawLine(QPointF(cx + r, cy), QPointF(cx + step - r, cy));
            p.drawLine(QPointF(cx, cy + r), QPointF(cx, cy + step - r));
        }
    // A skirting band where the wall meets the floor.
    QLinearGradient band(0, kHorizon - 10, 0, kHorizon);
    band.setColorAt(0, QColor(0x7A, 0x4E, 0x2A));
    band.setColorAt(1, QColor(0x4A, 0x2C, 0x14));
    p.fillRect(QRectF(0, kHorizon - 9, width(img), 9), band);
    p.fillRect(QRectF(0, kHorizon - 10, width(img), 1), QColor(0xD8, 0xB0, 0x60));
}

// The floor tile pattern at floor coordinates (u across, v into the distance),
// both in tile units: cream tiles with a terracotta star and teal corners.
QColor tileColour(qreal u, qreal v)
{
    const qreal fu = u - std::floor(u), fv = v - std::floor(v);
    const bool odd = (int(std::floor(u)) + int(std::floor(v))) & 1;
    const qreal du = std::abs(fu - 0.5), dv = std::abs(fv - 0.5);
    const QColor cream(0xEC, 0xE2, 0xCA), sand(0xDC, 0xCA, 0xA4), terracotta(0xB8, 0x62, 0x44), teal(0x3A, 0x80, 0x7E),
        grout(0x9A, 0x88, 0x6A);
    if (fu < 0.035 || fv < 0.035)
        return grout;
    // Corner quarter-diamonds make teal diamonds where four tiles meet.
    if (du + dv > 0.80)
        return teal;
    // A star in the middle: a square and a diamond overlaid.
    if (std::max(du, dv) < 0.17 || du + dv < 0.24)
        return odd ? teal : terracotta;
    if (std::max(du, dv) < 0.21 || du + dv < 0.29)
        return sand;
    return odd ? sand : cream;
}

void drawFloor(QImage& img)
{
    // Each device pixel is sampled 4 x 4 times; x and y are in device pixels.
    const int w = img.width(), h = img.height();
    const qreal scale = img.devicePixelRatio();
    const qreal eye = 260;        // focal length in pixels
    const qreal camHeight = 2.4;  // tiles
    for (int y = int(kHorizon * scale); y < h; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            qreal r = 0, g = 0, b = 0;
            const int n = 4;
            qreal dist = 0;
            for (int sy = 0; sy < n; ++sy)
                for (int sx = 0; sx < n; ++sx) {
                    const qreal py = (y + (sy + 0.5) / n) / scale - kHorizon;
                    const qreal px = (x + (sx + 0.5) / n) / scale - kCentreX;
                    const qreal z = camHeight * eye / std::max(py, 0.05);  // depth in tiles
                    const qreal u = px * z / eye + 0.5, v = z;
                    const QColor c = tileColour(u, v);
                    r += c.redF();
                    g += c.greenF();
                    b += c.blueF();
                    dist += z;
                }
            QColor c = QColor::fromRgbF(r / (n * n), g / (n * n), b / (n * n));
            // Haze towards the horizon, where the tiles grow too small to see.
            const qreal z = dist / (n * n);
            c = mix(c, QColor(0xD6, 0xCC, 0xB4), std::clamp((z - 6) / 30, 0.0, 0.85));
            line[x] = c.rgb();
        }
    }
}

// Light from above: a bright pool on the floor around the stand and darker
// edges; then a soft shaft of light falling onto the book.
void drawLight(QImage& img)
{
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Vignette.
    QRadialGradient vignette(QPointF(kCentreX, 250), 420);
    vignette.setColorAt(0.0, QColor(0, 0, 0, 0));
    vignette.setColorAt(0.55, QColor(0, 0, 0, 30));
    vignette.setColorAt(1.0, QColor(20, 10, 0, 170));
    p.fillRect(QRectF(QPointF(0, 0), img.deviceIndependentSize()), vignette);
    // The darker foreground where the calligraphy lies.
    QLinearGradient front(0, 320, 0, height(img));
    front.setColorAt(0, QColor(20, 10, 0, 0));
    front.setColorAt(0.45, QColor(20, 10, 0, 150));
    front.setColorAt(1, QColor(20, 10, 0, 215));
    p.fillRect(QRectF(0, 320, width(img), height(img) - 320), front);
    // The pool of light on the floor.
    p.setCompositionMode(QPainter::CompositionMode_Screen);
    QRadialGradient pool(QPointF(kCentreX, 318), 150);
    pool.setColorAt(0.0, QColor(255, 240, 200, 150));
    pool.setColorAt(0.6, QColor(255, 230, 180, 50));
    pool.setColorAt(1.0, QColor(255, 230, 180, 0));
    p.save();
    p.translate(kCentreX, 318);
    p.scale(1.0, 0.38);
    p.translate(-kCentreX, -318);
    p.fillRect(QRectF(0, 0, width(img), 1000), pool);
    p.restore();
    // The glow of the light source high above the centre.
    QRadialGradient source(QPointF(kCentreX, -30), 260);
    source.setColorAt(0.0, QColor(255, 250, 225, 230));
    source.setColorAt(0.4, QColor(255, 245, 210, 110));
    source.setColorAt(1.0, QColor(255, 240, 200, 0));
    p.fillRect(QRectF(0, 0, width(img), kHorizon + 60), source);
}

void drawShaft(QPainter& p)
{
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Screen);
    QPainterPath shaft;
    shaft.moveTo(kCentreX - 40, 0);
    shaft.lineTo(kCentreX + 40, 0);
    shaft.lineTo(kCentreX + 130, 330);
    shaft.lineTo(kCentreX - 130, 330);
    shaft.closeSubpath();
    QLinearGradient g(0, 0, 0, 345);
    g.setColorAt(0, QColor(255, 248, 220, 90));
    g.setColorAt(1, QColor(255, 240, 200, 10));
    p.fillPath(shaft, g);
    p.restore();
}

QBrush woodBrush(QPointF a, QPointF b)
{
    QLinearGradient g(a, b);
    g.setColorAt(0.0, QColor(0xC8, 0x86, 0x48));
    g.setColorAt(0.45, QColor(0x9C, 0x5C, 0x2A));
    g.setColorAt(1.0, QColor(0x5E, 0x34, 0x14));
    return g;
}

// One board of the stand: a long slab from `from` to `to`, `width` wide, with
// its ends cut in a rounded arch and a few lines of grain.
void drawBoard(QPainter& p, QPointF from, QPointF to, qreal width, qreal thickness)
{
    const QPointF d = to - from;
    const qreal len = std::hypot(d.x(), d.y());
    const QPointF n(-d.y() / len * width / 2, d.x() / len * width / 2);
    QPainterPath board;
    board.moveTo(from + n);
    board.lineTo(to + n);
    board.lineTo(to - n);
    board.lineTo(from - n);
    board.closeSubpath();
    // The board's edge, seen below its face, gives it thickness.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4A, 0x28, 0x0E));
    p.drawPath(board.translated(0, thickness));
    p.setBrush(woodBrush(from + n, from - n));
    p.setPen(QPen(QColor(0x3A, 0x1E, 0x08), 0.8));
    p.drawPath(board);
    p.save();
    p.setClipPath(board);
    for (int i = -3; i <= 3; ++i) {
        const QPointF off = n * (i / 4.0);
        QPainterPath grain;
        grain.moveTo(from + off);
        grain.cubicTo(from + d * 0.3 + off * 1.1, from + d * 0.7 + off * 0.9, to + off);
        p.setPen(QPen(QColor(0x5A, 0x30, 0x10, 70), 0.7));
        p.setBrush(Qt::NoBrush);
        p.drawPath(grain);
    }
    p.restore();
}

void drawStand(QPainter& p)
{
    // Shadow on the floor.
    QRadialGradient shadow(QPointF(kCentreX, 352), 90);
    shadow.setColorAt(0, QColor(30, 15, 0, 150));
    shadow.setColorAt(1, QColor(30, 15, 0, 0));
    p.save();
    p.translate(kCentreX, 352);
    p.scale(1.0, 0.16);
    p.translate(-kCentreX, -352);
    p.fillRect(QRectF(kCentreX - 100, 200, 200, 300), shadow);
    p.restore();

    // The folding stand: two boards crossed in an X, the lower legs on the floor.
    const QPointF hinge(kCentreX, 292);
    drawBoard(p, QPointF(kCentreX - 52, 352), QPointF(kCentreX + 70, 215), 22, 3);
    drawBoard(p, QPointF(kCentreX + 52, 352), QPointF(kCentreX - 70, 215), 22, 3);
    // Feet cut into an arch.
    for (int s : {-1, 1}) {
        QPainterPath foot;
        const QPointF f(kCentreX + s * 52, 352);
        foot.addEllipse(f + QPointF(0, -2), 6, 4);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x2A, 0x16, 0x06, 200));
        p.drawPath(foot);
    }
    // The hinge peg.
    QRadialGradient peg(hinge + QPointF(-1.5, -1.5), 5);
    peg.setColorAt(0, QColor(0xF0, 0xD0, 0x80));
    peg.setColorAt(1, QColor(0x80, 0x5A, 0x20));
    p.setPen(QPen(QColor(0x40, 0x28, 0x08), 0.8));
    p.setBrush(peg);
    p.drawEllipse(hinge, 4.5, 4.5);
}

QPainterPath arabicPath(const QString& text, qreal pixelSize, QRectF* bounds)
{
    const QPainterPath path = ArabicLayout(text, quranFont(pixelSize), 4000).outline();
    *bounds = path.boundingRect();
    return path;
}

void drawPageText(QPainter& p, const QPolygonF& page, bool leftPage)
{
    // Lines of writing as fine strokes following the page's slant.
    p.save();
    QPainterPath clip;
    clip.addPolygon(page);
    p.setClipPath(clip);
    const QPointF top0 = page[0], top1 = page[1], bot1 = page[2], bot0 = page[3];
    for (int i = 0; i < 9; ++i) {
        const qreal t = 0.16 + i * 0.085;
        const QPointF a = top0 + (bot0 - top0) * t, b = top1 + (bot1 - top1) * t;
        const QPointF aa = a + (b - a) * 0.12, bb = a + (b - a) * 0.88;
        QPainterPath stroke;
        stroke.moveTo(aa);
        const int waves = 9;
        for (int k = 1; k <= waves; ++k) {
            const QPointF q = aa + (bb - aa) * (qreal(k) / waves);
            stroke.quadTo(q - (bb - aa) / (2.0 * waves) + QPointF(0, (k % 2 ? -1.4 : 0.6)), q);
        }
        p.setPen(QPen(i == 0 ? QColor(0x1A, 0x6A, 0x30, 220) : QColor(0x20, 0x14, 0x08, 190), i == 0 ? 1.4 : 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawPath(stroke);
    }
    (void)leftPage;
    p.restore();
}

void drawBook(QPainter& p)
{
    // The open book lies on the stand's upper arms, tilted towards the viewer.
    const qreal cx = kCentreX;
    // Cover, showing round the pages.
    QPainterPath cover;
    cover.moveTo(cx - 96, 198);
    cover.quadTo(cx - 48, 188, cx, 204);
    cover.quadTo(cx + 48, 188, cx + 96, 198);
    cover.lineTo(cx + 88, 262);
    cover.quadTo(cx + 44, 254, cx, 270);
    cover.quadTo(cx - 44, 254, cx - 88, 262);
    cover.closeSubpath();
    QLinearGradient cg(0, 190, 0, 270);
    cg.setColorAt(0, QColor(0x1E, 0x6A, 0x38));
    cg.setColorAt(1, QColor(0x08, 0x34, 0x16));
    p.setPen(QPen(QColor(0x04, 0x20, 0x0C), 1));
    p.setBrush(cg);
    p.drawPath(cover.translated(0, 4));
    // Page block edges.
    for (int k = 3; k >= 0; --k) {
        QPainterPath leaves;
        leaves.moveTo(cx - 90, 196 + k);
        leaves.quadTo(cx - 46, 186 + k, cx, 202 + k);
        leaves.quadTo(cx + 46, 186 + k, cx + 90, 196 + k);
        leaves.lineTo(cx + 83, 258 + k);
        leaves.quadTo(cx + 42, 250 + k, cx, 265 + k);
        leaves.quadTo(cx - 42, 250 + k, cx - 83, 258 + k);
        leaves.closeSubpath();
        p.setPen(QPen(QColor(0xA0, 0x8C, 0x60), 0.6));
        p.setBrush(QColor(0xE8, 0xDA, 0xB0).darker(100 + k * 5));
        p.drawPath(leaves);
    }
    // The two pages, curving down into the gutter.
    for (int side : {-1, 1}) {
        QPainterPath page;
        page.moveTo(cx, 202);
        page.quadTo(cx + side * 46, 186, cx + side * 90, 196);
        page.lineTo(cx + side * 83, 258);
        page.quadTo(cx + side * 42, 250, cx, 265);
        page.closeSubpath();
        QLinearGradient paper(QPointF(cx + side * 88, 0), QPointF(cx, 0));
        paper.setColorAt(0, QColor(0xFF, 0xF8, 0xE2));
        paper.setColorAt(0.7, QColor(0xF6, 0xEA, 0xC6));
        paper.setColorAt(1, QColor(0xC4, 0xAE, 0x80));
        p.setPen(QPen(QColor(0x90, 0x78, 0x4C), 0.7));
        p.setBrush(paper);
        p.drawPath(page);
        QPolygonF quad;
        if (side < 0)
            quad << QPointF(cx - 84, 199) << QPointF(cx - 6, 203) << QPointF(cx - 6, 262) << QPointF(cx - 78, 256);
        else
            quad << QPointF(cx + 6, 203) << QPointF(cx + 84, 199) << QPointF(cx + 78, 256) << QPointF(cx + 6, 262);
        drawPageText(p, quad, side < 0);
    }
    // A red ribbon marker hanging from the gutter.
    QPainterPath ribbon;
    ribbon.moveTo(cx - 2, 262);
    ribbon.cubicTo(cx - 4, 280, cx + 3, 292, cx - 1, 306);
    ribbon.lineTo(cx + 3, 301);
    ribbon.lineTo(cx + 5, 307);
    ribbon.cubicTo(cx + 8, 292, cx + 1, 280, cx + 2, 262);
    ribbon.closeSubpath();
    p.setPen(QPen(QColor(0x60, 0x08, 0x08), 0.6));
    p.setBrush(QColor(0xB8, 0x18, 0x18));
    p.drawPath(ribbon);
}

void drawCalligraphy(QPainter& p, QSize size)
{
    QRectF b;
    QPainterPath path = arabicPath(basmala(), 100, &b);
    const QRectF box(112, 345, size.width() - 224, 72);
    const qreal s = std::min(box.width() / b.width(), box.height() / b.height());
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(s, s);
    t.translate(-b.center().x(), -b.center().y());
    path = t.map(path);
    // Dark halo, then a gold outline and a bright yellow fill lit from above.
    p.setPen(QPen(QColor(30, 12, 0, 150), 4.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path.translated(1.5, 2));
    p.setPen(QPen(QColor(0x6A, 0x40, 0x00), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    QLinearGradient fill(0, box.top(), 0, box.bottom());
    fill.setColorAt(0, QColor(0xFF, 0xF6, 0x90));
    fill.setColorAt(0.5, QColor(0xFF, 0xD8, 0x20));
    fill.setColorAt(1, QColor(0xE0, 0xA0, 0x00));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
}

}  // namespace

QImage drawHomeBackground(QSize size, int scale)
{
    QImage img(size * scale, QImage::Format_RGB32);
    img.setDevicePixelRatio(scale);
    img.fill(Qt::black);
    drawWall(img);
    drawFloor(img);
    drawLight(img);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    drawShaft(p);
    p.save();
    p.translate(0, -16);
    drawStand(p);
    drawBook(p);
    p.restore();
    drawCalligraphy(p, size);
    return img;
}

}  // namespace ayat::art
