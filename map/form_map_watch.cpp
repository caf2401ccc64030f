// The map's timers (one-second watch, refresh, fast motion), the coverage buttons, the
// right click that places the DX station and the marker hints.
#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include "base/clock.h"
#include "base/sounds.h"
#include "map/form_map.h"
#include "orbit/locator.h"

namespace map {

void TFormMap::SetCurrentPosition(Real azimuth, Real elevation, const SubPoint& point) {
  currentAzimuth = azimuth;
  currentElevation = elevation;
  current_ = point;
  currentKnown_ = true;
}

void TFormMap::HandOverClickedRow(const SubPoint& point, const QString& label) {
  clickedRow_ = std::make_pair(point, label);
}

WatchSnapshot TFormMap::Snapshot(const MapFeed& feed) const {
  WatchSnapshot s;
  s.satellite = feed.satelliteName.toStdString();
  const DxStation dx = env_.dxStation ? env_.dxStation() : DxStation{};
  s.dxLatitude = dx.latitude.toStdString();
  s.dxLongitude = dx.longitude.toStdString();
  s.visible = feed.visible;
  s.nextPassStart = feed.slot != nullptr ? feed.slot->passStart : 0;
  return s;
}

void TFormMap::TimerSecondeTimer() {
  TimerSeconde->stop();
  const MapFeed now = env_.feed ? env_.feed() : MapFeed{};
  if (fastIndex_ == 0) ButtonFast->setEnabled(FastMotionAllowed(now.visible, settings_.mode));
  const WatchSnapshot snapshot = Snapshot(now);
  const WatchDecision d = DecideWatch(watched_, snapshot, clickedRow_.has_value(), firstAfterSetUp_);
  bool redraw = false;
  if (d.steady) {
    feed_.slot = now.slot;
    if (d.firstSteady) {
      ButtonClearCoverage->setEnabled(fullCoverageShown_);
      if (settings_.mode == DrawingMode::PassFootprint) DrawPassTrack();
      if (feed_.visible) {
        DrawCurrentPosition();
      } else if (settings_.mode != DrawingMode::CoverageOnly) {
        DrawNextPassPosition();
      }
      firstAfterSetUp_ = false;
      redraw = true;
    } else if (feed_.visible) {
      RefreshPanelRouge();
    }
  }
  if (d.takeClickedRow && clickedRow_) {
    if (fullCoverageShown_) ButtonClearCoverageClick();
    selected_ = clickedRow_->first;
    nextPassText_ = clickedRow_->second;
    clickedRow_.reset();
    DrawNextPassPosition();
    if (feed_.visible) ButtonClearCoverage->setEnabled(true);
    redraw = true;
  }
  if (d.change != WatchChange::None) {
    PanelRouge->clear();
    HideOrbitMarkers();
    HideNext();
    if (d.change == WatchChange::Other) HideCurrent();
    SetUpMap();
    ApplyDrawingMode();
    if (settings_.mode != DrawingMode::CoverageOnly) DrawPassTrack();
    if (feed_.visible) {
      DrawCurrentPosition();
    } else if (settings_.mode != DrawingMode::CoverageOnly) {
      DrawNextPassPosition();
    }
    firstAfterSetUp_ = false;
    redraw = true;
  }
  watched_ = snapshot;
  if (redraw) Repaint();
  if (isVisible()) TimerSeconde->start();
}

void TFormMap::TimerRefreshTimer() {
  TimerRefresh->stop();
  const bool sunShown = settings_.sun || settings_.sunPlus;
  counters_.Advance(TimerRefresh->interval(), sunShown, OrbitMode(settings_.mode));
  if (env_.feed) feed_.visible = env_.feed().visible;
  bool redraw = false;
  if (feed_.visible) {
    if (sunShown && counters_.SunDue()) DrawSun();
    if (currentKnown_)
      sunlit_ = TestSunlit(current_.latitude, current_.westLongitude, current_.distance, NowUtc());
    DrawCurrentPosition();
    redraw = true;
  } else if ((sunShown || OrbitMode(settings_.mode)) && (counters_.OrbitDue() || counters_.SunDue())) {
    if (sunShown && counters_.SunDue()) DrawSun();
    if (OrbitMode(settings_.mode) && fastIndex_ == 0) {
      DrawOrbitPosition(false);
      DrawOrbitTrack();
    }
    redraw = true;
  }
  if (redraw) Repaint();
  if (isVisible()) TimerRefresh->start();
}

void TFormMap::ButtonAllCoverageClick() {
  const int n = feed_.slot != nullptr ? feed_.slot->rows.count : 0;
  layers_.Clear(Layer::CovAll);
  ProgressBarCovGen->setValue(0);
  ProgressBarCovGen->show();
  const int step = FullCoverageProgressStep(n);
  for (int p : FullCoveragePoints(n)) {
    if (!DrawFullCoverageFootprint(p) && env_.sounds) env_.sounds->Beep();
    ProgressBarCovGen->setValue(std::min(100, ProgressBarCovGen->value() + step));
  }
  ProgressBarCovGen->hide();
  if (!fullCoverageShown_) keptPanelNoir_ = PanelNoir->text();
  PanelNoir->setText(tr("Black: Full coverage"));
  fullCoverageShown_ = true;
  layers_.SetShown(Layer::CovAll, true);
  ButtonClearCoverage->setEnabled(true);
  ButtonAllCoverage->setEnabled(false);
  Repaint();
}

void TFormMap::ButtonClearCoverageClick() {
  layers_.Clear(Layer::CovAll);
  if (fullCoverageShown_) PanelNoir->setText(keptPanelNoir_);
  fullCoverageShown_ = false;
  if (feed_.visible && (layers_.MarkerShown(MarkerKind::SatFutur) ||
                        layers_.MarkerShown(MarkerKind::SatEclipseFutur)))
    HideNext();
  ButtonClearCoverage->setEnabled(false);
  ButtonAllCoverage->setEnabled(true);
  Repaint();
}

void TFormMap::ButtonFastClick(bool down) {
  if (!down) {
    StopFastMotion(true);
    return;
  }
  if (!FastMotionAllowed(feed_.visible, settings_.mode) || orbitTrack_.empty()) {
    ButtonFast->setChecked(false);
    return;
  }
  fastIndex_ = std::max(1, OrbitMinuteIndex(NowUtc(), orbitTrack_.startUtc));
  fastEnding_ = false;
  TimerFast->start();
}

void TFormMap::FastMotionStep() {
  const std::optional<prediction::TrackPoint> entry = OrbitEntry(orbitTrack_, fastIndex_);
  if (!entry) {
    TimerFast->stop();
    fastEnding_ = true;
    fastEnd_->start();  // the last position stays two seconds
    return;
  }
  const bool sunlit = TestSunlit(entry->latitude, entry->westLongitude,
                                 std::nearbyint(entry->distance10 / 10),
                                 orbitTrack_.startUtc + Real(fastIndex_ - 1) / 1440);
  HideOrbitMarkers();
  layers_.PlaceMarker(sunlit ? MarkerKind::SatOrbite : MarkerKind::SatEclipseOrbit, entry->latitude,
                      entry->westLongitude);
  DrawOrbitFootprint(*entry);
  PanelRouge->setStyleSheet(QStringLiteral("color: #FF00FF; font-weight: bold;"));
  PanelRouge->setText(tr("Violet: Current coverage; Satellite not visible") +
                      (sunlit ? QString() : QStringLiteral("*")));
  ++fastIndex_;
  Repaint();
}

void TFormMap::StopFastMotion(bool redraw) {
  const bool wasRunning = fastIndex_ > 0;
  TimerFast->stop();
  fastEnd_->stop();
  fastIndex_ = 0;
  fastEnding_ = false;
  ButtonFast->setChecked(false);
  if (wasRunning && redraw && isVisible()) {
    orbitIndex_ = -1;
    RedrawAll();
  }
}

void TFormMap::RightClick(int x, int y) {
  const GeoPoint g = DisplayToGeo(x, y, scale_, settings_.centre);
  DxStation dx;
  dx.latitude = QString::fromStdString(DxLatitudeText(g.latitude, env_.decimalSeparator));
  dx.longitude = QString::fromStdString(DxLongitudeText(g.westLongitude, env_.decimalSeparator));
  dx.locator = QString::fromStdString(orbit::LocatorOf(g.latitude, ReduceLongitude(g.westLongitude)));
  layers_.PlaceMarker(MarkerKind::Dx, g.latitude, g.westLongitude);
  if (env_.setDxStation) env_.setDxStation(dx);
  Repaint();
}

QString TFormMap::HintAt(int x, int y) const {
  MarkerKind kind;
  if (!layers_.MarkerAt(x, y, scale_, &kind)) return QString();
  const GeoPoint at = layers_.MarkerPosition(kind);
  const std::string name = feed_.satelliteName.toStdString();
  std::string who;
  std::string suffix;
  switch (kind) {
    case MarkerKind::Qra:
      who = "QRA  ";
      break;
    case MarkerKind::Dx:
      who = "DX  ";
      break;
    case MarkerKind::Sun:
      who = tr("SUN").toStdString();
      suffix = QStringLiteral(" (AZ:%1\u00b0  EL:%2\u00b0)")
                   .arg(static_cast<double>(sunAzEl_.azimuth), 0, 'f', 1)
                   .arg(static_cast<double>(sunAzEl_.elevation), 0, 'f', 1)
                   .toStdString();
      break;
    case MarkerKind::SatFutur:
    case MarkerKind::SatEclipseFutur:
      who = name;
      suffix = " (" + tr("next visibility").toStdString() + ")";
      break;
    default:
      who = name;
      suffix = " (" + tr("current position").toStdString() + ")";
      break;
  }
  return QString::fromStdString(MarkerHint(who, at.latitude, at.westLongitude, suffix));
}

}  // namespace map
