// The printer port of the POURSAT and FODTrack cards: its I/O, the start-up discovery and
// the release at quit.
#include "app/form1.h"
#include "tracking/antenna_setup.h"
#include "tracking/port_io.h"
#include "tracking/printer_port_sender.h"

namespace app {

void TForm1::BuildPrinterPorts() {
  tracking::PortIo* io = env_.portIo;
  if (io == nullptr) {
    ownPortIo_ = std::make_unique<tracking::LinuxPortIo>();
    io = ownPortIo_.get();
  }
  printerPorts_ = std::make_unique<tracking::PrinterPortBank>(*io, *antennaSetup_);
  if (!env_.seams.releasePrinterPort) {
    env_.seams.releasePrinterPort = [this] { printerPorts_->Release(); };
  }
}

// Start-up steps 1 and 4: whether port access can be granted, and LPT1..LPT3.
void TForm1::PrinterPortStartUp() { printerPorts_->StartUp(); }

bool TForm1::PrinterPortsUsable() const { return printerPorts_->Usable(); }

}  // namespace app
