#include "app/splash.h"

#include <span>
#include <string>
#include <vector>

#include <QCloseEvent>
#include <QTimer>

#include "app/main_window.h"
#include "assets/images_ahead.h"

#include "panels/credits.h"
#include "platform/controls.h"
#include "platform/image_formats.h"
#include "platform/widgets.h"
#include "sound/sound.h"

namespace ayat {
namespace {

// Two things that bring the splash window's first frame sooner, each measured by
// make bench, which builds this file again with one of them off (at a device
// pixel ratio of 1 and 2, on 2 cores): the pictures decoded on a thread of their
// own while the window is made (0.7 and 3.0 ms sooner, of some 26 ms: at ratio
// 2 they are PNG variants, slow to decode), and the window's icon set after
// that frame, since reading it loads the icon format's plugin (1.0 and 1.2 ms).
#ifndef AYAT_SPLASH_PICTURES_AHEAD
#define AYAT_SPLASH_PICTURES_AHEAD 1
#endif
#ifndef AYAT_SPLASH_ICON_AFTER_FRAME
#define AYAT_SPLASH_ICON_AFTER_FRAME 1
#endif

using K = ControlKind;
using U = Picture::Use;

// Topmost first. Only the title artwork overlaps another control: it covers the
// bottom 15 twips of the maker's name line.
// clang-format off
const ControlRow kSplashControls[] = {
    {.name = "Label3", .kind = K::Label, .rect = {1320, 3000, 3015, 375},
     .text = credits::kSplashProgrammerCredit, .font = {.family = "Arial", .points = 9.75, .bold = true}},
    {.name = "Label2", .kind = K::Label, .rect = {240, 3480, 4935, 495},
     .text = credits::kSplashDistributionNotice, .font = {.family = "Arial", .points = 9.75}},
    {.name = "Image2", .kind = K::Picture, .rect = {360, 1800, 4545, 1050},
     .pictureKey = "splashtitle", .use = U::NaturalSize, .accessibleName = credits::kProductTitle},
    {.name = "Label1", .kind = K::Label, .rect = {720, 1440, 4335, 375},
     .text = credits::kSplashMakerLine, .font = {.family = "Times New Roman", .points = 14.25}},
    {.name = "Image1", .kind = K::Picture, .rect = {1680, 120, 1800, 1230},
     .pictureKey = "splashbook", .use = U::NaturalSize},
};
// clang-format on

std::vector<std::string> pictureKeysOf(std::span<const ControlRow> rows)
{
    std::vector<std::string> keys;
    for (const ControlRow& row : rows) {
        if (row.pictureKey)
            keys.emplace_back(row.pictureKey);
    }
    return keys;
}

// The rows' pictures, decoded on a thread of their own, once Qt's format plugins
// are looked up here (platform/image_formats.h says why).
std::unique_ptr<ImagesAhead> decodeAhead(std::span<const ControlRow> rows)
{
    platform::lookUpImageFormats();
    return std::make_unique<ImagesAhead>(pictureKeysOf(rows));
}

// What the builder is given for the pictures: nothing yet. They are decoded
// meanwhile and put in at the first paint (see paintEvent).
class NoImagesYet final : public ImageSource {
public:
    QImage image(std::string_view) const override { return {}; }
    QCursor hotspotPointer() const override { return {}; }
};

}  // namespace

SplashWindow::SplashWindow() : imagesAhead_(AYAT_SPLASH_PICTURES_AHEAD ? decodeAhead(kSplashControls) : nullptr)
{
    // The design names the splash window "nature", as it names the nature section's
    // panel in the main window; the two are unrelated.
    setObjectName(QStringLiteral("nature"));
    setWindowTitle(QStringLiteral("Program loading..."));
    // The icon is not part of the first frame: it comes once that frame is out.
    if (AYAT_SPLASH_ICON_AFTER_FRAME)
        afterFirstFrame(this, [this] { setWindowIcon(assets_.windowIcon("splashicon")); });
    else
        setWindowIcon(assets_.windowIcon("splashicon"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAutoFillBackground(true);
    if (imagesAhead_)
        buildControls(this, kSplashControls, NoImagesYet());
    else
        buildControls(this, kSplashControls, assets_);

    // A thin fixed frame: the client area keeps its size, and the window opens
    // with it at its designed place.
    const QRect client = toPixels(kClientArea);
    setFixedSize(client.size());
    setFixedFrame(this);
    setGeometry(client);

    // Both timers count from the window's creation. A tick that falls due while
    // a handler runs is delivered once the program is idle again; ticks never
    // queue up behind one another.
    showTimer_ = new QTimer(this);
    showTimer_->setObjectName(QStringLiteral("Timer2"));
    showTimer_->setTimerType(Qt::PreciseTimer);
    showTimer_->setInterval(kShowInterval);
    connect(showTimer_, &QTimer::timeout, this, &SplashWindow::Timer2_Timer);
    closeTimer_ = new QTimer(this);
    closeTimer_->setObjectName(QStringLiteral("Timer1"));
    closeTimer_->setTimerType(Qt::PreciseTimer);
    closeTimer_->setInterval(kCloseAfter);
    connect(closeTimer_, &QTimer::timeout, this, &SplashWindow::Timer1_Timer);
    showTimer_->start();
    closeTimer_->start();

    Form_Load();
}

SplashWindow::~SplashWindow() = default;

MainWindow* SplashWindow::mainWindow() const { return mainWindow_; }

void SplashWindow::Form_Load() { RequestSound("bism.exp"); }

void SplashWindow::Timer2_Timer()
{
    // Show the main window; it is made first if there is none (at the first tick,
    // or after the user closed it, which destroys it). A closed window is
    // destroyed when the event loop gets to it, which on Windows may come after
    // this tick (seen under Wine: the closed window shown again, and the fresh one
    // only a tick later); closed, it is hidden, which nothing else makes it, and
    // it is replaced all the same.
    if (!mainWindow_ || mainWindow_->isHidden())
        mainWindow_ = new MainWindow;
    mainWindow_->show();
}

void SplashWindow::Timer1_Timer() { close(); }

void SplashWindow::paintEvent(QPaintEvent* event)
{
    // The pictures are decoded on a thread of their own while the window is made
    // and mapped, and put in place here, just before the window's first frame
    // paints them (a window's children are painted after it).
    if (imagesAhead_) {
        for (const ControlRow& row : kSplashControls) {
            if (row.pictureKey)
                child<Picture>(this, row.name)->setImage(imagesAhead_->image(row.pictureKey));
        }
        imagesAhead_.reset();
    }
    QWidget::paintEvent(event);
}

void SplashWindow::closeEvent(QCloseEvent* event)
{
    // The window is destroyed once the event loop gets to it; from now on it has
    // no more ticks, so a closed splash window never brings up a main window.
    closeTimer_->stop();
    showTimer_->stop();
    QWidget::closeEvent(event);
}

}  // namespace ayat
