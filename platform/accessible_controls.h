#pragma once
// What a screen reader is told about the program's own kinds of control, over
// Qt's accessibility bridge (AT-SPI on Linux):
//  - hotspots and picture buttons are push buttons with a press action;
//  - labels are static text named by their text, pictures are images named by
//    their accessible name and described by their accessible description;
//  - a control is reported as neither showing nor visible while it is hidden,
//    lies in a hidden panel, or lies under an opaque panel or picture (a
//    covered screen, the prompt under a verse); every change of the two is
//    sent to screen readers, which keep the states they were once told;
//  - a control marked with presentAsNotice() is a notification: a screen reader
//    reads it out each time it is shown;
//  - a control marked with hideFromScreenReaders() is left out of its
//    container's children (the second hotspot of an object, which is the same
//    object as the first);
//  - controls placed with presentInside() are children of the control they lie
//    on, not of their container (a scene's objects lie in its picture), so
//    that a screen reader names that control when the focus comes into it.
#include <vector>

class QWidget;

namespace ayat {

// Registers the accessible interfaces above with Qt; later calls do nothing.
void installAccessibleControls();

// Tells screen readers which controls in container are showing whenever a
// panel or a picture in it is shown or hidden (once that event is handled).
void reportShowingIn(QWidget* container);

void hideFromScreenReaders(QWidget* control);
void presentAsNotice(QWidget* control);
// members: controls of the same container as holder, lying on it; screen
// readers find them in this order as holder's children.
void presentInside(QWidget* holder, const std::vector<QWidget*>& members);

// Tells screen readers that control has come up again, although it was
// already shown, so that they read it out once more.
void reportShownAgain(QWidget* control);

// True when an opaque panel or picture stacked above w (or above one of its
// containers) covers it completely.
bool isCovered(const QWidget* w);

}  // namespace ayat
