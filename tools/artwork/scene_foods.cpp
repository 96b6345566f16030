// The foods scene: a laid table by a window.
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
    const QPointF lobes[] = {{-1.25, 0.35},  {1.25, 0.35},  {-0.7, 0.75}, {0.7, 0.8},    {0.0, 0.6},
                             {-0.95, -0.35}, {0.95, -0.35}, {-0.3, -0.8}, {0.45, -0.75}, {0.0, -0.05}};
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
    for (const QPointF& f :
         {QPointF(-0.9, 0.2), QPointF(0.6, -0.3), QPointF(0.2, 0.85), QPointF(1.3, 0.6), QPointF(-0.3, -0.6)})
        body(p, ellipse(c + f * r, 2.4, 2.4), rgb(0xe8533a), 0.7);
}

void windowView(QPainter& p, const QRectF& pane, int which)
{
    p.fillRect(pane, vertical(pane, {{0.0, rgb(0x8fcaf0)}, {0.7, rgb(0xcdeaf8)}, {1.0, rgb(0xeef7ea)}}));
    cloud(p, QPointF(pane.left() + pane.width() * (which ? 0.75 : 0.3), pane.top() + pane.height() * 0.16),
          pane.width() * 0.38, 10);
    const double y = pane.bottom() - pane.height() * 0.2;
    fill(p,
         landBelow(
             {{pane.left() - 2, y}, {pane.left() + pane.width() * 0.4, y - 8 + which * 4}, {pane.right() + 2, y - 2}},
             pane.bottom() + 2),
         vertical(QRectF(pane.left(), y - 8, pane.width(), 20), {{0, rgb(0xa6d67c)}, {1, rgb(0x78b452)}}),
         rgb(0x4f8a3a), 1.0);
    fill(p,
         landBelow({{pane.left() - 2, y + 9}, {pane.center().x(), y + 5}, {pane.right() + 2, y + 10}},
                   pane.bottom() + 2),
         QBrush(rgb(0x8ac460)), rgb(0x4f8a3a), 1.0);
}

void plate(QPainter& p, QPointF c, double rx, double ry, const QColor& china, const QColor& rim)
{
    fill(p, ellipse(c + QPointF(3, ry * 0.35), rx * 1.02, ry * 1.05), QBrush(withAlpha(rgb(0x507a48), 80)));
    fill(p, ellipse(c, rx, ry),
         vertical(QRectF(c.x() - rx, c.y() - ry, 2 * rx, 2 * ry), {{0, china.darker(108)}, {1, china}}), ink(china),
         1.2);
    stroke(p, ellipse(c, rx * 0.9, ry * 0.86), rim, 1.6);
    fill(p, ellipse(c + QPointF(0, ry * 0.06), rx * 0.68, ry * 0.6),
         vertical(QRectF(c.x() - rx, c.y() - ry, 2 * rx, 2 * ry), {{0, china.lighter(104)}, {1, china.darker(112)}}),
         withAlpha(ink(china), 120), 0.8);
}

