// The map window: widgets, menus, language, window events and the menu settings.
#include "map/form_map.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindowStateChangeEvent>

#include "base/clock.h"
#include "base/help_button.h"
#include "map/form_help_map.h"
#include "map/map_view.h"

namespace map {

namespace {

constexpr int kRefreshSeconds[] = {10, 20, 30, 60};
constexpr int kZoomPercents[] = {100, 125, 150, 175, 200};

QAction* Item(QMenu* menu, const QString& name, bool checkable = true) {
  QAction* a = menu->addAction(QString());
  a->setObjectName(name);
  a->setCheckable(checkable);
  return a;
}

}  // namespace

QString MapTitle() {
  return TFormMap::tr("ORVANE MAP");
}

QString MapButtonHint() {
  return TFormMap::tr("Show coverage area");
}

TFormMap::TFormMap(MapEnvironment environment, QWidget* parent)
    : QWidget(parent, Qt::Window), env_(std::move(environment)), settings_(*env_.settings) {
  setObjectName(QStringLiteral("TFormMap"));
  settings_ = Normalised(settings_);
  if (!env_.chooseImageFile) {
    env_.chooseImageFile = [this](const QString& proposed) {
      return QFileDialog::getOpenFileName(this, QString(), proposed, tr("BitMap image (*.bmp)"));
    };
  }
  BuildWidgets();
  BuildMenus();
  legend_ = new TFormHelpMap(this);

  TimerSeconde = new QTimer(this);
  TimerSeconde->setObjectName(QStringLiteral("TimerSeconde"));
  TimerSeconde->setInterval(1000);
  connect(TimerSeconde, &QTimer::timeout, this, &TFormMap::TimerSecondeTimer);
  TimerRefresh = new QTimer(this);
  TimerRefresh->setObjectName(QStringLiteral("TimerRefresh"));
  TimerRefresh->setInterval(RefreshIntervalMs(settings_.refreshSeconds));
  connect(TimerRefresh, &QTimer::timeout, this, &TFormMap::TimerRefreshTimer);
  TimerFast = new QTimer(this);
  TimerFast->setObjectName(QStringLiteral("TimerFast"));
  TimerFast->setInterval(50);
  connect(TimerFast, &QTimer::timeout, this, &TFormMap::FastMotionStep);
  fastEnd_ = new QTimer(this);
  fastEnd_->setSingleShot(true);
  fastEnd_->setInterval(2000);
  connect(fastEnd_, &QTimer::timeout, this, [this] { StopFastMotion(true); });

  // Creation: design size of 100 %, settings' position and size, base map, user maps, grid.
  adjustSize();
  designSize_ = {std::max(width(), 616), std::max(height(), 382)};
  move(settings_.left, settings_.top);
  if (settings_.zoomPercent == 100 && settings_.width > 0 && settings_.height > 0)
    resize(std::max(settings_.width, minimumSizeHint().width()),
           std::max(settings_.height, minimumSizeHint().height()));
  LoadStoredUserMaps();
  layers_.SetCentring(settings_.centre);
  ShowBaseMapOfCentring();
  layers_.SetGridShown(settings_.grid);
  if (settings_.stayOnTop) SetStayOnTop(true);
  ApplyLanguage();
  Repaint();
}

TFormMap::~TFormMap() = default;

void TFormMap::BuildWidgets() {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 0, 8, 6);
  layout->setSpacing(6);
  MenuBar = new QMenuBar(this);
  MenuBar->setObjectName(QStringLiteral("MainMenu"));
  layout->setMenuBar(MenuBar);

  View = new MapView(&picture_, this);
  View->setObjectName(QStringLiteral("ImageTerre"));
  View->setFixedSize(kDisplayWidth, kDisplayHeight);
  View->rightClicked = [this](int x, int y) { RightClick(x, y); };
  View->hintAt = [this](int x, int y) { return HintAt(x, y); };
  layout->addWidget(View, 0, Qt::AlignLeft | Qt::AlignTop);

