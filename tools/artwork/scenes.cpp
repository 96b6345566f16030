// The four scene pictures, drawn with QPainter in the manner of a picture book:
// outlined shapes filled with soft gradients, lit from the upper left.
//
// Every object that the user can choose is placed from its hotspot rectangle in
// the section tables, mapped into scene pixels the way the section panel
// stretches the scene, so that it lies under its hotspot. The rest of each
// picture (sky, ground, the objects no hotspot covers) is laid out around them.
#include "art.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <tuple>
#include <utility>
#include <vector>

#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

#include "assets/catalogue.h"
#include "platform/twips.h"
#include "platform/widgets.h"
#include "sections/tables/section_tables.h"

namespace ayat::art {

namespace {

constexpr double kPi = 3.14159265358979323846;

// ---- Where things go ------------------------------------------------------

const SectionDescription* sectionOf(std::string_view key)
{
    for (const SectionDescription* s : allSections())
        if (key == s->names.scene)
            return s;
    return nullptr;
}

// The scene's size from the catalogue; empty for a key that is not a scene.
QSize sceneSize(std::string_view key)
{
    if (!sectionOf(key))
        return {};
    const auto asset = findAsset(key);
    if (!asset || asset->encoding != Encoding::Gif87a)
        return {};
    return asset->size;
}

// The area inside the scene picture's border, in panel pixels.
QRect sceneInside()
{
    return toPixels(section_layout::kScene).adjusted(kSingleBorder, kSingleBorder, -kSingleBorder, -kSingleBorder);
}

// A rectangle of the panel, in twips, as scene pixels of a scene of the given size.
QRectF toScene(const Twips& t, QSize scene)
{
    const QRect in = sceneInside();
    const double sx = double(scene.width()) / in.width();
    const double sy = double(scene.height()) / in.height();
    const double px = double(kTwipsPerPixel);
    return QRectF((t.left / px - in.left()) * sx, (t.top / px - in.top()) * sy, t.width / px * sx,
                  t.height / px * sy);
}

// The hotspots of one section in scene pixels, looked up by name.
class Hotspots {
public:
    Hotspots(const SectionDescription& section, QSize scene)
    {
        for (const SectionItem& item : section.items)
            for (const HotspotSpec& h : item.hotspots)
                spots_.emplace_back(h.name, toScene(h.rect, scene));
    }

