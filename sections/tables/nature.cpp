// The nature section: a coastal landscape with eight objects to choose.
#include "sections/tables/section_tables.h"
#include "sections/tables/verses.h"

namespace ayat {

namespace {

constexpr SectionDescription describe()
{
    // clang-format off
    return {
        .panelName = "nature",
        .menuItem = "naturemnu",
        .title = "Nature in the Quran",
        .sceneName = "A coastal landscape with hills, a cave and the sea",
        .titleWidth = 4335,
        .frameTop = 960,
        .recitationLeft = 2760,
        .names = {.title = "Label4", .sayings = "Label2", .english = "Label3", .prompt = "Label5",
                  .placeholder = "def", .verseBox = "Label1", .recitation = "var",
                  .play = "CommandButton1", .stop = "CommandButton2", .exit = "Command1", .scene = "Image1"},
        .items = {
            {.verse = verseFor("sky"),
             .hotspots = {{.name = "sky_i", .rect = {360, 720, 5655, 495},
                           .covers = "the band of sky along the top"}}},
            {.verse = verseFor("sea"),
             .hotspots = {{.name = "sea_i", .rect = {2040, 1560, 1935, 615},
                           .covers = "the open sea right of the ship"},
                          {.name = "sea_i2", .rect = {240, 2400, 1215, 615},
                           .covers = "the sea at the left edge below the ship"}}},
            {.verse = verseFor("cave"),
             .hotspots = {{.name = "cave_i", .rect = {4440, 3240, 1335, 975},
                           .covers = "the cave in the hills on the right"}}},
            {.verse = verseFor("gold"),
             .hotspots = {{.name = "gold_i", .rect = {4680, 5160, 1215, 855}, .covers = "the shell with the pearl"}}},
            {.verse = verseFor("hill"),
             .hotspots = {{.name = "hill_i", .rect = {4560, 1680, 1455, 1095}, .covers = "the top of the large hill"},
                          {.name = "hill_i2", .rect = {2760, 2520, 375, 615},
                           .covers = "the top of the pink hill in the middle"}}},
            {.verse = verseFor("ship"),
             .hotspots = {{.name = "Image2", .rect = {360, 1560, 1335, 735}, .covers = "the ship"}}},
            {.verse = verseFor("plant"),
             .hotspots = {{.name = "plant_i", .rect = {120, 4560, 1695, 1575}, .covers = "the rocks and plants"}}},
            {.verse = verseFor("river"),
             .hotspots = {{.name = "river_i", .rect = {2400, 4680, 2175, 975},
                           .covers = "the water across the bottom"}}},
        },
        .stacking = {"Command1", "sky", "sky_i", "CommandButton2", "sea_i2", "river_i", "river",
                     "plant_i", "plant", "Image2", "ship", "Label4", "hill_i2", "hill", "hill_i",
                     "gold_i", "gold", "cave", "cave_i", "var", "CommandButton1", "sea", "sea_i",
                     "Label1", "Image1", "Label2", "Label3", "Label5", "def"},
        .focusOrder = {"Command1", "CommandButton1", "CommandButton2"},
    };
    // clang-format on
}

static_assert(checkedSection(describe()));

}  // namespace

const SectionDescription& natureSection()
{
    static const SectionDescription nature = describe();
    return nature;
}

}  // namespace ayat
