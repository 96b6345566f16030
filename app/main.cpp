// Ayat Explorer starts with its splash window, which hands over to the main window.
#include <QApplication>

#include "app/program.h"
#include "app/splash.h"
#include "sound/sound.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ayat::setUpApplication(app);
    // The splash window loads (and asks for the opening recitation), then shows;
    // it deletes itself when it closes. The program ends when no window is left
    // or when the end command runs.
    auto* splash = new ayat::SplashWindow;
    splash->show();
    const int status = app.exec();
    // A sound still playing is cut off, not waited for.
    ayat::sound::shutdown();
    return status;
}
