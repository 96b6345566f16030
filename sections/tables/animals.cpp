// The animals section: animals in open country, five verses about animals.
#include "sections/tables/section_tables.h"
#include "sections/tables/verses.h"

namespace ayat {

namespace {

constexpr SectionDescription describe()
{
    // clang-format off
    return {
        .panelName = "animals",
        .menuItem = "animalsmnu",
        .title = "Animals in the Quran",
        .sceneName = "Open grassland with animals",
        .names = {.title = "Label13", .sayings = "Label17", .english = "Label18", .prompt = "Label19",
                  .placeholder = "Image23", .verseBox = "labanimals", .recitation = "avar",
                  .play = "CommandButton8", .stop = "CommandButton7", .exit = "Command4", .scene = "Image22"},
        .items = {
            {.verse = verseFor("aani"),
             .hotspots = {{.name = "ani_a", .rect = {960, 1920, 5055, 1215},
                           .covers = "the lamb, the fox and the camel"}}},
            {.verse = verseFor("aant"),
             .hotspots = {{.name = "ant_a", .rect = {840, 4560, 1575, 1455}, .covers = "the ants on the grass"}}},
            {.verse = verseFor("abir"),
             .hotspots = {{.name = "bir_a", .rect = {3120, 600, 3015, 1095}, .covers = "the two birds flying"}}},
            {.verse = verseFor("aelf"),
             .hotspots = {{.name = "elf_a", .rect = {2760, 3240, 1935, 2895}, .covers = "the elephant"}}},
            {.verse = verseFor("ahor"),
             .hotspots = {{.name = "Image8", .rect = {4920, 4320, 1215, 1815}, .covers = "the young horse"}}},
        },
        .stacking = {"Command4", "ani_a", "aani", "ant_a", "aant", "abir", "bir_a", "elf_a", "aelf",
                     "ahor", "Label19", "Label18", "Label17", "labanimals", "CommandButton8", "avar",
                     "Label13", "CommandButton7", "Image8", "Image23", "Image22"},
        .focusOrder = {"Command4", "CommandButton7", "CommandButton8"},
    };
    // clang-format on
}

static_assert(checkedSection(describe()));

}  // namespace

const SectionDescription& animalsSection()
{
    static const SectionDescription animals = describe();
    return animals;
}

}  // namespace ayat
