#include "sections/scene_keys.h"

#include <algorithm>

#include <QKeyEvent>
#include <QPainter>

#include "platform/accessible_controls.h"
#include "platform/controls.h"
#include "platform/keyboard_focus.h"

namespace ayat {

SceneKeys::SceneKeys(const SectionDescription& d, QWidget* panel, QObject* parent) : QObject(parent)
{
    installAccessibleControls();
    panel->setAccessibleName(QString::fromUtf8(d.title));

    struct Object {
        QWidget* hotspot;
        Twips rect;
    };
    std::vector<Object> order;
    for (const SectionItem& item : d.items) {
        // The item picture comes up with its verse: a screen reader reads out
        // the reference and the English rendering then.
        auto* picture = findControl(panel, item.pictureKey());
        picture->setAccessibleName(QString::fromUtf8(item.verse->reference) + QStringLiteral(". ")
                                   + QString::fromUtf8(item.verse->english));
        presentAsNotice(picture);
        for (std::size_t h = 0; h < item.hotspots.size(); ++h) {
            QWidget* hotspot = findControl(panel, item.hotspots[h].name);
            // Run after the section's own handler: the same object chosen
            // again is read out again.
            QObject::connect(static_cast<Hotspot*>(hotspot), &Hotspot::clicked, this,
                             [picture] { reportShownAgain(picture); });
            if (h == 0)
                order.push_back({hotspot, item.hotspots[h].rect});
            else
                hideFromScreenReaders(hotspot);
        }
    }
    std::stable_sort(order.begin(), order.end(), [](const Object& a, const Object& b) {
        return a.rect.top != b.rect.top ? a.rect.top < b.rect.top : a.rect.left < b.rect.left;
    });
    // The objects lie in the scene picture: a screen reader names the scene
    // when the focus comes into it.
    QWidget* scene = findControl(panel, d.names.scene);
    scene->setAccessibleName(QString::fromUtf8(d.sceneName));

    // The objects follow the last button in the Tab order (setTabOrder wants
    // both widgets focusable); then only one of them keeps a Tab stop.
    QWidget* previous = findControl(panel, d.focusOrder.back());
    for (const Object& o : order) {
        objects_.push_back(o.hotspot);
        o.hotspot->setFocusPolicy(Qt::TabFocus);
        QWidget::setTabOrder(previous, o.hotspot);
        previous = o.hotspot;
        o.hotspot->installEventFilter(this);
    }
    presentInside(scene, objects_);
    holdStop(0);
}

void SceneKeys::holdStop(std::size_t index)
{
    current_ = index;
    // Tab only, so that a click with the mouse leaves the focus where it was.
    for (std::size_t i = 0; i < objects_.size(); ++i)
        objects_[i]->setFocusPolicy(i == index ? Qt::TabFocus : Qt::NoFocus);
}

void SceneKeys::moveTo(std::size_t index)
{
    QWidget* to = objects_[index];
    to->setFocusPolicy(Qt::TabFocus);
    noteKeyboardFocusMove(to);
    to->setFocus(Qt::TabFocusReason);
    holdStop(index);
}

bool SceneKeys::handleKey(std::size_t index, QKeyEvent* e)
{
    if (e->modifiers() & ~Qt::KeypadModifier)
        return false;
    const std::size_t last = objects_.size() - 1;
    switch (e->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        moveTo(std::min(index + 1, last));
        return true;
    case Qt::Key_Left:
    case Qt::Key_Up:
        moveTo(index == 0 ? 0 : index - 1);
        return true;
    case Qt::Key_Home:
        moveTo(0);
        return true;
    case Qt::Key_End:
        moveTo(last);
        return true;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Exactly what a click on the object does.
        if (!e->isAutoRepeat())
            emit static_cast<Hotspot*>(objects_[index])->clicked();
        return true;
    default:
        return false;
    }
}

bool SceneKeys::eventFilter(QObject* watched, QEvent* event)
{
    const auto at = std::find(objects_.begin(), objects_.end(), watched);
    if (at == objects_.end())
        return false;
    const std::size_t index = std::size_t(at - objects_.begin());
    auto* hotspot = static_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::KeyPress:
        return handleKey(index, static_cast<QKeyEvent*>(event));
    case QEvent::FocusIn:
        // However the focus came (Tab, or a screen reader's focus action),
        // this object now holds the scene's stop.
        holdStop(index);
        hotspot->update();
        return false;
    case QEvent::FocusOut:
        hotspot->update();
        return false;
    case QEvent::Paint:
        // The hotspot draws nothing of its own: the ring is all there is.
        if (showsKeyboardFocus(hotspot)) {
            QPainter p(hotspot);
            drawFocusRing(p, hotspot->rect());
        }
        return false;
    default:
        return false;
    }
}

}  // namespace ayat
