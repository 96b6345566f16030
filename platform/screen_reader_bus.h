#pragma once
// What the program tells screen readers beside what Qt's own bridge tells them,
// on the desktop's accessibility bus. The one place that relies on the insides of
// Qt's Linux accessibility bridge: platform/screen_reader_bus_atspi.cpp says which,
// checks the Qt version they were read from when the program is built, and names
// the tests that fail if they change. On Windows there is nothing to add
// (platform/screen_reader_bus_none.cpp).
class QWidget;

namespace ayat {

// Tells screen readers that w became visible or invisible, with the change of
// "showing" that Qt's bridge reports for it.
void reportVisibleToScreenReaders(QWidget* w, bool visible);

}  // namespace ayat
