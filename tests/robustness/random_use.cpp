#include "random_use.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "app/main_window.h"
#include "sections/tables/section_tables.h"
#include "sound/sound.h"

namespace robust {
namespace {

// The panels cover the client area but its rightmost pixel column (9495 twips).
const QRect kPanelArea(0, 0, 9495 / 15, 6375 / 15);

QString quoted(const std::vector<std::string>& names)
{
    QStringList out;
    for (const std::string& n : names)
        out << QLatin1Char('"') + QString::fromStdString(n) + QLatin1Char('"');
    return QLatin1Char('[') + out.join(QStringLiteral(", ")) + QLatin1Char(']');
}

QString nameOf(const QWidget* w)
{
    if (!w)
        return QStringLiteral("(none)");
    QString name = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
    if (const QWidget* p = w->parentWidget(); p && !p->objectName().isEmpty())
        name = p->objectName() + QLatin1Char('/') + name;
    return name;
}

// Runs the event loop until cond holds or ms pass.
bool waitFor(const std::function<bool()>& cond, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!cond()) {
        if (clock.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QTest::qSleep(1);
    }
    return true;
}

QAction* menuAction(const ayat::MainWindow* w, const char* name)
{
    return w->findChild<QAction*>(QString::fromLatin1(name));
}

// The top-level menu that holds an entry.
QAction* menuHolding(const ayat::MainWindow* w, const QAction* entry)
{
    for (QAction* top : w->menuBar()->actions())
        if (top->menu() && top->menu()->actions().contains(const_cast<QAction*>(entry)))
            return top;
    return nullptr;
}

}  // namespace

struct RandomUser::Planned {
    enum Route { Click, RightClick, Trigger, MenuKeys, MenuPointer, MenuDismiss, Key };
    Route route = Click;
    QPoint at;                  // Click, RightClick: in the client area
    QWidget* target = nullptr;  // what receives the click or the key
    const MenuEntry* entry = nullptr;
    Qt::Key key = Qt::Key_unknown;
    Qt::KeyboardModifiers modifiers;
    int sceneSection = -1;  // Key: an arrow key, Home or End on this section's scene object
    SceneKey sceneKey = SceneKey::Next;
    Command command;  // what the action sets off
    QString token;    // for the log
};

RandomUser::RandomUser(std::uint64_t start) : start_(start), rng_(start) {}

RandomUser::~RandomUser() = default;

std::uint64_t RandomUser::next(std::uint64_t n) { return n <= 1 ? 0 : rng_() % n; }

void RandomUser::note(const QString& token)
{
    log_ << token;
    if (logLimit > 0 && log_.size() > logLimit)
        log_.removeFirst();
}

QString RandomUser::log() const
{
    QString out;
    int column = 0;
    for (const QString& t : log_) {
        if (column + t.size() > 110) {
            out += QLatin1Char('\n');
            column = 0;
        } else if (column > 0) {
            out += QLatin1Char(' ');
            ++column;
        }
        out += t;
        column += int(t.size());
    }
    return out;
}

QString RandomUser::attach(ayat::MainWindow* window)
{
    window_ = window;
    model_ = Model{};
    controls_.clear();
    panels_.fill(nullptr);
    if (!window)
        return {};
    client_ = window->centralWidget();
    if (!client_)
        return QStringLiteral("the main window has no client area");
    for (int i = 0; i < kPanelCount; ++i) {
        panels_[std::size_t(i)] =
            client_->findChild<QWidget*>(QString::fromLatin1(panelName(i)), Qt::FindDirectChildrenOnly);
        if (!panels_[std::size_t(i)])
            return QStringLiteral("no panel %1 in the client area").arg(QString::fromLatin1(panelName(i)));
    }
    const auto all = client_->findChildren<QWidget*>();
    for (QWidget* w : all)
        controls_.emplace_back(w);
    controlCount_ = int(all.size());
    note(QStringLiteral("new"));
    return check();
}

QWidget* RandomUser::panelOf(QWidget* control) const
{
    for (QWidget* w = control; w && w != client_; w = w->parentWidget())
        if (w->parentWidget() == client_)
            return std::find(panels_.begin(), panels_.end(), w) != panels_.end() ? w : nullptr;
    return nullptr;
}

Command RandomUser::commandOf(QWidget* control) const
{
    Command c;
    if (!control || control == client_)
        return c;
    const std::string name = control->objectName().toStdString();
    QWidget* panel = panelOf(control);
    if (!panel) {
        if (control->parentWidget() == client_) {
            c.kind = Command::Home;
            c.name = name;
        }
        return c;
    }
    if (control->parentWidget() != panel)
        return c;
    const int p = int(std::find(panels_.begin(), panels_.end(), panel) - panels_.begin());
    c.name = name;
    if (p == kHelp && name == "Command5") {
        c.kind = Command::InfoExit;
        c.panel = kHelp;
    } else if (p == kAbout && name == "Command6") {
        c.kind = Command::InfoExit;
        c.panel = kAbout;
    }
    const int s = sectionOfPanel(p);
    if (s < 0)
        return c;
    const ayat::SectionDescription& d = *ayat::allSections()[std::size_t(s)];
    c.section = s;
    if (name == d.names.play)
        c.kind = Command::Play;
    else if (name == d.names.stop)
        c.kind = Command::Stop;
    else if (name == d.names.exit)
        c.kind = Command::SectionExit;
    for (std::size_t i = 0; i < d.items.size(); ++i)
        for (const auto& h : d.items[i].hotspots)
            if (name == h.name) {
                c.kind = Command::Hotspot;
                c.item = int(i);
            }
    return c;
}

QWidget* RandomUser::focusWidget() const { return QApplication::focusWidget(); }

namespace {

// The controls that take the keyboard focus on a screen, in Tab order: in a
// section, its three buttons and then the object of its scene that holds the stop.
std::vector<QWidget*> focusCycle(QWidget* client, QWidget* panel, int screen, const Model& model)
{
    std::vector<const char*> names;
    QWidget* holder = panel;
    if (screen == kHome) {
        names.assign(kHomeFocusOrder.begin(), kHomeFocusOrder.end());
        holder = client;
    } else if (screen == kHelp) {
        names = {"Command5"};
    } else if (screen == kAbout) {
        names = {"Command6"};
    } else {
        const int section = sectionOfPanel(screen);
        const auto& order = ayat::allSections()[std::size_t(section)]->focusOrder;
        names.assign(order.begin(), order.end());
        names.push_back(objectControl(section, model.sceneStop[std::size_t(section)]));
    }
    std::vector<QWidget*> cycle;
    for (const char* n : names)
        cycle.push_back(holder->findChild<QWidget*>(QString::fromLatin1(n), Qt::FindDirectChildrenOnly));
    return cycle;
}

// Controls that take the focus when clicked with the mouse.
bool takesFocusOnClick(const Command& c)
{
    switch (c.kind) {
    case Command::Play:
    case Command::Stop:
    case Command::SectionExit:
    case Command::InfoExit:
        return true;
    case Command::Home:
        return c.name == "about" || c.name == "CommandButton10";
    default:
        return false;
    }
}

}  // namespace

QString RandomUser::checkHitAt(QPoint at, QWidget* hit) const
{
    const int seen = model_.seen();
    const QString where = QStringLiteral("a click at (%1, %2) reached %3").arg(at.x()).arg(at.y()).arg(nameOf(hit));
    if (!kPanelArea.contains(at)) {
        if (hit)
            return where + QStringLiteral(", where no control lies");
        return {};
    }
    QWidget* panel = panelOf(hit);
    if (seen == kHome) {
        if (panel || (hit && hit->parentWidget() != client_))
            return where + QStringLiteral(", but the home screen is seen");
        return {};
    }
    if (panel != panels_[std::size_t(seen)])
        return where + QStringLiteral(", but %1 is seen").arg(QString::fromLatin1(panelName(seen)));
    return {};
}

QString RandomUser::checkPanels() const
{
    if (!window_->isVisible())
        return QStringLiteral("the main window is no longer shown");
    for (int i = 0; i < kPanelCount; ++i) {
        const bool shown = !panels_[std::size_t(i)]->isHidden();
        if (shown != model_.shown[std::size_t(i)])
            return QStringLiteral("panel %1 is %2, it should be %3")
                .arg(QString::fromLatin1(panelName(i)), shown ? "shown" : "hidden", shown ? "hidden" : "shown");
    }
    return {};
}

QString RandomUser::checkSections() const
{
    const auto sections = ayat::allSections();
    for (int s = 0; s < kSectionCount; ++s) {
        const ayat::SectionDescription& d = *sections[std::size_t(s)];
        QWidget* panel = panels_[std::size_t(panelOfSection(s))];
        auto control = [&](const char* name) {
            return panel->findChild<QWidget*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
        };
        std::vector<int> visible;
        for (std::size_t i = 0; i < d.items.size(); ++i)
            if (QWidget* picture = control(d.items[i].pictureKey()); picture && !picture->isHidden())
                visible.push_back(int(i));
        auto* verse = qobject_cast<QLabel*>(control(d.names.verseBox));
        auto* recitation = qobject_cast<QLabel*>(control(d.names.recitation));
        if (!verse || !recitation)
            return QStringLiteral("section %1 lost its verse box or recitation label").arg(d.panelName);
        const QString prefix = QStringLiteral("section %1: ").arg(d.panelName);
        if (visible.size() > 1)
            return prefix + QStringLiteral("%1 item pictures visible at once").arg(visible.size());
        if (!recitation->isHidden())
            return prefix + QStringLiteral("the recitation name label is shown");
        if (visible.empty()) {
            if (verse->text() != QLatin1String("no verse to translate") || !recitation->text().isEmpty())
                return prefix
                    + QStringLiteral("no item picture shown, but the verse box reads '%1' and the label '%2'")
                          .arg(verse->text().left(40), recitation->text());
        } else {
            const ayat::SectionItem& item = d.items[std::size_t(visible[0])];
            if (verse->text() != QLatin1String(item.verse->english)
                || recitation->text() != QLatin1String(item.verse->recitation))
                return prefix
                    + QStringLiteral("picture %1 shown beside the verse '%2' and the label '%3'")
                          .arg(item.pictureKey(), verse->text().left(40), recitation->text());
        }
        const int shown = visible.empty() ? -1 : visible[0];
        if (shown != model_.selected[std::size_t(s)]) {
            auto label = [&](int i) {
                return i < 0 ? QStringLiteral("nothing") : QString::fromLatin1(d.items[std::size_t(i)].pictureKey());
            };
            return prefix
                + QStringLiteral("shows %1 selected, it should show %2")
                      .arg(label(shown), label(model_.selected[std::size_t(s)]));
        }
    }
    return {};
}

QString RandomUser::checkControlsKept() const
{
    for (const QPointer<QWidget>& w : controls_)
        if (!w)
            return QStringLiteral("a control of the main window was destroyed");
    const int count = int(client_->findChildren<QWidget*>().size());
    if (count != controlCount_)
        return QStringLiteral("the client area held %1 widgets at start and holds %2 now")
            .arg(controlCount_)
            .arg(count);
    return {};
}

QString RandomUser::check()
{
    if (!window_)
        return {};
    if (QString e = checkPanels(); !e.isEmpty())
        return e;
    if (QString e = checkSections(); !e.isEmpty())
        return e;
    if (QString e = checkControlsKept(); !e.isEmpty())
        return e;
    // A couple of points anywhere: what lies on top there belongs to the seen screen.
    for (int i = 0; i < 2; ++i) {
        const QPoint at(int(next(std::uint64_t(client_->width()))), int(next(std::uint64_t(client_->height()))));
        if (QString e = checkHitAt(at, client_->childAt(at)); !e.isEmpty())
            return QStringLiteral("probe: ") + e;
    }
    if (window_->isActiveWindow()) {
        QWidget* focus = focusWidget();
        const int seen = model_.seen();
        const auto cycle = focusCycle(client_, seen == kHome ? nullptr : panels_[std::size_t(seen)], seen, model_);
        if (std::find(cycle.begin(), cycle.end(), focus) == cycle.end())
            return QStringLiteral("the keyboard focus lies on %1, which is not on the seen screen").arg(nameOf(focus));
    }
    return {};
}

QString RandomUser::planClick(Planned& plan)
{
    const QRect area = client_->rect();
    QPoint at;
    if (next(2) == 0) {
        at = QPoint(int(next(std::uint64_t(area.width()))), int(next(std::uint64_t(area.height()))));
    } else {
        // Aimed at a control: mostly one of the seen screen, else any, covered or not.
        std::vector<QWidget*> candidates;
        const int seen = model_.seen();
        QWidget* holder = seen == kHome ? client_ : panels_[std::size_t(seen)];
        if (next(10) < 7) {
            for (QObject* o : holder->children())
                if (auto* w = qobject_cast<QWidget*>(o);
                    w && std::find(panels_.begin(), panels_.end(), w) == panels_.end())
                    candidates.push_back(w);
        }
        if (candidates.empty())
            for (const QPointer<QWidget>& w : controls_)
                candidates.push_back(w);
        QWidget* aim = candidates[std::size_t(next(candidates.size()))];
        const QRect r = QRect(aim->mapTo(client_, QPoint(0, 0)), aim->size()).intersected(area);
        if (r.isEmpty())
            at = area.center();
        else
            at = r.topLeft() + QPoint(int(next(std::uint64_t(r.width()))), int(next(std::uint64_t(r.height()))));
    }
    plan.at = at;
    QWidget* hit = client_->childAt(at);
    if (QString e = checkHitAt(at, hit); !e.isEmpty())
        return e;
    plan.target = hit ? hit : client_;
    plan.route = next(100) < 5 ? Planned::RightClick : Planned::Click;
    plan.command = plan.route == Planned::Click ? commandOf(hit) : Command{};
    plan.token = QStringLiteral("%1%2,%3").arg(plan.route == Planned::Click ? "c" : "r").arg(at.x()).arg(at.y());
    return {};
}

QString RandomUser::planMenu(Planned& plan)
{
    // File > Exit ends the run: chosen far less often than the others.
    std::uint64_t r = next(71);
    const MenuEntry* entry = r == 0 ? &kMenuEntries[0] : &kMenuEntries[1 + (r - 1) / 10];
    plan.entry = entry;
    plan.command.kind = Command::Menu;
    plan.command.name = entry->name;
    const std::uint64_t route = menuRoutes ? next(100) : 0;
    if (route < 80) {
        plan.route = Planned::Trigger;
        plan.token = QStringLiteral("m:%1").arg(entry->name);
    } else if (route < 92) {
        plan.route = Planned::MenuKeys;
        plan.token = QStringLiteral("k:%1").arg(entry->name);
    } else if (route < 97) {
        plan.route = Planned::MenuPointer;
        plan.token = QStringLiteral("p:%1").arg(entry->name);
    } else {
        plan.route = Planned::MenuDismiss;
        plan.command = Command{};
        plan.token = QStringLiteral("esc:%1").arg(QLatin1Char(entry->menuKey));
    }
    return {};
}

QString RandomUser::planKey(Planned& plan)
{
    static const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* token;
        int weight;
    } keys[] = {{Qt::Key_Tab, Qt::NoModifier, "Tab", 30},     {Qt::Key_Backtab, Qt::ShiftModifier, "S-Tab", 20},
                {Qt::Key_Space, Qt::NoModifier, "Space", 25}, {Qt::Key_Return, Qt::NoModifier, "Ret", 15},
                {Qt::Key_Escape, Qt::NoModifier, "Esc", 10},  {Qt::Key_Right, Qt::NoModifier, "Right", 12},
                {Qt::Key_Down, Qt::NoModifier, "Down", 8},    {Qt::Key_Left, Qt::NoModifier, "Left", 8},
                {Qt::Key_Up, Qt::NoModifier, "Up", 5},        {Qt::Key_Home, Qt::NoModifier, "Home", 4},
                {Qt::Key_End, Qt::NoModifier, "End", 3}};
    int r = int(next(140));
    for (const auto& k : keys) {
        if ((r -= k.weight) >= 0)
            continue;
        plan.route = Planned::Key;
        plan.key = k.key;
        plan.modifiers = k.modifiers;
        plan.token = QStringLiteral("K:%1").arg(k.token);
        break;
    }
    QWidget* focus = focusWidget();
    plan.target = focus ? focus : window_;
    if (plan.key == Qt::Key_Space || plan.key == Qt::Key_Return)
        plan.command = commandOf(focus);
    // The keys that walk a scene, pressed on the scene's object that has the focus.
    const Command on = commandOf(focus);
    if (on.kind == Command::Hotspot && focus->objectName() == QLatin1String(objectControl(on.section, on.item))) {
        const struct {
            Qt::Key key;
            SceneKey move;
        } walks[] = {{Qt::Key_Right, SceneKey::Next},    {Qt::Key_Down, SceneKey::Next},
                     {Qt::Key_Left, SceneKey::Previous}, {Qt::Key_Up, SceneKey::Previous},
                     {Qt::Key_Home, SceneKey::First},    {Qt::Key_End, SceneKey::Last}};
        for (const auto& w : walks)
            if (plan.key == w.key) {
                plan.sceneSection = on.section;
                plan.sceneKey = w.move;
            }
    }
    return {};
}