    // An unknown name gives an empty rectangle at the origin: the object drawn
    // from it shrinks to nothing rather than landing somewhere wrong.
    QRectF operator[](std::string_view name) const
    {
        for (const auto& [n, r] : spots_)
            if (name == n)
                return r;
        return {};
    }

private:
    std::vector<std::pair<std::string_view, QRectF>> spots_;
};

// ---- Drawing helpers ------------------------------------------------------

using Stops = std::initializer_list<std::pair<double, QColor>>;

QColor rgb(unsigned v) { return QColor((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF); }

QColor withAlpha(QColor c, int alpha)
{
    c.setAlpha(alpha);
    return c;
}

QColor mix(const QColor& a, const QColor& b, double t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t), float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t),
                            float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
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
QRadialGradient lit(const QRectF& r, const QColor& base, double strength = 1.0)
{
    const QPointF c(r.left() + r.width() * 0.36, r.top() + r.height() * 0.3);
    const double radius = std::max(r.width(), r.height()) * 0.95;
    return radial(c, radius,
                  {{0.0, mix(base, Qt::white, 0.35 * strength)},
                   {0.55, base},
                   {1.0, mix(base, base.darker(170), strength)}});
}

QPen pen(const QColor& c, double width = 1.4)
{
    return QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void fill(QPainter& p, const QPainterPath& path, const QBrush& brush, const QColor& outline = QColor(),
          double width = 1.4)
{
    p.setPen(outline.isValid() ? pen(outline, width) : QPen(Qt::NoPen));
    p.setBrush(brush);
    p.drawPath(path);
}

// The usual way to draw a body: lit by its own colour, outlined in its ink.
void body(QPainter& p, const QPainterPath& path, const QColor& base, double width = 1.4, double strength = 1.0)
{
    fill(p, path, lit(path.boundingRect(), base, strength), ink(base), width);
}

void stroke(QPainter& p, const QPainterPath& path, const QColor& c, double width = 1.4)
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
void gleam(QPainter& p, QPointF c, double rx, double ry, int alpha = 150, double angle = -30)
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
QPainterPath smooth(const std::vector<QPointF>& pts, bool closed, double tension = 1.0)
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

QPainterPath blob(const std::vector<QPointF>& pts, double tension = 1.0) { return smooth(pts, true, tension); }
QPainterPath curve(const std::vector<QPointF>& pts, double tension = 1.0) { return smooth(pts, false, tension); }

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

// Deterministic numbers, so that every run draws the same picture.
class Dice {
public:
    explicit Dice(std::uint32_t start) : state_(start) {}
    double next()
    {
        state_ = state_ * 1664525u + 1013904223u;
        return double(state_ >> 8) / 16777216.0;
    }
    double in(double lo, double hi) { return lo + (hi - lo) * next(); }

private:
    std::uint32_t state_;
};

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
void grassTuft(QPainter& p, QPointF base, double h, const QColor& c, Dice& dice, int blades = 5)
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
void sparkle(QPainter& p, QPointF c, double r, const QColor& colour, int alpha = 255)
{
    QPainterPath s;
    const double k = r * 0.18;
    s.moveTo(c + QPointF(0, -r));
    s.quadTo(c + QPointF(k, -k), c + QPointF(r, 0));
    s.quadTo(c + QPointF(k, k), c + QPointF(0, r));
    s.quadTo(c + QPointF(-k, k), c + QPointF(-r, 0));
    s.quadTo(c + QPointF(-k, -k), c + QPointF(0, -r));
    p.setPen(Qt::NoPen);
    p.setBrush(radial(c, r * 0.9, {{0.0, withAlpha(Qt::white, alpha)}, {0.35, withAlpha(colour, alpha)}, {1.0, withAlpha(colour, alpha * 2 / 3)}}));
    p.drawPath(s);
}

// ---- The nature scene: a coast ------------------------------------------

void ship(QPainter& p, const QRectF& area)
{
    // Drawn in a 100 x 54 box fitted into the area.
    p.save();
    p.translate(area.topLeft());
    p.scale(area.width() / 100.0, area.height() / 54.0);

    const QColor hullGrey = rgb(0x8a949e), sailWhite = rgb(0xeef1f3), wood = rgb(0x8a5a32);
    // Masts and rigging.
    for (const auto& [x, top] : {std::pair{40.0, 0.0}, std::pair{66.0, 5.0}}) {
        stroke(p, curve({{x, 31}, {x, top}}), ink(wood), 2.8);
        stroke(p, curve({{x, 31}, {x, top}}), wood, 1.4);
    }
    stroke(p, curve({{40, 2}, {97, 28}}), withAlpha(rgb(0x5a4a40), 200), 0.6);
    stroke(p, curve({{40, 2}, {6, 30}}), withAlpha(rgb(0x5a4a40), 200), 0.6);
    // Square sails on yards, filled by the wind.
    auto sail = [&](double xl, double xr, double y0, double y1) {
        QPainterPath s;
        s.moveTo(xl, y0);
        s.lineTo(xr, y0);
        s.quadTo(xr + 3, (y0 + y1) / 2, xr + 1, y1);
        s.quadTo((xl + xr) / 2, y1 + 3.5, xl - 1, y1);
        s.quadTo(xl - 3, (y0 + y1) / 2, xl, y0);
        s.closeSubpath();
        fill(p, s, linear(QPointF(xl, 0), QPointF(xr, 0), {{0.0, rgb(0xd0d6dc)}, {0.4, sailWhite}, {1.0, rgb(0xb8c0c8)}}), rgb(0x66727e), 1.0);
        stroke(p, curve({{(xl + xr) / 2, y0 + 1}, {(xl + xr) / 2 + 0.5, y1 + 2}}), withAlpha(rgb(0xa0aab4), 170), 0.7);
        stroke(p, curve({{xl - 2, y0}, {xr + 2, y0}}), ink(wood), 1.6);
    };
    sail(31, 49, 5.5, 14);
    sail(28, 52, 15.5, 27);
    sail(59, 73, 8, 15.5);
    sail(56.5, 75.5, 17.5, 27);
    // Jib from the fore mast to the bow.
    fill(p, blob({{68, 7}, {93, 26.5}, {77, 27}}, 0.3), linear(QPointF(68, 0), QPointF(93, 0), {{0, sailWhite}, {1, rgb(0xc4ccd4)}}), rgb(0x66727e), 1.0);
    // Flag streaming from the main mast.
    fill(p, blob({{40.5, 0.2}, {47, 0.6}, {51, 0.4}, {48, 2.2}, {51, 4.0}, {40.5, 3.6}}, 0.4), QBrush(rgb(0xe0483c)), rgb(0x8c2720), 0.7);

    // Hull.
    QPainterPath hull;
    hull.moveTo(2, 31);
    hull.lineTo(98, 28);
    hull.cubicTo(95, 40, 88, 47, 78, 48);
    hull.lineTo(18, 48);
    hull.cubicTo(10, 46, 5, 40, 2, 31);
    hull.closeSubpath();
    fill(p, hull, vertical(QRectF(0, 28, 100, 20), {{0.0, rgb(0xb4bcc4)}, {0.35, hullGrey}, {1.0, rgb(0x56606a)}}),
         rgb(0x353d46), 1.4);
    // Deck rail and cabin.
    fill(p, polygon({{3, 31}, {98, 28}, {97, 31.5}, {4, 34.5}}), QBrush(rgb(0xdfe4e8)), rgb(0x4a535c), 0.8);
    const QPainterPath cabin = [] {
        QPainterPath c;
        c.addRoundedRect(QRectF(9, 25, 15, 7), 1.5, 1.5);
        return c;
    }();
    fill(p, cabin, vertical(QRectF(9, 25, 15, 7), {{0, rgb(0xf2eee6)}, {1, rgb(0xc8c0b0)}}), rgb(0x5b5650), 0.9);
    for (int i = 0; i < 3; ++i)
        fill(p, ellipse(12 + i * 4.5, 28.3, 1.1, 1.1), QBrush(rgb(0x6fb6d8)), rgb(0x3b5a70), 0.5);
    // Portholes with a glint.
    for (int i = 0; i < 6; ++i) {
        const QPointF c(20 + i * 12.5, 39.5 - i * 0.25);
        fill(p, ellipse(c, 2.3, 2.3), QBrush(rgb(0xdde8ee)), rgb(0x2f363d), 0.9);
        fill(p, ellipse(c, 1.4, 1.4), radial(c - QPointF(0.5, 0.5), 1.8, {{0, rgb(0x9fd8f0)}, {1, rgb(0x3d6d8a)}}));
    }
    // Light along the upper hull.
    gleam(p, QPointF(40, 37), 26, 2.0, 90, 0);
    // Foam at the bow and the water line.
    p.setPen(Qt::NoPen);
    const QPainterPath foam = blob({{86, 45}, {96, 42}, {100, 47}, {92, 50}, {80, 50}});
    fill(p, foam, QBrush(withAlpha(Qt::white, 220)), withAlpha(rgb(0x7fb7d4), 200), 0.8);
    stroke(p, curve({{6, 49}, {20, 47.5}, {34, 49.5}, {50, 47.5}, {66, 49.5}, {82, 48}, {96, 50}}),
           withAlpha(Qt::white, 210), 1.4);
    p.restore();
}

void whale(QPainter& p, QPointF nose, double size, const QBrush& sea)
{
    // A friendly whale swimming to the left: `nose` is the front of its head,
    // `size` its length.
    p.save();
    p.translate(nose);
    p.scale(size / 100.0, size / 100.0);
    const QColor skin = rgb(0x4f7fb0), belly = rgb(0xc9deea);

    // Spout.
    for (int i = 0; i < 3; ++i) {
        const double dx = (i - 1) * 7.0;
        stroke(p, curve({{22, -8}, {22 + dx * 0.4, -22}, {22 + dx * 1.4, -30}, {22 + dx * 2.2, -27}}),
               withAlpha(rgb(0xe8f6fc), 230), 2.6);
    }
    for (const QPointF d : {QPointF(8, -28), QPointF(36, -30), QPointF(14, -36), QPointF(30, -37)})
        fill(p, ellipse(d, 1.8, 2.2), QBrush(withAlpha(rgb(0xeaf7fd), 230)), rgb(0x8fc3dc), 0.6);

    // Tail fluke rising behind.
    const QPainterPath tail = blob({{80, 10}, {92, 0}, {96, -14}, {106, -24}, {104, -12}, {112, -20}, {110, -6}, {100, 8}, {88, 16}}, 0.8);
    body(p, tail, skin, 1.6);
    // Body.
    const QPainterPath torso = blob({{0, 10}, {6, -4}, {22, -12}, {46, -12}, {68, -4}, {84, 6}, {90, 14}, {74, 22}, {44, 26}, {16, 24}, {2, 18}});
    body(p, torso, skin, 1.6);
    // Pale belly with its grooves.
    p.save();
    p.setClipPath(torso);
    const QPainterPath bellyPath = blob({{-2, 16}, {20, 12}, {50, 15}, {80, 14}, {82, 30}, {0, 30}});
    fill(p, bellyPath, vertical(QRectF(0, 12, 80, 16), {{0, belly}, {1, rgb(0x93b4c8)}}));
    for (int i = 0; i < 4; ++i)
        stroke(p, curve({{6 + i * 1.0, 17.5 + i * 2.0}, {30, 17.0 + i * 2.3}, {58, 17.5 + i * 1.8}}), withAlpha(rgb(0x7f9fb5), 200), 0.8);
    p.restore();
    stroke(p, torso, ink(skin), 1.6);
    gleam(p, QPointF(30, -4), 18, 4, 150, -8);
    // Flipper.
    body(p, blob({{34, 16}, {44, 17}, {48, 27}, {42, 30}, {36, 24}}), skin.darker(108), 1.2);
    // Eye and smile.
    fill(p, ellipse(14, 4, 3.2, 3.4), QBrush(Qt::white), ink(skin), 0.9);
    fill(p, ellipse(13.2, 4.4, 1.8, 2.0), QBrush(rgb(0x1c2430)));
    fill(p, ellipse(12.6, 3.6, 0.7, 0.7), QBrush(Qt::white));
    stroke(p, curve({{2, 12}, {8, 14.5}, {16, 13.5}}), ink(skin), 1.2);
    fill(p, ellipse(17, 10.5, 2.6, 1.6), QBrush(withAlpha(rgb(0xf3a0a8), 140)));

    // The sea laps over the lower body.
    p.restore();
    p.save();
    const QPainterPath water = [&] {
        const double s = size / 100.0;
        std::vector<QPointF> top;
        for (int i = 0; i <= 12; ++i)
            top.push_back(nose + QPointF((-8 + i * 10.5) * s, (21 + ((i % 2) ? -1.8 : 1.2)) * s));
        return landBelow(top, nose.y() + 40 * s);
    }();
    fill(p, water, sea);
    const double s = size / 100.0;
    for (int i = 0; i < 6; ++i) {
        const QPointF a = nose + QPointF((-6 + i * 19) * s, 21.5 * s);
        stroke(p, curve({a, a + QPointF(6 * s, -2.4 * s), a + QPointF(12 * s, 0)}), withAlpha(Qt::white, 200), 1.3);
    }
    p.restore();
}

// A small brown animal (a young deer) standing on the shore, facing left or right.
void fawn(QPainter& p, QPointF feet, double size, bool facingLeft, bool grazing)
{
    p.save();
    p.translate(feet);
    p.scale((facingLeft ? -1.0 : 1.0) * size / 40.0, size / 40.0);
    // Drawn facing right in a box 40 wide, feet at y = 0.
    const QColor coat = rgb(0xa8693a), pale = rgb(0xeed2aa);
    auto leg = [&](double x, double lean, const QColor& c) {
        fill(p, ribbon({{x, -13}, {x + lean * 0.5, -6}, {x + lean, 0}}, 3.4, 2.2), QBrush(c), ink(c), 0.9);
        fill(p, ellipse(x + lean, -0.4, 1.6, 1.0), QBrush(rgb(0x3a2416)));
    };
    leg(9, -1, coat.darker(120));
    leg(27, 1, coat.darker(120));
    const QPainterPath trunk = blob({{5, -16}, {12, -22}, {26, -22}, {33, -18}, {32, -11}, {20, -9}, {8, -10}});
    body(p, trunk, coat, 1.1);
    // Spots along the back.
    for (const QPointF d : {QPointF(13, -18.5), QPointF(18, -20), QPointF(23, -18.2), QPointF(28, -19.5)})
        fill(p, ellipse(d, 1.2, 0.9), QBrush(withAlpha(pale, 230)));
    leg(12, 0, coat);
    leg(30, 1.5, coat);
    // Tail.
    fill(p, blob({{5, -18}, {1, -21}, {2, -16}}), QBrush(coat), ink(coat), 0.8);
    // Neck and head.
    if (grazing) {
        body(p, blob({{28, -20}, {34, -16}, {38, -8}, {35, -6}, {30, -12}}), coat, 1.0);
        body(p, blob({{34, -9}, {39, -8}, {42, -3}, {39, -1}, {33, -4}}), coat, 1.0);
        fill(p, leaf({35, -9}, {32, -15}, 1.6), QBrush(coat.darker(110)), ink(coat), 0.8);
        fill(p, ellipse(38.5, -6, 0.8, 0.8), QBrush(rgb(0x1a1410)));
    } else {
        body(p, blob({{27, -20}, {31, -30}, {35, -31}, {35, -22}, {32, -14}}), coat, 1.0);
        const QPainterPath head = blob({{30, -33}, {36, -35}, {42, -31}, {41, -28}, {35, -28}});
        body(p, head, coat, 1.0);
        fill(p, leaf({33, -33}, {29, -40}, 1.8), QBrush(coat.darker(110)), ink(coat), 0.8);
        fill(p, leaf({35, -34}, {36, -41}, 1.6), QBrush(coat), ink(coat), 0.8);
        fill(p, ellipse(37, -32, 1.0, 1.0), QBrush(rgb(0x1a1410)));
        fill(p, ellipse(42, -29.5, 0.9, 0.8), QBrush(rgb(0x2a1a12)));
        fill(p, blob({{29, -23}, {33, -22}, {33, -17}, {30, -18}}), QBrush(withAlpha(pale, 200)));
    }
    p.restore();
}

void cave(QPainter& p, const QRectF& area)
{
    const QPointF c = area.center();
    const double w = area.width() * 0.70, h = area.height() * 0.80;
    const double bottom = area.bottom() - area.height() * 0.05;
    const double left = c.x() - w / 2, right = c.x() + w / 2, top = bottom - h;

    // Stones framing the mouth.
    Dice dice(11);
    std::vector<std::pair<QPointF, double>> stones;
    const int count = 11;
    for (int i = 0; i < count; ++i) {
        const double a = kPi + i * kPi / (count - 1);
        const QPointF at(c.x() + std::cos(a) * (w / 2 + 4), bottom - 2 + std::sin(a) * (h + 4));
        stones.emplace_back(at, dice.in(6.5, 9.0));
    }
    for (const auto& [at, r] : stones)
        body(p, blob({at + QPointF(-r, 0), at + QPointF(-r * 0.5, -r * 0.8), at + QPointF(r * 0.6, -r * 0.75),
                      at + QPointF(r, 0.1 * r), at + QPointF(r * 0.4, r * 0.8), at + QPointF(-r * 0.6, r * 0.7)}),
             rgb(0x9c8ea6), 1.0, 0.8);

    // The dark mouth.
    QPainterPath mouth;
    mouth.moveTo(left, bottom);
    mouth.cubicTo(left, top + h * 0.25, c.x() - w * 0.3, top, c.x(), top);
    mouth.cubicTo(c.x() + w * 0.3, top, right, top + h * 0.25, right, bottom);
    mouth.closeSubpath();
    fill(p, mouth, radial(QPointF(c.x() + w * 0.08, bottom - h * 0.25), w * 0.62,
                          {{0.0, rgb(0x120b1a)}, {0.55, rgb(0x2b1f38)}, {1.0, rgb(0x56476a)}}),
         rgb(0x22172c), 1.6);
    // Inner rock ledge and the glow of light at the floor.
    p.save();
    p.setClipPath(mouth);
    fill(p, ellipse(c.x() - w * 0.05, bottom + 2, w * 0.45, h * 0.18),
         radial(QPointF(c.x() - w * 0.05, bottom), w * 0.45, {{0, rgb(0x6b5a58)}, {1, rgb(0x33283a)}}));
    fill(p, blob({{left, top + h * 0.25}, {left + w * 0.22, top + h * 0.12}, {left + w * 0.16, top + h * 0.45}}),
         QBrush(withAlpha(rgb(0x6a5a7c), 160)));
    p.restore();
    // Grass at the threshold.
    Dice g(5);
    for (int i = 0; i < 5; ++i)
        grassTuft(p, QPointF(left - 6 + i * (w + 12) / 4.0, bottom + 2), 7, rgb(0x6aa84a), g, 4);
}

void shellWithPearl(QPainter& p, const QRectF& area)
{
    // Drawn in a 90 x 60 box fitted into the area.
    p.save();
    p.translate(area.topLeft());
    p.scale(area.width() / 90.0, area.height() / 60.0);
    const QPointF hinge(45, 46);
    const QColor shell = rgb(0xf4a890), inside = rgb(0xfde9e2);

    // Shadow on the sand.
    fill(p, ellipse(46, 55, 40, 4.5), QBrush(withAlpha(rgb(0xa0784a), 90)));

    // Upper valve, opened up behind: a fan with a scalloped rim.
    const int ribs = 9;
    const double r = 40;
    QPainterPath fan;
    fan.moveTo(hinge);
    for (int i = 0; i <= ribs; ++i) {
        const double a = kPi * (1.08 + 0.84 * i / ribs);
        const QPointF pt = hinge + QPointF(std::cos(a) * r, std::sin(a) * r * 0.95);
        if (i == 0) {
            fan.lineTo(pt);
        } else {
            const double am = kPi * (1.08 + 0.84 * (i - 0.5) / ribs);
            const QPointF bulge = hinge + QPointF(std::cos(am) * r * 1.1, std::sin(am) * r * 1.05);
            fan.quadTo(bulge, pt);
        }
    }
    fan.closeSubpath();
    fill(p, fan, radial(hinge, r * 1.05, {{0.0, rgb(0xffffff)}, {0.35, inside}, {1.0, rgb(0xf6c0b2)}}), rgb(0xb8665a), 1.4);
    for (int i = 1; i < ribs; ++i) {
        const double a = kPi * (1.08 + 0.84 * i / ribs);
        stroke(p, curve({hinge + QPointF(std::cos(a) * 6, std::sin(a) * 6), hinge + QPointF(std::cos(a) * r * 0.97, std::sin(a) * r * 0.92)}),
               withAlpha(rgb(0xe3a090), 200), 1.0);
    }

    // Lower valve in front: a bowl.
    QPainterPath bowl;
    bowl.moveTo(4, 40);
    bowl.cubicTo(18, 35, 72, 35, 86, 40);
    bowl.cubicTo(84, 50, 66, 58, 45, 58);
    bowl.cubicTo(24, 58, 6, 50, 4, 40);
    bowl.closeSubpath();
    // Its inside, where the pearl rests.
    QPainterPath lip;
    lip.moveTo(4, 40);
    lip.cubicTo(18, 35, 72, 35, 86, 40);
    lip.cubicTo(70, 45, 20, 45, 4, 40);
    lip.closeSubpath();
    fill(p, bowl, vertical(QRectF(0, 36, 90, 22), {{0, rgb(0xfbc4ae)}, {0.5, shell}, {1, rgb(0xd27a66)}}), rgb(0xa85a4c), 1.4);
    for (int i = 1; i < 8; ++i) {
        const double x = 4 + i * 82.0 / 8;
        stroke(p, curve({{x, 41.5}, {45 + (x - 45) * 0.6, 51}, {45 + (x - 45) * 0.2, 57}}), withAlpha(rgb(0xc86e5c), 200), 1.0);
    }
    fill(p, lip, vertical(QRectF(0, 36, 90, 8), {{0, rgb(0xfff4f0)}, {1, rgb(0xf0c8c0)}}), rgb(0xb8665a), 1.0);
    gleam(p, QPointF(26, 45), 12, 2.5, 150, 8);

    // The pearl.
    const QPointF pc(45, 33);
    fill(p, ellipse(pc.x() + 1, pc.y() + 7.5, 9, 2.2), QBrush(withAlpha(rgb(0xb06a60), 110)));
    fill(p, ellipse(pc, 9, 9),
         radial(pc + QPointF(2, 2), 11, pc - QPointF(3, 3), {{0.0, rgb(0xffffff)}, {0.45, rgb(0xf1eef7)}, {0.85, rgb(0xc9c2dc)}, {1.0, rgb(0xa99fc4)}}),
         rgb(0x7d7299), 1.1);
    fill(p, ellipse(pc + QPointF(-3, -3.4), 2.6, 1.8), QBrush(withAlpha(Qt::white, 240)));
    sparkle(p, pc + QPointF(11, -10), 4.5, rgb(0xfff2b0));
    sparkle(p, pc + QPointF(-13, -6), 2.8, rgb(0xfff2b0));
    p.restore();
}

void boulder(QPainter& p, QPointF c, double rx, double ry, const QColor& stone)
{
    const QPainterPath rock = blob({c + QPointF(-rx, ry * 0.6), c + QPointF(-rx * 0.9, -ry * 0.3), c + QPointF(-rx * 0.35, -ry),
                                    c + QPointF(rx * 0.45, -ry * 0.9), c + QPointF(rx, -ry * 0.1), c + QPointF(rx * 0.9, ry * 0.7),
                                    c + QPointF(0, ry * 0.95)},
                                   0.9);
    body(p, rock, stone, 1.5);
    gleam(p, c + QPointF(-rx * 0.35, -ry * 0.45), rx * 0.4, ry * 0.22, 120, -20);
    stroke(p, curve({c + QPointF(rx * 0.1, -ry * 0.4), c + QPointF(rx * 0.25, ry * 0.05), c + QPointF(rx * 0.05, ry * 0.45)}),
           withAlpha(ink(stone), 150), 1.0);
}

void rocksAndPlants(QPainter& p, const QRectF& a)
{
    Dice dice(3);
    const auto at = [&](double fx, double fy) { return QPointF(a.left() + a.width() * fx, a.top() + a.height() * fy); };
    const QColor leafGreen = rgb(0x4f9a3c), dark = rgb(0x2f7a34);

    // Tall sword leaves behind the stones.
    for (int i = 0; i < 7; ++i) {
        const QPointF base = at(0.40 + i * 0.035, 0.72);
        const double lean = (i - 3) * 0.09;
        const QPointF tip = base + QPointF(lean * a.height() * 0.9 + dice.in(-3, 3), -a.height() * dice.in(0.52, 0.66));
        const QColor c = (i % 2) ? leafGreen : dark;
        fill(p, leaf(base, tip, 4.2), linear(tip, base, {{0, c.lighter(130)}, {1, c.darker(115)}}), ink(c), 1.0);
        stroke(p, curve({base, base + (tip - base) * 0.85}), withAlpha(c.lighter(150), 160), 0.7);
    }
    // A fern on the left.
    for (int f = 0; f < 3; ++f) {
        const QPointF base = at(0.12 + f * 0.05, 0.74);
        const double angle = -kPi / 2 - 0.5 + f * 0.45;
        std::vector<QPointF> spine;
        for (int k = 0; k <= 6; ++k) {
            const double t = k / 6.0;
            spine.push_back(base + QPointF(std::cos(angle + t * 0.6) * a.height() * 0.42 * t,
                                           std::sin(angle + t * 0.6) * a.height() * 0.42 * t));
        }
        stroke(p, curve(spine), rgb(0x3c7a2a), 1.2);
        for (int k = 1; k < 7; ++k) {
            const QPointF s = spine[std::size_t(std::min(k, 6))];
            const double len = 8.0 * (1.0 - k / 8.0);
            for (int side : {-1, 1}) {
                const double la = angle + k * 0.1 + side * 1.0;
                fill(p, leaf(s, s + QPointF(std::cos(la) * len, std::sin(la) * len), 1.8), QBrush(rgb(0x6cb04a)), rgb(0x2f6a22), 0.6);
            }
        }
    }
    // Flowers on slim stems.
    const QColor petals[] = {rgb(0xf05a5a), rgb(0xffd23f), rgb(0xf07ab0)};
    for (int i = 0; i < 4; ++i) {
        const QPointF base = at(0.70 + i * 0.07, 0.66);
        const QPointF top = base + QPointF(dice.in(-4, 4), -a.height() * dice.in(0.22, 0.34));
        stroke(p, curve({base, (base + top) / 2 + QPointF(2, 0), top}), rgb(0x3f8a30), 1.3);
        fill(p, leaf((base + top) / 2, (base + top) / 2 + QPointF(7, -3), 2.2), QBrush(leafGreen), ink(leafGreen), 0.7);
        flower(p, top, 5.0, petals[i % 3], rgb(0xffb020));
    }
    // The stones.
    boulder(p, at(0.33, 0.80), a.width() * 0.30, a.height() * 0.19, rgb(0x9a9aa6));
    boulder(p, at(0.77, 0.86), a.width() * 0.20, a.height() * 0.13, rgb(0xa89c94));
    boulder(p, at(0.10, 0.60), a.width() * 0.13, a.height() * 0.10, rgb(0x8e92a0));
    // Grass in front.
    for (int i = 0; i < 9; ++i)
        grassTuft(p, at(0.04 + i * 0.115, 0.97 - (i % 3) * 0.02), a.height() * 0.13, (i % 2) ? leafGreen : rgb(0x62b044), dice);
    for (int i = 0; i < 3; ++i)
        flower(p, at(0.55 + i * 0.16, 0.93 - (i % 2) * 0.04), 3.2, rgb(0xffffff), rgb(0xffc020));
}

void drawNature(QPainter& p, QSize size, const Hotspots& hot)
{
    const double W = size.width(), H = size.height();
    const QRectF sky = hot["sky_i"], shipArea = hot["Image2"], openSea = hot["sea_i"], leftSea = hot["sea_i2"];
    const QRectF bigHill = hot["hill_i"], pinkTop = hot["hill_i2"], caveArea = hot["cave_i"];
    const QRectF shell = hot["gold_i"], plants = hot["plant_i"], water = hot["river_i"];
    Dice dice(1);

    // The horizon lies a little above the ship's and the open sea's hotspots.
    const double horizon = std::min(shipArea.top(), openSea.top()) - 5;

    // Sky.
    p.fillRect(QRectF(0, 0, W, horizon + 2), vertical(QRectF(0, 0, W, horizon),
                                                     {{0.0, rgb(0x86c4ea)}, {0.55, rgb(0xc2e2f3)}, {1.0, rgb(0xf7f0d8)}}));
    // The pale sun, most of it in the band of sky.
    const QPointF sun(sky.left() + sky.width() * 0.58, sky.center().y() + 1);
    const double sunR = sky.height() * 0.46;
    p.setPen(Qt::NoPen);
    p.setBrush(radial(sun, sunR * 3.0, {{0.0, QColor(255, 251, 225, 230)}, {0.4, QColor(255, 246, 210, 110)}, {1.0, QColor(255, 246, 210, 0)}}));
    p.drawEllipse(sun, sunR * 3.0, sunR * 3.0);
    for (int i = 0; i < 12; ++i) {
        const double a = i * kPi / 6 + 0.13;
        const QPointF d(std::cos(a), std::sin(a));
        const QPointF n(-d.y(), d.x());
        fill(p, polygon({sun + d * (sunR * 1.22) + n * 3.2, sun + d * (sunR * 1.62), sun + d * (sunR * 1.22) - n * 3.2}),
             QBrush(withAlpha(rgb(0xffe9a0), 200)));
    }
    fill(p, ellipse(sun, sunR, sunR), radial(sun - QPointF(sunR * 0.3, sunR * 0.3), sunR * 1.3,
                                             {{0.0, rgb(0xfffdf0)}, {0.6, rgb(0xfff0b8)}, {1.0, rgb(0xffdc80)}}),
         rgb(0xf2c45a), 1.2);
    cloud(p, QPointF(sky.left() + sky.width() * 0.18, sky.top() + 13), 62, 17);
    cloud(p, QPointF(sky.left() + sky.width() * 0.86, sky.top() + 20), 50, 14);
    cloud(p, QPointF(sky.left() + sky.width() * 0.37, sky.top() + 28), 34, 10);
    // Gulls.
    for (const QPointF g : {QPointF(sky.left() + sky.width() * 0.30, sky.top() + 10), QPointF(sky.left() + sky.width() * 0.34, sky.top() + 17),
                            QPointF(sky.left() + sky.width() * 0.72, sky.top() + 12)})
        stroke(p, curve({g + QPointF(-5, 0), g + QPointF(-2.5, -2.5), g, g + QPointF(2.5, -2.5), g + QPointF(5, 0)}, 0.8), rgb(0x55657a), 1.2);

    // The sea, deepening towards the shore.
    const QRectF seaBox(0, horizon, W, 200);
    const QBrush sea(vertical(seaBox, {{0.0, rgb(0x9ad6ea)}, {0.3, rgb(0x58acd4)}, {1.0, rgb(0x2a78b0)}}));
    p.fillRect(QRectF(0, horizon, W, H - horizon), sea);
    for (int row = 0; row < 16; ++row) {
        const double t = row / 15.0;
        const double y = horizon + 4 + t * t * 150 + t * 10;
        const double len = 5 + t * 10;
        for (int k = 0; k < 9; ++k) {
            const double x = dice.in(0, W);
            stroke(p, curve({{x, y}, {x + len / 2, y - len * 0.18}, {x + len, y}}), withAlpha(Qt::white, int(110 + 80 * t)), 0.9 + t * 0.6);
        }
    }
    // Sun glitter on the water.
    for (int i = 0; i < 7; ++i) {
        const double y = horizon + 3 + i * 3.2;
        stroke(p, curve({{sun.x() - 10 + dice.in(-6, 6), y}, {sun.x() + 6 + dice.in(-6, 6), y}}), withAlpha(rgb(0xfffbe0), 200), 1.2);
    }

    // Ship and whale in the sea.
    ship(p, shipArea.adjusted(3, 2, -3, -2));
    const double whaleLen = 80;
    const QPointF nose(leftSea.right() + 8, leftSea.top() + 8);
    whale(p, nose, whaleLen, sea);

    // The large hill on the right: its peak inside its hotspot.
    const QPointF peak(bigHill.center().x() + bigHill.width() * 0.04, bigHill.top() + bigHill.height() * 0.08);
    // A far grey ridge behind the hills.
    const QPainterPath ridge = landBelow({{pinkTop.right() + 10, caveArea.top() + 10}, {pinkTop.right() + 40, horizon + 55},
                                          {bigHill.left() - 20, horizon + 40}, {bigHill.left() + 12, horizon + 38}, {peak.x(), peak.y() + 30}},
                                         H);
    fill(p, ridge, vertical(QRectF(0, horizon + 30, W, 120), {{0, rgb(0xc6bfd8)}, {1, rgb(0x9d93b8)}}), rgb(0x6f6590), 1.2);
    const QPainterPath hill = landBelow({{bigHill.left() - 45, caveArea.top() + 20}, {bigHill.left() - 14, bigHill.bottom() - 16},
                                         {bigHill.left() + 14, bigHill.top() + bigHill.height() * 0.42}, {peak.x() - 22, peak.y() + 6},
                                         peak, {peak.x() + 24, peak.y() + 7}, {W + 2, bigHill.top() + bigHill.height() * 0.35}},
                                        H);
    fill(p, hill, vertical(QRectF(0, peak.y(), W, 180), {{0.0, rgb(0xe2b2de)}, {0.4, rgb(0xb98ac8)}, {1.0, rgb(0x8a68aa)}}), rgb(0x5e4380), 1.5);
    p.save();
    p.setClipPath(hill);
    // Sunlit left face and soft strata.
    fill(p, blob({{peak.x() - 2, peak.y() - 2}, {peak.x() - 40, peak.y() + 40}, {bigHill.left() - 30, bigHill.bottom() + 60},
                  {peak.x() - 30, peak.y() + 70}, {peak.x() - 8, peak.y() + 30}}),
         QBrush(withAlpha(rgb(0xf6d8f0), 90)));
    for (int i = 0; i < 4; ++i) {
        const double y = peak.y() + 28 + i * 24;
        stroke(p, curve({{bigHill.left() - 40, y + 22}, {peak.x() - 20, y}, {peak.x() + 20, y + 4}, {W + 10, y - 6}}),
               withAlpha(i % 2 ? rgb(0xf4d0ec) : rgb(0x7d5a9a), 120), 3.0);
    }
    p.restore();
    // Little bushes on the big hill.
    for (const QPointF b : {QPointF(peak.x() - 30, peak.y() + 46), QPointF(peak.x() + 22, peak.y() + 40), QPointF(peak.x() + 42, peak.y() + 58)}) {
        body(p, ellipse(b + QPointF(-3, 0.5), 3.6, 3.0), rgb(0x5e9a4c), 0.9);
        body(p, ellipse(b + QPointF(3, 0.5), 3.6, 3.0), rgb(0x5e9a4c), 0.9);
        body(p, ellipse(b + QPointF(0, -2), 3.8, 3.2), rgb(0x74b05a), 0.9);
    }

    // The pink hill in the middle, its rounded top in its hotspot.
    const QPointF pinkPeak(pinkTop.center().x(), pinkTop.top() + pinkTop.height() * 0.22);
    const QPainterPath pink = landBelow({{pinkPeak.x() - 75, leftSea.bottom() + 40}, {pinkPeak.x() - 48, pinkPeak.y() + 42},
                                         {pinkPeak.x() - 14, pinkPeak.y() + 4}, pinkPeak, {pinkPeak.x() + 16, pinkPeak.y() + 6},
                                         {pinkPeak.x() + 50, pinkPeak.y() + 36}, {caveArea.left() - 10, caveArea.top() + 30}},
                                        H);
    fill(p, pink, vertical(QRectF(0, pinkPeak.y(), W, 110), {{0.0, rgb(0xf9c6d2)}, {0.5, rgb(0xeb9db2)}, {1.0, rgb(0xcf7896)}}), rgb(0x8e3f62), 1.5);
    p.save();
    p.setClipPath(pink);
    fill(p, blob({{pinkPeak.x() - 3, pinkPeak.y()}, {pinkPeak.x() - 50, pinkPeak.y() + 50}, {pinkPeak.x() - 30, pinkPeak.y() + 60},
                  {pinkPeak.x() - 6, pinkPeak.y() + 20}}),
         QBrush(withAlpha(rgb(0xfff0f4), 110)));
    for (int i = 0; i < 3; ++i) {
        const double y = pinkPeak.y() + 26 + i * 20;
        stroke(p, curve({{pinkPeak.x() - 80, y + 18}, {pinkPeak.x(), y}, {pinkPeak.x() + 80, y + 14}}), withAlpha(rgb(0xc46d8c), 110), 2.5);
    }
    p.restore();

    // Grey hills between the pink hill and the cave; the cave's rock in front.
    const QPainterPath greyHills = landBelow({{pinkTop.right() + 8, caveArea.top() + 40}, {pinkTop.right() + 34, caveArea.top() + 6},
                                              {caveArea.left() - 18, caveArea.top() - 4}, {caveArea.left() + 6, caveArea.top() + 10},
                                              {caveArea.left() + 20, caveArea.top() + 40}},
                                             H);
    fill(p, greyHills, vertical(QRectF(0, caveArea.top() - 4, W, 80), {{0, rgb(0xb3a8c4)}, {1, rgb(0x8a7ea2)}}), rgb(0x5a4f72), 1.4);
    const QPainterPath rock = landBelow({{caveArea.left() - 8, caveArea.bottom() + 20}, {caveArea.left() + 4, caveArea.top() + 14},
                                         {caveArea.left() + 30, caveArea.top() + 2}, {caveArea.center().x() + 10, caveArea.top() - 1},
                                         {caveArea.right() - 6, caveArea.top() + 4}, {W + 2, caveArea.top() + 12}},
                                        H);
    fill(p, rock, vertical(QRectF(0, caveArea.top(), W, 100), {{0, rgb(0xc2b0c0)}, {0.6, rgb(0xa08ea8)}, {1, rgb(0x84749a)}}), rgb(0x4f4266), 1.5);
    cave(p, caveArea);

    // The shore: sand along the sea, then the meadow.
    const double shoreY = leftSea.bottom() + 8;
    const QPainterPath sand = landBelow({{-2, shoreY}, {40, shoreY + 3}, {90, shoreY + 8}, {pinkPeak.x() - 50, shoreY + 22},
                                         {pinkPeak.x() + 10, caveArea.top() + 44}, {caveArea.left() - 6, caveArea.bottom() - 12},
                                         {caveArea.left() + 40, caveArea.bottom() + 6}, {W + 2, caveArea.bottom() + 10}},
                                        H + 2);
    fill(p, sand, vertical(QRectF(0, shoreY, W, H - shoreY), {{0, rgb(0xf8e6b4)}, {1, rgb(0xe6c688)}}), rgb(0xb08a4a), 1.2);
    // Foam where the waves meet the sand.
    stroke(p, curve({{-2, shoreY + 1}, {40, shoreY + 4}, {90, shoreY + 9}, {pinkPeak.x() - 50, shoreY + 23}}), withAlpha(Qt::white, 230), 2.4);
    stroke(p, curve({{10, shoreY - 4}, {30, shoreY - 3}}), withAlpha(Qt::white, 200), 1.4);
    stroke(p, curve({{60, shoreY}, {85, shoreY + 2}}), withAlpha(Qt::white, 200), 1.4);

    // Meadow across the lower part, leaving sand at the lower right.
    const double meadowTop = shoreY + 48;
    const QPainterPath meadow = [&] {
        QPainterPath m = curve({{-2, meadowTop}, {60, meadowTop - 6}, {130, meadowTop + 2}, {water.left() + 20, meadowTop - 8},
                                {water.center().x(), caveArea.bottom() + 4}, {water.right() - 10, caveArea.bottom() + 8},
                                {shell.left() - 10, shell.top() - 30}});
        m.cubicTo(QPointF(shell.left() - 6, shell.top()), QPointF(shell.left() - 20, shell.bottom()), QPointF(shell.left() - 30, H + 2));
        m.lineTo(-2, H + 2);
        m.closeSubpath();
        return m;
    }();
    fill(p, meadow, vertical(QRectF(0, meadowTop - 20, W, H - meadowTop + 20), {{0, rgb(0xb6df7e)}, {0.5, rgb(0x8cc85c)}, {1, rgb(0x5f9e40)}}),
         rgb(0x3f7a2e), 1.3);

    // The river: from between the hills down to the water across the bottom.
    const QPointF source(pinkTop.right() + 34, caveArea.top() + 16);
    const QPointF pool(water.center().x(), water.center().y());
    const QPainterPath riverBed = [&] {
        const QPainterPath stream = ribbon({source, source + QPointF(-10, 16), pool + QPointF(14, -44), pool + QPointF(-4, -20), pool}, 4, 34);
        const QPainterPath lake = blob({{water.left() + 4, water.center().y() + 2}, {water.left() + water.width() * 0.2, water.top() + 8},
                                        {water.center().x(), water.top() + 5}, {water.right() - water.width() * 0.14, water.top() + 9},
                                        {water.right() - 4, water.center().y() + 4}, {water.right() - water.width() * 0.2, water.bottom() - 6},
                                        {water.center().x(), water.bottom() - 3}, {water.left() + water.width() * 0.18, water.bottom() - 8}});
        return stream.united(lake);
    }();
    fill(p, riverBed, QBrush(rgb(0xe8d29a)), rgb(0xa88a50), 3.5);
    fill(p, riverBed, vertical(QRectF(0, source.y(), W, water.bottom() - source.y()),
                               {{0.0, rgb(0x9fdcf2)}, {0.5, rgb(0x5eb4de)}, {1.0, rgb(0x3a8cc4)}}),
         rgb(0x2c6a9a), 1.3);
    p.save();
    p.setClipPath(riverBed);
    for (int i = 0; i < 14; ++i) {
        const double x = water.left() + dice.in(10, water.width() - 24), y = water.top() + dice.in(10, water.height() - 10);
        stroke(p, curve({{x, y}, {x + 6, y - 2}, {x + 12, y}}), withAlpha(Qt::white, 170), 1.2);
    }
    gleam(p, QPointF(water.left() + water.width() * 0.35, water.top() + water.height() * 0.35), water.width() * 0.2, 5, 110, 0);
    p.restore();
    // Reeds and a lily pad by the water.
    body(p, ellipse(water.right() - water.width() * 0.25, water.bottom() - water.height() * 0.3, 9, 3.5), rgb(0x5aa844), 1.0);
    flower(p, QPointF(water.right() - water.width() * 0.25 + 2, water.bottom() - water.height() * 0.3 - 2), 3, rgb(0xffc0d8), rgb(0xffe066));
    for (int i = 0; i < 4; ++i) {
        const QPointF base(water.left() + 4 + i * 5, water.bottom() - 6 + (i % 2) * 3);
        stroke(p, curve({base, base + QPointF(-2 + i, -18 - i * 3)}), rgb(0x3f7a2e), 1.6);
        fill(p, ellipse(base + QPointF(-2 + i, -18 - i * 3), 1.6, 4.5), QBrush(rgb(0x8a5a30)), rgb(0x4a2a14), 0.7);
    }

    // Bushes on the meadow and the banks.
    for (const QPointF b : {QPointF(water.left() - 16, water.top() - 4), QPointF(water.right() + 2, water.top() - 22), QPointF(plants.right() + 14, plants.bottom() - 30)}) {
        body(p, ellipse(b + QPointF(-6, 2), 8, 6), rgb(0x4f9a3c), 1.1);
        body(p, ellipse(b + QPointF(5, 1), 9, 7), rgb(0x5cae44), 1.1);
        body(p, ellipse(b + QPointF(0, -4), 8, 7), rgb(0x68bb4c), 1.1);
    }
    for (const QPointF b : {QPointF(34, meadowTop + 16), QPointF(water.left() - 40, meadowTop + 30)}) {
        body(p, ellipse(b + QPointF(-7, 2), 9, 6.5), rgb(0x4f9a3c), 1.1);
        body(p, ellipse(b + QPointF(7, 2), 9, 6.5), rgb(0x5cae44), 1.1);
        body(p, ellipse(b + QPointF(0, -4), 9, 7), rgb(0x68bb4c), 1.1);
        for (int i = 0; i < 4; ++i)
            flower(p, b + QPointF(-8 + i * 5.5, -3 + (i % 2) * 5), 2.4, i % 2 ? rgb(0xffffff) : rgb(0xff7a9a), rgb(0xffc020));
    }
    // Grass and flowers over the meadow, clear of the water.
    const QPainterPath meadowInside = meadow.subtracted(riverBed);
    for (int i = 0; i < 60; ++i) {
        const QPointF g(dice.in(0, shell.left() - 10), dice.in(meadowTop + 6, H - 2));
        if (!meadowInside.contains(g) || !meadowInside.contains(g + QPointF(0, -8)) || riverBed.intersects(QRectF(g.x() - 6, g.y() - 10, 12, 12)))
            continue;
        const double depth = (g.y() - meadowTop) / (H - meadowTop);
        if (i % 3 == 0)
            flower(p, g, 1.8 + depth * 1.6, i % 2 ? rgb(0xffffff) : rgb(0xffd84a), rgb(0xffa020));
        else
            grassTuft(p, g, 5 + depth * 5, i % 2 ? rgb(0x4f9a3c) : rgb(0x6ab84a), dice, 5);
    }
    // On the sand by the shell: beach grass, pebbles and a starfish.
    for (const QPointF g : {QPointF(shell.left() + 6, caveArea.bottom() + 26), QPointF(shell.right() - 4, caveArea.bottom() + 18), QPointF(shell.right() + 6, shell.top() + 24)})
        grassTuft(p, g, 10, rgb(0x8aa84a), dice, 5);
    {
        const QPointF star(shell.center().x() + shell.width() * 0.32, shell.top() - 22);
        std::vector<QPointF> pts;
        for (int i = 0; i < 10; ++i) {
            const double a = -kPi / 2 + i * kPi / 5 + 0.2;
            const double r = (i % 2) ? 3.2 : 8.5;
            pts.push_back(star + QPointF(std::cos(a) * r, std::sin(a) * r * 0.7));
        }
        body(p, blob(pts, 0.5), rgb(0xf2864a), 1.1);
        for (int i = 0; i < 5; ++i) {
            const double a = -kPi / 2 + i * 2 * kPi / 5 + 0.2;
            fill(p, ellipse(star + QPointF(std::cos(a) * 4.5, std::sin(a) * 3.2), 0.8, 0.8), QBrush(rgb(0xffd8b0)));
        }
    }

    // Small brown animals on the shore below the whale, where no hotspot lies.
    fawn(p, QPointF(nose.x() - 4, shoreY + 26), 36, false, true);
    fawn(p, QPointF(nose.x() + 84, shoreY + 36), 40, true, false);

    // Rocks and plants in the lower left corner, the shell in the lower right.
    rocksAndPlants(p, plants.adjusted(4, 6, -4, -6).intersected(QRectF(0, 0, W, H)));
    // Pebbles and a starfish on the sand near the shell.
    body(p, ellipse(shell.left() - 4, shell.top() - 8, 4, 2.5), rgb(0xc0b0a0), 0.9);
    body(p, ellipse(shell.right() - 6, shell.top() - 14, 3, 2), rgb(0xb0a0b8), 0.9);
    shellWithPearl(p, shell.adjusted(3, 4, -3, -3));
}

// ---- The space scene: the solar system ------------------------------------

// A planet lit by the sun at `light` (a point in the scene).
void planet(QPainter& p, QPointF c, double r, const QColor& base, QPointF light, const std::vector<QColor>& bands = {})
{
    QPointF d = light - c;
    const double len = std::hypot(d.x(), d.y());
    d = len > 0 ? d / len : QPointF(-0.7, -0.7);
    const QPainterPath disc = ellipse(c, r, r);
    fill(p, disc, radial(c + d * r * 0.35, r * 1.45, c + d * r * 0.55,
                         {{0.0, mix(base, Qt::white, 0.45)}, {0.45, base}, {1.0, mix(base.darker(260), rgb(0x0a0a2a), 0.3)}}));
    if (!bands.empty()) {
        p.save();
        p.setClipPath(disc);
        for (std::size_t i = 0; i < bands.size(); ++i) {
            const double y = c.y() - r + (i + 0.7) * 2 * r / (bands.size() + 0.4);
            QPainterPath band = curve({{c.x() - r - 2, y}, {c.x() - r * 0.3, y - r * 0.05}, {c.x() + r * 0.4, y + r * 0.06}, {c.x() + r + 2, y}});
            stroke(p, band, withAlpha(bands[i], 150), r * 0.16);
        }
        // Shade the banded disc again so the bands follow the light.
        p.setPen(Qt::NoPen);
        p.setBrush(radial(c + d * r * 0.35, r * 1.45, c + d * r * 0.55,
                          {{0.0, QColor(255, 255, 255, 60)}, {0.5, QColor(0, 0, 0, 0)}, {1.0, QColor(0, 0, 20, 150)}}));
        p.drawPath(disc);
        p.restore();
    }
    stroke(p, disc, mix(base.darker(250), rgb(0x10102a), 0.4), 1.2);
    gleam(p, c + d * r * 0.45, r * 0.35, r * 0.22, 150, std::atan2(d.y(), d.x()) * 180 / kPi + 90);
}

// A ring around a planet: the back half before the planet, the front half after.
void ringHalf(QPainter& p, QPointF c, double rx, double ry, double tilt, bool front, const QColor& colour)
{
    p.save();
    p.translate(c);
    p.rotate(tilt);
    QPainterPath outer, inner;
    outer.addEllipse(QPointF(0, 0), rx, ry);
    inner.addEllipse(QPointF(0, 0), rx * 0.72, ry * 0.62);
    QPainterPath ring = outer.subtracted(inner);
    QPainterPath half;
    half.addRect(QRectF(-rx - 2, front ? 0 : -ry - 2, 2 * rx + 4, ry + 2));
    ring = ring.intersected(half);
    fill(p, ring, linear(QPointF(-rx, 0), QPointF(rx, 0), {{0.0, colour.lighter(130)}, {0.5, colour}, {1.0, colour.darker(160)}}),
         withAlpha(colour.darker(220), 220), 0.9);
    stroke(p, ellipse(0, 0, rx * 0.86, ry * 0.81).intersected(half), withAlpha(colour.darker(150), 160), 1.0);
    p.restore();
}

void earthAndMoon(QPainter& p, const QRectF& area, QPointF light)
{
    const double r = std::min(area.width() * 0.30, area.height() * 0.34);
    const QPointF c(area.left() + r + area.width() * 0.07, area.bottom() - r - area.height() * 0.1);
    const double mr = r * 0.32;
    const QPointF mc(area.right() - mr - area.width() * 0.05, area.top() + mr + area.height() * 0.12);
    // A faint path of the moon around the blue planet.
    p.save();
    p.translate(c);
    p.rotate(std::atan2(mc.y() - c.y(), mc.x() - c.x()) * 180 / kPi);
    const double dist = std::hypot(mc.x() - c.x(), mc.y() - c.y());
    QPen dashed(withAlpha(rgb(0xbfd8ff), 120), 0.9, Qt::DashLine);
    p.setPen(dashed);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 0), dist, dist * 0.35);
    p.restore();
    // Atmosphere.
    p.setPen(Qt::NoPen);
    p.setBrush(radial(c, r * 1.35, {{0.7, QColor(120, 190, 255, 120)}, {1.0, QColor(120, 190, 255, 0)}}));
    p.drawEllipse(c, r * 1.35, r * 1.35);
    const QPainterPath disc = ellipse(c, r, r);
    fill(p, disc, radial(c - QPointF(r * 0.3, r * 0.35), r * 1.4, {{0.0, rgb(0x7fd0ff)}, {0.5, rgb(0x2a7fd4)}, {1.0, rgb(0x0f3a80)}}));
    p.save();
    p.setClipPath(disc);
    const QColor land = rgb(0x5cb84a);
    const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
    auto continent = [&](std::vector<QPointF> shape, const QColor& colour) {
        for (QPointF& q : shape)
            q = c + q * r;
        fill(p, blob(shape, 0.8), lit(box, colour), ink(colour), 0.9);
    };
    // Two large continents, one in the north with a long tail to the south, and an island.
    continent({{-0.72, -0.42}, {-0.5, -0.7}, {-0.18, -0.78}, {0.05, -0.6}, {-0.02, -0.4}, {0.12, -0.2}, {0.05, 0.08},
               {-0.12, 0.2}, {-0.08, 0.48}, {-0.22, 0.72}, {-0.36, 0.5}, {-0.42, 0.2}, {-0.6, 0.02}, {-0.8, -0.12}},
              land);
    continent({{0.32, -0.3}, {0.55, -0.5}, {0.85, -0.32}, {1.05, 0.0}, {0.9, 0.3}, {0.7, 0.55}, {0.48, 0.42}, {0.5, 0.15}, {0.3, 0.02}},
              rgb(0x8cbf4a));
    continent({{0.2, 0.55}, {0.34, 0.5}, {0.4, 0.64}, {0.26, 0.72}}, land);
    // Ice at the top and wisps of cloud.
    fill(p, ellipse(c + QPointF(0, -r * 0.98), r * 0.5, r * 0.14), QBrush(rgb(0xf4fbff)));
    for (const auto& [x, y, len] : {std::tuple{-0.55, -0.15, 0.5}, std::tuple{0.15, -0.55, 0.45}, std::tuple{0.35, 0.3, 0.4}, std::tuple{-0.45, 0.6, 0.35}}) {
        const QPointF s0 = c + QPointF(x * r, y * r);
        stroke(p, curve({s0, s0 + QPointF(len * r * 0.5, -r * 0.08), s0 + QPointF(len * r, 0)}), withAlpha(Qt::white, 150), r * 0.06);
    }
    // Night side.
    p.setPen(Qt::NoPen);
    p.setBrush(radial(c - QPointF(r * 0.45, r * 0.5), r * 1.7, {{0.5, QColor(0, 0, 30, 0)}, {1.0, QColor(0, 0, 30, 170)}}));
    p.drawPath(disc);
    p.restore();
    stroke(p, disc, rgb(0x0c2c60), 1.3);
    gleam(p, c - QPointF(r * 0.42, r * 0.45), r * 0.3, r * 0.18, 170, -45);

