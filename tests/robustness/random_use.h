#pragma once
// Randomized use of a real main window, checked after every action against a
// small navigation model of our own (model.h): what a click reaches, which
// sound each action asks for, which panels are visible, what each section
// shows, where the keyboard focus lies, and that no control is ever made or
// destroyed while the window lives.
//
// The same driver runs the reproducible test run, the long run that samples
// memory and descriptors, and the window over broken content files.
#include <array>
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include <QPointer>
#include <QString>
#include <QStringList>

#include "common/sound_requests.h"
#include "model.h"

class QWidget;

namespace ayat {
class MainWindow;
}

namespace robust {

class RandomUser {
public:
    explicit RandomUser(std::uint64_t start);
    ~RandomUser();

    // Takes a main window in its initial state (shown): from now on it is driven
    // and checked. The user does not own it.
    QString attach(ayat::MainWindow* window);
    ayat::MainWindow* window() const { return window_; }

    // When false, actions that would end the program are passed over (a click
    // that would reach the quit button is not made, File > Exit not chosen).
    bool allowEnd = true;
    // When true, the keyboard and pointer routes through the menus are used too
    // (they need the window to be active).
    bool menuRoutes = true;
    // When true, every action that asked for a sound waits until the sound
    // service has taken it up (file found, read, decoded, played or given up):
    // a request that never settles hangs the run, which its caller's time limit catches.
    bool settleSounds = false;
    // Called after an action ended the program: returns a fresh main window in
    // its initial state, shown (or null to stop the run).
    std::function<ayat::MainWindow*()> makeWindow;

    // One random action and every check after it. Empty when all holds, else
    // what went wrong.
    QString step();

    // Checks the window against the model without acting (after attach, or
    // after the caller changed something the model knows about).
    QString check();

    // The actions so far, compact ("c312,45 m:naturemnu K:Tab ..."), wrapped;
    // with a limit, only the last that many (the start value replays them all).
    QString log() const;
    int logLimit = 0;
    std::uint64_t start() const { return start_; }
    int actions() const { return actions_; }
    int windowsEnded() const { return ended_; }
    const Model& model() const { return model_; }
    // How often each kind of command was set off (indexed by Command::Kind).
    const std::array<int, 8>& commandCounts() const { return commands_; }

private:
    struct Planned;

    std::uint64_t next(std::uint64_t n);  // uniform in [0, n)
    QString act(Planned& plan);
    QString planClick(Planned& plan);
    QString planMenu(Planned& plan);
    QString planKey(Planned& plan);
    QString perform(const Planned& plan);
    QString checkHitAt(QPoint at, QWidget* hit) const;
    QString checkFocus(const Planned& plan, int seenBefore, QWidget* focusBefore) const;
    QString checkControlsKept() const;
    QString checkSections() const;
    QString checkPanels() const;
    Command commandOf(QWidget* control) const;
    QWidget* panelOf(QWidget* control) const;  // the panel a control lies in, or null (home)
    QWidget* focusWidget() const;
    void note(const QString& token);

    std::uint64_t start_;
    std::mt19937_64 rng_;
    ayat::MainWindow* window_ = nullptr;
    QWidget* client_ = nullptr;
    std::array<QWidget*, kPanelCount> panels_{};
    std::vector<QPointer<QWidget>> controls_;  // every widget in the client area at attach
    int controlCount_ = 0;
    Model model_;
    std::vector<std::string> requests_;
    SoundRequests listener_{[this](const QString& name) { requests_.push_back(name.toStdString()); }};
    QStringList log_;
    int actions_ = 0;
    int ended_ = 0;
    std::array<int, 8> commands_{};
};

// Drops the two warnings that the offscreen platform gives for every menu that
// opens (it can neither grab the keyboard nor raise a window).
void quietOffscreenWarnings();

// The number of actions of a test run: fewer under a sanitizer, which is slower.
int scaledActions(int normal);

// The start value given on the command line as "--start N" (removed from
// argv), else `fallback`.
std::uint64_t startValueFromArguments(int& argc, char** argv, std::uint64_t fallback);

}  // namespace robust