QString RandomUser::perform(const Planned& plan)
{
    auto popup = [] { return QApplication::activePopupWidget(); };
    // The platform activates a menu that opens; that is waited for while the
    // menu is open, so that it does not arrive after the menu has closed.
    auto menuOpened = [&] {
        if (!waitFor([&] { return popup() != nullptr; }, 1000))
            return false;
        waitFor([&] { return popup() && QGuiApplication::focusWindow() == popup()->windowHandle(); }, 300);
        return true;
    };
    auto openMenu = [&](char key) -> QString {
        QTest::keyClick(window_, Qt::Key(key), Qt::AltModifier);
        if (!menuOpened())
            return QStringLiteral("Alt+%1 opened no menu").arg(QLatin1Char(key));
        return {};
    };
    auto menuClosed = [&]() -> QString {
        if (!waitFor([&] { return popup() == nullptr; }, 1000))
            return QStringLiteral("a menu stayed open");
        // Escape from a menu leaves the menu bar in keyboard mode: one more leaves it.
        if (qobject_cast<QMenuBar*>(focusWidget()))
            QTest::keyClick(focusWidget(), Qt::Key_Escape);
        // The offscreen platform, having no window manager, may leave the closed
        // menu as the active window; a window manager gives the activation back
        // to the window the menu belongs to.
        auto active = [&] {
            return window_->isActiveWindow() && QGuiApplication::focusWindow() == window_->windowHandle();
        };
        if (!active() && window_->isVisible()) {
            window_->activateWindow();
            if (!waitFor(active, 1000))
                return QStringLiteral("the main window did not become active again after a menu closed");
        }
        return {};
    };

    switch (plan.route) {
    case Planned::Click:
    case Planned::RightClick: {
        const QPoint local = plan.target == client_ ? plan.at : plan.target->mapFrom(client_, plan.at);
        QTest::mouseClick(plan.target, plan.route == Planned::Click ? Qt::LeftButton : Qt::RightButton, {}, local);
        return {};
    }
    case Planned::Trigger:
        menuAction(window_, plan.entry->name)->trigger();
        return {};
    case Planned::MenuKeys: {
        if (QString e = openMenu(plan.entry->menuKey); !e.isEmpty())
            return e;
        if (plan.entry->entryKey) {
            QTest::keyClick(popup(), Qt::Key(plan.entry->entryKey));
        } else {
            auto* menu = qobject_cast<QMenu*>(popup());
            for (int i = 0; menu && i < 6; ++i) {
                if (menu->activeAction() && menu->activeAction()->objectName() == QLatin1String(plan.entry->name))
                    break;
                QTest::keyClick(menu, Qt::Key_Down);
            }
            QTest::keyClick(popup(), Qt::Key_Return);
        }
        return menuClosed();
    }
    case Planned::MenuPointer: {
        // The pointer goes through the windows, as the platform's pointer does:
        // a menu judges a click by where the pointer was when it opened, which
        // events sent to a widget straight leave unknown (since Qt 6.5 such a
        // click only closes the menu).
        QAction* entry = menuAction(window_, plan.entry->name);
        QAction* top = menuHolding(window_, entry);
        QMenuBar* bar = window_->menuBar();
        auto pointAndClick = [](QWidget* widget, QPoint at) {
            QWindow* window = widget->window()->windowHandle();
            at = widget->mapTo(widget->window(), at);
            QTest::mouseMove(window, at);
            QTest::mouseClick(window, Qt::LeftButton, {}, at);
        };
        pointAndClick(bar, bar->actionGeometry(top).center());
        if (!menuOpened() || popup() != top->menu())
            return QStringLiteral("a click on the menu bar opened no menu");
        pointAndClick(top->menu(), top->menu()->actionGeometry(entry).center());
        return menuClosed();
    }
    case Planned::MenuDismiss: {
        if (QString e = openMenu(plan.entry->menuKey); !e.isEmpty())
            return e;
        QTest::keyClick(popup(), Qt::Key_Escape);
        return menuClosed();
    }
    case Planned::Key:
        QTest::keyClick(plan.target, plan.key, plan.modifiers);
        return {};
    }
    return {};
}

