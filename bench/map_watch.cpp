#include "map_watch.h"

#include <cstdlib>

#include <poll.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include "probe.h"

namespace bench {

MapWatch::MapWatch(const std::string& display)
{
    xcb_connection_t* c = xcb_connect(display.c_str(), nullptr);
    const xcb_query_extension_reply_t* damage =
        xcb_connection_has_error(c) ? nullptr : xcb_get_extension_data(c, &xcb_damage_id);
    if (!damage || !damage->present) {
        xcb_disconnect(c);
        return;
    }
    damageEvent_ = damage->first_event;
    // The extension answers only a client that has said which version it speaks.
    std::free(xcb_damage_query_version_reply(c, xcb_damage_query_version(c, 1, 1), nullptr));
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

void MapWatch::track(const void* event)
{
    const auto* e = static_cast<const xcb_generic_event_t*>(event);
    switch (e->response_type & 0x7f) {
    case XCB_CREATE_NOTIFY: {
        // Watched from its creation: the program maps it and draws into it
        // later, once it has heard back from the server.
        const auto* created = reinterpret_cast<const xcb_create_notify_event_t*>(e);
        if (created->override_redirect)
            break;
        const std::uint32_t damage = xcb_generate_id(connection_);
        xcb_damage_create(connection_, damage, created->window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
        xcb_flush(connection_);
        damages_[created->window] = damage;
        break;
    }
    case XCB_DESTROY_NOTIFY:  // its damage object went with it
        damages_.erase(reinterpret_cast<const xcb_destroy_notify_event_t*>(e)->window);
        break;
    default:
        break;
    }
}

template <class Seen>
bool MapWatch::waitFor(std::int64_t deadline, Seen seen)
{
    for (;;) {
        while (xcb_generic_event_t* e = xcb_poll_for_event(connection_)) {
            track(e);
            const bool found = seen(e);
            std::free(e);
            if (found)
                return true;
        }
        const std::int64_t left = deadline - nowNs();
        if (left <= 0 || xcb_connection_has_error(connection_))
            return false;
        pollfd p{xcb_get_file_descriptor(connection_), POLLIN, 0};
        ::poll(&p, 1, int(left / 1000000) + 1);
    }
}

void MapWatch::drain()
{
    // A round trip, so that whatever the server has sent so far is here to be thrown away.
    std::free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
    while (xcb_generic_event_t* e = xcb_poll_for_event(connection_)) {
        track(e);
        std::free(e);
    }
}

std::int64_t MapWatch::waitForMap(int timeoutMs)
{
    std::int64_t at = -1;
    waitFor(nowNs() + std::int64_t(timeoutMs) * 1000000, [&](const xcb_generic_event_t* e) {
        if ((e->response_type & 0x7f) != XCB_MAP_NOTIFY)
            return false;
        const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(e);
        if (map->override_redirect || !damages_.count(map->window))
            return false;
        // Nothing is drawn into a window before it is mapped: its damage
        // object's first report is the first drawing that can be seen.
        at = nowNs();
        mapped_ = map->window;
        return true;
    });
    return at;
}

std::int64_t MapWatch::waitForFirstDamage(int timeoutMs)
{
    std::int64_t at = -1;
    waitFor(nowNs() + std::int64_t(timeoutMs) * 1000000, [&](const xcb_generic_event_t* e) {
        if ((e->response_type & 0x7f) != damageEvent_ + XCB_DAMAGE_NOTIFY)
            return false;
        if (reinterpret_cast<const xcb_damage_notify_event_t*>(e)->drawable != mapped_)
            return false;
        at = nowNs();
        return true;
    });
    return at;
}

}  // namespace bench
