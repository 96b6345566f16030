#include "model.h"

#include <algorithm>
#include <cstring>

#include "sections/tables/section_tables.h"

namespace robust {
namespace {

constexpr const char* kCue = "clip.exp";
constexpr const char* kInfoCue = "clip.Exp";  // the information panels spell it so

struct Shows {
    const char* control;
    const char* panel;
};

// The home buttons, and the panel each one shows before the cue sound. The
// names cross: "about" shows Help, the title button shows About.
constexpr Shows kHomeButtons[] = {{"b1nature", "nature"},   {"b2foods", "foods"}, {"b3space", "space"},
                                  {"b4animals", "animals"}, {"about", "help"},    {"CommandButton9", "aboutprog"}};

}  // namespace

const char* panelName(int panel)
{
    if (panel == kAbout)
        return "aboutprog";
    if (panel == kHelp)
        return "help";
    return ayat::allSections()[std::size_t(kPanelCount - 1 - panel)]->panelName;
}

int panelIndex(const char* name)
{
    for (int i = 0; i < kPanelCount; ++i)
        if (std::strcmp(name, panelName(i)) == 0)
            return i;
    return -1;
}

int sectionOfPanel(int panel)
{
    if (panel < 0 || panel >= kPanelCount)
        return -1;
    for (int s = 0; s < kSectionCount; ++s)
        if (std::strcmp(ayat::allSections()[std::size_t(s)]->panelName, panelName(panel)) == 0)
            return s;
    return -1;
}

int panelOfSection(int section) { return panelIndex(ayat::allSections()[std::size_t(section)]->panelName); }

std::array<int, kSectionCount> noneSelected()
{
    std::array<int, kSectionCount> none;
    none.fill(-1);
    return none;
}

std::array<int, kSectionCount> firstInReadingOrder()
{
    std::array<int, kSectionCount> first{};
    for (int s = 0; s < kSectionCount; ++s)
        first[std::size_t(s)] = readingOrder(s)[0];
    return first;
}

std::vector<int> readingOrder(int section)
{
    const auto& items = ayat::allSections()[std::size_t(section)]->items;
    std::vector<std::pair<std::pair<int, int>, int>> at;  // (top, left) of the first hotspot, item
    for (std::size_t i = 0; i < items.size(); ++i)
        at.push_back({{items[i].hotspots[0].rect.top, items[i].hotspots[0].rect.left}, int(i)});
    std::sort(at.begin(), at.end());
    std::vector<int> order;
    for (const auto& a : at)
        order.push_back(a.second);
    return order;
}

const char* objectControl(int section, int item)
{
    return ayat::allSections()[std::size_t(section)]->items[std::size_t(item)].hotspots[0].name;
}

void Model::moveSceneStop(int section, SceneKey key)
{
    const std::vector<int> order = readingOrder(section);
    const int last = int(order.size()) - 1;
    int at = int(std::find(order.begin(), order.end(), sceneStop[std::size_t(section)]) - order.begin());
    switch (key) {
    case SceneKey::Next:
        at = std::min(at + 1, last);
        break;
    case SceneKey::Previous:
        at = std::max(at - 1, 0);
        break;
    case SceneKey::First:
        at = 0;
        break;
    case SceneKey::Last:
        at = last;
        break;
    }
    sceneStop[std::size_t(section)] = order[std::size_t(at)];
}

int Model::seen() const
{
    for (int i = 0; i < kPanelCount; ++i)
        if (shown[std::size_t(i)])
            return i;
    return kHome;
}

Outcome Model::apply(const Command& c)
{
    Outcome out;
    auto show = [&](const char* panel) { shown[std::size_t(panelIndex(panel))] = true; };
    auto hide = [&](int panel) { shown[std::size_t(panel)] = false; };
    // A menu command shows at most one section and hides the other three.
    auto onlySection = [&](const char* panel) {
        for (int s = 0; s < kSectionCount; ++s)
            hide(panelOfSection(s));
        if (panel)
            show(panel);
    };

    switch (c.kind) {
    case Command::Nothing:
        break;
    case Command::Menu:
        if (c.name == "exit")
            out.ends = true;
        else if (c.name == "naturemnu")
            onlySection("nature");
        else if (c.name == "spacemnu")
            onlySection("space");
        else if (c.name == "foodsmnu")
            onlySection("foods");
        else if (c.name == "animalsmnu")
            onlySection("animals");
        else if (c.name == "mainmnu")
            onlySection(nullptr);
        else if (c.name == "proghelpmnu")
            show("help");
        else if (c.name == "aboutmnu")
            show("aboutprog");
        break;
    case Command::Home:
        if (c.name == "CommandButton10") {
            out.sounds.push_back(kCue);
            out.ends = true;
            break;
        }
        for (const Shows& b : kHomeButtons)
            if (c.name == b.control) {
                show(b.panel);
                out.sounds.push_back(kCue);
            }
        break;
    case Command::Hotspot:
        selected[std::size_t(c.section)] = c.item;
        break;
    case Command::Play: {
        const int item = selected[std::size_t(c.section)];
        const auto& items = ayat::allSections()[std::size_t(c.section)]->items;
        out.sounds.push_back(item < 0 ? std::string() : std::string(items[std::size_t(item)].verse->recitation));
        break;
    }
    case Command::Stop:
        out.sounds.push_back("stop.exp");
        break;
    case Command::SectionExit:
        hide(panelOfSection(c.section));
        selected[std::size_t(c.section)] = -1;
        out.sounds.push_back(kCue);
        break;
    case Command::InfoExit:
        hide(c.panel);
        out.sounds.push_back(kInfoCue);
        break;
    }
    return out;
}

}  // namespace robust
