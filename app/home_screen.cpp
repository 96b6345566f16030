#include "app/home_screen.h"

#include <QAbstractButton>

#include "app/program.h"
#include "sound/sound.h"

namespace ayat {
namespace {

constexpr FontSpec kCaptionFont{"Arial", 14.25, true, false};
constexpr int kCaptionColour = 0x008000;

// Every button of the home screen draws no face: the background shows around
// its picture. Its picture is the asset named after it.
Control button(const char* name, Twips rect, bool focusOnClick)
{
    Control c;
    c.name = name;
    c.kind = ControlKind::Button;
    c.rect = rect;
    c.picture = name;
    c.transparent = true;
    c.focusOnClick = focusOnClick;
    return c;
}

Control sectionButton(const char* name, Twips rect, const char* caption)
{
    Control c = button(name, rect, false);
    c.text = caption;
    c.font = kCaptionFont;
    c.foreground = kCaptionColour;
    return c;
}

Control withAccessibleName(Control c, const char* accessibleName)
{
    c.accessibleName = accessibleName;
    return c;
}

// Topmost first.
const Control kHome[] = {
    withAccessibleName(button("CommandButton10", {480, 5520, 1215, 495}, true), "Quit"),
    [] {
        Control c = button("CommandButton9", {2880, 720, 3735, 1935}, false);
        c.tooltip = "About this program";
        return c;
    }(),
    sectionButton("b2foods", {1680, 3000, 1695, 1095}, "Foods"),
    withAccessibleName(button("about", {7800, 5520, 1215, 495}, true), "Help"),
    sectionButton("b4animals", {6120, 3000, 1695, 1095}, "Animals"),
    sectionButton("b3space", {7080, 1200, 1695, 1095}, "Space"),
    sectionButton("b1nature", {720, 1200, 1695, 1095}, "Nature"),
    [] {
        Control c;
        c.name = "main";
        c.kind = ControlKind::Picture;
        c.rect = {0, 0, 9495, 6315};
        c.picture = "main";
        c.use = Picture::Use::Stretched;
        return c;
    }(),
};

// The order in which Tab moves through the buttons.
constexpr const char* kFocusOrder[] = {"b1nature", "b3space",  "b4animals",      "about",
                                       "b2foods",  "CommandButton9", "CommandButton10"};

} // namespace

HomeScreen::HomeScreen(QWidget* client, const Artwork& artwork, ShowPanel showPanel)
    : client_(client), showPanel_(std::move(showPanel))
{
    build(client, kHome, artwork);

    const struct {
        const char* name;
        void (HomeScreen::*handler)();
    } handlers[] = {
        {"b1nature", &HomeScreen::b1nature_Click},
        {"b2foods", &HomeScreen::b2foods_Click},
        {"b3space", &HomeScreen::b3space_Click},
        {"b4animals", &HomeScreen::b4animals_Click},
        {"about", &HomeScreen::about_Click},
        {"CommandButton9", &HomeScreen::CommandButton9_Click},
        {"CommandButton10", &HomeScreen::CommandButton10_Click},
    };
    for (const auto& h : handlers)
        connect(child<QAbstractButton>(client, h.name), &QAbstractButton::clicked, this, h.handler);

    for (std::size_t i = 1; i < std::size(kFocusOrder); ++i)
        QWidget::setTabOrder(findControl(client, kFocusOrder[i - 1]), findControl(client, kFocusOrder[i]));
}

void HomeScreen::takeInitialFocus() { findControl(client_, kFocusOrder[0])->setFocus(Qt::OtherFocusReason); }

void HomeScreen::open(std::string_view panel)
{
    showPanel_(panel);
    RequestSound("clip.exp");
}

void HomeScreen::b1nature_Click() { open("nature"); }
void HomeScreen::b2foods_Click() { open("foods"); }
void HomeScreen::b3space_Click() { open("space"); }
void HomeScreen::b4animals_Click() { open("animals"); }
// The names cross: the button "about" opens Help, the title button opens About.
void HomeScreen::about_Click() { open("help"); }
void HomeScreen::CommandButton9_Click() { open("aboutprog"); }

void HomeScreen::CommandButton10_Click()
{
    // The cue sound is asked for, not waited for.
    RequestSound("clip.exp");
    endProgram();
}

} // namespace ayat