QString RandomUser::checkFocus(const Planned& plan, int seenBefore, QWidget* focusBefore) const
{
    if (!window_->isActiveWindow())
        return {};
    const int seen = model_.seen();
    const auto cycle = focusCycle(client_, seen == kHome ? nullptr : panels_[std::size_t(seen)], seen, model_);
    QWidget* focus = focusWidget();
    const auto at = std::find(cycle.begin(), cycle.end(), focusBefore);
    QWidget* expected = nullptr;
    // On a button the arrow keys move as Tab (right, down) and Shift+Tab (left, up) do.
    const bool key = plan.route == Planned::Key && plan.sceneSection < 0;
    const bool forward = key && (plan.key == Qt::Key_Tab || plan.key == Qt::Key_Right || plan.key == Qt::Key_Down);
    const bool backward = key && (plan.key == Qt::Key_Backtab || plan.key == Qt::Key_Left || plan.key == Qt::Key_Up);
    if (plan.route == Planned::Key && plan.sceneSection >= 0) {
        expected = cycle.back();  // the object the model moved the stop to
    } else if (forward || backward) {
        if (at == cycle.end())
            return {};  // anywhere on the seen screen, checked already
        const std::size_t n = cycle.size(), i = std::size_t(at - cycle.begin());
        expected = cycle[forward ? (i + 1) % n : (i + n - 1) % n];
    } else if (seen != seenBefore || at == cycle.end()) {
        return {};
    } else if (plan.route == Planned::Click && takesFocusOnClick(plan.command)) {
        expected = plan.target;
    } else if (plan.route == Planned::RightClick && focus == plan.target) {
        return {};
    } else {
        expected = focusBefore;
    }
    if (focus != expected)
        return QStringLiteral("the keyboard focus went to %1 instead of %2").arg(nameOf(focus), nameOf(expected));
    return {};
}

