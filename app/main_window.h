#pragma once
// The main window: the home screen beneath the panel stack, and the menu bar
// through which every section, the home screen, Help, About and the end of the
// program are reached.
#include <memory>
#include <vector>

#include <QMainWindow>

#include "app/panel_stack.h"
#include "assets/loader.h"

namespace ayat {

class HomeScreen;
class SectionScreen;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Client area below the menu bar, in twips.
    static constexpr int kClientWidth = 9510, kClientHeight = 6375;

    // Creates the window in its initial state: all six panels hidden, the home
    // screen showing, no section with a selection, every picture decoded.
    MainWindow();
    ~MainWindow() override;

    QWidget* client() const { return client_; }
    const PanelStack& panels() const { return *stack_; }
    const AssetStore& assets() const { return assets_; }
    // What the user sees: the topmost visible panel, else the client area with
    // the home screen.
    QWidget* seenScreen() const;

public slots:
    void exit_Click();
    void naturemnu_Click();
    void spacemnu_Click();
    void foodsmnu_Click();
    void animalsmnu_Click();
    void mainmnu_Click();
    void proghelpmnu_Click();
    void aboutmnu_Click();

protected:
    // The keyboard focus stays on the screen that is seen: Tab and Shift+Tab
    // skip the controls of covered screens.
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenuBar();
    bool takesTabFocusOnSeenScreen(const QWidget* w) const;
    void keepFocusOnSeenScreen();
    void showOneSection(PanelId shown);

    AssetStore assets_;
    QWidget* client_ = nullptr;
    std::unique_ptr<PanelStack> stack_;
    std::unique_ptr<HomeScreen> home_;
    std::vector<std::unique_ptr<SectionScreen>> sections_;  // in the order of allSections()
};

}  // namespace ayat
