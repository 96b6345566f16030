#include "platform/audio.h"

#include "platform/sdl_audio.h"

#ifndef _WIN32
#include <dlfcn.h>
#endif

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <mutex>

namespace ayat::platform {

namespace {

// Reached only once sdlAudio() has loaded: decodeWave() and open() check it first,
// and nothing else runs before a buffer or a device exists.
const SdlAudio& sdl() { return *sdlAudio(); }

// The WAVE loader is told to refuse damaged files instead of playing what it
// can: a truncated file or one whose chunk sizes disagree with its length is
// unplayable, like a file that is no WAVE at all.
void setLoaderHints()
{
    static std::once_flag once;
    std::call_once(once, [] {
        sdl().SDL_SetHintWithPriority(SDL_HINT_WAVE_TRUNCATION, "verystrict", SDL_HINT_OVERRIDE);
        sdl().SDL_SetHintWithPriority(SDL_HINT_WAVE_RIFF_CHUNK_SIZE, "force", SDL_HINT_OVERRIDE);
    });
}

#ifdef _WIN32
// Windows: SDL's own order there, the one output that every Windows has first.
constexpr char kDriverOrder[] = "wasapi,directsound,winmm";
void quietAlsa() {}  // no ALSA on Windows
#else
// Without a choice made in the environment (SDL_AUDIODRIVER), the desktop's sound
// server is asked first: PulseAudio, or PipeWire through its PulseAudio service,
// then PipeWire itself, and the sound card through raw ALSA only after both.
constexpr char kDriverOrder[] = "pulseaudio,pipewire,alsa,sndio,dsp";

// ALSA prints its own complaints on standard error: with no sound card, eight
// lines each time a device is opened. They are routed away, for the life of the
// process: the handler is one global of the library, which SDL's threads may be
// using, so it is set once before the first device is opened and never swapped
// back. SDL reports the failure itself, and no sound is not an error here. ALSA
// is reached through the loader rather than linked, so a system without it is
// not asked for it.
void ignoreAlsaMessage(const char*, int, const char*, int, const char*, ...) {}

void quietAlsa()
{
    static std::once_flag once;
    std::call_once(once, [] {
        using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
        void* alsa = dlopen("libasound.so.2", RTLD_LAZY | RTLD_LOCAL);
        if (!alsa)
            return;
        auto setHandler = reinterpret_cast<int (*)(Handler)>(dlsym(alsa, "snd_lib_error_set_handler"));
        if (setHandler)
            setHandler(&ignoreAlsaMessage);
        // The library stays loaded: it holds a pointer to the handler above.
    });
}
#endif

struct WaveBuffer {
    Uint8* data = nullptr;
    ~WaveBuffer()
    {
        if (data)
            sdl().SDL_FreeWAV(data);
    }
};

struct Stream {
    SDL_AudioStream* stream = nullptr;
    ~Stream()
    {
        if (stream)
            sdl().SDL_FreeAudioStream(stream);
    }
};

// Moves what the stream has converted so far to the end of `out`.
bool drain(SDL_AudioStream* stream, Samples& out)
{
    for (int available; (available = sdl().SDL_AudioStreamAvailable(stream)) > 0;) {
        const std::size_t old = out.size();
        if (old + std::size_t(available) / 2 > kMaxDecodedSamples)
            return false;
        out.resize(old + std::size_t(available) / 2);
        const int got = sdl().SDL_AudioStreamGet(stream, out.data() + old, available);
        if (got < 0)
            return false;
        out.resize(old + std::size_t(got) / 2);
        if (got == 0)
            break;
    }
    return true;
}

}  // namespace

std::shared_ptr<const Samples> decodeWave(std::span<const std::byte> file, const std::function<bool()>& cancelled)
{
    if (file.empty() || file.size() > std::size_t(INT_MAX) || !sdlAudio())
        return nullptr;
    setLoaderHints();

    SDL_AudioSpec info{};
    WaveBuffer wave;
    Uint32 length = 0;
    SDL_RWops* source = sdl().SDL_RWFromConstMem(file.data(), int(file.size()));
    if (!source || !sdl().SDL_LoadWAV_RW(source, 1, &info, &wave.data, &length))
        return nullptr;

    const std::size_t frameBytes = std::size_t(SDL_AUDIO_BITSIZE(info.format) / 8) * info.channels;
    if (frameBytes == 0 || info.freq <= 0 || length < frameBytes)
        return nullptr;
    const double expected = double(length / frameBytes) * kAudioRate / info.freq;
    if (expected > double(kMaxDecodedSamples))
        return nullptr;

    auto out = std::make_shared<Samples>();
    if (info.format == AUDIO_S16SYS && info.channels == 1 && info.freq == kAudioRate) {
        out->resize(length / 2);
        std::memcpy(out->data(), wave.data, out->size() * 2);
        return out;
    }

    Stream convert{sdl().SDL_NewAudioStream(info.format, info.channels, info.freq, AUDIO_S16SYS, 1, kAudioRate)};
    if (!convert.stream)
        return nullptr;
    out->reserve(std::size_t(expected) + 64);
    const std::size_t chunk = std::max<std::size_t>(1, 65536 / frameBytes) * frameBytes;
    for (std::size_t at = 0; at < length; at += chunk) {
        const int bytes = int(std::min<std::size_t>(chunk, length - at));
        if (sdl().SDL_AudioStreamPut(convert.stream, wave.data + at, bytes) != 0 || !drain(convert.stream, *out))
            return nullptr;
        if (cancelled && cancelled())
            return nullptr;
    }
    // The resampler holds back its last few hundred frames even when flushed:
    // push them out with silence, then cut the silence off again.
    const std::vector<Uint8> tail(std::size_t(4096 + info.freq / 20) * frameBytes, info.silence);
    if (sdl().SDL_AudioStreamPut(convert.stream, tail.data(), int(tail.size())) != 0
        || sdl().SDL_AudioStreamFlush(convert.stream) != 0 || !drain(convert.stream, *out))
        return nullptr;
    out->resize(std::min(out->size(), std::size_t(std::llround(expected))));
    if (out->empty())
        return nullptr;
    return out;
}

bool AudioOutput::open()
{
    if (device_ != 0) {
        if (sdl().SDL_GetAudioDeviceStatus(device_) != SDL_AUDIO_STOPPED)
            return true;
        sdl().SDL_CloseAudioDevice(device_);  // lost: try the default device again
        device_ = 0;
        playing_.reset();
    }
    if (!subsystem_) {
        if (!sdlAudio())
            return false;  // no audio library: every sound is silent
        sdl().SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        sdl().SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Ayat Explorer");
        sdl().SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_NAME, "Recitation");
        sdl().SDL_SetHint(SDL_HINT_AUDIODRIVER, kDriverOrder);
        quietAlsa();
        if (sdl().SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
            return false;
        subsystem_ = true;
    }
    SDL_AudioSpec want{};
    want.freq = kAudioRate;
    want.format = AUDIO_S16SYS;
    want.channels = 1;
    want.samples = 512;  // about 23 ms: a new sound starts that soon after it is ready
    want.callback = &AudioOutput::fill;
    want.userdata = this;
    SDL_AudioSpec have{};
    device_ = sdl().SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (device_ == 0)
        return false;
    sdl().SDL_PauseAudioDevice(device_, 0);
    return true;
}

std::uint64_t AudioOutput::cut() { return ticket_.fetch_add(1, std::memory_order_acq_rel) + 1; }

void AudioOutput::play(std::shared_ptr<const Samples> samples, std::uint64_t ticket)
{
    if (device_ == 0)
        return;
    sdl().SDL_LockAudioDevice(device_);
    playing_.swap(samples);
    position_ = 0;
    playingTicket_ = ticket;
    sdl().SDL_UnlockAudioDevice(device_);
    // `samples` now holds the buffer that was playing; it is let go here, outside the lock.
}

void AudioOutput::release()
{
    if (device_ != 0) {
        sdl().SDL_CloseAudioDevice(device_);
        device_ = 0;
    }
    playing_.reset();
}

void AudioOutput::close()
{
    release();
    if (subsystem_) {
        sdl().SDL_QuitSubSystem(SDL_INIT_AUDIO);
        subsystem_ = false;
    }
}

// Runs on the device's thread with the device lock held: copies the next samples
// of the buffer in progress, unless a cut() has voided its ticket, then silence.
void AudioOutput::fill(void* self, std::uint8_t* stream, int length)
{
    auto* out = static_cast<AudioOutput*>(self);
    auto* dst = reinterpret_cast<std::int16_t*>(stream);
    const std::size_t wanted = std::size_t(length) / 2;
    std::size_t copied = 0;
    if (out->playing_ && out->playingTicket_ == out->ticket_.load(std::memory_order_acquire)) {
        copied = std::min(wanted, out->playing_->size() - out->position_);
        std::memcpy(dst, out->playing_->data() + out->position_, copied * 2);
        out->position_ += copied;
    }
    std::memset(dst + copied, 0, (wanted - copied) * 2);
}

}  // namespace ayat::platform
