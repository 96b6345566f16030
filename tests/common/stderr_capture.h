#pragma once
// What a test's code writes to standard error, caught while a capture lives.
#include <cstdio>

#include <unistd.h>

#include <QString>

namespace ayat {

// Collects what is written to standard error while it lives.
class StderrCapture {
public:
    StderrCapture()
    {
        std::fflush(stderr);
        saved_ = ::dup(2);
        file_ = std::tmpfile();
        ::dup2(::fileno(file_), 2);
    }
    ~StderrCapture() { finish(); }
    QString finish()
    {
        if (saved_ >= 0) {
            std::fflush(stderr);
            ::dup2(saved_, 2);
            ::close(saved_);
            saved_ = -1;
            std::rewind(file_);
            char buf[4096];
            size_t n;
            while ((n = std::fread(buf, 1, sizeof buf, file_)) > 0)
                text_ += QString::fromLocal8Bit(buf, qsizetype(n));
            std::fclose(file_);
        }
        return text_;
    }

private:
    int saved_ = -1;
    std::FILE* file_ = nullptr;
    QString text_;
};

} // namespace ayat
