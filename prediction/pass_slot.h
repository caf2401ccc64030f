#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "orbit/calendar.h"
#include "orbit/elements.h"
#include "orbit/radio_data.h"

namespace prediction {

using orbit::Real;

inline constexpr int kSlotCount = 15;
inline constexpr int kMaxRows = 3000;
inline constexpr int kEndMark = 999;  // elevation of the row after the last one
inline constexpr int kSlotTextLength = 23;
inline constexpr int kSlotNameLength = 11;

// Background colours of the pass slots (RGB).
inline constexpr std::uint32_t kGreen = 0x00FF00;
inline constexpr std::uint32_t kYellow = 0xFFFF00;
inline constexpr std::uint32_t kWhite = 0xFFFFFF;
inline constexpr std::uint32_t kSilver = 0xC0C0C0;
inline constexpr std::uint32_t kAqua = 0x00FFFF;

// One-minute ephemeris rows of the found pass, in parallel columns. Row k (1-based) is
// stored at index k-1; the elevation of the row after the last holds kEndMark.
struct PassRows {
  PassRows();
  std::vector<int> elevation;   // integer degrees
  std::vector<int> azimuth;     // integer degrees
  std::vector<int> range;       // integer km
  std::vector<Real> altitude10; // altitude in km x 10
  std::vector<Real> latitude;   // degrees, north positive
  std::vector<Real> westLongitude;  // degrees, -180..180, west positive
  std::vector<int> phase;       // 0..255
  std::vector<int> doppler;     // Hz at 1000 MHz
  std::vector<int> squint;      // degrees
  int count = 0;                // rows stored
  void Clear() {
    count = 0;
    elevation[0] = kEndMark;
  }
  bool empty() const { return elevation[0] == kEndMark; }
};

// One line of the upcoming-pass list.
struct PassSlot {
  std::string name;  // chosen satellite; empty = slot unused
  orbit::ParsedSet set;
  orbit::SatRadioData radio;
  Real calculationDate = 0;  // local date-time value, 0 = search from now
  Real passStart = 0;        // UTC date-time values, whole minutes
  Real passEnd = 0;
  PassRows rows;
  std::string text;  // 23 characters once searched
  std::uint32_t colour = kWhite;

  bool HasSatellite() const { return !name.empty(); }
  bool HasPass() const { return !rows.empty(); }
};

using SlotTable = std::array<PassSlot, kSlotCount>;

}  // namespace prediction
