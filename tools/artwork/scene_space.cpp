// The space scene: the solar system.
#include <algorithm>
#include <cmath>
#include <vector>

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include "paint.h"
#include "scene.h"

namespace ayat::art {
namespace {

// A planet lit by the sun at `light` (a point in the scene).
void planet(QPainter& p, QPointF c, double r, const QColor& base, QPointF light, const std::vector<QColor>& bands = {})
{
    QPointF d = light - c;
    const double len = std::hypot(d.x(), d.y());
    d = len > 0 ? d / len : QPointF(-0.7, -0.7);
    const QPainterPath disc = ellipse(c, r, r);
    fill(p, disc,
         radial(c + d * r * 0.35, r * 1.45, c + d * r * 0.55,
                {{0.0, mix(base, Qt::white, 0.45)}, {0.45, base}, {1.0, mix(base.darker(260), rgb(0x0a0a2a), 0.3)}}));
    if (!bands.empty()) {
        p.save();
        p.setClipPath(disc);
        for (std::size_t i = 0; i < bands.size(); ++i) {
            const double y = c.y() - r + (i + 0.7) * 2 * r / (bands.size() + 0.4);
            QPainterPath band = curve({{c.x() - r - 2, y},
                                       {c.x() - r * 0.3, y - r * 0.05},
                                       {c.x() + r * 0.4, y + r * 0.06},
                                       {c.x() + r + 2, y}});
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
    fill(
        p, ring,
        linear(QPointF(-rx, 0), QPointF(rx, 0), {{0.0, colour.lighter(130)}, {0.5, colour}, {1.0, colour.darker(160)}}),
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
    fill(p, disc,
         radial(c - QPointF(r * 0.3, r * 0.35), r * 1.4,
                {{0.0, rgb(0x7fd0ff)}, {0.5, rgb(0x2a7fd4)}, {1.0, rgb(0x0f3a80)}}));
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
    continent({{-0.72, -0.42},
               {-0.5, -0.7},
               {-0.18, -0.78},
               {0.05, -0.6},
               {-0.02, -0.4},
               {0.12, -0.2},
               {0.05, 0.08},
               {-0.12, 0.2},
               {-0.08, 0.48},
               {-0.22, 0.72},
               {-0.36, 0.5},
               {-0.42, 0.2},
               {-0.6, 0.02},
               {-0.8, -0.12}},
              land);
    continent({{0.32, -0.3},
               {0.55, -0.5},
               {0.85, -0.32},
               {1.05, 0.0},
               {0.9, 0.3},
               {0.7, 0.55},
               {0.48, 0.42},
               {0.5, 0.15},
               {0.3, 0.02}},
              rgb(0x8cbf4a));
    continent({{0.2, 0.55}, {0.34, 0.5}, {0.4, 0.64}, {0.26, 0.72}}, land);
    // Ice at the top and wisps of cloud.
    fill(p, ellipse(c + QPointF(0, -r * 0.98), r * 0.5, r * 0.14), QBrush(rgb(0xf4fbff)));
    for (const auto& [x, y, len] : {std::tuple{-0.55, -0.15, 0.5}, std::tuple{0.15, -0.55, 0.45},
                                    std::tuple{0.35, 0.3, 0.4}, std::tuple{-0.45, 0.6, 0.35}}) {
        const QPointF s0 = c + QPointF(x * r, y * r);
        stroke(p, curve({s0, s0 + QPointF(len * r * 0.5, -r * 0.08), s0 + QPointF(len * r, 0)}),
               withAlpha(Qt::white, 150), r * 0.06);
    }
    // Night side.
    p.setPen(Qt::NoPen);
    p.setBrush(
        radial(c - QPointF(r * 0.45, r * 0.5), r * 1.7, {{0.5, QColor(0, 0, 30, 0)}, {1.0, QColor(0, 0, 30, 170)}}));
    p.drawPath(disc);
    p.restore();
    stroke(p, disc, rgb(0x0c2c60), 1.3);
    gleam(p, c - QPointF(r * 0.42, r * 0.45), r * 0.3, r * 0.18, 170, -45);

    // The moon beside it, up and to the right.
    planet(p, mc, mr, rgb(0xc9c6c0), light);
    for (const auto& [dx, dy, cr] :
         {std::tuple{-0.3, -0.2, 0.22}, std::tuple{0.35, 0.1, 0.17}, std::tuple{-0.1, 0.45, 0.14}}) {
        const QPointF cc = mc + QPointF(dx * mr, dy * mr);
        fill(p, ellipse(cc, cr * mr, cr * mr), QBrush(withAlpha(rgb(0x8e8a84), 200)), withAlpha(rgb(0xe8e4de), 200),
             0.6);
    }
}

void shootingStar(QPainter& p, QPointF head, QPointF tail, double r)
{
    const QPointF d = head - tail;
    const double len = std::hypot(d.x(), d.y());
    const QPointF n = len > 0 ? QPointF(-d.y(), d.x()) / len : QPointF();
    fill(p, polygon({tail, head + n * r, head - n * r}),
         linear(
             tail, head,
             {{0.0, QColor(255, 255, 255, 0)}, {0.7, QColor(200, 230, 255, 150)}, {1.0, QColor(255, 255, 255, 230)}}));
    sparkle(p, head, r * 3.2, rgb(0xfff6c8));
}

// The night sky with soft glows of far nebulae, and the stars.
void nightSky(QPainter& p, double W, double H, Dice& dice)
{
    p.fillRect(QRectF(0, 0, W, H),
               vertical(QRectF(0, 0, W, H), {{0.0, rgb(0x0b1440)}, {0.5, rgb(0x14205a)}, {1.0, rgb(0x0a1034)}}));
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
}

// The orbits around the sun, flattened into ellipses by the view.
struct Orbits {
    QPointF sun;
    std::vector<double> radii;
    double flat = 0.42;

    // The point of orbit i at the given angle, counter-clockwise from the right.
    QPointF at(int i, double degrees) const
    {
        const double a = degrees * kPi / 180;
        return sun + QPointF(std::cos(a) * radii[std::size_t(i)], -std::sin(a) * radii[std::size_t(i)] * flat);
    }
};

// Seven coloured orbits around the sun: the widest reach the left edge.
Orbits drawOrbits(QPainter& p, const QRectF& centre, const QRectF& orbitsEdge)
{
    Orbits o;
    const QPointF sun = o.sun = centre.center();
    const double widest = sun.x() - (orbitsEdge.left() + orbitsEdge.width() * 0.15);
    const double narrowest = centre.width() * 0.55;
    const QColor orbitColours[] = {rgb(0xffd166), rgb(0xff8fa3), rgb(0x7ee0c0), rgb(0x8fb8ff),
                                   rgb(0xd9a0ff), rgb(0x7fdcff), rgb(0xffb070)};
    constexpr int orbits = 7;
    const double flat = o.flat;
    std::vector<double>& radii = o.radii;
    for (int i = 0; i < orbits; ++i)
        radii.push_back(narrowest + (widest - narrowest) * i / (orbits - 1));
    for (int i = 0; i < orbits; ++i) {
        p.setBrush(Qt::NoBrush);
        p.setPen(pen(withAlpha(orbitColours[i], 60), 4.0));
        p.drawEllipse(sun, radii[std::size_t(i)], radii[std::size_t(i)] * flat);
        p.setPen(pen(withAlpha(orbitColours[i], 220), 1.3));
        p.drawEllipse(sun, radii[std::size_t(i)], radii[std::size_t(i)] * flat);
    }
    return o;
}

// The sun: a glowing disc with a crown of flames.
void drawSun(QPainter& p, QPointF sun, const QRectF& centre)
{
    const double sr = std::min(centre.width(), centre.height()) * 0.34;
    p.setPen(Qt::NoPen);
    p.setBrush(
        radial(sun, sr * 2.4,
               {{0.0, QColor(255, 240, 160, 220)}, {0.45, QColor(255, 180, 60, 110)}, {1.0, QColor(255, 140, 40, 0)}}));
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
            flames.quadTo(
                sun + QPointF(std::cos(a - kPi / tongues / 2) * rr * 1.02, std::sin(a - kPi / tongues / 2) * rr * 1.02),
                pt);
    }
    flames.closeSubpath();
    fill(p, flames, radial(sun, sr * 1.45, {{0.6, rgb(0xffb02e)}, {1.0, rgb(0xff6a1a)}}), rgb(0xd0501a), 1.2);
    fill(p, ellipse(sun, sr, sr),
         radial(sun - QPointF(sr * 0.3, sr * 0.3), sr * 1.2,
                {{0.0, rgb(0xfffde8)}, {0.35, rgb(0xffe680)}, {0.8, rgb(0xffb830)}, {1.0, rgb(0xff9020)}}),
         rgb(0xe07a18), 1.4);
    gleam(p, sun - QPointF(sr * 0.35, sr * 0.4), sr * 0.4, sr * 0.25, 170, -40);
}

void drawSpace(QPainter& p, QSize size, const Hotspots& hot)
{
    const double W = size.width(), H = size.height();
    const QRectF upper = hot["baw_i"], bigOne = hot["sun_s"], centre = hot["sun_s2"], orbitsEdge = hot["swin_s"],
                 moonArea = hot["moon_s"];
    Dice dice(7);
    nightSky(p, W, H, dice);
    const Orbits orbits = drawOrbits(p, centre, orbitsEdge);
    const QPointF sun = orbits.sun;
    auto onOrbit = [&orbits](int i, double degrees) { return orbits.at(i, degrees); };
    drawSun(p, sun, centre);

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
    sparkle(p, QPointF(bigOne.right() - bigOne.width() * 0.14, bigOne.top() + bigOne.height() * 0.14), 11,
            rgb(0xfff2a0));

    // The blue planet and its moon at the lower left.
    earthAndMoon(p, moonArea, sun);

    // Shooting stars where no hotspot lies.
    shootingStar(p, QPointF(W * 0.30, H * 0.05), QPointF(W * 0.05, H * 0.16), 1.6);
    shootingStar(p, QPointF(W * 0.55, H * 0.76), QPointF(W * 0.44, H * 0.86), 1.3);
    shootingStar(p, QPointF(W * 0.96, H * 0.34), QPointF(W * 0.86, H * 0.30), 1.1);
}

}  // namespace

const SceneRegistration kSpace(spaceSection, drawSpace);

}  // namespace ayat::art
