// Tracking on the explorer face (positions, track and park buttons, Doppler and modes) and
// the antenna pages of the settings panel, bound to the tracking controller.
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimeZone>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/antenna_binding.h"
#include "app/form1.h"
#include "app/named_widget.h"
#include "prediction/panel_explorer.h"
#include "tracking/antenna_setup.h"
#include "tracking/antenna_sources.h"
#include "tracking/field_text.h"
#include "tracking/form_alarm.h"
#include "tracking/movenow_launcher.h"
#include "tracking/page_control_antenne.h"
#include "tracking/printer_port_sender.h"
#include "tracking/rotator_sender.h"
#include "tracking/station_automation.h"
#include "tracking/tick_steps.h"
#include "tracking/tracking_controller.h"
#include "tracking/tracking_options.h"

namespace app {

namespace {

QLineEdit* ReadOnlyDisplay(const QString& name, int width) {
  auto* edit = Named(new QLineEdit, name);
  edit->setReadOnly(true);
  edit->setFocusPolicy(Qt::NoFocus);
  edit->setAlignment(Qt::AlignRight);
  edit->setFixedWidth(width);
  QFont bold = edit->font();
  bold.setBold(true);
  edit->setFont(bold);
  return edit;
}

}  // namespace

void TForm1::BuildTracking() {
  commandState_ = std::make_unique<tracking::CommandState>();
  antennaSetup_ = std::make_unique<tracking::AntennaSetup>();
  if (env_.rotatorBank != nullptr) {
    bank_ = env_.rotatorBank;
  } else {
    ownBank_ = std::make_unique<tracking::RotatorBank>();
    bank_ = ownBank_.get();
  }
  BuildPrinterPorts();

  QWidget* side = BuildTrackBox();
  explorer_->AddSideWidget(side);
  explorer_->AddSideWidget(BuildDopplerBox());

  tracking::TrackingHost host;
  host.sounds = env_.sounds;
  host.dialogs = &translatingDialogs_;
  host.trackButtonDown = [this](bool down) {
    const QSignalBlocker quiet(SpeedButtonTrack);
    SpeedButtonTrack->setChecked(down);
  };
  host.azimuthRed = [this](bool red) {
    EditAzimut->setStyleSheet(red ? QStringLiteral("color: #FF0000;") : QString());
  };
  host.labelTrack = [this](const QString& text) { LabelTrack->setText(text); };
  host.show360Alarm = [this] {
    if (isMinimized()) showNormal();
    formAlarm_->show();
    formAlarm_->raise();
  };
  host.settingsViewShowing = [this] { return SettingsPanelShowing(); };
  host.stopOtherSources = [this] {  // sun and moon windows let go of the rotator
    if (antennaSources_) antennaSources_->Start(tracking::AntennaSource::TrackingLoop);
  };
  ConnectMapToTick(host);
  tracking_ = std::make_unique<tracking::TrackingController>(*bank_, *commandState_,
                                                             *antennaSetup_, *printerPorts_, host);
  automation_ = std::make_shared<tracking::StationAutomation>();

  TrackingOptionsBox = new tracking::TrackingOptions(*antennaSetup_, tracking_.get());
  GroupBoxTrack->layout()->addWidget(TrackingOptionsBox);

  tracking::PageControlAntenne::Environment panel;
  panel.sounds = env_.sounds;
  panel.dialogs = &translatingDialogs_;
  panel.bank = bank_;
  panel.printerPorts = printerPorts_.get();
  panel.state = commandState_.get();
  panel.setup = antennaSetup_.get();
  panel.controller = tracking_.get();
  panel.options = TrackingOptionsBox;
  panel.minimumElevation = [this] { return SpinEditElevation->value(); };
  panel.serialPorts = env_.serialPorts;
  PageControlAntenne = new tracking::PageControlAntenne(panel);
  PageControlAntenne->setObjectName(QStringLiteral("PageControlAntenne"));
  GroupBoxAntenna->layout()->addWidget(PageControlAntenne);
  connect(PageControlAntenne, &tracking::PageControlAntenne::trackButtonEnabled,
          SpeedButtonTrack, &QToolButton::setEnabled);
  connect(PageControlAntenne, &tracking::PageControlAntenne::trackButtonHint, SpeedButtonTrack,
          &QToolButton::setToolTip);
  connect(PageControlAntenne, &tracking::PageControlAntenne::okClicked, this, [this] {
    GroupBoxAntenna->hide();
    GroupBoxSatellite->show();
  });
  connect(PageControlAntenne, &QTabWidget::currentChanged, this,
          [this] { PageControlAntenne->RefreshPrinterPorts(); });
  connect(BitBtnAntenne, &QPushButton::clicked, this, &TForm1::BitBtnAntenneClick);

  formAlarm_ = new tracking::TFormAlarm(this);
  formAlarm_->setObjectName(QStringLiteral("TFormAlarm"));
  connect(formAlarm_, &tracking::TFormAlarm::resumeRequested, this,
          [this] { tracking_->AlarmYes(CurrentPassContext()); });

  connect(SpeedButtonTrack, &QToolButton::clicked, this, &TForm1::SpeedButtonTrackClick);
  connect(SpeedButtonPark, &QToolButton::clicked, this, &TForm1::SpeedButtonParkClick);
  connect(ComboBoxMode, &QComboBox::activated, this, &TForm1::ComboBoxModeClick);
  LabelTrack->installEventFilter(this);
}

QWidget* TForm1::BuildTrackBox() {
  GroupBoxTrack = Named(new QGroupBox, QStringLiteral("GroupBoxTrack"));
  auto* layout = new QVBoxLayout(GroupBoxTrack);
  layout->setContentsMargins(6, 4, 6, 4);
  LabelTrack = Named(new QLabel, QStringLiteral("LabelTrack"));
  layout->addWidget(LabelTrack);
  auto* positions = new QHBoxLayout;
  EditElevation = ReadOnlyDisplay(QStringLiteral("EditElevation"), 80);
  EditAzimut = ReadOnlyDisplay(QStringLiteral("EditAzimut"), 80);
  EditElevation->setText(tracking::NotInViewDisplay());
  EditAzimut->setText(tracking::NotInViewDisplay());
  positions->addWidget(EditElevation);
  positions->addWidget(EditAzimut);
  positions->addStretch();
  layout->addLayout(positions);
  auto* buttons = new QHBoxLayout;
  SpeedButtonTrack = Named(new QToolButton, QStringLiteral("SpeedButtonTrack"));
  SpeedButtonTrack->setCheckable(true);
  SpeedButtonTrack->setEnabled(false);  // until an interface is selected
  SpeedButtonTrack->setMinimumWidth(80);
  SpeedButtonPark = Named(new QToolButton, QStringLiteral("SpeedButtonPark"));
  SpeedButtonPark->setMinimumWidth(80);
  buttons->addWidget(SpeedButtonTrack);
  buttons->addWidget(SpeedButtonPark);
  buttons->addStretch();
  layout->addLayout(buttons);
  return GroupBoxTrack;
}

QWidget* TForm1::BuildDopplerBox() {
  GroupBoxDoppler = Named(new QGroupBox, QStringLiteral("GroupBoxDoppler"));
  auto* grid = new QGridLayout(GroupBoxDoppler);
  grid->setContentsMargins(6, 4, 6, 4);
  ComboBoxMode = Named(new QComboBox, QStringLiteral("ComboBoxMode"));
  ComboBoxMode->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  ComboBoxMode->setMinimumContentsLength(14);
  LabelRXfreq = Named(new QLabel, QStringLiteral("LabelRXfreq"));
  LabelTXFreq = Named(new QLabel, QStringLiteral("LabelTXFreq"));
  EditDoppler = ReadOnlyDisplay(QStringLiteral("EditDoppler"), 80);
  EditTXDoppler = ReadOnlyDisplay(QStringLiteral("EditTXDoppler"), 80);
  EditDoppler->setText(tracking::NotInViewDisplay());
  EditTXDoppler->setText(tracking::NotInViewDisplay());
  grid->addWidget(ComboBoxMode, 0, 0, 1, 2);
  grid->addWidget(LabelRXfreq, 1, 0, 1, 2);
  LabelRXDoppler = Named(new QLabel, QStringLiteral("LabelRXDoppler"));
  LabelTXDoppler = Named(new QLabel, QStringLiteral("LabelTXDoppler"));
  grid->addWidget(LabelRXDoppler, 2, 0);
  grid->addWidget(EditDoppler, 2, 1);
  grid->addWidget(LabelTXFreq, 3, 0, 1, 2);
  grid->addWidget(LabelTXDoppler, 4, 0);
  grid->addWidget(EditTXDoppler, 4, 1);
  grid->setColumnStretch(0, 1);
  return GroupBoxDoppler;
}

void TForm1::RetranslateTracking() {
  BitBtnAntenne->setText(tr("ANT"));
  BitBtnAntenne->setToolTip(tr("Antenna interface"));
  GroupBoxTrack->setTitle(tr("Antenna"));
  GroupBoxDoppler->setTitle(tr("Doppler"));
  LabelRXDoppler->setText(tr("RX Doppler (Hz)"));
  LabelTXDoppler->setText(tr("TX Doppler (Hz)"));
  SpeedButtonTrack->setText(tr("TRACK"));
  SpeedButtonPark->setText(tr("PARK"));
  SpeedButtonPark->setToolTip(tr("Antennas to their parking position"));
  if (!tracking_->ShowCommands) LabelTrack->setText(tracking::LabelTrackCaption());
  TrackingOptionsBox->RetranslateUi();
  PageControlAntenne->RetranslateUi();
  SpeedButtonTrack->setToolTip(PageControlAntenne->TrackButtonHintText());
}

// Start-up step 15.
void TForm1::RestoreAntennaInterface() {
  PageControlAntenne->Load(ToPanelValues(settings_));
  PageControlAntenne->CheckPrinterPortChoices();
  if (PageControlAntenne->Selected() == tracking::Interface::Kct &&
      !tracking::MovenowExists(settings_.kctMoveNowFolder)) {
    env_.dialogs->Warning(tracking::MovenowMissingMessage());
    QCheckBox* select = PageControlAntenne->Controls(tracking::Interface::Kct).select;
    select->setChecked(false);
    PageControlAntenne->SelectionClick(tracking::Interface::Kct);
  }
}

void TForm1::StoreAntennaSettings() {
  FromPanelValues(PageControlAntenne->Store(), &settings_);
}

void TForm1::BitBtnAntenneClick() {
  PageControlAntenne->RefreshPrinterPorts();
  if (const auto selected = PageControlAntenne->Selected())
    PageControlAntenne->setCurrentIndex(tracking::IndexOf(*selected));
  GroupBoxSatellite->hide();
  GroupBoxAntenna->show();
}

tracking::PassContext TForm1::CurrentPassContext() const {
  tracking::PassContext pass;
  if (explorer_ == nullptr || !explorer_->IsOpen() || shownSlot_ < 1) return pass;
  const prediction::PassSlot& slot = slots_[static_cast<std::size_t>(shownSlot_ - 1)];
  if (slot.HasPass()) pass.rows = &slot.rows;
  pass.inView = EditElevation->text() != tracking::NotInViewDisplay();
  pass.displayedAzimuth = displayedAzimuth_;
  pass.minutesFromFirstRow = tracking_->CurrentRow;
  return pass;
}

void TForm1::SpeedButtonTrackClick() {
  tracking_->SpeedButtonTrackClick(CurrentPassContext());
  const QSignalBlocker quiet(SpeedButtonTrack);
  SpeedButtonTrack->setChecked(tracking_->TrackingActive);
}

void TForm1::SpeedButtonParkClick() {
  tracking_->SpeedButtonParkClick();
}

void TForm1::LabelTrackDblClick() {
  tracking_->LabelTrackDblClick();
}

QString TForm1::MemoFirstLine() const {
  const QString text = explorer_->MemoSatellite->toPlainText();
  return text.section(QLatin1Char('\n'), 0, 0);
}

void TForm1::BeforeExplorerRebuild() {
  memoBeforeRebuild_ = MemoFirstLine();
  tracking_->BeforeExplorerRebuild(TrackingOptionsBox->CheckBoxTrackNoStop->isChecked());
}

// After every display of a pass: the resume of "Resume tracking when pass ends".
void TForm1::AfterExplorerRebuild() {
  tracking_->AhnSent = false;
  FillModeBox();
  const bool sameSatellite = !memoBeforeRebuild_.isEmpty() && memoBeforeRebuild_ == MemoFirstLine();
  memoBeforeRebuild_.clear();
  if (tracking_->ResumeAfterPass && sameSatellite) {
    EditAzimut->setText(tracking::NotInViewDisplay());
    EditElevation->setText(tracking::NotInViewDisplay());
  }
  tracking_->AfterExplorerRebuild(sameSatellite, CurrentPassContext());
}

void TForm1::TrackingTick(bool shownSlotRecomputed) {
  const bool visible = explorer_ != nullptr && explorer_->IsOpen() && shownSlot_ >= 1 &&
                       !PanelExplorer->isHidden();
  // 8. The shown satellite's pass ended: the explorer moves to its next pass.
  if (visible && shownSlotRecomputed) {
    BeforeExplorerRebuild();
    explorer_->ShowEphemeris(shownSlot_, prediction::ShowReason::Refresh);
  }
  prediction::PassSlot* slot = visible ? &slots_[static_cast<std::size_t>(shownSlot_ - 1)] : nullptr;
  // With the explorer closed the AOS line still goes out, for the satellite it showed last.
  const int lastShown = explorer_ != nullptr ? explorer_->PreviousSlot() : 0;
  if (!visible && lastShown >= 1 && lastShown <= prediction::kSlotCount) {
    prediction::PassSlot& last = slots_[static_cast<std::size_t>(lastShown - 1)];
    if (last.HasSatellite() && last.HasPass()) slot = &last;
  }
  tracking::TickInput in;
  in.explorerVisible = visible;
  in.slotInView = slot != nullptr && slot->colour == prediction::kGreen;
  in.search = &search_;
  in.slot = slot;
  in.rowTexts = visible ? &explorer_->LocalRows() : nullptr;
  in.nowLocal = env_.clock->Now();
  if (visible) in.satelliteName = explorer_->SatelliteName();
  const tracking::TickOutput out = tracking_->Tick(in, Reports());
  StationAutomationTick(visible ? slot : nullptr, out);
  if (!visible) return;

  explorer_->SetSatelliteVisible(out.satelliteVisible);
  if (out.highlightRow && explorer_->TrackingLineOn()) explorer_->HighlightRow(out.currentRow);
  if (out.positionComputed) displayedAzimuth_ = out.displayedAzimuth;
  if (!out.elevationText.isEmpty()) EditElevation->setText(out.elevationText);
  if (!out.azimuthText.isEmpty()) EditAzimut->setText(out.azimuthText);
  if (!out.dopplerText.isEmpty()) EditDoppler->setText(out.dopplerText);
  if (!out.txDopplerText.isEmpty()) EditTXDoppler->setText(out.txDopplerText);
  if (!out.rxLabel.isEmpty()) LabelRXfreq->setText(out.rxLabel);
  if (!out.txLabel.isEmpty()) LabelTXFreq->setText(out.txLabel);
  SelectModeLetter(out.modeLetter);
}

// The radio and the pass commands follow the tick; their faults go to the rigctld page.
void TForm1::StationAutomationTick(const prediction::PassSlot* slot, const tracking::TickOutput& out) {
  tracking::AutomationTick tick;
  tick.tracking = tracking_->TrackingActive;
  tick.inView = slot != nullptr && out.satelliteVisible;
  tick.slot = slot;
  const double utc = env_.clock->Now() - static_cast<double>(search_.localOffsetHours) / 24;
  tick.nowUtc = base::FromDateTimeValue(utc);
  tick.nowUtc.setTimeZone(QTimeZone::utc());
  tick.azimuth = static_cast<double>(out.displayedAzimuth);
  tick.radio = out.radio;
  automation_->Tick(tick, antennaSetup_->rig, antennaSetup_->passCommands);
  PageControlAntenne->SetHamlibStatus(automation_->Status());
}

// The modes of the shown satellite: letter, " : " and comment (the letter alone without one).
void TForm1::FillModeBox() {
  const QSignalBlocker quiet(ComboBoxMode);
  ComboBoxMode->clear();
  if (shownSlot_ < 1) return;
  const orbit::SatRadioData& radio = slots_[static_cast<std::size_t>(shownSlot_ - 1)].radio;
  for (const orbit::RadioMode& mode : radio.modes) {
    if (mode.letter.empty()) continue;
    QString item = tracking::DecodeFieldText(mode.letter.substr(0, 1));
    if (!mode.comment.empty()) item += QStringLiteral(" : ") + tracking::DecodeFieldText(mode.comment);
    ComboBoxMode->addItem(item);
  }
  ComboBoxMode->setEnabled(ComboBoxMode->count() > 0);
}

void TForm1::SelectModeLetter(char letter) {
  if (ComboBoxMode->count() == 0 || ComboBoxMode->view()->isVisible()) return;
  int found = -1;
  for (int i = 0; i < ComboBoxMode->count(); ++i) {
    const QString item = ComboBoxMode->itemText(i);
    if (!item.isEmpty() && item.at(0) == QLatin1Char(letter)) {
      found = i;
      break;
    }
  }
  const QSignalBlocker quiet(ComboBoxMode);
  ComboBoxMode->setCurrentIndex(found);
  ComboBoxMode->setToolTip(found >= 0 ? ComboBoxMode->itemText(found) : QString());
}

// A mode chosen by hand becomes the satellite's current mode; the pass is shown again with
// it, the data file keeps it and tracking goes on as it was.
void TForm1::ComboBoxModeClick(int index) {
  if (shownSlot_ < 1 || index < 0 || ComboBoxMode->count() == 0) return;
  prediction::PassSlot& slot = slots_[static_cast<std::size_t>(shownSlot_ - 1)];
  slot.radio.currentMode = tracking::EncodeFieldText(ComboBoxMode->itemText(index).left(1));
  RecomputeShownPassKeepingTracking([this] { SaveSatelliteData(); });
}

// Settings panel, steps 1-2: tracking off and the selected rotator stopped.
void TForm1::StopTrackingForSettings() {
  if (tracking_->TrackingActive) {
    SpeedButtonTrackClick();
  } else {
    bank_->StopAllRotators(antennaSetup_->selected, false);
  }
  if (const auto selected = PageControlAntenne->Selected())
    PageControlAntenne->setCurrentIndex(tracking::IndexOf(*selected));
}

// Quit, steps 7-9: the stops (not for a rotator that is parking), ports closed, the TrakBox
// host-mode choice. No tick runs after this.
void TForm1::ParkAndStopRotatorsForQuit() {
  tracking_->Quitting = true;
  bank_->Quit(antennaSetup_->selected, antennaSetup_->configs);
}

}  // namespace app
