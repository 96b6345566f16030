#pragma once
// The six full-window panels of the main window, stacked above the home screen in
// a fixed order. Navigation is nothing but showing and hiding them.
#include <array>
#include <cstddef>

class QWidget;

namespace ayat {

class Panel;

// The six panels, in their stacking order: topmost first. Each panel takes its
// object name ("aboutprog", "help", "nature", ...) from the screen built into it.
enum class PanelId { About, Help, Animals, Foods, Space, Nature };

class PanelStack {
public:
    static constexpr std::array kTopmostFirst{PanelId::About, PanelId::Help,  PanelId::Animals,
                                              PanelId::Foods, PanelId::Space, PanelId::Nature};

    // Creates the six panels, hidden and empty, above every control already in
    // client. Showing a panel never brings it to the top.
    explicit PanelStack(QWidget* client);

    Panel* panel(PanelId id) const { return panels_[std::size_t(id)]; }
    void show(PanelId id) const;
    void hide(PanelId id) const;

private:
    std::array<Panel*, kTopmostFirst.size()> panels_{};
};

}  // namespace ayat
