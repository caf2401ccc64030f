// Pictures of the map window for a look by eye (not a test): map_shots <folder>.
// Zoom 100 and 200, both centrings, sun and darkness, grid, a visible pass, a polar
// footprint, the orbit track and full coverage.
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QThread>

#include "map/form_help_map.h"
#include "map_world.h"

using namespace map;
using map::testing::MapWorld;
using map::testing::Utc;

namespace {

void Pump(int ms) {
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < ms) {
    QApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(5);
  }
}

void Save(TFormMap& form, const QString& dir, const QString& name) {
  Pump(300);
  form.grab().save(dir + name + QStringLiteral("-window.png"));
  form.Compose().save(dir + name + QStringLiteral("-map.png"));
}

// The first minute of the track at which the satellite is north of `latitude`.
Real PolarMinute(MapWorld& w, Real latitude) {
  const Real start = Utc(2018, 1, 21, 12, 0);
  const std::vector<prediction::TrackPoint> track =
      prediction::GroundTrack(w.slot, w.ctx.station, 90, start);
  for (std::size_t i = 0; i < track.size(); ++i)
    if (track[i].latitude < 999 && track[i].latitude > latitude) return start + Real(i) / 1440;
  return start;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QString dir = (argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".")) + QLatin1Char('/');
  QDir().mkpath(dir);

  {  // 100 %, centred on 0, sun, next pass footprint and pass track.
    MapWorld w;
    w.settings.sun = true;
    w.dx = {QStringLiteral("S33.90"), QStringLiteral("E151.20"), QStringLiteral("QF56OD")};
    auto form = w.MakeForm();
    form->show();
    Save(*form, dir, QStringLiteral("zoom100-centre0-sun"));
  }
  {  // 200 %, centred on 180, darkness and grid, orbit track to the next pass.
    MapWorld w;
    w.settings.zoomPercent = 200;
    w.settings.centre = kShift180;
    w.settings.sunPlus = true;
    w.settings.grid = true;
    w.settings.mode = DrawingMode::CoverageAndNext;
    auto form = w.MakeForm();
    form->show();
    Save(*form, dir, QStringLiteral("zoom200-centre180-darkness-grid-orbit"));
  }
  {  // 200 %, centred on 0, June darkness, the satellite in view, full coverage.
    MapWorld w;
    w.SetUtc(Utc(2018, 6, 21, 12, 0));
    w.clock.Set(static_cast<double>(w.slot.passStart + Real(3) / 1440 + w.ctx.localOffsetHours / 24));
    w.visible = true;
    w.settings.zoomPercent = 200;
    w.settings.sunPlus = true;
    auto form = w.MakeForm();
    w.HandCurrentPosition(*form);
    form->show();
    Pump(1200);
    form->ButtonAllCoverage->click();
    Save(*form, dir, QStringLiteral("zoom200-centre0-visible-fullcoverage"));
  }
  {  // A polar footprint: a sun-synchronous satellite north of 80°, seen as in view.
    MapWorld w("ALSAT 1N");
    const Real t = PolarMinute(w, 80);
    w.clock.Set(static_cast<double>(t + w.ctx.localOffsetHours / 24));
    w.visible = true;
    w.settings.zoomPercent = 150;
    w.settings.sun = true;
    w.settings.grid = true;
    auto form = w.MakeForm();
    w.HandCurrentPosition(*form);
    form->show();
    Save(*form, dir, QStringLiteral("zoom150-polar-footprint"));
  }
  {  // The legend.
    TFormHelpMap legend;
    legend.show();
    Pump(200);
    legend.grab().save(dir + QStringLiteral("legend.png"));
  }
  return 0;
}
