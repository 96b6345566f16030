#include "panels/info_panels.h"

#include <QByteArray>

#include "panels/credits.h"
#include "sound/sound.h"
#include "style/screen_style.h"

namespace ayat {
namespace {

using K = ControlKind;
using U = Picture::Use;

const char kHelpText[] = "There are 4 sections, each dealing on an aspect. When clicking any of them a picture will "
                         "appear on the left-hand side. Move the mouse over the different parts of the picture, when a "
                         "magnifying glass appears then click them left mouse button to reveal information on the "
                         "object. To listen to the Quran, click on the tape button. To stop the recitation, click the "
                         "button beside it. Click the arrow on the bottom right hand side to exit section.";

// The web address line, as the UTF-8 text that a table row holds.
const QByteArray kWebAddressLine = credits::webAddressLine().toUtf8();

// The controls that the panels' code finds by name, each named once here.
constexpr const char* kHelpTitle = "Label14";
constexpr const char* kHelpExit = "Command5";
constexpr const char* kAboutTitle = "Label23";
constexpr const char* kAboutExit = "Command6";

// Topmost first. The credit lies over the bottom pixel row of the help text.
// clang-format off
const ControlRow kHelpControls[] = {
    {.name = kHelpExit, .kind = K::Button, .rect = {8520, 5520, 735, 495},
     .pictureKey = "exitarrow", .tooltip = style::kExitTip},
    {.name = "Label21", .kind = K::Label, .rect = {3960, 3360, 3735, 615},
     .text = credits::kProgrammerCredit, .font = {.family = "Arial", .points = 11.25, .bold = true, .italic = true}},
    {.name = "Label16", .kind = K::Label, .rect = {840, 1560, 7815, 1815},
     .text = kHelpText, .font = {.family = "Arial", .points = 11.25}},
    {.name = kHelpTitle, .kind = K::Label, .rect = {2880, 480, 4335, 855},
     .text = "Help Information", .font = {.family = "Times New Roman", .points = 27.75}, .foreground = style::kGreen},
};
// clang-format on

// Topmost first. The labels are opaque, so an upper one hides what of a lower
// one falls inside it: "About" and the title and date line lie over parts of the
// product title, the title and date line and the programmer credit over the top
// and bottom edges of the distribution notice.
// clang-format off
const ControlRow kAboutControls[] = {
    {.name = kAboutExit, .kind = K::Button, .rect = {8520, 5520, 735, 495},
     .pictureKey = "exitarrow", .tooltip = style::kExitTip},
    {.name = "Label28", .kind = K::Label, .rect = {3000, 1080, 3975, 375},
     .text = credits::kTitleAndDate, .font = {.family = "Arial", .points = 9, .bold = true}},
    {.name = "Label27", .kind = K::Label, .rect = {3000, 5520, 4335, 375}, .text = kWebAddressLine.constData()},
    {.name = "Label26", .kind = K::Label, .rect = {2640, 5040, 5175, 375},
     .text = credits::kMakerLine, .font = {.family = "Times New Roman", .points = 12, .bold = true}},
    {.name = "Label25", .kind = K::Label, .rect = {3120, 2880, 5655, 495},
     .text = credits::kProgrammerCredit, .font = {.family = "Arial", .points = 11.25, .bold = true, .italic = true}},
    {.name = "Image10", .kind = K::Picture, .rect = {3960, 3600, 1800, 1230},
     .pictureKey = "Image10", .use = U::NaturalSize},
    {.name = "Label24", .kind = K::Label, .rect = {720, 1440, 8175, 1575},
     .text = credits::kDistributionNotice, .font = {.family = "Arial", .points = 12}},
    {.name = kAboutTitle, .kind = K::Label, .rect = {4200, 120, 1335, 375},
     .text = "About", .font = {.family = "Arial", .points = 14.25}},
    {.name = "Label20", .kind = K::Label, .rect = {2880, 360, 4455, 1095},
     .text = credits::kProductTitle, .font = {.family = "Times New Roman", .points = 27.75, .bold = true}, .foreground = style::kGreen},
};
// clang-format on

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
void buildInformationPanel(QWidget* panel, const char* panelName, std::span<const ControlRow> rows, const char* title,
                           const char* exitButton, void (*exitClick)(QWidget*), const ImageSource& images)
{
    panel->setObjectName(QString::fromUtf8(panelName));
    buildControls(panel, rows, images);
    panel->setAccessibleName(child<Label>(panel, title)->text());
    QObject::connect(child<PictureButton>(panel, exitButton), &QAbstractButton::clicked, panel,
                     [panel, exitClick] { exitClick(panel); });
}

}  // namespace

void buildHelpPanel(QWidget* panel, const ImageSource& images)
{
    buildInformationPanel(panel, "help", kHelpControls, kHelpTitle, kHelpExit, Command5_Click, images);
}

void buildAboutPanel(QWidget* panel, const ImageSource& images)
{
    buildInformationPanel(panel, "aboutprog", kAboutControls, kAboutTitle, kAboutExit, Command6_Click, images);
}

}  // namespace ayat
