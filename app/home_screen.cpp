#include "app/home_screen.h"

#include <algorithm>
#include <vector>

#include <QAbstractButton>

#include "app/program.h"
#include "sound/sound.h"
#include "style/screen_style.h"

namespace ayat {
namespace {

using K = ControlKind;

constexpr FontSpec kCaptionFont{.family = "Arial", .points = 14.25, .bold = true};

// A control of the home screen: its row, its place in the Tab order and what its
// click does. Every button draws no face, so the background shows around its
// picture, and its picture is the asset named after it.
struct HomeControl {
    ControlRow row;
    int focusOrder = 0;                       // from 1; 0: takes no focus
    void (HomeScreen::*onClick)() = nullptr;  // the button's click handler
};

// Topmost first. The names cross: the button `about` opens Help, the title
// button `CommandButton9` opens About.
// clang-format off
constexpr HomeControl kHome[] = {
    {.row = {.name = "CommandButton10", .kind = K::Button, .rect = {480, 5520, 1215, 495}, .transparent = true,
             .pictureKey = "CommandButton10", .accessibleName = "Quit"},
     .focusOrder = 7, .onClick = &HomeScreen::CommandButton10_Click},
    {.row = {.name = "CommandButton9", .kind = K::Button, .rect = {2880, 720, 3735, 1935}, .transparent = true,
             .pictureKey = "CommandButton9", .tooltip = style::kAboutTip, .focusOnClick = false},
     .focusOrder = 6, .onClick = &HomeScreen::CommandButton9_Click},
    {.row = {.name = "b2foods", .kind = K::Button, .rect = {1680, 3000, 1695, 1095}, .text = "Foods",
             .font = kCaptionFont, .foreground = style::kGreen, .transparent = true, .pictureKey = "b2foods",
             .focusOnClick = false},
     .focusOrder = 5, .onClick = &HomeScreen::b2foods_Click},
    {.row = {.name = "about", .kind = K::Button, .rect = {7800, 5520, 1215, 495}, .transparent = true,
             .pictureKey = "about", .accessibleName = "Help"},
     .focusOrder = 4, .onClick = &HomeScreen::about_Click},
    {.row = {.name = "b4animals", .kind = K::Button, .rect = {6120, 3000, 1695, 1095}, .text = "Animals",
             .font = kCaptionFont, .foreground = style::kGreen, .transparent = true, .pictureKey = "b4animals",
             .focusOnClick = false},
     .focusOrder = 3, .onClick = &HomeScreen::b4animals_Click},
    {.row = {.name = "b3space", .kind = K::Button, .rect = {7080, 1200, 1695, 1095}, .text = "Space",
             .font = kCaptionFont, .foreground = style::kGreen, .transparent = true, .pictureKey = "b3space",
             .focusOnClick = false},
     .focusOrder = 2, .onClick = &HomeScreen::b3space_Click},
    {.row = {.name = "b1nature", .kind = K::Button, .rect = {720, 1200, 1695, 1095}, .text = "Nature",
             .font = kCaptionFont, .foreground = style::kGreen, .transparent = true, .pictureKey = "b1nature",
             .focusOnClick = false},
     .focusOrder = 1, .onClick = &HomeScreen::b1nature_Click},
    {.row = {.name = "main", .kind = K::Picture, .rect = {0, 0, 9495, 6315}, .pictureKey = "main"}},
};
// clang-format on

// The focus order numbers the buttons 1, 2, 3, ... each once, and only buttons;
// a row that breaks this stops the build.
consteval bool focusOrderNumbersEachButtonOnce()
{
    int buttons = 0;
    for (const HomeControl& c : kHome) {
        if ((c.focusOrder > 0) != (c.row.kind == K::Button))
            return false;
        buttons += c.focusOrder > 0;
    }
    for (int n = 1; n <= buttons; ++n) {
        int times = 0;
        for (const HomeControl& c : kHome)
            times += c.focusOrder == n;
        if (times != 1)
            return false;
    }
    return true;
}
static_assert(focusOrderNumbersEachButtonOnce(), "the home screen's focus order numbers each button once, from 1");

// The buttons in the order in which Tab moves through them.
std::vector<const HomeControl*> inFocusOrder()
{
    std::vector<const HomeControl*> order;
    for (const HomeControl& c : kHome)
        if (c.focusOrder > 0)
            order.push_back(&c);
    std::ranges::sort(order, {}, &HomeControl::focusOrder);
    return order;
}

}  // namespace

HomeScreen::HomeScreen(QWidget* client, const ImageSource& images, ShowPanel showPanel)
    : client_(client), showPanel_(std::move(showPanel))
{
    std::vector<ControlRow> rows;
    for (const HomeControl& c : kHome)
        rows.push_back(c.row);
    buildControls(client, rows, images);

    for (const HomeControl& c : kHome) {
        if (c.onClick)
            connect(child<QAbstractButton>(client, c.row.name), &QAbstractButton::clicked, this, c.onClick);
    }

    const std::vector<const HomeControl*> order = inFocusOrder();
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(findControl(client, order[i - 1]->row.name), findControl(client, order[i]->row.name));
}

void HomeScreen::takeInitialFocus()
{
    findControl(client_, inFocusOrder().front()->row.name)->setFocus(Qt::OtherFocusReason);
}

void HomeScreen::showPanelWithCue(PanelId id)
{
    showPanel_(id);
    RequestSound("clip.exp");
}

void HomeScreen::b1nature_Click() { showPanelWithCue(PanelId::Nature); }
void HomeScreen::b2foods_Click() { showPanelWithCue(PanelId::Foods); }
void HomeScreen::b3space_Click() { showPanelWithCue(PanelId::Space); }
void HomeScreen::b4animals_Click() { showPanelWithCue(PanelId::Animals); }
// The names cross: the button `about` opens Help, the title button opens About.
void HomeScreen::about_Click() { showPanelWithCue(PanelId::Help); }
void HomeScreen::CommandButton9_Click() { showPanelWithCue(PanelId::About); }

void HomeScreen::CommandButton10_Click()
{
    // The cue sound is asked for, not waited for.
    RequestSound("clip.exp");
    endProgram();
}

}  // namespace ayat
