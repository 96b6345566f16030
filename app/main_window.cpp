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
    const char* name = nullptr;
    const char* caption = nullptr;
    int level = 2;
    void (MainWindow::*handler)() = nullptr;
};

constexpr MenuItem kMenu[] = {
    {.name = "file", .caption = "&File", .level = 1},
    {.name = "exit", .caption = "E&xit", .handler = &MainWindow::exit_Click},
    {.name = "cat", .caption = "&Category", .level = 1},
    {.name = "naturemnu", .caption = "&Nature", .handler = &MainWindow::naturemnu_Click},
    {.name = "spacemnu", .caption = "&Space", .handler = &MainWindow::spacemnu_Click},
    {.name = "foodsmnu", .caption = "&Foods", .handler = &MainWindow::foodsmnu_Click},
    {.name = "animalsmnu", .caption = "&Animals", .handler = &MainWindow::animalsmnu_Click},
    {.name = "spacer2mnu", .caption = "-"},
    {.name = "mainmnu", .caption = "&Main", .handler = &MainWindow::mainmnu_Click},
    {.name = "helpmnu", .caption = "&Help", .level = 1},
    {.name = "proghelpmnu", .caption = "Program help", .handler = &MainWindow::proghelpmnu_Click},
    {.name = "aboutmnu", .caption = "A&bout", .handler = &MainWindow::aboutmnu_Click},
};

// The panel that section i of allSections() fills: the sections lie beneath Help
// in the panel stack, the first of the Category menu lowest.
static_assert(PanelStack::kTopmostFirst.size() == 2 + kSectionCount,
              "the panel stack holds About, Help and a panel per section");
PanelId sectionPanel(std::size_t section)
{
    return PanelStack::kTopmostFirst[PanelStack::kTopmostFirst.size() - 1 - section];
}

}  // namespace

MainWindow::MainWindow() : assets_()
{
    installAccessibleControls();  // screen reader: before any control exists
    setObjectName(QStringLiteral("main"));
    setWindowTitle(QString::fromUtf8(credits::kProductTitle));
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
    for (std::size_t i = 0; i < kSectionCount; ++i)
        sections_.push_back(
            std::make_unique<SectionScreen>(*allSections()[i], stack_->panel(sectionPanel(i)), assets_));
    buildHelpPanel(stack_->panel(PanelId::Help), assets_);
    buildAboutPanel(stack_->panel(PanelId::About), assets_);

    for (PanelId id : PanelStack::kTopmostFirst)
        stack_->panel(id)->installEventFilter(this);
    reportShowingIn(client_);  // screen reader: only what is seen is showing

    buildMenuBar();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setFixedFrame(this);
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
        const QString name = QString::fromUtf8(item.name);
        if (item.level == 1) {
            menu = menuBar()->addMenu(QString::fromUtf8(item.caption));
            menu->setObjectName(name);
            menu->menuAction()->setObjectName(name);
            continue;
        }
        QAction* action = std::string_view(item.caption) == "-" ? menu->addSeparator()
                                                                : menu->addAction(QString::fromUtf8(item.caption));
        action->setObjectName(name);
        if (item.handler)
            connect(action, &QAction::triggered, this, item.handler);
    }
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
    for (std::size_t i = 0; i < kSectionCount; ++i)
        if (sectionPanel(i) != shown)
            stack_->hide(sectionPanel(i));
}

void MainWindow::exit_Click() { endProgram(); }
void MainWindow::naturemnu_Click() { showOneSection(PanelId::Nature); }
void MainWindow::spacemnu_Click() { showOneSection(PanelId::Space); }
void MainWindow::foodsmnu_Click() { showOneSection(PanelId::Foods); }
void MainWindow::animalsmnu_Click() { showOneSection(PanelId::Animals); }

void MainWindow::mainmnu_Click()
{
    for (std::size_t i = 0; i < kSectionCount; ++i)
        stack_->hide(sectionPanel(i));
}

void MainWindow::proghelpmnu_Click() { stack_->show(PanelId::Help); }
void MainWindow::aboutmnu_Click() { stack_->show(PanelId::About); }

}  // namespace ayat
