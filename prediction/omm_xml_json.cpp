#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QXmlStreamReader>
#include <charconv>
#include <cmath>

#include "prediction/omm_readers.h"

namespace prediction {

namespace {

std::string FieldName(QStringView name) { return name.toString().toUpper().toStdString(); }

int LineOfOffset(QByteArrayView bytes, qsizetype offset) {
  offset = std::clamp<qsizetype>(offset, 0, bytes.size());
  return static_cast<int>(bytes.first(offset).count('\n')) + 1;
}

// The shortest text that reads back as the same double (15.5419008, 2.078e-05); whole
// numbers in plain digits (100000, never 1e+05).
QString NumberText(double value) {
  if (value == std::trunc(value) && std::fabs(value) < 1e15)
    return QString::number(static_cast<qint64>(value));
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return QString::fromLatin1(buffer, result.ptr - buffer);
}

}  // namespace

OmmScan ReadOmmXml(QByteArrayView bytes, std::size_t maxRecords) {
  OmmScan scan;
  QXmlStreamReader xml(bytes.toByteArray());
  bool inRecord = false;
  int depth = 0;
  int recordDepth = 0;
  OmmRow row;
  QString leafName;  // innermost open element with no child element yet
  QString leafText;
  while (!xml.atEnd()) {
    const QXmlStreamReader::TokenType token = xml.readNext();
    if (token == QXmlStreamReader::StartElement) {
      ++depth;
      if (!inRecord) {
        if (xml.name().compare(QLatin1String("omm"), Qt::CaseInsensitive) != 0) continue;
        if (scan.rows.size() == maxRecords) {
          scan.tooMany = true;
          return scan;
        }
        inRecord = true;
        recordDepth = depth;
        row = OmmRow{};
        leafName.clear();
        continue;
      }
      leafName = xml.name().toString();
      leafText.clear();
    } else if (token == QXmlStreamReader::Characters) {
      if (!leafName.isEmpty()) leafText += xml.text();
    } else if (token == QXmlStreamReader::EndElement) {
      if (inRecord && depth == recordDepth) {
        scan.rows.push_back(std::move(row));
        inRecord = false;
      } else if (inRecord && !leafName.isEmpty()) {
        row.fields.emplace(FieldName(leafName), leafText.trimmed());  // the first one counts
      }
      leafName.clear();
      --depth;
    }
  }
  if (xml.hasError()) {
    scan.damagedLine = static_cast<int>(std::max<qint64>(1, xml.lineNumber()));
    if (inRecord) {
      row.broken = true;
      scan.rows.push_back(std::move(row));
    }
  }
  return scan;
}

OmmScan ReadOmmJson(QByteArrayView bytes, std::size_t maxRecords) {
  OmmScan scan;
  QJsonParseError error;
  const QJsonDocument doc = QJsonDocument::fromJson(bytes.toByteArray(), &error);
  if (error.error != QJsonParseError::NoError) {
    scan.damagedLine = LineOfOffset(bytes, error.offset);
    return scan;
  }
  const QJsonArray items = doc.isArray() ? doc.array() : QJsonArray{doc.object()};
  if (static_cast<std::size_t>(items.size()) > maxRecords) {
    scan.tooMany = true;
    return scan;
  }
  for (const QJsonValue& item : items) {
    OmmRow row;
    if (!item.isObject()) {
      row.broken = true;
      scan.rows.push_back(std::move(row));
      continue;
    }
    const QJsonObject object = item.toObject();
    for (auto it = object.begin(); it != object.end(); ++it) {
      const QJsonValue value = it.value();
      if (value.isString()) {
        row.fields.emplace(FieldName(it.key()), value.toString().trimmed());
      } else if (value.isDouble()) {
        row.fields.emplace(FieldName(it.key()), NumberText(value.toDouble()));
      }
    }
    scan.rows.push_back(std::move(row));
  }
  return scan;
}

}  // namespace prediction
