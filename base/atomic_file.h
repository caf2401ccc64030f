#pragma once

#include <QByteArrayView>
#include <QFileDevice>
#include <QString>

namespace base {

// Replaces the file at `path` with `bytes` in one step: the bytes go to a temporary file
// in the same folder, are flushed to the disk, and the temporary file is renamed over the
// target, which then gets `finalMode`. On any failure the old file is left exactly as it
// was, the temporary file is removed, false is returned and `*error` (when given) says
// what failed. `tempPath` names the temporary file; empty means a fresh unique name.
bool AtomicSave(const QString& path, QByteArrayView bytes,
                QFileDevice::Permissions finalMode = QFileDevice::ReadOwner |
                                                     QFileDevice::WriteOwner |
                                                     QFileDevice::ReadGroup |
                                                     QFileDevice::ReadOther,
                const QString& tempPath = QString(), QString* error = nullptr);

}  // namespace base
