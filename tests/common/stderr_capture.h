#pragma once
// Collects what is written to standard error (file descriptor 2) while it lives.
#include <cstdio>

#include <QString>
#include <QStringList>

class StderrCapture {
public:
    StderrCapture();
    ~StderrCapture();
    StderrCapture(const StderrCapture&) = delete;
    StderrCapture& operator=(const StderrCapture&) = delete;

    // Ends the capture (standard error is itself again) and returns all that
    // was written; later calls return the same text.
    QString finish();
    // finish(), split into its non-empty lines.
    QStringList lines();

private:
    int saved_ = -1;
    std::FILE* file_ = nullptr;
    QString text_;
};
