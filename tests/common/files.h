#pragma once
// Content files made by a test.
#include <QByteArray>
#include <QString>

// Writes `bytes` to `path`, replacing what was there; false if any of it failed.
bool writeFile(const QString& path, const QByteArray& bytes);
