#include "platform/accessible_controls.h"

#include <algorithm>
#include <vector>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QFontMetrics>

#include "platform/screen_reader_bus.h"
#include "platform/widgets.h"

namespace ayat {
namespace {

constexpr const char* kHiddenProperty = "ayatHiddenFromScreenReaders";
constexpr const char* kNoticeProperty = "ayatNotice";
// Set on a control placed by presentInside(): the control it lies on, and its
// place among that control's children.
constexpr const char* kHolderProperty = "ayatPresentedInside";
constexpr const char* kPlaceProperty = "ayatPlaceInside";
// What screen readers were last told of a control: kShown, kShowing.
constexpr const char* kReportedProperty = "ayatReportedShowing";
constexpr int kShown = 1, kShowing = 2;

bool showing(const QWidget* w) { return w->isVisible() && !isCovered(w); }

// The control w is presented inside, if any. It lies beside w, and the pointer
// is only used while it is still among w's siblings: one that is gone is not.
QWidget* holderOf(const QWidget* w)
{
    auto* holder = w->property(kHolderProperty).value<QObject*>();
    if (!holder || !w->parentWidget() || !w->parentWidget()->children().contains(holder))
        return nullptr;
    return static_cast<QWidget*>(holder);
}

// The controls that screen readers find inside holder, in their order.
std::vector<QWidget*> membersOf(const QWidget* holder)
{
    std::vector<QWidget*> members;
    if (!holder->parentWidget())
        return members;
    for (QObject* o : holder->parentWidget()->children())
        if (auto* w = qobject_cast<QWidget*>(o); w && holderOf(w) == holder && !w->property(kHiddenProperty).toBool())
            members.push_back(w);
    std::stable_sort(members.begin(), members.end(), [](const QWidget* a, const QWidget* b) {
        return a->property(kPlaceProperty).toInt() < b->property(kPlaceProperty).toInt();
    });
    return members;
}

// The place of w among children, or -1.
int placeOf(const std::vector<QWidget*>& children, const QAccessibleInterface* w)
{
    for (std::size_t i = 0; i < children.size(); ++i)
        if (w && w->object() == children[i])
            return int(i);
    return -1;
}

// Every control of the program: showing (and so visible) while it is seen.
class ControlAccessible : public QAccessibleWidget {
public:
    ControlAccessible(QWidget* w, QAccessible::Role role) : QAccessibleWidget(w, role) {}

    QAccessible::Role role() const override
    {
        return widget()->property(kNoticeProperty).toBool() ? QAccessible::Notification : QAccessibleWidget::role();
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        // Qt's bridge reports "showing" and "visible" together, from these two.
        s.invisible = false;
        s.offscreen = !showing(widget());
        return s;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Description && widget()->accessibleDescription().isEmpty())
            return widget()->toolTip();
        return QAccessibleWidget::text(t);
    }

    QAccessibleInterface* parent() const override
    {
        if (QWidget* holder = holderOf(widget()))
            return QAccessible::queryAccessibleInterface(holder);
        return QAccessibleWidget::parent();
    }

    // A control that others are presented inside has those as its children.
    int childCount() const override
    {
        const auto members = membersOf(widget());
        return members.empty() ? QAccessibleWidget::childCount() : int(members.size());
    }
    QAccessibleInterface* child(int index) const override
    {
        const auto members = membersOf(widget());
        if (members.empty())
            return QAccessibleWidget::child(index);
        return index >= 0 && index < int(members.size()) ? QAccessible::queryAccessibleInterface(members[index])
                                                         : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto members = membersOf(widget());
        return members.empty() ? QAccessibleWidget::indexOfChild(child) : placeOf(members, child);
    }
};

// A panel: its children but those hidden from screen readers or presented
// inside another of them.
class PanelAccessible : public ControlAccessible {
public:
    explicit PanelAccessible(QWidget* w) : ControlAccessible(w, QAccessible::Pane) {}

