#include "tools/dxcc_list.h"

#include <QFile>
#include <QStringList>

#include "orbit/locator.h"
#include "orbit/text_number.h"

namespace tools {

std::vector<DxccEntry> ParseDxccList(const QString& text) {
  std::vector<DxccEntry> out;
  const QStringList lines = text.split(QLatin1Char('\n'));
  for (QString line : lines) {
    if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    const QStringList f = line.split(QLatin1Char('\t'));
    if (f.size() != 5) continue;
    out.push_back(DxccEntry{f[0], f[1], f[2], f[3], f[4]});
  }
  return out;
}

std::vector<DxccEntry> ReadDxccList(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return ParseDxccList(QString::fromLatin1(file.readAll()));
}

QString DxccEntryText(const DxccEntry& e, QChar separator) {
  return QStringList{e.prefix, e.country, e.latitude, e.longitude, e.utcOffset}.join(separator);
}

namespace {

std::optional<double> Signed(const QString& text, QChar positive, QChar negative) {
  const QString t = text.trimmed();
  if (t.size() < 2) return std::nullopt;
  const QChar letter = t.back().toUpper();
  if (letter != positive && letter != negative) return std::nullopt;
  const std::string number = t.left(t.size() - 1).toStdString();
  const char separator = number.find(',') != std::string::npos ? ',' : '.';
  long double value = 0;
  if (!orbit::ParseDecimal(number, separator, &value)) return std::nullopt;
  return letter == negative ? -static_cast<double>(value) : static_cast<double>(value);
}

}  // namespace

std::optional<double> PlaceLatitude(const QString& text) {
  const auto v = Signed(text, QLatin1Char('N'), QLatin1Char('S'));
  if (!v || *v < -90 || *v > 90) return std::nullopt;
  return v;
}

std::optional<double> PlaceLongitude(const QString& text) {
  const auto v = Signed(text, QLatin1Char('E'), QLatin1Char('W'));
  if (!v || *v < -180 || *v > 180) return std::nullopt;
  return v;
}

std::optional<QString> EntryLocator(const QString& entryText, QChar separator) {
  const QStringList f = entryText.split(separator);
  if (f.size() < 4) return std::nullopt;
  const auto lat = PlaceLatitude(f[2]);
  const auto lon = PlaceLongitude(f[3]);
  if (!lat || !lon) return std::nullopt;
  const std::string locator = orbit::LocatorOf(*lat, -*lon);
  if (locator.empty()) return std::nullopt;
  return QString::fromStdString(locator);
}

}  // namespace tools
