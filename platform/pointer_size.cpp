#include "platform/pointer_size.h"

#include <charconv>
#include <cstdlib>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <QGuiApplication>
#include <xcb/xcb.h>
#endif

namespace ayat::platform {

namespace {

// A size a pointer can be (Xcursor's themes go from 16 to 256 pixels); anything
// else is taken as no size set.
std::optional<int> pointerSize(long long size)
{
    if (size < 8 || size > 512)
        return std::nullopt;
    return int(size);
}

std::optional<int> sizeFrom(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    long long size = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), size);
    if (error != std::errc() || end == text.data())
        return std::nullopt;
    return pointerSize(size);
}

#ifndef _WIN32
// The root window's RESOURCE_MANAGER property: the X resources that xrdb loaded.
std::string resourcesOfX11()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return {};
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!screen)
        return {};
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection,
        xcb_get_property(connection, 0, screen->root, XCB_ATOM_RESOURCE_MANAGER, XCB_ATOM_STRING, 0, 1 << 16), nullptr);
    if (!reply)
        return {};
    std::string text(static_cast<const char*>(xcb_get_property_value(reply)),
                     std::size_t(xcb_get_property_value_length(reply)));
    std::free(reply);
    return text;
}
#endif

}  // namespace

std::optional<int> xcursorSizeIn(std::string_view resources)
{
    while (!resources.empty()) {
        const auto end = resources.find('\n');
        std::string_view line = resources.substr(0, end);
        resources = end == std::string_view::npos ? std::string_view() : resources.substr(end + 1);
        const auto colon = line.find(':');
        if (colon == std::string_view::npos)
            continue;
        std::string_view key = line.substr(0, colon);
        while (!key.empty() && (key.back() == ' ' || key.back() == '\t'))
            key.remove_suffix(1);
        if (key == "Xcursor.size" || key == "Xcursor*size")
            return sizeFrom(line.substr(colon + 1));
    }
    return std::nullopt;
}

std::optional<int> desktopPointerSize()
{
#ifdef _WIN32
    // Settings > Accessibility > Mouse pointer: 32 pixels, or larger (Windows 10 1903 on).
    DWORD size = 0;
    DWORD bytes = sizeof size;
    if (RegGetValueW(HKEY_CURRENT_USER, L"Control Panel\\Cursors", L"CursorBaseSize", RRF_RT_REG_DWORD, nullptr, &size,
                     &bytes)
        != ERROR_SUCCESS)
        return std::nullopt;
    return pointerSize(size);
#else
    if (const char* variable = std::getenv("XCURSOR_SIZE"); variable && *variable)
        return sizeFrom(variable);
    return xcursorSizeIn(resourcesOfX11());
#endif
}

}  // namespace ayat::platform
