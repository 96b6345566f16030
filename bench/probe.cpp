#include "probe.h"

#include <ctime>

#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>

namespace bench {

std::int64_t nowNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::int64_t(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

namespace {

ObservedApplication* current = nullptr;

// Paints that no event delivery encloses (a direct repaint()) come one widget at
// a time; their frame is closed by this object's event, once they are all done.
class Flusher : public QObject {
public:
    std::function<void()> run;
    bool event(QEvent* e) override
    {
        if (e->type() != QEvent::User)
            return QObject::event(e);
        run();
        return true;
    }
};

}  // namespace

ObservedApplication* observed() { return current; }

ObservedApplication::ObservedApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    current = this;
    auto* flusher = new Flusher;
    flusher->run = [this] {
        flushPosted_ = false;
        finishFrames();
    };
    flusher_ = flusher;
}

ObservedApplication::~ObservedApplication()
{
    delete flusher_;
    current = nullptr;
}

bool ObservedApplication::notify(QObject* receiver, QEvent* event)
{
    if (eventHandler_)
        eventHandler_(receiver, event);
    Frame* frame = nullptr;
    if (event->type() == QEvent::Paint && receiver->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(receiver);
        QWidget* window = widget->window();
        for (Frame& f : open_)
            if (f.window == window)
                frame = &f;
        if (!frame) {
            open_.push_back(Frame{window, nowNs(), 0, {}});
            frame = &open_.back();
        }
        frame->painted.insert(widget);
        if (depth_ == 0 && !flushPosted_) {
            flushPosted_ = true;
            postEvent(flusher_, new QEvent(QEvent::User), Qt::LowEventPriority);
        }
    }
    ++depth_;
    const bool result = QApplication::notify(receiver, event);
    --depth_;
    if (frame) {
        // open_ may have grown meanwhile; find the frame again.
        for (Frame& f : open_)
            if (f.painted.contains(static_cast<QWidget*>(receiver)))
                f.end = nowNs();
    }
    if (depth_ == 0 && !flushPosted_ && !open_.empty()) {
        const std::int64_t end = nowNs();
        for (Frame& f : open_)
            f.end = end;
        finishFrames();
    }
    return result;
}

void ObservedApplication::finishFrames()
{
    std::vector<Frame> done;
    done.swap(open_);
    if (frameHandler_)
        for (const Frame& f : done)
            frameHandler_(f);
}

bool ObservedApplication::processUntil(const std::function<bool()>& pred, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!pred()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

}  // namespace bench
