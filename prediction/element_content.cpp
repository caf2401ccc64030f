#include "prediction/element_content.h"

#include <algorithm>

#include "base/ansi_text.h"
#include "prediction/omm_readers.h"

namespace prediction {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

QByteArrayView SkipLeadingBlanks(QByteArrayView bytes) {
  if (bytes.startsWith("\xEF\xBB\xBF")) bytes = bytes.sliced(3);
  qsizetype i = 0;
  while (i < bytes.size() && IsBlank(bytes[i])) ++i;
  return bytes.sliced(i);
}

ElementRead ReadThreeLine(QByteArrayView bytes, bool checkChecksums) {
  orbit::ElementFile file = orbit::ReadElementText(
      std::string_view(bytes.data(), static_cast<std::size_t>(bytes.size())), checkChecksums);
  ElementRead read;
  read.status = file.status;
  read.content.lines = std::move(file.content);
  read.sets = std::move(file.sets);
  return read;
}

ElementRead ReadOmm(QByteArrayView bytes, ElementFormat format) {
  ElementRead read;
  read.format = format;
  if (bytes.size() > kMaxOmmBytes) {
    read.status = orbit::ElementFileStatus::TooManyLines;
    return read;
  }
  const OmmScan scan = format == ElementFormat::OmmCsv   ? ReadOmmCsv(bytes, kMaxElementRecords)
                       : format == ElementFormat::OmmXml ? ReadOmmXml(bytes, kMaxElementRecords)
                                                         : ReadOmmJson(bytes, kMaxElementRecords);
  if (scan.tooMany) {
    read.status = orbit::ElementFileStatus::TooManyLines;
    return read;
  }
  read.damagedLine = scan.damagedLine;
  for (std::size_t i = 0; i < scan.rows.size(); ++i) {
    orbit::ElementRecord record;
    if (!scan.rows[i].broken && ConvertOmmRecord(scan.rows[i].fields, &record, nullptr)) {
      read.content.records.push_back(std::move(record));
    } else {
      read.damaged.push_back(OmmRecordLabel(scan.rows[i].fields, i));
    }
  }
  read.sets = orbit::ListRecordSets(read.content.records);
  return read;
}

}  // namespace

ElementFormat DetectElementFormat(QByteArrayView bytes) {
  const QByteArrayView text = SkipLeadingBlanks(bytes);
  if (text.isEmpty()) return ElementFormat::ThreeLine;
  if (text[0] == '<') return ElementFormat::OmmXml;
  if (text[0] == '{' || text[0] == '[') return ElementFormat::OmmJson;
  qsizetype end = 0;
  while (end < text.size() && text[end] != '\n' && text[end] != '\r') ++end;
  const QByteArray first = text.first(end).toByteArray().toUpper();
  if (first.contains("NORAD_CAT_ID") && first.contains(',')) return ElementFormat::OmmCsv;
  return ElementFormat::ThreeLine;
}

ElementRead ReadElementContent(QByteArrayView bytes, bool checkChecksums) {
  const ElementFormat format = DetectElementFormat(bytes);
  if (format == ElementFormat::ThreeLine) return ReadThreeLine(bytes, checkChecksums);
  ElementRead omm = ReadOmm(bytes, format);
  // A three-line file whose first name line happens to begin like OMM stays what it was.
  if (omm.status == orbit::ElementFileStatus::Ok && omm.sets.empty()) {
    ElementRead threeLine = ReadThreeLine(bytes, checkChecksums);
    if (threeLine.status != orbit::ElementFileStatus::Ok || !threeLine.sets.empty())
      return threeLine;
  }
  return omm;
}

ElementRead ReadElementContentFile(const QString& path, bool checkChecksums) {
  QByteArray bytes;
  const base::TextFileStatus status = base::ReadFileBytes(path, &bytes);
  if (status != base::TextFileStatus::Ok) {
    ElementRead read;
    read.status = status == base::TextFileStatus::TooLarge ? orbit::ElementFileStatus::TooManyLines
                                                           : orbit::ElementFileStatus::Unreadable;
    return read;
  }
  return ReadElementContent(bytes, checkChecksums);
}

bool LooksLikeElementContent(QByteArrayView bytes, bool checkChecksums) {
  const ElementRead read = ReadElementContent(bytes, checkChecksums);
  return read.status == orbit::ElementFileStatus::Ok && !read.sets.empty();
}

bool IsPageInsteadOfElements(QByteArrayView bytes) {
  if (!bytes.first(std::min<qsizetype>(3, bytes.size())).contains('<')) return false;
  if (DetectElementFormat(bytes) != ElementFormat::OmmXml) return true;
  const ElementRead read = ReadOmm(bytes, ElementFormat::OmmXml);
  return read.status != orbit::ElementFileStatus::Ok || read.sets.empty();
}

}  // namespace prediction
