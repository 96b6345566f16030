// The baseline of the start-up figures: an empty window of the splash window's
// client size at the splash window's place, made and shown the way the program
// shows its splash window. It writes the same stamps as ayat-bench-start and
// ends after its first frame; with "stay" it keeps running (for the memory and
// idle figures) until it is killed. With "text" the window holds one line of
// text in Qt's default font: the least a window that shows any text costs.
#include <cstdio>
#include <cstring>
#include <string>

#include <unistd.h>

#include <QLabel>
#include <QWidget>

#include "probe.h"

namespace {
const std::int64_t librariesLoaded = bench::nowNs();
}

int main(int argc, char** argv)
{
    const std::int64_t entered = bench::nowNs();
    bool stay = false, text = false;
    for (int i = 1; i < argc; ++i) {
        stay = stay || std::strcmp(argv[i], "stay") == 0;
        text = text || std::strcmp(argv[i], "text") == 0;
    }
    bench::ObservedApplication app(argc, argv);
    app.onFrame([&](const bench::Frame& f) {
        static bool done = false;
        if (done)
            return;
        done = true;
        const std::string out = "stamp libraries " + std::to_string(librariesLoaded) + "\nstamp main "
            + std::to_string(entered) + "\nstamp splash-frame-start " + std::to_string(f.start)
            + "\nstamp splash-frame-end " + std::to_string(f.end) + "\ndone\n";
        (void)!::write(STDOUT_FILENO, out.data(), out.size());
        if (!stay)
            ::_exit(0);
    });
    auto* window = new QWidget;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setFixedSize(351, 272);
    window->setGeometry(139, 155, 351, 272);
    if (text)
        (new QLabel(QStringLiteral("Program loading..."), window))->setGeometry(48, 96, 289, 25);
    window->show();
    return app.exec();
}
