#pragma once
// The sound service: the one place where a request to play an audio file by name
// becomes sound. Every recitation and cue sound of the program goes through it.
#include <functional>
#include <string_view>

namespace ayat {

// Plays the audio file with this bare name, asynchronously: returns at once,
// ends the sound in progress and starts the new one from its beginning. A name
// that cannot be found or played plays nothing. The name is looked up in the
// working directory first, then in the program's own folder, without regard to
// case. Call from the user-interface thread.
//
// Every request replaces what is playing: one that fails (a missing or
// unplayable file, the empty name, a name with a folder in it) ends the sound
// in progress with silence.
void RequestSound(std::string_view name);

// Sees every request as it is made, before it is played (used by tests that
// check which sounds the screens ask for). Pass an empty function to stop.
void setSoundRequestListener(std::function<void(std::string_view)> listener);

namespace sound {

// For the program's start. After holdWorker(), requests are taken as always
// (each still replaces the one before and returns at once), but the worker that
// loads the audio library and plays them starts only at startWorker(): the first
// window is drawn before anything of the audio is loaded. Without holdWorker()
// the worker starts at the first request. startWorker() may be called any
// number of times.
void holdWorker();
void startWorker();

// Ends the sound in progress and closes the audio device, waiting at most
// about a third of a second for it; later requests are silent. The program may
// call it on its way out, or just end: nothing of the service waits for a
// sound or runs at static destruction either way.
void shutdown();

// For tests: returns once every request made so far has been taken up and the
// service has settled (device opened, file read and decoded, playback started
// or given up).
void waitUntilIdleForTesting();

}  // namespace sound

}  // namespace ayat
