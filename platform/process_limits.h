#pragma once
// What the process may take of the system, checked before the program starts:
// with too few file handles or threads, the windowing and audio libraries fail
// in ways that crash or freeze the program (GLib aborts without handles for its
// wake-up pipes; Qt waits for ever on a thread it could not start).
#include <string>

namespace ayat::platform {

// Makes sure that `handles` file handles may be open at once (raising the
// process's own limit where its ceiling allows) and that `threads` more threads
// can be started now. Returns what is short, in words for the user, or the
// empty text.
std::string shortOfResources(int handles, int threads);

}  // namespace ayat::platform
