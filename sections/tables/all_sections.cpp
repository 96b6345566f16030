#include "sections/tables/section_tables.h"

namespace ayat {

std::array<const SectionDescription*, kSectionCount> allSections()
{
    std::array<const SectionDescription*, kSectionCount> all{};
    for (std::size_t i = 0; i < kSectionCount; ++i)
        all[i] = &kSectionTables[i]();
    return all;
}

}  // namespace ayat
