#pragma once
// The application object of every bench executable: a QApplication that also
// watches the events it delivers, so that a benchmark sees when a window's frame
// has been painted and flushed, without the program's own code knowing of it.
//
// A frame is the paint events that one delivered event (an expose, an update
// request) sets off for the widgets of one top-level window; it ends when that
// outermost delivery returns, which is after the backing store was flushed.
#include <cstdint>
#include <functional>
#include <vector>

#include <QApplication>
#include <QSet>

class QWidget;

namespace bench {

// CLOCK_MONOTONIC in nanoseconds: the same clock in every process of a run.
std::int64_t nowNs();

struct Frame {
    QWidget* window = nullptr;
    std::int64_t start = 0;  // first paint event of the frame received
    std::int64_t end = 0;    // the delivery that painted it returned
    QSet<QWidget*> painted;  // every widget that got a paint event in it
};

class ObservedApplication : public QApplication {
public:
    ObservedApplication(int& argc, char** argv);
    ~ObservedApplication() override;

    // Called with every frame of a top-level window.
    using FrameHandler = std::function<void(const Frame&)>;
    void onFrame(FrameHandler handler) { frameHandler_ = std::move(handler); }

    // Called before each event is delivered (keep it cheap).
    using EventHandler = std::function<void(QObject*, QEvent*)>;
    void beforeEvent(EventHandler handler) { eventHandler_ = std::move(handler); }

    // Runs the event loop until pred() holds or timeoutMs pass; false on timeout.
    static bool processUntil(const std::function<bool()>& pred, int timeoutMs = 5000);

    bool notify(QObject* receiver, QEvent* event) override;

private:
    void finishFrames();

    FrameHandler frameHandler_;
    EventHandler eventHandler_;
    std::vector<Frame> open_;  // frames of this delivery, one per window
    int depth_ = 0;
    bool flushPosted_ = false;
    QObject* flusher_ = nullptr;
};

ObservedApplication* observed();

}  // namespace bench
