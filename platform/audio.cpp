#include "platform/audio.h"

#include "platform/sdl_audio.h"

#ifndef _WIN32
#include <dlfcn.h>
#endif

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <string_view>

namespace ayat::platform {

namespace {

// Reached only once sdlAudio() has loaded: Wave::open() and open() check it first,
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
// Windows' own output, WASAPI; DirectSound and the old waveform calls are its
// fallbacks.
constexpr std::string_view kServers[] = {"wasapi"};
#else
// The desktop's sound servers: PulseAudio, or PipeWire through its PulseAudio
// service, then PipeWire itself.
constexpr std::string_view kServers[] = {"pulseaudio", "pipewire"};
#endif

bool isServer(std::string_view driver)
{
    return std::find(std::begin(kServers), std::end(kServers), driver) != std::end(kServers);
}

// Whether SDL_AUDIODRIVER chose the output: then SDL goes by it alone.
bool driverChosen()
{
    const char* chosen = std::getenv("SDL_AUDIODRIVER");
    return chosen && *chosen;
}

// The outputs SDL tries when the environment chooses none: the sound servers
// first, then every other output this SDL has, in its own order (raw ALSA
// among them); its disk and dummy outputs only when chosen by name.
std::string driverOrder()
{
    std::string order;
    for (std::string_view server : kServers)
        order.append(server).append(",");
    for (int i = 0, n = sdl().SDL_GetNumAudioDrivers(); i < n; ++i) {
        const std::string_view name = sdl().SDL_GetAudioDriver(i);
        if (name != "disk" && name != "dummy" && !isServer(name))
            order.append(name).append(",");
    }
    order.pop_back();
    return order;
}

#ifdef _WIN32
void quietAlsa() {}  // no ALSA on Windows
#else

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

// The formats of a WAVE file's "fmt " chunk that a recitation can come in.
enum : std::uint16_t {
    kPcm = 1,
    kMsAdpcm = 2,
    kFloat = 3,
    kAlaw = 6,
    kMulaw = 7,
    kImaAdpcm = 0x11,
    kExtensible = 0xfffe
};
constexpr int kMinRate = 8000;
constexpr int kMaxRate = 192000;
constexpr int kMaxChannels = 8;
constexpr std::size_t kMaxAdpcmBlock = 8192;

std::uint32_t little(std::span<const std::byte> at, std::size_t bytes)
{
    std::uint32_t v = 0;
    for (std::size_t i = bytes; i-- > 0;)
        v = v << 8 | std::to_integer<std::uint32_t>(at[i]);
    return v;
}

// Whether the file's format is one a recitation can come in (audio.h lists
// them), judged from its first "fmt " chunk, the one SDL's loader reads, before
// the loader sees the file. What else makes a file whole is the loader's to judge.
bool acceptableFormat(std::span<const std::byte> file)
{
    if (file.size() < 12 || little(file.subspan(0, 4), 4) != 0x46464952 || little(file.subspan(8, 4), 4) != 0x45564157)
        return false;  // not "RIFF" ... "WAVE"
    for (std::size_t at = 12; at + 8 <= file.size();) {
        const std::uint32_t id = little(file.subspan(at, 4), 4);
        const std::size_t size = little(file.subspan(at + 4, 4), 4);
        const std::span<const std::byte> body = file.subspan(at + 8, std::min(size, file.size() - at - 8));
        if (id != 0x20746d66) {  // not "fmt ": chunks are padded to an even size
            at += 8 + std::size_t(size) + (size & 1);
            continue;
        }
        if (body.size() < 16)
            return false;
        std::uint32_t tag = little(body.subspan(0, 2), 2);
        const std::uint32_t channels = little(body.subspan(2, 2), 2);
        const std::uint32_t rate = little(body.subspan(4, 4), 4);
        const std::size_t block = little(body.subspan(12, 2), 2);
        const std::uint32_t bits = little(body.subspan(14, 2), 2);
        if (tag == kExtensible) {  // the real format opens the sub-format's GUID
            if (body.size() < 40)
                return false;
            tag = little(body.subspan(24, 4), 4);
        }
        if (channels < 1 || channels > kMaxChannels || rate < kMinRate || rate > kMaxRate)
            return false;
        switch (tag) {
        case kPcm:
            return bits == 8 || bits == 16 || bits == 24 || bits == 32;
        case kFloat:
            return bits == 32;
        case kAlaw:
        case kMulaw:
            return bits == 8 && file.size() <= Wave::kMaxCompressedBytes;
        case kMsAdpcm:
        case kImaAdpcm:
            return bits == 4 && block <= kMaxAdpcmBlock && file.size() <= Wave::kMaxCompressedBytes;
        default:
            return false;
        }
    }
    return false;
}

// Input given to the converter at a time: at 8000 Hz, some 11000 samples out.
constexpr std::size_t kFeedFrames = 4096;

}  // namespace

std::unique_ptr<Wave> Wave::open(std::span<const std::byte> file)
{
    if (file.empty() || file.size() > std::size_t(INT_MAX) || !acceptableFormat(file) || !sdlAudio())
        return nullptr;
    setLoaderHints();

    std::unique_ptr<Wave> wave(new Wave);
    SDL_AudioSpec info{};
    Uint32 length = 0;
    SDL_RWops* source = sdl().SDL_RWFromConstMem(file.data(), int(file.size()));
    if (!source || !sdl().SDL_LoadWAV_RW(source, 1, &info, &wave->data_, &length))
        return nullptr;
    wave->bytes_ = length;
    wave->frameBytes_ = std::size_t(SDL_AUDIO_BITSIZE(info.format) / 8) * info.channels;
    // What the loader made of the file is held to the same bounds.
    if (info.channels < 1 || info.channels > kMaxChannels || info.freq < kMinRate || info.freq > kMaxRate
        || wave->frameBytes_ == 0 || length < wave->frameBytes_)
        return nullptr;
    const std::size_t frames = length / wave->frameBytes_;
    wave->bytes_ = frames * wave->frameBytes_;  // a part of a frame at the end is no sample
    wave->length_ = std::size_t(std::llround(double(frames) * kAudioRate / info.freq));
    if (wave->length_ == 0 || wave->length_ > kMaxDecodedSamples)
        return nullptr;
    if (info.format == AUDIO_S16SYS && info.channels == 1 && info.freq == kAudioRate)
        return wave;  // played as it stands
    wave->convert_ = sdl().SDL_NewAudioStream(info.format, info.channels, info.freq, AUDIO_S16SYS, 1, kAudioRate);
    if (!wave->convert_)
        return nullptr;
    // The resampler holds back its last few hundred frames even when flushed:
    // they are pushed out with silence, which is cut off again at length_.
    wave->tail_ = std::size_t(4096 + info.freq / 20) * wave->frameBytes_;
    wave->silence_ = info.silence;
    return wave;
}

Wave::~Wave()
{
    if (convert_)
        sdl().SDL_FreeAudioStream(convert_);
    if (data_)
        sdl().SDL_FreeWAV(data_);
}

// Gives the converter its next input: sound data, then the silence behind it,
// then the end. False when there is nothing left to give, or it fails.
bool Wave::feed()
{
    const std::size_t chunk = kFeedFrames * frameBytes_;
    if (fed_ < bytes_) {
        const std::size_t n = std::min(chunk, bytes_ - fed_);
        fed_ += n;
        return sdl().SDL_AudioStreamPut(convert_, data_ + fed_ - n, int(n)) == 0;
    }
    if (tail_ == 0)
        return false;
    const std::vector<Uint8> silence(std::min(chunk, tail_), silence_);
    tail_ -= silence.size();
    return sdl().SDL_AudioStreamPut(convert_, silence.data(), int(silence.size())) == 0
        && (tail_ > 0 || sdl().SDL_AudioStreamFlush(convert_) == 0);
}

std::size_t Wave::read(std::int16_t* out, std::size_t count)
{
    count = std::min(count, length_ - given_);
    if (!convert_) {
        std::memcpy(out, data_ + given_ * 2, count * 2);
        given_ += count;
        return count;
    }
    std::size_t done = 0;
    while (done < count) {
        const int got = sdl().SDL_AudioStreamGet(convert_, out + done, int((count - done) * 2));
        if (got > 0)
            done += std::size_t(got) / 2;
        else if (got < 0 || !feed())
            break;
    }
    given_ += done;
    if (done < count)
        length_ = given_;  // the converter gave out early: the sound ends here
    return done;
}

std::shared_ptr<const Samples> decodeWave(std::span<const std::byte> file)
{
    const std::unique_ptr<Wave> wave = Wave::open(file);
    if (!wave)
        return nullptr;
    auto out = std::make_shared<Samples>(wave->length());
    out->resize(wave->read(out->data(), out->size()));
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
        sdl().SDL_SetHint(SDL_HINT_AUDIODRIVER, driverOrder().c_str());
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
    if (device_ == 0) {
        // The next request asks every output again, the sound servers first:
        // one that was not running yet may be by then.
        quitSubsystem();
        return false;
    }
    sdl().SDL_PauseAudioDevice(device_, 0);
    return true;
}

std::uint64_t AudioOutput::cut() { return ticket_.fetch_add(1, std::memory_order_acq_rel) + 1; }

void AudioOutput::play(std::unique_ptr<Wave> sound, std::uint64_t ticket)
{
    if (device_ == 0)
        return;
    sdl().SDL_LockAudioDevice(device_);
    playing_.swap(sound);
    playingTicket_ = ticket;
    sdl().SDL_UnlockAudioDevice(device_);
    // `sound` now holds the sound that was playing; it is let go here, outside the lock.
}

void AudioOutput::release()
{
    if (device_ != 0) {
        sdl().SDL_CloseAudioDevice(device_);
        device_ = 0;
    }
    playing_.reset();
    // Played through a fallback (raw ALSA) because no sound server answered:
    // the next request asks the servers again, so that one which has come up
    // since is used, as every other program of the desktop uses it.
    if (subsystem_ && !driverChosen()) {
        const char* current = sdl().SDL_GetCurrentAudioDriver();
        if (!current || !isServer(current))
            quitSubsystem();
    }
}

void AudioOutput::close()
{
    release();
    quitSubsystem();
}

void AudioOutput::quitSubsystem()
{
    if (subsystem_) {
        sdl().SDL_QuitSubSystem(SDL_INIT_AUDIO);
        subsystem_ = false;
    }
}

// Runs on the device's thread with the device lock held: the next samples of
// the sound in progress, unless a cut() has voided its ticket, then silence.
void AudioOutput::fill(void* self, std::uint8_t* stream, int length)
{
    auto* out = static_cast<AudioOutput*>(self);
    auto* dst = reinterpret_cast<std::int16_t*>(stream);
    const std::size_t wanted = std::size_t(length) / 2;
    std::size_t copied = 0;
    if (out->playing_ && out->playingTicket_ == out->ticket_.load(std::memory_order_acquire))
        copied = out->playing_->read(dst, wanted);
    std::memset(dst + copied, 0, (wanted - copied) * 2);
}

}  // namespace ayat::platform