  auto* bottom = new QHBoxLayout;
  auto* panels = new QVBoxLayout;
  PanelRouge = new QLabel;
  PanelRouge->setObjectName(QStringLiteral("PanelRouge"));
  PanelRouge->setStyleSheet(QStringLiteral("color: #FF0000; font-weight: bold;"));
  PanelNoir = new QLabel;
  PanelNoir->setObjectName(QStringLiteral("PanelNoir"));
  PanelNoir->setStyleSheet(QStringLiteral("color: #000000; font-weight: bold;"));
  panels->addWidget(PanelRouge);
  panels->addWidget(PanelNoir);
  bottom->addLayout(panels, 1);
  ProgressBarCovGen = new QProgressBar;
  ProgressBarCovGen->setObjectName(QStringLiteral("ProgressBarCovGen"));
  ProgressBarCovGen->setRange(0, 100);
  ProgressBarCovGen->setFixedWidth(80);
  ProgressBarCovGen->hide();
  bottom->addWidget(ProgressBarCovGen);
  auto button = [&](const char* name, const char* text) {
    auto* b = new QPushButton(QString::fromLatin1(text));
    b->setObjectName(QString::fromLatin1(name));
    b->setFixedWidth(36);
    bottom->addWidget(b);
    return b;
  };
  ButtonClearCoverage = button("ButtonClearCoverage", "<<");
  ButtonAllCoverage = button("ButtonAllCoverage", ">>");
  ButtonFast = button("ButtonFast", "=>");
  ButtonFast->setCheckable(true);
  bottom->addWidget(base::InstallHelp(this, base::kHelpTopicMap));
  ButtonFast->setEnabled(false);
  ButtonClearCoverage->setEnabled(false);
  connect(ButtonAllCoverage, &QPushButton::clicked, this, &TFormMap::ButtonAllCoverageClick);
  connect(ButtonClearCoverage, &QPushButton::clicked, this, &TFormMap::ButtonClearCoverageClick);
  connect(ButtonFast, &QPushButton::clicked, this, &TFormMap::ButtonFastClick);
  layout->addLayout(bottom);
  layout->addStretch(1);
}

