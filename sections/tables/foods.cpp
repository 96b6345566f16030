// The foods section: a laid table by a window, seven verses about food and drink.
#include "sections/tables/section_tables.h"
#include "sections/tables/verses.h"

namespace ayat {

const SectionDescription& foodsSection()
{
    static const SectionDescription foods{
        .panelName = "foods",
        .title = "Foods in the Quran",
        .titleWidth = 3735,
        .frameTop = 1080,
        .recitationLeft = 5040,
        .names = {.title = "Label15", .sayings = "Label12", .english = "Label8", .prompt = "Label7",
                  .placeholder = "Image14", .verseBox = "Labfoods", .recitation = "fvar",
                  .play = "CommandButton5", .stop = "CommandButton6", .exit = "Command3", .scene = "Image13"},
        .items = {
            {verseFor("ffruit"),
             {{"fruit_f", {720, 4920, 1695, 975}, "the plate of grapes with vine leaves"}}},
            {verseFor("foil2"),
             {{"oil2_f", {720, 3720, 1215, 855}, "the bowl of olives"}}},
            {verseFor("fhony"),
             {{"hony_f", {2400, 3600, 1215, 855}, "the dish of honey"}}},
            {verseFor("ftree2"),
             {{"tree2_f", {2280, 720, 1215, 1215}, "the leafy tree in the window"}}},
            {verseFor("ftree1"),
             {{"Image3", {240, 720, 1455, 1215}, "the palm tree in the window"}}},
            {verseFor("foils"),
             {{"oils_f", {2880, 4920, 1215, 1095}, "the plate of figs"}}},
            {verseFor("fwaters"),
             {{"waters_f", {4440, 5160, 975, 975}, "the glass of water"}}},
        },
        .stacking = {"Command3", "fruit_f", "ffruit", "oil2_f", "foil2", "hony_f", "fhony",
                     "tree2_f", "ftree2", "Image3", "ftree1", "oils_f", "foils", "fwaters",
                     "CommandButton6", "Label15", "fvar", "CommandButton5", "Labfoods", "Label12",
                     "Label8", "Label7", "waters_f", "Image13", "Image14"},
        .focusOrder = {"Command3", "CommandButton5", "CommandButton6"},
    };
    return foods;
}

} // namespace ayat
