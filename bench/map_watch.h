#pragma once
// Watches an X display from outside the programs it measures: the moment the X
// server maps a new top-level window, as a desktop's window manager learns it.
#include <cstdint>
#include <string>

struct xcb_connection_t;

namespace bench {

class MapWatch {
public:
    explicit MapWatch(const std::string& display);
    ~MapWatch();
    MapWatch(const MapWatch&) = delete;
    MapWatch& operator=(const MapWatch&) = delete;

    bool connected() const { return connection_ != nullptr; }
    // Forgets the events so far (the windows of earlier runs going away).
    void drain();
    // When (nowNs) the next top-level window that is not override-redirect was
    // mapped; -1 after timeoutMs without one.
    std::int64_t waitForMap(int timeoutMs);

private:
    xcb_connection_t* connection_ = nullptr;
};

} // namespace bench
