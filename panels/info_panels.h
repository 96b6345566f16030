#pragma once
// The two information panels: Help (the panel `help`) and About (`aboutprog`).
// Each names its panel, is built once into it and never changes; its Exit button
// hides it and asks for the cue sound.
#include <QWidget>

#include "platform/controls.h"

namespace ayat {

void buildHelpPanel(QWidget* panel, const ImageSource& images);
void buildAboutPanel(QWidget* panel, const ImageSource& images);

}  // namespace ayat
