// The foods section: a laid table by a window, seven verses about food and drink.
#include "sections/tables/section_tables.h"

namespace ayat {

const SectionDescription& foodsSection()
{
    static const SectionDescription foods{
        .panel = "foods",
        .title = "Foods in the Quran",
        .titleWidth = 3735,
        .frameTop = 1080,
        .recitationLeft = 5040,
        .names = {.title = "Label15", .sayings = "Label12", .english = "Label8", .prompt = "Label7",
                  .placeholder = "Image14", .verseBox = "Labfoods", .recitation = "fvar",
                  .play = "CommandButton5", .stop = "CommandButton6", .exit = "Command3", .scene = "Image13"},
        .items = {
            {"ffruit", "fruit.exp", "Then to eat of all the produce (of the earth), and find with skill the spacious paths "
             "of its Lord: there issues from within their bodies a drink of varying colours, wherein "
             "is healing for men: verily in this is a Sign for those who give thought.",
             {{"fruit_f", {720, 4920, 1695, 975}, "the plate of grapes with vine leaves"}}},
            {"foil2", "oil2.exp", "With it He produces for you corn, olives, date-palms, grapes, and every kind of fruit: "
             "verily in this is a sign for those who give thought.",
             {{"oil2_f", {720, 3720, 1215, 855}, "the bowl of olives"}}},
            {"fhony", "hony.exp", "And thy Lord taught the Bee to build its cells in hills, on trees, and in (men's) "
             "habitations;",
             {{"hony_f", {2400, 3600, 1215, 855}, "the dish of honey"}}},
            {"ftree2", "tree2.exp", "And from the fruit of the date-palm and the vine, ye get out wholesome drink and food: "
             "behold, in this also is a sign for those who are wise. ",
             {{"tree2_f", {2280, 720, 1215, 1215}, "the leafy tree in the window"}}},
            {"ftree1", "tree1.exp", "'And shake towards thyself the trunk of the palm-tree: it will let fall fresh ripe "
             "dates upon thee.",
             {{"Image3", {240, 720, 1455, 1215}, "the palm tree in the window"}}},
            {"foils", "oils.exp", "By the Fig and the Olive,",
             {{"oils_f", {2880, 4920, 1215, 1095}, "the plate of figs"}}},
            {"fwaters", "waters.exp", "It is He Who has created man from water: then has He established relationships of "
             "lineage and marriage: for thy Lord has power (over all things).",
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
