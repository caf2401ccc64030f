// The world map on the explorer: its button, what the map reads of the shown satellite,
// the DX station record it draws and sets, the tick's hand-overs and its settings.
#include <QEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>

#include "app/form1.h"
#include "base/locale_number.h"
#include "map/form_map.h"
#include "map/map_picture.h"
#include "prediction/panel_explorer.h"
#include "tracking/tracking_controller.h"

namespace app {

namespace {

map::DrawingMode ModeOf(GroundTrackMode m) {
  switch (m) {
    case GroundTrackMode::Plus:
      return map::DrawingMode::CoverageAndNext;
    case GroundTrackMode::Minus:
      return map::DrawingMode::CoverageOnly;
    case GroundTrackMode::Normal:
      break;
  }
  return map::DrawingMode::PassFootprint;
}

GroundTrackMode TraceOf(map::DrawingMode m) {
  switch (m) {
    case map::DrawingMode::CoverageAndNext:
      return GroundTrackMode::Plus;
    case map::DrawingMode::CoverageOnly:
      return GroundTrackMode::Minus;
    case map::DrawingMode::PassFootprint:
      break;
  }
  return GroundTrackMode::Normal;
}

// Gives the map button its hint again whenever the language changes.
class HintOnLanguageChange : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::LanguageChange)
      static_cast<QToolButton*>(watched)->setToolTip(map::MapButtonHint());
    return false;
  }
};

}  // namespace

map::MapSettings MapSettingsOf(const Settings& s) {
  map::MapSettings m;
  m.centre = s.mapCentre;
  m.zoomPercent = s.mapZoom;
  m.penWidth = s.mapPenWidth;
  m.grid = s.mapGrid;
  m.sun = s.mapSun;
  m.sunPlus = s.mapSunPlus;
  m.mode = ModeOf(s.groundTrack);
  m.refreshSeconds = s.mapRefresh;
  m.stayOnTop = s.mapStayOnTop;
  m.userMap0 = s.mapPathname;
  m.userMap180 = s.mapPathname180;
  m.left = s.geometry.mapLeft;
  m.top = s.geometry.mapTop;
  m.width = s.geometry.mapWidth;
  m.height = s.geometry.mapHeight;
  m.htmlPage = s.htmlPage;
  m.upload = s.upload;
  m.pixel = s.pixel;
  m.host = s.host;
  m.hostDir = s.hostDir;
  m.hostUser = s.hostUser;
  m.hostPass = s.hostPass;
  m.browserPeriod = s.browserPeriod;
  return map::Normalised(m);
}

void StoreMapSettings(const map::MapSettings& m, Settings* s) {
  s->mapCentre = m.centre;
  s->mapZoom = m.zoomPercent;
  s->mapPenWidth = m.penWidth;
  s->mapGrid = m.grid;
  s->mapSun = m.sun;
  s->mapSunPlus = m.sunPlus;
  s->groundTrack = TraceOf(m.mode);
  s->mapRefresh = m.refreshSeconds;
  s->mapStayOnTop = m.stayOnTop;
  s->mapPathname = m.userMap0;
  s->mapPathname180 = m.userMap180;
  s->geometry.mapLeft = m.left;
  s->geometry.mapTop = m.top;
  s->geometry.mapWidth = m.width;
  s->geometry.mapHeight = m.height;
  s->htmlPage = m.htmlPage;
  s->upload = m.upload;
  s->pixel = m.pixel;
  s->host = m.host;
  s->hostDir = m.hostDir;
  s->hostUser = m.hostUser;
  s->hostPass = m.hostPass;
  s->browserPeriod = m.browserPeriod;
}

void TForm1::BuildMap() {
  mapSettings_ = std::make_unique<map::MapSettings>();
  SpeedButtonMap = new QToolButton;
  SpeedButtonMap->setObjectName(QStringLiteral("SpeedButtonMap"));
  SpeedButtonMap->setCheckable(true);
  SpeedButtonMap->setIcon(QIcon(QPixmap::fromImage(
      map::BuiltInMap(map::kShift0).scaled(48, 24, Qt::IgnoreAspectRatio, Qt::SmoothTransformation))));
  SpeedButtonMap->setIconSize(QSize(48, 24));
  auto* row = new QWidget;
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(SpeedButtonMap);
  layout->addStretch(1);
  explorer_->AddSideWidget(row);
  connect(SpeedButtonMap, &QToolButton::toggled, this, &TForm1::SpeedButtonMapClick);
  connect(explorer_, &prediction::PanelExplorer::ExplorerClosed, this, [this] {
    if (formMap_ != nullptr) formMap_->hide();
  });
  connect(explorer_, &prediction::PanelExplorer::RowSelected, this,
          [this] { mapRowWaiting_ = true; });
  SpeedButtonMap->setToolTip(map::MapButtonHint());
  SpeedButtonMap->installEventFilter(new HintOnLanguageChange(SpeedButtonMap));
}

