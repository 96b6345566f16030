#include "sections/section_screen.h"

#include <map>
#include <string_view>

#include "sections/scene_keys.h"  // keyboard and screen reader
#include "sound/sound.h"
#include "style/screen_style.h"

namespace ayat {
namespace {

using namespace section_layout;
using K = ControlKind;

constexpr FontSpec kTitleFont{.family = "Arial", .points = 18};
// Tall enough for the descenders of "p" and "Q" in the 24-pixel title font
// (27 pixels from ascent to descent); the label shows the panel's own colour,
// so the two extra pixels are not seen.
constexpr int kTitleHeight = 405;
constexpr FontSpec kCaptionFont{.family = "Times New Roman", .points = 15.75, .bold = true};
// The captions reach to the item frame's right edge: "Sayings in the Qur'an" in
// the bold serif needs 196 pixels, more than the 193 that 2895 twips give.
constexpr int kCaptionWidth = kFrameLeft + kFrameWidth - 6360;

// The rows of a section panel, in the common layout, before they are put in the
// section's stacking order.
std::vector<ControlRow> layoutRows(const SectionDescription& d)
{
    const SectionControlNames& n = d.names;
    const Twips frame{kFrameLeft, d.frameTop, kFrameWidth, kFrameHeight};
    // clang-format off
    std::vector<ControlRow> rows = {
        {.name = n.title, .kind = K::Label, .rect = {1320, 120, d.titleWidth, kTitleHeight}, .text = d.title,
         .font = kTitleFont, .foreground = style::kDarkRed},
        {.name = n.sayings, .kind = K::Label, .rect = {6360, 600, kCaptionWidth, 375}, .text = "Sayings in the Qur'an",
         .font = kCaptionFont, .foreground = style::kGreen},
        {.name = n.english, .kind = K::Label, .rect = {6360, 3240, kCaptionWidth, 375}, .text = "English Translation",
         .font = kCaptionFont, .foreground = style::kGreen},
        // The prompt is written straight on the tan card of the placeholder.
        {.name = n.prompt, .kind = K::Label, .rect = {7200, 1800, 2175, 255}, .text = "Please select object",
         .transparent = true},
        {.name = n.placeholder, .kind = K::Picture, .rect = frame, .pictureKey = "placeholder"},
        {.name = n.verseBox, .kind = K::Label, .rect = {6240, 3720, 3075, 1815}, .text = SectionScreen::kNoVerse,
         .foreground = style::kWhite, .background = style::kTeal, .bordered = true},
        // Never shown: its text is the file name that Play requests.
        {.name = n.recitation, .kind = K::Label, .rect = {d.recitationLeft, 240, 1455, 255}, .text = "",
         .hidden = true},
        {.name = n.play, .kind = K::Button, .rect = {6240, 5640, 1215, 495}, .pictureKey = "tape",
         .tooltip = style::kPlayTip},
        {.name = n.stop, .kind = K::Button, .rect = {7440, 5640, 495, 495}, .pictureKey = "stopsign",
         .tooltip = style::kStopTip},
        {.name = n.exit, .kind = K::Button, .rect = {8640, 5640, 735, 495}, .pictureKey = "exitarrow",
         .tooltip = style::kExitTip},
        {.name = n.scene, .kind = K::Picture, .rect = kScene, .pictureKey = n.scene},
    };
    // clang-format on
    for (const SectionItem& item : d.items) {
        rows.push_back({.name = item.pictureKey(),
                        .kind = K::Picture,
                        .rect = frame,
                        .hidden = true,
                        .pictureKey = item.pictureKey()});
        for (const HotspotSpec& h : item.hotspots)
            rows.push_back({.name = h.name, .kind = K::Hotspot, .rect = h.rect, .accessibleName = h.covers});
    }
    return rows;
}

// The rows in the description's stacking order, topmost first. The build has
// checked that the order names every control of the table exactly once
// (checkedSection); the aborts here catch a layout above that makes a control
// the table does not list.
std::vector<ControlRow> inStackingOrder(const SectionDescription& d)
{
    std::map<std::string_view, ControlRow> byName;
    for (const ControlRow& row : layoutRows(d))
        if (!byName.emplace(row.name, row).second)
            qFatal("section %s: two controls named %s", d.panelName, row.name);
    std::vector<ControlRow> table;
    table.reserve(byName.size());
    for (const char* name : d.stacking) {
        auto it = byName.find(name);
        if (it == byName.end())
            qFatal("section %s: the stacking order names %s, which is no control of it or named twice", d.panelName,
                   name);
        table.push_back(it->second);
        byName.erase(it);
    }
    if (!byName.empty())
        qFatal("section %s: the stacking order leaves out %s", d.panelName, byName.begin()->second.name);
    return table;
}

}  // namespace

SectionScreen::SectionScreen(const SectionDescription& description, QWidget* panel, const ImageSource& images)
    : description_(description), panel_(panel)
{
    panel->setObjectName(QString::fromUtf8(description.panelName));
    buildControls(panel, inStackingOrder(description), images);

    const SectionControlNames& n = description.names;
    verseBox_ = child<Label>(panel, n.verseBox);
    recitationLabel_ = child<Label>(panel, n.recitation);

    // A click on any hotspot of an item selects that item: this connection stands
    // for the design's <hotspot>_Click handlers, which all run the same steps.
    for (std::size_t i = 0; i < description.items.size(); ++i) {
        const SectionItem& item = description.items[i];
        itemPictures_.push_back(child<Picture>(panel, item.pictureKey()));
        for (const HotspotSpec& h : item.hotspots)
            connect(child<Hotspot>(panel, h.name), &Hotspot::clicked, this, [this, i] { select(i); });
    }

    const struct {
        const char* name;
        void (SectionScreen::*run)();
    } buttons[] = {{.name = n.play, .run = &SectionScreen::play},
                   {.name = n.stop, .run = &SectionScreen::stop},
                   {.name = n.exit, .run = &SectionScreen::exit}};
    for (const auto& b : buttons)
        connect(child<PictureButton>(panel, b.name), &QAbstractButton::clicked, this, b.run);

    const auto& order = description.focusOrder;
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(findControl(panel, order[i - 1]), findControl(panel, order[i]));

    new SceneKeys(description, panel, this);  // keyboard and screen reader: the scene's objects
}

void SectionScreen::select(std::size_t item)
{
    if (item >= itemPictures_.size())
        return;
    itemPictures_[item]->show();
    for (std::size_t j = 0; j < itemPictures_.size(); ++j)
        if (j != item)
            itemPictures_[j]->hide();
    const Verse& chosen = *description_.items[item].verse;
    recitationLabel_->setText(QString::fromUtf8(chosen.recitation));
    verseBox_->setText(QString::fromUtf8(chosen.english));
}

void SectionScreen::play()
{
    // The label's text exactly as it stands, the empty text too.
    RequestSound(recitationLabel_->text().toStdString());
}

void SectionScreen::stop() { RequestSound("stop.exp"); }

void SectionScreen::exit()
{
    panel_->hide();
    for (QWidget* picture : itemPictures_)
        picture->hide();
    verseBox_->setText(QString::fromUtf8(kNoVerse));
    recitationLabel_->clear();
    RequestSound("clip.exp");
}

}  // namespace ayat
