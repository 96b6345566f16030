#include "common/stderr_capture.h"

#include <unistd.h>

StderrCapture::StderrCapture()
{
    std::fflush(stderr);
    file_ = std::tmpfile();
    if (!file_)
        return;
    saved_ = ::dup(2);
    ::dup2(::fileno(file_), 2);
}

StderrCapture::~StderrCapture() { finish(); }

QString StderrCapture::finish()
{
    if (saved_ < 0)
        return text_;
    std::fflush(stderr);
    ::dup2(saved_, 2);
    ::close(saved_);
    saved_ = -1;
    std::rewind(file_);
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, file_)) > 0)
        text_ += QString::fromLocal8Bit(buf, qsizetype(n));
    std::fclose(file_);
    file_ = nullptr;
    return text_;
}

QStringList StderrCapture::lines() { return finish().split(QLatin1Char('\n'), Qt::SkipEmptyParts); }
