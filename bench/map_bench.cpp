// The map window's costs: a full redraw at 200 % (budget 40 ms), the one-second watch
// (<= 1 ms) and a refresh while the satellite is in view (<= 5 ms).
#include <benchmark/benchmark.h>

#include <QApplication>

#include "map_world.h"

using map::testing::MapWorld;

namespace {

// A pass in view at 200 % with sun, darkness and grid in the orbit mode.
struct Scene {
  explicit Scene(map::DrawingMode mode) {
    w.SetUtc(map::testing::Utc(2018, 6, 21, 12, 0));
    w.clock.Set(static_cast<double>(w.slot.passStart + orbit::Real(3) / 1440 +
                                    w.ctx.localOffsetHours / 24));
    w.visible = true;
    w.settings.zoomPercent = 200;
    w.settings.sunPlus = true;
    w.settings.grid = true;
    w.settings.mode = mode;
    form = w.MakeForm();
    w.HandCurrentPosition(*form);
    form->show();
    QApplication::processEvents();
  }
  MapWorld w;
  std::unique_ptr<map::TFormMap> form;
};

void BM_FullRedraw200(benchmark::State& state) {
  Scene s(map::DrawingMode::CoverageAndNext);
  for (auto _ : state) {
    s.form->RedrawAll();
    benchmark::DoNotOptimize(s.form->ShownPicture().constBits());
  }
}
BENCHMARK(BM_FullRedraw200)->Unit(benchmark::kMillisecond);

void BM_OneSecondWatch(benchmark::State& state) {
  Scene s(map::DrawingMode::PassFootprint);
  s.form->TimerSecondeTimer();
  for (auto _ : state) {
    s.w.clock.AdvanceSeconds(1);
    s.form->TimerSecondeTimer();
  }
}
BENCHMARK(BM_OneSecondWatch)->Unit(benchmark::kMicrosecond);

void BM_Refresh200(benchmark::State& state) {
  Scene s(map::DrawingMode::PassFootprint);
  for (auto _ : state) {
    s.w.clock.AdvanceSeconds(10);
    s.w.HandCurrentPosition(*s.form);
    s.form->TimerRefreshTimer();
    benchmark::DoNotOptimize(s.form->ShownPicture().constBits());
  }
}
BENCHMARK(BM_Refresh200)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
