#pragma once
// The four section descriptions, as data: what each section panel is built from.
// The section template (sections/section_screen.h) turns one into a panel; the
// artwork generator reads the hotspot rectangles from here to place the scenes'
// objects under them. The verses come from content/verses.json, generated into
// the build (sections/verses/): an item names its picture key, verseFor() finds
// its verse when the program is built.
#include <array>
#include <span>
#include <vector>

#include "platform/twips.h"

namespace ayat {

struct HotspotSpec {
    const char* name;    // control name; a click on it selects its item (the design's <name>_Click)
    Twips rect;          // relative to the section panel
    const char* covers;  // what it lies over in the scene
};

// One verse of content/verses.json.
struct Verse {
    const char* pictureKey;  // item picture control and asset key
    const char* recitation;  // bare audio file name that Play requests
    const char* english;     // English rendering shown in the verse box, exactly as stored
    const char* reference;   // surah name and verse number: "Al-Hijr 15:16"
    const char* arabic;      // the Arabic words the picture shows, UTF-8
};

struct SectionItem {
    const Verse* verse;                 // verseFor("<picture key>")
    std::vector<HotspotSpec> hotspots;  // one or two

    const char* pictureKey() const { return verse->pictureKey; }
};

// Control names of the elements every section panel has.
struct SectionControlNames {
    const char* title;        // title label
    const char* sayings;      // "Sayings in the Qur'an" caption
    const char* english;      // "English Translation" caption
    const char* prompt;       // "Please select object" label
    const char* placeholder;  // placeholder picture
    const char* verseBox;
    const char* recitation;   // hidden recitation name label
    const char* play;
    const char* stop;
    const char* exit;
    const char* scene;        // scene picture; also the scene's asset key
};

struct SectionDescription {
    const char* panelName;    // the panel's object name
    const char* title;        // title text
    int titleWidth;           // twips
    int frameTop;             // twips: top of the item frame
    int recitationLeft;       // twips: left of the hidden recitation name label
    SectionControlNames names;
    std::vector<SectionItem> items;
    std::vector<const char*> stacking;    // every control of the panel, topmost first
    std::array<const char*, 3> focusOrder; // the three buttons, in keyboard focus order
};

const SectionDescription& natureSection();
const SectionDescription& spaceSection();
const SectionDescription& foodsSection();
const SectionDescription& animalsSection();

// The four, in the order of the Category menu.
std::array<const SectionDescription*, 4> allSections();

// The common layout that every section shares, in twips relative to the panel.
namespace section_layout {
inline constexpr Twips kScene{120, 600, 6015, 5520};
inline constexpr int kFrameLeft = 6240, kFrameWidth = 3075, kFrameHeight = 2115;
} // namespace section_layout

} // namespace ayat