    // The moon beside it, up and to the right.
    planet(p, mc, mr, rgb(0xc9c6c0), light);
    for (const auto& [dx, dy, cr] : {std::tuple{-0.3, -0.2, 0.22}, std::tuple{0.35, 0.1, 0.17}, std::tuple{-0.1, 0.45, 0.14}}) {
        const QPointF cc = mc + QPointF(dx * mr, dy * mr);
        fill(p, ellipse(cc, cr * mr, cr * mr), QBrush(withAlpha(rgb(0x8e8a84), 200)), withAlpha(rgb(0xe8e4de), 200), 0.6);
    }
}

void shootingStar(QPainter& p, QPointF head, QPointF tail, double r)
{
    const QPointF d = head - tail;
    const double len = std::hypot(d.x(), d.y());
    const QPointF n = len > 0 ? QPointF(-d.y(), d.x()) / len : QPointF();
    fill(p, polygon({tail, head + n * r, head - n * r}), linear(tail, head, {{0.0, QColor(255, 255, 255, 0)}, {0.7, QColor(200, 230, 255, 150)}, {1.0, QColor(255, 255, 255, 230)}}));
    sparkle(p, head, r * 3.2, rgb(0xfff6c8));
}

void drawSpace(QPainter& p, QSize size, const Hotspots& hot)
{
    const double W = size.width(), H = size.height();
    const QRectF upper = hot["baw_i"], bigOne = hot["sun_s"], centre = hot["sun_s2"], orbitsEdge = hot["swin_s"], moonArea = hot["moon_s"];
    Dice dice(7);

    // Night sky with soft glows of far nebulae.
    p.fillRect(QRectF(0, 0, W, H), vertical(QRectF(0, 0, W, H), {{0.0, rgb(0x0b1440)}, {0.5, rgb(0x14205a)}, {1.0, rgb(0x0a1034)}}));
    p.setPen(Qt::NoPen);
    for (const auto& [c, r, colour] : {std::tuple{QPointF(W * 0.15, H * 0.12), 110.0, QColor(120, 70, 170, 70)},
                                       std::tuple{QPointF(W * 0.85, H * 0.55), 120.0, QColor(40, 110, 170, 70)},
                                       std::tuple{QPointF(W * 0.45, H * 0.95), 100.0, QColor(150, 60, 130, 55)}}) {
        p.setBrush(radial(c, r, {{0.0, colour}, {1.0, withAlpha(colour, 0)}}));
        p.drawEllipse(c, r, r);
    }
    // Stars.
    for (int i = 0; i < 170; ++i) {
        const QPointF s(dice.in(0, W), dice.in(0, H));
        const double r = dice.next() < 0.85 ? dice.in(0.4, 0.9) : dice.in(1.0, 1.5);
        const QColor c = dice.next() < 0.6 ? rgb(0xffffff) : (dice.next() < 0.5 ? rgb(0xfff0b8) : rgb(0xbcd8ff));
        p.setBrush(withAlpha(c, int(dice.in(150, 255))));
        p.drawEllipse(s, r, r);
    }
    for (int i = 0; i < 16; ++i)
        sparkle(p, QPointF(dice.in(6, W - 6), dice.in(6, H - 6)), dice.in(2.5, 4.5), rgb(0xfff4c0), 220);

    // Orbits around the sun: the widest reach the left edge.
    const QPointF sun = centre.center();
    const double widest = sun.x() - (orbitsEdge.left() + orbitsEdge.width() * 0.15);
    const double narrowest = centre.width() * 0.55;
    const QColor orbitColours[] = {rgb(0xffd166), rgb(0xff8fa3), rgb(0x7ee0c0), rgb(0x8fb8ff), rgb(0xd9a0ff), rgb(0x7fdcff), rgb(0xffb070)};
    constexpr int orbits = 7;
    const double flat = 0.42;
    std::vector<double> radii;
    for (int i = 0; i < orbits; ++i)
        radii.push_back(narrowest + (widest - narrowest) * i / (orbits - 1));
    for (int i = 0; i < orbits; ++i) {
        p.setBrush(Qt::NoBrush);
        p.setPen(pen(withAlpha(orbitColours[i], 60), 4.0));
        p.drawEllipse(sun, radii[std::size_t(i)], radii[std::size_t(i)] * flat);
        p.setPen(pen(withAlpha(orbitColours[i], 220), 1.3));
        p.drawEllipse(sun, radii[std::size_t(i)], radii[std::size_t(i)] * flat);
    }
    auto onOrbit = [&](int i, double degrees) {
        const double a = degrees * kPi / 180;
        return sun + QPointF(std::cos(a) * radii[std::size_t(i)], -std::sin(a) * radii[std::size_t(i)] * flat);
    };

    // The sun: a glowing disc with a crown of flames.
    const double sr = std::min(centre.width(), centre.height()) * 0.34;
    p.setPen(Qt::NoPen);
    p.setBrush(radial(sun, sr * 2.4, {{0.0, QColor(255, 240, 160, 220)}, {0.45, QColor(255, 180, 60, 110)}, {1.0, QColor(255, 140, 40, 0)}}));
    p.drawEllipse(sun, sr * 2.4, sr * 2.4);
    QPainterPath flames;
    const int tongues = 18;
    for (int i = 0; i <= tongues * 2; ++i) {
        const double a = i * kPi / tongues;
        const double rr = (i % 2) ? sr * (i % 4 == 1 ? 1.42 : 1.3) : sr * 1.02;
        const QPointF pt = sun + QPointF(std::cos(a) * rr, std::sin(a) * rr);
        if (i == 0)
            flames.moveTo(pt);
        else
            flames.quadTo(sun + QPointF(std::cos(a - kPi / tongues / 2) * rr * 1.02, std::sin(a - kPi / tongues / 2) * rr * 1.02), pt);
    }
    flames.closeSubpath();
    fill(p, flames, radial(sun, sr * 1.45, {{0.6, rgb(0xffb02e)}, {1.0, rgb(0xff6a1a)}}), rgb(0xd0501a), 1.2);
    fill(p, ellipse(sun, sr, sr), radial(sun - QPointF(sr * 0.3, sr * 0.3), sr * 1.2, {{0.0, rgb(0xfffde8)}, {0.35, rgb(0xffe680)}, {0.8, rgb(0xffb830)}, {1.0, rgb(0xff9020)}}),
         rgb(0xe07a18), 1.4);
    gleam(p, sun - QPointF(sr * 0.35, sr * 0.4), sr * 0.4, sr * 0.25, 170, -40);

    // Planets of several colours on their orbits, each lit by the sun.
    planet(p, onOrbit(0, 35), 5.5, rgb(0xb8a898), sun);
    planet(p, onOrbit(1, 200), 7.5, rgb(0xf2c27a), sun, {rgb(0xffe0a8)});
    planet(p, onOrbit(2, -25), 8.5, rgb(0xe0603a), sun);
    planet(p, onOrbit(3, 152), 12.0, rgb(0xe8a35a), sun, {rgb(0xfff0d0), rgb(0xb8703a), rgb(0xfff0d0), rgb(0xc07a40)});
    planet(p, onOrbit(4, 18), 9.5, rgb(0x6fcf9a), sun);
    planet(p, onOrbit(5, 128), 8.0, rgb(0x7fd8e8), sun);
    planet(p, onOrbit(6, 62), 6.5, rgb(0x8a8fe8), sun);

    // The small planet up in the sky, with a thin ring.
    const QPointF small(upper.left() + upper.width() * 0.62, upper.top() + upper.height() * 0.45);
    ringHalf(p, small, 17, 5, -18, false, rgb(0xe6b8f0));
    planet(p, small, 9.5, rgb(0xd07ad8), sun, {rgb(0xf0c0f0), rgb(0xa050b0)});
    ringHalf(p, small, 17, 5, -18, true, rgb(0xe6b8f0));
    sparkle(p, QPointF(upper.left() + upper.width() * 0.2, upper.top() + upper.height() * 0.3), 6, rgb(0xfff2b0));
    sparkle(p, QPointF(upper.left() + upper.width() * 0.86, upper.top() + upper.height() * 0.22), 7, rgb(0xfff2b0));
    sparkle(p, QPointF(upper.left() + upper.width() * 0.4, upper.top() + upper.height() * 0.7), 4.5, rgb(0xcfe4ff));

    // The large ringed planet at the lower right, and its bright star.
    const double br = std::min(bigOne.width(), bigOne.height()) * 0.30;
    const QPointF bc(bigOne.center().x() - bigOne.width() * 0.04, bigOne.center().y() + bigOne.height() * 0.06);
    ringHalf(p, bc, br * 1.75, br * 0.5, -14, false, rgb(0xf0d49a));
    planet(p, bc, br, rgb(0xe8b86a), sun, {rgb(0xfff0cc), rgb(0xc98a48), rgb(0xf6dcaa), rgb(0xb87a40), rgb(0xfff0cc)});
    ringHalf(p, bc, br * 1.75, br * 0.5, -14, true, rgb(0xf0d49a));
    sparkle(p, QPointF(bigOne.right() - bigOne.width() * 0.14, bigOne.top() + bigOne.height() * 0.14), 11, rgb(0xfff2a0));

    // The blue planet and its moon at the lower left.
    earthAndMoon(p, moonArea, sun);

    // Shooting stars where no hotspot lies.
    shootingStar(p, QPointF(W * 0.30, H * 0.05), QPointF(W * 0.05, H * 0.16), 1.6);
    shootingStar(p, QPointF(W * 0.55, H * 0.76), QPointF(W * 0.44, H * 0.86), 1.3);
    shootingStar(p, QPointF(W * 0.96, H * 0.34), QPointF(W * 0.86, H * 0.30), 1.1);
}

// ---- The foods scene: a laid table by a window ----------------------------

// A palm frond: a feathered leaf arching out from the crown and drooping.
void frond(QPainter& p, QPointF crown, double degrees, double len, double width, const QColor& c)
{
    const double ang = degrees * kPi / 180;
    const QPointF dir(std::cos(ang), -std::sin(ang));
    const double droop = len * (0.15 + 0.4 * std::abs(std::cos(ang)));
    const QPointF ctrl = crown + dir * len * 0.55 - QPointF(0, len * 0.12);
    const QPointF tip = crown + dir * len + QPointF(0, droop);
    auto at = [&](double t) { return crown * (1 - t) * (1 - t) + ctrl * 2 * t * (1 - t) + tip * t * t; };
    const int n = 11;
    std::vector<QPointF> upper, lower;
    for (int i = 0; i <= n; ++i) {
        const double t = double(i) / n;
        const QPointF s = at(t);
        QPointF d = at(std::min(1.0, t + 0.02)) - at(std::max(0.0, t - 0.02));
        const double dl = std::hypot(d.x(), d.y());
        d = dl > 0 ? d / dl : dir;
        const QPointF nrm(-d.y(), d.x());
        const double w = width * std::pow(std::sin(kPi * std::min(1.0, t * 0.92 + 0.05)), 0.8);
        // Leaflet tips sweep towards the frond's tip; notches lie near the stem.
        const bool notch = i % 2 == 1;
        const double k = notch ? 0.35 : 1.0;
        upper.push_back(s + (nrm * k + d * (notch ? 0.0 : 0.55)) * w);
        lower.push_back(s + (-nrm * k + d * (notch ? 0.0 : 0.55)) * w);
    }
    QPainterPath leafPath(crown);
    for (const QPointF& q : upper)
        leafPath.lineTo(q);
    leafPath.lineTo(tip);
    for (auto it = lower.rbegin(); it != lower.rend(); ++it)
        leafPath.lineTo(*it);
    leafPath.closeSubpath();
    fill(p, leafPath, linear(crown, tip, {{0, c.darker(115)}, {0.5, c}, {1, c.lighter(125)}}), ink(c), 0.9);
    QPainterPath stem(crown);
    stem.quadTo(ctrl, tip);
    stroke(p, stem, c.darker(150), 1.2);
}

void palmTree(QPainter& p, const QRectF& a)
{
    const QPointF base(a.center().x() + a.width() * 0.08, a.bottom() + 4);
    const QPointF crown(a.center().x() - a.width() * 0.02, a.top() + a.height() * 0.32);
    const QColor bark = rgb(0xa67848), green = rgb(0x4ea23a);
    // Trunk, bending a little, ringed.
    const std::vector<QPointF> spine = {base, base + (crown - base) * 0.5 + QPointF(a.width() * 0.06, 0), crown};
    body(p, ribbon(spine, a.width() * 0.15, a.width() * 0.09), bark, 1.2);
    for (int i = 1; i < 9; ++i) {
        const double t = i / 9.0;
        const QPointF c = base + (crown - base) * t + QPointF(a.width() * 0.06 * std::sin(t * kPi), 0);
        const double w = a.width() * (0.07 - 0.025 * t);
        stroke(p, curve({c + QPointF(-w, -1.8), c + QPointF(0, 1.0), c + QPointF(w, -1.8)}), ink(bark), 0.9);
    }
    // Fronds behind, dates, then the fronds in front.
    const double len = a.width() * 0.48;
    for (const double deg : {150.0, 30.0, 100.0, 75.0})
        frond(p, crown, deg, len * 0.85, len * 0.2, green.darker(118));
    for (int i = 0; i < 10; ++i) {
        const int side = i < 5 ? -1 : 1;
        const int j = i % 5;
        const QPointF d = crown + QPointF(side * (3.5 + (j % 3) * 2.6), 5 + (j / 3) * 3.4 + (j % 3) * 0.8);
        body(p, ellipse(d, 1.9, 2.5), rgb(0xd9782a), 0.7);
    }
    for (const double deg : {195.0, -15.0, 168.0, 12.0, 125.0, 55.0})
        frond(p, crown, deg, len, len * 0.24, green);
    body(p, ellipse(crown, 4, 3), bark.darker(110), 0.9);
}

void leafyTree(QPainter& p, const QRectF& a)
{
    const QColor bark = rgb(0x8a5c34);
    const QPointF foot(a.center().x(), a.bottom() + 4);
    const QPointF fork(a.center().x(), a.top() + a.height() * 0.62);
    body(p, ribbon({foot, (foot + fork) / 2 + QPointF(1.5, 0), fork}, a.width() * 0.13, a.width() * 0.08), bark, 1.2);
    stroke(p, curve({fork, fork + QPointF(-a.width() * 0.16, -a.height() * 0.15)}), bark, 3.0);
    stroke(p, curve({fork, fork + QPointF(a.width() * 0.18, -a.height() * 0.17)}), bark, 3.0);
    const QPointF c(a.center().x(), a.top() + a.height() * 0.38);
    const double r = std::min(a.width(), a.height()) * 0.22;
    const QColor greens[] = {rgb(0x3f8e36), rgb(0x4ea43e), rgb(0x5cb548), rgb(0x6cc052)};
    const QPointF lobes[] = {{-1.25, 0.35}, {1.25, 0.35}, {-0.7, 0.75}, {0.7, 0.8}, {0.0, 0.6}, {-0.95, -0.35}, {0.95, -0.35}, {-0.3, -0.8}, {0.45, -0.75}, {0.0, -0.05}};
    int i = 0;
    for (const QPointF& l : lobes) {
        const QPointF lc = c + l * r;
        body(p, ellipse(lc, r * 0.8, r * 0.72), greens[i % 4], 1.1, 0.8);
        ++i;
    }
    gleam(p, c + QPointF(-r * 0.7, -r * 0.9), r * 0.7, r * 0.4, 110, -25);
    // Little leaf marks and a few fruits.
    Dice dice(9);
    for (int j = 0; j < 12; ++j) {
        const QPointF m = c + QPointF(dice.in(-1.6, 1.6) * r, dice.in(-1.2, 1.2) * r);
        stroke(p, curve({m, m + QPointF(2.5, -1.5)}), withAlpha(rgb(0x2e6e2a), 180), 0.9);
    }
    for (const QPointF& f : {QPointF(-0.9, 0.2), QPointF(0.6, -0.3), QPointF(0.2, 0.85), QPointF(1.3, 0.6), QPointF(-0.3, -0.6)})
        body(p, ellipse(c + f * r, 2.4, 2.4), rgb(0xe8533a), 0.7);
}

void windowView(QPainter& p, const QRectF& pane, int which)
{
    p.fillRect(pane, vertical(pane, {{0.0, rgb(0x8fcaf0)}, {0.7, rgb(0xcdeaf8)}, {1.0, rgb(0xeef7ea)}}));
    cloud(p, QPointF(pane.left() + pane.width() * (which ? 0.75 : 0.3), pane.top() + pane.height() * 0.16), pane.width() * 0.38, 10);
    const double y = pane.bottom() - pane.height() * 0.2;
    fill(p, landBelow({{pane.left() - 2, y}, {pane.left() + pane.width() * 0.4, y - 8 + which * 4}, {pane.right() + 2, y - 2}}, pane.bottom() + 2),
         vertical(QRectF(pane.left(), y - 8, pane.width(), 20), {{0, rgb(0xa6d67c)}, {1, rgb(0x78b452)}}), rgb(0x4f8a3a), 1.0);
    fill(p, landBelow({{pane.left() - 2, y + 9}, {pane.center().x(), y + 5}, {pane.right() + 2, y + 10}}, pane.bottom() + 2),
         QBrush(rgb(0x8ac460)), rgb(0x4f8a3a), 1.0);
}

void plate(QPainter& p, QPointF c, double rx, double ry, const QColor& china, const QColor& rim)
{
    fill(p, ellipse(c + QPointF(3, ry * 0.35), rx * 1.02, ry * 1.05), QBrush(withAlpha(rgb(0x507a48), 80)));
    fill(p, ellipse(c, rx, ry), vertical(QRectF(c.x() - rx, c.y() - ry, 2 * rx, 2 * ry), {{0, china.darker(108)}, {1, china}}), ink(china), 1.2);
    stroke(p, ellipse(c, rx * 0.9, ry * 0.86), rim, 1.6);
    fill(p, ellipse(c + QPointF(0, ry * 0.06), rx * 0.68, ry * 0.6), vertical(QRectF(c.x() - rx, c.y() - ry, 2 * rx, 2 * ry), {{0, china.lighter(104)}, {1, china.darker(112)}}),
         withAlpha(ink(china), 120), 0.8);
}

void olives(QPainter& p, const QRectF& a)
{
    const QPointF c(a.center().x(), a.top() + a.height() * 0.45);
    const double rx = a.width() * 0.40, ry = a.height() * 0.15;
    const QColor glaze = rgb(0x4f86c8);
    fill(p, ellipse(QPointF(c.x() + 4, a.bottom() - a.height() * 0.1), rx * 0.95, ry * 0.7), QBrush(withAlpha(rgb(0x507a48), 90)));
    // The bowl below its rim.
    QPainterPath bowl;
    bowl.moveTo(c.x() - rx, c.y());
    bowl.cubicTo(c.x() - rx, c.y() + a.height() * 0.38, c.x() - rx * 0.4, a.bottom() - a.height() * 0.12, c.x(), a.bottom() - a.height() * 0.12);
    bowl.cubicTo(c.x() + rx * 0.4, a.bottom() - a.height() * 0.12, c.x() + rx, c.y() + a.height() * 0.38, c.x() + rx, c.y());
    bowl.closeSubpath();
    body(p, bowl, glaze, 1.4);
    p.save();
    p.setClipPath(bowl);
    stroke(p, curve({{c.x() - rx, c.y() + ry * 1.6}, {c.x(), c.y() + ry * 2.4}, {c.x() + rx, c.y() + ry * 1.6}}), rgb(0xf4f0e0), 3.0);
    for (int i = 0; i < 7; ++i) {
        const QPointF d(c.x() - rx * 0.75 + i * rx * 0.25, c.y() + ry * 2.05 + std::sin(i * 0.45 - 1.3) * ry * 0.3);
        fill(p, ellipse(d, 1.5, 1.5), QBrush(rgb(0xffd25a)));
    }
    p.restore();
    gleam(p, QPointF(c.x() - rx * 0.55, c.y() + ry * 2.3), rx * 0.16, ry * 0.7, 150, 70);
    fill(p, ellipse(c, rx, ry), QBrush(rgb(0x2e5a94)), ink(glaze), 1.2);
    // Olives heaped up above the rim.
    Dice dice(4);
    const QColor green = rgb(0x8aa53a), black = rgb(0x4a3550);
    std::vector<std::tuple<QPointF, bool, double>> fruit;
    for (int row = 0; row < 4; ++row) {
        const int n = 6 - row;
        for (int i = 0; i < n; ++i) {
            const double x = c.x() - rx * 0.8 + rx * 1.6 * (i + 0.5 + (row % 2) * 0.3) / (n + 0.3) * (1.0 - row * 0.12) + row * rx * 0.1;
            const double y = c.y() + ry * 0.1 - row * ry * 0.9 - std::sin((i + 0.5) / n * kPi) * ry * 0.6;
            fruit.emplace_back(QPointF(x, y), dice.next() < 0.45, dice.in(-40, 40));
        }
    }
    for (const auto& [at, dark, angle] : fruit) {
        p.save();
        p.translate(at);
        p.rotate(angle);
        const QColor col = dark ? black : green;
        body(p, ellipse(0, 0, 5.2, 3.9), col, 0.9);
        fill(p, ellipse(-1.6, -1.4, 1.7, 0.9), QBrush(withAlpha(Qt::white, 170)));
        p.restore();
    }
    // An olive sprig.
    const QPointF s(c.x() + rx * 0.4, c.y() - ry * 2.6);
    stroke(p, curve({s, s + QPointF(10, -4), s + QPointF(20, -2)}), rgb(0x6a5a3a), 1.1);
    for (int i = 0; i < 4; ++i) {
        const QPointF b = s + QPointF(4 + i * 4.5, -2.5 - (i % 2));
        const QColor silver = rgb(0x8aa27a);
        fill(p, leaf(b, b + QPointF(3 + i, (i % 2) ? -8 : 7), 1.8), QBrush(silver), ink(silver), 0.6);
    }
}

void honey(QPainter& p, const QRectF& a)
{
    const QPointF c(a.center().x() - a.width() * 0.04, a.top() + a.height() * 0.66);
    const double rx = a.width() * 0.42, ry = a.height() * 0.19;
    const QColor gold = rgb(0xe8b830);
    fill(p, ellipse(c + QPointF(4, ry * 0.5), rx, ry * 1.05), QBrush(withAlpha(rgb(0x507a48), 90)));
    // Flat golden dish: its foot, its rim and the honey in it.
    fill(p, ellipse(c + QPointF(0, ry * 0.45), rx * 0.98, ry * 0.92), linear(QPointF(c.x() - rx, 0), QPointF(c.x() + rx, 0), {{0, rgb(0xb07818)}, {0.4, rgb(0xf0c848)}, {1, rgb(0x946010)}}), rgb(0x6a4410), 1.2);
    fill(p, ellipse(c, rx, ry), radial(c - QPointF(rx * 0.35, ry * 0.4), rx * 1.1, {{0, rgb(0xfff0a0)}, {0.5, gold}, {1, rgb(0xb88018)}}), rgb(0x7a5010), 1.3);
    const QPainterPath pool = ellipse(c + QPointF(0, ry * 0.05), rx * 0.8, ry * 0.68);
    fill(p, pool, radial(c + QPointF(-rx * 0.2, -ry * 0.2), rx * 0.85, {{0, rgb(0xffc84a)}, {0.6, rgb(0xe8901a)}, {1, rgb(0xb8600e)}}), rgb(0x8a4a0a), 1.0);
    gleam(p, c + QPointF(-rx * 0.3, -ry * 0.2), rx * 0.3, ry * 0.18, 200, 0);
    // A piece of honeycomb in the dish.
    const double hr = ry * 0.42;
    for (int i = 0; i < 5; ++i) {
        const QPointF hc = c + QPointF(rx * 0.12 + (i % 3) * hr * 1.55 + (i / 3) * hr * 0.78, -ry * 0.22 + (i / 3) * hr * 1.3);
        std::vector<QPointF> hex;
        for (int k = 0; k < 6; ++k)
            hex.push_back(hc + QPointF(std::cos(k * kPi / 3) * hr, std::sin(k * kPi / 3) * hr * 0.85));
        fill(p, polygon(hex), radial(hc, hr, {{0, rgb(0xffd860)}, {1, rgb(0xe8a020)}}), rgb(0x9a6010), 0.8);
    }
    // The dipper lying across the rim.
    const QPointF d0(c.x() - rx * 1.05, c.y() - ry * 1.2), d1(c.x() - rx * 0.15, c.y() + ry * 0.1);
    fill(p, ribbon({d0, (d0 + d1) / 2, d1}, 2.6, 2.8), QBrush(rgb(0xb07a44)), rgb(0x5a3a1a), 0.9);
    for (int i = 0; i < 3; ++i)
        body(p, ellipse(d1 + QPointF(i * 2.0, i * 0.6), 3.2, 4.2 - i * 0.6), rgb(0xc08a50), 0.8);
    // A bee visiting.
    const QPointF bee(a.right() - a.width() * 0.18, a.top() + a.height() * 0.2);
    for (int s : {-1, 1})
        fill(p, ellipse(bee + QPointF(s * 2.5, -4.5), 3.2, 4.5), QBrush(withAlpha(rgb(0xe8f6ff), 220)), rgb(0x7a9ab0), 0.7);
    const QPainterPath beeBody = ellipse(bee, 5.4, 3.8);
    fill(p, beeBody, lit(beeBody.boundingRect(), rgb(0xffc820)), rgb(0x3a2a10), 0.9);
    p.save();
    p.setClipPath(beeBody);
    for (int s : {-1, 1})
        p.fillRect(QRectF(bee.x() + s * 1.8 - 0.9, bee.y() - 4, 1.9, 8), rgb(0x2a2018));
    p.restore();
    fill(p, ellipse(bee + QPointF(-5.4, -0.5), 2.3, 2.3), QBrush(rgb(0x2a2018)));
    stroke(p, curve({bee + QPointF(5, 0), bee + QPointF(7.5, 0.8)}), rgb(0x2a2018), 0.8);
    QPen trail(withAlpha(rgb(0x6a5a40), 160), 0.8, Qt::DotLine);
    p.setPen(trail);
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve({bee + QPointF(7, 2), bee + QPointF(14, -2), bee + QPointF(16, 6), bee + QPointF(11, 9)}));
}

