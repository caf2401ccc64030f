#pragma once

// TFormMap: the world map window. The drawing operations follow the map's rules with the
// geometry of map_geometry.h; every change lands in the layers of MapPicture, is composed
// once into a cached picture and the view only blits that picture.

#include <QImage>
#include <QWidget>
#include <array>
#include <optional>

#include "map/map_environment.h"
#include "map/map_picture.h"
#include "map/map_state.h"

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QMenuBar;
class QProgressBar;
class QPushButton;
class QTimer;

namespace map {

class MapView;
class TFormHelpMap;

class TFormMap : public QWidget {
  Q_OBJECT
 public:
  explicit TFormMap(MapEnvironment environment, QWidget* parent = nullptr);
  ~TFormMap() override;

  // ----- Hand-overs of the main window's tick.
  // Step 9.4: the live azimuth and elevation (degrees) and sub-satellite point.
  void SetCurrentPosition(Real azimuth, Real elevation, const SubPoint& point);
  // Step 12: a clicked ephemeris row (its point and its first 19 characters).
  void HandOverClickedRow(const SubPoint& point, const QString& label);

  // ----- Drawing operations.
  void SetUpMap();
  void PlaceStationMarker();
  void PlaceDxMarker();
  void DrawSun();
  void DrawDayNight();
  void DrawCurrentPosition();
  void DrawOrbitPosition(bool force);
  void DrawNextPassPosition();
  void DrawPassTrack();
  void DrawOrbitTrack();
  void DrawCurrentFootprint();
  void DrawNextPassFootprint();
  void DrawOrbitFootprint(const prediction::TrackPoint& entry);
  bool DrawFullCoverageFootprint(int point);  // false when the point has no footprint
  bool TestSunlit(Real latitude, Real westLongitude, Real distance, Real utc) const;
  void HideCurrent();
  void HideNext();
  void RedrawAll();

  // ----- Timers, menus and buttons (handlers named after the original form).
  void TimerSecondeTimer();
  void TimerRefreshTimer();
  void ApplyDrawingMode();
  void SelectDrawingMode(DrawingMode mode);
  void MenuSoleilClick();
  void MenuSunPlusClick();
  void MenuGrilleClick();
  void SetRefresh(int seconds);
  void UserMapClick(int shift);  // MenuCarte0 / Menucarte180
  void SetCentring(int shift);   // MenuLong0 / MenuLong180
  void SetZoom(int percent);
  void SetPenWidth(int width);
  void SetStayOnTop(bool on);
  void ButtonAllCoverageClick();
  void ButtonClearCoverageClick();
  void ButtonFastClick(bool down);
  void RightClick(int x, int y);  // display pixels of the map
  QString HintAt(int x, int y) const;
  void ApplyLanguage();

  // ----- The whole map as shown (display size, markers included); the HTML picture.
  QImage Compose() const;
  const QImage& ShownPicture() const { return picture_; }
  Size MapSize() const { return mapSize_; }
  const MapPicture& Picture() const { return layers_; }
  bool FastMotionRunning() const { return fastIndex_ > 0; }
  bool FullCoverageShown() const { return fullCoverageShown_; }
  const OrbitTrack& CurrentOrbitTrack() const { return orbitTrack_; }
  int OrbitIndex() const { return orbitIndex_; }

