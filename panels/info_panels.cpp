#include "panels/info_panels.h"

#include "panels/credits.h"
#include "sound/sound.h"

namespace ayat {
namespace {

using K = ControlKind;
using U = Picture::Use;

constexpr int kGreen = 0x008000;
constexpr const char* kExitTip = "Exit to main";

const char kHelpText[] =
    "There are 4 sections, each dealing on an aspect. When clicking any of them a picture will "
    "appear on the left-hand side. Move the mouse over the different parts of the picture, when a "
    "magnifying glass appears then click them left mouse button to reveal information on the "
    "object. To listen to the Quran, click on the tape button. To stop the recitation, click the "
    "button beside it. Click the arrow on the bottom right hand side to exit section.";

// Topmost first. The credit lies over the bottom pixel row of the help text.
const Control kHelpControls[] = {
    {.name = "Command5", .kind = K::Button, .rect = {8520, 5520, 735, 495},
     .font = {}, .picture = "exitarrow", .tooltip = kExitTip},
    {.name = "Label21", .kind = K::Label, .rect = {3960, 3360, 3735, 615},
     .text = credits::kProgrammerCredit, .font = {"Arial", 11.25, true, true}},
    {.name = "Label16", .kind = K::Label, .rect = {840, 1560, 7815, 1815},
     .text = kHelpText, .font = {"Arial", 11.25, false, false}},
    {.name = "Label14", .kind = K::Label, .rect = {2880, 480, 4335, 855},
     .text = "Help Information", .font = {"Times New Roman", 27.75, false, false}, .foreground = kGreen},
};

// Topmost first. The labels are opaque, so an upper one hides what of a lower
// one falls inside it: "About" and the title and date line lie over parts of the
// product title, the title and date line and the programmer credit over the top
// and bottom edges of the distribution notice.
const Control kAboutControls[] = {
    {.name = "Command6", .kind = K::Button, .rect = {8520, 5520, 735, 495},
     .font = {}, .picture = "exitarrow", .tooltip = kExitTip},
    {.name = "Label28", .kind = K::Label, .rect = {3000, 1080, 3975, 375},
     .text = credits::kTitleAndDate, .font = {"Arial", 9, true, false}},
    {.name = "Label27", .kind = K::Label, .rect = {3000, 5520, 4335, 375}, .text = nullptr, .font = {}},  // text set below
    {.name = "Label26", .kind = K::Label, .rect = {2640, 5040, 5175, 375},
     .text = credits::kMakerLine, .font = {"Times New Roman", 12, true, false}},
    {.name = "Label25", .kind = K::Label, .rect = {3120, 2880, 5655, 495},
     .text = credits::kProgrammerCredit, .font = {"Arial", 11.25, true, true}},
    {.name = "Image10", .kind = K::Picture, .rect = {3960, 3600, 1800, 1230},
     .font = {}, .picture = "Image10", .use = U::NaturalSize},
    {.name = "Label24", .kind = K::Label, .rect = {720, 1440, 8175, 1575},
     .text = credits::kDistributionNotice, .font = {"Arial", 12, false, false}},
    {.name = "Label23", .kind = K::Label, .rect = {4200, 120, 1335, 375},
     .text = "About", .font = {"Arial", 14.25, false, false}},
    {.name = "Label20", .kind = K::Label, .rect = {2880, 360, 4455, 1095},
     .text = credits::kProductTitle, .font = {"Times New Roman", 27.75, true, false}, .foreground = kGreen},
};

// The Exit buttons: hide the panel, then the cue sound, named exactly so.
void Command5_Click(QWidget* help)
{
    help->hide();
    RequestSound("clip.Exp");
}

void Command6_Click(QWidget* aboutprog)
{
    aboutprog->hide();
    RequestSound("clip.Exp");
}

} // namespace

void buildHelpPanel(QWidget* panel, const Artwork& artwork)
{
    build(panel, kHelpControls, artwork);
    QObject::connect(child<PictureButton>(panel, "Command5"), &QAbstractButton::clicked, panel,
                     [panel] { Command5_Click(panel); });
}

void buildAboutPanel(QWidget* panel, const Artwork& artwork)
{
    build(panel, kAboutControls, artwork);
    child<Label>(panel, "Label27")->setText(credits::webAddressLine());
    QObject::connect(child<PictureButton>(panel, "Command6"), &QAbstractButton::clicked, panel,
                     [panel] { Command6_Click(panel); });
}

} // namespace ayat
