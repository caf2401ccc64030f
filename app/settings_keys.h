#pragma once

// The key layout of the settings file shared by its reader, its writer and the defaults:
// which keys each rotator interface section holds, and the fixed names. Internal to app/.

#include <QString>

#include "app/settings.h"

namespace app::settings_keys {

// Which keys one interface section has, in the written order.
struct AntennaKeys {
  const char* section;                  // "[GS-232]"
  const char* suffix;                   // X of "STEP_" + X + "="
  const char* offsetSuffix = nullptr;   // Y of "AZOFFSET_" + Y + "="; none without offsets
  bool lpt = false;                     // LPT_, ADLPT_: printer port and LPTx address
  bool port = false;                    // PORT_: serial port
  bool baud = false;                    // BAUD_: serial speed
  bool stop = false;                    // STOP_: mechanical stop N or S
  bool maxElevation = false;            // MAX_EL_ in the section's usual place
  bool azimuth450 = false;              // AZ_: 450-degree azimuth range
  bool calibration = false;             // CALAZ_, CALEL_, ZERO_
  int stepMin = 0;                      // range of STEP_, in the controller's unit
  int stepMax = 5;
  int elevationOffsetLimit = 15;        // ELOFFSET_ lies in -limit..limit
};

// In the order of tracking::Interface.
constexpr AntennaKeys kAntennaKeys[tracking::kInterfaceCount] = {
    {.section = "[POURSAT]", .suffix = "POURSAT", .lpt = true, .stop = true,
     .maxElevation = true, .azimuth450 = true, .calibration = true},
    {.section = "[FODTRACK]", .suffix = "FODTRACK", .lpt = true, .stop = true,
     .maxElevation = true, .azimuth450 = true, .calibration = true},
    {.section = "[EA4TX]", .suffix = "EA4TX", .stop = true, .maxElevation = true},
    {.section = "[GS-232]", .suffix = "GS232", .offsetSuffix = "GS", .port = true, .baud = true,
     .stop = true, .maxElevation = true},
    {.section = "[PROSISTEL]", .suffix = "PROSISTEL", .offsetSuffix = "PROSISTEL", .port = true,
     .stop = true, .maxElevation = true},
    {.section = "[EASYCOMM]", .suffix = "EASYCOMM", .offsetSuffix = "EASY", .port = true,
     .baud = true, .stop = true, .maxElevation = true},
    {.section = "[M2ORION]", .suffix = "M2ORION", .offsetSuffix = "M2ORION", .port = true,
     .stop = true, .maxElevation = true, .stepMin = 1, .stepMax = 50},
    {.section = "[EGIS]", .suffix = "EGIS", .offsetSuffix = "EGIS", .port = true, .stop = true,
     .maxElevation = true, .stepMin = 1, .stepMax = 50, .elevationOffsetLimit = 45},
    {.section = "[TRAKBOX]", .suffix = "TKB", .offsetSuffix = "TKB", .port = true},
    // KCT's "MAX_EL_KCT=" closes its section instead of standing in the usual place.
    {.section = "[KCT]", .suffix = "KCT", .offsetSuffix = "KCT"},
    // The rotator daemon's keys stand in [HAMLIB], written only when they differ from the
    // defaults, so files without them keep their bytes.
    {.section = "[HAMLIB]", .suffix = "ROTCTLD", .offsetSuffix = "ROTCTLD", .stop = true,
     .maxElevation = true},
};

inline QString S(const char* text) {
  return QString::fromLatin1(text);
}

}  // namespace app::settings_keys