void TFormMap::BuildMenus() {
  MenuDessin = MenuBar->addMenu(QString());
  MenuDessin->setObjectName(QStringLiteral("MenuDessin"));
  auto* modes = new QActionGroup(this);
  MenuTrace = Item(MenuDessin, QStringLiteral("MenuTrace"));
  MenuNextOrbitPlus = Item(MenuDessin, QStringLiteral("MenuNextOrbitPlus"));
  MenuNextOrbitMoins = Item(MenuDessin, QStringLiteral("MenuNextOrbitMoins"));
  MenuDessinDefault = Item(MenuDessin, QStringLiteral("MenuDessinDefault"));
  MenuDessinDefault->setVisible(false);
  for (QAction* a : {MenuTrace, MenuNextOrbitPlus, MenuNextOrbitMoins}) modes->addAction(a);
  connect(MenuTrace, &QAction::triggered, this,
          [this] { SelectDrawingMode(DrawingMode::PassFootprint); });
  connect(MenuNextOrbitPlus, &QAction::triggered, this,
          [this] { SelectDrawingMode(DrawingMode::CoverageAndNext); });
  connect(MenuNextOrbitMoins, &QAction::triggered, this,
          [this] { SelectDrawingMode(DrawingMode::CoverageOnly); });
  connect(MenuDessinDefault, &QAction::triggered, this,
          [this] { SelectDrawingMode(DrawingMode::PassFootprint); });

  MenuSun = MenuBar->addMenu(QString());
  MenuSun->setObjectName(QStringLiteral("MenuSun"));
  MenuSoleil = Item(MenuSun, QStringLiteral("MenuSoleil"));
  MenuSunPlus = Item(MenuSun, QStringLiteral("MenuSunPlus"));
  connect(MenuSoleil, &QAction::triggered, this, &TFormMap::MenuSoleilClick);
  connect(MenuSunPlus, &QAction::triggered, this, &TFormMap::MenuSunPlusClick);

  MenuOptions = MenuBar->addMenu(QString());
  MenuOptions->setObjectName(QStringLiteral("MenuOptions"));
  MenuGrille = Item(MenuOptions, QStringLiteral("MenuGrille"));
  connect(MenuGrille, &QAction::triggered, this, &TFormMap::MenuGrilleClick);
  MenuRefresh = MenuOptions->addMenu(QString());
  MenuRefresh->setObjectName(QStringLiteral("MenuRefresh"));
  auto* refresh = new QActionGroup(this);
  for (std::size_t i = 0; i < MenuRefreshN.size(); ++i) {
    const int seconds = kRefreshSeconds[i];
    MenuRefreshN[i] = Item(MenuRefresh, QStringLiteral("MenuRefresh%1").arg(seconds));
    refresh->addAction(MenuRefreshN[i]);
    connect(MenuRefreshN[i], &QAction::triggered, this, [this, seconds] { SetRefresh(seconds); });
  }
  MenuPen = MenuOptions->addMenu(QString());
  MenuPen->setObjectName(QStringLiteral("MenuPen"));
  auto* pens = new QActionGroup(this);
  for (std::size_t i = 0; i < menupen.size(); ++i) {
    const int width = static_cast<int>(i) + 2;
    menupen[i] = Item(MenuPen, QStringLiteral("menupen%1").arg(width));
    menupen[i]->setText(QString::number(width));
    pens->addAction(menupen[i]);
    connect(menupen[i], &QAction::triggered, this, [this, width] { SetPenWidth(width); });
  }

  MenuCentre = MenuBar->addMenu(QString());
  MenuCentre->setObjectName(QStringLiteral("MenuCentre"));
  auto* centres = new QActionGroup(this);
  MenuLong0 = Item(MenuCentre, QStringLiteral("MenuLong0"));
  MenuLong180 = Item(MenuCentre, QStringLiteral("MenuLong180"));
  centres->addAction(MenuLong0);
  centres->addAction(MenuLong180);
  connect(MenuLong0, &QAction::triggered, this, [this] { SetCentring(kShift0); });
  connect(MenuLong180, &QAction::triggered, this, [this] { SetCentring(kShift180); });

  MenuZoom = MenuBar->addMenu(QString());
  MenuZoom->setObjectName(QStringLiteral("MenuZoom"));
  auto* zooms = new QActionGroup(this);
  for (std::size_t i = 0; i < MenuZoomN.size(); ++i) {
    const int percent = kZoomPercents[i];
    MenuZoomN[i] = Item(MenuZoom, percent == 200 ? QStringLiteral("menuzoom200")
                                                 : QStringLiteral("MenuZoom%1").arg(percent));
    MenuZoomN[i]->setText(QStringLiteral("%1%").arg(percent));
    zooms->addAction(MenuZoomN[i]);
    connect(MenuZoomN[i], &QAction::triggered, this, [this, percent] { SetZoom(percent); });
  }

  MenuImage = MenuBar->addMenu(QString());
  MenuImage->setObjectName(QStringLiteral("MenuImage"));
  MenuImage->setToolTipsVisible(true);
  MenuCarte0 = Item(MenuImage, QStringLiteral("MenuCarte0"), false);
  Menucarte180 = Item(MenuImage, QStringLiteral("Menucarte180"), false);
  MenuImage->addSeparator();
  MenuStayOnTop = Item(MenuImage, QStringLiteral("MenuStayOnTop"));
  connect(MenuCarte0, &QAction::triggered, this, [this] { UserMapClick(kShift0); });
  connect(Menucarte180, &QAction::triggered, this, [this] { UserMapClick(kShift180); });
  connect(MenuStayOnTop, &QAction::triggered, this, &TFormMap::SetStayOnTop);

  MenuHTML = MenuBar->addAction(QString());
  MenuHTML->setObjectName(QStringLiteral("MenuHTML"));
  MenuHTML->setVisible(static_cast<bool>(env_.openHtmlSettings));
  connect(MenuHTML, &QAction::triggered, this, [this] {
    if (env_.openHtmlSettings) env_.openHtmlSettings();
  });
  MenuLegende = MenuBar->addAction(QStringLiteral("?"));
  MenuLegende->setObjectName(QStringLiteral("MenuLegende"));
  connect(MenuLegende, &QAction::triggered, this, [this] {
    legend_->show();
    legend_->raise();
  });
  TickMenus();
}

