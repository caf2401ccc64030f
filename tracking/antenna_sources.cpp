#include "tracking/antenna_sources.h"

#include "tracking/antenna_setup.h"
#include "tracking/printer_port_seam.h"
#include "tracking/tracking_controller.h"

namespace tracking {

AntennaSources::AntennaSources(TrackingController& controller, RotatorBank& bank,
                               CommandState& state, AntennaSetup& setup,
                               PrinterPortSenders& printer)
    : controller_(controller), bank_(bank), state_(state), setup_(setup), printer_(printer) {}

void AntennaSources::Register(AntennaSource source, Hooks hooks) {
  hooks_[static_cast<std::size_t>(source)] = std::move(hooks);
}

bool AntennaSources::InterfaceSelected() const {
  return setup_.selected.has_value();
}

void AntennaSources::Release(AntennaSource source) {
  const Hooks& h = HooksOf(source);
  if (h.release) {
    h.release();
  } else {
    Stop(source);
  }
}

void AntennaSources::Start(AntennaSource source) {
  stepped_.reset();  // a new start answers any open 360° question
  for (int i = 0; i < kAntennaSourceCount; ++i) {
    const auto other = static_cast<AntennaSource>(i);
    if (other == source) continue;
    const Hooks& h = HooksOf(other);
    if (h.tracking && h.tracking()) Release(other);
  }
  if (source != AntennaSource::TrackingLoop && setup_.selected &&
      IsPrinterPort(*setup_.selected))
    printer_.EnablePortRange(*setup_.selected == Interface::PourSat);
}

void AntennaSources::Stop(AntennaSource) {
  if (setup_.selected && IsPrinterPort(*setup_.selected))
    printer_.DisablePortRange(*setup_.selected == Interface::PourSat);
  bank_.StopAllRotators(setup_.selected, true);
  state_.Reset();
}

bool AntennaSources::Send(AntennaSource source, long double azimuth, long double elevation) {
  state_.TargetAz = azimuth;
  state_.TargetEl = elevation;
  if (!setup_.selected) return true;
  const SendOutcome outcome = controller_.Dispatch(*setup_.selected);
  controller_.Handle(outcome);  // sounds, message box, 360° window, LabelTrack
  const bool step = outcome.status == SendStatus::Stopped360;
  if (!step && !outcome.stopTracking) return true;
  Release(source);
  if (step && source != AntennaSource::TrackingLoop) stepped_ = source;
  return false;
}

void AntennaSources::AlarmYes() {
  const AntennaSource source = stepped_.value_or(AntennaSource::TrackingLoop);
  stepped_.reset();
  const Hooks& h = HooksOf(source);
  if (h.resume && !(h.tracking && h.tracking())) h.resume();
}

}  // namespace tracking
