#pragma once
// The two information panels: Help and About.
#include <QWidget>

#include "platform/controls.h"

namespace ayat {

void buildHelpPanel(QWidget* panel, const Artwork& artwork);
void buildAboutPanel(QWidget* panel, const Artwork& artwork);

} // namespace ayat
