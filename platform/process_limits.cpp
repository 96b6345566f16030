#include "platform/process_limits.h"

#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

#ifndef _WIN32
#include <sys/resource.h>
#endif

namespace ayat::platform {

namespace {

#ifdef _WIN32
// Windows sets a program no limit of handles that it could come near (some 16
// million per process).
bool enoughHandles(int) { return true; }
#else
bool enoughHandles(int handles)
{
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY || limit.rlim_cur >= rlim_t(handles))
        return true;
    if (limit.rlim_max != RLIM_INFINITY && limit.rlim_max < rlim_t(handles))
        return false;
    limit.rlim_cur = rlim_t(handles);
    return ::setrlimit(RLIMIT_NOFILE, &limit) == 0;
}
#endif

// Starts the threads, all waiting at once, then lets them go.
bool enoughThreads(int threads)
{
    std::mutex mutex;
    std::condition_variable go;
    bool released = false;
    std::vector<std::thread> started;
    try {
        while (int(started.size()) < threads)
            started.emplace_back([&] {
                std::unique_lock lock(mutex);
                go.wait(lock, [&] { return released; });
            });
    } catch (const std::system_error&) {
    }
    {
        std::lock_guard lock(mutex);
        released = true;
    }
    go.notify_all();
    for (std::thread& t : started)
        t.join();
    return int(started.size()) == threads;
}

}  // namespace

std::string shortOfResources(int handles, int threads)
{
    if (!enoughHandles(handles))
        return "too few file handles may be open (" + std::to_string(handles) + " are needed)";
    if (!enoughThreads(threads))
        return "no more threads can be started (" + std::to_string(threads) + " are needed)";
    return {};
}

}  // namespace ayat::platform
