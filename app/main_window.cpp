#include "app/main_window.h"

#include <QEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>

#include "app/home_screen.h"
#include "app/program.h"
#include "panels/credits.h"
#include "panels/info_panels.h"
#include "platform/accessible_controls.h"
#include "platform/twips.h"
#include "sections/section_screen.h"
#include "sections/tables/section_tables.h"

namespace ayat {
namespace {

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

// The four sections, in the order of the Category menu, with the panel each fills.
const struct {
    PanelId id;
    const SectionDescription& (*description)();
} kSections[] = {
    {PanelId::Nature, natureSection},
    {PanelId::Space, spaceSection},
    {PanelId::Foods, foodsSection},
    {PanelId::Animals, animalsSection},
};

} // namespace

MainWindow::MainWindow() : assets_()
{
    installAccessibleControls();  // screen reader: before any control exists
    setObjectName(QStringLiteral("main"));
    setWindowTitle(QString::fromLatin1(credits::kProductTitle));
    setWindowIcon(assets_.windowIcon("mainicon"));
    setAttribute(Qt::WA_DeleteOnClose);

    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    client_->setFixedSize(toPixels(kClientWidth, kClientHeight));
    client_->setAutoFillBackground(true);
    setCentralWidget(client_);

    // The home screen lies beneath every panel, so it is made first.
    home_ = std::make_unique<HomeScreen>(client_, assets_, [this](PanelId id) { stack_->show(id); });
    stack_ = std::make_unique<PanelStack>(client_);
    for (const auto& s : kSections)
        sections_.push_back(std::make_unique<SectionScreen>(s.description(), stack_->panel(s.id), assets_));
    buildHelpPanel(stack_->panel(PanelId::Help), assets_);
    buildAboutPanel(stack_->panel(PanelId::About), assets_);

    for (PanelId id : PanelStack::kTopmostFirst)
        stack_->panel(id)->installEventFilter(this);
    reportShowingIn(client_);  // screen reader: only what is seen is showing

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

SectionScreen& MainWindow::section(PanelId id) const
{
    for (std::size_t i = 0; i < std::size(kSections); ++i)
        if (kSections[i].id == id)
            return *sections_[i];
    qFatal("the panel %d holds no section", int(id));
}

QWidget* MainWindow::seenScreen() const
{
    for (PanelId id : PanelStack::kTopmostFirst)
        if (Panel* p = stack_->panel(id); p->isVisibleTo(client_))
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

void MainWindow::showOneSection(PanelId shown)
{
    stack_->show(shown);
    for (const auto& s : kSections)
        if (s.id != shown)
            stack_->hide(s.id);
}

void MainWindow::exit_Click() { endProgram(); }
void MainWindow::naturemnu_Click() { showOneSection(PanelId::Nature); }
void MainWindow::spacemnu_Click() { showOneSection(PanelId::Space); }
void MainWindow::foodsmnu_Click() { showOneSection(PanelId::Foods); }
void MainWindow::animalsmnu_Click() { showOneSection(PanelId::Animals); }

void MainWindow::mainmnu_Click()
{
    for (const auto& s : kSections)
        stack_->hide(s.id);
}

void MainWindow::proghelpmnu_Click() { stack_->show(PanelId::Help); }
void MainWindow::aboutmnu_Click() { stack_->show(PanelId::About); }

} // namespace ayat
