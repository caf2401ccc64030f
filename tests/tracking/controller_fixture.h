#pragma once

// A tracking controller over recording transports, sounds and dialogs.
#include <QString>
#include <QStringList>

#include <array>
#include <memory>

#include "base/sounds.h"
#include "tracking/recording_links.h"
#include "tracking/tracking_controller.h"

#include <ostream>

// Readable QString values in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace tracking::testing {

struct ControllerFixture {
  ControllerFixture() {
    RotatorBank::Links links;
    for (std::size_t i = 0; i < serial.size(); ++i) links.serial[i] = &serial[i];
    links.arswin = &arswin;
    links.launcher = &launcher;
    bank = std::make_unique<RotatorBank>(links, [](int) {});
    for (Interface d : kSerialInterfaces) setup.configs[d].portName = QStringLiteral("ttyS0");
    setup.selected = Interface::Gs232;
    TrackingHost host;
    host.sounds = &sounds;
    host.dialogs = &dialogs;
    host.trackButtonDown = [this](bool down) { buttonDown = down; };
    host.azimuthRed = [this](bool red) { azimuthRed = red; };
    host.labelTrack = [this](const QString& t) { labelTrack = t; };
    host.show360Alarm = [this] { ++alarms; };
    host.stopOtherSources = [this] { ++otherSourcesStopped; };
    host.settingsViewShowing = [this] { return settingsShowing; };
    controller = std::make_unique<TrackingController>(*bank, state, setup, printer, host);
  }
  RecordingSerialLink& Link(Interface d) {
    for (std::size_t i = 0; i < serial.size(); ++i)
      if (kSerialInterfaces[i] == d) return serial[i];
    return serial[0];
  }
  RotatorConfig& Config(Interface i) { return setup.Config(i); }

  std::array<RecordingSerialLink, 6> serial;
  RecordingArswin arswin;
  RecordingLauncher launcher;
  std::unique_ptr<RotatorBank> bank;
  CommandState state;
  AntennaSetup setup;
  NoPrinterPortSenders printer;
  base::RecordingSounds sounds;
  base::RecordingDialogs dialogs;
  bool buttonDown = false;
  bool azimuthRed = false;
  QString labelTrack;
  int alarms = 0;
  int otherSourcesStopped = 0;
  bool settingsShowing = false;
  std::unique_ptr<TrackingController> controller;
};

// Per-minute tables of a pass with the given azimuths (elevations rise and fall).
inline prediction::PassRows RowsWithAzimuths(const std::vector<int>& azimuths, int aosElevation = 0) {
  prediction::PassRows rows;
  rows.count = static_cast<int>(azimuths.size());
  for (std::size_t k = 0; k < azimuths.size(); ++k) {
    rows.azimuth[k] = azimuths[k];
    const int fromEdge = static_cast<int>(std::min(k, azimuths.size() - 1 - k));
    rows.elevation[k] = aosElevation + 10 * fromEdge;
  }
  rows.elevation[azimuths.size()] = prediction::kEndMark;
  return rows;
}

}  // namespace tracking::testing