void olives(QPainter& p, const QRectF& a)
{
    const QPointF c(a.center().x(), a.top() + a.height() * 0.45);
    const double rx = a.width() * 0.40, ry = a.height() * 0.15;
    const QColor glaze = rgb(0x4f86c8);
    fill(p, ellipse(QPointF(c.x() + 4, a.bottom() - a.height() * 0.1), rx * 0.95, ry * 0.7),
         QBrush(withAlpha(rgb(0x507a48), 90)));
    // The bowl below its rim.
    QPainterPath bowl;
    bowl.moveTo(c.x() - rx, c.y());
    bowl.cubicTo(c.x() - rx, c.y() + a.height() * 0.38, c.x() - rx * 0.4, a.bottom() - a.height() * 0.12, c.x(),
                 a.bottom() - a.height() * 0.12);
    bowl.cubicTo(c.x() + rx * 0.4, a.bottom() - a.height() * 0.12, c.x() + rx, c.y() + a.height() * 0.38, c.x() + rx,
                 c.y());
    bowl.closeSubpath();
    body(p, bowl, glaze, 1.4);
    p.save();
    p.setClipPath(bowl);
    stroke(p, curve({{c.x() - rx, c.y() + ry * 1.6}, {c.x(), c.y() + ry * 2.4}, {c.x() + rx, c.y() + ry * 1.6}}),
           rgb(0xf4f0e0), 3.0);
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
            const double x = c.x() - rx * 0.8 + rx * 1.6 * (i + 0.5 + (row % 2) * 0.3) / (n + 0.3) * (1.0 - row * 0.12)
                + row * rx * 0.1;
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
    fill(p, ellipse(c + QPointF(0, ry * 0.45), rx * 0.98, ry * 0.92),
         linear(QPointF(c.x() - rx, 0), QPointF(c.x() + rx, 0),
                {{0, rgb(0xb07818)}, {0.4, rgb(0xf0c848)}, {1, rgb(0x946010)}}),
         rgb(0x6a4410), 1.2);
    fill(p, ellipse(c, rx, ry),
         radial(c - QPointF(rx * 0.35, ry * 0.4), rx * 1.1, {{0, rgb(0xfff0a0)}, {0.5, gold}, {1, rgb(0xb88018)}}),
         rgb(0x7a5010), 1.3);
    const QPainterPath pool = ellipse(c + QPointF(0, ry * 0.05), rx * 0.8, ry * 0.68);
    fill(p, pool,
         radial(c + QPointF(-rx * 0.2, -ry * 0.2), rx * 0.85,
                {{0, rgb(0xffc84a)}, {0.6, rgb(0xe8901a)}, {1, rgb(0xb8600e)}}),
         rgb(0x8a4a0a), 1.0);
    gleam(p, c + QPointF(-rx * 0.3, -ry * 0.2), rx * 0.3, ry * 0.18, 200, 0);
    // A piece of honeycomb in the dish.
    const double hr = ry * 0.42;
    for (int i = 0; i < 5; ++i) {
        const QPointF hc =
            c + QPointF(rx * 0.12 + (i % 3) * hr * 1.55 + (i / 3) * hr * 0.78, -ry * 0.22 + (i / 3) * hr * 1.3);
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
        fill(p, ellipse(bee + QPointF(s * 2.5, -4.5), 3.2, 4.5), QBrush(withAlpha(rgb(0xe8f6ff), 220)), rgb(0x7a9ab0),
             0.7);
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
            stroke(p, curve({QPointF(0, 0), QPointF(std::cos(t) * r * 0.8, std::sin(t) * r * 0.64)}),
                   withAlpha(rgb(0xc8ecb0), 200), 0.8);
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
                fill(p, ellipse(g, r, r),
                     radial(g - QPointF(r * 0.35, r * 0.4), r * 1.3,
                            {{0, mix(colour, Qt::white, 0.45)}, {0.5, colour}, {1, colour.darker(170)}}),
                     ink(colour), 0.8);
                fill(p, ellipse(g - QPointF(r * 0.35, r * 0.35), r * 0.28, r * 0.2), QBrush(withAlpha(Qt::white, 200)));
            }
        }
        stroke(p, curve({top + QPointF(0, -r), top + QPointF(2, -r * 2.2), top + QPointF(6, -r * 2.8)}), rgb(0x6a4a2a),
               1.6);
    };
    bunch(c + QPointF(-a.width() * 0.14, -a.height() * 0.3), 4.6, 5, rgb(0x7a3a90), 1.0);
    bunch(c + QPointF(a.width() * 0.17, -a.height() * 0.12), 4.0, 4, rgb(0xa8c848), -0.8);
    // A curling tendril.
    stroke(
        p,
        curve({c + QPointF(-a.width() * 0.38, -a.height() * 0.2), c + QPointF(-a.width() * 0.42, -a.height() * 0.32),
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
        fill(p,
             polygon({at + QPointF(-r * 0.3, -r * 0.85), at + QPointF(-r * 0.38, -r * 1.25),
                      at + QPointF(-r * 0.12, -r * 1.05), at + QPointF(0, -r * 1.35), at + QPointF(r * 0.12, -r * 1.05),
                      at + QPointF(r * 0.38, -r * 1.25), at + QPointF(r * 0.3, -r * 0.85)}),
             QBrush(rgb(0xb82830)), rgb(0x6a1018), 0.9);
        gleam(p, at - QPointF(r * 0.38, r * 0.35), r * 0.32, r * 0.2, 170, -35);
    };
    auto fig = [&](QPointF at, double r, double angle) {
        p.save();
        p.translate(at);
        p.rotate(angle);
        const QColor purple = rgb(0x8a3a6a);
        body(p,
             blob({{0, -r * 1.35},
                   {r * 0.5, -r * 0.7},
                   {r * 0.95, r * 0.2},
                   {0, r * 0.95},
                   {-r * 0.95, r * 0.2},
                   {-r * 0.5, -r * 0.7}},
                  0.9),
             purple, 1.0);
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
    fill(p, ellipse(h + QPointF(0, -0.6), 6.6, 4.3),
         radial(h, 6.6, {{0, rgb(0xffd0c0)}, {0.5, rgb(0xf07080)}, {1, rgb(0xe8c8a0)}}));
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
    fill(p, glass,
         linear(QPointF(cx - rt, 0), QPointF(cx + rt, 0),
                {{0, QColor(210, 235, 245, 200)}, {0.3, QColor(255, 255, 255, 150)}, {1, QColor(180, 215, 235, 210)}}));
    // The water, two thirds up.
    const double level = top + (bottom - top) * 0.3;
    const double rl = rt + (rb - rt) * 0.3;
    QPainterPath water;
    water.moveTo(cx - rl, level);
    water.lineTo(cx - rb, bottom);
    water.arcTo(QRectF(cx - rb, bottom - e, 2 * rb, 2 * e), 180, 180);
    water.lineTo(cx + rl, level);
    water.closeSubpath();
    fill(p, water,
         linear(QPointF(cx - rt, 0), QPointF(cx + rt, 0),
                {{0, rgb(0x7cc8ec)}, {0.35, rgb(0xb8e6fa)}, {1, rgb(0x4aa0d8)}}));
    fill(p, ellipse(QPointF(cx, level), rl, e * 0.9),
         vertical(QRectF(cx - rl, level - e, 2 * rl, 2 * e), {{0, rgb(0xe0f6ff)}, {1, rgb(0x8ed4f2)}}), rgb(0x4a90c0),
         0.9);
    // Glass outline, rim and gleams.
    stroke(p, glass, rgb(0x5a8aa8), 1.3);
    stroke(p, ellipse(QPointF(cx, top), rt, e), rgb(0x5a8aa8), 1.2);
    fill(p, ribbon({QPointF(cx - rt * 0.62, top + 6), QPointF(cx - rb * 0.62, bottom - 6)}, 3.4, 2.4),
         QBrush(withAlpha(Qt::white, 200)));
    fill(p, ribbon({QPointF(cx + rt * 0.55, top + 8), QPointF(cx + rb * 0.6, top + (bottom - top) * 0.45)}, 1.6, 1.2),
         QBrush(withAlpha(Qt::white, 170)));
    for (const QPointF b : {QPointF(cx + 3, level + 14), QPointF(cx - 4, level + 22), QPointF(cx + 6, level + 26)})
        stroke(p, ellipse(b, 1.3, 1.3), withAlpha(Qt::white, 210), 0.7);
}

void chairBack(QPainter& p, QPointF topCentre, double w, double h)
{
    const QColor wood = rgb(0xa8683a);
    const QRectF posts[] = {QRectF(topCentre.x() - w / 2, topCentre.y(), w * 0.12, h),
                            QRectF(topCentre.x() + w / 2 - w * 0.12, topCentre.y(), w * 0.12, h)};
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
        slat.addRoundedRect(QRectF(topCentre.x() - w * 0.28 + i * w * 0.22, topCentre.y() + h * 0.2, w * 0.12, h * 0.8),
                            1.5, 1.5);
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
        fill(p,
             ribbon({head + QPointF(-r * 0.7, r * 1.5), head + QPointF(-r * 1.3, tableTop - head.y() + 2), hand},
                    r * 0.62, r * 0.5),
             lit(sleeve, shirt), ink(shirt), 1.1);
        body(p, ellipse(hand + QPointF(-2.5, 0.5), r * 0.32, r * 0.25), skin, 1.0);
        return;
    }
    // Chair behind.
    chairBack(p, QPointF(head.x() + r * 1.4, head.y() - r * 0.2), r * 1.6, tableTop - head.y() + r * 0.2);
    // Body and arms.
    const QPainterPath torso =
        blob({head + QPointF(-r * 1.2, r * 1.2), head + QPointF(0, r * 0.9), head + QPointF(r * 1.3, r * 1.3),
              head + QPointF(r * 1.5, tableTop - head.y() + 6), head + QPointF(-r * 1.3, tableTop - head.y() + 6)},
             0.7);
    body(p, torso, shirt, 1.3);
    stroke(p,
           curve({head + QPointF(-r * 0.6, r * 1.05), head + QPointF(0, r * 1.4), head + QPointF(r * 0.6, r * 1.05)}),
           rgb(0xffffff), 2.0);
    // Neck and head.
    body(p, ellipse(head + QPointF(0, r * 0.85), r * 0.35, r * 0.3), skin, 1.0);
    body(p, ellipse(head, r, r * 0.98), skin, 1.3, 0.7);
    body(p, ellipse(head + QPointF(r * 0.92, r * 0.05), r * 0.2, r * 0.28), skin, 1.0, 0.6);
    // Hair cap with a fringe.
    const QPainterPath hairCap = blob({head + QPointF(-r * 0.98, -r * 0.05), head + QPointF(-r * 0.8, -r * 0.75),
                                       head + QPointF(0, -r * 1.08), head + QPointF(r * 0.85, -r * 0.7),
                                       head + QPointF(r * 1.05, -r * 0.05), head + QPointF(r * 0.75, -r * 0.2),
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
    stroke(p,
           curve({head + QPointF(-r * 0.5, r * 0.5), head + QPointF(-r * 0.3, r * 0.65),
                  head + QPointF(-r * 0.1, r * 0.52)}),
           rgb(0x8a3a2a), 1.1);
}

void vaseOfFlowers(QPainter& p, QPointF foot, double h)
{
    const QColor blue = rgb(0x3f7ac0);
    // Stems and flowers first, the vase in front.
    const QPointF mouth(foot.x(), foot.y() - h * 0.42);
    const QColor colours[] = {rgb(0xf05050), rgb(0xffd040), rgb(0xf080b8), rgb(0xffffff), rgb(0xf08a30), rgb(0xc070e0)};
    const QPointF heads[] = {{-0.34, -1.0}, {0.0, -1.12},   {0.3, -0.98}, {-0.18, -0.82},
                             {0.18, -0.8},  {-0.42, -0.72}, {0.42, -0.7}};
    int i = 0;
    for (const QPointF& hpt : heads) {
        const QPointF top = foot + QPointF(hpt.x() * h, hpt.y() * h);
        stroke(p, curve({mouth + QPointF(hpt.x() * 6, 0), (mouth + top) / 2 + QPointF(hpt.x() * 4, 0), top}),
               rgb(0x3f8a30), 1.3);
        if (i % 2 == 0) {
            const QPointF lf = (mouth + top) / 2;
            fill(p, leaf(lf, lf + QPointF(hpt.x() >= 0 ? 9 : -9, -4), 2.4), QBrush(rgb(0x5aa83e)), ink(rgb(0x5aa83e)),
                 0.7);
        }
        flower(p, top, h * 0.085, colours[i % 6], rgb(0xffb020));
        ++i;
    }
    QPainterPath vase;
    vase.moveTo(foot.x() - h * 0.09, mouth.y() - 2);
    vase.cubicTo(foot.x() - h * 0.08, mouth.y() + h * 0.08, foot.x() - h * 0.2, mouth.y() + h * 0.16,
                 foot.x() - h * 0.18, foot.y() - h * 0.08);
    vase.cubicTo(foot.x() - h * 0.16, foot.y(), foot.x() + h * 0.16, foot.y(), foot.x() + h * 0.18,
                 foot.y() - h * 0.08);
    vase.cubicTo(foot.x() + h * 0.2, mouth.y() + h * 0.16, foot.x() + h * 0.08, mouth.y() + h * 0.08,
                 foot.x() + h * 0.09, mouth.y() - 2);
    vase.closeSubpath();
    body(p, vase, blue, 1.3);
    p.save();
    p.setClipPath(vase);
    stroke(p,
           curve({{foot.x() - h * 0.25, foot.y() - h * 0.2},
                  {foot.x(), foot.y() - h * 0.16},
                  {foot.x() + h * 0.25, foot.y() - h * 0.2}}),
           rgb(0xf6f0dc), 2.5);
    p.restore();
    gleam(p, QPointF(foot.x() - h * 0.08, foot.y() - h * 0.22), h * 0.04, h * 0.09, 170, 0);
    fill(p, ellipse(QPointF(foot.x(), mouth.y() - 2), h * 0.095, h * 0.025), QBrush(rgb(0x244a80)), ink(blue), 0.9);
}

// The dining room's hotspots in scene pixels, and the table's perspective.
struct Room {
    double W = 0, H = 0;
    QRectF palm, tree, olive, honeyDish, grapePlate, redPlate, glass;
    // The table cloth's far edge (y) and its ends, and the point its sides run to.
    double far = 0, farLeft = 0, farRight = 0;
    QPointF vanish;

    // Where a line across the cloth from (xFar, far) meets the picture's bottom.
    QPointF onNear(double xFar) const
    {
        return vanish + (QPointF(xFar, far) - vanish) * ((H + 2 - vanish.y()) / (far - vanish.y()));
    }
};

Room roomOf(QSize size, const Hotspots& hot)
{
    Room r;
    r.W = size.width();
    r.H = size.height();
    r.palm = hot["Image3"];
    r.tree = hot["tree2_f"];
    r.olive = hot["oil2_f"];
    r.honeyDish = hot["hony_f"];
    r.grapePlate = hot["fruit_f"];
    r.redPlate = hot["oils_f"];
    r.glass = hot["waters_f"];
    r.far = std::min(r.olive.top(), r.honeyDish.top()) - 22;
    r.farLeft = 14;
    r.farRight = r.glass.left() + r.glass.width() * 0.55;
    r.vanish = QPointF((r.farLeft + r.farRight) / 2, r.far - 260);
    return r;
}

// The wall, warm cream with a faint stripe.
void roomWall(QPainter& p, const Room& r)
{
    const double W = r.W, H = r.H;
    p.fillRect(QRectF(0, 0, W, H), vertical(QRectF(0, 0, W, H * 0.55), {{0, rgb(0xf8e8c8)}, {1, rgb(0xf0d4a8)}}));
    for (double x = 6; x < W; x += 14)
        p.fillRect(QRectF(x, 0, 5, H), withAlpha(rgb(0xe8c898), 70));
}

// The window across the top: two panes, the palm in the left one and the leafy
// tree in the next; the sill below. Returns the window's outer edge.
QRectF roomWindow(QPainter& p, const Room& r)
{
    const QRectF palm = r.palm, tree = r.tree;
    const double frame = 6, mullion = 8;
    const double split = (palm.right() + tree.left()) / 2;
    const QRectF paneL(std::max(0.0, palm.left() - 3), std::max(0.0, palm.top() - 3),
                       split - mullion / 2 - std::max(0.0, palm.left() - 3), palm.height() + 9);
    const double rightEdge = tree.center().x() + (tree.center().x() - (split + mullion / 2));
    const QRectF paneR(split + mullion / 2, paneL.top(), rightEdge - split - mullion / 2, paneL.height());
    const QRectF outer = QRectF(paneL.topLeft(), paneR.bottomRight()).adjusted(-frame, -frame, frame, frame);
    const QColor wood = rgb(0xb07848);
    fill(p, QPainterPath([&] {
             QPainterPath f;
             f.addRect(outer.adjusted(2, 2, 6, 8));
             return f;
         }()),
         QBrush(withAlpha(rgb(0x8a6040), 60)));
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
        fill(
            p,
            polygon({pane.topLeft() + QPointF(pane.width() * 0.55, 0), pane.topLeft() + QPointF(pane.width() * 0.75, 0),
                     pane.topLeft() + QPointF(pane.width() * 0.35, pane.height()),
                     pane.topLeft() + QPointF(pane.width() * 0.15, pane.height())}),
            QBrush(withAlpha(Qt::white, 45)));
        p.restore();
        stroke(p, QPainterPath([&] {
                   QPainterPath r;
                   r.addRect(pane);
                   return r;
               }()),
               ink(wood), 1.2);
        ++which;
    }
    // The sill.
    QPainterPath sill;
    sill.addRoundedRect(QRectF(outer.left() - 4, outer.bottom() - 2, outer.width() + 8, 8), 2, 2);
    body(p, sill, wood.lighter(110), 1.2);
    return outer;
}

// A curtain to the right of the window, tied back.
void roomCurtain(QPainter& p, const QRectF& outer)
{
    const double rodY = std::max(2.0, outer.top() - 1);
    QPainterPath rod;
    rod.addRoundedRect(QRectF(outer.left(), rodY - 1.5, outer.width() + 46, 3.5), 1.7, 1.7);
    body(p, rod, rgb(0x9a6a30), 0.9);
    const QColor curtainRed = rgb(0xd8584a);
    const double cx = outer.right() - 6;
    const QPainterPath curtain = blob({{cx, rodY + 1},
                                       {cx + 42, rodY + 1},
                                       {cx + 38, outer.bottom() * 0.65},
                                       {cx + 44, outer.bottom() + 40},
                                       {cx + 22, outer.bottom() + 46},
                                       {cx + 16, outer.bottom() * 0.68},
                                       {cx + 2, outer.bottom() * 0.35}},
                                      0.6);
    fill(p, curtain,
         linear(QPointF(cx, 0), QPointF(cx + 44, 0),
                {{0, curtainRed.lighter(120)}, {0.5, curtainRed}, {1, curtainRed.darker(135)}}),
         ink(curtainRed), 1.3);
    p.save();
    p.setClipPath(curtain);
    for (int i = 0; i < 4; ++i)
        stroke(p,
               curve({{cx + 10 + i * 8, rodY},
                      {cx + 16 + i * 6, outer.bottom() * 0.66},
                      {cx + 26 + i * 4.5, outer.bottom() + 44}}),
               withAlpha(curtainRed.darker(150), 150), 1.4);
    p.restore();
    body(p, ellipse(cx + 27, outer.bottom() * 0.68, 10, 3.5), rgb(0xf2c04a), 1.0);
}

// A framed picture on the wall at the right.
void roomPicture(QPainter& p, const Room& r)
{
    const double W = r.W;
    const QRectF pic(W - 92, 18, 46, 36);
    QPainterPath f;
    f.addRect(pic);
    body(p, f, rgb(0xc8943a), 1.2, 0.6);
    const QRectF inner = pic.adjusted(5, 5, -5, -5);
    p.fillRect(inner, vertical(inner, {{0, rgb(0xbfe4f4)}, {1, rgb(0xa8d88a)}}));
    fill(p,
         landBelow({inner.bottomLeft() + QPointF(0, -8), inner.bottomLeft() + QPointF(inner.width() * 0.5, -16),
                    inner.bottomRight() + QPointF(0, -6)},
                   inner.bottom()),
         QBrush(rgb(0x7ab85a)));
    fill(p, ellipse(inner.left() + inner.width() * 0.75, inner.top() + 6, 3.5, 3.5), QBrush(rgb(0xffd24a)));
    stroke(p, QPainterPath([&] {
               QPainterPath r;
               r.addRect(inner);
               return r;
           }()),
           ink(rgb(0xc8943a)), 0.9);
}

// The floor beyond the table at the right, the side table with its vase, the
// chairs and the child behind the table. Returns the child's head.
QPointF roomBeyondTable(QPainter& p, const Room& r)
{
    const double W = r.W, H = r.H, far = r.far, farRight = r.farRight;
    const QRectF olive = r.olive, honeyDish = r.honeyDish;
    p.fillRect(QRectF(0, far + 14, W, H - far),
               vertical(QRectF(0, far, W, H - far), {{0, rgb(0xc89060)}, {1, rgb(0xa8703e)}}));
    for (int i = 0; i < 6; ++i)
        stroke(p, curve({{0, far + 20 + i * i * 6.0}, {W, far + 20 + i * i * 6.0}}), withAlpha(rgb(0x7a4a26), 120),
               1.0);
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

    return childHead;
}

// The table cloth in perspective, its edge hanging down at the right.
void roomCloth(QPainter& p, const Room& r)
{
    const double W = r.W, H = r.H, far = r.far, farLeft = r.farLeft, farRight = r.farRight;
    auto onNear = [&r](double xFar) { return r.onNear(xFar); };
    const QPointF nearLeft = onNear(farLeft), nearRight = onNear(farRight);
    const QPainterPath cloth = polygon({{farLeft, far}, {farRight, far}, nearRight, nearLeft});
    // The cloth's edge hanging down at the right.
    fill(p, polygon({{farRight, far}, {farRight + 4, far + 16}, nearRight + QPointF(6, 0), nearRight}),
         vertical(QRectF(0, far, W, H - far), {{0, rgb(0xa8d098)}, {1, rgb(0x88b878)}}), rgb(0x4a7a40), 1.2);
    fill(p, cloth, vertical(QRectF(0, far, W, H - far), {{0, rgb(0xd6efc8)}, {0.5, rgb(0xc6e6b6)}, {1, rgb(0xb2d9a0)}}),
         rgb(0x4a7a40), 1.4);
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
}

// A napkin with a fork and spoon at the left.
void napkin(QPainter& p, const Room& r)
{
    const QRectF grapePlate = r.grapePlate;
    const QPointF n(grapePlate.left() - 14, grapePlate.center().y());
    fill(p, polygon({n + QPointF(-12, -22), n + QPointF(10, -24), n + QPointF(16, 26), n + QPointF(-10, 28)}),
         lit(QRectF(n.x() - 12, n.y() - 24, 28, 52), rgb(0xf6f6f0)), rgb(0x8a9aa8), 1.0);
    stroke(p, curve({n + QPointF(-4, -18), n + QPointF(-2, 20)}), rgb(0x9aa4ae), 2.0);
    stroke(p, curve({n + QPointF(5, -18), n + QPointF(7, 20)}), rgb(0x9aa4ae), 2.0);
    fill(p, ellipse(n + QPointF(5, -19), 2.6, 4), QBrush(rgb(0xc8d0d8)), rgb(0x6a747e), 0.8);
}

// The salt shaker between the olives and the honey.
void saltShaker(QPainter& p, const Room& r)
{
    const QRectF olive = r.olive, honeyDish = r.honeyDish;
    const QPointF s((olive.right() + honeyDish.left()) / 2, olive.center().y() + 6);
    fill(p, ellipse(s + QPointF(2, 12), 7, 2.5), QBrush(withAlpha(rgb(0x507a48), 90)));
    QPainterPath shaker;
    shaker.moveTo(s + QPointF(-5.5, 12));
    shaker.lineTo(s + QPointF(-4.5, -6));
    shaker.quadTo(s + QPointF(0, -11), s + QPointF(4.5, -6));
    shaker.lineTo(s + QPointF(5.5, 12));
    shaker.quadTo(s + QPointF(0, 14), s + QPointF(-5.5, 12));
    fill(p, shaker,
         linear(s + QPointF(-6, 0), s + QPointF(6, 0),
                {{0, QColor(230, 240, 245)}, {0.4, Qt::white}, {1, QColor(170, 185, 195)}}),
         rgb(0x6a7a88), 1.0);
    p.fillRect(QRectF(s.x() - 5, s.y() - 1, 10.5, 13), withAlpha(Qt::white, 120));
    fill(p, blob({s + QPointF(-4.6, -5), s + QPointF(0, -11), s + QPointF(4.6, -5), s + QPointF(0, -4)}),
         QBrush(rgb(0xb8c0c8)), rgb(0x5a6470), 0.9);
    for (int i = -1; i <= 1; ++i)
        fill(p, ellipse(s + QPointF(i * 1.8, -7.5), 0.5, 0.5), QBrush(rgb(0x3a4450)));
}

// A plate of dates beside the red fruit.
void dates(QPainter& p, const Room& r)
{
    const QRectF olive = r.olive, redPlate = r.redPlate;
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
void loaf(QPainter& p, const Room& r)
{
    const QRectF olive = r.olive, honeyDish = r.honeyDish, grapePlate = r.grapePlate;
    const QPointF b((olive.right() + honeyDish.left()) / 2 + 14, (olive.bottom() + grapePlate.top()) / 2 + 2);
    fill(p, ellipse(b + QPointF(3, 3), 22, 7), QBrush(withAlpha(rgb(0x507a48), 80)));
    body(p, ellipse(b, 22, 8), rgb(0xe0a85a), 1.2);
    fill(p, ellipse(b + QPointF(0, -1), 16, 5), radial(b, 16, {{0, rgb(0xf4c880)}, {1, rgb(0xd89848)}}));
    for (int i = 0; i < 6; ++i)
        fill(p, ellipse(b + QPointF(-10 + i * 4, -1 + (i % 2) * 2), 0.9, 0.6), QBrush(rgb(0x8a5a2a)));
}

void drawFoods(QPainter& p, QSize size, const Hotspots& hot)
{
    const Room r = roomOf(size, hot);
    roomWall(p, r);
    roomCurtain(p, roomWindow(p, r));
    roomPicture(p, r);
    const QPointF childHead = roomBeyondTable(p, r);
    roomCloth(p, r);
    child(p, childHead, 16, r.far, true);
    napkin(p, r);
    saltShaker(p, r);
    dates(p, r);
    loaf(p, r);

    // The food under its hotspots.
    olives(p, r.olive.adjusted(2, 2, -2, -2));
    honey(p, r.honeyDish.adjusted(2, 2, -2, -2));
    grapes(p, r.grapePlate.adjusted(3, 3, -3, -3));
    redFruit(p, r.redPlate.adjusted(3, 3, -3, -3));
    glassOfWater(p, r.glass.adjusted(2, 2, -2, -2).intersected(QRectF(0, 0, r.W, r.H)));
}

}  // namespace

const SceneRegistration kFoods(foodsSection, drawFoods);

}  // namespace ayat::art
