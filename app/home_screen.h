#pragma once
// The home screen: the background picture with seven picture buttons on it. It
// lies in the main window's client area beneath every panel and never changes.
#include <functional>

#include <QObject>

#include "app/panel_stack.h"
#include "platform/controls.h"

namespace ayat {

class HomeScreen : public QObject {
    Q_OBJECT
public:
    using ShowPanel = std::function<void(PanelId)>;

    // Creates the home screen's controls in client, above whatever client holds
    // already; showPanel shows a panel of the panel stack.
    HomeScreen(QWidget* client, const ImageSource& images, ShowPanel showPanel);

    // Puts the keyboard focus where it lies when the main window is created.
    void takeInitialFocus();

    // The buttons' click handlers: each of the first six shows its panel, then
    // asks for the cue sound; the quit button ends the program.
    void b1nature_Click();
    void b2foods_Click();
    void b3space_Click();
    void b4animals_Click();
    void about_Click();
    void CommandButton9_Click();
    void CommandButton10_Click();

private:
    void showPanelWithCue(PanelId id);

    QWidget* client_;
    ShowPanel showPanel_;
};

}  // namespace ayat
