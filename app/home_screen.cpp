#include "app/home_screen.h"

namespace ayat {

HomeScreen::HomeScreen(QWidget* client, const Artwork&, ShowPanel showPanel)
    : client_(client), showPanel_(std::move(showPanel))
{
}

void HomeScreen::takeInitialFocus() {}

} // namespace ayat
