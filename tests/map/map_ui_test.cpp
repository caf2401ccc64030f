// The map window on the offscreen platform: pixels of the composed picture, the drawing
// modes, the one-second watch, right-click DX, hints, user maps and the languages.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QTemporaryDir>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QProgressBar>
#include <QTimer>
#include <QTranslator>
#include <cmath>

#include "map/form_help_map.h"
#include "map/map_view.h"
#include "map_world.h"
#include "orbit/locator.h"

using namespace map;
using map::testing::MapWorld;
using map::testing::Utc;

namespace {

QRgb Rgb(const QImage& image, int x, int y) {
  return image.pixel(x, y) & 0xFFFFFF;
}

// Pixels of `colour` in the picture (display coordinates).
int CountColour(const QImage& image, QRgb colour) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += Rgb(image, x, y) == colour;
  return n;
}

// Great-circle angle (degrees) between two points, west-positive longitudes.
double Angle(double lat1, double lon1, double lat2, double lon2) {
  const double r = M_PI / 180;
  const double c = std::sin(lat1 * r) * std::sin(lat2 * r) +
                   std::cos(lat1 * r) * std::cos(lat2 * r) * std::cos((lon1 - lon2) * r);
  return std::acos(std::clamp(c, -1.0, 1.0)) / r;
}

}  // namespace

TEST(MapPixels, RedRingAtTheFootprintRadiusOf400km) {
  MapWorld w;
  ASSERT_TRUE(w.loaded);
  w.visible = true;
  w.settings.zoomPercent = 200;  // display = layer pixels
  auto form = w.MakeForm();
  // A satellite 400 km over 30° N, 40° W (west longitude +40).
  form->SetCurrentPosition(123.4L, 45.6L, {30, 40, 6778.137L});
  form->show();
  const QImage picture = form->Compose();
  ASSERT_EQ(picture.size(), QSize(1200, 600));
  int red = 0;
  for (int y = 0; y < 600; ++y) {
    for (int x = 0; x < 1200; ++x) {
      if (Rgb(picture, x, y) != kRed) continue;
      ++red;
      // Pixel centre back to degrees: 10/3 pixels per degree.
      const double lat = 90 - (y + 0.5) * 0.3;
      const double lon = 180 - (x + 0.5) * 0.3;
      EXPECT_NEAR(Angle(30, 40, lat, lon), 19.78, 0.9) << x << "," << y;
    }
  }
  EXPECT_GT(red, 500);
  EXPECT_TRUE(form->PanelRouge->text().startsWith("Red: Current coverage"));
  EXPECT_TRUE(form->PanelRouge->text().endsWith(" Az=123.4   El=45.6"));
}

TEST(MapPixels, NightHatchAtTheAntiSolarPointNotAtTheSubSolarPoint) {
  for (const Real utc : {Utc(2018, 6, 21, 12, 0), Utc(2018, 3, 20, 16, 15)}) {
    MapWorld w;
    w.SetUtc(utc);
    w.settings.zoomPercent = 200;
    w.settings.sunPlus = true;
    auto form = w.MakeForm();
    form->show();
    const QImage picture = form->Compose();
    const orbit::SubSolarPoint sun = orbit::ComputeSubSolarPoint(
        static_cast<Real>(w.clock.Now()), w.ctx.localOffsetHours);
    // Around the point (a hatch cell is 8 pixels), count grey pixels.
    auto greyAround = [&](Real lat, Real lon) {
      const LayerPoint p = ProjectLayer(lat, lon, kShift0);
      int n = 0;
      for (int dy = -8; dy <= 8; ++dy)
        for (int dx = -8; dx <= 8; ++dx) {
          const int x = (p.u + dx + 1200) % 1200, y = std::clamp(p.v + dy, 0, 599);
          n += Rgb(picture, x, y) == kDarkness;
        }
      return n;
    };
    const Real antiLon = sun.westLongitude > 0 ? sun.westLongitude - 180 : sun.westLongitude + 180;
    EXPECT_GT(greyAround(-sun.declination, antiLon), 20);
    EXPECT_EQ(greyAround(sun.declination, sun.westLongitude), 0);
    // The boundary stays yellow and the sun marker is placed.
    EXPECT_GT(CountColour(picture, kYellow), 1000);
    EXPECT_TRUE(form->Picture().MarkerShown(MarkerKind::Sun));
  }
}

