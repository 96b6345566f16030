// The nature scene: a coast.
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
        fill(p, s,
             linear(QPointF(xl, 0), QPointF(xr, 0), {{0.0, rgb(0xd0d6dc)}, {0.4, sailWhite}, {1.0, rgb(0xb8c0c8)}}),
             rgb(0x66727e), 1.0);
        stroke(p, curve({{(xl + xr) / 2, y0 + 1}, {(xl + xr) / 2 + 0.5, y1 + 2}}), withAlpha(rgb(0xa0aab4), 170), 0.7);
        stroke(p, curve({{xl - 2, y0}, {xr + 2, y0}}), ink(wood), 1.6);
    };
    sail(31, 49, 5.5, 14);
    sail(28, 52, 15.5, 27);
    sail(59, 73, 8, 15.5);
    sail(56.5, 75.5, 17.5, 27);
    // Jib from the fore mast to the bow.
    fill(p, blob({{68, 7}, {93, 26.5}, {77, 27}}, 0.3),
         linear(QPointF(68, 0), QPointF(93, 0), {{0, sailWhite}, {1, rgb(0xc4ccd4)}}), rgb(0x66727e), 1.0);
    // Flag streaming from the main mast.
    fill(p, blob({{40.5, 0.2}, {47, 0.6}, {51, 0.4}, {48, 2.2}, {51, 4.0}, {40.5, 3.6}}, 0.4), QBrush(rgb(0xe0483c)),
         rgb(0x8c2720), 0.7);

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
    const QPainterPath tail =
        blob({{80, 10}, {92, 0}, {96, -14}, {106, -24}, {104, -12}, {112, -20}, {110, -6}, {100, 8}, {88, 16}}, 0.8);
    body(p, tail, skin, 1.6);
    // Body.
    const QPainterPath torso = blob(
        {{0, 10}, {6, -4}, {22, -12}, {46, -12}, {68, -4}, {84, 6}, {90, 14}, {74, 22}, {44, 26}, {16, 24}, {2, 18}});
    body(p, torso, skin, 1.6);
    // Pale belly with its grooves.
    p.save();
    p.setClipPath(torso);
    const QPainterPath bellyPath = blob({{-2, 16}, {20, 12}, {50, 15}, {80, 14}, {82, 30}, {0, 30}});
    fill(p, bellyPath, vertical(QRectF(0, 12, 80, 16), {{0, belly}, {1, rgb(0x93b4c8)}}));
    for (int i = 0; i < 4; ++i)
        stroke(p, curve({{6 + i * 1.0, 17.5 + i * 2.0}, {30, 17.0 + i * 2.3}, {58, 17.5 + i * 1.8}}),
               withAlpha(rgb(0x7f9fb5), 200), 0.8);
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
        body(p,
             blob({at + QPointF(-r, 0), at + QPointF(-r * 0.5, -r * 0.8), at + QPointF(r * 0.6, -r * 0.75),
                   at + QPointF(r, 0.1 * r), at + QPointF(r * 0.4, r * 0.8), at + QPointF(-r * 0.6, r * 0.7)}),
             rgb(0x9c8ea6), 1.0, 0.8);

    // The dark mouth.
    QPainterPath mouth;
    mouth.moveTo(left, bottom);
    mouth.cubicTo(left, top + h * 0.25, c.x() - w * 0.3, top, c.x(), top);
    mouth.cubicTo(c.x() + w * 0.3, top, right, top + h * 0.25, right, bottom);
    mouth.closeSubpath();
    fill(p, mouth,
         radial(QPointF(c.x() + w * 0.08, bottom - h * 0.25), w * 0.62,
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
    fill(p, fan, radial(hinge, r * 1.05, {{0.0, rgb(0xffffff)}, {0.35, inside}, {1.0, rgb(0xf6c0b2)}}), rgb(0xb8665a),
         1.4);
    for (int i = 1; i < ribs; ++i) {
        const double a = kPi * (1.08 + 0.84 * i / ribs);
        stroke(p,
               curve({hinge + QPointF(std::cos(a) * 6, std::sin(a) * 6),
                      hinge + QPointF(std::cos(a) * r * 0.97, std::sin(a) * r * 0.92)}),
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
    fill(p, bowl, vertical(QRectF(0, 36, 90, 22), {{0, rgb(0xfbc4ae)}, {0.5, shell}, {1, rgb(0xd27a66)}}),
         rgb(0xa85a4c), 1.4);
    for (int i = 1; i < 8; ++i) {
        const double x = 4 + i * 82.0 / 8;
        stroke(p, curve({{x, 41.5}, {45 + (x - 45) * 0.6, 51}, {45 + (x - 45) * 0.2, 57}}),
               withAlpha(rgb(0xc86e5c), 200), 1.0);
    }
    fill(p, lip, vertical(QRectF(0, 36, 90, 8), {{0, rgb(0xfff4f0)}, {1, rgb(0xf0c8c0)}}), rgb(0xb8665a), 1.0);
    gleam(p, QPointF(26, 45), 12, 2.5, 150, 8);

    // The pearl.
    const QPointF pc(45, 33);
    fill(p, ellipse(pc.x() + 1, pc.y() + 7.5, 9, 2.2), QBrush(withAlpha(rgb(0xb06a60), 110)));
    fill(p, ellipse(pc, 9, 9),
         radial(pc + QPointF(2, 2), 11, pc - QPointF(3, 3),
                {{0.0, rgb(0xffffff)}, {0.45, rgb(0xf1eef7)}, {0.85, rgb(0xc9c2dc)}, {1.0, rgb(0xa99fc4)}}),
         rgb(0x7d7299), 1.1);
    fill(p, ellipse(pc + QPointF(-3, -3.4), 2.6, 1.8), QBrush(withAlpha(Qt::white, 240)));
    sparkle(p, pc + QPointF(11, -10), 4.5, rgb(0xfff2b0));
    sparkle(p, pc + QPointF(-13, -6), 2.8, rgb(0xfff2b0));
    p.restore();
}

void boulder(QPainter& p, QPointF c, double rx, double ry, const QColor& stone)
{
    const QPainterPath rock =
        blob({c + QPointF(-rx, ry * 0.6), c + QPointF(-rx * 0.9, -ry * 0.3), c + QPointF(-rx * 0.35, -ry),
              c + QPointF(rx * 0.45, -ry * 0.9), c + QPointF(rx, -ry * 0.1), c + QPointF(rx * 0.9, ry * 0.7),
              c + QPointF(0, ry * 0.95)},
             0.9);
    body(p, rock, stone, 1.5);
    gleam(p, c + QPointF(-rx * 0.35, -ry * 0.45), rx * 0.4, ry * 0.22, 120, -20);
    stroke(
        p,
        curve({c + QPointF(rx * 0.1, -ry * 0.4), c + QPointF(rx * 0.25, ry * 0.05), c + QPointF(rx * 0.05, ry * 0.45)}),
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
            spine.push_back(base
                            + QPointF(std::cos(angle + t * 0.6) * a.height() * 0.42 * t,
                                      std::sin(angle + t * 0.6) * a.height() * 0.42 * t));
        }
        stroke(p, curve(spine), rgb(0x3c7a2a), 1.2);
        for (int k = 1; k < 7; ++k) {
            const QPointF s = spine[std::size_t(std::min(k, 6))];
            const double len = 8.0 * (1.0 - k / 8.0);
            for (int side : {-1, 1}) {
                const double la = angle + k * 0.1 + side * 1.0;
                fill(p, leaf(s, s + QPointF(std::cos(la) * len, std::sin(la) * len), 1.8), QBrush(rgb(0x6cb04a)),
                     rgb(0x2f6a22), 0.6);
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
        grassTuft(p, at(0.04 + i * 0.115, 0.97 - (i % 3) * 0.02), a.height() * 0.13,
                  (i % 2) ? leafGreen : rgb(0x62b044), dice);
    for (int i = 0; i < 3; ++i)
        flower(p, at(0.55 + i * 0.16, 0.93 - (i % 2) * 0.04), 3.2, rgb(0xffffff), rgb(0xffc020));
}

// The nature scene's hotspots in scene pixels, and the lines that the layers
// of the picture share, filled in as the layers are drawn from back to front.
struct Coast {
    double W = 0, H = 0;
    QRectF sky, shipArea, openSea, leftSea, bigHill, pinkTop, caveArea, shell, plants, water;
    // The horizon lies a little above the ship's and the open sea's hotspots.
    double horizon = 0;
    QPointF sun;
    QBrush sea;
    QPointF nose;      // the whale's
    QPointF pinkPeak;  // the top of the pink hill
    double shoreY = 0, meadowTop = 0;
    QPainterPath meadow, riverBed;
};

Coast coastOf(QSize size, const Hotspots& hot)
{
    Coast c;
    c.W = size.width();
    c.H = size.height();
    c.sky = hot["sky_i"];
    c.shipArea = hot["Image2"];
    c.openSea = hot["sea_i"];
    c.leftSea = hot["sea_i2"];
    c.bigHill = hot["hill_i"];
    c.pinkTop = hot["hill_i2"];
    c.caveArea = hot["cave_i"];
    c.shell = hot["gold_i"];
    c.plants = hot["plant_i"];
    c.water = hot["river_i"];
    c.horizon = std::min(c.shipArea.top(), c.openSea.top()) - 5;
    return c;
}

// The sky with the pale sun, clouds and gulls.
void coastSky(QPainter& p, Coast& c)
{
    const double W = c.W, horizon = c.horizon;
    const QRectF sky = c.sky;
    // Sky.
    p.fillRect(QRectF(0, 0, W, horizon + 2),
               vertical(QRectF(0, 0, W, horizon), {{0.0, rgb(0x86c4ea)}, {0.55, rgb(0xc2e2f3)}, {1.0, rgb(0xf7f0d8)}}));
    // The pale sun, most of it in the band of sky.
    const QPointF sun = c.sun = QPointF(sky.left() + sky.width() * 0.58, sky.center().y() + 1);
    const double sunR = sky.height() * 0.46;
    p.setPen(Qt::NoPen);
    p.setBrush(radial(
        sun, sunR * 3.0,
        {{0.0, QColor(255, 251, 225, 230)}, {0.4, QColor(255, 246, 210, 110)}, {1.0, QColor(255, 246, 210, 0)}}));
    p.drawEllipse(sun, sunR * 3.0, sunR * 3.0);
    for (int i = 0; i < 12; ++i) {
        const double a = i * kPi / 6 + 0.13;
        const QPointF d(std::cos(a), std::sin(a));
        const QPointF n(-d.y(), d.x());
        fill(p,
             polygon({sun + d * (sunR * 1.22) + n * 3.2, sun + d * (sunR * 1.62), sun + d * (sunR * 1.22) - n * 3.2}),
             QBrush(withAlpha(rgb(0xffe9a0), 200)));
    }
    fill(p, ellipse(sun, sunR, sunR),
         radial(sun - QPointF(sunR * 0.3, sunR * 0.3), sunR * 1.3,
                {{0.0, rgb(0xfffdf0)}, {0.6, rgb(0xfff0b8)}, {1.0, rgb(0xffdc80)}}),
         rgb(0xf2c45a), 1.2);
    cloud(p, QPointF(sky.left() + sky.width() * 0.18, sky.top() + 13), 62, 17);
    cloud(p, QPointF(sky.left() + sky.width() * 0.86, sky.top() + 20), 50, 14);
    cloud(p, QPointF(sky.left() + sky.width() * 0.37, sky.top() + 28), 34, 10);
    // Gulls.
    for (const QPointF g : {QPointF(sky.left() + sky.width() * 0.30, sky.top() + 10),
                            QPointF(sky.left() + sky.width() * 0.34, sky.top() + 17),
                            QPointF(sky.left() + sky.width() * 0.72, sky.top() + 12)})
        stroke(p,
               curve({g + QPointF(-5, 0), g + QPointF(-2.5, -2.5), g, g + QPointF(2.5, -2.5), g + QPointF(5, 0)}, 0.8),
               rgb(0x55657a), 1.2);
}

// The sea with its waves and the sun's glitter; the ship and the whale in it.
void coastSea(QPainter& p, Coast& c, Dice& dice)
{
    const double W = c.W, H = c.H, horizon = c.horizon;
    const QPointF sun = c.sun;
    // The sea, deepening towards the shore.
    const QRectF seaBox(0, horizon, W, 200);
    const QBrush sea = c.sea =
        QBrush(vertical(seaBox, {{0.0, rgb(0x9ad6ea)}, {0.3, rgb(0x58acd4)}, {1.0, rgb(0x2a78b0)}}));
    p.fillRect(QRectF(0, horizon, W, H - horizon), sea);
    for (int row = 0; row < 16; ++row) {
        const double t = row / 15.0;
        const double y = horizon + 4 + t * t * 150 + t * 10;
        const double len = 5 + t * 10;
        for (int k = 0; k < 9; ++k) {
            const double x = dice.in(0, W);
            stroke(p, curve({{x, y}, {x + len / 2, y - len * 0.18}, {x + len, y}}),
                   withAlpha(Qt::white, int(110 + 80 * t)), 0.9 + t * 0.6);
        }
    }
    // Sun glitter on the water.
    for (int i = 0; i < 7; ++i) {
        const double y = horizon + 3 + i * 3.2;
        stroke(p, curve({{sun.x() - 10 + dice.in(-6, 6), y}, {sun.x() + 6 + dice.in(-6, 6), y}}),
               withAlpha(rgb(0xfffbe0), 200), 1.2);
    }

    // Ship and whale in the sea.
    ship(p, c.shipArea.adjusted(3, 2, -3, -2));
    const double whaleLen = 80;
    const QPointF nose = c.nose = QPointF(c.leftSea.right() + 8, c.leftSea.top() + 8);
    whale(p, nose, whaleLen, sea);
}

// The large hill on the right, its peak inside its hotspot, with the far ridge
// behind the hills.
void coastBigHill(QPainter& p, const Coast& c)
{
    const double W = c.W, H = c.H, horizon = c.horizon;
    const QRectF bigHill = c.bigHill, pinkTop = c.pinkTop, caveArea = c.caveArea;
    const QPointF peak(bigHill.center().x() + bigHill.width() * 0.04, bigHill.top() + bigHill.height() * 0.08);
    // A far grey ridge behind the hills.
    const QPainterPath ridge = landBelow({{pinkTop.right() + 10, caveArea.top() + 10},
                                          {pinkTop.right() + 40, horizon + 55},
                                          {bigHill.left() - 20, horizon + 40},
                                          {bigHill.left() + 12, horizon + 38},
                                          {peak.x(), peak.y() + 30}},
                                         H);
    fill(p, ridge, vertical(QRectF(0, horizon + 30, W, 120), {{0, rgb(0xc6bfd8)}, {1, rgb(0x9d93b8)}}), rgb(0x6f6590),
         1.2);
    const QPainterPath hill = landBelow({{bigHill.left() - 45, caveArea.top() + 20},
                                         {bigHill.left() - 14, bigHill.bottom() - 16},
                                         {bigHill.left() + 14, bigHill.top() + bigHill.height() * 0.42},
                                         {peak.x() - 22, peak.y() + 6},
                                         peak,
                                         {peak.x() + 24, peak.y() + 7},
                                         {W + 2, bigHill.top() + bigHill.height() * 0.35}},
                                        H);
    fill(p, hill,
         vertical(QRectF(0, peak.y(), W, 180), {{0.0, rgb(0xe2b2de)}, {0.4, rgb(0xb98ac8)}, {1.0, rgb(0x8a68aa)}}),
         rgb(0x5e4380), 1.5);
    p.save();
    p.setClipPath(hill);
    // Sunlit left face and soft strata.
    fill(p,
         blob({{peak.x() - 2, peak.y() - 2},
               {peak.x() - 40, peak.y() + 40},
               {bigHill.left() - 30, bigHill.bottom() + 60},
               {peak.x() - 30, peak.y() + 70},
               {peak.x() - 8, peak.y() + 30}}),
         QBrush(withAlpha(rgb(0xf6d8f0), 90)));
    for (int i = 0; i < 4; ++i) {
        const double y = peak.y() + 28 + i * 24;
        stroke(p, curve({{bigHill.left() - 40, y + 22}, {peak.x() - 20, y}, {peak.x() + 20, y + 4}, {W + 10, y - 6}}),
               withAlpha(i % 2 ? rgb(0xf4d0ec) : rgb(0x7d5a9a), 120), 3.0);
    }
    p.restore();
    // Little bushes on the big hill.
    for (const QPointF b : {QPointF(peak.x() - 30, peak.y() + 46), QPointF(peak.x() + 22, peak.y() + 40),
                            QPointF(peak.x() + 42, peak.y() + 58)}) {
        body(p, ellipse(b + QPointF(-3, 0.5), 3.6, 3.0), rgb(0x5e9a4c), 0.9);
        body(p, ellipse(b + QPointF(3, 0.5), 3.6, 3.0), rgb(0x5e9a4c), 0.9);
        body(p, ellipse(b + QPointF(0, -2), 3.8, 3.2), rgb(0x74b05a), 0.9);
    }
}

// The pink hill in the middle, its rounded top in its hotspot.
void coastPinkHill(QPainter& p, Coast& c)
{
    const double W = c.W, H = c.H;
    const QRectF pinkTop = c.pinkTop, leftSea = c.leftSea, caveArea = c.caveArea;
    const QPointF pinkPeak = c.pinkPeak = QPointF(pinkTop.center().x(), pinkTop.top() + pinkTop.height() * 0.22);
    const QPainterPath pink = landBelow({{pinkPeak.x() - 75, leftSea.bottom() + 40},
                                         {pinkPeak.x() - 48, pinkPeak.y() + 42},
                                         {pinkPeak.x() - 14, pinkPeak.y() + 4},
                                         pinkPeak,
                                         {pinkPeak.x() + 16, pinkPeak.y() + 6},
                                         {pinkPeak.x() + 50, pinkPeak.y() + 36},
                                         {caveArea.left() - 10, caveArea.top() + 30}},
                                        H);
    fill(p, pink,
         vertical(QRectF(0, pinkPeak.y(), W, 110), {{0.0, rgb(0xf9c6d2)}, {0.5, rgb(0xeb9db2)}, {1.0, rgb(0xcf7896)}}),
         rgb(0x8e3f62), 1.5);
    p.save();
    p.setClipPath(pink);
    fill(p,
         blob({{pinkPeak.x() - 3, pinkPeak.y()},
               {pinkPeak.x() - 50, pinkPeak.y() + 50},
               {pinkPeak.x() - 30, pinkPeak.y() + 60},
               {pinkPeak.x() - 6, pinkPeak.y() + 20}}),
         QBrush(withAlpha(rgb(0xfff0f4), 110)));
    for (int i = 0; i < 3; ++i) {
        const double y = pinkPeak.y() + 26 + i * 20;
        stroke(p, curve({{pinkPeak.x() - 80, y + 18}, {pinkPeak.x(), y}, {pinkPeak.x() + 80, y + 14}}),
               withAlpha(rgb(0xc46d8c), 110), 2.5);
    }
    p.restore();
}

// Grey hills between the pink hill and the cave; the cave's rock in front, and
// the cave.
void coastCave(QPainter& p, const Coast& c)
{
    const double W = c.W, H = c.H;
    const QRectF pinkTop = c.pinkTop, caveArea = c.caveArea;
    const QPainterPath greyHills = landBelow({{pinkTop.right() + 8, caveArea.top() + 40},
                                              {pinkTop.right() + 34, caveArea.top() + 6},
                                              {caveArea.left() - 18, caveArea.top() - 4},
                                              {caveArea.left() + 6, caveArea.top() + 10},
                                              {caveArea.left() + 20, caveArea.top() + 40}},
                                             H);
    fill(p, greyHills, vertical(QRectF(0, caveArea.top() - 4, W, 80), {{0, rgb(0xb3a8c4)}, {1, rgb(0x8a7ea2)}}),
         rgb(0x5a4f72), 1.4);
    const QPainterPath rock = landBelow({{caveArea.left() - 8, caveArea.bottom() + 20},
                                         {caveArea.left() + 4, caveArea.top() + 14},
                                         {caveArea.left() + 30, caveArea.top() + 2},
                                         {caveArea.center().x() + 10, caveArea.top() - 1},
                                         {caveArea.right() - 6, caveArea.top() + 4},
                                         {W + 2, caveArea.top() + 12}},
                                        H);
    fill(p, rock,
         vertical(QRectF(0, caveArea.top(), W, 100), {{0, rgb(0xc2b0c0)}, {0.6, rgb(0xa08ea8)}, {1, rgb(0x84749a)}}),
         rgb(0x4f4266), 1.5);
    cave(p, caveArea);
}

// The shore: sand along the sea, then the meadow across the lower part, leaving
// sand at the lower right.
void coastShore(QPainter& p, Coast& c)
{
    const double W = c.W, H = c.H;
    const QRectF leftSea = c.leftSea, caveArea = c.caveArea, water = c.water, shell = c.shell;
    const QPointF pinkPeak = c.pinkPeak;
    const double shoreY = c.shoreY = leftSea.bottom() + 8;
    const QPainterPath sand = landBelow({{-2, shoreY},
                                         {40, shoreY + 3},
                                         {90, shoreY + 8},
                                         {pinkPeak.x() - 50, shoreY + 22},
                                         {pinkPeak.x() + 10, caveArea.top() + 44},
                                         {caveArea.left() - 6, caveArea.bottom() - 12},
                                         {caveArea.left() + 40, caveArea.bottom() + 6},
                                         {W + 2, caveArea.bottom() + 10}},
                                        H + 2);
    fill(p, sand, vertical(QRectF(0, shoreY, W, H - shoreY), {{0, rgb(0xf8e6b4)}, {1, rgb(0xe6c688)}}), rgb(0xb08a4a),
         1.2);
    // Foam where the waves meet the sand.
    stroke(p, curve({{-2, shoreY + 1}, {40, shoreY + 4}, {90, shoreY + 9}, {pinkPeak.x() - 50, shoreY + 23}}),
           withAlpha(Qt::white, 230), 2.4);
    stroke(p, curve({{10, shoreY - 4}, {30, shoreY - 3}}), withAlpha(Qt::white, 200), 1.4);
    stroke(p, curve({{60, shoreY}, {85, shoreY + 2}}), withAlpha(Qt::white, 200), 1.4);

    // The meadow.
    const double meadowTop = c.meadowTop = shoreY + 48;
    const QPainterPath meadow = c.meadow = [&] {
        QPainterPath m = curve({{-2, meadowTop},
                                {60, meadowTop - 6},
                                {130, meadowTop + 2},
                                {water.left() + 20, meadowTop - 8},
                                {water.center().x(), caveArea.bottom() + 4},
                                {water.right() - 10, caveArea.bottom() + 8},
                                {shell.left() - 10, shell.top() - 30}});
        m.cubicTo(QPointF(shell.left() - 6, shell.top()), QPointF(shell.left() - 20, shell.bottom()),
                  QPointF(shell.left() - 30, H + 2));
        m.lineTo(-2, H + 2);
        m.closeSubpath();
        return m;
    }();
    fill(p, meadow,
         vertical(QRectF(0, meadowTop - 20, W, H - meadowTop + 20),
                  {{0, rgb(0xb6df7e)}, {0.5, rgb(0x8cc85c)}, {1, rgb(0x5f9e40)}}),
         rgb(0x3f7a2e), 1.3);
}

// The river: from between the hills down to the water across the bottom, with
// reeds and a lily pad.
void coastRiver(QPainter& p, Coast& c, Dice& dice)
{
    const double W = c.W;
    const QRectF pinkTop = c.pinkTop, caveArea = c.caveArea, water = c.water;
    const QPointF source(pinkTop.right() + 34, caveArea.top() + 16);
    const QPointF pool(water.center().x(), water.center().y());
    const QPainterPath riverBed = c.riverBed = [&] {
        const QPainterPath stream =
            ribbon({source, source + QPointF(-10, 16), pool + QPointF(14, -44), pool + QPointF(-4, -20), pool}, 4, 34);
        const QPainterPath lake = blob({{water.left() + 4, water.center().y() + 2},
                                        {water.left() + water.width() * 0.2, water.top() + 8},
                                        {water.center().x(), water.top() + 5},
                                        {water.right() - water.width() * 0.14, water.top() + 9},
                                        {water.right() - 4, water.center().y() + 4},
                                        {water.right() - water.width() * 0.2, water.bottom() - 6},
                                        {water.center().x(), water.bottom() - 3},
                                        {water.left() + water.width() * 0.18, water.bottom() - 8}});
        return stream.united(lake);
    }();
    fill(p, riverBed, QBrush(rgb(0xe8d29a)), rgb(0xa88a50), 3.5);
    fill(p, riverBed,
         vertical(QRectF(0, source.y(), W, water.bottom() - source.y()),
                  {{0.0, rgb(0x9fdcf2)}, {0.5, rgb(0x5eb4de)}, {1.0, rgb(0x3a8cc4)}}),
         rgb(0x2c6a9a), 1.3);
    p.save();
    p.setClipPath(riverBed);
    for (int i = 0; i < 14; ++i) {
        const double x = water.left() + dice.in(10, water.width() - 24),
                     y = water.top() + dice.in(10, water.height() - 10);
        stroke(p, curve({{x, y}, {x + 6, y - 2}, {x + 12, y}}), withAlpha(Qt::white, 170), 1.2);
    }
    gleam(p, QPointF(water.left() + water.width() * 0.35, water.top() + water.height() * 0.35), water.width() * 0.2, 5,
          110, 0);
    p.restore();
    // Reeds and a lily pad by the water.
    body(p, ellipse(water.right() - water.width() * 0.25, water.bottom() - water.height() * 0.3, 9, 3.5), rgb(0x5aa844),
         1.0);
    flower(p, QPointF(water.right() - water.width() * 0.25 + 2, water.bottom() - water.height() * 0.3 - 2), 3,
           rgb(0xffc0d8), rgb(0xffe066));
    for (int i = 0; i < 4; ++i) {
        const QPointF base(water.left() + 4 + i * 5, water.bottom() - 6 + (i % 2) * 3);
        stroke(p, curve({base, base + QPointF(-2 + i, -18 - i * 3)}), rgb(0x3f7a2e), 1.6);
        fill(p, ellipse(base + QPointF(-2 + i, -18 - i * 3), 1.6, 4.5), QBrush(rgb(0x8a5a30)), rgb(0x4a2a14), 0.7);
    }
}

// Bushes, grass and flowers on the meadow and the banks, clear of the water.
void coastMeadowLife(QPainter& p, const Coast& c, Dice& dice)
{
    const double H = c.H, meadowTop = c.meadowTop;
    const QRectF water = c.water, plants = c.plants, shell = c.shell;
    const QPainterPath& meadow = c.meadow;
    const QPainterPath& riverBed = c.riverBed;
    // Bushes on the meadow and the banks.
    for (const QPointF b : {QPointF(water.left() - 16, water.top() - 4), QPointF(water.right() + 2, water.top() - 22),
                            QPointF(plants.right() + 14, plants.bottom() - 30)}) {
        body(p, ellipse(b + QPointF(-6, 2), 8, 6), rgb(0x4f9a3c), 1.1);
        body(p, ellipse(b + QPointF(5, 1), 9, 7), rgb(0x5cae44), 1.1);
        body(p, ellipse(b + QPointF(0, -4), 8, 7), rgb(0x68bb4c), 1.1);
    }
    for (const QPointF b : {QPointF(34, meadowTop + 16), QPointF(water.left() - 40, meadowTop + 30)}) {
        body(p, ellipse(b + QPointF(-7, 2), 9, 6.5), rgb(0x4f9a3c), 1.1);
        body(p, ellipse(b + QPointF(7, 2), 9, 6.5), rgb(0x5cae44), 1.1);
        body(p, ellipse(b + QPointF(0, -4), 9, 7), rgb(0x68bb4c), 1.1);
        for (int i = 0; i < 4; ++i)
            flower(p, b + QPointF(-8 + i * 5.5, -3 + (i % 2) * 5), 2.4, i % 2 ? rgb(0xffffff) : rgb(0xff7a9a),
                   rgb(0xffc020));
    }
    // Grass and flowers over the meadow, clear of the water.
    const QPainterPath meadowInside = meadow.subtracted(riverBed);
    for (int i = 0; i < 60; ++i) {
        const QPointF g(dice.in(0, shell.left() - 10), dice.in(meadowTop + 6, H - 2));
        if (!meadowInside.contains(g) || !meadowInside.contains(g + QPointF(0, -8))
            || riverBed.intersects(QRectF(g.x() - 6, g.y() - 10, 12, 12)))
            continue;
        const double depth = (g.y() - meadowTop) / (H - meadowTop);
        if (i % 3 == 0)
            flower(p, g, 1.8 + depth * 1.6, i % 2 ? rgb(0xffffff) : rgb(0xffd84a), rgb(0xffa020));
        else
            grassTuft(p, g, 5 + depth * 5, i % 2 ? rgb(0x4f9a3c) : rgb(0x6ab84a), dice, 5);
    }
}

// On the sand by the shell: beach grass, pebbles and a starfish.
void coastSandLife(QPainter& p, const Coast& c, Dice& dice)
{
    const QRectF shell = c.shell, caveArea = c.caveArea;
    for (const QPointF g :
         {QPointF(shell.left() + 6, caveArea.bottom() + 26), QPointF(shell.right() - 4, caveArea.bottom() + 18),
          QPointF(shell.right() + 6, shell.top() + 24)})
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
}

void drawNature(QPainter& p, QSize size, const Hotspots& hot)
{
    Coast c = coastOf(size, hot);
    Dice dice(1);
    coastSky(p, c);
    coastSea(p, c, dice);
    coastBigHill(p, c);
    coastPinkHill(p, c);
    coastCave(p, c);
    coastShore(p, c);
    coastRiver(p, c, dice);
    coastMeadowLife(p, c, dice);
    coastSandLife(p, c, dice);

    const double W = c.W, H = c.H, shoreY = c.shoreY;
    const QPointF nose = c.nose;
    const QRectF plants = c.plants, shell = c.shell;
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

}  // namespace

const SceneRegistration kNature(natureSection, drawNature);

}  // namespace ayat::art
