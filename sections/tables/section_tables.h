#pragma once
// The four section descriptions, as data: what each section panel is built from.
// The section template (sections/section_screen.h) turns one into a panel; the
// artwork generator reads the hotspot rectangles from here to place the scenes'
// objects under them. The verses come from content/verses.json, generated into
// the build (sections/verses/): an item names its picture key, verseFor() finds
// its verse when the program is built.
#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

#include "platform/twips.h"

namespace ayat {

struct HotspotSpec {
    const char* name = nullptr;    // control name; a click on it selects its item (the design's <name>_Click)
    Twips rect{};                  // relative to the section panel
    const char* covers = nullptr;  // what it lies over in the scene
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
    const Verse* verse = nullptr;       // verseFor("<picture key>")
    std::vector<HotspotSpec> hotspots;  // one or two

    constexpr const char* pictureKey() const { return verse->pictureKey; }
};

// Control names of the elements every section panel has.
struct SectionControlNames {
    const char* title;        // title label
    const char* sayings;      // "Sayings in the Qur'an" caption
    const char* english;      // "English Translation" caption
    const char* prompt;       // "Please select object" label
    const char* placeholder;  // placeholder picture
    const char* verseBox;
    const char* recitation;  // hidden recitation name label
    const char* play;
    const char* stop;
    const char* exit;
    const char* scene;  // scene picture; also the scene's asset key
};

struct SectionDescription {
    const char* panelName;      // the panel's object name
    const char* menuItem;       // the Category menu entry that opens it
    const char* title;          // title text
    const char* sceneName;      // what the scene picture shows, as a screen reader names it
    int titleWidth = 3735;      // twips
    int frameTop = 1080;        // twips: top of the item frame
    int recitationLeft = 5040;  // twips: left of the hidden recitation name label
    SectionControlNames names;
    std::vector<SectionItem> items;
    std::vector<const char*> stacking;      // every control of the panel, topmost first
    std::array<const char*, 3> focusOrder;  // the three buttons, in keyboard focus order
};

const SectionDescription& natureSection();
const SectionDescription& spaceSection();
const SectionDescription& foodsSection();
const SectionDescription& animalsSection();

// The sections, in the order of the Category menu: the one list of them, from
// which every other is made.
inline constexpr std::array kSectionTables{&natureSection, &spaceSection, &foodsSection, &animalsSection};
inline constexpr std::size_t kSectionCount = kSectionTables.size();
std::array<const SectionDescription*, kSectionCount> allSections();

// Never defined: checkedSection() calls one for a table with that mistake, which
// stops the build at the section's static_assert.
void sectionControlHasNoName();
void sectionControlNamedTwice();
void sectionStackingOrderNamesNoControlOrOneTwice();
void sectionStackingOrderLeavesOutAControl();
void sectionFocusOrderIsNotItsThreeButtons();
void sectionItemWantsOneOrTwoHotspots();
void sectionWantsItsPanelMenuItemTitleAndSceneName();

// Every control a section panel holds, by name: the common elements, each item
// picture and each hotspot.
consteval std::vector<std::string_view> sectionControls(const SectionDescription& d)
{
    const SectionControlNames& n = d.names;
    std::vector<std::string_view> all;
    for (const char* name : {n.title, n.sayings, n.english, n.prompt, n.placeholder, n.verseBox, n.recitation, n.play,
                             n.stop, n.exit, n.scene}) {
        if (!name || !*name)
            sectionControlHasNoName();
        all.push_back(name);
    }
    for (const SectionItem& item : d.items) {
        if (item.hotspots.empty() || item.hotspots.size() > 2)
            sectionItemWantsOneOrTwoHotspots();
        all.push_back(item.pictureKey());
        for (const HotspotSpec& h : item.hotspots) {
            if (!h.name || !*h.name)
                sectionControlHasNoName();
            all.push_back(h.name);
        }
    }
    return all;
}

// A section's table checked when the program is built: its controls are named
// once each, the stacking order places each of them exactly once, and the focus
// order holds its Play, Stop and Exit buttons. Use it in a static_assert.
consteval bool checkedSection(const SectionDescription& d)
{
    for (const char* text : {d.panelName, d.menuItem, d.title, d.sceneName})
        if (!text || !*text)
            sectionWantsItsPanelMenuItemTitleAndSceneName();
    const std::vector<std::string_view> controls = sectionControls(d);
    for (std::size_t i = 0; i < controls.size(); ++i)
        for (std::size_t j = 0; j < i; ++j)
            if (controls[i] == controls[j])
                sectionControlNamedTwice();
    std::vector<bool> placed(controls.size(), false);
    for (const char* name : d.stacking) {
        std::size_t i = 0;
        while (i < controls.size() && !(name && controls[i] == name && !placed[i]))
            ++i;
        if (i == controls.size())
            sectionStackingOrderNamesNoControlOrOneTwice();
        placed[i] = true;
    }
    if (d.stacking.size() != controls.size())
        sectionStackingOrderLeavesOutAControl();
    const std::string_view buttons[] = {d.names.play, d.names.stop, d.names.exit};
    for (const std::string_view button : buttons) {
        int times = 0;
        for (const char* name : d.focusOrder)
            times += name && button == name;
        if (times != 1)
            sectionFocusOrderIsNotItsThreeButtons();
    }
    return true;
}

// The common layout that every section shares, in twips relative to the panel.
namespace section_layout {
inline constexpr Twips kScene{120, 600, 6015, 5520};
inline constexpr int kFrameLeft = 6240, kFrameWidth = 3075, kFrameHeight = 2115;
}  // namespace section_layout

}  // namespace ayat
