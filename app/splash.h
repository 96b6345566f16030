#pragma once
// The splash window: shown first, it plays the opening recitation, brings up the
// main window at its first tick and closes itself after four seconds.
#include <memory>

#include <QPointer>
#include <QWidget>

#include "assets/loader.h"
#include "platform/twips.h"

class QTimer;

namespace ayat {

class ImagesAhead;
class MainWindow;

class SplashWindow : public QWidget {
    Q_OBJECT
public:
    // Client area in twips, and where its top-left corner opens on the screen.
    static constexpr Twips kClientArea{2085, 2325, 5265, 4080};
    // Timer2 shows the main window at every tick; Timer1 closes the splash window.
    static constexpr int kShowInterval = 100;
    static constexpr int kCloseAfter = 4000;

    // Creates the window with its controls, starts both timers and runs Form_Load.
    // The window deletes itself when it is closed, which stops both timers.
    SplashWindow();
    ~SplashWindow() override;

    // The main window that the ticks show, while it exists.
    MainWindow* mainWindow() const;

public slots:
    void Form_Load();
    void Timer1_Timer();
    void Timer2_Timer();

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<ImagesAhead> imagesAhead_;  // the pictures, until the first paint puts them in place
    AssetStore assets_;
    QTimer* closeTimer_ = nullptr;  // Timer1
    QTimer* showTimer_ = nullptr;   // Timer2
    QPointer<MainWindow> mainWindow_;
};

}  // namespace ayat
