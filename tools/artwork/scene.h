#pragma once
// What the scene files share: the hotspots of a section in scene pixels, and the
// registration by which each scene file offers its painter for its section.
// Adding a section means adding its description to the section tables and a
// scene file that registers a painter for it.
#include <string_view>
#include <utility>
#include <vector>

#include <QPainter>
#include <QRectF>
#include <QSize>

#include "platform/twips.h"
#include "sections/tables/section_tables.h"

namespace ayat::art {

// A rectangle of the panel, in twips, as scene pixels of a scene of the given size.
QRectF toScene(const Twips& t, QSize scene);

// The hotspots of one section in scene pixels, looked up by name.
class Hotspots {
public:
    Hotspots(const SectionDescription& section, QSize scene);

    // An unknown name gives an empty rectangle at the origin: the object drawn
    // from it shrinks to nothing rather than landing somewhere wrong.
    QRectF operator[](std::string_view name) const;

private:
    std::vector<std::pair<std::string_view, QRectF>> spots_;
};

// Draws a section's scene, of the given size in scene pixels, on a painter that
// is set up for antialiasing and scaled to the picture's resolution.
using ScenePainter = void (*)(QPainter& p, QSize size, const Hotspots& hot);

// One scene file's painter for one section; a scene file defines one such
// object at namespace scope:
//   const SceneRegistration kNature(natureSection, drawNature);
class SceneRegistration {
public:
    SceneRegistration(const SectionDescription& (*section)(), ScenePainter paint);
};

// The painter registered for the section; null if it has none.
ScenePainter scenePainter(const SectionDescription& section);

}  // namespace ayat::art
