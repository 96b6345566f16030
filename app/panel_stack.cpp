#include "app/panel_stack.h"

#include <ranges>

#include "platform/twips.h"

namespace ayat {

namespace {
// Every panel covers the client area but a strip 15 twips wide along its right edge.
constexpr Twips kPanelRect{0, 0, 9495, 6375};
} // namespace

PanelStack::PanelStack(QWidget* client)
{
    // Made from the lowest up, so that each lies above the ones before it.
    for (std::size_t i = kOrder.size(); i-- > 0;) {
        auto* p = new Panel(client);
        p->setObjectName(QString::fromLatin1(kOrder[i]));
        p->setGeometry(toPixels(kPanelRect));
        p->hide();
        panels_[i] = p;
    }
}

Panel* PanelStack::panel(std::string_view name) const
{
    for (std::size_t i = 0; i < kOrder.size(); ++i)
        if (name == kOrder[i])
            return panels_[i];
    qFatal("no panel named %.*s", int(name.size()), name.data());
}

void PanelStack::show(std::string_view name) const { panel(name)->show(); }
void PanelStack::hide(std::string_view name) const { panel(name)->hide(); }

} // namespace ayat
