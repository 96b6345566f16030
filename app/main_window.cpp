#include "app/main_window.h"

#include <QEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>

#include "app/home_screen.h"
#include "app/program.h"
#include "panels/info_panels.h"
#include "platform/accessible_controls.h"
#include "platform/twips.h"
#include "sections/section_screen.h"
#include "sections/tables/section_tables.h"

namespace ayat {
namespace {

constexpr const char* kCaption = "Ayat Explorer";
// Where the client area's top-left corner opens on the screen, in twips.
constexpr int kClientLeft = 45, kClientTop = 615;

// The menu bar, in order. Level 1 items are the menus on the bar; level 2 items
// their entries. An "&" marks the access key; "-" is a separator.
struct MenuItem {
    const char* name;
    const char* caption;
    int level;
    void (MainWindow::*handler)();
};

constexpr MenuItem kMenu[] = {
    {"file", "&File", 1, nullptr},
    {"exit", "E&xit", 2, &MainWindow::exit_Click},
    {"cat", "&Category", 1, nullptr},
    {"naturemnu", "&Nature", 2, &MainWindow::naturemnu_Click},
    {"spacemnu", "&Space", 2, &MainWindow::spacemnu_Click},
    {"foodsmnu", "&Foods", 2, &MainWindow::foodsmnu_Click},
    {"animalsmnu", "&Animals", 2, &MainWindow::animalsmnu_Click},
    {"spacer2mnu", "-", 2, nullptr},
    {"mainmnu", "&Main", 2, &MainWindow::mainmnu_Click},
    {"helpmnu", "&Help", 1, nullptr},
    {"proghelpmnu", "Program help", 2, &MainWindow::proghelpmnu_Click},
    {"aboutmnu", "A&bout", 2, &MainWindow::aboutmnu_Click},
};

} // namespace

MainWindow::MainWindow() : assets_()
{
    installAccessibleControls();  // screen reader: before any control exists
    setObjectName(QStringLiteral("main"));
    setWindowTitle(QString::fromLatin1(kCaption));
    setWindowIcon(assets_.windowIcon("mainicon"));
    setAttribute(Qt::WA_DeleteOnClose);

    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    client_->setFixedSize(toPixels(kClientWidth, kClientHeight));
    client_->setAutoFillBackground(true);
    setCentralWidget(client_);

    // The home screen lies beneath every panel, so it is made first.
    home_ = std::make_unique<HomeScreen>(client_, assets_, [this](std::string_view name) { stack_->show(name); });
    stack_ = std::make_unique<PanelStack>(client_);
    for (const SectionDescription* d : allSections())
        sections_.push_back(std::make_unique<SectionScreen>(*d, stack_->panel(d->panel), assets_));
    buildHelpPanel(stack_->panel("help"), assets_);
    buildAboutPanel(stack_->panel("aboutprog"), assets_);

    for (const char* name : PanelStack::kOrder)
        stack_->panel(name)->installEventFilter(this);
    reportCoveringOf(client_);  // screen reader: a covered screen is not showing

    buildMenuBar();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    home_->takeInitialFocus();

    // The window opens with its client area, below the menu bar, at its designed place.
    adjustSize();
    const QPoint clientAt = toPixels(Twips{kClientLeft, kClientTop, 0, 0}).topLeft();
    setGeometry(QRect(clientAt - QPoint(0, menuBar()->sizeHint().height()), size()));
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenuBar()
{
    QMenu* menu = nullptr;
    for (const MenuItem& item : kMenu) {
        const QString name = QString::fromLatin1(item.name);
        if (item.level == 1) {
            menu = menuBar()->addMenu(QString::fromLatin1(item.caption));
            menu->setObjectName(name);
            menu->menuAction()->setObjectName(name);
            continue;
        }
        QAction* action = std::string_view(item.caption) == "-" ? menu->addSeparator()
                                                                           : menu->addAction(QString::fromLatin1(item.caption));
        action->setObjectName(name);
        if (item.handler)
            connect(action, &QAction::triggered, this, item.handler);
    }
}

SectionScreen& MainWindow::section(std::string_view panelName) const
{
    for (const auto& s : sections_)
        if (panelName == s->description().panel)
            return *s;
    qFatal("no section named %.*s", int(panelName.size()), panelName.data());
}

QWidget* MainWindow::seenScreen() const
{
    for (const char* name : PanelStack::kOrder)
        if (Panel* p = stack_->panel(name); p->isVisibleTo(client_))
            return p;
    return client_;
}

bool MainWindow::takesTabFocusOnSeenScreen(const QWidget* w) const
{
    if (!w || !w->isVisibleTo(this) || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus))
        return false;
    const QWidget* seen = seenScreen();
    if (seen == client_)
        return w->parentWidget() == client_;  // the home screen's own controls
    return seen->isAncestorOf(w);
}

bool MainWindow::focusNextPrevChild(bool next)
{
    QWidget* start = focusWidget() ? focusWidget() : this;
    QWidget* w = start;
    do {
        w = next ? w->nextInFocusChain() : w->previousInFocusChain();
        if (takesTabFocusOnSeenScreen(w)) {
            w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    } while (w != start);
    return false;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show || event->type() == QEvent::Hide)
        keepFocusOnSeenScreen();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::keepFocusOnSeenScreen()
{
    // A panel shown or hidden: if the focus now lies on a covered control, it
    // moves to the first control of the screen that is seen, in focus order.
    if (takesTabFocusOnSeenScreen(focusWidget()))
        return;
    for (QWidget* w = nextInFocusChain(); w != this; w = w->nextInFocusChain())
        if (takesTabFocusOnSeenScreen(w)) {
            w->setFocus(Qt::OtherFocusReason);
            return;
        }
}

void MainWindow::showOneSection(std::string_view shown)
{
    stack_->show(shown);
    for (const char* name : {"nature", "space", "foods", "animals"})
        if (shown != name)
            stack_->hide(name);
}

void MainWindow::exit_Click() { endProgram(); }
void MainWindow::naturemnu_Click() { showOneSection("nature"); }
void MainWindow::spacemnu_Click() { showOneSection("space"); }
void MainWindow::foodsmnu_Click() { showOneSection("foods"); }
void MainWindow::animalsmnu_Click() { showOneSection("animals"); }

void MainWindow::mainmnu_Click()
{
    for (const char* name : {"animals", "nature", "space", "foods"})
        stack_->hide(name);
}

void MainWindow::proghelpmnu_Click() { stack_->show("help"); }
void MainWindow::aboutmnu_Click() { stack_->show("aboutprog"); }

} // namespace ayat
