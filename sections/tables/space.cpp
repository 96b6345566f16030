// The space section: the night sky and the solar system, five verses about the heavens.
#include "sections/tables/section_tables.h"
#include "sections/tables/verses.h"

namespace ayat {

namespace {

constexpr SectionDescription describe()
{
    // clang-format off
    return {
        .panelName = "space",
        .menuItem = "spacemnu",
        .title = "Space in the Quran",
        .sceneName = "The sun, planets and stars on the night sky",
        .names = {.title = "Label6", .sayings = "Label9", .english = "Label10", .prompt = "Label11",
                  .placeholder = "Image20", .verseBox = "labspace", .recitation = "svar",
                  .play = "CommandButton4", .stop = "CommandButton3", .exit = "Command2", .scene = "Image19"},
        .items = {
            {.verse = verseFor("sbaw"),
             .hotspots = {{.name = "baw_i", .rect = {2160, 600, 3255, 1215},
                           .covers = "the upper sky with stars and a small planet"}}},
            {.verse = verseFor("ssun"),
             .hotspots = {{.name = "sun_s", .rect = {3960, 4080, 1815, 1815},
                           .covers = "the large planet and a star at the lower right"}}},
            {.verse = verseFor("ssun2"),
             .hotspots = {{.name = "sun_s2", .rect = {2280, 2400, 1815, 1575}, .covers = "the sun in the centre"}}},
            {.verse = verseFor("sswim"),
             .hotspots = {{.name = "swin_s", .rect = {240, 2400, 855, 1455},
                           .covers = "the orbit lines at the left edge"}}},
            {.verse = verseFor("smoon"),
             .hotspots = {{.name = "moon_s", .rect = {1200, 4920, 1215, 1095},
                           .covers = "the blue planet and its moon"}}},
        },
        .stacking = {"Command2", "smoon", "moon_s", "ssun2", "sun_s2", "baw_i", "sbaw", "swin_s",
                     "sswim", "sun_s", "ssun", "Label11", "Label10", "Label9", "Image19", "labspace",
                     "CommandButton4", "svar", "Label6", "CommandButton3", "Image20"},
        .focusOrder = {"Command2", "CommandButton3", "CommandButton4"},
    };
    // clang-format on
}

static_assert(checkedSection(describe()));

}  // namespace

const SectionDescription& spaceSection()
{
    static const SectionDescription space = describe();
    return space;
}

}  // namespace ayat
