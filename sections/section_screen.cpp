#include "sections/section_screen.h"

#include <map>
#include <string>
#include <string_view>

#include "sections/scene_keys.h"  // keyboard and screen reader
#include "sound/sound.h"

namespace ayat {
namespace {

using namespace section_layout;

constexpr const char* kHandlerProperty = "clickHandler";

constexpr FontSpec kTitleFont{"Arial", 18, false, false};
constexpr int kTitleColour = 0xC00000;
// Tall enough for the descenders of "p" and "Q" in the 24-pixel title font
// (27 pixels from ascent to descent); the label shows the panel's own colour,
// so the two extra pixels are not seen.
constexpr int kTitleHeight = 405;
constexpr FontSpec kCaptionFont{"Times New Roman", 15.75, true, false};
constexpr int kCaptionColour = 0x008000;
// The captions reach to the item frame's right edge: "Sayings in the Qur'an" in
// the bold serif needs 196 pixels, more than the 193 that 2895 twips give.
constexpr int kCaptionWidth = kFrameLeft + kFrameWidth - 6360;

Control label(const char* name, Twips rect, const char* text)
{
    Control c;
    c.name = name;
    c.kind = ControlKind::Label;
    c.rect = rect;
    c.text = text;
    return c;
}

Control caption(const char* name, Twips rect, const char* text)
{
    Control c = label(name, rect, text);
    c.font = kCaptionFont;
    c.foreground = kCaptionColour;
    return c;
}

Control picture(const char* name, Twips rect, const char* key, bool hidden)
{
    Control c;
    c.name = name;
    c.kind = ControlKind::Picture;
    c.rect = rect;
    c.picture = key;
    c.use = Picture::Use::Stretched;
    c.hidden = hidden;
    return c;
}

Control button(const char* name, Twips rect, const char* icon, const char* tooltip)
{
    Control c;
    c.name = name;
    c.kind = ControlKind::Button;
    c.rect = rect;
    c.picture = icon;
    c.tooltip = tooltip;
    return c;
}

// Every control of a section panel, by name, in the common layout.
std::map<std::string_view, Control> sectionControls(const SectionDescription& d)
{
    const SectionNames& n = d.names;
    const Twips frame{kFrameLeft, d.frameTop, kFrameWidth, kFrameHeight};
    std::map<std::string_view, Control> all;
    auto add = [&](const Control& c) {
        if (!all.emplace(c.name, c).second)
            qFatal("section %s: two controls named %s", d.panel, c.name);
    };

    Control title = label(n.title, {1320, 120, d.titleWidth, kTitleHeight}, d.title);
    title.font = kTitleFont;
    title.foreground = kTitleColour;
    add(title);
    add(caption(n.sayings, {6360, 600, kCaptionWidth, 375}, "Sayings in the Qur'an"));
    add(caption(n.english, {6360, 3240, kCaptionWidth, 375}, "English Translation"));

    // The prompt is written straight on the tan card of the placeholder.
    Control prompt = label(n.prompt, {7200, 1800, 2175, 255}, "Please select object");
    prompt.transparent = true;
    add(prompt);
    add(picture(n.placeholder, frame, "placeholder", false));

    Control verse = label(n.verseBox, {6240, 3720, 3075, 1815}, SectionScreen::kNoVerse);
    verse.foreground = 0xFFFFFF;
    verse.background = 0x00C0C0;
    verse.bordered = true;
    add(verse);

    // Never shown: its text is the file name that Play requests.
    Control recitation = label(n.recitation, {d.recitationLeft, 240, 1455, 255}, "");
    recitation.hidden = true;
    add(recitation);

    add(button(n.play, {6240, 5640, 1215, 495}, "tape", "Play Quran recitation"));
    add(button(n.stop, {7440, 5640, 495, 495}, "stopsign", "Stop Quran recitation"));
    add(button(n.exit, {8640, 5640, 735, 495}, "exitarrow", "Exit to main"));
    add(picture(n.scene, kScene, n.scene, false));

    for (const SectionItem& item : d.items) {
        add(picture(item.picture, frame, item.picture, true));
        for (const HotspotSpec& h : item.hotspots) {
            Control c;
            c.name = h.name;
            c.kind = ControlKind::Hotspot;
            c.rect = h.rect;
            c.accessibleName = h.covers;
            add(c);
        }
    }
    return all;
}

// The controls in the description's stacking order, topmost first. The order
// must name every control exactly once.
std::vector<Control> stacked(const SectionDescription& d)
{
    std::map<std::string_view, Control> all = sectionControls(d);
    std::vector<Control> table;
    table.reserve(all.size());
    for (const char* name : d.stacking) {
        auto it = all.find(name);
        if (it == all.end())
            qFatal("section %s: the stacking order names %s, which is no control of it or named twice", d.panel,
                   name);
        table.push_back(it->second);
        all.erase(it);
    }
    if (!all.empty())
        qFatal("section %s: the stacking order leaves out %s", d.panel, all.begin()->second.name);
    return table;
}

QString handlerName(const char* control) { return QString::fromLatin1(control) + QStringLiteral("_Click"); }

} // namespace

SectionScreen::SectionScreen(const SectionDescription& description, QWidget* panel, const Artwork& artwork)
    : description_(description), panel_(panel)
{
    const std::vector<Control> table = stacked(description);
    build(panel, table, artwork);

    const SectionNames& n = description.names;
    verseBox_ = child<Label>(panel, n.verseBox);
    recitation_ = child<Label>(panel, n.recitation);

    // One click handler per hotspot, named after it; the hotspots of one item
    // run the same steps.
    for (std::size_t i = 0; i < description.items.size(); ++i) {
        const SectionItem& item = description.items[i];
        itemPictures_.push_back(child<Picture>(panel, item.picture));
        for (const HotspotSpec& h : item.hotspots) {
            auto* hotspot = child<Hotspot>(panel, h.name);
            hotspot->setProperty(kHandlerProperty, handlerName(h.name));
            connect(hotspot, &Hotspot::clicked, this, [this, i] { select(i); });
        }
    }

    const struct {
        const char* name;
        void (SectionScreen::*run)();
    } buttons[] = {{n.play, &SectionScreen::play}, {n.stop, &SectionScreen::stop}, {n.exit, &SectionScreen::exit}};
    for (const auto& b : buttons) {
        auto* button = child<PictureButton>(panel, b.name);
        button->setProperty(kHandlerProperty, handlerName(b.name));
        connect(button, &QAbstractButton::clicked, this, b.run);
    }

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
    const SectionItem& chosen = description_.items[item];
    recitation_->setText(QString::fromLatin1(chosen.recitation));
    verseBox_->setText(QString::fromLatin1(chosen.verse));
}

void SectionScreen::play()
{
    // The label's text exactly as it stands, the empty text too.
    RequestSound(recitation_->text().toLatin1().toStdString());
}

void SectionScreen::stop() { RequestSound("stop.exp"); }

void SectionScreen::exit()
{
    panel_->hide();
    for (QWidget* picture : itemPictures_)
        picture->hide();
    verseBox_->setText(QString::fromLatin1(kNoVerse));
    recitation_->clear();
    RequestSound("clip.exp");
}

QString SectionScreen::clickHandler(const QWidget* control)
{
    return control ? control->property(kHandlerProperty).toString() : QString();
}

} // namespace ayat
