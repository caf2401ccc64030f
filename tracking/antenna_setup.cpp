#include "tracking/antenna_setup.h"

#include <utility>

#include "tracking/serial_ports.h"

namespace tracking {

int AntennaValues::LptAddressValue() const {
  if (lptAddressText.isEmpty() || lptAddressText.size() > 4) return 0;
  bool ok = false;
  const int value = lptAddressText.toInt(&ok, 16);
  return ok ? value : 0;
}

AntennaPanelValues DefaultAntennaPanelValues() {
  AntennaPanelValues v;
  AntennaValues& pourSat = v.antennas[IndexOf(Interface::PourSat)];
  pourSat.calibrationAz = QStringLiteral("0.5138901");
  pourSat.calibrationEl = QStringLiteral("1.0277802");
  pourSat.calibrationZero = QStringLiteral("0");
  AntennaValues& fod = v.antennas[IndexOf(Interface::FodTrack)];
  fod.calibrationAz = QStringLiteral("0.711");
  fod.calibrationEl = QStringLiteral("1.422");
  fod.calibrationZero = QStringLiteral("0");
  return v;
}

const RotatorConfig& AntennaSetup::Config(Interface i) const {
  if (i == Interface::PourSat) return pourSat.rotator;
  if (i == Interface::FodTrack) return fodTrack.rotator;
  return configs[i];
}

RotatorConfig& AntennaSetup::Config(Interface i) {
  return const_cast<RotatorConfig&>(std::as_const(*this).Config(i));
}

namespace {

RotatorConfig RotatorFromValues(Interface i, const AntennaValues& v, const QStringList& ports) {
  RotatorConfig c;
  c.stopSouth = i != Interface::TrakBox && v.stopSouth;
  c.elevationRange = (i != Interface::TrakBox && v.maxElevation180) ? 180 : 90;
  c.minimumStep = v.step;
  c.azimuthOffset = v.azimuthOffset;
  c.elevationOffset = v.elevationOffset;
  c.portName = PortNameFromSetting(v.port, ports);
  bool ok = false;
  const int baud = v.baud.toInt(&ok);
  c.baudRate = ok && baud > 0 ? baud : 4800;
  c.testAzimuth = v.testAzimuth;
  c.testElevation = v.testElevation;
  c.parking = v.parking;
  return c;
}

PrinterPortConfig PrinterFromValues(Interface i, const AntennaValues& v) {
  PrinterPortConfig p;
  p.rotator = RotatorFromValues(i, v, {});
  p.rotator.portName.clear();
  p.lptEntry = v.lptEntry;
  p.lptAddressText = v.lptAddressText;
  p.bitsPerDegreeAz = ParseCalibration(v.calibrationAz, false).value;
  p.bitsPerDegreeEl = ParseCalibration(v.calibrationEl, false).value;
  p.zeroAzimuth = ParseCalibration(v.calibrationZero, true).value;
  p.azimuth450 = v.azimuth450;
  return p;
}

}  // namespace

AntennaSetup SetupFromValues(const AntennaPanelValues& values, const QStringList& ports) {
  AntennaSetup s;
  for (Interface i : kSendOrder) {
    const AntennaValues& v = values.antennas[IndexOf(i)];
    if (i == Interface::PourSat) {
      s.pourSat = PrinterFromValues(i, v);
    } else if (i == Interface::FodTrack) {
      s.fodTrack = PrinterFromValues(i, v);
    } else {
      s.configs[i] = RotatorFromValues(i, v, ports);
    }
  }
  s.configs[Interface::TrakBox].trakBoxHostOnQuit = values.trakBoxHostMode;
  s.configs[Interface::Kct].movenowFolder = values.movenowFolder;
  s.configs[Interface::Rotctld].daemonHost = values.hamlib.rotatorHost;
  s.configs[Interface::Rotctld].daemonPort = values.hamlib.rotatorPort;
  s.rig = values.hamlib.rig;
  s.passCommands = values.hamlib.commands;
  s.selected = values.selected;
  if (s.selected && HasSerialPort(*s.selected)) {
    const QString name = s.Config(*s.selected).portName;
    if (name.isEmpty() || !ports.contains(name)) s.selected.reset();
  }
  s.options.overlap = values.overlap;
  s.options.stopOn360 = values.trackStop360;
  s.trackNoStop = values.trackNoStop;
  return s;
}

}  // namespace tracking
