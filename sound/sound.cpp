#include "sound/sound.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <memory>
#include <new>
#include <string>
#include <system_error>
#include <thread>

#include "platform/audio.h"
#include "platform/files.h"

namespace ayat {

namespace {

// Larger files are not read at all; no sound of the program comes near it.
constexpr std::size_t kMaxFileBytes = std::size_t{64} << 20;

// Requests are handed from the user-interface thread to one worker thread,
// which opens the device, finds, reads and decodes the file and starts it.
// Only the newest request waiting is ever taken up. A request also silences
// the sound in progress at once (AudioOutput::cut), so nothing older than the
// newest request is heard, even while the worker is still busy with it.
struct Service {
    std::mutex mutex;
    std::condition_variable wake;     // the worker waits here for a request
    std::condition_variable settled;  // shutdown and tests wait here for the worker
    std::string pending;
    std::uint64_t pendingTicket = 0;
    std::uint64_t takenTicket = 0;
    bool started = false;
    bool held = false;
    bool busy = false;
    bool quitting = false;
    bool finished = false;

    std::function<void(std::string_view)> listener;  // user-interface thread only
    platform::AudioOutput output;
};

// Never destroyed: the worker, and the device's own thread that reads the
// buffer in progress, may still run while static objects are torn down at exit.
Service& service()
{
    static Service* const s = new Service;
    return *s;
}

// The longest file name either system has: 255 bytes on Linux, 255 UTF-16
// units on Windows.
constexpr std::size_t kMaxNameLength = 255;

// A name is looked up only as a file directly in a folder.
bool isBareName(std::string_view name)
{
    return !name.empty() && name.size() <= kMaxNameLength
        && name.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos
        && name.find("..") == std::string_view::npos;
}

// A sound file, read as it plays. The file is taken as it was when it was
// opened: one that is shorter, longer or written anew when read again is not
// the one whose header was checked, and its sound ends there.
class FileSource final : public platform::WaveSource {
public:
    FileSource(platform::OpenedFile file, platform::FileVersion version) : file_(std::move(file)), version_(version) {}
    std::uint64_t size() const override { return std::uint64_t(version_.size); }
    bool readAt(std::uint64_t offset, std::byte* into, std::size_t count) override
    {
        return platform::versionOfOpenFile(file_) == version_ && platform::readOpenFileAt(file_, offset, into, count);
    }

private:
    platform::OpenedFile file_;
    platform::FileVersion version_;
};

// Finds the file in the working directory, else in the program's folder, and
// opens its sound. The file stays open for as long as the sound reads from it.
std::unique_ptr<platform::Wave> openSound(std::string_view name)
{
    if (!isBareName(name))
        return nullptr;
    for (const platform::Path& folder : {platform::Path("."), platform::programFolder()}) {
        if (folder.empty())
            continue;
        platform::OpenedFile file = platform::openRegularFileAnyCase(folder, name);
        if (!file)
            continue;
        const platform::FileVersion version = platform::versionOfOpenFile(file);
        if (version.size <= 0 || std::uint64_t(version.size) > kMaxFileBytes)
            return nullptr;
        return platform::Wave::open(std::make_unique<FileSource>(std::move(file), version));
    }
    return nullptr;
}

// Plays the named sound; returns how long what it started will sound (zero
// for silence).
std::chrono::milliseconds play(Service& s, const std::string& name, std::uint64_t ticket)
{
    if (!s.output.open())
        return {};  // no device: every request is silent
    std::unique_ptr<platform::Wave> sound = openSound(name);
    if (s.output.voided(ticket))
        return {};
    const auto length = std::chrono::milliseconds(sound ? sound->length() * 1000 / platform::kAudioRate : 0);
    s.output.play(std::move(sound), ticket);  // null: silence in place of the sound in progress
    return length;
}

// How long the device stays open after its sound has ended, for a request that
// follows at once; then it is closed, so that a quiet program is not woken.
constexpr std::chrono::milliseconds kKeepOpen{1000};

// While a sound is read as it plays, the worker reads on ahead of it this
// often (platform::Wave keeps a second read ahead).
constexpr std::chrono::milliseconds kTopUpEvery{200};

void work(Service& s)
{
    std::unique_lock lock(s.mutex);
    constexpr auto kNever = std::chrono::steady_clock::time_point::max();
    auto closeAt = kNever;  // when to close the device, if it may be open
    auto topUpAt = kNever;  // when to read on for the sound in progress
    for (;;) {
        const auto requested = [&] { return s.quitting || s.pendingTicket != s.takenTicket; };
        if (const auto wakeAt = std::min(closeAt, topUpAt); wakeAt != kNever) {
            if (!s.wake.wait_until(lock, wakeAt, requested)) {
                lock.unlock();
                const auto now = std::chrono::steady_clock::now();
                if (topUpAt <= now)
                    topUpAt = s.output.topUp() ? now + kTopUpEvery : kNever;
                if (closeAt <= now) {
                    closeAt = topUpAt = kNever;
                    s.output.release();
                }
                lock.lock();
                continue;
            }
        } else {
            s.wake.wait(lock, requested);
        }
        if (s.quitting)
            break;
        const std::string name = std::move(s.pending);
        const std::uint64_t ticket = s.pendingTicket;
        s.takenTicket = ticket;
        s.busy = true;
        lock.unlock();
        std::chrono::milliseconds length{};
        try {
            length = play(s, name, ticket);
        } catch (const std::bad_alloc&) {
            // a sound too large for the memory left: that request stays silent
        }
        const auto now = std::chrono::steady_clock::now();
        closeAt = now + length + kKeepOpen;
        topUpAt = s.output.topUp() ? now + kTopUpEvery : kNever;
        lock.lock();
        s.busy = false;
        s.settled.notify_all();
    }
    lock.unlock();
    s.output.close();
    lock.lock();
    s.finished = true;
    s.settled.notify_all();
}

// The worker thread's top: nothing may leave a thread's function. What work()
// does not handle itself is a fault of ours; the worker ends then, as if the
// program were quitting, so that nothing waits for it, and later requests are
// silent.
void runWorker(Service& s)
{
    try {
        work(s);
    } catch (...) {
        std::lock_guard lock(s.mutex);
        s.busy = false;
        s.finished = true;
        s.settled.notify_all();
    }
}

// Starts the worker for a request that waits, unless the start is held.
void startLocked(Service& s)
{
    if (s.started || s.held || s.pendingTicket == s.takenTicket)
        return;
    std::thread(runWorker, std::ref(s)).detach();
    s.started = true;
}

}  // namespace

void RequestSound(std::string_view name)
{
    Service& s = service();
    if (s.listener) {
        try {
            s.listener(name);
        } catch (...) {
            // the listener is the caller's own code: a request never throws back
        }
    }
    try {
        const std::uint64_t ticket = s.output.cut();
        {
            std::lock_guard lock(s.mutex);
            if (s.quitting)
                return;
            s.pending.assign(name);
            s.pendingTicket = ticket;
            startLocked(s);
        }
        s.wake.notify_one();
    } catch (const std::bad_alloc&) {
        // no memory for the name or the worker: the request is silent
    } catch (const std::system_error&) {
        // no thread for the worker: the requests are silent
    }
}

void setSoundRequestListener(std::function<void(std::string_view)> listener)
{
    service().listener = std::move(listener);
}

namespace sound {

void holdWorker()
{
    Service& s = service();
    std::lock_guard lock(s.mutex);
    s.held = true;
}

void startWorker()
{
    Service& s = service();
    try {
        std::lock_guard lock(s.mutex);
        s.held = false;
        if (!s.quitting)
            startLocked(s);
    } catch (const std::bad_alloc&) {
        // no memory for the worker: the requests stay silent
    } catch (const std::system_error&) {
        // no thread for the worker: the requests stay silent
    }
}

void shutdown()
{
    Service& s = service();
    s.output.cut();
    std::unique_lock lock(s.mutex);
    s.quitting = true;
    if (!s.started)
        return;
    s.wake.notify_all();
    s.settled.wait_for(lock, std::chrono::milliseconds(300), [&] { return s.finished; });
}

void waitUntilIdleForTesting()
{
    Service& s = service();
    std::unique_lock lock(s.mutex);
    s.settled.wait(lock, [&] { return !s.started || s.finished || (!s.busy && s.takenTicket == s.pendingTicket); });
}

}  // namespace sound

}  // namespace ayat
