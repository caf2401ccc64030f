#include "tracking/page_control_antenne.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "base/sounds.h"
#include "tracking/movenow_launcher.h"
#include "tracking/radio_group.h"
#include "tracking/rotator_sender.h"
#include "tracking/serial_ports.h"
#include "tracking/tracking_controller.h"
#include "tracking/tracking_options.h"

namespace tracking {

QString MovenowMissingMessage() {
  return PageControlAntenne::tr(
      "Can't find Movenow.com in the relevant directory. Please check the path.");
}

PageControlAntenne::PageControlAntenne(Environment environment, QWidget* parent)
    : QTabWidget(parent), env_(std::move(environment)) {
  ports_ = env_.serialPorts ? *env_.serialPorts : DetectSerialPorts();
  Build();
  for (Interface i : kSendOrder) Connect(i);
  Load(DefaultAntennaPanelValues());
}

void PageControlAntenne::Connect(Interface i) {
  Tab& t = Controls(i);
  connect(t.select, &QCheckBox::clicked, this, [this, i] { SelectionClick(i); });
  connect(t.ok, &QPushButton::clicked, this, [this, i] { OkClick(i); });
  connect(t.test, &QPushButton::clicked, this, [this, i] { TestClick(i); });
  connect(t.park, &QCheckBox::clicked, this, [this, i] { ParkClick(i); });
  if (t.port != nullptr) connect(t.port, &RadioGroup::itemClicked, this, [this, i] { PortGroupClick(i); });
  if (t.baud != nullptr) {
    connect(t.baud, &QComboBox::currentIndexChanged, this, [this, i] { BaudChange(i); });
  }
  for (QLineEdit* edit : {t.calAz, t.calEl}) {
    if (edit != nullptr) {
      connect(edit, &QLineEdit::textChanged, this, [this, edit] { CalibrationChange(edit, false); });
    }
  }
  if (t.zero != nullptr) {
    connect(t.zero, &QLineEdit::textChanged, this, [this, z = t.zero] { CalibrationChange(z, true); });
  }
  for (QSpinBox* spin : {t.step, t.azOffset, t.elOffset, t.testAz, t.testEl}) {
    if (spin != nullptr) connect(spin, &QSpinBox::valueChanged, this, [this] { Sync(); });
  }
  connect(t.stop, &RadioGroup::itemClicked, this, [this] { Sync(); });
  connect(t.elevationRange, &RadioGroup::itemClicked, this, [this] { Sync(); });
  if (t.range450 != nullptr) connect(t.range450, &QRadioButton::toggled, this, [this] { Sync(); });
  if (t.lptAddress != nullptr) connect(t.lptAddress, &QLineEdit::textChanged, this, [this] { Sync(); });
  if (i == Interface::TrakBox) connect(CheckBoxTKBHost, &QCheckBox::toggled, this, [this] { Sync(); });
  if (i == Interface::Kct) connect(EditKctMove, &QLineEdit::textChanged, this, [this] { Sync(); });
  if (i == Interface::Rotctld) {
    for (QLineEdit* edit : {EditRotctldHost, EditRigctldHost, EditAosCommand, EditLosCommand})
      connect(edit, &QLineEdit::textChanged, this, [this] { Sync(); });
    for (QSpinBox* spin : {SpinEditRotctldPort, SpinEditRigctldPort, SpinEditRigctldStep})
      connect(spin, &QSpinBox::valueChanged, this, [this] { Sync(); });
    connect(CheckBoxRigctld, &QCheckBox::toggled, this, [this] { Sync(); });
  }
}

std::optional<Interface> PageControlAntenne::Selected() const {
  for (Interface i : kSendOrder) {
    if (tabs_[static_cast<std::size_t>(IndexOf(i))].select->isChecked()) return i;
  }
  return std::nullopt;
}

void PageControlAntenne::Sync() {
  if (loading_ || env_.setup == nullptr) return;
  const bool showCommands = env_.setup->options.showCommands;
  *env_.setup = SetupFromValues(Store(), ports_);
  env_.setup->options.showCommands = showCommands;
}

void PageControlAntenne::SetOverlapEnabled(bool enabled) {
  if (env_.options != nullptr) env_.options->CheckBoxOverlap->setEnabled(enabled);
}

void PageControlAntenne::SetOverlapCaption(bool stopSouth, bool spaced) {
  if (env_.options != nullptr) env_.options->CheckBoxOverlap->setText(OverlapCaption(stopSouth, spaced));
}

void PageControlAntenne::SelectionClick(Interface i) {
  Tab& t = Controls(i);
  if (t.select->isChecked()) {
    bool accepted = true;
    if (t.port != nullptr && t.port->ItemIndex() < 0) {
      t.select->setChecked(false);
      SetOverlapEnabled(false);
      accepted = false;
    } else if (i == Interface::Kct && !MovenowExists(EditKctMove->text())) {
      if (env_.dialogs != nullptr) env_.dialogs->Warning(MovenowMissingMessage());
      t.select->setChecked(false);
      accepted = false;
    }
    if (accepted) {
      // The one that was selected goes through its own unchecked path: a parked interface
      // replaced by another does not stay marked for parking.
      for (Interface other : kSendOrder) {
        if (other == i || !Controls(other).select->isChecked()) continue;
        Controls(other).select->setChecked(false);
        Unselected(other);
      }
      emit trackButtonEnabled(true);
      if (HoldsConnection(i) || i == Interface::Kct) SetOverlapEnabled(true);
      if (i == Interface::Ea4tx) SetOverlapEnabled(false);
      if (i == Interface::Kct || i == Interface::EasyComm) {
        SetOverlapCaption(t.stop->ItemIndex() == 1, true);
      }
      Sync();
      if (i == Interface::TrakBox && env_.bank != nullptr && env_.setup != nullptr) {
        env_.bank->Sender(Interface::TrakBox).SelectTrakBox(env_.setup->configs[Interface::TrakBox]);
      }
    }
  } else {
    Unselected(i);
  }
  if (env_.state != nullptr) env_.state->Reset();
  Sync();
}

void PageControlAntenne::Unselected(Interface i) {
  emit trackButtonEnabled(false);
  SetOverlapEnabled(false);
  emit trackButtonHint(TrackButtonHint(NoInterfaceText()));
  Tab& t = Controls(i);
  if (t.park->isChecked()) {
    t.park->setChecked(false);
    if (env_.sounds != nullptr) env_.sounds->Beep();
  }
}

void PageControlAntenne::PortGroupClick(Interface i) {
  Tab& t = Controls(i);
  if (IsPrinterPort(i)) {
    PrinterPortClick(i);
    return;
  }
  if (!HasSerialPort(i) || env_.bank == nullptr || env_.setup == nullptr) {
    Sync();
    return;
  }
  RotatorConfig config = env_.setup->configs[i];
  config.portName = t.port->ItemText();
  config.parking = t.park->isChecked();
  if (t.baud != nullptr) config.baudRate = t.baud->currentText().toInt();
  const SendOutcome o = env_.bank->Sender(i).ChangePort(Selected() == i, config);
  if (o.status == SendStatus::PortError) {
    if (env_.sounds != nullptr) env_.sounds->Beep();
    if (env_.dialogs != nullptr) env_.dialogs->Warning(o.message);
    t.port->SetItemIndex(-1);
    if (t.select->isChecked()) {
      t.select->setChecked(false);
      Unselected(i);
      if (env_.state != nullptr) env_.state->Reset();
    }
  }
  Sync();
}

HintInputs PageControlAntenne::Hint(Interface i, bool atStartUp) const {
  const Tab& t = tabs_[static_cast<std::size_t>(IndexOf(i))];
  HintInputs in;
  in.stopSouth = t.stop->ItemIndex() == 1;
  in.elevationRange = t.elevationRange->ItemIndex() == 1 ? 180 : 90;
  in.minimumElevation = env_.minimumElevation ? env_.minimumElevation() : 0;
  if (IsPrinterPort(i)) in.lptNumber = t.port->ItemIndex() + 1;
  if (HasSerialPort(i)) in.port = t.port->ItemText();
  if (i == Interface::Rotctld) {
    in.port = EditRotctldHost->text() + QLatin1Char(':') + QString::number(SpinEditRotctldPort->value());
  }
  if (t.baud != nullptr) in.speed = t.baud->currentText();
  in.atStartUp = atStartUp;
  return in;
}

QString PageControlAntenne::TrackButtonHintText(bool atStartUp) const {
  const std::optional<Interface> selected = Selected();
  if (!selected) return TrackButtonHint(NoInterfaceText());
  return TrackButtonHint(InterfaceText(*selected, Hint(*selected, atStartUp)));
}

void PageControlAntenne::OkClick(Interface i) {
  const std::optional<Interface> selected = Selected();
  if (i == Interface::Kct && selected == Interface::Kct && !MovenowExists(EditKctMove->text())) {
    if (env_.dialogs != nullptr) env_.dialogs->Warning(MovenowMissingMessage());
    return;  // the panel stays open
  }
  hide();
  emit okClicked();
  if (selected) emit trackButtonEnabled(true);
  if (selected == i) {
    emit trackButtonHint(TrackButtonHintText());
    SetOverlapCaption(Controls(i).stop->ItemIndex() == 1, false);
    if (IsPrinterPort(i)) SetOverlapEnabled(Controls(i).range450->isChecked());
  }
}

void PageControlAntenne::TestClick(Interface i) {
  Sync();
  if (env_.controller != nullptr) {
    env_.controller->Test(i);
  } else if (env_.sounds != nullptr) {
    env_.sounds->Beep();
  }
}

void PageControlAntenne::ParkClick(Interface i) {
  Tab& t = Controls(i);
  if (t.park->isChecked() && Selected() != i) {
    t.park->setChecked(false);
    if (env_.sounds != nullptr) env_.sounds->Beep();
  }
  Sync();
}

void PageControlAntenne::BaudChange(Interface i) {
  Tab& t = Controls(i);
  if (env_.bank != nullptr && !loading_) {
    env_.bank->Sender(i).SetBaudRate(t.baud->currentText().toInt());
  }
  Sync();
}

void PageControlAntenne::CalibrationChange(QLineEdit* edit, bool isZero) {
  const CalibrationInput in = ParseCalibration(edit->text(), isZero);
  if (in.beep && env_.sounds != nullptr) env_.sounds->Beep();
  if (in.clearEdit) edit->clear();
  Sync();
}

long double PageControlAntenne::CalibrationValue(const QLineEdit* edit) const {
  return ParseCalibration(edit->text(), edit == tabs_[0].zero || edit == tabs_[1].zero).value;
}

void PageControlAntenne::RefreshPrinterPorts(const QStringList& items, bool usable) {
  for (Interface i : {Interface::PourSat, Interface::FodTrack}) {
    RadioGroup* group = Controls(i).port;
    for (int k = 0; k < 3 && k < items.size(); ++k) group->SetItemText(k, items[k]);
    if (!usable) {
      group->SetItemIndex(-1);
    } else if (group->ItemIndex() < 0 && !items.isEmpty() &&
               !items[0].contains(QStringLiteral("[0000h]"))) {
      group->SetItemIndex(0);
    }
  }
  Sync();
}

void PageControlAntenne::Load(const AntennaPanelValues& values) {
  loading_ = true;
  for (Interface i : kSendOrder) {
    Tab& t = Controls(i);
    const AntennaValues& v = values.antennas[static_cast<std::size_t>(IndexOf(i))];
    t.stop->SetItemIndex(i != Interface::TrakBox && v.stopSouth ? 1 : 0);
    t.elevationRange->SetItemIndex(i != Interface::TrakBox && v.maxElevation180 ? 1 : 0);
    t.step->setValue(v.step);
    if (t.azOffset != nullptr) t.azOffset->setValue(v.azimuthOffset);
    if (t.elOffset != nullptr) t.elOffset->setValue(v.elevationOffset);
    t.testAz->setValue(v.testAzimuth);
    t.testEl->setValue(v.testElevation);
    t.park->setChecked(v.parking);
    bool portOk = true;
    if (IsPrinterPort(i)) {
      t.port->SetItemIndex(v.lptEntry);
      t.lptAddress->setText(v.lptAddressText);
      t.calAz->setText(v.calibrationAz);
      t.calEl->setText(v.calibrationEl);
      t.zero->setText(v.calibrationZero);
      (v.azimuth450 ? t.range450 : t.range360)->setChecked(true);
    } else if (HasSerialPort(i)) {
      const int index = v.port.isEmpty() ? -1 : ports_.indexOf(PortNameFromSetting(v.port, ports_));
      t.port->SetItemIndex(index);
      portOk = index >= 0;  // a stored port that is gone leaves the interface unselected
    }
    if (t.baud != nullptr) {
      t.baud->setCurrentText(t.baud->findText(v.baud) >= 0 ? v.baud : QStringLiteral("4800"));
    }
    t.select->setChecked(values.selected == i && portOk);
  }
  CheckBoxTKBHost->setChecked(values.trakBoxHostMode);
  EditKctMove->setText(values.movenowFolder);
  EditRotctldHost->setText(values.hamlib.rotatorHost);
  SpinEditRotctldPort->setValue(values.hamlib.rotatorPort);
  CheckBoxRigctld->setChecked(values.hamlib.rig.enabled);
  EditRigctldHost->setText(values.hamlib.rig.host);
  SpinEditRigctldPort->setValue(values.hamlib.rig.port);
  SpinEditRigctldStep->setValue(values.hamlib.rig.stepHz);
  EditAosCommand->setText(values.hamlib.commands.aosCommand);
  EditLosCommand->setText(values.hamlib.commands.losCommand);
  if (env_.options != nullptr) {
    env_.options->CheckBoxStop360->setChecked(values.trackStop360);
    env_.options->CheckBoxTrackNoStop->setChecked(values.trackNoStop);
    env_.options->CheckBoxOverlap->setChecked(values.overlap);
  }
  loading_ = false;
  Sync();
  if (env_.setup != nullptr) {
    env_.setup->options.stopOn360 = values.trackStop360;
    env_.setup->trackNoStop = values.trackNoStop;
  }

  const std::optional<Interface> selected = Selected();
  emit trackButtonEnabled(selected.has_value());
  emit trackButtonHint(TrackButtonHintText(true));
  if (selected) {
    SetOverlapCaption(Controls(*selected).stop->ItemIndex() == 1, false);
    if (IsPrinterPort(*selected)) {
      SetOverlapEnabled(Controls(*selected).range450->isChecked());
    } else {
      SetOverlapEnabled(*selected != Interface::Ea4tx);
    }
  } else {
    SetOverlapEnabled(false);
  }
}

AntennaPanelValues PageControlAntenne::Store() const {
  AntennaPanelValues values;
  for (Interface i : kSendOrder) {
    const Tab& t = tabs_[static_cast<std::size_t>(IndexOf(i))];
    AntennaValues& v = values.antennas[static_cast<std::size_t>(IndexOf(i))];
    v.stopSouth = t.stop->ItemIndex() == 1;
    v.maxElevation180 = t.elevationRange->ItemIndex() == 1;
    v.step = t.step->value();
    if (t.azOffset != nullptr) v.azimuthOffset = t.azOffset->value();
    if (t.elOffset != nullptr) v.elevationOffset = t.elOffset->value();
    v.testAzimuth = t.testAz->value();
    v.testElevation = t.testEl->value();
    v.parking = t.park->isChecked();
    if (IsPrinterPort(i)) {
      v.lptEntry = t.port->ItemIndex();
      v.lptAddressText = t.lptAddress->text();
      v.calibrationAz = t.calAz->text();
      v.calibrationEl = t.calEl->text();
      v.calibrationZero = t.zero->text();
      v.azimuth450 = t.range450->isChecked();
    } else if (HasSerialPort(i) && t.port->ItemIndex() >= 0) {
      v.port = PortSettingFromName(t.port->ItemText());
    }
    if (t.baud != nullptr) v.baud = t.baud->currentText();
  }
  values.selected = Selected();
  values.trakBoxHostMode = CheckBoxTKBHost->isChecked();
  values.movenowFolder = EditKctMove->text();
  values.hamlib.rotatorHost = EditRotctldHost->text().trimmed();
  values.hamlib.rotatorPort = SpinEditRotctldPort->value();
  values.hamlib.rig.enabled = CheckBoxRigctld->isChecked();
  values.hamlib.rig.host = EditRigctldHost->text().trimmed();
  values.hamlib.rig.port = SpinEditRigctldPort->value();
  values.hamlib.rig.stepHz = SpinEditRigctldStep->value();
  values.hamlib.commands.aosCommand = EditAosCommand->text();
  values.hamlib.commands.losCommand = EditLosCommand->text();
  if (env_.options != nullptr) {
    values.trackStop360 = env_.options->CheckBoxStop360->isChecked();
    values.trackNoStop = env_.options->CheckBoxTrackNoStop->isChecked();
    values.overlap = env_.options->CheckBoxOverlap->isChecked();
  }
  return values;
}

}  // namespace tracking