TEST(MapPixels, WhiteGridOnTheZeroMeridianOfEachCentring) {
  MapWorld w;
  w.settings.zoomPercent = 200;
  w.settings.grid = true;
  auto form = w.MakeForm();
  form->show();
  QImage picture = form->Compose();
  for (int y : {150, 250, 450}) EXPECT_EQ(Rgb(picture, 600, y), kWhite) << y;
  EXPECT_NE(Rgb(picture, 650, 250), kWhite);
  form->SetCentring(kShift180);
  picture = form->Compose();
  for (int y : {150, 250, 450}) EXPECT_EQ(Rgb(picture, 0, y), kWhite) << y;
  EXPECT_EQ(w.settings.centre, kShift180);
  // The grid item switches it off again.
  form->MenuGrille->trigger();
  picture = form->Compose();
  EXPECT_NE(Rgb(picture, 0, 250), kWhite);
  EXPECT_FALSE(w.settings.grid);
}

TEST(MapPixels, BuiltInMapsAreTheShippedPicturesInPremultipliedForm) {
  for (const auto& [shift, path] : {std::pair{kShift0, ":/maps/world_0.png"},
                                    std::pair{kShift180, ":/maps/world_180.png"}}) {
    const QImage expected =
        QImage(QString::fromLatin1(path)).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage map = BuiltInMap(shift);
    ASSERT_EQ(map.format(), expected.format()) << path;
    EXPECT_TRUE(map == expected) << path;
  }
}

// The empty layers start as one shared transparent picture: drawing on one leaves the
// others transparent.
TEST(MapPixels, DrawingOnOneLayerLeavesTheOthersEmpty) {
  MapPicture picture;
  picture.DrawDots(Layer::Trace, {LayerPoint{100, 50}}, kRed, 6);
  EXPECT_EQ(QColor(picture.LayerImage(Layer::Trace).pixel(100, 50)).rgb() & 0xFFFFFF, kRed);
  for (Layer other : {Layer::Sun, Layer::CovFut, Layer::CovAct, Layer::TraceOrbite, Layer::CovAll})
    EXPECT_EQ(qAlpha(picture.LayerImage(other).pixel(100, 50)), 0) << static_cast<int>(other);
}

TEST(MapPixels, BuiltInMapsLandSeaAndRoll) {
  const QImage map0 = BuiltInMap(kShift0);
  const QImage map180 = BuiltInMap(kShift180);
  ASSERT_EQ(map0.size(), QSize(1200, 600));
  ASSERT_EQ(map180.size(), QSize(1200, 600));
  const QRgb ocean = Rgb(map0, 600, 300);  // 0° N 0° E: Gulf of Guinea
  // Paris (48.86 N, 2.35 E) is land; the middle of the Atlantic and of the Pacific are sea.
  const LayerPoint paris = ProjectLayer(48.86L, -2.35L, kShift0);
  EXPECT_NE(Rgb(map0, paris.u, paris.v), ocean);
  const LayerPoint atlantic = ProjectLayer(30, 40, kShift0);
  EXPECT_EQ(Rgb(map0, atlantic.u, atlantic.v), ocean);
  const LayerPoint pacific = ProjectLayer(-10, 140, kShift0);
  EXPECT_EQ(Rgb(map0, pacific.u, pacific.v), ocean);
  // The 180 map is the 0 map rolled by 600 columns.
  for (int y = 0; y < 600; y += 7)
    for (int x = 0; x < 1200; x += 5) ASSERT_EQ(map180.pixel((x + 600) % 1200, y), map0.pixel(x, y));
  // No overlay colour is in the map.
  for (QRgb c : {kRed, kViolet, kYellow, kWhite, kBlack, QRgb(0xC0C0C0), kDarkness})
    EXPECT_EQ(CountColour(map0, c), 0) << std::hex << c;
}

