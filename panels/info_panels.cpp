#include "panels/info_panels.h"

#include <QByteArray>

#include "panels/credits.h"
#include "platform/screen_style.h"
#include "sound/sound.h"

namespace ayat {
namespace {

using K = ControlKind;
using U = Picture::Use;

const char kHelpText[] =
    "There are 4 sections, each dealing on an aspect. When clicking any of them a picture will "
    "appear on the left-hand side. Move the mouse over the different parts of the picture, when a "
    "magnifying glass appears then click them left mouse button to reveal information on the "
    "object. To listen to the Quran, click on the tape button. To stop the recitation, click the "
    "button beside it. Click the arrow on the bottom right hand side to exit section.";

// The web address line, in the plain characters that a table row holds.
const QByteArray kWebAddressLine = credits::webAddressLine().toLatin1();

// Topmost first. The credit lies over the bottom pixel row of the help text.
const ControlRow kHelpControls[] = {
    {.name = "Command5", .kind = K::Button, .rect = {8520, 5520, 735, 495},
     .pictureKey = "exitarrow", .tooltip = style::kExitTip},
    {.name = "Label21", .kind = K::Label, .rect = {3960, 3360, 3735, 615},
     .text = credits::kProgrammerCredit, .font = {"Arial", 11.25, true, true}},
    {.name = "Label16", .kind = K::Label, .rect = {840, 1560, 7815, 1815},
     .text = kHelpText, .font = {"Arial", 11.25, false, false}},
    {.name = "Label14", .kind = K::Label, .rect = {2880, 480, 4335, 855},
     .text = "Help Information", .font = {"Times New Roman", 27.75, false, false}, .foreground = style::kGreen},
};

// Topmost first. The labels are opaque, so an upper one hides what of a lower
// one falls inside it: "About" and the title and date line lie over parts of the
// product title, the title and date line and the programmer credit over the top
// and bottom edges of the distribution notice.
const ControlRow kAboutControls[] = {
    {.name = "Command6", .kind = K::Button, .rect = {8520, 5520, 735, 495},
     .pictureKey = "exitarrow", .tooltip = style::kExitTip},
    {.name = "Label28", .kind = K::Label, .rect = {3000, 1080, 3975, 375},
     .text = credits::kTitleAndDate, .font = {"Arial", 9, true, false}},
    {.name = "Label27", .kind = K::Label, .rect = {3000, 5520, 4335, 375}, .text = kWebAddressLine.constData()},
    {.name = "Label26", .kind = K::Label, .rect = {2640, 5040, 5175, 375},
     .text = credits::kMakerLine, .font = {"Times New Roman", 12, true, false}},
    {.name = "Label25", .kind = K::Label, .rect = {3120, 2880, 5655, 495},
     .text = credits::kProgrammerCredit, .font = {"Arial", 11.25, true, true}},
    {.name = "Image10", .kind = K::Picture, .rect = {3960, 3600, 1800, 1230},
     .pictureKey = "Image10", .use = U::NaturalSize},
    {.name = "Label24", .kind = K::Label, .rect = {720, 1440, 8175, 1575},
     .text = credits::kDistributionNotice, .font = {"Arial", 12, false, false}},
    {.name = "Label23", .kind = K::Label, .rect = {4200, 120, 1335, 375},
     .text = "About", .font = {"Arial", 14.25, false, false}},
    {.name = "Label20", .kind = K::Label, .rect = {2880, 360, 4455, 1095},
     .text = credits::kProductTitle, .font = {"Times New Roman", 27.75, true, false}, .foreground = style::kGreen},
};

// Both Exit buttons close their information panel: hide it, then ask for the cue
// sound, named exactly so.
void closeInformationPanel(QWidget* panel)
{
    panel->hide();
    RequestSound("clip.Exp");
}

void Command5_Click(QWidget* help) { closeInformationPanel(help); }
void Command6_Click(QWidget* aboutprog) { closeInformationPanel(aboutprog); }

// Names the panel, builds its table into it and connects its Exit button. A
// screen reader names the panel by its title label's text.
void buildInformationPanel(QWidget* panel, const char* panelName, std::span<const ControlRow> rows,
                           const char* title, const char* exitButton, void (*exitClick)(QWidget*),
                           const ImageSource& images)
{
    panel->setObjectName(QString::fromLatin1(panelName));
    buildControls(panel, rows, images);
    panel->setAccessibleName(child<Label>(panel, title)->text());
    QObject::connect(child<PictureButton>(panel, exitButton), &QAbstractButton::clicked, panel,
                     [panel, exitClick] { exitClick(panel); });
}

} // namespace

void buildHelpPanel(QWidget* panel, const ImageSource& images)
{
    buildInformationPanel(panel, "help", kHelpControls, "Label14", "Command5", Command5_Click, images);
}

void buildAboutPanel(QWidget* panel, const ImageSource& images)
{
    buildInformationPanel(panel, "aboutprog", kAboutControls, "Label23", "Command6", Command6_Click, images);
}

} // namespace ayat
