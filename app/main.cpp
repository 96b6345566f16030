// Ayat Explorer starts with its splash window, which hands over to the main window.
#include <string>

#include <QApplication>

#include "app/program.h"
#include "platform/diagnostics.h"
#include "sound/sound.h"

int main(int argc, char** argv)
{
    // Short of either, the program would crash or freeze on its way up: it
    // says so and ends instead.
    if (const std::string shortage = ayat::shortOfResources(); !shortage.empty()) {
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