// Created once the settings are read: the window takes its position, user maps and menus
// from them.
void TForm1::ApplyMapSettings() {
  *mapSettings_ = MapSettingsOf(settings_);
  if (formMap_ != nullptr) return;
  map::MapEnvironment env;
  env.clock = env_.clock;
  env.sounds = env_.sounds;
  env.dialogs = &translatingDialogs_;
  env.settings = mapSettings_.get();
  env.programFolder = env_.programFolder;
  env.feed = [this] { return MapFeedNow(); };
  env.dxStation = [this] {
    return map::DxStation{settings_.latitudeDx, settings_.longitudeDx, settings_.qraLocatorDx};
  };
  env.setDxStation = [this](const map::DxStation& dx) {
    settings_.latitudeDx = dx.latitude;
    settings_.longitudeDx = dx.longitude;
    settings_.qraLocatorDx = dx.locator;
    DxStationSetOnMap();
  };
  env.nextPassButtonEnabled = [this](bool on) { explorer_->SpeedButtonNext->setEnabled(on); };
  env.firstPass = [this] {
    if (explorer_->IsOpen() && explorer_->History().index > 0) explorer_->FirstPass();
  };
  env.hidden = [this] {
    const QSignalBlocker quiet(SpeedButtonMap);
    SpeedButtonMap->setChecked(false);
  };
  env.decimalSeparator = base::UserDecimalSeparator();
  formMap_ = new map::TFormMap(std::move(env), this);
}

void TForm1::SaveMapSettings() {
  if (formMap_ != nullptr && formMap_->isVisible()) formMap_->hide();  // records its geometry
  if (mapSettings_) StoreMapSettings(*mapSettings_, &settings_);
}

void TForm1::EndMapUpload() {
  if (formMap_ != nullptr) formMap_->EndUpload();
}

void TForm1::SpeedButtonMapClick(bool down) {
  if (formMap_ == nullptr) return;
  if (down) {
    formMap_->show();
    formMap_->raise();
  } else {
    formMap_->hide();
  }
}

map::MapFeed TForm1::MapFeedNow() const {
  map::MapFeed f;
  if (shownSlot_ < 1 || !explorer_->IsOpen()) return f;
  const prediction::PassSlot& slot = slots_[static_cast<std::size_t>(shownSlot_ - 1)];
  f.slot = &slot;
  f.satelliteName = explorer_->SatelliteName();
  f.visible = tracking_ && tracking_->SatelliteVisible;
  f.station = search_.station;
  f.localOffsetHours = search_.localOffsetHours;
  f.minimumElevation = SpinEditElevation->value();
  const prediction::ExplorerMapPoint p = explorer_->CurrentPoint();
  f.selectedPoint = {p.latitude, p.westLongitude, p.distance};
  f.passText = explorer_->MapPassText();
  return f;
}

// The tick's hand-overs: the live position (step 9.4) and a clicked row (step 12).
void TForm1::ConnectMapToTick(tracking::TrackingHost& host) {
  host.mapPosition = [this](Real azimuth, Real elevation, const prediction::LiveView& live) {
    if (formMap_ == nullptr) return;
    formMap_->SetCurrentPosition(azimuth, elevation,
                                 {live.view.subLatitude, live.westLongitude, live.view.distance});
  };
  host.afterTrackingSteps = [this] {
    if (formMap_ == nullptr || !mapRowWaiting_ || !formMap_->isVisible()) return;
    mapRowWaiting_ = false;
    const prediction::ExplorerMapPoint p = explorer_->SelectedPoint();
    formMap_->HandOverClickedRow({p.latitude, p.westLongitude, p.distance}, explorer_->SelectedLabel());
  };
}

}  // namespace app
