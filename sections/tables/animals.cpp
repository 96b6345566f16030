// The animals section: animals in open country, five verses about animals.
#include "sections/tables/section_tables.h"

namespace ayat {

const SectionDescription& animalsSection()
{
    static const SectionDescription animals{
        .panel = "animals",
        .title = "Animals in the Quran",
        .titleWidth = 3735,
        .frameTop = 1080,
        .recitationLeft = 5040,
        .names = {.title = "Label13", .sayings = "Label17", .english = "Label18", .prompt = "Label19",
                  .placeholder = "Image23", .verseBox = "labanimals", .recitation = "avar",
                  .play = "CommandButton8", .stop = "CommandButton7", .exit = "Command4", .scene = "Image22"},
        .items = {
            {"aani", "ani.exp", "And Allah has created every animal from water: of them there are some that creep on "
             "their bellies; some that walk on two legs; and some that walk on four. Allah creates "
             "what He wills; for verily Allah has power over all things.",
             {{"ani_a", {960, 1920, 5055, 1215}, "the lamb, the fox and the camel"}}},
            {"aant", "ant.exp", "At length, when they came to a (lowly) valley of ants, one of the ants said: 'O ye "
             "ants, get into your habitations, lest Solomon and his hosts crush you (under foot) "
             "without knowing it.'",
             {{"ant_a", {840, 4560, 1575, 1455}, "the ants on the grass"}}},
            {"abir", "bir.exp", "Do they not observe the birds above them, spreading their wings and folding them in? "
             "None can uphold them except (Allah) Most Gracious: Truly it is He that watches over all "
             "things.",
             {{"bir_a", {3120, 600, 3015, 1095}, "the two birds flying"}}},
            {"aelf", "elf.exp", "Seest thou not how thy Lord dealt with the Companions of the Elephant?",
             {{"elf_a", {2760, 3240, 1935, 2895}, "the elephant"}}},
            {"ahor", "hor.exp", "And (He has created) horses, mules, and donkeys, for you to ride and use for show; and "
             "He has created (other) things of which ye have no knowledge.",
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
