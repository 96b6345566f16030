#pragma once
// Watches an X display from outside the programs it measures: the moment the X
// server maps a new top-level window, as a desktop's window manager learns it,
// and the moment something is first drawn into that window after it was mapped
// (the DAMAGE extension reports it), as a compositor learns it.
#include <cstdint>
#include <map>
#include <string>

struct xcb_connection_t;

namespace bench {

class MapWatch {
public:
    explicit MapWatch(const std::string& display);
    ~MapWatch();
    MapWatch(const MapWatch&) = delete;
    MapWatch& operator=(const MapWatch&) = delete;

    // False without a connection, or when the server has no DAMAGE extension.
    bool connected() const { return connection_ != nullptr; }
    // Forgets the events so far (the windows of earlier runs going away).
    void drain();
    // When (nowNs) the next top-level window that is not override-redirect was
    // mapped; -1 after timeoutMs without one.
    std::int64_t waitForMap(int timeoutMs);
    // When (nowNs) the window that waitForMap last saw mapped was first drawn
    // into; -1 after timeoutMs without it.
    std::int64_t waitForFirstDamage(int timeoutMs);

private:
    // Waits for events until `seen` answers true for one (true) or the deadline passes.
    template <class Seen>
    bool waitFor(std::int64_t deadline, Seen seen);
    // Keeps the list of top-level windows and their damage objects up to date,
    // from an event of the connection.
    void track(const void* event);

    xcb_connection_t* connection_ = nullptr;
    std::uint8_t damageEvent_ = 0;                    // the DAMAGE extension's event code
    std::uint32_t mapped_ = 0;                        // the window waitForMap returned for
    std::map<std::uint32_t, std::uint32_t> damages_;  // top-level window, its damage object
};

}  // namespace bench
