#pragma once
// The home screen: the background picture with seven picture buttons on it.
#include <functional>
#include <string_view>

#include <QObject>

#include "platform/controls.h"

namespace ayat {

class HomeScreen : public QObject {
    Q_OBJECT
public:
    using ShowPanel = std::function<void(std::string_view panel)>;

    HomeScreen(QWidget* client, const Artwork& artwork, ShowPanel showPanel);

    // Puts the keyboard focus where it lies when the main window is created.
    void takeInitialFocus();

private:
    QWidget* client_;
    ShowPanel showPanel_;
};

} // namespace ayat