void grapes(QPainter& p, const QRectF& a)
{
    const QPointF c(a.center().x(), a.top() + a.height() * 0.58);
    plate(p, c, a.width() * 0.44, a.height() * 0.3, rgb(0xf8f6f0), rgb(0x6fa8d8));
    // Vine leaves under the fruit.
    const QColor vine = rgb(0x5aa83e);
    auto vineLeaf = [&](QPointF at, double r, double angle) {
        p.save();
        p.translate(at);
        p.rotate(angle);
        std::vector<QPointF> pts;
        for (int i = 0; i < 10; ++i) {
            const double t = i * 2 * kPi / 10;
            const double rr = r * ((i % 2) ? 0.62 : 1.0);
            pts.push_back(QPointF(std::cos(t) * rr, std::sin(t) * rr * 0.8));
        }
        const QPainterPath lf = blob(pts, 0.8);
        body(p, lf, vine, 1.0);
        for (int i = 0; i < 5; ++i) {
            const double t = i * 2 * kPi / 5 + kPi / 10;
            stroke(p, curve({QPointF(0, 0), QPointF(std::cos(t) * r * 0.8, std::sin(t) * r * 0.64)}), withAlpha(rgb(0xc8ecb0), 200), 0.8);
        }
        p.restore();
    };
    vineLeaf(c + QPointF(-a.width() * 0.26, -a.height() * 0.08), 17, -20);
    vineLeaf(c + QPointF(a.width() * 0.24, -a.height() * 0.02), 15, 30);
    // Two bunches: purple and green.
    auto bunch = [&](QPointF top, double r, int rows, const QColor& colour, double lean) {
        for (int row = 0; row < rows; ++row) {
            const int n = std::max(1, rows - row);
            for (int i = 0; i < n; ++i) {
                const QPointF g = top + QPointF((i - (n - 1) / 2.0) * r * 1.7 + row * lean, row * r * 1.45);
                fill(p, ellipse(g, r, r), radial(g - QPointF(r * 0.35, r * 0.4), r * 1.3, {{0, mix(colour, Qt::white, 0.45)}, {0.5, colour}, {1, colour.darker(170)}}),
                     ink(colour), 0.8);
                fill(p, ellipse(g - QPointF(r * 0.35, r * 0.35), r * 0.28, r * 0.2), QBrush(withAlpha(Qt::white, 200)));
            }
        }
        stroke(p, curve({top + QPointF(0, -r), top + QPointF(2, -r * 2.2), top + QPointF(6, -r * 2.8)}), rgb(0x6a4a2a), 1.6);
    };
    bunch(c + QPointF(-a.width() * 0.14, -a.height() * 0.3), 4.6, 5, rgb(0x7a3a90), 1.0);
    bunch(c + QPointF(a.width() * 0.17, -a.height() * 0.12), 4.0, 4, rgb(0xa8c848), -0.8);
    // A curling tendril.
    stroke(p, curve({c + QPointF(-a.width() * 0.38, -a.height() * 0.2), c + QPointF(-a.width() * 0.42, -a.height() * 0.32),
                     c + QPointF(-a.width() * 0.36, -a.height() * 0.38), c + QPointF(-a.width() * 0.33, -a.height() * 0.31)}),
           rgb(0x4f9a3c), 1.0);
}

