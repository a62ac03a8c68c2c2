#pragma once
// Saving that never damages what is already on disk: the bytes go to a temporary file
// beside the target, which replaces the target only once everything is written.
#include <QByteArray>
#include <QString>

enum class TSaveResult { Saved, CannotCreate, CannotWrite };

TSaveResult SaveFileSafely(const QString& path, const QByteArray& bytes);
