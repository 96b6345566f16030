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
    HomeScreen(QWidget* client, const Artwork& artwork, ShowPanel showPanel);

    // Puts the keyboard focus where it lies when the main window is created.
    void takeInitialFocus();

    // The click of a button that opens a panel (the four section buttons, the
    // Help button `about` and the title button `CommandButton9`): shows the panel
    // that the button's row names, then asks for the cue sound.
    void showPanelWithCue(PanelId panel);
    // The quit button.
    void CommandButton10_Click();

private:
    QWidget* client_;
    ShowPanel showPanel_;
};

} // namespace ayat
