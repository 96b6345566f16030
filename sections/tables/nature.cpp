// The nature section: a coastal landscape with eight objects to choose.
#include "sections/tables/section_tables.h"
#include "sections/tables/verses.h"

namespace ayat {

const SectionDescription& natureSection()
{
    static const SectionDescription nature{
        .panelName = "nature",
        .title = "Nature in the Quran",
        .titleWidth = 4335,
        .frameTop = 960,
        .recitationLeft = 2760,
        .names = {.title = "Label4", .sayings = "Label2", .english = "Label3", .prompt = "Label5",
                  .placeholder = "def", .verseBox = "Label1", .recitation = "var",
                  .play = "CommandButton1", .stop = "CommandButton2", .exit = "Command1", .scene = "Image1"},
        .items = {
            {verseFor("sky"),
             {{"sky_i", {360, 720, 5655, 495}, "the band of sky along the top"}}},
            {verseFor("sea"),
             {{"sea_i", {2040, 1560, 1935, 615}, "the open sea right of the ship"},
              {"sea_i2", {240, 2400, 1215, 615}, "the sea at the left edge below the ship"}}},
            {verseFor("cave"),
             {{"cave_i", {4440, 3240, 1335, 975}, "the cave in the hills on the right"}}},
            {verseFor("gold"),
             {{"gold_i", {4680, 5160, 1215, 855}, "the shell with the pearl"}}},
            {verseFor("hill"),
             {{"hill_i", {4560, 1680, 1455, 1095}, "the top of the large hill"},
              {"hill_i2", {2760, 2520, 375, 615}, "the top of the pink hill in the middle"}}},
            {verseFor("ship"),
             {{"Image2", {360, 1560, 1335, 735}, "the ship"}}},
            {verseFor("plant"),
             {{"plant_i", {120, 4560, 1695, 1575}, "the rocks and plants"}}},
            {verseFor("river"),
             {{"river_i", {2400, 4680, 2175, 975}, "the water across the bottom"}}},
        },
        .stacking = {"Command1", "sky", "sky_i", "CommandButton2", "sea_i2", "river_i", "river",
                     "plant_i", "plant", "Image2", "ship", "Label4", "hill_i2", "hill", "hill_i",
                     "gold_i", "gold", "cave", "cave_i", "var", "CommandButton1", "sea", "sea_i",
                     "Label1", "Image1", "Label2", "Label3", "Label5", "def"},
        .focusOrder = {"Command1", "CommandButton1", "CommandButton2"},
    };
    return nature;
}

} // namespace ayat