TEST(MapWindow, ZoomSizesTheMapAndTheWindow) {
  MapWorld w;
  w.settings.zoomPercent = 200;
  auto form = w.MakeForm();
  form->show();
  EXPECT_EQ(form->View->size(), QSize(1200, 600));
  EXPECT_EQ(form->Compose().size(), QSize(1200, 600));
  EXPECT_GE(form->width(), 1200);
  form->MenuZoomN[0]->trigger();
  EXPECT_EQ(w.settings.zoomPercent, 100);
  EXPECT_EQ(form->View->size(), QSize(600, 300));
  EXPECT_EQ(form->Compose().size(), QSize(600, 300));
  form->MenuZoomN[1]->trigger();
  EXPECT_EQ(form->View->size(), QSize(750, 375));
}

TEST(MapWindow, PassFootprintModeShowsTheNextPass) {
  MapWorld w;
  auto form = w.MakeForm();
  form->show();
  EXPECT_TRUE(form->PanelNoir->text().startsWith("Black: Next visibility pass on 21 JAN 2018"));
  EXPECT_TRUE(form->Picture().MarkerShown(MarkerKind::SatFutur) ||
              form->Picture().MarkerShown(MarkerKind::SatEclipseFutur));
  EXPECT_TRUE(form->Picture().Shown(Layer::Trace));
  EXPECT_FALSE(form->ButtonFast->isEnabled());
  EXPECT_TRUE(w.nextPassEnabled);
  EXPECT_EQ(form->windowTitle(), "ORVANE MAP [ISS (ZARYA)]");
}

TEST(MapWindow, OrbitModeDrawsTheTrackAndTheVioletFootprint) {
  MapWorld w;
  w.settings.mode = DrawingMode::CoverageAndNext;
  w.settings.zoomPercent = 200;
  auto form = w.MakeForm();
  form->show();
  EXPECT_FALSE(w.nextPassEnabled);
  EXPECT_FALSE(form->CurrentOrbitTrack().empty());
  EXPECT_EQ(form->OrbitIndex(), 1);
  EXPECT_TRUE(form->PanelRouge->text().startsWith("Violet: Current coverage; Satellite not visible"));
  EXPECT_TRUE(form->Picture().MarkerShown(MarkerKind::SatOrbite) ||
              form->Picture().MarkerShown(MarkerKind::SatEclipseOrbit));
  const QImage picture = form->Compose();
  EXPECT_GT(CountColour(picture, kViolet), 500);
  EXPECT_TRUE(form->ButtonFast->isEnabled());
  // Current coverage only: no next-pass drawings.
  form->MenuNextOrbitMoins->trigger();
  EXPECT_EQ(w.settings.mode, DrawingMode::CoverageOnly);
  EXPECT_FALSE(form->Picture().MarkerShown(MarkerKind::SatFutur));
  EXPECT_FALSE(form->Picture().Shown(Layer::CovFut));
  EXPECT_FALSE(form->ButtonFast->isEnabled());
  form->MenuTrace->trigger();
  EXPECT_TRUE(w.nextPassEnabled);
  EXPECT_TRUE(form->PanelRouge->text().isEmpty());
}

TEST(MapWindow, FastMotionStepsByTimerAndStopsWhenHidden) {
  MapWorld w;
  w.settings.mode = DrawingMode::CoverageAndNext;
  auto form = w.MakeForm();
  form->show();
  form->ButtonFast->click();
  ASSERT_TRUE(form->FastMotionRunning());
  QCoreApplication::processEvents();
  form->hide();
  EXPECT_FALSE(form->FastMotionRunning());
  EXPECT_FALSE(form->ButtonFast->isChecked());
  EXPECT_EQ(w.hiddenCount, 1);
}

