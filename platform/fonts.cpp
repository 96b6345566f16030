#include "platform/fonts.h"

#ifndef _WIN32
#include <system_error>
#include <thread>

#include <dlfcn.h>
#endif

namespace ayat::platform {

void prepareFonts()
{
#ifndef _WIN32
    // Qt's font database on Linux is fontconfig's: it calls FcInit() when the
    // first text is laid out, which reads the configuration and the font caches.
    // Done here first, the font database finds it done. fontconfig comes with
    // Qt's libraries, so it is looked up rather than linked; without it, or
    // without a thread, the font database reads it as before.
    using Init = int (*)();
    if (const auto init = reinterpret_cast<Init>(::dlsym(RTLD_DEFAULT, "FcInit"))) {
        try {
            std::thread([init] { init(); }).detach();
        } catch (const std::system_error&) {
        }
    }
#endif
    // Windows has no fontconfig: Qt's font database there asks the system's own
    // fonts (DirectWrite, GDI), which are ready before any program starts.
}

}  // namespace ayat::platform
