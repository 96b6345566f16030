// Renders every screen as the user sees it: the splash window, the home screen,
// each section entered from the Category menu with one object clicked in its
// scene, and the Help and About panels.
// Runs without a display and without sound unless told otherwise by the usual
// QT_QPA_PLATFORM and SDL_AUDIODRIVER. With --scale 2 the screen has twice the
// density (every picture its variant drawn at twice the size), and the files are
// named <screen>@2x.png.
#include <cstdio>
#include <string>
#include <string_view>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QTest>
#include <QWindow>

#include "app/main_window.h"
#include "app/program.h"
#include "app/splash.h"
#include "platform/controls.h"
#include "sections/tables/section_tables.h"

namespace {

// The hotspot clicked in a section's shot: the first of the item with the
// longest verse, so that the picture shows how the verse box wraps.
const char* longestVerseHotspot(const ayat::SectionDescription& d)
{
    const ayat::SectionItem* longest = &d.items.front();
    for (const ayat::SectionItem& item : d.items)
        if (std::string_view(item.verse->english).size() > std::string_view(longest->verse->english).size())
            longest = &item;
    return longest->hotspots.front().name;
}

// "@2x" at scale 2, before each file's extension.
QString gSuffix;

bool save(QWidget* window, const QDir& folder, const char* file)
{
    QApplication::processEvents();
    QString name = QString::fromLatin1(file);
    name.insert(name.lastIndexOf(QLatin1Char('.')), gSuffix);
    const QString path = folder.filePath(name);
    if (!window->grab().save(path, "PNG")) {
        std::fprintf(stderr, "ayat-screenshots: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// Each section with each of its hotspots clicked in turn: <section>-<hotspot>.png.
bool everyObjectChosen(ayat::MainWindow& window, const QDir& folder)
{
    bool ok = true;
    for (const ayat::SectionDescription* d : ayat::allSections()) {
        ayat::child<ayat::Panel>(window.client(), d->panelName)->show();
        for (const ayat::SectionItem& item : d->items)
            for (const ayat::HotspotSpec& h : item.hotspots) {
                const QWidget* spot =
                    ayat::findControl(ayat::child<ayat::Panel>(window.client(), d->panelName), h.name);
                QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                                  spot->mapTo(&window, spot->rect().center()));
                const std::string file = std::string(d->panelName) + "-" + h.name + ".png";
                ok = save(&window, folder, file.c_str()) && ok;
            }
        ayat::child<ayat::Panel>(window.client(), d->panelName)->hide();
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER"))
        qputenv("SDL_AUDIODRIVER", "dummy");
    bool everyObject = false;
    int scale = 1;
    int at = 1;
    for (; at < argc - 1; ++at) {
        const std::string_view arg(argv[at]);
        if (arg == "--every-object")
            everyObject = true;
        else if (arg == "--scale" && at + 2 < argc
                 && (std::string_view(argv[at + 1]) == "1" || std::string_view(argv[at + 1]) == "2"))
            scale = argv[++at][0] - '0';
        else
            break;
    }
    if (at != argc - 1) {
        std::fprintf(stderr, "usage: ayat-screenshots [--every-object] [--scale 1|2] <folder>\n");
        return 2;
    }
    if (scale != 1) {
        qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));
        gSuffix = QStringLiteral("@%1x").arg(scale);
    }
    QApplication app(argc, argv);
    const QDir folder(QString::fromLocal8Bit(argv[at]));
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "ayat-screenshots: cannot make the folder %s\n", argv[at]);
        return 1;
    }

    ayat::setUpApplication(app);
    bool ok = true;
    {
        // Shot before its first tick, so that it stands alone as at start.
        auto* splash = new ayat::SplashWindow;
        splash->show();
        ok = QTest::qWaitForWindowExposed(splash) && save(splash, folder, "splash.png");
        delete splash;
    }
    ayat::MainWindow window;
    window.show();
    window.activateWindow();  // so that the focus on "Nature" shows, as at start
    if (!QTest::qWaitForWindowActive(&window)) {
        std::fprintf(stderr, "ayat-screenshots: the window was never shown\n");
        return 1;
    }
    if (everyObject)
        return everyObjectChosen(window, folder) ? 0 : 1;
    ok = save(&window, folder, "home.png") && ok;
    for (const ayat::SectionDescription* d : ayat::allSections()) {
        window.findChild<QAction*>(QString::fromLatin1(d->menuItem))->trigger();
        const QWidget* spot =
            ayat::findControl(ayat::child<ayat::Panel>(window.client(), d->panelName), longestVerseHotspot(*d));
        // A real click at the hotspot's centre, delivered to whatever lies there.
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, spot->mapTo(&window, spot->rect().center()));
        ok = save(&window, folder, (std::string(d->panelName) + ".png").c_str()) && ok;
    }
    window.mainmnu_Click();
    window.proghelpmnu_Click();
    ok = save(&window, folder, "help.png") && ok;
    window.panels().hide(ayat::PanelId::Help);
    window.aboutmnu_Click();
    ok = save(&window, folder, "about.png") && ok;
    return ok ? 0 : 1;
}