TEST(MapWindow, WatchSetsUpAgainWhenTheSatelliteComesIntoView) {
  MapWorld w;
  auto form = w.MakeForm();
  form->show();
  form->TimerSecondeTimer();  // first steady second
  EXPECT_FALSE(form->Picture().MarkerShown(MarkerKind::Sat));
  // Acquisition: the clock at the pass, the tick hands the position.
  w.clock.Set(static_cast<double>(w.slot.passStart + Real(2) / 1440 + w.ctx.localOffsetHours / 24));
  w.visible = true;
  w.HandCurrentPosition(*form);
  form->TimerSecondeTimer();
  EXPECT_TRUE(form->Picture().MarkerShown(MarkerKind::Sat) ||
              form->Picture().MarkerShown(MarkerKind::SatEclipse));
  EXPECT_TRUE(form->PanelRouge->text().startsWith("Red: Current coverage"));
  // A clicked row becomes the selected pass point.
  form->HandOverClickedRow({-10, 100, 7000}, QStringLiteral("21 JAN 2018  20:05*"));
  form->TimerSecondeTimer();
  EXPECT_TRUE(form->Picture().MarkerShown(MarkerKind::SatEclipseFutur));
  EXPECT_EQ(form->Picture().MarkerPosition(MarkerKind::SatEclipseFutur).latitude, -10);
  EXPECT_EQ(form->PanelNoir->text(), "Black: Next visibility pass on 21 JAN 2018  20:05*");
  // Loss of signal hides the current position.
  w.visible = false;
  form->TimerSecondeTimer();
  EXPECT_FALSE(form->Picture().MarkerShown(MarkerKind::Sat));
  EXPECT_FALSE(form->Picture().Shown(Layer::CovAct));
}

TEST(MapWindow, FullCoverageAndItsClearButton) {
  MapWorld w;
  auto form = w.MakeForm();
  form->show();
  const QString next = form->PanelNoir->text();
  ASSERT_TRUE(w.slot.HasPass());
  form->ButtonAllCoverage->click();
  EXPECT_TRUE(form->FullCoverageShown());
  EXPECT_EQ(form->PanelNoir->text(), "Black: Full coverage");
  EXPECT_FALSE(form->ButtonAllCoverage->isEnabled());
  EXPECT_TRUE(form->ButtonClearCoverage->isEnabled());
  EXPECT_FALSE(form->ProgressBarCovGen->isVisible());
  EXPECT_TRUE(form->Picture().Shown(Layer::CovAll));
  form->ButtonClearCoverage->click();
  EXPECT_FALSE(form->FullCoverageShown());
  EXPECT_EQ(form->PanelNoir->text(), next);
  EXPECT_FALSE(form->Picture().Shown(Layer::CovAll));
  EXPECT_TRUE(form->ButtonAllCoverage->isEnabled());
}

TEST(MapWindow, RightClickSetsTheDxStation) {
  MapWorld w;
  auto form = w.MakeForm();
  form->show();
  // Zoom 100, centred on 0: (450, 50) is 60° N, 90° E.
  form->View->rightClicked(450, 50);
  EXPECT_EQ(w.dxSet, 1);
  EXPECT_EQ(w.dx.latitude, "N60.00");
  EXPECT_EQ(w.dx.longitude, "E90.00");
  EXPECT_EQ(w.dx.locator, QString::fromStdString(orbit::LocatorOf(60, -90)));
  EXPECT_EQ(w.dx.locator, "NP50AA");  // 270/20 = N, 150/10 = P, 10/2 = 5, 0
  EXPECT_TRUE(form->Picture().MarkerShown(MarkerKind::Dx));
  // The next second sees the new DX and sets the map up again, marker in place.
  form->TimerSecondeTimer();
  EXPECT_TRUE(form->Picture().MarkerShown(MarkerKind::Dx));
  EXPECT_NEAR(static_cast<double>(form->Picture().MarkerPosition(MarkerKind::Dx).westLongitude), -90, 1e-9);
  // Left edge of the 180-centred map: longitude 0.
  form->SetCentring(kShift180);
  form->View->rightClicked(0, 150);
  EXPECT_EQ(w.dx.longitude, "W0.00");
  EXPECT_EQ(w.dx.latitude, "N0.00");
}

