#include "common/message_capture.h"

#include <QMutex>

namespace {

QMutex mutex;
QString* collected = nullptr;  // the capture in progress, under the mutex

void collect(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    const QMutexLocker lock(&mutex);
    if (collected)
        *collected += qFormatLogMessage(type, context, message) + QLatin1Char('\n');
}

}  // namespace

MessageCapture::MessageCapture()
{
    const QMutexLocker lock(&mutex);
    Q_ASSERT(!collected);  // one capture at a time
    collected = &text_;
    capturing_ = true;
    previous_ = qInstallMessageHandler(collect);
}

MessageCapture::~MessageCapture() { finish(); }

QString MessageCapture::finish()
{
    if (capturing_) {
        qInstallMessageHandler(previous_);
        const QMutexLocker lock(&mutex);
        collected = nullptr;
        capturing_ = false;
    }
    return text_;
}

QStringList MessageCapture::lines() { return finish().split(QLatin1Char('\n'), Qt::SkipEmptyParts); }
