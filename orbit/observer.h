#pragma once

#include "orbit/propagator.h"

namespace orbit {

// What the station sees of one evaluation. Degrees, km, km/s, Hz.
struct ObserverView {
  Real elevation = 0;
  Real azimuth = 0;  // 0 <= az < 360, from north through east
  Real range = 0;
  Real rangeRate = 0;  // positive when the range grows
  Real subLatitude = 0;
  Real subWestLongitude = 0;  // 0 < lon <= 360 as computed
  Real distance = 0;          // from the Earth's centre; altitude = distance - 6378.137
  Real squint = 0;
  int phase = 0;
  Real orbitNumber = 0;
  Real doppler1000 = 0;  // Hz at 1000 MHz, positive while approaching
};

// One fast evaluation in double precision, the same fields and rules as ObserverView.
struct FastView {
  double elevation = 0;
  double azimuth = 0;
  double range = 0;
  double rangeRate = 0;
  double subLatitude = 0;
  double subWestLongitude = 0;
  double distance = 0;
  double squint = 0;
  double doppler1000 = 0;
  int phase = 0;
  double orbitNumber = 0;
};

// What a pass search asks of every minute: the upward component of the line of sight and
// its length (km); the sine of the elevation is their ratio (1 at a zero range).
struct FastSight {
  double up = 0;
  double range = 0;
  double ElevationSine() const { return range > 0 ? up / range : 1.0; }
};

inline constexpr Real kFlattening = 0.0033528109296271807L;
inline constexpr Real kSpeedOfLight = 299792.458L;  // km/s

// Two-argument arctangent with the program's quadrant rules; 0 <= angle < 2*pi.
Real QuadrantAngle(Real x, Real y);
double QuadrantAngleFast(double x, double y);

class Observer {
 public:
  // Latitude north positive, longitude WEST positive (degrees), altitude in metres.
  void SetStation(Real latitude, Real westLongitude, Real altitudeMetres);
  // Attitude of the satellite's antenna (degrees); without it the squint is 0.
  void SetAttitude(bool known, Real alat, Real alon);
  // Clears the range history at the start of a computation.
  void StartRun();
  // After Propagate: x is the clock offset and step the step of the run, both in days.
  const ObserverView& Observe(const Propagator& prop, Real x, Real step);
  // Range to an extended position, exactly as Observe computes it.
  Real RangeTo(const OrbitState& s) const;
  // The two previous ranges of the range rate (newest first), for a run whose earlier
  // evaluations were fast ones.
  void SetRangeHistory(Real previous, Real beforePrevious);

  // Double-precision counterparts after PropagateFast. SightFast leaves every history
  // alone; ObserveFast keeps a range history of its own, cleared by StartRun.
  FastSight SightFast(const FastOrbitState& s) const;
  const FastView& ObserveFast(const Propagator& prop, Real x, Real step);

  const ObserverView& view() const { return view_; }
  const FastView& fastView() const { return fastView_; }
  Real stationRadius() const { return rs_; }
  Real stationX() const { return xs_; }
  Real stationY() const { return ys_; }
  Real stationZ() const { return zs_; }

 private:
  Real sinLat_ = 0, cosLat_ = 1, minusSinLon_ = 0, cosLon_ = 1;
  Real rs_ = kEarthRadiusKm, xs_ = kEarthRadiusKm, ys_ = 0, zs_ = 0;
  bool attitude_ = false;
  Real attitudeVec_[3] = {};
  Real range1_ = 0, range2_ = 0;
  ObserverView view_;
  // The station in double precision.
  double fSinLat_ = 0, fCosLat_ = 1, fMinusSinLon_ = 0, fCosLon_ = 1;
  double fXs_ = 6378.137, fYs_ = 0, fZs_ = 0;
  // The local up, north and east directions in Earth-fixed axes (east has no z part).
  double fUp_[3] = {1, 0, 0}, fNorth_[3] = {0, 0, 1}, fEast_[2] = {0, 1};
  double fAttitude_[3] = {};
  double fastRange1_ = 0, fastRange2_ = 0;
  FastView fastView_;
};

}  // namespace orbit
