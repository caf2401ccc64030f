#pragma once

// The personal notes of one satellite in the notes file "Orvane.nfo": a section headed
// "[name][number]" followed by the note lines.

#include <QStringList>
#include <string>
#include <string_view>
#include <vector>

namespace tracking {

// The note lines of the first section whose name equals `name` or whose number equals
// a non-empty `number`, empty lines skipped.
QStringList ReadSatelliteNotes(const std::vector<std::string>& fileLines, std::string_view name,
                               std::string_view number);

// The file's lines with the satellite's sections removed and, unless `notes` holds only
// blank lines, a new section at the end; then re-indexed (every section kept). A note
// line that begins with "[" is written with a leading blank so that it cannot start a
// section (and one beginning with blanks then "[" one blank more; reading takes one
// blank off such lines again); CR and DEL become blanks.
std::vector<std::string> ReplaceSatelliteNotes(std::vector<std::string> fileLines,
                                               std::string_view name, std::string_view number,
                                               const QStringList& notes);

// Saves the satellite's notes: reads "Orvane.nfo" from `folder` (one that exists but
// cannot be read stops the save), replaces the section and writes the file through
// "Orvane.~fo". On success `*fileLines` (when given) holds what the file now holds.
bool SaveSatelliteNotes(const QString& folder, std::string_view name, std::string_view number,
                        const QStringList& notes, std::vector<std::string>* fileLines = nullptr,
                        QString* error = nullptr);

}  // namespace tracking
