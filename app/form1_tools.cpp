// The sun and moon windows: their menu items, the station and settings they are given,
// the antenna sources they share with the tracking loop, and their place at start and quit.
#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>

#include "app/form1.h"
#include "tools/form_lune.h"
#include "tools/form_soleil.h"
#include "tracking/antenna_setup.h"
#include "tracking/antenna_sources.h"
#include "tracking/printer_port_sender.h"
#include "tracking/form_alarm.h"
#include "tracking/printer_port_seam.h"
#include "tracking/tick_steps.h"
#include "tracking/tracking_controller.h"

namespace app {

namespace {

QChar ListSeparator(const QString& setting) {
  return setting.size() == 1 ? setting.at(0) : QLatin1Char('\t');
}

}  // namespace

tools::ToolStation TForm1::ToolStationRecord() const {
  tools::ToolStation s;
  s.latitude = SignedLatitude(station_);
  s.westLongitude = SignedLongitude(station_);
  s.altitude = station_.altitude;
  s.locator = station_.locator.trimmed().toStdString();
  s.localUtcOffset = station_.localUtcOffset;
  return s;
}

void TForm1::BuildTools() {
  antennaSources_ = std::make_unique<tracking::AntennaSources>(
      *tracking_, *bank_, *commandState_, *antennaSetup_, *printerPorts_);
  antennaSources_->Register(tracking::AntennaSource::TrackingLoop,
                            {[this] { return tracking_->TrackingActive; },
                             [this] { SpeedButtonTrackClick(); },
                             [this] { tracking_->AlarmYes(CurrentPassContext()); }});

  tools::ToolWindowEnvironment env;
  env.clock = env_.clock;
  env.sounds = env_.sounds;
  env.sources = antennaSources_.get();
  env.station = [this] { return ToolStationRecord(); };
  env.minimumElevation = [this] { return SpinEditElevation->value(); };
  env.mainTrackEnabled = [this] { return SpeedButtonTrack->isEnabled(); };
  env.mainTrackHint = [this] { return SpeedButtonTrack->toolTip(); };

  formSoleil_ = new tools::TFormSoleil(env, nullptr);
  formSoleil_->move(settings_.geometry.sunLeft, settings_.geometry.sunTop);
  antennaSources_->Register(tracking::AntennaSource::Sun,
                            {[this] { return formSoleil_->Tracking(); },
                             [this] { formSoleil_->StopTracking(); },
                             [this] { formSoleil_->ResumeTracking(); }});
  connect(formSoleil_, &tools::TFormSoleil::Closed, this, [this](const QPoint& position) {
    settings_.geometry.sunLeft = position.x();
    settings_.geometry.sunTop = position.y();
    MenuSoleil->setChecked(false);
  });

  tools::MoonWindowEnvironment moon;
  moon.tools = env;
  moon.reportSink = [this]() -> tracking::ReportSink* { return &Reports(); };
  moon.utcDisplay = [this] { return MenuTU->isChecked(); };
  moon.setUtcDisplay = [this](bool utc) {
    if (MenuTU->isChecked() != utc) MenuTU->trigger();
  };
  moon.display24h = [this] { return MenuDisplay24h->isChecked(); };
  formLune_ = new tools::TFormLune(moon, nullptr);
  formLune_->move(settings_.geometry.moonLeft, settings_.geometry.moonTop);
  formLune_->LoadSettings({settings_.moonFrequencyFactor, settings_.moonDxFrequencyFactor,
                           settings_.dxEme, settings_.biasEme});
  formLune_->SetListSeparator(ListSeparator(settings_.dxccSeparator));
  antennaSources_->Register(tracking::AntennaSource::Moon,
                            {[this] { return formLune_->Tracking(); },
                             [this] { formLune_->StopTracking(); },
                             [this] { formLune_->ResumeTracking(); }});
  connect(formLune_, &tools::TFormLune::Closed, this, [this](const QPoint& position) {
    settings_.geometry.moonLeft = position.x();
    settings_.geometry.moonTop = position.y();
    MenuLune->setChecked(false);
  });
  connect(formLune_, &tools::TFormLune::SettingsChanged, this,
          [this](const tools::MoonSettings& s) {
            settings_.moonFrequencyFactor = s.ownFrequency;
            settings_.moonDxFrequencyFactor = s.dxFrequency;
            settings_.dxEme = s.dxLocator;
          });

  MenuSoleil->setEnabled(true);
  MenuLune->setEnabled(true);
  connect(MenuSoleil, &QAction::triggered, this, &TForm1::MenuSoleilClick);
  connect(MenuLune, &QAction::triggered, this, &TForm1::MenuLuneClick);
  connect(MenuEME, &QAction::triggered, formLune_, &tools::TFormLune::ToggleCoverageButton);
  connect(MenuTU, &QAction::toggled, formLune_, &tools::TFormLune::SetUtcDisplay);

  // The 360° step window answers the source that the step stopped.
  disconnect(formAlarm_, &tracking::TFormAlarm::resumeRequested, this, nullptr);
  connect(formAlarm_, &tracking::TFormAlarm::resumeRequested, this,
          [this] { antennaSources_->AlarmYes(); });

  // Quit and the settings panel put the tool windows away with the other secondary ones.
  auto others = env_.seams.hideSecondaryWindows;
  env_.seams.hideSecondaryWindows = [this, others] {
    if (others) others();
    HideToolWindows();
  };

  // "FORM_MOON=1": the moon window opens again once the first passes are computed.
  connect(TimerFinCreate, &QTimer::timeout, this, &TForm1::ReopenMoonWindow);
  connect(BitBtn_OK_Location, &QPushButton::clicked, this, &TForm1::ReopenMoonWindow);
}

void TForm1::ReopenMoonWindow() {
  if (!settings_.moonWindowOpen || loadingSlots_ || SettingsPanelShowing() ||
      TimerFinCreate->isActive() || formLune_->isVisible())
    return;
  settings_.moonWindowOpen = false;
  MenuLune->trigger();
}

void TForm1::HideToolWindows() {
  if (formSoleil_->isVisible()) formSoleil_->close();  // records its place, stops tracking
  if (formLune_->isVisible()) {
    formLune_->close();
    settings_.moonWindowOpen = true;
  }
}

// The common checks of the sun and moon menu items: the station must be complete and
// readable. False (after the warning) when it is not.
bool TForm1::ToolStationReady() {
  auto refuse = [this](const QString& text, QLineEdit* focus) {
    env_.sounds->Beep();
    env_.dialogs->Warning(text);
    focus->setFocus();
    return false;
  };
  if (EditQRAlocator->text().isEmpty() || EditLattitude->text().isEmpty() ||
      EditLongitude->text().isEmpty())
    return refuse(msg::EnterLocator(), EditQRAlocator);
  if (EditAltitude->text().isEmpty()) return refuse(msg::EnterAltitude(), EditAltitude);
  if (EditLocalUTC->text().isEmpty()) return refuse(msg::EnterLocalUtc(), EditLocalUTC);
  if (!ParseStationBlock()) return refuse(msg::EnterLocator(), EditQRAlocator);
  if (SettingsPanelShowing()) RefreshSearchContext();  // the station vector
  return true;
}

void TForm1::MenuSoleilClick() {
  // The item has toggled itself. A station that is not ready leaves it unticked: no window
  // is shown for it.
  if (MenuSoleil->isChecked() && !ToolStationReady()) {
    MenuSoleil->setChecked(false);
    return;
  }
  if (MenuSoleil->isChecked()) {
    formSoleil_->show();
    formSoleil_->raise();
  } else if (formSoleil_->isVisible()) {
    formSoleil_->close();
  }
}

void TForm1::MenuLuneClick() {
  if (!MenuLune->isChecked() && formLune_->isMinimized()) {
    formLune_->showNormal();
    MenuLune->setChecked(true);
    return;
  }
  if (MenuLune->isChecked() && !ToolStationReady()) {
    MenuLune->setChecked(false);
    return;
  }
  if (MenuLune->isChecked()) {
    formLune_->show();
    formLune_->raise();
  } else if (formLune_->isVisible()) {
    formLune_->close();
  }
}

}  // namespace app
