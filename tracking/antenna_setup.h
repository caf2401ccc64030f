#pragma once

// The antenna settings as the tracking code uses them, and their conversion from and to
// the plain values of the settings file (one record per interface, the file's fields).

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

#include "tracking/antenna_interfaces.h"
#include "tracking/printer_port_seam.h"
#include "tracking/rotator_types.h"

namespace tracking {

// One interface's keys of the settings file, field for field (decimal texts with the
// user's separator, the serial port without its first three letters).
struct AntennaValues {
  int lptEntry = -1;       // 0..3 = LPT1, LPT2, LPT3, LPTx; -1 none
  QString lptAddressText;  // LPTx address as typed
  QString port;            // "USB0" for ttyUSB0; empty = none
  QString baud = QStringLiteral("4800");
  bool stopSouth = false;
  bool maxElevation180 = false;
  bool azimuth450 = false;
  int step = 1;
  QString calibrationAz;
  QString calibrationEl;
  QString calibrationZero;
  int azimuthOffset = 0;
  int elevationOffset = 0;
  int testAzimuth = 0;
  int testElevation = 0;
  bool parking = false;
  bool operator==(const AntennaValues&) const = default;
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
  bool operator==(const AntennaPanelValues&) const = default;
};

// Defaults of a fresh installation (calibrations of the two printer-port cards).
AntennaPanelValues DefaultAntennaPanelValues();

// What the senders and the tracking controller read.
struct AntennaSetup {
  std::optional<Interface> selected;
  RotatorConfigs configs;  // the eight command-string interfaces
  PrinterPortConfig pourSat;
  PrinterPortConfig fodTrack;
  RotatorOptions options;  // overlap, stop on 360° step, command display
  bool trackNoStop = false;

  // Stop, elevation range, step and test position of any interface.
  const RotatorConfig& Config(Interface i) const;
  RotatorConfig& Config(Interface i);
};

// Builds the setup. Stored ports become listed names ("USB0" -> "ttyUSB0"); a selected
// serial interface whose port is not among `availablePorts` is not selected.
AntennaSetup SetupFromValues(const AntennaPanelValues& values, const QStringList& availablePorts);

}  // namespace tracking
