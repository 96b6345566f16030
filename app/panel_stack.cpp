#include "app/panel_stack.h"

#include "platform/twips.h"
#include "platform/widgets.h"

namespace ayat {

namespace {
// Every panel covers the client area but a strip 15 twips wide along its right edge.
constexpr Twips kPanelRect{0, 0, 9495, 6375};
}  // namespace

static_assert(
    [] {
        for (std::size_t i = 0; i < PanelStack::kTopmostFirst.size(); ++i)
            if (std::size_t(PanelStack::kTopmostFirst[i]) != i)
                return false;
        return true;
    }(),
    "the stacking order lists the panels in the order of PanelId");

PanelStack::PanelStack(QWidget* client)
{
    // Made from the lowest up, so that each lies above the ones before it.
    for (std::size_t i = panels_.size(); i-- > 0;) {
        auto* p = new Panel(client);
        p->setGeometry(toPixels(kPanelRect));
        p->hide();
        panels_[i] = p;
    }
}

void PanelStack::show(PanelId id) const { panel(id)->show(); }

void PanelStack::hide(PanelId id) const { panel(id)->hide(); }

}  // namespace ayat
