#include "app/antenna_binding.h"

namespace app {

namespace {

// Both enumerations list the interfaces in the order of their sections in the file.
static_assert(kRotatorInterfaceCount == tracking::kInterfaceCount);
static_assert(Index(RotatorInterface::Kct) == tracking::IndexOf(tracking::Interface::Kct));
static_assert(Index(RotatorInterface::Gs232) == tracking::IndexOf(tracking::Interface::Gs232));

tracking::AntennaValues ToValues(const AntennaSettings& a) {
  tracking::AntennaValues v;
  v.lptEntry = a.lptEntry;
  v.lptAddressText = a.lptAddressText;
  v.port = a.port;
  v.baud = a.baud;
  v.stopSouth = a.stopSouth;
  v.maxElevation180 = a.maxElevation180;
  v.azimuth450 = a.azimuth450;
  v.step = a.step;
  v.calibrationAz = a.calibrationAz;
  v.calibrationEl = a.calibrationEl;
  v.calibrationZero = a.calibrationZero;
  v.azimuthOffset = a.azimuthOffset;
  v.elevationOffset = a.elevationOffset;
  v.testAzimuth = a.testAzimuth;
  v.testElevation = a.testElevation;
  v.parking = a.parking;
  return v;
}

void FromValues(const tracking::AntennaValues& v, AntennaSettings* a) {
  a->lptEntry = v.lptEntry;
  a->lptAddressText = v.lptAddressText;
  bool ok = false;
  const int address = v.lptAddressText.toInt(&ok, 16);
  a->lptAddress = ok ? address : 0;
  a->port = v.port;
  a->baud = v.baud;
  a->stopSouth = v.stopSouth;
  a->maxElevation180 = v.maxElevation180;
  a->azimuth450 = v.azimuth450;
  a->step = v.step;
  a->calibrationAz = v.calibrationAz;
  a->calibrationEl = v.calibrationEl;
  a->calibrationZero = v.calibrationZero;
  a->azimuthOffset = v.azimuthOffset;
  a->elevationOffset = v.elevationOffset;
  a->testAzimuth = v.testAzimuth;
  a->testElevation = v.testElevation;
  a->parking = v.parking;
}

}  // namespace

tracking::AntennaPanelValues ToPanelValues(const Settings& s) {
  tracking::AntennaPanelValues v;
  if (s.antenna) v.selected = static_cast<tracking::Interface>(Index(*s.antenna));
  for (int i = 0; i < kRotatorInterfaceCount; ++i)
    v.antennas[static_cast<std::size_t>(i)] = ToValues(s.antennas[static_cast<std::size_t>(i)]);
  v.trakBoxHostMode = s.trakBoxHostMode;
  v.movenowFolder = s.kctMoveNowFolder;
  v.trackNoStop = s.trackNoStop;
  v.trackStop360 = s.trackStop360;
  return v;
}

void FromPanelValues(const tracking::AntennaPanelValues& v, Settings* s) {
  s->antenna.reset();
  if (v.selected) s->antenna = static_cast<RotatorInterface>(tracking::IndexOf(*v.selected));
  for (int i = 0; i < kRotatorInterfaceCount; ++i)
    FromValues(v.antennas[static_cast<std::size_t>(i)], &s->antennas[static_cast<std::size_t>(i)]);
  s->trakBoxHostMode = v.trakBoxHostMode;
  s->kctMoveNowFolder = v.movenowFolder;
  s->trackNoStop = v.trackNoStop;
  s->trackStop360 = v.trackStop360;
}

}  // namespace app
