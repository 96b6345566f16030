// The animals section: animals in open country, five verses about animals.
#include "sections/tables/section_tables.h"
#include "sections/tables/verses.h"

namespace ayat {

const SectionDescription& animalsSection()
{
    static const SectionDescription animals{
        .panelName = "animals",
        .title = "Animals in the Quran",
        .titleWidth = 3735,
        .frameTop = 1080,
        .recitationLeft = 5040,
        .names = {.title = "Label13", .sayings = "Label17", .english = "Label18", .prompt = "Label19",
                  .placeholder = "Image23", .verseBox = "labanimals", .recitation = "avar",
                  .play = "CommandButton8", .stop = "CommandButton7", .exit = "Command4", .scene = "Image22"},
        .items = {
            {verseFor("aani"),
             {{"ani_a", {960, 1920, 5055, 1215}, "the lamb, the fox and the camel"}}},
            {verseFor("aant"),
             {{"ant_a", {840, 4560, 1575, 1455}, "the ants on the grass"}}},
            {verseFor("abir"),
             {{"bir_a", {3120, 600, 3015, 1095}, "the two birds flying"}}},
            {verseFor("aelf"),
             {{"elf_a", {2760, 3240, 1935, 2895}, "the elephant"}}},
            {verseFor("ahor"),
             {{"Image8", {4920, 4320, 1215, 1815}, "the young horse"}}},
        },
        .stacking = {"Command4", "ani_a", "aani", "ant_a", "aant", "abir", "bir_a", "elf_a", "aelf",
                     "ahor", "Label19", "Label18", "Label17", "labanimals", "CommandButton8", "avar",
                     "Label13", "CommandButton7", "Image8", "Image23", "Image22"},
        .focusOrder = {"Command4", "CommandButton7", "CommandButton8"},
    };
    return animals;
}

} // namespace ayat
