#pragma once

// Writers of the two per-satellite files in the program's folder: the radio data file
// "Orvane.dat" (read-only between writes) and the notes file "Orvane.nfo". Every write
// goes to a named temporary file beside the target and is renamed over it, so a failure
// at any step leaves the old file byte for byte as it was.

#include <QFileDevice>
#include <QString>
#include <string>
#include <string_view>
#include <vector>

#include "orbit/radio_data.h"

namespace tracking {

inline constexpr char kRadioDataFileName[] = "Orvane.dat";
inline constexpr char kRadioDataTempName[] = "Orvane.~da";
inline constexpr char kNotesFileName[] = "Orvane.nfo";
inline constexpr char kNotesTempName[] = "Orvane.~fo";

// r--r--r--: the radio data file between writes.
inline constexpr QFileDevice::Permissions kRadioDataFileMode =
    QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
// rw-r--r--: the notes file.
inline constexpr QFileDevice::Permissions kNotesFileMode =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
    QFileDevice::ReadOther;

// A frequency or angle as the file keeps it: shortest general form (up to 15
// significant digits) with a period, whatever the user's separator; the readers accept
// either separator. 0 stays "0".
std::string FileNumber(orbit::Real value);

// The section of one satellite: "[name][number]", one "F_MODE_" line per mode with a
// letter (table order), "LAST_MODE=", "ALAT="/"ALON=" with an attitude, "MODE=" with a
// schedule. CR, LF and DEL inside a field become blanks.
std::vector<std::string> FormatRadioSection(std::string_view name, std::string_view number,
                                            const orbit::SatRadioData& data);

// The file's lines once `section` replaces every section named `name`: other lines stay,
// the new section goes to the end, then the sections are re-indexed (headers normalised,
// a section repeating a later one's name or number dropped; every section kept).
std::vector<std::string> ReplaceRadioSection(std::vector<std::string> lines,
                                             std::string_view name,
                                             const std::vector<std::string>& section);

// Writes `lines` (each followed by CR LF) to `folder`/`fileName` through the temporary
// file `folder`/`tempName`; the target then gets `mode`. False, with `*error` saying what
// failed, when any step fails; the old file is then untouched.
bool WriteSectionFile(const QString& folder, const char* fileName, const char* tempName,
                      const std::vector<std::string>& lines, QFileDevice::Permissions mode,
                      QString* error = nullptr);

// The radio data file (through "Orvane.~da", then read-only) and the notes file
// (through "Orvane.~fo").
bool WriteRadioDataFile(const QString& folder, const std::vector<std::string>& lines,
                        QString* error = nullptr);
bool WriteNotesFile(const QString& folder, const std::vector<std::string>& lines,
                    QString* error = nullptr);

// Saves one satellite's section: reads "Orvane.dat" from `folder` (a file that exists
// but cannot be read stops the save: writing without it would lose the other
// satellites), replaces the section and writes the file. On success `*fileLines` (when
// given) holds what the file now holds.
bool SaveSatelliteData(const QString& folder, std::string_view name, std::string_view number,
                       const orbit::SatRadioData& data,
                       std::vector<std::string>* fileLines = nullptr, QString* error = nullptr);

// One of the two files at start-up. A temporary file left by an interrupted save with no
// file beside it is taken back first; then the file is read and indexed, and written
// again when indexing changed it.
struct SectionFileAtStart {
  bool exists = false;     // the file is there (perhaps taken back)
  bool recovered = false;  // it was taken back from its temporary file
  bool rewritten = false;  // indexing changed it and it was written again
  bool failed = false;     // it could not be read or written again
  std::vector<std::string> lines;  // indexed, whatever the write gave
};
SectionFileAtStart LoadSectionFileAtStart(const QString& folder, const char* fileName,
                                          const char* tempName, QFileDevice::Permissions mode);

// The messages of a failed write, in the current language.
QString CantCreateRadioDataText();  // "Can't create Orvane.dat"
QString NotesErrorText();           // "Erreur/Error Orvane.nfo"

}  // namespace tracking