TEST(MapWindow, HintsOfTheMarkers) {
  MapWorld w;
  w.dx = {QStringLiteral("S33.90"), QStringLiteral("E151.20"), QStringLiteral("QF56OD")};
  auto form = w.MakeForm();
  form->show();
  const DisplayPoint qra = ProjectMarker(w.ctx.station.latitude, w.ctx.station.westLongitude, {1, 1}, kShift0);
  EXPECT_EQ(form->HintAt(qra.x + 2, qra.y - 1), "QRA    LAT:48\u00b051'N  LON:002\u00b017'E");
  const DisplayPoint dx = ProjectMarker(-33.9L, -151.2L, {1, 1}, kShift0);
  EXPECT_EQ(form->HintAt(dx.x, dx.y), "DX    LAT:33\u00b054'S  LON:151\u00b012'E");
  const MarkerKind futur = form->Picture().MarkerShown(MarkerKind::SatFutur) ? MarkerKind::SatFutur
                                                                              : MarkerKind::SatEclipseFutur;
  ASSERT_TRUE(form->Picture().MarkerShown(futur));
  const GeoPoint next = form->Picture().MarkerPosition(futur);
  const DisplayPoint n = ProjectMarker(next.latitude, next.westLongitude, {1, 1}, kShift0);
  EXPECT_TRUE(form->HintAt(n.x, n.y).startsWith("ISS (ZARYA)  LAT:"));
  EXPECT_TRUE(form->HintAt(n.x, n.y).endsWith(" (next visibility)"));
  EXPECT_TRUE(form->HintAt(5, 295).isEmpty());
}

namespace {
// A 24-bit bitmap of w x h pixels, all of one colour.
QByteArray Bitmap(int w, int h) {
  QImage image(w, h, QImage::Format_RGB888);
  image.fill(QColor(10, 200, 30));
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "BMP");
  return bytes;
}
bool WriteFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}
}  // namespace

TEST(MapUserMaps, BitmapErrorOnATruncatedFileAndTheCopy) {
  MapWorld w;
  QTemporaryDir elsewhere;
  auto form = w.MakeForm();
  form->show();
  const QRgb before = Rgb(form->Compose(), 300, 150);
  // Truncated: the header promises more than the file holds.
  const QString bad = elsewhere.filePath("broken.bmp");
  ASSERT_TRUE(WriteFile(bad, Bitmap(200, 100).left(80)));
  w.chosenFile = bad;
  form->MenuCarte0->trigger();
  ASSERT_EQ(w.dialogs.warnings.size(), 1);
  EXPECT_TRUE(w.dialogs.warnings.front().contains("equirectangular (plate carr\u00e9e)"));
  EXPECT_FALSE(w.dialogs.warnings.front().contains("Mercator"));
  EXPECT_EQ(w.dialogs.errors, QStringList{"Bitmap error"});
  EXPECT_TRUE(w.settings.userMap0.isEmpty());
  // Not a bitmap name: refused, the previous map stays.
  w.chosenFile = elsewhere.filePath("map.png");
  form->MenuCarte0->trigger();
  EXPECT_EQ(w.dialogs.errors.size(), 2);
  EXPECT_EQ(Rgb(form->Compose(), 300, 150), before);
  // A good bitmap: copied into the program folder and shown.
  const QString good = elsewhere.filePath("green.bmp");
  ASSERT_TRUE(WriteFile(good, Bitmap(400, 200)));
  w.chosenFile = good;
  form->MenuCarte0->trigger();
  EXPECT_EQ(w.settings.userMap0, "green.bmp");
  EXPECT_TRUE(QFile::exists(QDir(w.folder.path()).filePath("green.bmp")));
  EXPECT_EQ(Rgb(form->Compose(), 300, 150), qRgb(10, 200, 30) & 0xFFFFFF);
  EXPECT_EQ(form->MenuCarte0->toolTip(), "green.bmp");
  // "original.bmp" restores the built-in map without reading a file.
  w.chosenFile = QStringLiteral("/nowhere/original.bmp");
  form->MenuCarte0->trigger();
  EXPECT_TRUE(w.settings.userMap0.isEmpty());
  EXPECT_EQ(Rgb(form->Compose(), 300, 150), before);
  EXPECT_EQ(w.dialogs.errors.size(), 2);
}

