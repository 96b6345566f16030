#pragma once
// The section screen template: builds a section panel from its description and
// gives it its behaviour (select an item, Play, Stop, Exit).
//
// A section's selection lives in its controls and nowhere else: which item
// picture is visible, the text of the verse box and the text of the hidden
// recitation name label, which Play reads.
#include <cstddef>
#include <vector>

#include <QObject>

#include "platform/controls.h"
#include "sections/tables/section_tables.h"

namespace ayat {

class SectionScreen : public QObject {
    Q_OBJECT
public:
    // What the verse box reads while nothing is selected.
    static constexpr const char* kNoVerse = "no verse to translate";

    // Names panel (empty, hidden) after the section, fills it with the section's
    // controls in their initial state, stacked as the description orders them,
    // and connects their clicks.
    SectionScreen(const SectionDescription& description, QWidget* panel, const ImageSource& images);

    const SectionDescription& description() const { return description_; }
    QWidget* panel() const { return panel_; }

    // The steps the controls' click handlers run. A hotspot of item i runs
    // select(i); Play, Stop and Exit their own. An item out of range does nothing.
    void select(std::size_t item);
    void play();
    void stop();
    void exit();

private:
    const SectionDescription& description_;
    QWidget* panel_;
    std::vector<QWidget*> itemPictures_;  // in the order of the item table
    Label* verseBox_ = nullptr;
    Label* recitationLabel_ = nullptr;
};

}  // namespace ayat
