// The space section: the night sky and the solar system, five verses about the heavens.
#include "sections/tables/section_tables.h"
#include "sections/tables/verses.h"

namespace ayat {

const SectionDescription& spaceSection()
{
    static const SectionDescription space{
        .panelName = "space",
        .title = "Space in the Quran",
        .titleWidth = 3735,
        .frameTop = 1080,
        .recitationLeft = 5040,
        .names = {.title = "Label6", .sayings = "Label9", .english = "Label10", .prompt = "Label11",
                  .placeholder = "Image20", .verseBox = "labspace", .recitation = "svar",
                  .play = "CommandButton4", .stop = "CommandButton3", .exit = "Command2", .scene = "Image19"},
        .items = {
            {verseFor("sbaw"),
             {{"baw_i", {2160, 600, 3255, 1215}, "the upper sky with stars and a small planet"}}},
            {verseFor("ssun"),
             {{"sun_s", {3960, 4080, 1815, 1815}, "the large planet and a star at the lower right"}}},
            {verseFor("ssun2"),
             {{"sun_s2", {2280, 2400, 1815, 1575}, "the sun in the centre"}}},
            {verseFor("sswim"),
             {{"swin_s", {240, 2400, 855, 1455}, "the orbit lines at the left edge"}}},
            {verseFor("smoon"),
             {{"moon_s", {1200, 4920, 1215, 1095}, "the blue planet and its moon"}}},
        },
        .stacking = {"Command2", "smoon", "moon_s", "ssun2", "sun_s2", "baw_i", "sbaw", "swin_s",
                     "sswim", "sun_s", "ssun", "Label11", "Label10", "Label9", "Image19", "labspace",
                     "CommandButton4", "svar", "Label6", "CommandButton3", "Image20"},
        .focusOrder = {"Command2", "CommandButton3", "CommandButton4"},
    };
    return space;
}

} // namespace ayat
