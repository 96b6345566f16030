// The foods section: a laid table by a window, seven verses about food and drink.
#include "sections/tables/section_tables.h"
#include "sections/tables/verses.h"

namespace ayat {

namespace {

constexpr SectionDescription describe()
{
    // clang-format off
    return {
        .panelName = "foods",
        .menuItem = "foodsmnu",
        .title = "Foods in the Quran",
        .sceneName = "A room with a table laid with dishes",
        .names = {.title = "Label15", .sayings = "Label12", .english = "Label8", .prompt = "Label7",
                  .placeholder = "Image14", .verseBox = "Labfoods", .recitation = "fvar",
                  .play = "CommandButton5", .stop = "CommandButton6", .exit = "Command3", .scene = "Image13"},
        .items = {
            {.verse = verseFor("ffruit"),
             .hotspots = {{.name = "fruit_f", .rect = {720, 4920, 1695, 975},
                           .covers = "the plate of grapes with vine leaves"}}},
            {.verse = verseFor("foil2"),
             .hotspots = {{.name = "oil2_f", .rect = {720, 3720, 1215, 855}, .covers = "the bowl of olives"}}},
            {.verse = verseFor("fhony"),
             .hotspots = {{.name = "hony_f", .rect = {2400, 3600, 1215, 855}, .covers = "the dish of honey"}}},
            {.verse = verseFor("ftree2"),
             .hotspots = {{.name = "tree2_f", .rect = {2280, 720, 1215, 1215},
                           .covers = "the leafy tree in the window"}}},
            {.verse = verseFor("ftree1"),
             .hotspots = {{.name = "Image3", .rect = {240, 720, 1455, 1215},
                           .covers = "the palm tree in the window"}}},
            {.verse = verseFor("foils"),
             .hotspots = {{.name = "oils_f", .rect = {2880, 4920, 1215, 1095}, .covers = "the plate of figs"}}},
            {.verse = verseFor("fwaters"),
             .hotspots = {{.name = "waters_f", .rect = {4440, 5160, 975, 975}, .covers = "the glass of water"}}},
        },
        .stacking = {"Command3", "fruit_f", "ffruit", "oil2_f", "foil2", "hony_f", "fhony",
                     "tree2_f", "ftree2", "Image3", "ftree1", "oils_f", "foils", "fwaters",
                     "CommandButton6", "Label15", "fvar", "CommandButton5", "Labfoods", "Label12",
                     "Label8", "Label7", "waters_f", "Image13", "Image14"},
        .focusOrder = {"Command3", "CommandButton5", "CommandButton6"},
    };
    // clang-format on
}

static_assert(checkedSection(describe()));

}  // namespace

const SectionDescription& foodsSection()
{
    static const SectionDescription foods = describe();
    return foods;
}

}  // namespace ayat
