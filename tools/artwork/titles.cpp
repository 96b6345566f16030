// The title artwork: "Ayat Explorer" in three-dimensional lettering, dark blue
// faces rimmed and extruded in gold, lit from the upper left.
#include <cmath>

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "pictures.h"

namespace ayat::art {
namespace {

QPainterPath textPath(const QStringList& lines, const QFont& font, qreal lineGap)
{
    QPainterPath all;
    qreal y = 0;
    for (const QString& line : lines) {
        QPainterPath p;
        p.addText(0, 0, font, line);
        const QRectF b = p.boundingRect();
        p.translate(-b.center().x(), y - b.top());
        all.addPath(p);
        y += b.height() + lineGap;
    }
    return all;
}

// Scales and centres the path into the box, keeping its proportions.
QPainterPath fitInto(QPainterPath path, const QRectF& box)
{
    const QRectF b = path.boundingRect();
    const qreal s = std::min(box.width() / b.width(), box.height() / b.height());
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(s, s);
    t.translate(-b.center().x(), -b.center().y());
    return t.map(path);
}

void drawLettering(QPainter& p, const QPainterPath& face, qreal depth, QColor ground)
{
    const QRectF b = face.boundingRect();
    const QPointF dir(0.55, 0.85);  // extrusion towards the lower right, away from the light
    // Soft shadow on the ground.
    QColor shadow = ground.darker(190);
    shadow.setAlpha(70);
    for (int i = 3; i >= 1; --i) {
        p.setPen(QPen(shadow, i * 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(shadow);
        p.drawPath(face.translated(dir * (depth + 2.5)));
    }
    // Gold extrusion: slices from the back to the front, darker further back.
    const int steps = int(std::ceil(depth * 2));
    for (int i = steps; i >= 1; --i) {
        const qreal t = qreal(i) / steps;
        QLinearGradient g(b.topLeft(), b.bottomLeft());
        g.setColorAt(0, QColor::fromRgbF(0.95 - 0.40 * t, 0.74 - 0.36 * t, 0.20 - 0.14 * t));
        g.setColorAt(1, QColor::fromRgbF(0.72 - 0.34 * t, 0.50 - 0.26 * t, 0.08 - 0.05 * t));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(face.translated(dir * (depth * t)));
    }
    // Gold rim around the face.
    QLinearGradient rim(b.topLeft(), b.bottomRight());
    rim.setColorAt(0.0, QColor(0xFF, 0xF1, 0xA8));
    rim.setColorAt(0.45, QColor(0xF2, 0xC2, 0x3A));
    rim.setColorAt(1.0, QColor(0xB8, 0x86, 0x14));
    p.setPen(QPen(QBrush(rim), std::max(1.6, depth * 0.5), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(face);
    // Dark blue face, lighter at the top where the light falls.
    QLinearGradient fill(b.topLeft(), b.bottomLeft());
    fill.setColorAt(0.0, QColor(0x3A, 0x5C, 0xC8));
    fill.setColorAt(0.45, QColor(0x16, 0x2C, 0x8C));
    fill.setColorAt(1.0, QColor(0x08, 0x12, 0x4A));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(face);
    // A thin highlight along the upper edges of the face.
    p.save();
    p.setClipPath(face);
    p.setPen(QPen(QColor(255, 255, 255, 90), std::max(0.8, depth * 0.25)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(face.translated(dir * std::max(0.8, depth * 0.3)));
    p.restore();
}

}  // namespace

QImage drawTitle(std::string_view key, QSize size, int scale)
{
    const bool splash = key == "splashtitle";
    const QColor ground = splash ? QColor(0xC0, 0xC0, 0xC0) : QColor(0x04, 0x82, 0x04);
    QImage img(size * scale, QImage::Format_RGB32);
    img.setDevicePixelRatio(scale);
    img.fill(ground);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    QFont font(QStringLiteral("Liberation Serif"));
    font.setBold(true);
    font.setPixelSize(100);
    QPainterPath path;
    qreal depth;
    if (splash) {
        path = fitInto(textPath({QStringLiteral("Ayat Explorer")}, font, 0),
                       QRectF(7, 6, size.width() - 19, size.height() - 17));
        depth = 5.0;
    } else {
        path = fitInto(textPath({QStringLiteral("Ayat"), QStringLiteral("Explorer")}, font, 14),
                       QRectF(7, 5, size.width() - 18, size.height() - 16));
        depth = 4.5;
    }
    drawLettering(p, path, depth, ground);
    return img;
}

}  // namespace ayat::art
