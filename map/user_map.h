#pragma once

// The user's own map pictures: which names are accepted, and the copy into the program
// folder so that the stored name is found again at the next start.

#include <QString>

namespace map {

// The name that brings the built-in map back ("original.bmp", case ignored).
bool IsOriginalMapName(const QString& path);

// The picture must be a bitmap: its name ends in ".bmp" or ".BMP".
bool HasBmpExtension(const QString& path);

// Whether the bytes hold a whole Windows bitmap: the "BM" signature, a file size in the
// header that the bytes reach, and for uncompressed pictures every pixel row present. The
// decoder would show a truncated file with its missing rows black.
bool BitmapComplete(const QByteArray& bytes);

// Largest picture file taken (bytes) and the decoder's allocation limit (megabytes).
inline constexpr qint64 kMaxUserMapBytes = 64LL * 1024 * 1024;
inline constexpr int kUserMapAllocationLimitMb = 128;

// Copies `sourcePath` into `folder` under its own file name, or under "name_2.bmp",
// "name_3.bmp" ... when a different file of that name is already there (a file with the
// same bytes is reused). Returns the bare file name stored in the settings, empty on
// failure (unreadable, too large, not writable).
QString CopyUserMapIntoFolder(const QString& sourcePath, const QString& folder);

}  // namespace map