void redFruit(QPainter& p, const QRectF& a)
{
    const QPointF c(a.center().x(), a.top() + a.height() * 0.60);
    const double rx = a.width() * 0.46, ry = a.height() * 0.26;
    plate(p, c, rx, ry, rgb(0xf6f0e4), rgb(0xd8a040));
    auto pomegranate = [&](QPointF at, double r) {
        const QColor red = rgb(0xd8303a);
        body(p, ellipse(at, r, r * 0.95), red, 1.1);
        fill(p, polygon({at + QPointF(-r * 0.3, -r * 0.85), at + QPointF(-r * 0.38, -r * 1.25), at + QPointF(-r * 0.12, -r * 1.05),
                         at + QPointF(0, -r * 1.35), at + QPointF(r * 0.12, -r * 1.05), at + QPointF(r * 0.38, -r * 1.25), at + QPointF(r * 0.3, -r * 0.85)}),
             QBrush(rgb(0xb82830)), rgb(0x6a1018), 0.9);
        gleam(p, at - QPointF(r * 0.38, r * 0.35), r * 0.32, r * 0.2, 170, -35);
    };
    auto fig = [&](QPointF at, double r, double angle) {
        p.save();
        p.translate(at);
        p.rotate(angle);
        const QColor purple = rgb(0x8a3a6a);
        body(p, blob({{0, -r * 1.35}, {r * 0.5, -r * 0.7}, {r * 0.95, r * 0.2}, {0, r * 0.95}, {-r * 0.95, r * 0.2}, {-r * 0.5, -r * 0.7}}, 0.9), purple, 1.0);
        stroke(p, curve({{0, -r * 1.35}, {0.5, -r * 1.7}}), rgb(0x5a7a2a), 1.4);
        gleam(p, QPointF(-r * 0.35, -r * 0.1), r * 0.25, r * 0.4, 140, 0);
        p.restore();
    };
    fig(c + QPointF(rx * 0.55, -ry * 0.55), 7.5, 18);
    fig(c + QPointF(-rx * 0.62, -ry * 0.45), 7.0, -20);
    pomegranate(c + QPointF(-rx * 0.22, -ry * 0.75), 12.5);
    pomegranate(c + QPointF(rx * 0.22, -ry * 0.25), 11.5);
    // A halved fig showing its pink flesh and pips.
    const QPointF h = c + QPointF(-rx * 0.05, ry * 0.45);
    fill(p, ellipse(h, 8, 5.5), QBrush(rgb(0x8a3a6a)), rgb(0x4a1838), 1.0);
    fill(p, ellipse(h + QPointF(0, -0.6), 6.6, 4.3), radial(h, 6.6, {{0, rgb(0xffd0c0)}, {0.5, rgb(0xf07080)}, {1, rgb(0xe8c8a0)}}));
    Dice dice(21);
    for (int i = 0; i < 10; ++i)
        fill(p, ellipse(h + QPointF(dice.in(-4, 4), dice.in(-2.4, 2)), 0.6, 0.6), QBrush(rgb(0xfff0d0)));
}

void glassOfWater(QPainter& p, const QRectF& a)
{
    const double cx = a.center().x(), top = a.top() + a.height() * 0.12, bottom = a.bottom() - a.height() * 0.14;
    const double rt = a.width() * 0.30, rb = a.width() * 0.24, e = a.height() * 0.07;
    fill(p, ellipse(QPointF(cx + 5, bottom + 1), rb * 1.5, e * 1.2), QBrush(withAlpha(rgb(0x507a48), 90)));
    fill(p, ellipse(QPointF(cx + 2, bottom + 1), rb * 1.2, e * 1.0), QBrush(withAlpha(rgb(0xa0e0ff), 110)));
    QPainterPath glass;
    glass.moveTo(cx - rt, top);
    glass.lineTo(cx - rb, bottom);
    glass.arcTo(QRectF(cx - rb, bottom - e, 2 * rb, 2 * e), 180, 180);
    glass.lineTo(cx + rt, top);
    glass.arcTo(QRectF(cx - rt, top - e, 2 * rt, 2 * e), 0, 180);
    glass.closeSubpath();
    fill(p, glass, linear(QPointF(cx - rt, 0), QPointF(cx + rt, 0), {{0, QColor(210, 235, 245, 200)}, {0.3, QColor(255, 255, 255, 150)}, {1, QColor(180, 215, 235, 210)}}));
    // The water, two thirds up.
    const double level = top + (bottom - top) * 0.3;
    const double rl = rt + (rb - rt) * 0.3;
    QPainterPath water;
    water.moveTo(cx - rl, level);
    water.lineTo(cx - rb, bottom);
    water.arcTo(QRectF(cx - rb, bottom - e, 2 * rb, 2 * e), 180, 180);
    water.lineTo(cx + rl, level);
    water.closeSubpath();
    fill(p, water, linear(QPointF(cx - rt, 0), QPointF(cx + rt, 0), {{0, rgb(0x7cc8ec)}, {0.35, rgb(0xb8e6fa)}, {1, rgb(0x4aa0d8)}}));
    fill(p, ellipse(QPointF(cx, level), rl, e * 0.9), vertical(QRectF(cx - rl, level - e, 2 * rl, 2 * e), {{0, rgb(0xe0f6ff)}, {1, rgb(0x8ed4f2)}}), rgb(0x4a90c0), 0.9);
    // Glass outline, rim and gleams.
    stroke(p, glass, rgb(0x5a8aa8), 1.3);
    stroke(p, ellipse(QPointF(cx, top), rt, e), rgb(0x5a8aa8), 1.2);
    fill(p, ribbon({QPointF(cx - rt * 0.62, top + 6), QPointF(cx - rb * 0.62, bottom - 6)}, 3.4, 2.4), QBrush(withAlpha(Qt::white, 200)));
    fill(p, ribbon({QPointF(cx + rt * 0.55, top + 8), QPointF(cx + rb * 0.6, top + (bottom - top) * 0.45)}, 1.6, 1.2), QBrush(withAlpha(Qt::white, 170)));
    for (const QPointF b : {QPointF(cx + 3, level + 14), QPointF(cx - 4, level + 22), QPointF(cx + 6, level + 26)})
        stroke(p, ellipse(b, 1.3, 1.3), withAlpha(Qt::white, 210), 0.7);
}

void chairBack(QPainter& p, QPointF topCentre, double w, double h)
{
    const QColor wood = rgb(0xa8683a);
    const QRectF posts[] = {QRectF(topCentre.x() - w / 2, topCentre.y(), w * 0.12, h), QRectF(topCentre.x() + w / 2 - w * 0.12, topCentre.y(), w * 0.12, h)};
    for (const QRectF& r : posts) {
        QPainterPath post;
        post.addRoundedRect(r, 2, 2);
        body(p, post, wood, 1.1);
    }
    QPainterPath rail;
    rail.addRoundedRect(QRectF(topCentre.x() - w / 2 - 2, topCentre.y() - 2, w + 4, h * 0.22), 4, 4);
    body(p, rail, wood.lighter(108), 1.2);
    for (int i = 0; i < 3; ++i) {
        QPainterPath slat;
        slat.addRoundedRect(QRectF(topCentre.x() - w * 0.28 + i * w * 0.22, topCentre.y() + h * 0.2, w * 0.12, h * 0.8), 1.5, 1.5);
        body(p, slat, wood.darker(106), 0.9);
    }
}

void child(QPainter& p, QPointF head, double r, double tableTop, bool armsOnly)
{
    // A child sitting at the corner of the table, turned towards the food.
    const QColor skin = rgb(0xf2c49a), shirt = rgb(0xf2a03a), hair = rgb(0x5a3420);
    if (armsOnly) {
        // The arm resting on the cloth, drawn after the table.
        const QPointF hand(head.x() - r * 1.9, tableTop + 9);
        const QRectF sleeve(head.x() - r * 2.2, head.y(), r * 2.4, tableTop - head.y() + 12);
        fill(p, ribbon({head + QPointF(-r * 0.7, r * 1.5), head + QPointF(-r * 1.3, tableTop - head.y() + 2), hand}, r * 0.62, r * 0.5),
             lit(sleeve, shirt), ink(shirt), 1.1);
        body(p, ellipse(hand + QPointF(-2.5, 0.5), r * 0.32, r * 0.25), skin, 1.0);
        return;
    }
    // Chair behind.
    chairBack(p, QPointF(head.x() + r * 1.4, head.y() - r * 0.2), r * 1.6, tableTop - head.y() + r * 0.2);
    // Body and arms.
    const QPainterPath torso = blob({head + QPointF(-r * 1.2, r * 1.2), head + QPointF(0, r * 0.9), head + QPointF(r * 1.3, r * 1.3),
                                     head + QPointF(r * 1.5, tableTop - head.y() + 6), head + QPointF(-r * 1.3, tableTop - head.y() + 6)},
                                    0.7);
    body(p, torso, shirt, 1.3);
    stroke(p, curve({head + QPointF(-r * 0.6, r * 1.05), head + QPointF(0, r * 1.4), head + QPointF(r * 0.6, r * 1.05)}), rgb(0xffffff), 2.0);
    // Neck and head.
    body(p, ellipse(head + QPointF(0, r * 0.85), r * 0.35, r * 0.3), skin, 1.0);
    body(p, ellipse(head, r, r * 0.98), skin, 1.3, 0.7);
    body(p, ellipse(head + QPointF(r * 0.92, r * 0.05), r * 0.2, r * 0.28), skin, 1.0, 0.6);
    // Hair cap with a fringe.
    const QPainterPath hairCap = blob({head + QPointF(-r * 0.98, -r * 0.05), head + QPointF(-r * 0.8, -r * 0.75), head + QPointF(0, -r * 1.08),
                                       head + QPointF(r * 0.85, -r * 0.7), head + QPointF(r * 1.05, -r * 0.05), head + QPointF(r * 0.75, -r * 0.2),
                                       head + QPointF(r * 0.1, -r * 0.45), head + QPointF(-r * 0.5, -r * 0.3)},
                                      0.9);
    body(p, hairCap, hair, 1.2);
    gleam(p, head + QPointF(-r * 0.2, -r * 0.72), r * 0.4, r * 0.12, 120, -10);
    // Face, turned to the left.
    fill(p, ellipse(head + QPointF(-r * 0.45, r * 0.05), r * 0.11, r * 0.15), QBrush(rgb(0x2a1a12)));
    fill(p, ellipse(head + QPointF(-r * 0.47, r * 0.0), r * 0.04, r * 0.05), QBrush(Qt::white));
    fill(p, ellipse(head + QPointF(-r * 0.12, r * 0.03), r * 0.1, r * 0.14), QBrush(rgb(0x2a1a12)));
    fill(p, ellipse(head + QPointF(-r * 0.55, r * 0.4), r * 0.17, r * 0.11), QBrush(withAlpha(rgb(0xf08080), 130)));
    fill(p, ellipse(head + QPointF(0.1 * r, r * 0.4), r * 0.17, r * 0.11), QBrush(withAlpha(rgb(0xf08080), 130)));
    stroke(p, curve({head + QPointF(-r * 0.5, r * 0.5), head + QPointF(-r * 0.3, r * 0.65), head + QPointF(-r * 0.1, r * 0.52)}), rgb(0x8a3a2a), 1.1);
}

