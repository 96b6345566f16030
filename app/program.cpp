#include "app/program.h"

#include <QApplication>
#include <QStyleFactory>
#include <QTimer>
#include <QWidget>

#include "app/splash.h"
#include "platform/fonts.h"
#include "platform/process_limits.h"
#include "platform/widgets.h"
#include "sound/sound.h"

namespace ayat {

std::string shortOfResources()
{
    // At most 23 file handles and 8 threads are in use at once, measured on a
    // desktop with a session bus and a sound server (the opening recitation
    // playing); the files read while the windows load come on top of the handles.
    constexpr int kFileHandles = 64;
    constexpr int kThreads = 8;
    return platform::shortOfResources(kFileHandles, kThreads);
}

void prepareStart() { platform::prepareFonts(); }

void setUpApplication(QApplication& app)
{
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion")))
        app.setStyle(style);
    app.setPalette(classicPalette());
    app.setFont(makeFont(defaultFontSpec()));
}

void startProgram(QApplication& app)
{
    // The sound worker, which loads the audio library, waits for the splash
    // window's first frame: that frame comes 0.8 ms sooner at a device pixel
    // ratio of 1 and 2.8 ms at 2, of some 26 ms (make bench).
    sound::holdWorker();
    setUpApplication(app);
    auto* splash = new SplashWindow;
    afterFirstFrame(splash, [] { sound::startWorker(); });
    // A splash window closed before it was ever drawn still lets the sound go.
    QObject::connect(splash, &QObject::destroyed, [] { sound::startWorker(); });
    splash->show();
}

void endProgram()
{
    // Every window goes at once, with its timers: a tick that is already due
    // would otherwise still run before the event loop returns, and could show a
    // window again.
    for (QWidget* w : QApplication::topLevelWidgets()) {
        w->hide();
        for (QTimer* timer : w->findChildren<QTimer*>())
            timer->stop();
    }
    QCoreApplication::exit(0);
}

}  // namespace ayat
