#pragma once
// Where each item picture's verse stands and what it says in Arabic, from the
// verse content (content/verses.json, built into the program): what a screen
// reader tells about an item picture.
#include <QString>

namespace ayat {

struct VerseReference {
    QString name;    // surah name and verse number: "Al-Hijr 15:16"
    QString arabic;  // the Arabic words the picture shows
};

// The reference of the item picture with this asset key; empty for a key the
// content does not hold.
VerseReference verseReference(const char* picture);

} // namespace ayat
