// The printer-port groups of the POURSAT and FODTrack tabs: the choice of a port, the
// refresh of their items and the start-up check of the stored choices.
#include <QCheckBox>
#include <QLineEdit>

#include "base/sounds.h"
#include "tracking/page_control_antenne.h"
#include "tracking/printer_port_sender.h"
#include "tracking/radio_group.h"

namespace tracking {

void PageControlAntenne::PrinterPortClick(Interface card) {
  Tab& t = Controls(card);
  if (env_.printerPorts == nullptr) {
    Sync();
    return;
  }
  const PortChoice choice = env_.printerPorts->ChoosePort(t.port->ItemIndex(), t.lptAddress->text());
  const auto beep = [this, &choice] {
    if (choice.beep && env_.sounds != nullptr) env_.sounds->Beep();
  };
  if (!choice.error.isEmpty()) {
    beep();
    if (env_.dialogs != nullptr) env_.dialogs->Error(choice.error);
  } else if (!choice.warning.isEmpty() && env_.dialogs != nullptr) {
    env_.dialogs->Warning(choice.warning);
  }
  if (!choice.keep) t.port->SetItemIndex(-1);
  if (choice.unselect && t.select->isChecked()) {
    t.select->setChecked(false);
    Unselected(card);
    if (env_.state != nullptr) env_.state->Reset();
  }
  if (choice.error.isEmpty()) beep();
  Sync();
}

void PageControlAntenne::RefreshPrinterPorts() {
  if (env_.printerPorts == nullptr) return;
  RefreshPrinterPorts(env_.printerPorts->PortItems(), env_.printerPorts->Usable());
}

void PageControlAntenne::CheckPrinterPortChoices() {
  if (env_.printerPorts == nullptr || env_.setup == nullptr) return;
  for (Interface card : {Interface::PourSat, Interface::FodTrack}) {
    Tab& t = Controls(card);
    // No port chosen (a choice the settings reader dropped, for one) counts the same.
    if (env_.printerPorts->BaseAddress(env_.setup->Printer(card)) != 0) continue;
    t.port->SetItemIndex(-1);
    if (t.select->isChecked()) {
      t.select->setChecked(false);
      Unselected(card);
    }
  }
  Sync();
}

}  // namespace tracking
