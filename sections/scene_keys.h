#pragma once
// The scene of a section for the keyboard and for screen readers.
//
// The scene is one stop of the Tab order, after the section's three buttons.
// Within it the arrow keys move among its objects in reading order (by each
// object's first hotspot: top to bottom, then left to right); Home and End go
// to the first and the last. Space or Return chooses the focused object by
// running its click handler. An object with two hotspots is one stop, reached
// and named by its first hotspot. The focused object shows the focus ring
// over its hotspot once the keyboard has moved the focus.
//
// For screen readers: the panel is named by the section's title, every object
// is a push button named by what it shows and lies inside the scene picture,
// which is named by what the scene shows (so entering the scene names it), and the
// item pictures are notifications named by their verse's reference and English
// rendering, read out whenever an object is chosen.
#include <vector>

#include <QObject>

#include "sections/tables/section_tables.h"

class QKeyEvent;
class QWidget;

namespace ayat {

class SceneKeys : public QObject {
    Q_OBJECT
public:
    // panel: a section panel already built from description; parent owns this.
    SceneKeys(const SectionDescription& description, QWidget* panel, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void moveTo(std::size_t index);
    void holdStop(std::size_t index);
    bool handleKey(std::size_t index, QKeyEvent* event);

    std::vector<QWidget*> objects_;
    std::size_t current_ = 0;
};

}  // namespace ayat
