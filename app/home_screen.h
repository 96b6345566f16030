#pragma once
// The home screen: the background picture with seven picture buttons on it. It
// lies in the main window's client area beneath every panel and never changes.
#include <functional>
#include <string_view>

#include <QObject>

#include "platform/controls.h"

namespace ayat {

class HomeScreen : public QObject {
    Q_OBJECT
public:
    using ShowPanel = std::function<void(std::string_view panel)>;

    // Creates the home screen's controls in client, above whatever client holds
    // already; showPanel shows a panel of the panel stack by name.
    HomeScreen(QWidget* client, const Artwork& artwork, ShowPanel showPanel);

    // Puts the keyboard focus where it lies when the main window is created.
    void takeInitialFocus();

public slots:
    void b1nature_Click();
    void b2foods_Click();
    void b3space_Click();
    void b4animals_Click();
    void about_Click();
    void CommandButton9_Click();
    void CommandButton10_Click();

private:
    void open(std::string_view panel);

    QWidget* client_;
    ShowPanel showPanel_;
};

} // namespace ayat