void vaseOfFlowers(QPainter& p, QPointF foot, double h)
{
    const QColor blue = rgb(0x3f7ac0);
    // Stems and flowers first, the vase in front.
    const QPointF mouth(foot.x(), foot.y() - h * 0.42);
    const QColor colours[] = {rgb(0xf05050), rgb(0xffd040), rgb(0xf080b8), rgb(0xffffff), rgb(0xf08a30), rgb(0xc070e0)};
    const QPointF heads[] = {{-0.34, -1.0}, {0.0, -1.12}, {0.3, -0.98}, {-0.18, -0.82}, {0.18, -0.8}, {-0.42, -0.72}, {0.42, -0.7}};
    int i = 0;
    for (const QPointF& hpt : heads) {
        const QPointF top = foot + QPointF(hpt.x() * h, hpt.y() * h);
        stroke(p, curve({mouth + QPointF(hpt.x() * 6, 0), (mouth + top) / 2 + QPointF(hpt.x() * 4, 0), top}), rgb(0x3f8a30), 1.3);
        if (i % 2 == 0) {
            const QPointF lf = (mouth + top) / 2;
            fill(p, leaf(lf, lf + QPointF(hpt.x() >= 0 ? 9 : -9, -4), 2.4), QBrush(rgb(0x5aa83e)), ink(rgb(0x5aa83e)), 0.7);
        }
        flower(p, top, h * 0.085, colours[i % 6], rgb(0xffb020));
        ++i;
    }
    QPainterPath vase;
    vase.moveTo(foot.x() - h * 0.09, mouth.y() - 2);
    vase.cubicTo(foot.x() - h * 0.08, mouth.y() + h * 0.08, foot.x() - h * 0.2, mouth.y() + h * 0.16, foot.x() - h * 0.18, foot.y() - h * 0.08);
    vase.cubicTo(foot.x() - h * 0.16, foot.y(), foot.x() + h * 0.16, foot.y(), foot.x() + h * 0.18, foot.y() - h * 0.08);
    vase.cubicTo(foot.x() + h * 0.2, mouth.y() + h * 0.16, foot.x() + h * 0.08, mouth.y() + h * 0.08, foot.x() + h * 0.09, mouth.y() - 2);
    vase.closeSubpath();
    body(p, vase, blue, 1.3);
    p.save();
    p.setClipPath(vase);
    stroke(p, curve({{foot.x() - h * 0.25, foot.y() - h * 0.2}, {foot.x(), foot.y() - h * 0.16}, {foot.x() + h * 0.25, foot.y() - h * 0.2}}), rgb(0xf6f0dc), 2.5);
    p.restore();
    gleam(p, QPointF(foot.x() - h * 0.08, foot.y() - h * 0.22), h * 0.04, h * 0.09, 170, 0);
    fill(p, ellipse(QPointF(foot.x(), mouth.y() - 2), h * 0.095, h * 0.025), QBrush(rgb(0x244a80)), ink(blue), 0.9);
}

void drawFoods(QPainter& p, QSize size, const Hotspots& hot)
{
    const double W = size.width(), H = size.height();
    const QRectF palm = hot["Image3"], tree = hot["tree2_f"], olive = hot["oil2_f"], honeyDish = hot["hony_f"];
    const QRectF grapePlate = hot["fruit_f"], redPlate = hot["oils_f"], glass = hot["waters_f"];
    Dice dice(13);

    // The wall, warm cream with a faint stripe.
    p.fillRect(QRectF(0, 0, W, H), vertical(QRectF(0, 0, W, H * 0.55), {{0, rgb(0xf8e8c8)}, {1, rgb(0xf0d4a8)}}));
    for (double x = 6; x < W; x += 14)
        p.fillRect(QRectF(x, 0, 5, H), withAlpha(rgb(0xe8c898), 70));

    // The window across the top: two panes, the palm in the left one and the
    // leafy tree in the next.
    const double frame = 6, mullion = 8;
    const double split = (palm.right() + tree.left()) / 2;
    const QRectF paneL(std::max(0.0, palm.left() - 3), std::max(0.0, palm.top() - 3), split - mullion / 2 - std::max(0.0, palm.left() - 3), palm.height() + 9);
    const double rightEdge = tree.center().x() + (tree.center().x() - (split + mullion / 2));
    const QRectF paneR(split + mullion / 2, paneL.top(), rightEdge - split - mullion / 2, paneL.height());
    const QRectF outer = QRectF(paneL.topLeft(), paneR.bottomRight()).adjusted(-frame, -frame, frame, frame);
    const QColor wood = rgb(0xb07848);
    fill(p, QPainterPath([&] { QPainterPath f; f.addRect(outer.adjusted(2, 2, 6, 8)); return f; }()), QBrush(withAlpha(rgb(0x8a6040), 60)));
    {
        QPainterPath f;
        f.addRect(outer);
        body(p, f, wood, 1.3, 0.6);
    }
    int which = 0;
    for (const QRectF& pane : {paneL, paneR}) {
        p.save();
        p.setClipRect(pane);
        windowView(p, pane, which);
        if (which == 0)
            palmTree(p, palm.adjusted(4, 2, -4, -1));
        else
            leafyTree(p, tree.adjusted(3, 2, -3, -1));
        // Sunlight on the glass.
        fill(p, polygon({pane.topLeft() + QPointF(pane.width() * 0.55, 0), pane.topLeft() + QPointF(pane.width() * 0.75, 0),
                         pane.topLeft() + QPointF(pane.width() * 0.35, pane.height()), pane.topLeft() + QPointF(pane.width() * 0.15, pane.height())}),
             QBrush(withAlpha(Qt::white, 45)));
        p.restore();
        stroke(p, QPainterPath([&] { QPainterPath r; r.addRect(pane); return r; }()), ink(wood), 1.2);
        ++which;
    }
    // The sill.
    QPainterPath sill;
    sill.addRoundedRect(QRectF(outer.left() - 4, outer.bottom() - 2, outer.width() + 8, 8), 2, 2);
    body(p, sill, wood.lighter(110), 1.2);
    // A curtain to the right of the window, tied back.
    const double rodY = std::max(2.0, outer.top() - 1);
    QPainterPath rod;
    rod.addRoundedRect(QRectF(outer.left(), rodY - 1.5, outer.width() + 46, 3.5), 1.7, 1.7);
    body(p, rod, rgb(0x9a6a30), 0.9);
    const QColor curtainRed = rgb(0xd8584a);
    const double cx = outer.right() - 6;
    const QPainterPath curtain = blob({{cx, rodY + 1}, {cx + 42, rodY + 1}, {cx + 38, outer.bottom() * 0.65}, {cx + 44, outer.bottom() + 40},
                                       {cx + 22, outer.bottom() + 46}, {cx + 16, outer.bottom() * 0.68}, {cx + 2, outer.bottom() * 0.35}},
                                      0.6);
    fill(p, curtain, linear(QPointF(cx, 0), QPointF(cx + 44, 0), {{0, curtainRed.lighter(120)}, {0.5, curtainRed}, {1, curtainRed.darker(135)}}), ink(curtainRed), 1.3);
    p.save();
    p.setClipPath(curtain);
    for (int i = 0; i < 4; ++i)
        stroke(p, curve({{cx + 10 + i * 8, rodY}, {cx + 16 + i * 6, outer.bottom() * 0.66}, {cx + 26 + i * 4.5, outer.bottom() + 44}}), withAlpha(curtainRed.darker(150), 150), 1.4);
    p.restore();
    body(p, ellipse(cx + 27, outer.bottom() * 0.68, 10, 3.5), rgb(0xf2c04a), 1.0);

    // A framed picture on the wall at the right.
    const QRectF pic(W - 92, 18, 46, 36);
    {
        QPainterPath f;
        f.addRect(pic);
        body(p, f, rgb(0xc8943a), 1.2, 0.6);
        const QRectF inner = pic.adjusted(5, 5, -5, -5);
        p.fillRect(inner, vertical(inner, {{0, rgb(0xbfe4f4)}, {1, rgb(0xa8d88a)}}));
        fill(p, landBelow({inner.bottomLeft() + QPointF(0, -8), inner.bottomLeft() + QPointF(inner.width() * 0.5, -16), inner.bottomRight() + QPointF(0, -6)}, inner.bottom()), QBrush(rgb(0x7ab85a)));
        fill(p, ellipse(inner.left() + inner.width() * 0.75, inner.top() + 6, 3.5, 3.5), QBrush(rgb(0xffd24a)));
        stroke(p, QPainterPath([&] { QPainterPath r; r.addRect(inner); return r; }()), ink(rgb(0xc8943a)), 0.9);
    }

    // The table top: a pale green cloth in perspective.
    const double far = std::min(olive.top(), honeyDish.top()) - 22;
    const double farLeft = 14, farRight = glass.left() + glass.width() * 0.55;
    const QPointF vanish((farLeft + farRight) / 2, far - 260);
    auto onNear = [&](double xFar) { return vanish + (QPointF(xFar, far) - vanish) * ((H + 2 - vanish.y()) / (far - vanish.y())); };

    // Floor beyond the table at the right, the side table with its vase, the chairs.
    p.fillRect(QRectF(0, far + 14, W, H - far), vertical(QRectF(0, far, W, H - far), {{0, rgb(0xc89060)}, {1, rgb(0xa8703e)}}));
    for (int i = 0; i < 6; ++i)
        stroke(p, curve({{0, far + 20 + i * i * 6.0}, {W, far + 20 + i * i * 6.0}}), withAlpha(rgb(0x7a4a26), 120), 1.0);
    p.fillRect(QRectF(0, far + 8, W, 7), rgb(0xb88858));
    const QPointF sideTable(W - 32, far - 30);
    for (int s : {-1, 1})
        body(p, ribbon({sideTable + QPointF(s * 10, 2), sideTable + QPointF(s * 14, 60)}, 4, 3.5), rgb(0x9a5e32), 1.0);
    body(p, ellipse(sideTable, 28, 7), rgb(0xb8743e), 1.2, 0.7);
    vaseOfFlowers(p, sideTable + QPointF(-2, 0), 78);
    chairBack(p, QPointF(olive.center().x(), far - 44), 50, 46);
    chairBack(p, QPointF(honeyDish.center().x() + 6, far - 44), 50, 46);
    const QPointF childHead(farRight - 40, far - 46);
    child(p, childHead, 16, far, false);

    const QPointF nearLeft = onNear(farLeft), nearRight = onNear(farRight);
    const QPainterPath cloth = polygon({{farLeft, far}, {farRight, far}, nearRight, nearLeft});
    // The cloth's edge hanging down at the right.
    fill(p, polygon({{farRight, far}, {farRight + 4, far + 16}, nearRight + QPointF(6, 0), nearRight}), vertical(QRectF(0, far, W, H - far), {{0, rgb(0xa8d098)}, {1, rgb(0x88b878)}}), rgb(0x4a7a40), 1.2);
    fill(p, cloth, vertical(QRectF(0, far, W, H - far), {{0, rgb(0xd6efc8)}, {0.5, rgb(0xc6e6b6)}, {1, rgb(0xb2d9a0)}}), rgb(0x4a7a40), 1.4);
    p.save();
    p.setClipPath(cloth);
    for (int i = 1; i < 16; ++i) {
        const double x = farLeft + (farRight - farLeft) * i / 16.0;
        stroke(p, curve({{x, far}, onNear(x)}), withAlpha(rgb(0xffffff), 70), 1.0);
    }
    for (int i = 1; i < 12; ++i) {
        const double t = i / 12.0;
        const double y = far + (H - far) * t * t * 0.9 + t * 8;
        stroke(p, curve({{-10, y}, {W + 10, y}}), withAlpha(rgb(0xffffff), 70), 1.0);
    }
    // An embroidered band along the far edge.
    stroke(p, curve({{farLeft, far + 5}, {farRight, far + 5}}), rgb(0x8ac07a), 2.4);
    for (double x = farLeft + 6; x < farRight - 4; x += 9)
        fill(p, ellipse(x, far + 5, 1.4, 1.1), QBrush(Qt::white));
    p.restore();
    gleam(p, QPointF((farLeft + farRight) / 2 - 60, far + 40), 90, 14, 60, 0);
    child(p, childHead, 16, far, true);

    // A napkin with a fork and spoon at the left, the salt shaker, the dates.
    {
        const QPointF n(grapePlate.left() - 14, grapePlate.center().y());
        fill(p, polygon({n + QPointF(-12, -22), n + QPointF(10, -24), n + QPointF(16, 26), n + QPointF(-10, 28)}), lit(QRectF(n.x() - 12, n.y() - 24, 28, 52), rgb(0xf6f6f0)), rgb(0x8a9aa8), 1.0);
        stroke(p, curve({n + QPointF(-4, -18), n + QPointF(-2, 20)}), rgb(0x9aa4ae), 2.0);
        stroke(p, curve({n + QPointF(5, -18), n + QPointF(7, 20)}), rgb(0x9aa4ae), 2.0);
        fill(p, ellipse(n + QPointF(5, -19), 2.6, 4), QBrush(rgb(0xc8d0d8)), rgb(0x6a747e), 0.8);
    }
    {
        const QPointF s((olive.right() + honeyDish.left()) / 2, olive.center().y() + 6);
        fill(p, ellipse(s + QPointF(2, 12), 7, 2.5), QBrush(withAlpha(rgb(0x507a48), 90)));
        QPainterPath shaker;
        shaker.moveTo(s + QPointF(-5.5, 12));
        shaker.lineTo(s + QPointF(-4.5, -6));
        shaker.quadTo(s + QPointF(0, -11), s + QPointF(4.5, -6));
        shaker.lineTo(s + QPointF(5.5, 12));
        shaker.quadTo(s + QPointF(0, 14), s + QPointF(-5.5, 12));
        fill(p, shaker, linear(s + QPointF(-6, 0), s + QPointF(6, 0), {{0, QColor(230, 240, 245)}, {0.4, Qt::white}, {1, QColor(170, 185, 195)}}), rgb(0x6a7a88), 1.0);
        p.fillRect(QRectF(s.x() - 5, s.y() - 1, 10.5, 13), withAlpha(Qt::white, 120));
        fill(p, blob({s + QPointF(-4.6, -5), s + QPointF(0, -11), s + QPointF(4.6, -5), s + QPointF(0, -4)}), QBrush(rgb(0xb8c0c8)), rgb(0x5a6470), 0.9);
        for (int i = -1; i <= 1; ++i)
            fill(p, ellipse(s + QPointF(i * 1.8, -7.5), 0.5, 0.5), QBrush(rgb(0x3a4450)));
    }
    {
        const QPointF d(redPlate.right() + 12, olive.center().y() + 14);
        plate(p, d, 28, 10, rgb(0xf4ece0), rgb(0x7ab0d8));
        for (int i = 0; i < 7; ++i) {
            const QPointF at = d + QPointF(-16 + i * 5.2, -3 + std::sin(i * 1.3) * 2 - (i > 1 && i < 5 ? 3 : 0));
            p.save();
            p.translate(at);
            p.rotate(-25 + i * 9);
            body(p, ellipse(0, 0, 5, 2.8), rgb(0x8a4a22), 0.9);
            fill(p, ellipse(-1.5, -1.0, 1.8, 0.7), QBrush(withAlpha(Qt::white, 150)));
            p.restore();
        }
    }

    // A round flat loaf between the dishes.
    {
        const QPointF b((olive.right() + honeyDish.left()) / 2 + 14, (olive.bottom() + grapePlate.top()) / 2 + 2);
        fill(p, ellipse(b + QPointF(3, 3), 22, 7), QBrush(withAlpha(rgb(0x507a48), 80)));
        body(p, ellipse(b, 22, 8), rgb(0xe0a85a), 1.2);
        fill(p, ellipse(b + QPointF(0, -1), 16, 5), radial(b, 16, {{0, rgb(0xf4c880)}, {1, rgb(0xd89848)}}));
        for (int i = 0; i < 6; ++i)
            fill(p, ellipse(b + QPointF(-10 + i * 4, -1 + (i % 2) * 2), 0.9, 0.6), QBrush(rgb(0x8a5a2a)));
    }

    // The food under its hotspots.
    olives(p, olive.adjusted(2, 2, -2, -2));
    honey(p, honeyDish.adjusted(2, 2, -2, -2));
    grapes(p, grapePlate.adjusted(3, 3, -3, -3));
    redFruit(p, redPlate.adjusted(3, 3, -3, -3));
    glassOfWater(p, glass.adjusted(2, 2, -2, -2).intersected(QRectF(0, 0, W, H)));
    (void)dice;
}

// ---- The animals scene: open grassland -------------------------------------

// Maps a drawing made in a box of the given size onto an area, keeping its
// proportions, centred horizontally and standing on the area's bottom.
void fitBox(QPainter& p, const QRectF& area, double boxW, double boxH, bool mirror = false)
{
    const double s = std::min(area.width() / boxW, area.height() / boxH);
    p.translate(area.center().x(), area.bottom());
    p.scale(mirror ? -s : s, s);
    p.translate(-boxW / 2, -boxH);
}

// A soft shadow on the grass under a drawing placed by fitBox.
void shadowUnder(QPainter& p, const QRectF& area, double boxW, double boxH, double width = 0.9)
{
    const double s = std::min(area.width() / boxW, area.height() / boxH);
    const double rx = boxW * s * width / 2;
    p.save();
    p.translate(area.center().x(), area.bottom() - 1);
    p.scale(1.0, 0.16);
    p.setPen(Qt::NoPen);
    p.setBrush(radial(QPointF(0, 0), rx, {{0.0, QColor(40, 80, 30, 110)}, {0.6, QColor(40, 80, 30, 70)}, {1.0, QColor(40, 80, 30, 0)}}));
    p.drawEllipse(QPointF(0, 0), rx, rx);
    p.restore();
}

