#include "app/home_screen.h"

#include <algorithm>
#include <optional>
#include <vector>

#include <QAbstractButton>

#include "app/program.h"
#include "platform/screen_style.h"
#include "sound/sound.h"

namespace ayat {
namespace {

using K = ControlKind;

constexpr FontSpec kCaptionFont{"Arial", 14.25, true, false};

// A control of the home screen: its row, its place in the Tab order and what its
// click does. Every button draws no face, so the background shows around its
// picture, and its picture is the asset named after it.
struct HomeControl {
    ControlRow row;
    int focusOrder = 0;                     // from 1; 0: takes no focus
    std::optional<PanelId> opens{};         // the panel that a click shows, before the cue sound
    void (HomeScreen::*onClick)() = nullptr; // a click that does something else
};

// Topmost first. The names cross: the button `about` opens Help, the title
// button `CommandButton9` opens About.
const HomeControl kHome[] = {
    {.row = {.name = "CommandButton10", .kind = K::Button, .rect = {480, 5520, 1215, 495}, .transparent = true,
             .picture = "CommandButton10", .accessibleName = "Quit"},
     .focusOrder = 7, .onClick = &HomeScreen::CommandButton10_Click},
    {.row = {.name = "CommandButton9", .kind = K::Button, .rect = {2880, 720, 3735, 1935}, .transparent = true,
             .picture = "CommandButton9", .tooltip = style::kAboutTip, .focusOnClick = false},
     .focusOrder = 6, .opens = PanelId::About},
    {.row = {.name = "b2foods", .kind = K::Button, .rect = {1680, 3000, 1695, 1095}, .text = "Foods",
             .font = kCaptionFont, .foreground = style::kGreen, .transparent = true, .picture = "b2foods",
             .focusOnClick = false},
     .focusOrder = 5, .opens = PanelId::Foods},
    {.row = {.name = "about", .kind = K::Button, .rect = {7800, 5520, 1215, 495}, .transparent = true,
             .picture = "about", .accessibleName = "Help"},
     .focusOrder = 4, .opens = PanelId::Help},
    {.row = {.name = "b4animals", .kind = K::Button, .rect = {6120, 3000, 1695, 1095}, .text = "Animals",
             .font = kCaptionFont, .foreground = style::kGreen, .transparent = true, .picture = "b4animals",
             .focusOnClick = false},
     .focusOrder = 3, .opens = PanelId::Animals},
    {.row = {.name = "b3space", .kind = K::Button, .rect = {7080, 1200, 1695, 1095}, .text = "Space",
             .font = kCaptionFont, .foreground = style::kGreen, .transparent = true, .picture = "b3space",
             .focusOnClick = false},
     .focusOrder = 2, .opens = PanelId::Space},
    {.row = {.name = "b1nature", .kind = K::Button, .rect = {720, 1200, 1695, 1095}, .text = "Nature",
             .font = kCaptionFont, .foreground = style::kGreen, .transparent = true, .picture = "b1nature",
             .focusOnClick = false},
     .focusOrder = 1, .opens = PanelId::Nature},
    {.row = {.name = "main", .kind = K::Picture, .rect = {0, 0, 9495, 6315}, .picture = "main"}},
};

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

} // namespace

HomeScreen::HomeScreen(QWidget* client, const Artwork& artwork, ShowPanel showPanel)
    : client_(client), showPanel_(std::move(showPanel))
{
    std::vector<ControlRow> rows;
    for (const HomeControl& c : kHome)
        rows.push_back(c.row);
    buildControls(client, rows, artwork);

    for (const HomeControl& c : kHome) {
        if (c.opens)
            connect(child<QAbstractButton>(client, c.row.name), &QAbstractButton::clicked, this,
                    [this, panel = *c.opens] { showPanelWithCue(panel); });
        else if (c.onClick)
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

void HomeScreen::showPanelWithCue(PanelId panel)
{
    showPanel_(panel);
    RequestSound("clip.exp");
}

void HomeScreen::CommandButton10_Click()
{
    // The cue sound is asked for, not waited for.
    RequestSound("clip.exp");
    endProgram();
}

} // namespace ayat
