#include "panels/info_panels.h"

namespace ayat {

void buildHelpPanel(QWidget*, const Artwork&) {}
void buildAboutPanel(QWidget*, const Artwork&) {}

} // namespace ayat
