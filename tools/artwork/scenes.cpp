// The four scene pictures, drawn with QPainter in the manner of a picture book:
// outlined shapes filled with soft gradients, lit from the upper left. Each
// section's scene is drawn by its own file (scene_<section>.cpp), which
// registers its painter for the section's description.
//
// Every object that the user can choose is placed from its hotspot rectangle in
// the section tables, mapped into scene pixels the way the section panel
// stretches the scene, so that it lies under its hotspot. The rest of each
// picture (sky, ground, the objects no hotspot covers) is laid out around them.
#include "art.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include "assets/catalogue.h"
#include "platform/twips.h"
#include "platform/widgets.h"
#include "scene.h"
#include "sections/tables/section_tables.h"

namespace ayat::art {

namespace {

// Every scene file's registration, in the order the program started them.
std::vector<std::pair<const SectionDescription& (*)(), ScenePainter>>& registrations()
{
    static std::vector<std::pair<const SectionDescription& (*)(), ScenePainter>> all;
    return all;
}

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

}  // namespace

SceneRegistration::SceneRegistration(const SectionDescription& (*section)(), ScenePainter paint)
{
    registrations().emplace_back(section, paint);
}

ScenePainter scenePainter(const SectionDescription& section)
{
    for (const auto& [described, paint] : registrations())
        if (&described() == &section)
            return paint;
    return nullptr;
}

QRectF toScene(const Twips& t, QSize scene)
{
    const QRect in = sceneInside();
    const double sx = double(scene.width()) / in.width();
    const double sy = double(scene.height()) / in.height();
    const double px = double(kTwipsPerPixel);
    return QRectF((t.left / px - in.left()) * sx, (t.top / px - in.top()) * sy, t.width / px * sx, t.height / px * sy);
}

Hotspots::Hotspots(const SectionDescription& section, QSize scene)
{
    for (const SectionItem& item : section.items)
        for (const HotspotSpec& h : item.hotspots)
            spots_.emplace_back(h.name, toScene(h.rect, scene));
}

QRectF Hotspots::operator[](std::string_view name) const
{
    for (const auto& [n, r] : spots_)
        if (name == n)
            return r;
    return {};
}

bool isScene(std::string_view key) { return sectionOf(key) != nullptr; }

std::vector<std::string_view> sceneKeys()
{
    std::vector<std::string_view> keys;
    for (const SectionDescription* s : allSections())
        keys.emplace_back(s->names.scene);
    return keys;
}

QImage drawScene(std::string_view key, int scale)
{
    const QSize size = sceneSize(key);
    const SectionDescription* section = sectionOf(key);
    const ScenePainter paint = section ? scenePainter(*section) : nullptr;
    if (size.isEmpty() || !paint)
        return {};
    QImage img(size * scale, QImage::Format_RGB32);
    img.setDevicePixelRatio(scale);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    paint(p, size, Hotspots(*section, size));
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

}  // namespace ayat::art
