#pragma once

// The antenna settings as the tracking code uses them, built from the plain values of the
// settings file (antenna_values.h).

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

#include "tracking/antenna_interfaces.h"
#include "tracking/antenna_values.h"
#include "tracking/printer_port_seam.h"
#include "tracking/rotator_types.h"

namespace tracking {

// What the senders and the tracking controller read.
struct AntennaSetup {
  std::optional<Interface> selected;
  RotatorConfigs configs;  // the eight command-string interfaces
  PrinterPortConfig pourSat;
  PrinterPortConfig fodTrack;
  RotatorOptions options;  // overlap, stop on 360° step, command display
  bool trackNoStop = false;
  RigSettings rig;                    // rigctld Doppler tuning
  PassCommandSettings passCommands;   // run at AOS and LOS

  // Stop, elevation range, step and test position of any interface.
  const RotatorConfig& Config(Interface i) const;
  RotatorConfig& Config(Interface i);
  // POURSAT or FODTrack's own record (FODTrack's for any other interface).
  const PrinterPortConfig& Printer(Interface card) const {
    return card == Interface::PourSat ? pourSat : fodTrack;
  }
};

// Builds the setup. Stored ports become listed names ("USB0" -> "ttyUSB0"); a selected
// serial interface whose port is not among `availablePorts` is not selected.
AntennaSetup SetupFromValues(const AntennaPanelValues& values, const QStringList& availablePorts);

}  // namespace tracking
