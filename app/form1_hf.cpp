// The HF beam window: its menu item, the settings it keeps, and its place among the
// antenna sources.
#include <QAction>
#include <QFileDialog>
#include <QSpinBox>
#include <QToolButton>

#include "app/form1.h"
#include "tools/form_hf_beam.h"
#include "tracking/antenna_setup.h"
#include "tracking/antenna_interfaces.h"
#include "tracking/antenna_sources.h"

namespace app {

void TForm1::BuildHfBeam() {
  tools::HfBeamEnvironment env;
  env.tools.clock = env_.clock;
  env.tools.sounds = env_.sounds;
  env.tools.sources = antennaSources_.get();
  env.tools.station = [this] { return ToolStationRecord(); };
  env.tools.minimumElevation = [this] { return SpinEditElevation->value(); };
  env.tools.mainTrackEnabled = [this] { return SpeedButtonTrack->isEnabled(); };
  env.tools.mainTrackHint = [this] { return SpeedButtonTrack->toolTip(); };
  env.dialogs = &translatingDialogs_;
  env.selectedInterface = [this] { return antennaSetup_->selected; };
  env.interfaceLabel = [this] {
    const auto selected = antennaSetup_->selected;
    return selected ? tracking::SettingsName(*selected) : tracking::NoInterfaceText();
  };
  env.chooseUserList = [this] {
    return QFileDialog::getOpenFileName(formHfBeam_, QString(), QString(),
                                        QStringLiteral("Data (*.bdx)"));
  };
  formHfBeam_ = new tools::TFormHFBeam(std::move(env), nullptr);
  formHfBeam_->move(settings_.geometry.hfLeft, settings_.geometry.hfTop);
  tools::HfBeamSettings hf;
  hf.favouriteAzimuth = settings_.favouriteAzimuth;
  hf.favouriteText = settings_.favouriteText;
  hf.myList = settings_.myList;
  formHfBeam_->LoadSettings(hf);
  formHfBeam_->SetListSeparator(settings_.dxccSeparator.size() == 1 ? settings_.dxccSeparator.at(0)
                                                                    : QLatin1Char('\t'));
  antennaSources_->Register(tracking::AntennaSource::HfBeam,
                            {[this] { return formHfBeam_->Tracking(); },
                             [this] { formHfBeam_->StopTracking(); },
                             {}});
  connect(formHfBeam_, &tools::TFormHFBeam::Closed, this, [this](const QPoint& position) {
    settings_.geometry.hfLeft = position.x();
    settings_.geometry.hfTop = position.y();
    MenuHFBeam->setChecked(false);
  });
  connect(formHfBeam_, &tools::TFormHFBeam::SettingsChanged, this,
          [this](const tools::HfBeamSettings& s) {
            settings_.favouriteAzimuth = s.favouriteAzimuth;
            settings_.favouriteText = s.favouriteText;
            settings_.myList = s.myList;
          });
  connect(MenuHFBeam, &QAction::triggered, this, &TForm1::MenuHFBeamClick);

  auto others = env_.seams.hideSecondaryWindows;
  env_.seams.hideSecondaryWindows = [this, others] {
    if (others) others();
    if (formHfBeam_->isVisible()) formHfBeam_->close();  // records its place
  };
}

void TForm1::MenuHFBeamClick() {
  if (MenuHFBeam->isChecked() && !ToolStationReady()) {
    MenuHFBeam->setChecked(false);
    return;
  }
  if (MenuHFBeam->isChecked()) {
    formHfBeam_->show();
    formHfBeam_->raise();
  } else if (formHfBeam_->isVisible()) {
    formHfBeam_->close();
  }
}

}  // namespace app
