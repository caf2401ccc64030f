#include <QStringDecoder>
#include <string>

#include "base/ansi_text.h"
#include "prediction/omm_readers.h"

namespace prediction {

namespace {

struct CsvCursor {
  QByteArrayView bytes;
  qsizetype pos = 0;
  int line = 1;

  bool AtEnd() const { return pos >= bytes.size(); }
  char Peek() const { return bytes[pos]; }
  bool AtLineEnd() const { return !AtEnd() && (Peek() == '\r' || Peek() == '\n'); }
  void SkipLineEnd() {
    if (Peek() == '\r' && pos + 1 < bytes.size() && bytes[pos + 1] == '\n') ++pos;
    ++pos;
    ++line;
  }
};

enum class RowEnd { Row, End, Unterminated };

// One row of raw fields. A quoted field followed by anything but a comma or a line end
// marks the row broken and the rest of its line is skipped.
RowEnd NextRow(CsvCursor& c, std::vector<std::string>* fields, bool* broken, int* startLine) {
  fields->clear();
  *broken = false;
  *startLine = c.line;
  if (c.AtEnd()) return RowEnd::End;
  std::string field;
  for (;;) {
    if (!c.AtEnd() && c.Peek() == '"') {
      ++c.pos;
      for (;;) {
        if (c.AtEnd()) {
          fields->push_back(std::move(field));
          return RowEnd::Unterminated;
        }
        const char ch = c.Peek();
        if (ch == '"') {
          if (c.pos + 1 < c.bytes.size() && c.bytes[c.pos + 1] == '"') {
            field += '"';
            c.pos += 2;
            continue;
          }
          ++c.pos;
          break;
        }
        // Line breaks inside quotes belong to the field; count them for the messages.
        if (ch == '\n' || (ch == '\r' && !(c.pos + 1 < c.bytes.size() && c.bytes[c.pos + 1] == '\n')))
          ++c.line;
        field += ch;
        ++c.pos;
      }
      if (!c.AtEnd() && c.Peek() != ',' && !c.AtLineEnd()) {
        *broken = true;
        while (!c.AtEnd() && !c.AtLineEnd()) ++c.pos;
      }
    } else {
      const qsizetype from = c.pos;
      while (!c.AtEnd() && c.Peek() != ',' && !c.AtLineEnd()) ++c.pos;
      field.assign(c.bytes.data() + from, static_cast<std::size_t>(c.pos - from));
    }
    fields->push_back(std::move(field));
    field.clear();
    if (c.AtEnd()) return RowEnd::Row;
    if (c.Peek() == ',') {
      ++c.pos;
      continue;
    }
    c.SkipLineEnd();
    return RowEnd::Row;
  }
}

bool BlankRow(const std::vector<std::string>& fields) {
  if (fields.size() != 1) return false;
  return fields[0].find_first_not_of(" \t") == std::string::npos;
}

}  // namespace

OmmScan ReadOmmCsv(QByteArrayView bytes, std::size_t maxRecords) {
  OmmScan scan;
  if (bytes.startsWith("\xEF\xBB\xBF")) bytes = bytes.sliced(3);
  QStringDecoder check(QStringDecoder::Utf8);
  const QString whole = check.decode(bytes);
  Q_UNUSED(whole);
  const bool utf8 = !check.hasError();
  auto decode = [utf8](const std::string& raw) {
    const QByteArrayView view(raw.data(), static_cast<qsizetype>(raw.size()));
    return (utf8 ? QString::fromUtf8(view) : base::DecodeWindows1252(view)).trimmed();
  };

  CsvCursor cursor{bytes};
  std::vector<std::string> raw;
  std::vector<std::string> header;
  bool broken = false;
  int rowLine = 0;
  for (;;) {
    const RowEnd end = NextRow(cursor, &raw, &broken, &rowLine);
    if (end == RowEnd::End) break;
    if (end == RowEnd::Unterminated) scan.damagedLine = rowLine;
    if (BlankRow(raw) && end == RowEnd::Row) continue;
    if (header.empty()) {
      for (const std::string& name : raw) header.push_back(decode(name).toUpper().toStdString());
      if (end == RowEnd::Unterminated) break;
      continue;
    }
    if (scan.rows.size() == maxRecords) {
      scan.tooMany = true;
      break;
    }
    OmmRow row;
    row.broken = broken || end == RowEnd::Unterminated || raw.size() != header.size();
    for (std::size_t i = 0; i < raw.size() && i < header.size(); ++i)
      row.fields.emplace(header[i], decode(raw[i]));
    scan.rows.push_back(std::move(row));
    if (end == RowEnd::Unterminated) break;
  }
  return scan;
}

}  // namespace prediction
