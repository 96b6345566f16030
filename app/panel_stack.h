#pragma once
// The six full-window panels of the main window, stacked above the home screen in
// a fixed order. Navigation is nothing but showing and hiding them.
#include <array>
#include <string_view>

#include "platform/widgets.h"

namespace ayat {

class PanelStack {
public:
    // Topmost first. Showing a panel never brings it to the top.
    static constexpr std::array<const char*, 6> kOrder{"aboutprog", "help", "animals", "foods", "space", "nature"};

    // Creates the six panels, hidden, above every control already in client.
    explicit PanelStack(QWidget* client);

    Panel* panel(std::string_view name) const;
    void show(std::string_view name) const;
    void hide(std::string_view name) const;

private:
    std::array<Panel*, kOrder.size()> panels_{};
};

} // namespace ayat
