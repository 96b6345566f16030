#include "platform/keyboard_focus.h"

#include <QPainter>
#include <QWidget>

namespace ayat {

bool showsKeyboardFocus(const QWidget* w)
{
    // Qt marks the window so when Tab or Shift+Tab moves the focus.
    return w && w->hasFocus() && w->window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

void noteKeyboardFocusMove(QWidget* w)
{
    if (w)
        w->window()->setAttribute(Qt::WA_KeyboardFocusChange);
}

void drawFocusRing(QPainter& painter, const QRect& area)
{
    constexpr int kLine = 2;  // pixels, each of the two colours
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::NoBrush);
    auto frame = [&](const QRect& r, const QColor& colour) {
        if (r.width() <= 2 * kLine || r.height() <= 2 * kLine) {
            painter.fillRect(r, colour);
            return;
        }
        painter.fillRect(QRect(r.left(), r.top(), r.width(), kLine), colour);
        painter.fillRect(QRect(r.left(), r.bottom() - kLine + 1, r.width(), kLine), colour);
        painter.fillRect(QRect(r.left(), r.top() + kLine, kLine, r.height() - 2 * kLine), colour);
        painter.fillRect(QRect(r.right() - kLine + 1, r.top() + kLine, kLine, r.height() - 2 * kLine), colour);
    };
    frame(area, Qt::black);
    frame(area.adjusted(kLine, kLine, -kLine, -kLine), Qt::white);
    painter.restore();
}

}  // namespace ayat
