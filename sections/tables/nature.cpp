// The nature section: a coastal landscape with eight objects to choose.
#include "sections/tables/section_tables.h"

namespace ayat {

const SectionDescription& natureSection()
{
    static const SectionDescription nature{
        .panel = "nature",
        .title = "Nature in the Quran",
        .titleWidth = 4335,
        .frameTop = 960,
        .recitationLeft = 2760,
        .names = {.title = "Label4", .sayings = "Label2", .english = "Label3", .prompt = "Label5",
                  .placeholder = "def", .verseBox = "Label1", .recitation = "var",
                  .play = "CommandButton1", .stop = "CommandButton2", .exit = "Command1", .scene = "Image1"},
        .items = {
            {"sky", "sky.exp", "It is We Who have set out the Zodiacal Signs in the heavens, and made them fair-seeming "
             "to (all) beholders;",
             {{"sky_i", {360, 720, 5655, 495}, "the band of sky along the top"}}},
            {"sea", "sea.exp", "Say: 'If the ocean were ink (wherewith to write out) the words of my Lord, sooner would "
             "the ocean be exhausted than would the words of my Lord, even if we added another ocean "
             "like it for its aid.'",
             {{"sea_i", {2040, 1560, 1935, 615}, "the open sea right of the ship"},
              {"sea_i2", {240, 2400, 1215, 615}, "the sea at the left edge below the ship"}}},
            {"cave", "cave.exp", "Behold, the youths betook themselves to the Cave: they said, 'Our Lord! bestow on us "
             "Mercy from Thyself, and dispose of our affair for us in the right way!'",
             {{"cave_i", {4440, 3240, 1335, 975}, "the cave in the hills on the right"}}},
            {"gold", "gold.exp", "Out of them come Pearls and Coral:",
             {{"gold_i", {4680, 5160, 1215, 855}, "the shell with the pearl"}}},
            {"hill", "hill.exp", "The son replied: 'I will betake myself to some mountain: it will save me from the "
             "water.' Noah said: 'This day nothing can save, from the command of Allah, any but those "
             "on whom He hath mercy!' And the waves came between them, and the son was among those "
             "overwhelmed in the Flood.",
             {{"hill_i", {4560, 1680, 1455, 1095}, "the top of the large hill"},
              {"hill_i2", {2760, 2520, 375, 615}, "the top of the pink hill in the middle"}}},
            {"ship", "ship.exp", "He it is Who enableth you to traverse through land and sea; so that ye even board "
             "ships; they sail with them with a favourable wind, and they rejoice thereat; then comes "
             "a stormy wind and the waves come to them from all sides,...",
             {{"Image2", {360, 1560, 1335, 735}, "the ship"}}},
            {"plant", "plant.exp", "It is He Who sendeth down rain from the skies: with it We produce vegetation of all "
             "kinds: from some We produce green (crops), out of which We produce grain, heaped up (at "
             "harvest);...",
             {{"plant_i", {120, 4560, 1695, 1575}, "the rocks and plants"}}},
            {"river", "river.exp", "And do they not see that We do drive rain to parched soil (bare of herbage), and "
             "produce therewith crops, providing food for their cattle and themselves? Have they not "
             "the vision?",
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
