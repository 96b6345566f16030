#pragma once
// How the keyboard focus is shown: a clear two-colour ring, drawn only once the
// keyboard has moved the focus in the window (Tab, Shift+Tab or the arrow keys
// of a scene), so that a user of the mouse alone sees the screens unchanged.
class QPainter;
class QRect;
class QWidget;

namespace ayat {

// True when w has the focus and the focus in its window has been moved from
// the keyboard.
bool showsKeyboardFocus(const QWidget* w);

// Marks w's window as one whose focus the keyboard has moved: from now on its
// focused control shows the ring.
void noteKeyboardFocusMove(QWidget* w);

// The ring along the inside of area: black outside, white inside, so that it
// stands out on dark and on light pictures alike.
void drawFocusRing(QPainter& painter, const QRect& area);

}  // namespace ayat