    int childCount() const override { return int(exposed().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const auto children = exposed();
        return index >= 0 && index < int(children.size()) ? QAccessible::queryAccessibleInterface(children[index])
                                                          : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override { return placeOf(exposed(), child); }

private:
    std::vector<QWidget*> exposed() const
    {
        std::vector<QWidget*> out;
        for (QObject* o : widget()->children())
            if (auto* w = qobject_cast<QWidget*>(o);
                w && !w->isWindow() && !w->property(kHiddenProperty).toBool() && !holderOf(w))
                out.push_back(w);
        return out;
    }
};

class LabelAccessible : public ControlAccessible {
public:
    explicit LabelAccessible(QWidget* w) : ControlAccessible(w, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const Label*>(widget())->text();
        return ControlAccessible::text(t);
    }
};

// Anything that can be pressed: its press action runs its click.
class PressableAccessible : public ControlAccessible {
public:
    PressableAccessible(QWidget* w, void (*press)(QWidget*)) : ControlAccessible(w, QAccessible::Button), press_(press)
    {
    }

    QStringList actionNames() const override
    {
        QStringList names{pressAction()};
        if (widget()->isEnabled())
            names << setFocusAction();
        return names;
    }

    void doAction(const QString& name) override
    {
        if (!widget()->isEnabled())
            return;
        if (name == pressAction())
            press_(widget());
        else if (name == setFocusAction())
            widget()->setFocus(Qt::OtherFocusReason);
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    QAccessible::State state() const override
    {
        QAccessible::State s = ControlAccessible::state();
        s.focusable = true;  // a scene's objects are reached with the arrow keys
        if (auto* b = qobject_cast<QAbstractButton*>(widget()))
            s.pressed = b->isDown();
        return s;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            if (auto* b = qobject_cast<QAbstractButton*>(widget()))
                return QString(b->text()).remove(QLatin1Char('&'));
        return ControlAccessible::text(t);
    }

private:
    void (*press_)(QWidget*);
};

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* w = static_cast<QWidget*>(object);
    if (className == QLatin1String("ayat::Hotspot"))
        return new PressableAccessible(w, [](QWidget* h) { emit static_cast<Hotspot*>(h)->clicked(); });
    if (className == QLatin1String("ayat::PictureButton"))
        return new PressableAccessible(w, [](QWidget* b) { static_cast<PictureButton*>(b)->click(); });
    if (className == QLatin1String("ayat::Label"))
        return new LabelAccessible(w);
    if (className == QLatin1String("ayat::Picture"))
        return new ControlAccessible(w, QAccessible::Graphic);
    if (className == QLatin1String("ayat::Panel"))
        return new PanelAccessible(w);
    return nullptr;
}

// Sends screen readers every change of what is showing in a container, once
// the show or hide at hand is handled (Qt's own events for it come after the
// Show and Hide events, before what is queued then: platform/screen_reader_bus.h
// fences that in): what a panel or a picture now covers or uncovers, and what
// Qt reported showing although it lies covered.
class ShowingReporter : public QObject {
public:
    explicit ShowingReporter(QWidget* container) : QObject(container), container_(container)
    {
        watch(container);
        for (QWidget* w : container->findChildren<QWidget*>()) {
            if (qobject_cast<Panel*>(w) || qobject_cast<Picture*>(w))
                watch(w);
            record(w);
        }
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if ((event->type() == QEvent::Show || event->type() == QEvent::Hide) && !pending_) {
            pending_ = true;
            QMetaObject::invokeMethod(this, &ShowingReporter::report, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void watch(QWidget* w) { w->installEventFilter(this); }

    static int record(QWidget* w)
    {
        const int was = w->property(kReportedProperty).toInt();
        w->setProperty(kReportedProperty, (w->isVisible() ? kShown : 0) | (showing(w) ? kShowing : 0));
        return was;
    }

    void report()
    {
        pending_ = false;
        for (QWidget* w : container_->findChildren<QWidget*>()) {
            const int was = record(w);
            const int now = w->property(kReportedProperty).toInt();
            const bool showingChanged = (was & kShowing) != (now & kShowing);
            // Qt reports a control that was shown or hidden as showing or not.
            const bool qtTold = (was & kShown) != (now & kShown);
            const bool qtWrong = qtTold && bool(now & kShown) != bool(now & kShowing);
            if (!QAccessible::isActive())
                continue;
            if ((showingChanged && !qtTold) || qtWrong) {
                QAccessibleEvent e(w, now & kShowing ? QAccessible::ObjectShow : QAccessible::ObjectHide);
                QAccessible::updateAccessibility(&e);
            }
            if (showingChanged)
                reportVisibleToScreenReaders(w, now & kShowing);
        }
    }

    QWidget* container_;
    bool pending_ = false;
};

}  // namespace

void installAccessibleControls()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
}

void reportShowingIn(QWidget* container) { new ShowingReporter(container); }

void hideFromScreenReaders(QWidget* control) { control->setProperty(kHiddenProperty, true); }

void presentAsNotice(QWidget* control) { control->setProperty(kNoticeProperty, true); }

void presentInside(QWidget* holder, const std::vector<QWidget*>& members)
{
    for (std::size_t i = 0; i < members.size(); ++i) {
        members[i]->setProperty(kHolderProperty, QVariant::fromValue(static_cast<QObject*>(holder)));
        members[i]->setProperty(kPlaceProperty, int(i));
    }
}

void reportShownAgain(QWidget* control)
{
    if (!QAccessible::isActive() || !showing(control))
        return;
    QAccessibleEvent e(control, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&e);
}

namespace {

// What of w is seen in its container: a transparent label shows its text alone.
QRect seenArea(const QWidget* w)
{
    auto* label = qobject_cast<const Label*>(w);
    if (!label || !label->transparent())
        return w->geometry();
    const QFontMetrics metrics(label->font());
    const QStringList lines = label->lines();
    int width = 0;
    for (const QString& line : lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    const QRect text(label->textArea().topLeft(), QSize(width, int(lines.size()) * metrics.height()));
    return text.translated(label->pos()) & label->geometry();
}

}  // namespace

bool isCovered(const QWidget* w)
{
    for (const QWidget* a = w; a && !a->isWindow(); a = a->parentWidget()) {
        const QWidget* parent = a->parentWidget();
        if (!parent)
            break;
        const QObjectList& siblings = parent->children();
        // Later children lie above earlier ones.
        for (qsizetype i = siblings.indexOf(const_cast<QWidget*>(a)) + 1; i > 0 && i < siblings.size(); ++i) {
            auto* above = qobject_cast<QWidget*>(siblings[i]);
            if ((qobject_cast<Panel*>(above) || qobject_cast<Picture*>(above)) && !above->isHidden()
                && above->geometry().contains(seenArea(a)))
                return true;
        }
    }
    return false;
}

}  // namespace ayat
