#include "tools/eme.h"

#include <cmath>

#include "orbit/observer.h"
#include "orbit/text_number.h"

namespace tools {

Real GeocentricRadiusKm(Real latitudeDeg, Real altitudeMetres) {
  const Real f = orbit::kFlattening;
  const Real twoPhi = 2 * latitudeDeg * orbit::kDegree;
  return 6378.137L * (1 - f / 2 + (f / 2) * std::cos(twoPhi)) + altitudeMetres / 1000;
}

Real RangeRate(Real range, Real rangeBefore, Real rhoKm) {
  return (range - rangeBefore) * rhoKm * 1000 / 60;
}

long long EmeDoppler(Real rangeRate, Real frequencyGhz, int bias) {
  Real d = frequencyGhz * -2 * rangeRate * 1e6L / (kSpeedOfLightKmS - rangeRate * 0.001L);
  if (bias > 0) d += frequencyGhz * 1000 / bias;
  if (!std::isfinite(d)) return 0;
  return static_cast<long long>(orbit::Round(d));
}

Real InterpolateRate(Real rate1, Real rate2, Real seconds) {
  return rate1 + (rate2 - rate1) * seconds / 60;
}

std::optional<Real> ParseEmeFrequency(const QString& text) {
  const std::string s = text.trimmed().toStdString();
  Real value = 0;
  const bool comma = s.find(',') != std::string::npos;
  if (!orbit::ParseDecimal(s, comma ? ',' : '.', &value)) return std::nullopt;
  if (!(value > 0) || value > kMaxEmeFrequencyGhz) return std::nullopt;
  return value;
}

bool ValidDxLocator(const QString& upperLocator) {
  if (upperLocator.size() != 6) return false;
  for (int i = 0; i < 6; ++i) {
    const QChar c = upperLocator.at(i);
    char first = 'A', last = 'R';
    if (i == 2 || i == 3) {
      first = '0';
      last = '9';
    } else if (i >= 4) {
      last = 'X';
    }
    if (c < QLatin1Char(first) || c > QLatin1Char(last)) return false;
  }
  return true;
}

int ClampBias(int value) {
  if (value < 1) return 0;
  if (value < 50) return 50;
  return value > 1200 ? 1200 : value;
}

namespace {

QString Fixed(Real x, int decimals) {
  if (!std::isfinite(x)) x = 0;
  return QString::number(static_cast<double>(x), 'f', decimals);
}

}  // namespace

QString MoonReportLine(Real azimuth, Real elevation, Real ownRate, Real dxRate, bool inView) {
  // Without a DX view the path rate is the station's own echo rate.
  const Real path = dxRate == kNoDxRate ? ownRate : (dxRate + ownRate) / 2;
  const Real rr = inView ? path * 2 * 0.001L : 0;
  QString line = QStringLiteral("MOON AZ:") + Fixed(azimuth, 2) + QStringLiteral(" EL:") +
                 Fixed(elevation, 2) + QStringLiteral(" RR:") + Fixed(rr, 8) +
                 QStringLiteral(" RS:") + Fixed(ownRate * 2 * 0.001L, 8) +
                 (inView ? QStringLiteral(" AH:Y") : QStringLiteral(" AH:N"));
  line.replace(QLatin1Char(','), QLatin1Char('.'));
  return line;
}

}  // namespace tools
