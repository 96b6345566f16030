#include "map_watch.h"

#include <cstdlib>

#include <poll.h>
#include <xcb/xcb.h>

#include "probe.h"

namespace bench {

MapWatch::MapWatch(const std::string& display)
{
    xcb_connection_t* c = xcb_connect(display.c_str(), nullptr);
    if (xcb_connection_has_error(c)) {
        xcb_disconnect(c);
        return;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);
    connection_ = c;
}

MapWatch::~MapWatch()
{
    if (connection_)
        xcb_disconnect(connection_);
}

void MapWatch::drain()
{
    // A round trip, so that whatever the server has sent so far is here to be thrown away.
    std::free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
    while (xcb_generic_event_t* e = xcb_poll_for_event(connection_))
        std::free(e);
}

std::int64_t MapWatch::waitForMap(int timeoutMs)
{
    const std::int64_t deadline = nowNs() + std::int64_t(timeoutMs) * 1000000;
    for (;;) {
        while (xcb_generic_event_t* e = xcb_poll_for_event(connection_)) {
            const std::int64_t at = nowNs();
            const bool mapped = (e->response_type & 0x7f) == XCB_MAP_NOTIFY
                && !reinterpret_cast<xcb_map_notify_event_t*>(e)->override_redirect;
            std::free(e);
            if (mapped)
                return at;
        }
        const std::int64_t left = deadline - nowNs();
        if (left <= 0 || xcb_connection_has_error(connection_))
            return -1;
        pollfd p{xcb_get_file_descriptor(connection_), POLLIN, 0};
        ::poll(&p, 1, int(left / 1000000) + 1);
    }
}

} // namespace bench
