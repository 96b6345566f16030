// Ayat Explorer starts with its splash window, which hands over to the main window.
#include <QApplication>

#include "app/program.h"
#include "sound/sound.h"

int main(int argc, char** argv)
{
    ayat::prepareStart();
    QApplication app(argc, argv);
    // The program ends when no window is left or when the end command runs.
    ayat::startProgram(app);
    const int status = app.exec();
    // A sound still playing is cut off, not waited for.
    ayat::sound::shutdown();
    return status;
}
