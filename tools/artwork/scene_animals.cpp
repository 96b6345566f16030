// The animals scene: open grassland.
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
    p.setBrush(radial(QPointF(0, 0), rx,
                      {{0.0, QColor(40, 80, 30, 110)}, {0.6, QColor(40, 80, 30, 70)}, {1.0, QColor(40, 80, 30, 0)}}));
    p.drawEllipse(QPointF(0, 0), rx, rx);
    p.restore();
}

void leg(QPainter& p, QPointF top, QPointF foot, double w0, double w1, const QColor& c, const QColor& hoof)
{
    fill(p, ribbon({top, (top + foot) / 2 + QPointF(0.3, 0), foot}, w0, w1),
         lit(QRectF(top, foot).normalized().adjusted(-w0, 0, w0, 0), c, 0.8), ink(c), 1.0);
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
    const QPainterPath trunk =
        blob({{36, 36}, {46, 26}, {58, 12}, {70, 10}, {82, 22}, {94, 28}, {96, 40}, {86, 50}, {56, 52}, {40, 48}}, 0.9);
    body(p, trunk, hide, 1.3);
    fill(p, blob({{60, 10}, {70, 9}, {80, 18}, {70, 16}}), QBrush(withAlpha(rgb(0xf6dcaa), 160)));
    stroke(p, curve({{96, 32}, {102, 40}, {100, 52}}), hide.darker(130), 2.0);
    fill(p, ellipse(100, 53, 1.8, 3), QBrush(rgb(0x6a4a30)));
    for (const double x : {90.0, 42.0})
        leg(p, {x, 46}, {x + 1, 82}, 6.4, 4.4, hide, hoof);
    // Neck arching forward to the head.
    const QPainterPath neck =
        blob({{38, 42}, {30, 30}, {22, 16}, {14, 10}, {18, 4}, {26, 10}, {36, 24}, {46, 32}}, 0.8);
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
    const QPainterPath trunk =
        blob({{14, 40}, {30, 22}, {70, 18}, {110, 22}, {130, 36}, {128, 60}, {104, 70}, {50, 70}, {20, 62}}, 0.9);
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
        fill(p, ribbon(spine, 7, 1.5),
             linear(spine.front(), spine.back(), {{0, horn.darker(115)}, {1, horn.lighter(110)}}), rgb(0x6a5a44), 1.1);
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
            stroke(p, curve({{x - 9, 160 + i * 6.0}, {x, 162 + i * 6.0}, {x + 9, 160 + i * 6.0}}),
                   withAlpha(ink(c), 130), 0.9);
    };
    pillar(118, 120, skin.darker(118));
    pillar(72, 130, skin.darker(118));
    // The great body.
    const QPainterPath trunkBody =
        blob({{40, 110}, {58, 78}, {96, 68}, {126, 80}, {136, 110}, {130, 140}, {108, 152}, {66, 152}, {44, 138}}, 0.9);
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
    fill(p, ribbon({{30, 98}, {20, 106}, {12, 104}}, 5, 1.2),
         vertical(QRectF(10, 96, 22, 12), {{0, rgb(0xffffff)}, {1, nail.darker(110)}}), rgb(0x8a7a60), 1.0);
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
    const QPainterPath trunk =
        blob({{22, 70}, {34, 60}, {60, 60}, {74, 66}, {74, 82}, {60, 88}, {32, 88}, {22, 82}}, 0.9);
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

