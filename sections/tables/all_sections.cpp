#include "sections/tables/section_tables.h"

namespace ayat {

std::array<const SectionDescription*, kSectionCount> allSections()
{
    return {&natureSection(), &spaceSection(), &foodsSection(), &animalsSection()};
}

} // namespace ayat
