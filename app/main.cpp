// Ayat Explorer starts with its splash window, which hands over to the main window.
#include <string>

#include <QApplication>

#include "app/program.h"
#include "platform/diagnostics.h"
#include "platform/process_limits.h"
#include "sound/sound.h"

namespace {

// At most 23 file handles and 8 threads are in use at once, measured on a
// desktop with a session bus and a sound server (the opening recitation
// playing); the files read while the windows load come on top of the handles.
constexpr int kFileHandles = 64;
constexpr int kThreads = 8;

}  // namespace

int main(int argc, char** argv)
{
    // Short of either, the program would crash or freeze on its way up: it
    // says so and ends instead.
    if (const std::string shortage = ayat::platform::shortOfResources(kFileHandles, kThreads); !shortage.empty()) {
        qCCritical(ayat::lcProgram, "cannot start: %s", shortage.c_str());
        return 1;
    }
    ayat::prepareStart();
    QApplication app(argc, argv);
    // The program ends when no window is left or when the end command runs.
    ayat::startProgram(app);
    const int status = app.exec();
    // A sound still playing is cut off, not waited for.
    ayat::sound::shutdown();
    return status;
}