void bird(QPainter& p, QPointF c, double span, const QColor& feathers, const QColor& belly, bool facingLeft,
          double flap)
{
    p.save();
    p.translate(c);
    p.scale((facingLeft ? -1.0 : 1.0) * span / 50.0, span / 50.0);
    // Far wing, body, near wing: drawn facing right in a 50-wide box centred on 0.
    fill(p, blob({{-2, -2}, {-8, -14 - flap}, {-2, -22 - flap}, {6, -10}, {8, -2}}, 0.8), QBrush(feathers.darker(125)),
         ink(feathers), 1.0);
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
    fill(p, blob({{-6, -27}, {-3.5, -32}, {0, -29.5}, {3.5, -32}, {6, -27}, {5, -21}, {0, -19.5}, {-5, -21}}, 0.9),
         QBrush(face), ink(face), 0.9);
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
    const QPainterPath mound = landBelow({{hill.x() - a.width() * 0.25, hill.y() + 10},
                                          {hill.x() - a.width() * 0.1, hill.y() - 10},
                                          {hill.x(), hill.y() - 14},
                                          {hill.x() + a.width() * 0.1, hill.y() - 9},
                                          {hill.x() + a.width() * 0.25, hill.y() + 10}},
                                         hill.y() + 10);
    body(p, mound, earth, 1.3);
    Dice dice(17);
    for (int i = 0; i < 14; ++i)
        fill(p, ellipse(hill + QPointF(dice.in(-a.width() * 0.2, a.width() * 0.2), dice.in(-8, 8)), 1.2, 0.9),
             QBrush(earth.darker(130)));
    fill(p, ellipse(hill + QPointF(0, -12), 4, 2), QBrush(rgb(0x3a2010)));
    // A winding trail of ants from the hill to a fallen leaf.
    const auto in = [&](double fx, double fy) { return QPointF(a.left() + a.width() * fx, a.top() + a.height() * fy); };
    const std::vector<QPointF> trail = {hill + QPointF(-6, 9), in(0.55, 0.84), in(0.32, 0.86), in(0.14, 0.62),
                                        in(0.2, 0.34)};
    const QPainterPath path = curve(trail);
    const QPointF crumb = in(0.3, 0.2);
    const QColor leafColour = rgb(0x8ac24a);
    fill(p, leaf(crumb + QPointF(-10, 4), crumb + QPointF(14, -6), 6),
         lit(QRectF(crumb.x() - 10, crumb.y() - 10, 24, 16), leafColour), ink(leafColour), 1.0);
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
    fill(p,
         leaf(hill + QPointF(-a.width() * 0.05 + 6, a.height() * 0.32 - 5),
              hill + QPointF(-a.width() * 0.05 + 12, a.height() * 0.32 - 11), 2.5),
         QBrush(leafColour), ink(leafColour), 0.7);
}

// The pale sky with the sun and clouds, far hills, then the grassland with its
// tufts, flowers and bushes. The horizon lies near the top of the band of
// animals across the middle.
void grassland(QPainter& p, double W, double H, const QRectF& band, const QRectF& birds, double horizon, Dice& dice)
{
    p.fillRect(QRectF(0, 0, W, horizon + 4),
               vertical(QRectF(0, 0, W, horizon), {{0, rgb(0xb4dcf2)}, {0.7, rgb(0xdff0f6)}, {1, rgb(0xf4f6e4)}}));
    const QPointF sun(birds.left() - 40, 24);
    p.setPen(Qt::NoPen);
    p.setBrush(radial(sun, 40, {{0, QColor(255, 250, 220, 220)}, {1, QColor(255, 250, 220, 0)}}));
    p.drawEllipse(sun, 40, 40);
    fill(p, ellipse(sun, 13, 13), radial(sun - QPointF(4, 4), 16, {{0, rgb(0xfffdf0)}, {1, rgb(0xffe48a)}}),
         rgb(0xf0c060), 1.0);
    cloud(p, QPointF(birds.left() + birds.width() * 0.55, birds.top() + birds.height() * 0.82), 56, 14);
    cloud(p, QPointF(band.left() + band.width() * 0.35, horizon - 18), 40, 11);
    fill(p,
         landBelow({{-2, horizon - 6},
                    {W * 0.2, horizon - 16},
                    {W * 0.45, horizon - 4},
                    {W * 0.7, horizon - 18},
                    {W + 2, horizon - 8}},
                   horizon + 30),
         vertical(QRectF(0, horizon - 18, W, 30), {{0, rgb(0xa8cfb8)}, {1, rgb(0x8cbf9c)}}), rgb(0x6a9a80), 1.0);
    const QPainterPath grass =
        landBelow({{-2, horizon}, {W * 0.3, horizon + 3}, {W * 0.6, horizon - 1}, {W + 2, horizon + 2}}, H + 2);
    fill(p, grass,
         vertical(QRectF(0, horizon, W, H - horizon), {{0, rgb(0xc4e48e)}, {0.35, rgb(0x9fd06a)}, {1, rgb(0x6aae46)}}),
         rgb(0x4a8a34), 1.2);
    // Soft mounds of grass and a worn path across the meadow.
    fill(p, blob({{-10, H * 0.62}, {W * 0.3, H * 0.58}, {W * 0.55, H * 0.66}, {W * 0.3, H * 0.72}, {-10, H * 0.7}}),
         QBrush(withAlpha(rgb(0xd8f0a8), 90)));
    fill(p, blob({{W * 0.55, H * 0.5}, {W * 0.85, H * 0.48}, {W + 10, H * 0.55}, {W * 0.8, H * 0.6}}),
         QBrush(withAlpha(rgb(0xd8f0a8), 90)));
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
}

