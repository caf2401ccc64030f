#include "tracking/satellite_notes.h"

#include "base/ansi_text.h"
#include "orbit/data_sections.h"
#include "tracking/field_text.h"
#include "tracking/radio_data_file.h"

namespace tracking {

namespace {

// Blanks then "[": a written line of this shape carries one blank more than typed.
bool BlanksThenBracket(std::string_view line) {
  const auto first = line.find_first_not_of(' ');
  return first != std::string_view::npos && line[first] == '[';
}

}  // namespace

QStringList ReadSatelliteNotes(const std::vector<std::string>& fileLines, std::string_view name,
                               std::string_view number) {
  QStringList notes;
  const auto section = orbit::FindSection(fileLines, name, number);
  if (!section) return notes;
  for (std::size_t i = section->begin + 1; i < section->end; ++i) {
    std::string_view line = fileLines[i];
    if (line.empty()) continue;
    if (line[0] == ' ' && BlanksThenBracket(line)) line.remove_prefix(1);
    notes.append(DecodeFieldText(line));
  }
  return notes;
}

std::vector<std::string> ReplaceSatelliteNotes(std::vector<std::string> fileLines,
                                               std::string_view name, std::string_view number,
                                               const QStringList& notes) {
  orbit::RemoveSections(fileLines, name, number);
  bool anyText = false;
  for (const QString& line : notes) anyText = anyText || !line.trimmed().isEmpty();
  if (anyText) {
    fileLines.push_back(orbit::FormatSectionHeader(OneLineField(name), OneLineField(number)));
    for (const QString& line : notes) {
      std::string bytes = OneLineField(EncodeFieldText(line));
      if (BlanksThenBracket(bytes)) bytes.insert(bytes.begin(), ' ');
      fileLines.push_back(std::move(bytes));
    }
  }
  orbit::ReindexSections(fileLines);
  return fileLines;
}

bool SaveSatelliteNotes(const QString& folder, std::string_view name, std::string_view number,
                        const QStringList& notes, std::vector<std::string>* fileLines,
                        QString* error) {
  std::vector<std::string> lines;
  const base::TextFileStatus status = base::ReadRawLines(
      folder + QLatin1Char('/') + QLatin1String(kNotesFileName), &lines);
  if (status != base::TextFileStatus::Ok && status != base::TextFileStatus::Missing) {
    if (error != nullptr) *error = QStringLiteral("cannot read the present file");
    return false;
  }
  lines = ReplaceSatelliteNotes(std::move(lines), name, number, notes);
  if (!WriteNotesFile(folder, lines, error)) return false;
  if (fileLines != nullptr) *fileLines = std::move(lines);
  return true;
}

}  // namespace tracking