// The menu ticks from the settings.
void TFormMap::TickMenus() {
  MenuTrace->setChecked(settings_.mode == DrawingMode::PassFootprint);
  MenuNextOrbitPlus->setChecked(settings_.mode == DrawingMode::CoverageAndNext);
  MenuNextOrbitMoins->setChecked(settings_.mode == DrawingMode::CoverageOnly);
  MenuDessinDefault->setChecked(!OrbitMode(settings_.mode));
  MenuSoleil->setChecked(settings_.sun);
  MenuSunPlus->setChecked(settings_.sunPlus);
  MenuGrille->setChecked(settings_.grid);
  const int refresh = RefreshIntervalMs(settings_.refreshSeconds) / 1000;
  for (std::size_t i = 0; i < MenuRefreshN.size(); ++i)
    MenuRefreshN[i]->setChecked(kRefreshSeconds[i] == refresh);
  for (std::size_t i = 0; i < menupen.size(); ++i)
    menupen[i]->setChecked(static_cast<int>(i) + 2 == settings_.penWidth);
  MenuLong0->setChecked(settings_.centre == kShift0);
  MenuLong180->setChecked(settings_.centre == kShift180);
  for (std::size_t i = 0; i < MenuZoomN.size(); ++i)
    MenuZoomN[i]->setChecked(kZoomPercents[i] == settings_.zoomPercent);
  MenuStayOnTop->setChecked(settings_.stayOnTop);
}

void TFormMap::ApplyLanguage() {
  QString caption = MapTitle();
  if (!feed_.satelliteName.isEmpty()) caption += QStringLiteral(" [") + feed_.satelliteName + QLatin1Char(']');
  setWindowTitle(caption);
  MenuDessin->setTitle(tr("&Drawing"));
  MenuTrace->setText(tr("Visibility pass + Footprint during visibilty (current or next if not visible)"));
  MenuNextOrbitPlus->setText(tr("Current coverage and next visibilty pass if not currently visible"));
  MenuNextOrbitMoins->setText(tr("Current coverage only"));
  MenuDessinDefault->setText(tr("Visibilty pass only (current or next if not currently visible)"));
  MenuSun->setTitle(tr("&Sun"));
  MenuSoleil->setText(tr("Sun"));
  MenuSunPlus->setText(tr("Sun + darkness"));
  MenuOptions->setTitle(tr("&Options"));
  MenuGrille->setText(tr("Grid"));
  MenuRefresh->setTitle(tr("Refresh"));
  for (std::size_t i = 0; i < MenuRefreshN.size(); ++i)
    MenuRefreshN[i]->setText(tr("every %1 s").arg(kRefreshSeconds[i]));
  MenuPen->setTitle(tr("Pen width"));
  MenuCentre->setTitle(tr("&Centre"));
  MenuLong0->setText(tr("Longitude 0"));
  MenuLong180->setText(tr("Longitude 180"));
  MenuZoom->setTitle(tr("&Zoom"));
  MenuImage->setTitle(tr("&My Map"));
  MenuCarte0->setText(tr("If centered on longitude 0"));
  Menucarte180->setText(tr("If centered on longitude 180"));
  const QString original = QStringLiteral("original.bmp");
  MenuCarte0->setToolTip(settings_.userMap0.isEmpty() ? original : settings_.userMap0);
  Menucarte180->setToolTip(settings_.userMap180.isEmpty() ? original : settings_.userMap180);
  MenuStayOnTop->setText(tr("Stay on top"));
  MenuHTML->setText(QStringLiteral("HTML"));  // the page format's name
  ButtonAllCoverage->setToolTip(tr("To see full coverage"));
  ButtonClearCoverage->setToolTip(tr("To Clear full coverage"));
  ButtonFast->setToolTip(tr("Fast motion until next visibility"));
  legend_->ApplyLanguage();
}

void TFormMap::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    ApplyLanguage();
    RefreshPanelRouge();
  }
  if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMaximized))
    QTimer::singleShot(0, this, [this] { showNormal(); });  // the map keeps its sizes
  QWidget::changeEvent(event);
}

void TFormMap::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

void TFormMap::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  TickMenus();
  ApplyZoomSize();
  ButtonClearCoverage->setEnabled(false);
  ButtonAllCoverage->setEnabled(true);
  TimerRefresh->setInterval(RefreshIntervalMs(settings_.refreshSeconds));
  // Activation: a full set-up, the drawing mode, the sun.
  SetUpMap();
  ApplyDrawingMode();
  if ((settings_.sun || settings_.sunPlus) && !layers_.MarkerShown(MarkerKind::Sun)) DrawSun();
  // What the first second after a set-up draws, at once, so the map opens complete.
  if (feed_.visible) DrawCurrentPosition();
  watched_ = Snapshot(feed_);
  firstAfterSetUp_ = false;
  activatedOnce_ = true;
  ApplyLanguage();
  Repaint();
}

