#include "tools/hf_beam.h"

#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

#include "base/ansi_text.h"
#include "orbit/calendar.h"
#include "orbit/text_number.h"
#include "tools/dxcc_list.h"

namespace tools {

namespace {

// The program's own constants for angles.
constexpr double kPi = 3.1415926536;
constexpr double kDegree = 0.01745329252;
// Below this a sine or cosine counts as zero: the heading is undefined there.
constexpr double kTiny = 1e-9;

double Clamp1(double x) { return std::clamp(x, -1.0, 1.0); }

}  // namespace

GreatCircleResult GreatCircle(double lat1, double lon1, double lat2, double lon2) {
  GreatCircleResult r;
  if (!std::isfinite(lat1) || !std::isfinite(lon1) || !std::isfinite(lat2) || !std::isfinite(lon2))
    return r;
  const double p1 = lat1 * kDegree;
  const double p2 = lat2 * kDegree;
  const double dl = (lon2 - lon1) * kDegree;
  // Rounding can push the cosine of two close points just beyond 1.
  const double d =
      std::acos(Clamp1(std::sin(p1) * std::sin(p2) + std::cos(p1) * std::cos(p2) * std::cos(dl)));
  r.distanceKm = d * (180 / kPi) * 60 * 1.852;
  if (r.distanceKm < 0.001) return r;
  const double denominator = 2 * std::cos(p1) * std::sin(d);
  double b = 0;
  if (std::fabs(denominator) > kTiny) b = (std::sin(p1 + d) - std::sin(p2)) / denominator;
  if (!std::isfinite(b)) b = 0;
  b = std::min(b, 1.0);
  double azimuth = b > 0 ? 2 * std::asin(std::sqrt(b)) / kDegree : 0;
  const double delta = lon2 - lon1;
  if ((delta > -180 && delta < 0) || delta > 180) azimuth = 360 - azimuth;
  if (azimuth >= 360) azimuth -= 360;
  r.azimuth = azimuth;
  return r;
}

int LongPathAzimuth(int azimuth) { return azimuth > 179 ? azimuth - 180 : azimuth + 180; }

int CommandedAzimuth(double azimuth) {
  if (!std::isfinite(azimuth)) return 0;
  const int a = static_cast<int>(std::nearbyint(azimuth)) % 360;
  return a < 0 ? a + 360 : a;
}

int StepAzimuth::Step(int value, int direction) {
  int next = (value + (direction < 0 ? -step_ : step_)) % 360;
  if (next < 0) next += 360;
  if (next % 10 == 0) step_ = 10;
  return next;
}

int FavouriteAzimuth(const QString& text) {
  bool ok = false;
  const long long v = text.trimmed().toLongLong(&ok);
  if (!ok) return 0;
  return static_cast<int>(std::clamp<long long>(v, 0, 359));
}

std::optional<double> ListCoordinate(const QString& text, bool longitude) {
  const QString t = text.trimmed();
  if (t.size() < 2) return std::nullopt;
  const QChar letter = t.back().toUpper();
  const QChar positive = QLatin1Char(longitude ? 'E' : 'N');
  const QChar negative = QLatin1Char(longitude ? 'W' : 'S');
  if (letter != positive && letter != negative) return std::nullopt;
  const QString number = t.left(t.size() - 1).trimmed();
  const bool comma = number.contains(QLatin1Char(','));
  if (comma && number.contains(QLatin1Char('.'))) return std::nullopt;
  long double value = 0;
  if (!orbit::ParseDecimal(number.toStdString(), comma ? ',' : '.', &value)) return std::nullopt;
  const double v = static_cast<double>(value);
  if (!std::isfinite(v) || v < 0 || v > (longitude ? 180 : 90)) return std::nullopt;
  return letter == negative ? -v : v;
}

std::optional<PlacePosition> ListEntryPosition(const QString& entry, QChar separator) {
  const QStringList f = entry.split(separator);
  if (f.size() < 4) return std::nullopt;
  const auto lat = ListCoordinate(f[2], false);
  const auto lon = ListCoordinate(f[3], true);
  if (!lat || !lon) return std::nullopt;
  return PlacePosition{*lat, *lon};
}

std::vector<QStringList> ParseUserList(const QStringList& lines) {
  std::vector<QStringList> out;
  for (const QString& line : lines) {
    if (line.size() > kMaxUserListLine || line.startsWith(QLatin1Char('['))) continue;
    if (line.contains(QLatin1Char('=')) || line.contains(QLatin1Char('/')) ||
        line.contains(QLatin1Char('_')))
      continue;
    QStringList f = line.split(QLatin1Char('\t'));
    if (f.size() < 4) continue;
    if (!ListCoordinate(f[2], false) || !ListCoordinate(f[3], true)) continue;
    for (QString& field : f) field = field.trimmed();
    out.push_back(f);
  }
  return out;
}

UserListRead ReadUserList(const QString& path) {
  UserListRead r;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    r.status = UserListStatus::CannotOpen;
    r.errorCode = static_cast<int>(file.error());
    return r;
  }
  if (file.size() > kMaxUserListBytes) {
    r.status = UserListStatus::TooLarge;
    return r;
  }
  // A file that grows while it is read is cut at the limit.
  const QByteArray bytes = file.read(kMaxUserListBytes + 1);
  if (bytes.size() > kMaxUserListBytes) {
    r.status = UserListStatus::TooLarge;
    return r;
  }
  r.entries = ParseUserList(base::SplitTextLines(base::DecodeText(bytes)));
  return r;
}

std::vector<QStringList> ReadPlaceList(const QString& path) {
  std::vector<QStringList> out;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return out;
  for (const QString& line : base::SplitTextLines(base::DecodeText(file.readAll()))) {
    if (line.isEmpty()) continue;
    out.push_back(line.split(QLatin1Char('\t')));
  }
  return out;
}

std::optional<PrefixMatch> FindPrefix(const QString& prefix, const QString& dxccPath) {
  const QString wanted = prefix.trimmed().toUpper();
  if (wanted.isEmpty()) return std::nullopt;
  const std::vector<DxccEntry> list =
      dxccPath.isEmpty() ? ReadDxccList() : ReadDxccList(dxccPath);
  std::optional<PrefixMatch> best;
  qsizetype bestLength = 0;
  for (const DxccEntry& e : list) {
    const QStringList names = e.prefix.toUpper().split(QRegularExpression(QStringLiteral("[ ,]+")),
                                                       Qt::SkipEmptyParts);
    for (const QString& name : names) {
      if (!wanted.startsWith(name) || name.size() <= bestLength) continue;
      const auto lat = ListCoordinate(e.latitude, false);
      const auto lon = ListCoordinate(e.longitude, true);
      if (!lat || !lon) continue;
      bestLength = name.size();
      best = PrefixMatch{e.prefix, e.country, PlacePosition{*lat, *lon}};
    }
  }
  return best;
}

}  // namespace tools
