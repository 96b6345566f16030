#pragma once
// The part of SDL2 that the audio output uses. On Linux it is loaded when it is
// first needed rather than when the program starts: SDL2 as the system builds it
// brings some thirty libraries of its own (sound servers, codecs, display
// protocols), and loading them at exec would delay the first window: linked,
// the splash window's first frame comes 4.1 ms later at a device pixel ratio of
// 1 and 3.9 ms at 2, of some 26 ms (make bench). The audio output is their only
// user, and it first runs on the sound service's worker.
// On Windows the program ships its own SDL2, built for audio, and links it.
//
// The functions keep their SDL names, taken from SDL's own header.
#define SDL_MAIN_HANDLED  // the program's main() is its own, not SDL's (SDL_main.h on Windows)
#include <SDL.h>

namespace ayat::platform {

#define AYAT_SDL_AUDIO_FUNCTIONS(X)                                                                                    \
    X(SDL_SetHint)                                                                                                     \
    X(SDL_SetHintWithPriority)                                                                                         \
    X(SDL_InitSubSystem)                                                                                               \
    X(SDL_QuitSubSystem)                                                                                               \
    X(SDL_GetNumAudioDrivers)                                                                                          \
    X(SDL_GetAudioDriver)                                                                                              \
    X(SDL_GetCurrentAudioDriver)                                                                                       \
    X(SDL_AllocRW)                                                                                                     \
    X(SDL_FreeRW)                                                                                                      \
    X(SDL_LoadWAV_RW)                                                                                                  \
    X(SDL_FreeWAV)                                                                                                     \
    X(SDL_NewAudioStream)                                                                                              \
    X(SDL_AudioStreamPut)                                                                                              \
    X(SDL_AudioStreamGet)                                                                                              \
    X(SDL_AudioStreamAvailable)                                                                                        \
    X(SDL_AudioStreamFlush)                                                                                            \
    X(SDL_FreeAudioStream)                                                                                             \
    X(SDL_OpenAudioDevice)                                                                                             \
    X(SDL_GetAudioDeviceStatus)                                                                                        \
    X(SDL_PauseAudioDevice)                                                                                            \
    X(SDL_LockAudioDevice)                                                                                             \
    X(SDL_UnlockAudioDevice)                                                                                           \
    X(SDL_CloseAudioDevice)

struct SdlAudio {
#define AYAT_SDL_POINTER(name) decltype(&::name) name = nullptr;
    AYAT_SDL_AUDIO_FUNCTIONS(AYAT_SDL_POINTER)
#undef AYAT_SDL_POINTER
};

// The library's functions, loaded at the first call (from any thread; later
// calls return at once). Null when the library or one of its functions cannot
// be found: then there is no audio, and every sound is silent. On Windows, the
// linked functions.
const SdlAudio* sdlAudio();

}  // namespace ayat::platform