  // ----- Controls (object names are the original's).
  QMenuBar* MenuBar = nullptr;
  MapView* View = nullptr;
  QLabel* PanelRouge = nullptr;
  QLabel* PanelNoir = nullptr;
  QPushButton* ButtonAllCoverage = nullptr;
  QPushButton* ButtonClearCoverage = nullptr;
  QPushButton* ButtonFast = nullptr;
  QProgressBar* ProgressBarCovGen = nullptr;
  QMenu* MenuDessin = nullptr;
  QAction* MenuTrace = nullptr;
  QAction* MenuNextOrbitPlus = nullptr;
  QAction* MenuNextOrbitMoins = nullptr;
  QAction* MenuDessinDefault = nullptr;
  QMenu* MenuSun = nullptr;
  QAction* MenuSoleil = nullptr;
  QAction* MenuSunPlus = nullptr;
  QMenu* MenuOptions = nullptr;
  QAction* MenuGrille = nullptr;
  QMenu* MenuRefresh = nullptr;
  std::array<QAction*, 4> MenuRefreshN{};  // MenuRefresh10, 20, 30, 60
  QMenu* MenuPen = nullptr;
  std::array<QAction*, 4> menupen{};  // menupen2 .. menupen5
  QMenu* MenuCentre = nullptr;
  QAction* MenuLong0 = nullptr;
  QAction* MenuLong180 = nullptr;
  QMenu* MenuZoom = nullptr;
  std::array<QAction*, 5> MenuZoomN{};  // MenuZoom100 .. menuzoom200
  QMenu* MenuImage = nullptr;
  QAction* MenuCarte0 = nullptr;
  QAction* Menucarte180 = nullptr;
  QAction* MenuStayOnTop = nullptr;
  QAction* MenuHTML = nullptr;
  QAction* MenuLegende = nullptr;
  QTimer* TimerSeconde = nullptr;
  QTimer* TimerRefresh = nullptr;
  QTimer* TimerFast = nullptr;  // fast-motion steps, 50 ms
  TFormHelpMap* Legend() const { return legend_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // form_map_build.cpp
  void BuildWidgets();
  void BuildMenus();
  void TickMenus();
  void ApplyZoomSize();
  // form_map_user.cpp
  void LoadStoredUserMaps();
  void ShowBaseMapOfCentring();
  QString UserMapName(int shift) const;
  void SetUserMapName(int shift, const QString& name);
  QString UserMapWarning(int shift) const;
  // form_map_watch.cpp
  void FastMotionStep();
  void StopFastMotion(bool redraw);
  void RefreshPanelRouge();
  void ComputeOrbitTrack();
  WatchSnapshot Snapshot(const MapFeed& feed) const;
  void Repaint();  // composes once and asks the view to blit
  // form_map_draw.cpp
  void SetPanelNoir(const QString& text);
  void HideOrbitMarkers();
  Real NowUtc() const;

  MapEnvironment env_;
  MapSettings& settings_;
  MapPicture layers_;
  QImage picture_;  // the cached composition the view shows
  Size designSize_{616, 382};
  Size mapSize_{kDisplayWidth, kDisplayHeight};
  Scale scale_;
  TFormHelpMap* legend_ = nullptr;
  QImage userImage_[2];  // loaded user maps of centrings 0 and 180

  // What the last set-up read.
  MapFeed feed_;
  bool sunlit_ = true;
  orbit::SubSolarPoint sun_;
  orbit::SunAzEl sunAzEl_;
  SubPoint selected_;  // the selected pass point
  SubPoint current_;
  Real currentAzimuth = 0, currentElevation = 0;
  bool currentKnown_ = false;
  QString nextPassText_;  // the pass text shown in PanelNoir
  std::optional<std::pair<SubPoint, QString>> clickedRow_;
  OrbitTrack orbitTrack_;
  int orbitIndex_ = -1;  // minute index of the last orbit drawing
  RedrawCounters counters_;
  WatchSnapshot watched_;
  bool setUpDone_ = false;
  bool firstAfterSetUp_ = true;
  bool activatedOnce_ = false;
  bool fullCoverageShown_ = false;
  QString keptPanelNoir_;
  int fastIndex_ = 0;  // 0 = fast motion not running
  bool fastEnding_ = false;
  QTimer* fastEnd_ = nullptr;
};

// The map title of the window caption ("ORVANE MAP") in the current language.
QString MapTitle();
// The hint of the main window's map button ("Show coverage area").
QString MapButtonHint();

}  // namespace map
