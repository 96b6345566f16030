#include "sections/section_screen.h"

namespace ayat {

SectionScreen::SectionScreen(const SectionDescription& description, QWidget* panel, const Artwork&)
    : description_(description), panel_(panel)
{
}

} // namespace ayat
