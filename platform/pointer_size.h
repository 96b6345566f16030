#pragma once
// The size of the desktop's own mouse pointer, as the user set it.
#include <optional>
#include <string_view>

namespace ayat::platform {

// The pointer size the desktop asks for, in pixels at scale 1, or none where
// the user set none. On Linux: XCURSOR_SIZE, else on X11 the X resource
// Xcursor.size (as the desktop's own pointers read them); on Windows the pointer
// size of the accessibility settings.
std::optional<int> desktopPointerSize();

// The Xcursor.size value in the text of an X resource database, if it holds one.
std::optional<int> xcursorSizeIn(std::string_view resources);

}  // namespace ayat::platform
