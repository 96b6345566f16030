#pragma once
// The section screen template: builds a section panel from its description and
// gives it its behaviour (select an item, Play, Stop, Exit).
#include <cstddef>

#include <QObject>

#include "platform/controls.h"
#include "sections/tables/section_tables.h"

namespace ayat {

class SectionScreen : public QObject {
    Q_OBJECT
public:
    SectionScreen(const SectionDescription& description, QWidget* panel, const Artwork& artwork);

    const SectionDescription& description() const { return description_; }
    QWidget* panel() const { return panel_; }

private:
    const SectionDescription& description_;
    QWidget* panel_;
};

} // namespace ayat
