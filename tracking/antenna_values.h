#pragma once

// The antenna keys of the settings file as plain values, one record per interface: what
// the settings file reads and writes and the antenna panel shows.

#include <QString>

#include <array>
#include <optional>

#include "tracking/rotator_types.h"

namespace tracking {

// One interface's keys of the settings file, field for field (decimal texts with the
// user's separator, the serial port without its first three letters).
// Not every interface has every key; the unused fields keep their defaults.
struct AntennaValues {
  int lptEntry = -1;       // printer port chooser: 0..3 = LPT1, LPT2, LPT3, LPTx; -1 none
  QString lptAddressText;  // LPTx base address as typed (up to 4 hex digits)
  QString port;            // serial port without its first three letters ("USB0"); empty = none
  QString baud = QStringLiteral("4800");
  bool stopSouth = false;  // mechanical stop at South (else North)
  bool maxElevation180 = false;
  bool azimuth450 = false;  // printer-port rotators: 450-degree azimuth range
  int step = 1;             // minimum step (degrees; M2-ORION tenths, EGIS hundredths)
  QString calibrationAz;    // bits per degree of azimuth (decimal text)
  QString calibrationEl;    // bits per degree of elevation
  QString calibrationZero;  // azimuth in degrees of bit value 0
  int azimuthOffset = 0;    // degrees
  int elevationOffset = 0;  // degrees
  int testAzimuth = 0;      // test and parking position, degrees
  int testElevation = 0;
  bool parking = false;     // "Parking position" box
  // The LPTx address as a number: 0 when the text is not 1 to 4 hex digits.
  int LptAddressValue() const;
  bool operator==(const AntennaValues&) const = default;
};

// rigctld Doppler tuning.
struct RigSettings {
  bool enabled = false;
  QString host = QStringLiteral("127.0.0.1");
  int port = 4532;
  int stepHz = 10;  // a frequency moves on only when it changed by more than this, Hz
  bool operator==(const RigSettings&) const = default;
};

// Command lines run at AOS and LOS.
struct PassCommandSettings {
  QString aosCommand;  // empty: nothing runs
  QString losCommand;
  bool operator==(const PassCommandSettings&) const = default;
};

// The Hamlib daemons and the pass commands: the settings file's [HAMLIB] section (the
// rotator daemon's common keys live in its AntennaValues).
struct HamlibValues {
  QString rotatorHost = QStringLiteral("127.0.0.1");
  int rotatorPort = 4533;
  RigSettings rig;
  PassCommandSettings commands;
  bool operator==(const HamlibValues&) const = default;
};

// Every antenna key of the settings file plus the three tracking options.
struct AntennaPanelValues {
  std::optional<Interface> selected;                 // ANT=
  std::array<AntennaValues, kInterfaceCount> antennas;  // in Interface order
  bool trakBoxHostMode = false;                      // TKB_HOST=
  QString movenowFolder = QStringLiteral("c:\\radio\\kct\\");  // MOVENOW=
  bool trackNoStop = false;                          // TRACK_NOSTOP=YES
  bool trackStop360 = false;                         // TRACK_STOP360=YES
  bool overlap = false;                              // CheckBoxOverlap (not in the file)
  HamlibValues hamlib;                               // [HAMLIB]
  bool operator==(const AntennaPanelValues&) const = default;
};

// Defaults of a fresh installation (calibrations of the two printer-port cards).
AntennaPanelValues DefaultAntennaPanelValues();

}  // namespace tracking