TEST(MapUserMaps, StoredNameLookedUpInTheProgramFolderAtCreation) {
  MapWorld w;
  ASSERT_TRUE(WriteFile(QDir(w.folder.path()).filePath("mine.bmp"), Bitmap(600, 300)));
  w.settings.userMap0 = "mine.bmp";
  w.settings.userMap180 = "gone.bmp";
  auto form = w.MakeForm();
  EXPECT_EQ(w.settings.userMap0, "mine.bmp");
  EXPECT_TRUE(w.settings.userMap180.isEmpty());
  EXPECT_EQ(w.dialogs.errors, QStringList{"Error BitMap"});
  form->show();
  EXPECT_EQ(Rgb(form->Compose(), 300, 150), qRgb(10, 200, 30) & 0xFFFFFF);
}

TEST(MapSettingsOfTheWindow, MenusWriteTheRecord) {
  MapWorld w;
  w.settings.penWidth = 9;  // out of range: the default
  w.settings.refreshSeconds = 45;
  auto form = w.MakeForm();
  EXPECT_EQ(w.settings.penWidth, 3);
  EXPECT_TRUE(form->menupen[1]->isChecked());
  EXPECT_TRUE(form->MenuRefreshN[0]->isChecked());  // 45 leaves the 10-second item
  EXPECT_EQ(form->TimerRefresh->interval(), 10000);
  form->menupen[3]->trigger();
  EXPECT_EQ(w.settings.penWidth, 5);
  form->MenuRefreshN[3]->trigger();
  EXPECT_EQ(w.settings.refreshSeconds, 60);
  EXPECT_EQ(form->TimerRefresh->interval(), 60000);
  form->MenuSunPlus->trigger();
  EXPECT_TRUE(w.settings.sunPlus);
  EXPECT_FALSE(w.settings.sun);
  form->MenuSoleil->trigger();  // sun off: both flags cleared
  EXPECT_FALSE(w.settings.sunPlus);
  EXPECT_FALSE(w.settings.sun);
  form->MenuStayOnTop->trigger();
  EXPECT_TRUE(w.settings.stayOnTop);
  EXPECT_TRUE(form->windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST(MapLanguages, EveryCatalogueTranslatesTheWindow) {
  MapWorld w;
  auto form = w.MakeForm();
  TFormHelpMap legend;
  for (const char* code : {"es", "fr", "de", "it"}) {
    QTranslator translator;
    ASSERT_TRUE(translator.load(QStringLiteral(":/i18n/map_%1.qm").arg(code))) << code;
    QCoreApplication::installTranslator(&translator);
    QCoreApplication::processEvents();  // the language change reaches the windows
    EXPECT_NE(form->MenuNextOrbitMoins->text(), "Current coverage only") << code;
    EXPECT_NE(form->MenuGrille->text(), "Grid") << code;
    EXPECT_NE(legend.windowTitle(), "MAP KEY") << code;
    EXPECT_NE(MapTitle(), "ORVANE MAP") << code;
    const QString warning = form->findChild<QAction*>("MenuCarte0")->text();
    EXPECT_NE(warning, "If centered on longitude 0") << code;
    QCoreApplication::removeTranslator(&translator);
    QCoreApplication::processEvents();
  }
  EXPECT_EQ(form->MenuGrille->text(), "Grid");
}
