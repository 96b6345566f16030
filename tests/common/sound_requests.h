#pragma once
// The sound requests the screens make, seen as they are made (before anything is
// played), from this object's creation to its end. Header only: it is for the
// tests that link the sound service.
#include <functional>
#include <string_view>

#include <QString>
#include <QStringList>

#include "sound/sound.h"

class SoundRequests {
public:
    // Records each requested name in names().
    SoundRequests() : SoundRequests([this](const QString& name) { names_ << name; }) {}
    // Hands each requested name to `seen` instead, for tests that record more
    // with it (what was on screen at the time).
    explicit SoundRequests(std::function<void(const QString&)> seen)
    {
        ayat::setSoundRequestListener([seen = std::move(seen)](std::string_view name) {
            seen(QString::fromLatin1(name.data(), qsizetype(name.size())));
        });
    }
    ~SoundRequests() { ayat::setSoundRequestListener({}); }
    SoundRequests(const SoundRequests&) = delete;
    SoundRequests& operator=(const SoundRequests&) = delete;

    // The names requested since the start or the last clear(), in order.
    const QStringList& names() const { return names_; }
    void clear() { names_.clear(); }

private:
    QStringList names_;
};