void leg(QPainter& p, QPointF top, QPointF foot, double w0, double w1, const QColor& c, const QColor& hoof)
{
    fill(p, ribbon({top, (top + foot) / 2 + QPointF(0.3, 0), foot}, w0, w1), lit(QRectF(top, foot).normalized().adjusted(-w0, 0, w0, 0), c, 0.8), ink(c), 1.0);
    if (hoof.isValid())
        fill(p, ellipse(foot + QPointF(0, -0.2), w1 * 0.62, w1 * 0.32), QBrush(hoof), ink(hoof), 0.8);
}

void eye(QPainter& p, QPointF at, double r)
{
    fill(p, ellipse(at, r, r * 1.1), QBrush(rgb(0x1e1612)));
    fill(p, ellipse(at + QPointF(-r * 0.35, -r * 0.4), r * 0.38, r * 0.38), QBrush(Qt::white));
}

void lamb(QPainter& p, const QRectF& area)
{
    p.save();
    fitBox(p, area, 60, 46);
    const QColor wool = rgb(0xf6f2ea), face = rgb(0x5e4c4c);
    for (const double x : {17.0, 44.0})
        leg(p, {x, 30}, {x - 1, 45}, 3.6, 3.0, face.lighter(130), rgb(0x2a2020));
    // Woolly body: a ring of little curls.
    std::vector<QPointF> curls;
    QPainterPath fleece;
    const QPointF c(30, 25);
    const int n = 16;
    for (int i = 0; i <= n; ++i) {
        const double a = i * 2 * kPi / n;
        const QPointF pt = c + QPointF(std::cos(a) * 22, std::sin(a) * 12.5);
        if (i == 0) {
            fleece.moveTo(pt);
        } else {
            const double am = (i - 0.5) * 2 * kPi / n;
            fleece.quadTo(c + QPointF(std::cos(am) * 26, std::sin(am) * 15.5), pt);
        }
    }
    fleece.closeSubpath();
    body(p, fleece, wool, 1.2, 0.7);
    for (const QPointF k : {QPointF(20, 20), QPointF(30, 17), QPointF(38, 23), QPointF(24, 29), QPointF(34, 31)})
        stroke(p, curve({k, k + QPointF(2, -2), k + QPointF(4, 0)}), rgb(0xc8c0b4), 0.9);
    for (const double x : {20.0, 41.0})
        leg(p, {x, 32}, {x + 1, 46}, 3.8, 3.2, face.lighter(140), rgb(0x2a2020));
    // Head, facing right, with a curl of wool on top.
    fill(p, leaf({49, 14}, {58, 19}, 2.6), QBrush(face), ink(face), 0.8);
    const QPainterPath head = blob({{47, 9}, {53, 8}, {58, 13}, {57, 20}, {52, 23}, {47, 19}});
    body(p, head, face.lighter(120), 1.0);
    fill(p, leaf({50, 12}, {42, 16}, 2.6), QBrush(face), ink(face), 0.8);
    fill(p, leaf({50.5, 13}, {44.5, 15.5}, 1.2), QBrush(rgb(0xe8a0a0)));
    body(p, ellipse(51, 7.5, 4.5, 3.2), wool, 0.9, 0.6);
    eye(p, {53.5, 13}, 1.2);
    stroke(p, curve({{55, 19}, {56.5, 20}, {58, 19}}), rgb(0x1e1612), 0.8);
    p.restore();
}

void fox(QPainter& p, const QRectF& area)
{
    p.save();
    fitBox(p, area, 72, 44);
    const QColor fur = rgb(0xe8782a), white = rgb(0xfff6ea), sock = rgb(0x3a2a24);
    // Bushy tail sweeping up behind.
    const QPainterPath tail = blob({{50, 26}, {58, 18}, {66, 8}, {72, 6}, {71, 14}, {66, 24}, {56, 31}}, 0.9);
    body(p, tail, fur, 1.1);
    fill(p, blob({{66, 8}, {72, 6}, {71, 13}, {67, 12}}), QBrush(white), ink(white), 0.9);
    for (const double x : {46.0, 22.0})
        leg(p, {x, 28}, {x - 1, 43}, 3.6, 3.0, fur.darker(115), sock);
    const QPainterPath trunk = blob({{16, 22}, {28, 17}, {46, 18}, {54, 24}, {50, 32}, {30, 33}, {18, 30}});
    body(p, trunk, fur, 1.1);
    for (const double x : {50.0, 26.0})
        leg(p, {x, 29}, {x + 0.5, 44}, 3.8, 3.1, fur, sock);
    // Head looking left.
    const QPainterPath head = blob({{4, 17}, {11, 12}, {20, 10}, {24, 16}, {20, 23}, {11, 22}}, 0.9);
    body(p, head, fur, 1.1);
    fill(p, blob({{4, 17}, {11, 19}, {19, 22}, {11, 22.5}}), QBrush(white), ink(white), 0.8);
    fill(p, blob({{16, 22}, {22, 20}, {24, 28}, {18, 30}}), QBrush(white), ink(white), 0.8);
    for (const QPointF e : {QPointF(15, 12), QPointF(20, 11)}) {
        fill(p, polygon({e + QPointF(-3, 1), e + QPointF(0, -8), e + QPointF(3, 1)}), QBrush(fur), ink(fur), 1.0);
        fill(p, polygon({e + QPointF(-1.5, 0), e + QPointF(0, -5), e + QPointF(1.5, 0)}), QBrush(sock));
    }
    fill(p, ellipse(4, 16.8, 1.6, 1.3), QBrush(sock));
    eye(p, {12.5, 15}, 1.1);
    p.restore();
}

void camel(QPainter& p, const QRectF& area)
{
    p.save();
    fitBox(p, area, 110, 82);
    const QColor hide = rgb(0xd9a562), hoof = rgb(0x6a4a30);
    for (const double x : {84.0, 46.0})
        leg(p, {x, 44}, {x - 2, 80}, 6, 4.0, hide.darker(115), hoof);
    // Body with its hump.
    const QPainterPath trunk = blob({{36, 36}, {46, 26}, {58, 12}, {70, 10}, {82, 22}, {94, 28}, {96, 40}, {86, 50}, {56, 52}, {40, 48}}, 0.9);
    body(p, trunk, hide, 1.3);
    fill(p, blob({{60, 10}, {70, 9}, {80, 18}, {70, 16}}), QBrush(withAlpha(rgb(0xf6dcaa), 160)));
    stroke(p, curve({{96, 32}, {102, 40}, {100, 52}}), hide.darker(130), 2.0);
    fill(p, ellipse(100, 53, 1.8, 3), QBrush(rgb(0x6a4a30)));
    for (const double x : {90.0, 42.0})
        leg(p, {x, 46}, {x + 1, 82}, 6.4, 4.4, hide, hoof);
    // Neck arching forward to the head.
    const QPainterPath neck = blob({{38, 42}, {30, 30}, {22, 16}, {14, 10}, {18, 4}, {26, 10}, {36, 24}, {46, 32}}, 0.8);
    body(p, neck, hide, 1.2);
    const QPainterPath head = blob({{6, 8}, {12, 3}, {21, 4}, {22, 10}, {14, 14}, {6, 14}}, 0.9);
    body(p, head, hide, 1.2);
    fill(p, leaf({19, 4}, {22, -1}, 1.4), QBrush(hide), ink(hide), 0.8);
    eye(p, {15, 7}, 1.2);
    stroke(p, curve({{6, 12}, {9, 13}}), ink(hide), 0.9);
    fill(p, ellipse(7, 9, 0.9, 0.7), QBrush(rgb(0x3a2a1a)));
    // A woven saddle cloth.
    const QPainterPath cloth = blob({{54, 26}, {74, 24}, {80, 38}, {52, 40}}, 0.5);
    fill(p, cloth, vertical(cloth.boundingRect(), {{0, rgb(0xd84040)}, {1, rgb(0xa82030)}}), rgb(0x6a1020), 1.0);
    for (int i = 0; i < 5; ++i)
        fill(p, ellipse(55 + i * 5.5, 39, 1.2, 1.6), QBrush(rgb(0xffd040)));
    p.restore();
}

void buffalo(QPainter& p, const QRectF& area)
{
    p.save();
    fitBox(p, area, 160, 92);
    const QColor hide = rgb(0x5a5866), horn = rgb(0xd8ccb4), hoof = rgb(0x2a2628);
    for (const double x : {30.0, 104.0})
        leg(p, {x, 58}, {x - 1, 90}, 11, 8, hide.darker(120), hoof);
    const QPainterPath trunk = blob({{14, 40}, {30, 22}, {70, 18}, {110, 22}, {130, 36}, {128, 60}, {104, 70}, {50, 70}, {20, 62}}, 0.9);
    body(p, trunk, hide, 1.5);
    gleam(p, {60, 28}, 34, 6, 80, -4);
    stroke(p, curve({{14, 42}, {6, 52}, {6, 64}}), hide.darker(120), 3.0);
    fill(p, ellipse(6, 66, 2.5, 4), QBrush(rgb(0x2a2628)));
    for (const double x : {40.0, 114.0})
        leg(p, {x, 60}, {x + 1, 92}, 12, 8.6, hide, hoof);
    // The head, low and forward, under great swept horns.
    const QPainterPath head = blob({{122, 34}, {136, 28}, {150, 36}, {156, 54}, {150, 64}, {138, 62}, {126, 50}}, 0.9);
    body(p, head, hide.lighter(108), 1.4);
    fill(p, ellipse(151, 58, 6, 5), lit(QRectF(145, 53, 12, 10), rgb(0x7a7682)), rgb(0x2a2830), 1.0);
    fill(p, ellipse(149.5, 58, 1.0, 1.3), QBrush(rgb(0x1a1a20)));
    fill(p, ellipse(154, 57.5, 1.0, 1.3), QBrush(rgb(0x1a1a20)));
    for (const int side : {-1, 1}) {
        const QPointF root(136 + side * 5, 30);
        const std::vector<QPointF> spine = side < 0 ? std::vector<QPointF>{root, {122, 22}, {110, 22}, {104, 30}}
                                                    : std::vector<QPointF>{root, {152, 18}, {160, 20}, {158, 30}};
        fill(p, ribbon(spine, 7, 1.5), linear(spine.front(), spine.back(), {{0, horn.darker(115)}, {1, horn.lighter(110)}}), rgb(0x6a5a44), 1.1);
    }
    fill(p, leaf({126, 36}, {116, 40}, 3), QBrush(hide), ink(hide), 0.9);
    eye(p, {141, 40}, 1.8);
    p.restore();
}

void elephant(QPainter& p, const QRectF& area)
{
    p.save();
    fitBox(p, area, 136, 190);
    const QColor skin = rgb(0x9aa4b8), nail = rgb(0xf4ecd8);
    auto pillar = [&](double x, double top, const QColor& c) {
        QPainterPath l;
        l.moveTo(x - 11, top);
        l.cubicTo(x - 12, top + 30, x - 13, 172, x - 13, 184);
        l.quadTo(x, 190, x + 13, 184);
        l.cubicTo(x + 13, 172, x + 12, top + 30, x + 11, top);
        l.closeSubpath();
        fill(p, l, lit(l.boundingRect(), c, 0.8), ink(c), 1.3);
        for (int i = -1; i <= 1; ++i)
            fill(p, ellipse(x + i * 6, 184, 2.8, 2.0), QBrush(nail), ink(nail), 0.7);
        for (int i = 0; i < 2; ++i)
            stroke(p, curve({{x - 9, 160 + i * 6.0}, {x, 162 + i * 6.0}, {x + 9, 160 + i * 6.0}}), withAlpha(ink(c), 130), 0.9);
    };
    pillar(118, 120, skin.darker(118));
    pillar(72, 130, skin.darker(118));
    // The great body.
    const QPainterPath trunkBody = blob({{40, 110}, {58, 78}, {96, 68}, {126, 80}, {136, 110}, {130, 140}, {108, 152}, {66, 152}, {44, 138}}, 0.9);
    body(p, trunkBody, skin, 1.6);
    gleam(p, {88, 84}, 30, 8, 110, -8);
    stroke(p, curve({{136, 104}, {140, 120}, {138, 134}}), skin.darker(130), 2.2);
    pillar(100, 128, skin);
    pillar(52, 122, skin);
    // Head, ear and the trunk raised in greeting.
    const QPainterPath head = blob({{20, 78}, {30, 58}, {50, 52}, {66, 62}, {66, 92}, {52, 106}, {30, 104}}, 0.9);
    body(p, head, skin, 1.5);
    const QPainterPath trunkPath = ribbon({{26, 92}, {14, 100}, {6, 86}, {6, 60}, {14, 40}, {24, 32}, {30, 34}}, 15, 6);
    body(p, trunkPath, skin, 1.4);
    for (int i = 0; i < 6; ++i) {
        const double y = 92 - i * 9.0;
        stroke(p, curve({{2 + i * 0.5, y}, {8, y + 2}, {14 - i * 0.4, y}}), withAlpha(ink(skin), 130), 0.9);
    }
    fill(p, ellipse(29.5, 33.5, 3, 2.2), QBrush(rgb(0x6a7284)), ink(skin), 0.8);
    const QPainterPath ear = blob({{52, 58}, {70, 46}, {92, 56}, {96, 84}, {84, 106}, {66, 108}, {56, 92}}, 0.9);
    fill(p, ear, lit(ear.boundingRect(), skin.lighter(104)), ink(skin), 1.5);
    fill(p, blob({{58, 62}, {72, 54}, {88, 62}, {90, 84}, {80, 100}, {66, 100}, {60, 88}}, 0.9),
         radial(QPointF(74, 78), 30, {{0, rgb(0xe8b4c0)}, {1, rgb(0xb8909c)}}), withAlpha(ink(skin), 160), 0.9);
    // Tusk and eye.
    fill(p, ribbon({{30, 98}, {20, 106}, {12, 104}}, 5, 1.2), vertical(QRectF(10, 96, 22, 12), {{0, rgb(0xffffff)}, {1, nail.darker(110)}}), rgb(0x8a7a60), 1.0);
    eye(p, {40, 72}, 2.6);
    stroke(p, curve({{35, 67}, {40, 65.5}, {45, 67}}), ink(skin), 1.0);
    fill(p, ellipse(44, 86, 5, 3), QBrush(withAlpha(rgb(0xe89aa8), 110)));
    p.restore();
}

void foal(QPainter& p, const QRectF& area)
{
    p.save();
    fitBox(p, area, 84, 124);
    const QColor coat = rgb(0xb8703e), mane = rgb(0x5a3420), hoof = rgb(0x3a2a20), white = rgb(0xfaf4ea);
    auto longLeg = [&](double x, double top, double lean, const QColor& c, bool sock) {
        leg(p, {x, top}, {x + lean, 122}, 5.8, 3.6, c, hoof);
        if (sock)
            fill(p, ribbon({{x + lean * 0.86, 112}, {x + lean, 120}}, 4.0, 3.8), QBrush(white), ink(white), 0.7);
    };
    longLeg(62, 80, 2, coat.darker(118), false);
    longLeg(30, 80, -2, coat.darker(118), true);
    // Tail.
    fill(p, ribbon({{72, 66}, {80, 74}, {80, 90}, {76, 98}}, 6, 2), QBrush(mane), ink(mane), 1.0);
    const QPainterPath trunk = blob({{22, 70}, {34, 60}, {60, 60}, {74, 66}, {74, 82}, {60, 88}, {32, 88}, {22, 82}}, 0.9);
    body(p, trunk, coat, 1.3);
    gleam(p, {44, 66}, 14, 3.5, 110, -4);
    longLeg(66, 82, 4, coat, true);
    longLeg(26, 82, -1, coat, false);
    // Neck up to the head, looking left.
    const QPainterPath neck = blob({{22, 74}, {18, 56}, {14, 38}, {20, 28}, {30, 36}, {34, 58}, {36, 68}}, 0.85);
    body(p, neck, coat, 1.2);
    fill(p, ribbon({{22, 28}, {30, 36}, {34, 48}, {36, 62}}, 6, 3), QBrush(mane), ink(mane), 0.9);
    const QPainterPath head = blob({{2, 40}, {4, 32}, {14, 22}, {24, 24}, {26, 32}, {16, 40}, {8, 46}}, 0.9);
    body(p, head, coat, 1.2);
    fill(p, blob({{3, 40}, {10, 31}, {14, 26}, {12, 34}, {6, 42}}), QBrush(white));
    for (const QPointF e : {QPointF(19, 23), QPointF(23, 24)})
        fill(p, leaf(e, e + QPointF(1, -9), 2.2), QBrush(coat), ink(coat), 0.9);
    fill(p, blob({{14, 20}, {20, 16}, {22, 22}, {16, 24}}), QBrush(mane), ink(mane), 0.8);
    eye(p, {15, 29}, 1.5);
    fill(p, ellipse(4.5, 40, 1.0, 0.8), QBrush(rgb(0x3a2a1a)));
    stroke(p, curve({{3, 43}, {6, 44.5}}), ink(coat), 0.9);
    p.restore();
}

void hare(QPainter& p, const QRectF& area)
{
    p.save();
    fitBox(p, area, 40, 52);
    const QColor fur = rgb(0xa8865e);
    body(p, ellipse(7, 40, 4.5, 4), rgb(0xfaf6ee), 0.9, 0.5);
    const QPainterPath trunk = blob({{6, 44}, {10, 30}, {22, 24}, {30, 32}, {30, 46}, {18, 52}, {8, 51}}, 0.9);
    body(p, trunk, fur, 1.1);
    body(p, ellipse(16, 48, 9, 4), fur.darker(108), 1.0);
    for (const double x : {26.0, 31.0})
        fill(p, leaf({x, 22}, {x - 3 + (x - 26) * 0.6, 0}, 2.6), lit(QRectF(x - 4, 0, 6, 22), fur), ink(fur), 1.0);
    fill(p, leaf({26.5, 20}, {24, 4}, 1.2), QBrush(rgb(0xf0b8b0)));
    const QPainterPath head = blob({{22, 28}, {26, 20}, {34, 20}, {39, 27}, {34, 32}, {25, 32}}, 0.9);
    body(p, head, fur, 1.1);
    eye(p, {32, 24.5}, 1.2);
    fill(p, ellipse(38.5, 27, 1.0, 0.8), QBrush(rgb(0xd87878)));
    body(p, ellipse(28, 50, 4, 2), fur, 0.9);
    p.restore();
}

