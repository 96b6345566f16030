#pragma once
// What the main window must do, written down once more and on its own: the six
// panels and the home screen, the navigation table with the sound each command
// asks for, and the selection of each section. The random use test predicts
// every action's outcome from this model and compares it with the real window.
// Only the section tables (item data and control names) are shared with the
// program; nothing here calls into its screens.
#include <array>
#include <string>
#include <vector>

#include "sections/tables/section_tables.h"

namespace robust {

// Sections in the order of the Category menu: those of allSections().
inline constexpr int kSectionCount = int(ayat::kSectionCount);

// Panels topmost first: About, Help, then the sections, the first of the
// Category menu lowest. The home screen lies beneath them all.
inline constexpr int kPanelCount = 2 + kSectionCount;
inline constexpr int kAbout = 0, kHelp = 1, kHome = kPanelCount;
const char* panelName(int panel);  // the panel's object name
int panelIndex(const char* name);  // -1 for no panel name
int sectionOfPanel(int panel);     // -1 for the information panels
int panelOfSection(int section);

// The home screen's buttons in their Tab order.
inline constexpr std::array<const char*, 7> kHomeFocusOrder{"b1nature", "b3space",        "b4animals",      "about",
                                                            "b2foods",  "CommandButton9", "CommandButton10"};

// The menu entries that do something, with the access keys that reach them.
struct MenuEntry {
    const char* name;
    char menuKey;   // Alt + this opens its menu
    char entryKey;  // then this chooses it; 0: reached with the arrow keys
};
inline constexpr std::array<MenuEntry, 8> kMenuEntries{{{"exit", 'F', 'X'},
                                                        {"naturemnu", 'C', 'N'},
                                                        {"spacemnu", 'C', 'S'},
                                                        {"foodsmnu", 'C', 'F'},
                                                        {"animalsmnu", 'C', 'A'},
                                                        {"mainmnu", 'C', 'M'},
                                                        {"proghelpmnu", 'H', 0},
                                                        {"aboutmnu", 'H', 'B'}}};

// What the user set off: a menu entry, a home button, or a control of a panel.
struct Command {
    enum Kind { Nothing, Menu, Home, Hotspot, Play, Stop, SectionExit, InfoExit };
    Kind kind = Nothing;
    std::string name;  // menu entry, home button, or the control's name
    int section = -1;  // Hotspot, Play, Stop, SectionExit
    int item = -1;     // Hotspot
    int panel = -1;    // InfoExit: kAbout or kHelp
};

struct Outcome {
    std::vector<std::string> sounds;  // requested, in order
    bool ends = false;                // the program ends
};

// The objects of a section's scene in the order the arrow keys walk them:
// item indices, by each item's first hotspot, top to bottom, then left to right.
std::vector<int> readingOrder(int section);
// The control that stands for an item in the keyboard walk: its first hotspot.
const char* objectControl(int section, int item);

// Every section with no item selected; every scene's first object in reading order.
std::array<int, kSectionCount> noneSelected();
std::array<int, kSectionCount> firstInReadingOrder();

// A key pressed on the focused object of a scene.
enum class SceneKey { Next, Previous, First, Last };

struct Model {
    std::array<bool, kPanelCount> shown{};
    std::array<int, kSectionCount> selected = noneSelected();
    // The item whose object holds the scene's Tab stop: at first the first in
    // reading order; the arrow keys move it, stopping at either end.
    std::array<int, kSectionCount> sceneStop = firstInReadingOrder();
    void moveSceneStop(int section, SceneKey key);

    // The screen that is seen: the topmost shown panel, else kHome.
    int seen() const;
    // Runs a command, as the navigation table and the section behaviour give it.
    Outcome apply(const Command& command);
};

}  // namespace robust
