// The space section: the night sky and the solar system, five verses about the heavens.
#include "sections/tables/section_tables.h"

namespace ayat {

const SectionDescription& spaceSection()
{
    static const SectionDescription space{
        .panel = "space",
        .title = "Space in the Quran",
        .titleWidth = 3735,
        .frameTop = 1080,
        .recitationLeft = 5040,
        .names = {.title = "Label6", .sayings = "Label9", .english = "Label10", .prompt = "Label11",
                  .placeholder = "Image20", .verseBox = "labspace", .recitation = "svar",
                  .play = "CommandButton4", .stop = "CommandButton3", .exit = "Command2", .scene = "Image19"},
        .items = {
            {"sbaw", "baw.exp", "Seest thou not that to Allah bow down in worship all things that are in the heavens and "
             "on earth,- the sun, the moon, the stars; the hills, the trees, the animals; and a great "
             "number among mankind? ",
             {{"baw_i", {2160, 600, 3255, 1215}, "the upper sky with stars and a small planet"}}},
            {"ssun", "sun.exp", " It is He Who made the sun to be a shining glory and the moon to be a light (of beauty) "
             "and measured out stages for her; that ye might know the number of years and the count "
             "(of time). Nowise did Allah create this but in truth and righteousness. (Thus) doth He "
             "explain His Signs in detail, for those who understand.",
             {{"sun_s", {3960, 4080, 1815, 1815}, "the large planet and a star at the lower right"}}},
            {"ssun2", "sun2.exp", "And the sun runs its course for a period determined for him: that is the decree of "
             "(Him) the Exalted in Might, the All-Knowing.",
             {{"sun_s2", {2280, 2400, 1815, 1575}, "the sun in the centre"}}},
            {"sswim", "swim.exp", "It is He Who created the Night and the Day, and the sun and the moon: all (the "
             "celestial bodies) swim along, each in its rounded course.",
             {{"swin_s", {240, 2400, 855, 1455}, "the orbit lines at the left edge"}}},
            {"smoon", "moon.exp", " And the Moon, We have measured for it mansions (to traverse) till it returns like the "
             "old (and withered) lower part of a date-stalk.",
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
