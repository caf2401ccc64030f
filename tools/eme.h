#pragma once

// Earth-Moon-Earth arithmetic of the moon window: range rates, Doppler with its bias,
// the settings' checks and the report line. Rates in m/s (positive: the range grows),
// frequencies in GHz, Doppler in Hz.

#include <QString>

#include <optional>

#include "orbit/calendar.h"

namespace tools {

using orbit::Real;

// The DX range-rate entry of a minute without a usable DX view.
inline constexpr Real kNoDxRate = 1000000;
inline constexpr Real kSpeedOfLightKmS = 299792.458L;
inline constexpr Real kMaxEmeFrequencyGhz = 12;

// ρ, the station's distance from the Earth's centre in km:
// 6378.137·(1 − f/2 + (f/2)·cos 2φ) + altitude/1000 (φ in degrees, altitude in metres).
Real GeocentricRadiusKm(Real latitudeDeg, Real altitudeMetres);

// (range − rangeBefore)·ρ·1000/60: m/s over one minute, ranges in Earth radii, ρ in km.
Real RangeRate(Real range, Real rangeBefore, Real rhoKm);

// D = F·(−2)·rr·10⁶/(c − rr·0.001) + F·1000/bias (the last term only for bias > 0),
// rounded to whole Hz (halves to even).
long long EmeDoppler(Real rangeRate, Real frequencyGhz, int bias);

// The rate `seconds` into a minute, between the rates of that minute and the next.
Real InterpolateRate(Real rate1, Real rate2, Real seconds);

// An EME frequency as typed ("." or "," as decimal separator). Nothing when the text is
// not a number, or the value is not above 0 or above the 12 GHz limit.
std::optional<Real> ParseEmeFrequency(const QString& text);

// A DX locator as the settings panel takes it: six characters, "A".."R" twice, two
// digits, "A".."X" twice (upper case expected).
bool ValidDxLocator(const QString& upperLocator);

// "BIAS_EME=": 0 (off) for values below 1, 1..49 become 50, above 1200 become 1200.
int ClampBias(int value);

// The moon's report line. In view: "MOON AZ:az EL:el RR:rr RS:rs AH:Y" with az/el to two
// decimals and RR (the mean of the DX and own rates, the own rate alone without a DX
// rate) and RS (the own rate), both ×2×0.001 (round-trip km/s) to eight decimals.
// Not in view: RR reads 0 and the line ends " AH:N". The decimal point is "." always.
QString MoonReportLine(Real azimuth, Real elevation, Real ownRate, Real dxRate, bool inView);

}  // namespace tools
