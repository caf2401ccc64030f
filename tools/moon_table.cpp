#include "tools/moon_table.h"

#include <cmath>
#include <cstdio>

#include "prediction/ephemeris_row.h"

namespace tools {

namespace {

constexpr Real kMinute = 1.0L / 1440;
constexpr Real kEarthRadiusKm = 6378.137L;

QString Padded(const QString& text, int width) {
  return text.rightJustified(width, QLatin1Char(' '));
}

QString OneDecimal(Real x) {
  QString s = QString::number(static_cast<double>(x), 'f', 1);
  s.replace(QLatin1Char(','), QLatin1Char('.'));
  return s;
}

QString WholeWithLetter(Real magnitude, char letter) {
  return QString::number(static_cast<long long>(orbit::Round(std::fabs(magnitude)))) +
         QLatin1Char(letter);
}

}  // namespace

MoonSite SiteOf(const orbit::LocatorPoint& point, Real altitudeMetres) {
  return MoonSite{point.latitude, -point.longitude, altitudeMetres};
}

orbit::MoonPosition MoonAt(Real utc, const MoonSite& station) {
  return orbit::ComputeMoonPosition(orbit::MoonDayNumber(utc), station.latitude,
                                    station.eastLongitude);
}

Real DxRangeAt(Real utc, const orbit::MoonPosition& stationView, const MoonSite& dx,
               Real minimumElevation) {
  orbit::MoonPosition view = stationView;
  orbit::MoonFromStation(orbit::MoonDayNumber(utc), dx.latitude, dx.eastLongitude, &view);
  return orbit::DxMoonRange(view, minimumElevation);
}

MoonTable BuildMoonTable(Real nowUtc, const MoonSite& station, const std::optional<MoonSite>& dx,
                         Real minimumElevation) {
  MoonTable table;
  const Real start = std::floor(nowUtc * 1440 + 1e-7L) / 1440;
  table.startUtc = start;
  auto at = [&](int minutes) { return start + minutes * kMinute; };

  // 1-3. Visible now, or the next rise within 48 hours.
  int first = 0;
  if (MoonAt(start, station).elevation >= minimumElevation) {
    table.period = MoonPeriod::Current;
  } else {
    table.period = MoonPeriod::Next;
    first = -1;
    for (int k = 1; k <= kMoonSearchMinutes; ++k) {
      if (MoonAt(at(k), station).elevation >= minimumElevation) {
        first = k;
        break;
      }
    }
    if (first < 0) return table;  // no moonrise: no rows
    table.riseFound = true;
    table.riseUtc = at(first);
  }

  // 4-5. The rows of the period with the rates into each minute. The minute before the
  // period is evaluated on its own, so the first rate is a real one.
  const Real rho = GeocentricRadiusKm(station.latitude, station.altitudeMetres);
  const Real rhoDx = dx ? GeocentricRadiusKm(dx->latitude, 0) : 0;
  const orbit::MoonPosition before = MoonAt(at(first - 1), station);
  Real previousRange = before.range;
  Real previousDx = dx ? DxRangeAt(at(first - 1), before, *dx, minimumElevation) : 0;
  for (int n = 0; n < kMoonRowLimit; ++n) {
    const Real t = at(first + n);
    const orbit::MoonPosition m = MoonAt(t, station);
    if (m.elevation < minimumElevation) {
      table.setFound = true;
      table.setUtc = t;
      break;
    }
    MoonRow row;
    row.utc = t;
    row.elevation = m.elevation;
    row.azimuth = m.azimuth;
    row.distance = m.geocentricDistance;
    row.subLunarLatitude = m.subLunarLatitude;
    row.subLunarLongitude = m.subLunarLongitude;
    row.subLunarWest = m.subLunarWest;
    table.rows.push_back(row);
    table.ownRates.push_back(RangeRate(m.range, previousRange, rho));
    previousRange = m.range;
    Real dxRate = kNoDxRate;
    if (dx) {
      const Real dxRange = DxRangeAt(t, m, *dx, minimumElevation);
      if (dxRange != 0 && previousDx != 0) dxRate = RangeRate(dxRange, previousDx, rhoDx);
      previousDx = dxRange;
    }
    table.dxRates.push_back(dxRate);
  }
  if (table.rows.size() >= 3) ShiftRangeRates(table.ownRates, table.dxRates);
  return table;
}

void ShiftRangeRates(std::vector<Real>& own, std::vector<Real>& dx) {
  if (own.size() < 3 || dx.size() != own.size()) return;
  own.erase(own.begin());
  own.push_back(2 * own[own.size() - 1] - own[own.size() - 2]);
  dx.erase(dx.begin());
  dx.push_back(kNoDxRate);
  int last = static_cast<int>(dx.size()) - 1;
  while (last >= 0 && dx[static_cast<std::size_t>(last)] == kNoDxRate) --last;
  if (last >= 2 && dx[static_cast<std::size_t>(last - 1)] != kNoDxRate) {
    const std::size_t l = static_cast<std::size_t>(last);
    dx[l + 1] = 2 * dx[l] - dx[l - 1];
  }
}

QString MoonRowBase(const MoonRow& row, bool utc, Real localOffsetHours) {
  const Real shown = utc ? row.utc : row.utc + localOffsetHours / 24;
  QString s = QString::fromStdString(prediction::RowDateText(shown)) + QStringLiteral("  ");
  s += Padded(OneDecimal(row.elevation), 4) + QStringLiteral("  ");
  s += Padded(OneDecimal(row.azimuth), 5) + QStringLiteral("  ");
  s += QString::number(static_cast<long long>(orbit::Round((row.distance - 1) * kEarthRadiusKm))) +
       QStringLiteral("  ");
  s += Padded(WholeWithLetter(row.subLunarLatitude, row.subLunarLatitude >= 0 ? 'N' : 'S'), 3) +
       QStringLiteral("  ");
  s += Padded(WholeWithLetter(row.subLunarLongitude, row.subLunarWest ? 'W' : 'E'), 4) +
       QStringLiteral("  ");
  return s;
}

QString DopplerColumn(long long hz) {
  const QString digits = QString::number(hz);
  if (digits.size() > 8) return QStringLiteral("     N/A");
  return Padded(digits, 8);
}

long long PathDoppler(Real ownRate, Real dxRate, const EmeFrequencies& f) {
  const long long a = EmeDoppler(dxRate, f.dxGhz, f.bias);
  const long long b = EmeDoppler(ownRate, f.dxGhz, f.bias);
  return static_cast<long long>(orbit::Round((static_cast<Real>(a) + b) / 2));
}

QString MoonRowText(const QString& base, Real ownRate, Real dxRate, const EmeFrequencies& f) {
  QString text = base.leftJustified(kMoonBaseColumns, QLatin1Char(' '));
  const QString dxColumn = dxRate == kNoDxRate ? QStringLiteral("     N/A")
                                               : DopplerColumn(PathDoppler(ownRate, dxRate, f));
  text.insert(kSelfDopplerColumn - 1, DopplerColumn(EmeDoppler(ownRate, f.ownGhz, f.bias)));
  text.insert(kDxDopplerColumn - 1, QStringLiteral("  ") + dxColumn);
  return text;
}

MutualWindow NextMutualWindow(Real nowUtc, const MoonSite& station,
                              const std::optional<MoonSite>& dx, Real minimumElevation) {
  MutualWindow w;
  const Real start = std::floor(nowUtc * 1440 + 1e-7L) / 1440;
  for (int k = 0; k <= kMoonSearchMinutes; ++k) {
    const Real t = start + k * kMinute;
    const orbit::MoonPosition m = MoonAt(t, station);
    bool up = m.elevation >= minimumElevation;
    if (up && dx) up = DxRangeAt(t, m, *dx, minimumElevation) != 0;
    if (!w.found && up) {
      w.found = true;
      w.startUtc = t;
    } else if (w.found && !up) {
      w.endFound = true;
      w.endUtc = t;
      break;
    }
  }
  return w;
}

}  // namespace tools
