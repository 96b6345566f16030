#include "platform/screen_reader_bus.h"

namespace ayat {

// Windows has no accessibility bus: Qt's UI Automation bridge serves its screen
// readers, which ask whether a control is on screen each time they need it (its
// IsOffscreen property) rather than keeping what they were once told, so there
// is no stale state to mend.
void reportVisibleToScreenReaders(QWidget*, bool) {}

}  // namespace ayat
