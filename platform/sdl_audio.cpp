#include "platform/sdl_audio.h"

#ifndef _WIN32
#include <dlfcn.h>
#endif

namespace ayat::platform {

namespace {

#ifdef _WIN32
const SdlAudio* load()
{
    static SdlAudio functions;
#define AYAT_SDL_LINKED(name) functions.name = &::name;
    AYAT_SDL_AUDIO_FUNCTIONS(AYAT_SDL_LINKED)
#undef AYAT_SDL_LINKED
    return &functions;
}
#else
// The name the package's library is installed under (its soname), the one the
// program would have been linked with.
constexpr const char* kLibrary = "libSDL2-2.0.so.0";

const SdlAudio* load()
{
    // Never closed: SDL's own threads may run until the process ends.
    void* library = ::dlopen(kLibrary, RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return nullptr;
    static SdlAudio functions;
    bool complete = true;
#define AYAT_SDL_RESOLVE(name)                                                                                         \
    functions.name = reinterpret_cast<decltype(&::name)>(::dlsym(library, #name));                                     \
    complete = complete && functions.name;
    AYAT_SDL_AUDIO_FUNCTIONS(AYAT_SDL_RESOLVE)
#undef AYAT_SDL_RESOLVE
    return complete ? &functions : nullptr;
}
#endif

}  // namespace

const SdlAudio* sdlAudio()
{
    static const SdlAudio* const functions = load();
    return functions;
}

}  // namespace ayat::platform
