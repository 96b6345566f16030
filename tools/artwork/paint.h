#pragma once
// The painting toolkit that the pictures share: colours, gradients, outlined
// bodies lit from the upper left, smooth paths through points, and small motifs;
// and the one way a drawing leaves premultiplied alpha.
#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

#include <QBrush>
#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QRadialGradient>
#include <QRectF>

namespace ayat::art {

inline constexpr double kPi = 3.14159265358979323846;

// Gradient stops: (position, colour).
using Stops = std::initializer_list<std::pair<double, QColor>>;

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

QColor rgb(unsigned v);
QColor withAlpha(QColor c, int alpha);
QColor mix(const QColor& a, const QColor& b, double t);
// The outline colour of a shape: a deep shade of its own colour.
QColor ink(const QColor& c);
QLinearGradient linear(QPointF a, QPointF b, Stops stops);
QLinearGradient vertical(const QRectF& r, Stops stops);
QRadialGradient radial(QPointF centre, double radius, Stops stops);
QRadialGradient radial(QPointF centre, double radius, QPointF focal, Stops stops);
// A rounded body lit from the upper left: light, its own colour, then shade.
QRadialGradient lit(const QRectF& r, const QColor& base, double strength = 1.0);
QPen pen(const QColor& c, double width = 1.4);
void fill(QPainter& p, const QPainterPath& path, const QBrush& brush, const QColor& outline = QColor(),
          double width = 1.4);
// The usual way to draw a body: lit by its own colour, outlined in its ink.
void body(QPainter& p, const QPainterPath& path, const QColor& base, double width = 1.4, double strength = 1.0);
void stroke(QPainter& p, const QPainterPath& path, const QColor& c, double width = 1.4);
QPainterPath ellipse(QPointF c, double rx, double ry);
QPainterPath ellipse(double cx, double cy, double rx, double ry);
// A soft white gleam on a lit surface.
void gleam(QPainter& p, QPointF c, double rx, double ry, int alpha = 150, double angle = -30);
// Smooth curves through points (Catmull-Rom turned into cubic Beziers).
QPainterPath smooth(const std::vector<QPointF>& pts, bool closed, double tension = 1.0);
QPainterPath blob(const std::vector<QPointF>& pts, double tension = 1.0);
QPainterPath curve(const std::vector<QPointF>& pts, double tension = 1.0);
QPainterPath polygon(const std::vector<QPointF>& pts);
// A region bounded above by a smooth line through `top` (left to right) and
// below by the horizontal line y = bottom.
QPainterPath landBelow(const std::vector<QPointF>& top, double bottom);
// A thick tapering stroke (a leaf, a blade, a limb) along a smooth centre line.
QPainterPath ribbon(const std::vector<QPointF>& centre, double startWidth, double endWidth);
// A pointed leaf from base to tip, bulging to both sides by `width`.
QPainterPath leaf(QPointF base, QPointF tip, double width);
// A puffy cloud: a row of round lobes on a flat base.
void cloud(QPainter& p, QPointF c, double w, double h);
// A tuft of grass blades rising from a point.
void grassTuft(QPainter& p, QPointF base, double h, const QColor& c, Dice& dice, int blades = 5);
// A five-petalled flower.
void flower(QPainter& p, QPointF c, double r, const QColor& petal, const QColor& heart);
// A four-pointed twinkle.
void sparkle(QPainter& p, QPointF c, double r, const QColor& colour, int alpha = 255);

// A premultiplied channel c of a pixel with alpha a (0 < a < 255, c <= a) as its
// straight value: c * 255 / a rounded to the nearest whole number, a half to the
// even one. Exact integer arithmetic, the same on every processor.
int unpremultipliedChannel(int c, int a);

// The image in QImage::Format_ARGB32, converted with unpremultipliedChannel.
// Qt's own conversion divides by alpha with the processor's approximate
// reciprocal, so that a channel exactly halfway between two values comes out
// as either, depending on the processor; every other value is the same.
QImage straightAlpha(const QImage& image);

}  // namespace ayat::art