void TFormMap::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (!isMinimized()) {
    settings_.left = x();
    settings_.top = y();
    settings_.width = width();
    settings_.height = height();
  }
  TimerSeconde->stop();
  TimerRefresh->stop();
  StopFastMotion(false);
  // Forget what was drawn.
  for (int l = 0; l < kLayerCount; ++l) layers_.Clear(static_cast<Layer>(l));
  for (int k = 0; k < kMarkerCount; ++k) layers_.HideMarker(static_cast<MarkerKind>(k));
  PanelRouge->clear();
  PanelNoir->clear();
  fullCoverageShown_ = false;
  setUpDone_ = false;
  orbitIndex_ = -1;
  legend_->hide();
  if (env_.hideHtmlSettings) env_.hideHtmlSettings();
  if (env_.nextPassButtonEnabled) env_.nextPassButtonEnabled(true);
  if (env_.hidden) env_.hidden();
}

void TFormMap::closeEvent(QCloseEvent* event) {
  event->accept();  // hideEvent records position and size
}

void TFormMap::ApplyZoomSize() {
  const Real z = ZoomFromPercent(settings_.zoomPercent).value_or(1);
  mapSize_ = ZoomedMapSize(z);
  scale_ = ScaleOf(mapSize_);
  View->setFixedSize(mapSize_.width, mapSize_.height);
  if (z != 1) {
    const Size s = ZoomedWindowSize(designSize_, z);
    const QSize least = minimumSizeHint();
    resize(std::max(s.width, least.width()), std::max(s.height, least.height()));
  } else {
    resize(std::max(designSize_.width, minimumSizeHint().width()),
           std::max(designSize_.height, minimumSizeHint().height()));
  }
}

void TFormMap::SetZoom(int percent) {
  if (!ZoomFromPercent(percent)) return;
  settings_.zoomPercent = percent;
  TickMenus();
  ApplyZoomSize();
  if (!isVisible()) return Repaint();
  SetUpMap();
  RedrawAll();
}

void TFormMap::SetCentring(int shift) {
  settings_.centre = shift == kShift180 ? kShift180 : kShift0;
  TickMenus();
  layers_.SetCentring(settings_.centre);
  ShowBaseMapOfCentring();
  PlaceStationMarker();
  if (!isVisible()) return Repaint();
  RedrawAll();
}

void TFormMap::SetPenWidth(int width) {
  if (width < 2 || width > 5) return;
  settings_.penWidth = width;
  TickMenus();
  if (isVisible()) RedrawAll();
}

void TFormMap::SetRefresh(int seconds) {
  settings_.refreshSeconds = RefreshIntervalMs(seconds) / 1000;
  TimerRefresh->setInterval(RefreshIntervalMs(seconds));
  TickMenus();
}

void TFormMap::SetStayOnTop(bool on) {
  settings_.stayOnTop = on;
  MenuStayOnTop->setChecked(on);
  const bool shown = isVisible();
  setWindowFlag(Qt::WindowStaysOnTopHint, on);
  if (shown) show();
}

void TFormMap::MenuGrilleClick() {
  settings_.grid = !settings_.grid;
  layers_.SetGridShown(settings_.grid);
  TickMenus();
  Repaint();
}

void TFormMap::MenuSoleilClick() {
  if (settings_.sun || settings_.sunPlus) {
    settings_.sun = settings_.sunPlus = false;
    layers_.HideMarker(MarkerKind::Sun);
    layers_.Clear(Layer::Sun);
  } else {
    settings_.sun = true;
    DrawSun();
  }
  TickMenus();
  Repaint();
}

void TFormMap::MenuSunPlusClick() {
  settings_.sunPlus = !settings_.sunPlus;
  settings_.sun = !settings_.sunPlus;
  DrawSun();
  TickMenus();
  Repaint();
}

void TFormMap::SelectDrawingMode(DrawingMode mode) {
  settings_.mode = mode;
  TickMenus();
  if (!isVisible()) return;
  ApplyDrawingMode();
  Repaint();
}

QImage TFormMap::Compose() const {
  return layers_.Compose(mapSize_);
}

void TFormMap::Repaint() {
  picture_ = layers_.Compose(mapSize_);
  View->update();
}

}  // namespace map
