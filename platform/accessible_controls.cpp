#include "platform/accessible_controls.h"

#include <vector>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QtGlobal>

#include "platform/widgets.h"

namespace ayat {
namespace {

constexpr const char* kHiddenProperty = "ayatHiddenFromScreenReaders";

// Every control of the program: reported as not showing while covered.
class ControlAccessible : public QAccessibleWidget {
public:
    ControlAccessible(QWidget* w, QAccessible::Role role) : QAccessibleWidget(w, role) {}

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (!s.invisible && isCovered(widget()))
            s.offscreen = true;
        return s;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Description && widget()->accessibleDescription().isEmpty())
            return widget()->toolTip();
        return QAccessibleWidget::text(t);
    }
};

// A panel: its children but those hidden from screen readers.
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
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto children = exposed();
        for (std::size_t i = 0; i < children.size(); ++i)
            if (child && child->object() == children[i])
                return int(i);
        return -1;
    }

private:
    std::vector<QWidget*> exposed() const
    {
        std::vector<QWidget*> out;
        for (QObject* o : widget()->children())
            if (auto* w = qobject_cast<QWidget*>(o); w && !w->isWindow() && !w->property(kHiddenProperty).toBool())
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

// Sends a screen reader the new showing state of everything a panel covers
// or uncovers.
class CoveringReporter : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if ((event->type() == QEvent::Show || event->type() == QEvent::Hide) && QAccessible::isActive()) {
            auto* panel = static_cast<QWidget*>(watched);
            QAccessible::State changed;
            changed.offscreen = true;
            for (QWidget* w : panel->parentWidget()->findChildren<QWidget*>())
                if (w != panel && !panel->isAncestorOf(w) && !w->isHidden()) {
                    QAccessibleStateChangeEvent e(w, changed);
                    QAccessible::updateAccessibility(&e);
                }
        }
        return false;
    }
};

} // namespace

void installAccessibleControls()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
}

void reportCoveringOf(QWidget* container)
{
    auto* reporter = new CoveringReporter(container);
    for (QObject* o : container->children())
        if (auto* panel = qobject_cast<Panel*>(o))
            panel->installEventFilter(reporter);
}

void hideFromScreenReaders(QWidget* control) { control->setProperty(kHiddenProperty, true); }

bool isCovered(const QWidget* w)
{
    for (const QWidget* a = w; a && !a->isWindow(); a = a->parentWidget()) {
        const QWidget* parent = a->parentWidget();
        if (!parent)
            break;
        const QObjectList& siblings = parent->children();
        // Later children lie above earlier ones.
        for (qsizetype i = siblings.indexOf(const_cast<QWidget*>(a)) + 1; i > 0 && i < siblings.size(); ++i) {
            auto* panel = qobject_cast<Panel*>(siblings[i]);
            if (panel && !panel->isHidden() && panel->geometry().contains(a->geometry()))
                return true;
        }
    }
    return false;
}

void announceText(QWidget* label, const QString& text)
{
    // The label tells of its new name itself (QLabel::setText).
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (!QAccessible::isActive())
        return;
    QAccessibleAnnouncementEvent announcement(label, text);
    QAccessible::updateAccessibility(&announcement);
#else
    Q_UNUSED(label);
    Q_UNUSED(text);
#endif
}

} // namespace ayat
