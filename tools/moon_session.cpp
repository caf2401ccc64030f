#include "tools/moon_session.h"

#include <cmath>

#include "base/locale_number.h"
#include "tools/sun_view.h"

namespace tools {

long long MinuteIndex(Real utc) {
  return static_cast<long long>(orbit::Round(utc * 1440));
}

MoonInputs MakeMoonInputs(const ToolStation& station, const QString& dxLocator,
                          Real minimumElevation, const EmeFrequencies& frequencies) {
  MoonInputs in;
  in.station = SiteOf(MoonStationPoint(station), station.altitude);
  if (const auto dx = orbit::LocatorCentre(dxLocator.toStdString())) in.dx = SiteOf(*dx, 0);
  in.minimumElevation = minimumElevation;
  in.frequencies = frequencies;
  return in;
}

void MoonSession::Recompute(Real nowUtc, const MoonInputs& in) {
  table_ = BuildMoonTable(nowUtc, in.station, in.dx, in.minimumElevation);
  computed_ = true;
  computedMinute_ = MinuteIndex(table_.startUtc);
}

MoonSecond MoonSession::Second(Real nowUtc, const MoonInputs& in) {
  MoonSecond out;
  if (!computed_) {
    Recompute(nowUtc, in);
    out.tableRebuilt = true;
  }
  const orbit::MoonPosition m = MoonAt(nowUtc, in.station);
  out.azimuth = RoundHundredth(m.azimuth);
  out.elevation = RoundHundredth(m.elevation);
  out.visible = out.elevation >= in.minimumElevation;
  out.subLunarLatitude = m.subLunarLatitude;
  out.subLunarLongitude = m.subLunarLongitude;
  out.subLunarWest = m.subLunarWest;

  // Period bookkeeping. The table starts at a whole minute while the moon is watched to
  // the second: within the minute of a rebuild it may still count as up, so a set rebuilds
  // once per minute at most.
  const long long minute = static_cast<long long>(std::floor(nowUtc * 1440 + 1e-7L));
  if (!out.visible && table_.period == MoonPeriod::Current) {
    out.stopTracking = true;
    if (computedMinute_ != minute) {
      Recompute(nowUtc, in);
      out.tableRebuilt = true;
    }
  } else if (out.visible && table_.period == MoonPeriod::Next) {
    table_.period = MoonPeriod::Current;
    out.periodBecameCurrent = true;
    if (table_.rows.empty() && computedMinute_ != minute) {  // no rise was in sight
      Recompute(nowUtc, in);
      out.tableRebuilt = true;
    }
  }
  // Rows whose minute has passed go (all of them after a pause of the computer).
  while (table_.rows.size() >= 2 && MinuteIndex(table_.rows[1].utc) <= minute) {
    table_.rows.erase(table_.rows.begin());
    if (!table_.ownRates.empty()) table_.ownRates.erase(table_.ownRates.begin());
    if (!table_.dxRates.empty()) table_.dxRates.erase(table_.dxRates.begin());
    ++out.rowsDropped;
  }
  if (table_.rows.size() != table_.ownRates.size() ||
      table_.rows.size() != table_.dxRates.size()) {
    Recompute(nowUtc, in);
    out.tableRebuilt = true;
    out.rowsDropped = 0;
  }

  // Current rates between the first two rows.
  const auto& own = table_.ownRates;
  const auto& dx = table_.dxRates;
  if (own.size() >= 2) {
    const Real seconds = (nowUtc * 1440 - static_cast<Real>(minute)) * 60;
    out.ownRate = InterpolateRate(own[0], own[1], seconds);
    if (dx[0] != kNoDxRate && dx[1] != kNoDxRate)
      out.dxRate = InterpolateRate(dx[0], dx[1], seconds);
  } else if (own.size() == 1) {
    out.ownRate = own[0];
    out.dxRate = dx[0];
  }
  if (out.visible && own.size() >= 2) {
    out.selfDoppler = EmeDoppler(out.ownRate, in.frequencies.ownGhz, in.frequencies.bias);
    if (out.dxRate != kNoDxRate) out.dxDoppler = PathDoppler(out.ownRate, out.dxRate, in.frequencies);
  }

  // Report line: live while the moon is up, else the first row's (the next rise).
  if (out.visible) {
    out.reportLine = MoonReportLine(out.azimuth, out.elevation, out.ownRate, out.dxRate, true);
  } else if (!table_.rows.empty()) {
    const MoonRow& r = table_.rows.front();
    out.reportLine = MoonReportLine(RoundHundredth(r.azimuth), RoundHundredth(r.elevation),
                                    own.front(), kNoDxRate, false);
  } else {
    out.reportLine = MoonReportLine(out.azimuth, out.elevation, 0, kNoDxRate, false);
  }
  return out;
}

QString SubLunarLongitudeText(Real magnitude, bool west) {
  return QLatin1Char(' ') + base::FormatUserFixed(magnitude, 2) +
         (west ? QStringLiteral(" W ") : QStringLiteral(" E "));
}

QString SubLunarLatitudeText(Real latitude) {
  return QLatin1Char(' ') + base::FormatUserFixed(std::fabs(latitude), 2) +
         (latitude >= 0 ? QStringLiteral(" N ") : QStringLiteral(" S "));
}

}  // namespace tools
