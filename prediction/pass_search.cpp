#include "prediction/pass_search.h"

#include <climits>

#include "prediction/slot_text.h"

namespace prediction {

using orbit::Round;

PassRows::PassRows()
    : elevation(kMaxRows + 1, kEndMark),
      azimuth(kMaxRows + 1, 0),
      range(kMaxRows + 1, 0),
      altitude10(kMaxRows + 1, 0),
      latitude(kMaxRows + 1, 0),
      westLongitude(kMaxRows + 1, 0),
      phase(kMaxRows + 1, 0),
      doppler(kMaxRows + 1, 0),
      squint(kMaxRows + 1, 0) {}

namespace {

Real ReduceLongitude(Real westLon) { return westLon > 180 ? westLon - 360 : westLon; }

// Round to an int as the direct conversion does (out of range or NaN: INT_MIN), without its
// two switches of the FPU control word.
int RoundToInt(Real v) {
  const Real r = Round(v);
  return r >= -2147483648.0L && r <= 2147483647.0L ? orbit::WholeToInt(r) : INT_MIN;
}

// Busy flag held for the length of one search; cleared on every exit.
class BusyGuard {
 public:
  explicit BusyGuard(bool& flag) : flag_(flag) { flag_ = true; }
  ~BusyGuard() { flag_ = false; }
  BusyGuard(const BusyGuard&) = delete;
  BusyGuard& operator=(const BusyGuard&) = delete;

 private:
  bool& flag_;
};

Real WholeMinuteValue(const orbit::CalendarFields& c) {
  return orbit::EncodeDateTimeValue(static_cast<int>(c.year), static_cast<int>(c.month),
                                    static_cast<int>(c.day), static_cast<int>(c.hour),
                                    static_cast<int>(c.minute));
}

}  // namespace

Real SearchStartUtc(const SearchContext& ctx, const PassSlot& slot, SearchMode mode) {
  const Real now = ctx.clock != nullptr ? ctx.clock->Now() : 0;
  if (mode == SearchMode::Search && ctx.navigating) return ctx.navigationDate;
  const Real local = (mode == SearchMode::Search && slot.calculationDate != 0)
                         ? slot.calculationDate
                         : now;
  return local - ctx.localOffsetHours / 24;
}

bool SearchPass(SearchContext& ctx, PassSlot& slot, SearchMode mode, LiveView* live) {
  if (ctx.busy) return false;
  BusyGuard guard(ctx.busy);

  const bool fromClock =
      mode == SearchMode::RealTime || (!ctx.navigating && slot.calculationDate == 0);
  Real t0 = SearchStartUtc(ctx, slot, mode);
  // A search from the clock has just produced this minute's texts: tell the tick so it
  // does not count them down once more. A calculation date is not the clock and is left out.
  if (fromClock && ctx.rememberedTickTime != nullptr && ctx.clock != nullptr) {
    const Real now = ctx.clock->Now();
    if (now > *ctx.rememberedTickTime + 0.00003L) *ctx.rememberedTickTime = now;
  }

  int preRoll = 0;
  if (mode == SearchMode::Search) {
    t0 -= kPreRollDays;
    preRoll = -3;
  }

  MinuteScan scan(mode == SearchMode::RealTime ? Precision::Wide : ctx.precision, ctx.sightGuard,
                  ctx.skipBelow);
  orbit::Propagator& prop = scan.propagator();
  orbit::Observer& obs = scan.observer();
  prop.SetUp(slot.set.elements, UtcFields(t0, mode == SearchMode::RealTime));
  obs.SetStation(ctx.station.latitude, ctx.station.westLongitude, ctx.station.altitude);
  obs.SetAttitude(slot.radio.hasAttitude, slot.radio.alat, slot.radio.alon);
  scan.Start(ctx.minimumElevation, kStepDays);

  if (mode == SearchMode::RealTime) {
    scan.Step(0);
    const orbit::ObserverView& v = scan.Wide();
    if (live != nullptr) {
      live->view = v;
      live->westLongitude = ReduceLongitude(v.subWestLongitude);
    }
    return true;
  }

  PassRows& rows = slot.rows;
  rows.Clear();
  bool inPass = false;
  orbit::JulianDay first, last;  // the calendar fields of the last are taken once, at the end
  for (Real x = 0; x < kSpanDays; x += kStepDays) {
    const bool above = scan.Step(x);
    if (preRoll < 0) ++preRoll;
    if (above && preRoll >= 0) {
      const orbit::ObserverView& v = scan.Wide();
      last = prop.clock().current();
      if (!inPass) {
        first = last;
        inPass = true;
      }
      if (rows.count < kMaxRows) {
        const int i = rows.count;
        rows.elevation[i] = RoundToInt(v.elevation);
        rows.azimuth[i] = RoundToInt(v.azimuth);
        rows.range[i] = RoundToInt(v.range);
        rows.altitude10[i] = (v.distance - orbit::kEarthRadiusKm) * 10;
        rows.latitude[i] = v.subLatitude;
        rows.westLongitude[i] = ReduceLongitude(v.subWestLongitude);
        rows.phase[i] = v.phase;
        rows.doppler[i] = RoundToInt(v.doppler1000);
        rows.squint[i] = RoundToInt(v.squint);
        ++rows.count;
      }
    } else if (inPass) {
      break;  // the pass is over; nothing after it is examined
    }
  }
  orbit::CalendarFields start, end;
  if (inPass) {
    start = orbit::CalendarFromJulianDay(first.number, first.fraction);
    end = orbit::CalendarFromJulianDay(last.number, last.fraction);
  }
  rows.elevation[rows.count] = kEndMark;

  if (slot.text.size() < 12) slot.text = SlotPrefix(slot.name);
  const Real nowUtc = (ctx.clock != nullptr ? ctx.clock->Now() : 0) - ctx.localOffsetHours / 24;
  if (inPass) {
    slot.passStart = WholeMinuteValue(start);
    slot.passEnd = WholeMinuteValue(end);
    slot.text = FormatSlotText(slot.text, slot.passStart, slot.passEnd, nowUtc);
    slot.colour =
        SlotColour(slot.text, SlotDelay(slot.passStart, nowUtc) == 0, ctx.warnMinutes);
  } else {
    slot.text = NoPassText(slot.text);
    slot.colour = kWhite;
  }
  return true;
}

std::vector<TrackPoint> GroundTrack(const PassSlot& slot, const StationPosition& station,
                                    int minimumElevation, Real startUtc, Precision precision) {
  std::vector<TrackPoint> track;
  track.reserve(kMaxRows + 1);
  MinuteScan scan(precision);
  scan.propagator().SetUp(slot.set.elements, UtcFields(startUtc, false));
  scan.observer().SetStation(station.latitude, station.westLongitude, station.altitude);
  scan.Start(minimumElevation + 0.1L, kStepDays);
  for (Real x = 0; x < kSpanDays && track.size() < static_cast<std::size_t>(kMaxRows);
       x += kStepDays) {
    if (scan.Step(x)) break;
    // The points are drawn, never printed: double precision is plenty.
    const orbit::FastView& v = scan.Fast();
    TrackPoint p;
    p.latitude = v.subLatitude;
    p.westLongitude = ReduceLongitude(v.subWestLongitude);
    p.distance10 = v.distance * 10;
    track.push_back(p);
  }
  track.push_back(TrackPoint{});  // end mark: latitude 999
  return track;
}

}  // namespace prediction
