#include "paint.h"

#include <algorithm>
#include <cmath>

namespace ayat::art {

QColor rgb(unsigned v) { return QColor((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF); }

QColor withAlpha(QColor c, int alpha)
{
    c.setAlpha(alpha);
    return c;
}

QColor mix(const QColor& a, const QColor& b, double t)
{
    return QColor::fromRgbF(
        float(a.redF() + (b.redF() - a.redF()) * t), float(a.greenF() + (b.greenF() - a.greenF()) * t),
        float(a.blueF() + (b.blueF() - a.blueF()) * t), float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

// The outline colour of a shape: a deep shade of its own colour.
QColor ink(const QColor& c) { return mix(c.darker(230), rgb(0x2a1a30), 0.25); }

QLinearGradient linear(QPointF a, QPointF b, Stops stops)
{
    QLinearGradient g(a, b);
    for (const auto& [at, c] : stops)
        g.setColorAt(at, c);
    return g;
}

QLinearGradient vertical(const QRectF& r, Stops stops) { return linear(r.topLeft(), r.bottomLeft(), stops); }

QRadialGradient radial(QPointF centre, double radius, Stops stops)
{
    QRadialGradient g(centre, radius);
    for (const auto& [at, c] : stops)
        g.setColorAt(at, c);
    return g;
}

QRadialGradient radial(QPointF centre, double radius, QPointF focal, Stops stops)
{
    QRadialGradient g(centre, radius, focal);
    for (const auto& [at, c] : stops)
        g.setColorAt(at, c);
    return g;
}

// A rounded body lit from the upper left: light, its own colour, then shade.
QRadialGradient lit(const QRectF& r, const QColor& base, double strength)
{
    const QPointF c(r.left() + r.width() * 0.36, r.top() + r.height() * 0.3);
    const double radius = std::max(r.width(), r.height()) * 0.95;
    return radial(
        c, radius,
        {{0.0, mix(base, Qt::white, 0.35 * strength)}, {0.55, base}, {1.0, mix(base, base.darker(170), strength)}});
}

QPen pen(const QColor& c, double width) { return QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

void fill(QPainter& p, const QPainterPath& path, const QBrush& brush, const QColor& outline, double width)
{
    p.setPen(outline.isValid() ? pen(outline, width) : QPen(Qt::NoPen));
    p.setBrush(brush);
    p.drawPath(path);
}

// The usual way to draw a body: lit by its own colour, outlined in its ink.
void body(QPainter& p, const QPainterPath& path, const QColor& base, double width, double strength)
{
    fill(p, path, lit(path.boundingRect(), base, strength), ink(base), width);
}

void stroke(QPainter& p, const QPainterPath& path, const QColor& c, double width)
{
    p.setPen(pen(c, width));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

QPainterPath ellipse(QPointF c, double rx, double ry)
{
    QPainterPath path;
    path.addEllipse(c, rx, ry);
    return path;
}

QPainterPath ellipse(double cx, double cy, double rx, double ry) { return ellipse(QPointF(cx, cy), rx, ry); }

// A soft white gleam on a lit surface.
void gleam(QPainter& p, QPointF c, double rx, double ry, int alpha, double angle)
{
    p.save();
    p.translate(c);
    p.rotate(angle);
    p.setPen(Qt::NoPen);
    p.setBrush(radial(QPointF(0, 0), std::max(rx, ry),
                      {{0.0, QColor(255, 255, 255, alpha)}, {1.0, QColor(255, 255, 255, 0)}}));
    p.scale(1.0, ry / std::max(rx, 0.01));
    p.drawEllipse(QPointF(0, 0), rx, rx);
    p.restore();
}

// Smooth curves through points (Catmull-Rom turned into cubic Beziers).
QPainterPath smooth(const std::vector<QPointF>& pts, bool closed, double tension)
{
    QPainterPath path;
    const int n = int(pts.size());
    if (n < 2)
        return path;
    auto at = [&](int i) {
        if (closed)
            return pts[std::size_t((i % n + n) % n)];
        return pts[std::size_t(std::clamp(i, 0, n - 1))];
    };
    path.moveTo(pts[0]);
    const int segments = closed ? n : n - 1;
    for (int i = 0; i < segments; ++i) {
        const QPointF p0 = at(i - 1), p1 = at(i), p2 = at(i + 1), p3 = at(i + 2);
        const QPointF c1 = p1 + (p2 - p0) * (tension / 6.0);
        const QPointF c2 = p2 - (p3 - p1) * (tension / 6.0);
        path.cubicTo(c1, c2, p2);
    }
    if (closed)
        path.closeSubpath();
    return path;
}

QPainterPath blob(const std::vector<QPointF>& pts, double tension) { return smooth(pts, true, tension); }
QPainterPath curve(const std::vector<QPointF>& pts, double tension) { return smooth(pts, false, tension); }

QPainterPath polygon(const std::vector<QPointF>& pts)
{
    QPainterPath path;
    if (pts.empty())
        return path;
    path.moveTo(pts[0]);
    for (std::size_t i = 1; i < pts.size(); ++i)
        path.lineTo(pts[i]);
    path.closeSubpath();
    return path;
}

// A region bounded above by a smooth line through `top` (left to right) and
// below by the horizontal line y = bottom.
QPainterPath landBelow(const std::vector<QPointF>& top, double bottom)
{
    QPainterPath path = curve(top);
    path.lineTo(top.back().x(), bottom);
    path.lineTo(top.front().x(), bottom);
    path.closeSubpath();
    return path;
}

// A thick tapering stroke (a leaf, a blade, a limb) along a smooth centre line.
QPainterPath ribbon(const std::vector<QPointF>& centre, double startWidth, double endWidth)
{
    const int n = int(centre.size());
    std::vector<QPointF> left, right;
    for (int i = 0; i < n; ++i) {
        const QPointF a = centre[std::size_t(std::max(i - 1, 0))];
        const QPointF b = centre[std::size_t(std::min(i + 1, n - 1))];
        QPointF d = b - a;
        const double len = std::hypot(d.x(), d.y());
        if (len > 0)
            d /= len;
        const QPointF normal(-d.y(), d.x());
        const double t = n > 1 ? double(i) / (n - 1) : 0.0;
        const double w = (startWidth + (endWidth - startWidth) * t) / 2.0;
        left.push_back(centre[std::size_t(i)] + normal * w);
        right.push_back(centre[std::size_t(i)] - normal * w);
    }
    std::vector<QPointF> all = left;
    all.insert(all.end(), right.rbegin(), right.rend());
    QPainterPath path = curve(left);
    path.connectPath(curve(std::vector<QPointF>(right.rbegin(), right.rend())));
    path.closeSubpath();
    return path;
}

// A pointed leaf from base to tip, bulging to both sides by `width`.
QPainterPath leaf(QPointF base, QPointF tip, double width)
{
    const QPointF d = tip - base;
    const QPointF normal(-d.y(), d.x());
    const double len = std::hypot(d.x(), d.y());
    const QPointF n = len > 0 ? normal / len * width : QPointF();
    QPainterPath path(base);
    path.cubicTo(base + d * 0.25 + n, base + d * 0.7 + n * 0.8, tip);
    path.cubicTo(base + d * 0.7 - n * 0.8, base + d * 0.25 - n, base);
    path.closeSubpath();
    return path;
}

// A puffy cloud: a row of round lobes on a flat base.
void cloud(QPainter& p, QPointF c, double w, double h)
{
    QPainterPath path;
    path.addEllipse(QPointF(c.x() - w * 0.28, c.y() + h * 0.08), w * 0.24, h * 0.42);
    path.addEllipse(QPointF(c.x() + w * 0.02, c.y() - h * 0.12), w * 0.26, h * 0.55);
    path.addEllipse(QPointF(c.x() + w * 0.3, c.y() + h * 0.1), w * 0.22, h * 0.38);
    path.addRoundedRect(QRectF(c.x() - w * 0.48, c.y() + h * 0.02, w * 0.96, h * 0.42), h * 0.21, h * 0.21);
    path.setFillRule(Qt::WindingFill);
    path = path.simplified();
    const QRectF r = path.boundingRect();
    fill(p, path, vertical(r, {{0.0, rgb(0xffffff)}, {0.6, rgb(0xf4f8fc)}, {1.0, rgb(0xd3e2ef)}}), rgb(0xa7bfd6), 1.1);
    gleam(p, QPointF(c.x() - w * 0.05, c.y() - h * 0.25), w * 0.18, h * 0.16, 170, 0);
}

// A tuft of grass blades rising from a point.
void grassTuft(QPainter& p, QPointF base, double h, const QColor& c, Dice& dice, int blades)
{
    // Blades fanning out and curving outwards, darker at the root.
    for (int i = 0; i < blades; ++i) {
        const double spread = (i - (blades - 1) / 2.0) / std::max(1.0, (blades - 1) / 2.0);
        const double a = -kPi / 2 + spread * 0.55 + dice.in(-0.08, 0.08);
        const double len = h * dice.in(0.75, 1.0) * (1.0 - 0.25 * std::abs(spread));
        const QPointF tip = base + QPointF(std::cos(a) * len + spread * h * 0.25, std::sin(a) * len);
        const QPointF mid = base + QPointF(std::cos(a) * len * 0.5, std::sin(a) * len * 0.55);
        fill(p, ribbon({base + QPointF(spread * 1.2, 0), mid, tip}, std::max(1.6, h * 0.22), 0.2),
             linear(base, tip, {{0, c.darker(120)}, {1, c.lighter(135)}}), c.darker(150), 0.5);
    }
}

// A five-petalled flower.
void flower(QPainter& p, QPointF c, double r, const QColor& petal, const QColor& heart)
{
    for (int i = 0; i < 5; ++i) {
        const double a = i * 2 * kPi / 5 - kPi / 2;
        const QPointF pc = c + QPointF(std::cos(a), std::sin(a)) * r * 0.62;
        body(p, ellipse(pc, r * 0.45, r * 0.45), petal, 0.8, 0.6);
    }
    body(p, ellipse(c, r * 0.32, r * 0.32), heart, 0.7, 0.6);
}

// A four-pointed twinkle.
void sparkle(QPainter& p, QPointF c, double r, const QColor& colour, int alpha)
{
    QPainterPath s;
    const double k = r * 0.18;
    s.moveTo(c + QPointF(0, -r));
    s.quadTo(c + QPointF(k, -k), c + QPointF(r, 0));
    s.quadTo(c + QPointF(k, k), c + QPointF(0, r));
    s.quadTo(c + QPointF(-k, k), c + QPointF(-r, 0));
    s.quadTo(c + QPointF(-k, -k), c + QPointF(0, -r));
    p.setPen(Qt::NoPen);
    p.setBrush(radial(c, r * 0.9,
                      {{0.0, withAlpha(Qt::white, alpha)},
                       {0.35, withAlpha(colour, alpha)},
                       {1.0, withAlpha(colour, alpha * 2 / 3)}}));
    p.drawPath(s);
}

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

}  // namespace ayat::art
