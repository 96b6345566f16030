#pragma once
// The artwork generator's pieces: each draws some of the catalogue's pictures as
// full-colour images of exactly the catalogue's size; the encoders then write
// them in the catalogue's encodings.
#include <cstdint>
#include <string_view>
#include <vector>

#include <QByteArray>
#include <QImage>
#include <QString>

namespace ayat::art {

// Every drawing takes a scale: 1 for the catalogue's picture, 2 for its variant
// of twice the size, drawn by the same code at the finer resolution.

// scenes.cpp and scene_<section>.cpp: the scene picture of every section of the
// section tables, by its asset key (the section's names.scene).
QImage drawScene(std::string_view key, int scale = 1);
// Whether the key is some section's scene picture.
bool isScene(std::string_view key);
// The scene keys of the sections, in the sections' order.
std::vector<std::string_view> sceneKeys();
// The scene stretched into its 401 x 368 rectangle as the program shows it,
// with every hotspot rectangle of its section drawn over it and labelled.
QImage sceneDebugView(std::string_view key);

// icons.cpp: the images of one icon, 32 x 32 first and 16 x 16 where the
// catalogue has a second image; ARGB with every pixel either fully transparent
// or one of the 16 classic colours. At scale 2, only the large image, 64 x 64.
std::vector<QImage> drawIcon(std::string_view key, int scale = 1);
// ico.cpp: writes those images as a 16-colour (4 bits per pixel) icon file with a
// 1-bit mask. Returns false and sets error on failure.
bool writeIcon16(const QString& path, const std::vector<QImage>& images, QString* error);

// pictures.cpp, titles.cpp, emblem.cpp, background.cpp: every other picture of
// the catalogue (the 25 item pictures, the two title artworks, the two book
// emblems, the home background and the placeholder), full colour at the
// catalogue's size; `Image10` comes with alpha 0 on its transparent corners.
QImage drawPicture(std::string_view key, int scale = 1);
// The source tree's root, for content files the generator reads (verses.json).
QString sourcePath(const QString& relative);

// Appends a little-endian 16- or 32-bit value, as icon and bitmap files hold them.
void put16(QByteArray& out, uint32_t v);
void put32(QByteArray& out, uint32_t v);

}  // namespace ayat::art
