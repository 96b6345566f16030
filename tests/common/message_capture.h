#pragma once
// Collects the diagnostics sent through Qt's logging while it lives (from any
// thread), each as the line Qt would write on standard error, instead of
// writing them.
#include <QString>
#include <QStringList>
#include <QtGlobal>

class MessageCapture {
public:
    MessageCapture();
    ~MessageCapture();
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;

    // Ends the capture (Qt's handler is in place again) and returns every line,
    // each ending in a newline; later calls return the same text.
    QString finish();
    // finish(), as its lines.
    QStringList lines();

private:
    QtMessageHandler previous_ = nullptr;
    bool capturing_ = false;
    QString text_;
};