QString RandomUser::step()
{
    if (!window_)
        return QStringLiteral("no main window to use");
    Planned plan;
    Model after;
    Outcome outcome;
    for (int attempt = 0;; ++attempt) {
        plan = Planned{};
        const std::uint64_t kind = next(100);
        const QString e = kind < 60 ? planClick(plan) : kind < 80 ? planMenu(plan) : planKey(plan);
        if (!e.isEmpty()) {
            note(plan.token.isEmpty() ? QStringLiteral("?") : plan.token);
            return e;
        }
        after = model_;
        outcome = after.apply(plan.command);
        if (plan.sceneSection >= 0)
            after.moveSceneStop(plan.sceneSection, plan.sceneKey);
        if (allowEnd || !outcome.ends || attempt > 50)
            break;
    }
    note(plan.token);
    ++actions_;
    ++commands_[std::size_t(plan.command.kind)];

    QWidget* focusBefore = focusWidget();
    const int seenBefore = model_.seen();
    requests_.clear();
    QString error;
    if (outcome.ends) {
        // The end command leaves the event loop: run the action inside one.
        QTimer::singleShot(0, window_, [&] { error = perform(plan); });
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
        guard.start(3000);
        const int code = QCoreApplication::exec();
        if (error.isEmpty() && code != 0)
            error = QStringLiteral("the program did not end (event loop result %1)").arg(code);
    } else {
        error = perform(plan);
    }
    if (!error.isEmpty())
        return error;
    if (settleSounds && !requests_.empty())
        ayat::sound::waitUntilIdleForTesting();
    // The keyboard checks need the window active: it must not lose the activation.
    if (menuRoutes && !outcome.ends && !window_->isActiveWindow())
        return QStringLiteral("the main window is no longer the active window");

    if (requests_ != outcome.sounds)
        return QStringLiteral("sounds requested %1, expected %2").arg(quoted(requests_), quoted(outcome.sounds));

    if (outcome.ends) {
        if (window_->isVisible())
            return QStringLiteral("the program ended but the main window is still shown");
        ++ended_;
        ayat::MainWindow* fresh = makeWindow ? makeWindow() : nullptr;
        return attach(fresh);
    }
    model_ = after;
    if (QString e = check(); !e.isEmpty())
        return e;
    return checkFocus(plan, seenBefore, focusBefore);
}

namespace {
QtMessageHandler previousHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg
        && (message == QLatin1String("This plugin does not support grabbing the keyboard")
            || message == QLatin1String("This plugin does not support raise()")))
        return;
    if (previousHandler)
        previousHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}
}  // namespace

void quietOffscreenWarnings()
{
    QtMessageHandler old = qInstallMessageHandler(quietHandler);
    if (old != quietHandler)
        previousHandler = old;
}

int scaledActions(int normal)
{
#if defined(__SANITIZE_ADDRESS__)
    return std::max(1, normal / 5);
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    return std::max(1, normal / 5);
#else
    return normal;
#endif
#else
    return normal;
#endif
}

std::uint64_t startValueFromArguments(int& argc, char** argv, std::uint64_t fallback)
{
    std::uint64_t value = fallback;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--start") != 0)
            continue;
        value = std::strtoull(argv[i + 1], nullptr, 0);
        for (int j = i; j + 2 <= argc; ++j)
            argv[j] = argv[j + 2];
        argc -= 2;
        break;
    }
    return value;
}

}  // namespace robust