// The tree at the upper left with the monkey on its branch.
void monkeyTree(QPainter& p, const QRectF& band, double horizon, Dice& dice)
{
    const QColor bark = rgb(0x8a5a34);
    const double canopyBottom = band.top() - 6;
    const QPointF foot(std::max(24.0, band.left() - 28), horizon + 56);
    body(p, ribbon({foot, foot + QPointF(2, -40), foot + QPointF(-2, -90), QPointF(foot.x() + 4, 40)}, 20, 12), bark,
         1.4);
    body(p,
         ribbon({QPointF(foot.x(), canopyBottom - 14), QPointF(foot.x() + 50, canopyBottom - 20),
                 QPointF(band.left() + band.width() * 0.18, canopyBottom - 16)},
                9, 4),
         bark, 1.2);
    for (int i = 0; i < 5; ++i)
        stroke(p,
               curve({foot + QPointF(-5, -12.0 - i * 18), foot + QPointF(0, -16.0 - i * 18),
                      foot + QPointF(5, -12.0 - i * 18)}),
               ink(bark), 0.9);
    const QColor greens[] = {rgb(0x3f8e36), rgb(0x4ea43e), rgb(0x5cb548), rgb(0x6cc052)};
    const QPointF crown(foot.x() + 30, canopyBottom - 52);
    const QPointF lobes[] = {{-30, 14}, {0, 18},   {34, 12},  {60, 6}, {-20, -12},
                             {14, -18}, {46, -12}, {-40, -6}, {24, 2}, {-8, 0}};
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
}

void drawAnimals(QPainter& p, QSize size, const Hotspots& hot)
{
    const double W = size.width(), H = size.height();
    const QRectF band = hot["ani_a"], ants = hot["ant_a"], birds = hot["bir_a"], elf = hot["elf_a"],
                 horse = hot["Image8"];
    Dice dice(23);
    const double horizon = band.top() + band.height() * 0.12;
    grassland(p, W, H, band, birds, horizon, dice);
    monkeyTree(p, band, horizon, dice);

    // Two birds flying at the top right.
    bird(p, QPointF(birds.left() + birds.width() * 0.3, birds.top() + birds.height() * 0.52), 44, rgb(0xe8583a),
         rgb(0xffd8a0), false, 2);
    bird(p, QPointF(birds.left() + birds.width() * 0.7, birds.top() + birds.height() * 0.42), 38, rgb(0x3f86d8),
         rgb(0xe8f4ff), false, -3);

    // The band across the middle: lamb, fox and camel.
    const double ground = band.bottom() - 4;
    const QRectF camelArea(band.right() - band.width() * 0.32, band.top() + 4, band.width() * 0.30,
                           ground - band.top() - 4);
    const QRectF foxArea(band.left() + band.width() * 0.36, ground - band.height() * 0.46, band.width() * 0.19,
                         band.height() * 0.46);
    const QRectF lambArea(band.left() + band.width() * 0.06, ground - band.height() * 0.50, band.width() * 0.17,
                          band.height() * 0.50);
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

}  // namespace

const SceneRegistration kAnimals(animalsSection, drawAnimals);

}  // namespace ayat::art
