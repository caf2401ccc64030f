#include "tracking/radio_data_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "base/ansi_text.h"
#include "base/atomic_file.h"
#include "orbit/data_sections.h"
#include "tracking/field_text.h"

namespace tracking {

namespace {

QString InFolder(const QString& folder, const char* name) {
  return folder + QLatin1Char('/') + QLatin1String(name);
}

QByteArray JoinLines(const std::vector<std::string>& lines) {
  QByteArray bytes;
  std::size_t total = 0;
  for (const std::string& line : lines) total += line.size() + 2;
  bytes.reserve(static_cast<qsizetype>(total));
  for (const std::string& line : lines) {
    bytes.append(line.data(), static_cast<qsizetype>(line.size()));
    bytes.append("\r\n", 2);
  }
  return bytes;
}

}  // namespace

std::string FileNumber(orbit::Real value) {
  // + 0.0 turns a -0 into 0.
  return QString::number(static_cast<double>(value) + 0.0, 'g', 15).toStdString();
}

std::vector<std::string> FormatRadioSection(std::string_view name, std::string_view number,
                                            const orbit::SatRadioData& data) {
  std::vector<std::string> section;
  section.push_back(orbit::FormatSectionHeader(OneLineField(name), OneLineField(number)));
  for (const orbit::RadioMode& mode : data.modes) {
    if (mode.letter.empty()) continue;
    std::string line = "F_MODE_";
    line += OneLineField(mode.letter.substr(0, 1));
    line += '=';
    line += FileNumber(mode.rxMHz);
    line += '/';
    line += FileNumber(mode.txMHz);
    line += '/';
    line += OneLineField(mode.comment);
    line += orbit::kDel;
    line += OneLineField(mode.rxOps);
    line += orbit::kDel;
    line += OneLineField(mode.txOps);
    section.push_back(std::move(line));
  }
  section.push_back("LAST_MODE=" + OneLineField(data.currentMode));
  if (data.hasAttitude) {
    section.push_back("ALAT=" + FileNumber(data.alat));
    section.push_back("ALON=" + FileNumber(data.alon));
  }
  if (!data.maSchedule.empty()) section.push_back("MODE=" + OneLineField(data.maSchedule));
  return section;
}

std::vector<std::string> ReplaceRadioSection(std::vector<std::string> lines,
                                             std::string_view name,
                                             const std::vector<std::string>& section) {
  orbit::RemoveSections(lines, name, {});
  lines.insert(lines.end(), section.begin(), section.end());
  orbit::ReindexSections(lines);
  return lines;
}

bool WriteSectionFile(const QString& folder, const char* fileName, const char* tempName,
                      const std::vector<std::string>& lines, QFileDevice::Permissions mode,
                      QString* error) {
  return base::AtomicSave(InFolder(folder, fileName), JoinLines(lines), mode,
                          InFolder(folder, tempName), error);
}

bool WriteRadioDataFile(const QString& folder, const std::vector<std::string>& lines,
                        QString* error) {
  return WriteSectionFile(folder, kRadioDataFileName, kRadioDataTempName, lines,
                          kRadioDataFileMode, error);
}

bool WriteNotesFile(const QString& folder, const std::vector<std::string>& lines,
                    QString* error) {
  return WriteSectionFile(folder, kNotesFileName, kNotesTempName, lines, kNotesFileMode, error);
}

bool SaveSatelliteData(const QString& folder, std::string_view name, std::string_view number,
                       const orbit::SatRadioData& data, std::vector<std::string>* fileLines,
                       QString* error) {
  std::vector<std::string> lines;
  const base::TextFileStatus status =
      base::ReadRawLines(InFolder(folder, kRadioDataFileName), &lines);
  if (status != base::TextFileStatus::Ok && status != base::TextFileStatus::Missing) {
    if (error != nullptr) *error = QStringLiteral("cannot read the present file");
    return false;
  }
  lines = ReplaceRadioSection(std::move(lines), name, FormatRadioSection(name, number, data));
  if (!WriteRadioDataFile(folder, lines, error)) return false;
  if (fileLines != nullptr) *fileLines = std::move(lines);
  return true;
}

SectionFileAtStart LoadSectionFileAtStart(const QString& folder, const char* fileName,
                                          const char* tempName, QFileDevice::Permissions mode) {
  SectionFileAtStart result;
  const QString path = InFolder(folder, fileName);
  const QString temp = InFolder(folder, tempName);
  // An old save that had deleted the file but not yet renamed its temporary one.
  const QFileInfo tempInfo(temp);
  if (!QFileInfo::exists(path) && tempInfo.isFile() && !tempInfo.isSymLink()) {
    if (QFile::rename(temp, path)) {
      QFile::setPermissions(path, mode);
      result.recovered = true;
    }
  }
  const base::TextFileStatus status = base::ReadRawLines(path, &result.lines);
  if (status == base::TextFileStatus::Missing) return result;
  result.exists = true;
  if (status != base::TextFileStatus::Ok) {
    result.failed = true;
    return result;
  }
  if (orbit::ReindexSections(result.lines)) {
    result.rewritten = WriteSectionFile(folder, fileName, tempName, result.lines, mode);
    result.failed = !result.rewritten;
  }
  return result;
}

QString CantCreateRadioDataText() {
  return QCoreApplication::translate("RadioData", "Can't create Orvane.dat");
}

QString NotesErrorText() {
  return QCoreApplication::translate("RadioData", "Erreur/Error Orvane.nfo");
}

}  // namespace tracking
