// The map's drawing operations: set-up, markers, sun and darkness, positions, footprints,
// tracks and the redraw after a change of centring, zoom or pen.
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <cmath>

#include "base/clock.h"
#include "map/form_map.h"
#include "orbit/sun.h"

namespace map {

namespace {

constexpr QChar kEclipseMark = QLatin1Char('*');

bool EclipseMarked(const QString& passText) {
  return passText.size() >= 19 && passText.at(18) == kEclipseMark;
}

QString OneDecimal(Real x) {
  return QString::number(static_cast<double>(x), 'f', 1);
}

}  // namespace

Real TFormMap::NowUtc() const {
  return static_cast<Real>(env_.clock->Now()) - feed_.localOffsetHours / 24;
}

void TFormMap::SetUpMap() {
  const bool secondRunning = TimerSeconde->isActive();
  const bool refreshRunning = TimerRefresh->isActive() || isVisible();
  TimerSeconde->stop();
  TimerRefresh->stop();
  feed_ = env_.feed ? env_.feed() : MapFeed{};
  selected_ = feed_.selectedPoint;
  nextPassText_ = feed_.passText;
  sunlit_ = !EclipseMarked(feed_.passText);
  ApplyLanguage();  // the caption carries the satellite's name
  PlaceStationMarker();
  for (MarkerKind k : {MarkerKind::Sat, MarkerKind::SatEclipse, MarkerKind::SatOrbite,
                       MarkerKind::SatEclipseOrbit, MarkerKind::SatFutur, MarkerKind::SatEclipseFutur})
    layers_.HideMarker(k);
  PlaceDxMarker();
  setUpDone_ = true;
  firstAfterSetUp_ = true;
  if (isVisible() || secondRunning) TimerSeconde->start();
  if (refreshRunning) TimerRefresh->start();
}

void TFormMap::PlaceStationMarker() {
  const MapFeed f = env_.feed ? env_.feed() : feed_;
  layers_.PlaceMarker(MarkerKind::Qra, f.station.latitude, f.station.westLongitude);
}

void TFormMap::PlaceDxMarker() {
  const DxStation dx = env_.dxStation ? env_.dxStation() : DxStation{};
  const auto at = ParseDxPosition(dx.latitude.toStdString(), dx.longitude.toStdString());
  if (at) {
    layers_.PlaceMarker(MarkerKind::Dx, at->latitude, at->westLongitude);
  } else {
    layers_.HideMarker(MarkerKind::Dx);
  }
}

void TFormMap::DrawSun() {
  const Real now = static_cast<Real>(env_.clock->Now());
  sun_ = orbit::ComputeSubSolarPoint(now, feed_.localOffsetHours);
  layers_.PlaceMarker(MarkerKind::Sun, sun_.declination, sun_.westLongitude);
  DrawDayNight();
  sunAzEl_ = orbit::ComputeSunAzEl(sun_, feed_.station.latitude, feed_.station.westLongitude);
  counters_.sun = RedrawCounters::AfterDrawing(now);
}

void TFormMap::DrawDayNight() {
  layers_.Clear(Layer::Sun);
  layers_.DrawLines(Layer::Sun, TerminatorLines(TerminatorCircle(sun_), settings_.centre), kYellow,
                    settings_.penWidth);
  if (settings_.sunPlus) layers_.DrawDarkness(NightMask(sun_, settings_.centre));
  layers_.SetShown(Layer::Sun, true);
}

void TFormMap::DrawCurrentPosition() {
  if (!feed_.visible || !currentKnown_) return;
  HideOrbitMarkers();
  layers_.PlaceMarker(sunlit_ ? MarkerKind::Sat : MarkerKind::SatEclipse, current_.latitude,
                      current_.westLongitude);
  layers_.HideMarker(sunlit_ ? MarkerKind::SatEclipse : MarkerKind::Sat);
  RefreshPanelRouge();
  DrawCurrentFootprint();
}

void TFormMap::RefreshPanelRouge() {
  if (fastIndex_ > 0 || !feed_.visible || !currentKnown_) return;
  PanelRouge->setStyleSheet(QStringLiteral("color: #FF0000; font-weight: bold;"));
  PanelRouge->setText(tr("Red: Current coverage") + (sunlit_ ? QString() : QStringLiteral("*")) +
                      QStringLiteral(" Az=") + OneDecimal(currentAzimuth) +
                      QStringLiteral("   El=") + OneDecimal(currentElevation));
}

void TFormMap::DrawCurrentFootprint() {
  layers_.Clear(Layer::CovAct);
  layers_.DrawLines(Layer::CovAct,
                    FootprintLines(FootprintCircle(current_.latitude, current_.westLongitude,
                                                   current_.distance),
                                   settings_.centre),
                    kRed, settings_.penWidth);
  layers_.SetShown(Layer::CovAct, true);
}

void TFormMap::HideOrbitMarkers() {
  layers_.HideMarker(MarkerKind::SatOrbite);
  layers_.HideMarker(MarkerKind::SatEclipseOrbit);
}

void TFormMap::DrawOrbitPosition(bool force) {
  if (orbitTrack_.points.empty()) return;
  const Real now = NowUtc();
  const int k = OrbitMinuteIndex(now, orbitTrack_.startUtc);
  if (k == orbitIndex_ && !force) return;
  orbitIndex_ = k;
  counters_.orbit = RedrawCounters::AfterDrawing(static_cast<Real>(env_.clock->Now()));
  if (feed_.slot != nullptr && PassInProgress(*feed_.slot)) {
    HideOrbitMarkers();
    return;
  }
  const std::optional<prediction::TrackPoint> entry = OrbitEntry(orbitTrack_, k);
  if (!entry) return;  // outside the table: nothing to draw
  const Real distance = std::nearbyint(entry->distance10 / 10);
  const bool sunlit = TestSunlit(entry->latitude, entry->westLongitude, distance,
                                 orbitTrack_.startUtc + Real(k - 1) / 1440);
  HideOrbitMarkers();
  layers_.PlaceMarker(sunlit ? MarkerKind::SatOrbite : MarkerKind::SatEclipseOrbit,
                      entry->latitude, entry->westLongitude);
  DrawOrbitFootprint(*entry);
  PanelRouge->setStyleSheet(QStringLiteral("color: #FF00FF; font-weight: bold;"));
  PanelRouge->setText(tr("Violet: Current coverage; Satellite not visible") +
                      (sunlit ? QString() : QStringLiteral("*")));
}

void TFormMap::DrawOrbitFootprint(const prediction::TrackPoint& entry) {
  layers_.Clear(Layer::CovAct);
  layers_.DrawLines(Layer::CovAct,
                    FootprintLines(FootprintCircle(entry.latitude, entry.westLongitude,
                                                   std::nearbyint(entry.distance10 / 10)),
                                   settings_.centre),
                    kViolet, settings_.penWidth);
  layers_.SetShown(Layer::CovAct, true);
}

void TFormMap::SetPanelNoir(const QString& text) {
  if (fullCoverageShown_) {
    keptPanelNoir_ = text;
  } else {
    PanelNoir->setText(text);
  }
}

void TFormMap::DrawNextPassPosition() {
  if (feed_.slot == nullptr || !feed_.slot->HasPass()) return;
  const bool eclipse = EclipseMarked(nextPassText_);
  layers_.PlaceMarker(eclipse ? MarkerKind::SatEclipseFutur : MarkerKind::SatFutur,
                      selected_.latitude, selected_.westLongitude);
  layers_.HideMarker(eclipse ? MarkerKind::SatFutur : MarkerKind::SatEclipseFutur);
  DrawNextPassFootprint();
  SetPanelNoir(tr("Black: Next visibility pass on") + QLatin1Char(' ') + nextPassText_);
}

void TFormMap::DrawNextPassFootprint() {
  layers_.Clear(Layer::CovFut);
  layers_.DrawLines(Layer::CovFut,
                    FootprintLines(FootprintCircle(selected_.latitude, selected_.westLongitude,
                                                   selected_.distance),
                                   settings_.centre),
                    kBlack, settings_.penWidth);
  layers_.SetShown(Layer::CovFut, true);
}

void TFormMap::DrawPassTrack() {
  layers_.Clear(Layer::Trace);
  if (feed_.slot == nullptr) return;
  const prediction::PassRows& rows = feed_.slot->rows;
  std::vector<LayerPoint> points;
  for (int k = 0; k < rows.count && k < prediction::kMaxRows; ++k) {
    if (rows.elevation[static_cast<std::size_t>(k)] == prediction::kEndMark) break;
    points.push_back(ProjectLayer(rows.latitude[static_cast<std::size_t>(k)],
                                  rows.westLongitude[static_cast<std::size_t>(k)],
                                  settings_.centre));
  }
  layers_.DrawLines(Layer::Trace, JoinFootprint(points, false), kWhite, settings_.penWidth);
  layers_.SetShown(Layer::Trace, true);
}

void TFormMap::DrawOrbitTrack() {
  layers_.Clear(Layer::TraceOrbite);
  std::vector<LayerPoint> points;
  for (int e : OrbitDotEntries(orbitTrack_, orbitIndex_)) {
    const prediction::TrackPoint& p = orbitTrack_.points[static_cast<std::size_t>(e - 1)];
    points.push_back(ProjectLayer(p.latitude, p.westLongitude, settings_.centre));
  }
  layers_.DrawDots(Layer::TraceOrbite, points, kBlack, settings_.penWidth + 1);
  layers_.SetShown(Layer::TraceOrbite, true);
}

bool TFormMap::DrawFullCoverageFootprint(int point) {
  if (feed_.slot == nullptr || point < 1 || point > feed_.slot->rows.count) return false;
  const prediction::PassRows& rows = feed_.slot->rows;
  const std::size_t i = static_cast<std::size_t>(point - 1);
  const std::vector<GeoPoint> circle =
      FootprintCircle(rows.latitude[i], rows.westLongitude[i], rows.altitude10[i] / 10 + kEarthRadius);
  if (circle.empty()) return false;
  layers_.DrawLines(Layer::CovAll, FootprintLines(circle, settings_.centre), kBlack,
                    settings_.penWidth);
  return true;
}

bool TFormMap::TestSunlit(Real latitude, Real westLongitude, Real distance, Real utc) const {
  return orbit::TestSunlit(latitude, westLongitude, distance, orbit::ComputeSubSolarPoint(utc, 0));
}

void TFormMap::HideCurrent() {
  layers_.HideMarker(MarkerKind::Sat);
  layers_.HideMarker(MarkerKind::SatEclipse);
  layers_.Clear(Layer::CovAct);
  PanelRouge->clear();
}

void TFormMap::HideNext() {
  layers_.HideMarker(MarkerKind::SatFutur);
  layers_.HideMarker(MarkerKind::SatEclipseFutur);
  layers_.Clear(Layer::CovFut);
  SetPanelNoir(QString());
}

void TFormMap::ApplyDrawingMode() {
  const bool visible = feed_.visible;
  switch (settings_.mode) {
    case DrawingMode::PassFootprint:
      DrawPassTrack();
      layers_.Clear(Layer::TraceOrbite);
      HideOrbitMarkers();
      if (!visible) {
        DrawNextPassPosition();
        HideCurrent();
      }
      ButtonFast->setEnabled(false);
      if (env_.nextPassButtonEnabled) env_.nextPassButtonEnabled(true);
      break;
    case DrawingMode::CoverageAndNext:
    case DrawingMode::CoverageOnly: {
      const bool next = settings_.mode == DrawingMode::CoverageAndNext;
      if (env_.nextPassButtonEnabled) env_.nextPassButtonEnabled(false);
      if (env_.firstPass) env_.firstPass();
      ComputeOrbitTrack();
      if (next || visible) {
        DrawPassTrack();
      } else {
        layers_.Clear(Layer::Trace);
      }
      DrawOrbitTrack();
      if (visible) {
        HideOrbitMarkers();
        DrawCurrentPosition();
      } else {
        DrawOrbitPosition(true);
        if (next) {
          DrawNextPassPosition();
        } else {
          HideNext();
        }
      }
      ButtonFast->setEnabled(FastMotionAllowed(visible, settings_.mode) || fastIndex_ > 0);
      break;
    }
  }
  if (fullCoverageShown_) {
    layers_.Clear(Layer::CovAll);
    for (int p : FullCoveragePoints(feed_.slot != nullptr ? feed_.slot->rows.count : 0))
      DrawFullCoverageFootprint(p);
    layers_.SetShown(Layer::CovAll, true);
  }
}

void TFormMap::RedrawAll() {
  PlaceStationMarker();
  PlaceDxMarker();
  if (feed_.visible) DrawCurrentPosition();
  if (layers_.MarkerShown(MarkerKind::SatFutur) || layers_.MarkerShown(MarkerKind::SatEclipseFutur))
    DrawNextPassPosition();
  if (settings_.sun || settings_.sunPlus) DrawSun();
  ApplyDrawingMode();
  Repaint();
}

void TFormMap::ComputeOrbitTrack() {
  if (feed_.slot == nullptr) {
    orbitTrack_ = OrbitTrack{};
    orbitIndex_ = -1;
    return;
  }
  orbitTrack_ = map::ComputeOrbitTrack(*feed_.slot, feed_.station, feed_.minimumElevation, NowUtc());
  orbitIndex_ = OrbitMinuteIndex(NowUtc(), orbitTrack_.startUtc);
}

}  // namespace map