void bird(QPainter& p, QPointF c, double span, const QColor& feathers, const QColor& belly, bool facingLeft, double flap)
{
    p.save();
    p.translate(c);
    p.scale((facingLeft ? -1.0 : 1.0) * span / 50.0, span / 50.0);
    // Far wing, body, near wing: drawn facing right in a 50-wide box centred on 0.
    fill(p, blob({{-2, -2}, {-8, -14 - flap}, {-2, -22 - flap}, {6, -10}, {8, -2}}, 0.8), QBrush(feathers.darker(125)), ink(feathers), 1.0);
    fill(p, polygon({{-14, 0}, {-25, -5}, {-24, 4}}), QBrush(feathers.darker(110)), ink(feathers), 1.0);
    const QPainterPath trunk = blob({{-16, 0}, {-4, -6}, {10, -6}, {18, -2}, {10, 5}, {-6, 5}}, 0.9);
    body(p, trunk, feathers, 1.1);
    fill(p, blob({{-6, 3}, {6, 1}, {14, 1}, {8, 5}, {-4, 5.5}}), QBrush(belly));
    fill(p, polygon({{17, -4}, {24, -1.5}, {17, 0.5}}), QBrush(rgb(0xf4b020)), rgb(0x8a5a10), 0.8);
    eye(p, {13, -3}, 1.2);
    const QPainterPath wing = blob({{-4, -3}, {2, -18 - flap}, {14, -30 - flap * 1.2}, {12, -16}, {8, -3}}, 0.8);
    body(p, wing, feathers.lighter(112), 1.1);
    for (int i = 0; i < 3; ++i)
        stroke(p, curve({{2 + i * 2.5, -6}, {5 + i * 2.5, -16 - flap * 0.8}}), withAlpha(ink(feathers), 120), 0.8);
    p.restore();
}

void monkey(QPainter& p, QPointF seat, double size)
{
    // A monkey sitting on a branch at `seat`, its tail hanging below.
    p.save();
    p.translate(seat);
    p.scale(size / 40.0, size / 40.0);
    const QColor fur = rgb(0x8a5630), face = rgb(0xf0c898);
    stroke(p, curve({{6, 0}, {10, 10}, {6, 18}, {0, 17}, {1, 12}}), ink(fur), 3.6);
    stroke(p, curve({{6, 0}, {10, 10}, {6, 18}, {0, 17}, {1, 12}}), fur, 2.2);
    // Legs dangling over the branch.
    for (const double x : {-6.0, 4.0}) {
        fill(p, ribbon({{x, -4}, {x - 1, 4}, {x - 2, 10}}, 5, 4), lit(QRectF(x - 4, -4, 8, 14), fur), ink(fur), 1.0);
        body(p, ellipse(x - 2, 11, 3, 2), face, 0.9);
    }
    const QPainterPath trunk = blob({{-9, -2}, {-8, -14}, {0, -20}, {8, -14}, {9, -2}, {0, 2}}, 0.9);
    body(p, trunk, fur, 1.2);
    fill(p, ellipse(0, -8, 5.5, 6.5), QBrush(face.darker(104)), ink(face), 0.8);
    // Arms: one holding the branch, one waving a banana.
    fill(p, ribbon({{-7, -14}, {-12, -8}, {-12, 0}}, 4, 3.5), QBrush(fur), ink(fur), 1.0);
    body(p, ellipse(-12, 1, 2.6, 2), face, 0.9);
    fill(p, ribbon({{7, -14}, {13, -18}, {15, -26}}, 4, 3.5), QBrush(fur), ink(fur), 1.0);
    const QPainterPath banana = ribbon({{11, -31}, {15, -34}, {20, -33}, {23, -29}}, 2.6, 1.0);
    body(p, banana, rgb(0xffd83a), 0.9);
    body(p, ellipse(15, -27, 2.6, 2.2), face, 0.9);
    // Head.
    for (const int s : {-1, 1})
        body(p, ellipse(s * 9, -27, 3.6, 3.6), fur, 1.0);
    for (const int s : {-1, 1})
        fill(p, ellipse(s * 9, -27, 2, 2), QBrush(face));
    const QPainterPath head = ellipse(0, -27, 8.5, 8);
    body(p, head, fur, 1.2);
    fill(p, blob({{-6, -27}, {-3.5, -32}, {0, -29.5}, {3.5, -32}, {6, -27}, {5, -21}, {0, -19.5}, {-5, -21}}, 0.9), QBrush(face), ink(face), 0.9);
    eye(p, {-2.4, -27.5}, 1.2);
    eye(p, {2.4, -27.5}, 1.2);
    stroke(p, curve({{-2.5, -22.5}, {0, -21}, {2.5, -22.5}}), rgb(0x5a2a1a), 0.9);
    p.restore();
}

void ant(QPainter& p, QPointF c, double len, double angleDegrees)
{
    p.save();
    p.translate(c);
    p.rotate(angleDegrees);
    p.scale(len / 20.0, len / 20.0);
    const QColor shell = rgb(0x5a2418);
    // Facing right in a 20-long box centred on 0.
    for (int i = -1; i <= 1; ++i) {
        stroke(p, curve({{i * 2.2, 0}, {i * 3.0 + 1, -4}, {i * 3.6 + 2.5 * i, -6.5}}), rgb(0x2a1410), 0.9);
        stroke(p, curve({{i * 2.2, 0}, {i * 3.0 + 1, 4}, {i * 3.6 + 2.5 * i, 6.5}}), rgb(0x2a1410), 0.9);
    }
    body(p, ellipse(-6, 0, 4.6, 3.4), shell, 0.8);
    body(p, ellipse(0, 0, 2.6, 1.9), shell, 0.8);
    body(p, ellipse(5, 0, 2.9, 2.6), shell, 0.8);
    stroke(p, curve({{6.5, -1.8}, {9, -4.5}, {11.5, -4}}), rgb(0x2a1410), 0.8);
    stroke(p, curve({{6.5, 1.8}, {9, 4.5}, {11.5, 4}}), rgb(0x2a1410), 0.8);
    fill(p, ellipse(5.8, -1, 0.7, 0.7), QBrush(Qt::white));
    p.restore();
}

void antsOnGrass(QPainter& p, const QRectF& a)
{
    // The anthill with its ants going out and home, one carrying a leaf.
    const QPointF hill(a.left() + a.width() * 0.7, a.top() + a.height() * 0.52);
    const QColor earth = rgb(0xb07a48);
    fill(p, ellipse(hill + QPointF(2, 10), a.width() * 0.26, 6), QBrush(withAlpha(rgb(0x2a5a20), 80)));
    const QPainterPath mound = landBelow({{hill.x() - a.width() * 0.25, hill.y() + 10}, {hill.x() - a.width() * 0.1, hill.y() - 10},
                                          {hill.x(), hill.y() - 14}, {hill.x() + a.width() * 0.1, hill.y() - 9}, {hill.x() + a.width() * 0.25, hill.y() + 10}},
                                         hill.y() + 10);
    body(p, mound, earth, 1.3);
    Dice dice(17);
    for (int i = 0; i < 14; ++i)
        fill(p, ellipse(hill + QPointF(dice.in(-a.width() * 0.2, a.width() * 0.2), dice.in(-8, 8)), 1.2, 0.9), QBrush(earth.darker(130)));
    fill(p, ellipse(hill + QPointF(0, -12), 4, 2), QBrush(rgb(0x3a2010)));
    // A winding trail of ants from the hill to a fallen leaf.
    const auto in = [&](double fx, double fy) { return QPointF(a.left() + a.width() * fx, a.top() + a.height() * fy); };
    const std::vector<QPointF> trail = {hill + QPointF(-6, 9), in(0.55, 0.84), in(0.32, 0.86), in(0.14, 0.62), in(0.2, 0.34)};
    const QPainterPath path = curve(trail);
    const QPointF crumb = in(0.3, 0.2);
    const QColor leafColour = rgb(0x8ac24a);
    fill(p, leaf(crumb + QPointF(-10, 4), crumb + QPointF(14, -6), 6), lit(QRectF(crumb.x() - 10, crumb.y() - 10, 24, 16), leafColour), ink(leafColour), 1.0);
    stroke(p, curve({crumb + QPointF(-10, 4), crumb + QPointF(14, -6)}), leafColour.darker(130), 0.8);
    for (int i = 0; i < 5; ++i) {
        const double t = 0.08 + i * 0.21;
        const QPointF at = path.pointAtPercent(t);
        const double angle = -path.angleAtPercent(t);
        ant(p, at, 17, angle + ((i % 2) ? 180 : 0));
    }
    // Two more at work near the hill, one with a crumb of leaf.
    ant(p, hill + QPointF(a.width() * 0.17, -12), 15, -60);
    ant(p, hill + QPointF(-a.width() * 0.05, a.height() * 0.32), 16, 10);
    fill(p, leaf(hill + QPointF(-a.width() * 0.05 + 6, a.height() * 0.32 - 5), hill + QPointF(-a.width() * 0.05 + 12, a.height() * 0.32 - 11), 2.5), QBrush(leafColour), ink(leafColour), 0.7);
}

void drawAnimals(QPainter& p, QSize size, const Hotspots& hot)
{
    const double W = size.width(), H = size.height();
    const QRectF band = hot["ani_a"], ants = hot["ant_a"], birds = hot["bir_a"], elf = hot["elf_a"], horse = hot["Image8"];
    Dice dice(23);

    // Pale sky, far hills, then the grassland.
    const double horizon = band.top() + band.height() * 0.12;
    p.fillRect(QRectF(0, 0, W, horizon + 4), vertical(QRectF(0, 0, W, horizon), {{0, rgb(0xb4dcf2)}, {0.7, rgb(0xdff0f6)}, {1, rgb(0xf4f6e4)}}));
    const QPointF sun(birds.left() - 40, 24);
    p.setPen(Qt::NoPen);
    p.setBrush(radial(sun, 40, {{0, QColor(255, 250, 220, 220)}, {1, QColor(255, 250, 220, 0)}}));
    p.drawEllipse(sun, 40, 40);
    fill(p, ellipse(sun, 13, 13), radial(sun - QPointF(4, 4), 16, {{0, rgb(0xfffdf0)}, {1, rgb(0xffe48a)}}), rgb(0xf0c060), 1.0);
    cloud(p, QPointF(birds.left() + birds.width() * 0.55, birds.top() + birds.height() * 0.82), 56, 14);
    cloud(p, QPointF(band.left() + band.width() * 0.35, horizon - 18), 40, 11);
    fill(p, landBelow({{-2, horizon - 6}, {W * 0.2, horizon - 16}, {W * 0.45, horizon - 4}, {W * 0.7, horizon - 18}, {W + 2, horizon - 8}}, horizon + 30),
         vertical(QRectF(0, horizon - 18, W, 30), {{0, rgb(0xa8cfb8)}, {1, rgb(0x8cbf9c)}}), rgb(0x6a9a80), 1.0);
    const QPainterPath grass = landBelow({{-2, horizon}, {W * 0.3, horizon + 3}, {W * 0.6, horizon - 1}, {W + 2, horizon + 2}}, H + 2);
    fill(p, grass, vertical(QRectF(0, horizon, W, H - horizon), {{0, rgb(0xc4e48e)}, {0.35, rgb(0x9fd06a)}, {1, rgb(0x6aae46)}}), rgb(0x4a8a34), 1.2);
    // Soft mounds of grass and a worn path across the meadow.
    fill(p, blob({{-10, H * 0.62}, {W * 0.3, H * 0.58}, {W * 0.55, H * 0.66}, {W * 0.3, H * 0.72}, {-10, H * 0.7}}), QBrush(withAlpha(rgb(0xd8f0a8), 90)));
    fill(p, blob({{W * 0.55, H * 0.5}, {W * 0.85, H * 0.48}, {W + 10, H * 0.55}, {W * 0.8, H * 0.6}}), QBrush(withAlpha(rgb(0xd8f0a8), 90)));
    for (int i = 0; i < 70; ++i) {
        const double y = dice.in(horizon + 10, H - 4);
        const double scale = 0.5 + (y - horizon) / (H - horizon);
        grassTuft(p, QPointF(dice.in(0, W), y), 6 * scale, dice.next() < 0.5 ? rgb(0x5a9e3a) : rgb(0x7ab84a), dice, 4);
    }
    for (int i = 0; i < 18; ++i) {
        const double y = dice.in(horizon + 30, H - 6);
        const QColor petals[] = {rgb(0xffffff), rgb(0xffd23f), rgb(0xf07ab0), rgb(0xb080f0)};
        flower(p, QPointF(dice.in(0, W), y), 1.6 + 2.0 * (y - horizon) / (H - horizon), petals[i % 4], rgb(0xffb020));
    }
    // Bushes along the horizon.
    for (const double x : {W * 0.08, W * 0.55, W * 0.9}) {
        const QPointF b(x, horizon + 4);
        body(p, ellipse(b + QPointF(-6, 0), 8, 6), rgb(0x5aa040), 1.0);
        body(p, ellipse(b + QPointF(6, 0), 8, 6), rgb(0x4e9238), 1.0);
        body(p, ellipse(b + QPointF(0, -5), 8, 6), rgb(0x68b04a), 1.0);
    }

    // The tree at the upper left with the monkey on its branch.
    const QColor bark = rgb(0x8a5a34);
    const double canopyBottom = band.top() - 6;
    const QPointF foot(std::max(24.0, band.left() - 28), horizon + 56);
    body(p, ribbon({foot, foot + QPointF(2, -40), foot + QPointF(-2, -90), QPointF(foot.x() + 4, 40)}, 20, 12), bark, 1.4);
    body(p, ribbon({QPointF(foot.x(), canopyBottom - 14), QPointF(foot.x() + 50, canopyBottom - 20), QPointF(band.left() + band.width() * 0.18, canopyBottom - 16)}, 9, 4), bark, 1.2);
    for (int i = 0; i < 5; ++i)
        stroke(p, curve({foot + QPointF(-5, -12.0 - i * 18), foot + QPointF(0, -16.0 - i * 18), foot + QPointF(5, -12.0 - i * 18)}), ink(bark), 0.9);
    const QColor greens[] = {rgb(0x3f8e36), rgb(0x4ea43e), rgb(0x5cb548), rgb(0x6cc052)};
    const QPointF crown(foot.x() + 30, canopyBottom - 52);
    const QPointF lobes[] = {{-30, 14}, {0, 18}, {34, 12}, {60, 6}, {-20, -12}, {14, -18}, {46, -12}, {-40, -6}, {24, 2}, {-8, 0}};
    int k = 0;
    for (const QPointF l : lobes) {
        body(p, ellipse(crown + l, 24, 19), greens[k % 4], 1.2, 0.8);
        ++k;
    }
    gleam(p, crown + QPointF(-14, -22), 24, 10, 100, -15);
    for (int i = 0; i < 16; ++i) {
        const QPointF m = crown + QPointF(dice.in(-55, 75), dice.in(-28, 26));
        stroke(p, curve({m, m + QPointF(3, -2)}), withAlpha(rgb(0x2e6e2a), 170), 1.0);
    }
    monkey(p, QPointF(band.left() + band.width() * 0.13, canopyBottom - 16), 40);

    // Two birds flying at the top right.
    bird(p, QPointF(birds.left() + birds.width() * 0.3, birds.top() + birds.height() * 0.52), 44, rgb(0xe8583a), rgb(0xffd8a0), false, 2);
    bird(p, QPointF(birds.left() + birds.width() * 0.7, birds.top() + birds.height() * 0.42), 38, rgb(0x3f86d8), rgb(0xe8f4ff), false, -3);

    // The band across the middle: lamb, fox and camel.
    const double ground = band.bottom() - 4;
    const QRectF camelArea(band.right() - band.width() * 0.32, band.top() + 4, band.width() * 0.30, ground - band.top() - 4);
    const QRectF foxArea(band.left() + band.width() * 0.36, ground - band.height() * 0.46, band.width() * 0.19, band.height() * 0.46);
    const QRectF lambArea(band.left() + band.width() * 0.06, ground - band.height() * 0.50, band.width() * 0.17, band.height() * 0.50);
    shadowUnder(p, camelArea, 110, 82, 0.8);
    camel(p, camelArea);
    shadowUnder(p, foxArea, 72, 44);
    fox(p, foxArea);
    shadowUnder(p, lambArea, 60, 46);
    lamb(p, lambArea);

    // The buffalo at the left, below the band and clear of the elephant and the ants.
    const QRectF buffaloArea(6, band.bottom() + 8, elf.left() - 18, ants.top() - band.bottom() - 12);
    shadowUnder(p, buffaloArea, 160, 92);
    buffalo(p, buffaloArea);
    // A hare at the left edge, beside the ants.
    const QRectF hareArea(2, ants.top() + 16, ants.left() - 6, 54);
    shadowUnder(p, hareArea, 40, 52);
    hare(p, hareArea);

    // The elephant, the young horse and the ants.
    const QRectF elephantArea = elf.adjusted(4, 4, -4, -6).intersected(QRectF(0, 0, W, H - 2));
    const QRectF foalArea = horse.adjusted(4, 4, -4, -6).intersected(QRectF(0, 0, W - 2, H - 2));
    shadowUnder(p, elephantArea, 136, 190);
    elephant(p, elephantArea);
    shadowUnder(p, foalArea, 84, 124);
    foal(p, foalArea);
    antsOnGrass(p, ants.adjusted(4, 4, -4, -4).intersected(QRectF(0, 0, W, H)));
}

// ---- Scene dispatch ---------------------------------------------------------

void drawSpace(QPainter& p, QSize size, const Hotspots& hot);
void drawFoods(QPainter& p, QSize size, const Hotspots& hot);
void drawAnimals(QPainter& p, QSize size, const Hotspots& hot);

} // namespace

QImage drawScene(std::string_view key, int scale)
{
    const QSize size = sceneSize(key);
    const SectionDescription* section = sectionOf(key);
    if (size.isEmpty() || !section)
        return {};
    QImage img(size * scale, QImage::Format_RGB32);
    img.setDevicePixelRatio(scale);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const Hotspots hot(*section, size);
    const std::string_view panel = section->panel;
    if (panel == "nature")
        drawNature(p, size, hot);
    else if (panel == "space")
        drawSpace(p, size, hot);
    else if (panel == "foods")
        drawFoods(p, size, hot);
    else if (panel == "animals")
        drawAnimals(p, size, hot);
    return img;
}

QImage sceneDebugView(std::string_view key)
{
    const QImage scene = drawScene(key);
    const SectionDescription* section = sectionOf(key);
    if (scene.isNull() || !section)
        return {};
    // The scene picture control: its rectangle, border and inside, in panel pixels.
    const QRect outer = toPixels(section_layout::kScene);
    const QRect inside = sceneInside();
    QImage view(outer.size(), QImage::Format_RGB32);
    view.fill(classicPalette().color(QPalette::Window));
    QPainter p(&view);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(inside.translated(-outer.topLeft()), scene);
    drawSingleBorder(p, QRect(QPoint(0, 0), outer.size()), classicPalette());

    // Every hotspot, outlined and named, where the panel puts it.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(9);
    font.setBold(true);
    p.setFont(font);
    const QFontMetrics metrics(font);
    p.setRenderHint(QPainter::Antialiasing, false);
    for (const SectionItem& item : section->items) {
        for (const HotspotSpec& h : item.hotspots) {
            const QRect r = toPixels(h.rect).translated(-outer.topLeft());
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(Qt::black, 1));
            p.drawRect(r.adjusted(0, 0, -1, -1));
            p.setPen(QPen(QColor(255, 235, 0), 1, Qt::DashLine));
            p.drawRect(r.adjusted(0, 0, -1, -1));
            const QString name = QString::fromLatin1(h.name);
            const QRect tag(r.left() + 1, r.top() + 1, metrics.horizontalAdvance(name) + 4, metrics.height());
            p.fillRect(tag, QColor(0, 0, 0, 170));
            p.setPen(QColor(255, 235, 0));
            p.drawText(tag, Qt::AlignCenter, name);
        }
    }
    return view;
}

namespace {
} // namespace

} // namespace ayat::art
