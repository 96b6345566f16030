#pragma once
// What a screen reader is told about the program's own kinds of control, over
// Qt's accessibility bridge (AT-SPI on Linux):
//  - hotspots and picture buttons are push buttons with a press action;
//  - labels are static text named by their text, pictures are images named by
//    their accessible name and described by their accessible description;
//  - a control that lies under an opaque panel (a covered screen) is reported
//    as not showing, although Qt still counts it visible;
//  - a control marked with hideFromScreenReaders() is left out of its
//    container's children (the second hotspot of an object, which is the same
//    object as the first).
class QWidget;
class QString;

namespace ayat {

// Registers the accessible interfaces above with Qt; later calls do nothing.
void installAccessibleControls();

// Tells screen readers whether the controls under container's panels are
// showing whenever one of those panels is shown or hidden.
void reportCoveringOf(QWidget* container);

void hideFromScreenReaders(QWidget* control);

// True when an opaque panel stacked above w (or above one of its containers)
// covers it completely.
bool isCovered(const QWidget* w);

// Tells a screen reader to read a label's new text now, where Qt can announce
// (6.8 and later); every Qt reports the label's name change.
void announceText(QWidget* label, const QString& text);

} // namespace ayat
