// Speed of the orbit core: one evaluation (double and extended), the minute test of the
// pass search, the set-up of a computation, two days of positions through the batch sweep,
// the load of 15 slots and the next pass of every set of a 200- and a 1000-set file.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench/bench_data.h"
#include "prediction/pass_search.h"
#include "prediction/position_sweep.h"

namespace {

using orbit::Real;
using namespace bench;

struct Evaluation {
  explicit Evaluation(bool attitude = false) {
    orbit::ParseElementLines(kIss1, kIss2, &set);
    start.year = 2018;
    start.month = 1;
    start.day = 21;
    p.SetUp(set.elements, start);
    o.SetStation(kParis.latitude, kParis.westLongitude, kParis.altitude);
    o.SetAttitude(attitude, 10, 20);
    o.StartRun();
  }
  void Next() {
    x += 1.0L / 1440;
    if (x > 2) x = 0;
  }
  orbit::ParsedSet set;
  orbit::CalendarFields start;
  orbit::Propagator p;
  orbit::Observer o;
  Real x = 0;
};

// One evaluation as the program makes it now: Propagate + Observe in double precision,
// every field of the view (elevation, azimuth, range, range rate, sub-satellite point;
// the squint with /1, for a satellite whose antenna attitude is known).
void BM_PropagateObserve(benchmark::State& state) {
  Evaluation e(state.range(0) != 0);
  for (auto _ : state) {
    e.p.PropagateFast(e.x);
    benchmark::DoNotOptimize(e.o.ObserveFast(e.p, e.x, 1.0L / 1440));
    e.Next();
  }
}
BENCHMARK(BM_PropagateObserve)->Arg(0)->Arg(1);

// The same evaluation in extended precision (the stored rows, the live position).
void BM_PropagateObserveWide(benchmark::State& state) {
  Evaluation e(state.range(0) != 0);
  for (auto _ : state) {
    e.p.Propagate(e.x);
    benchmark::DoNotOptimize(e.o.Observe(e.p, e.x, 1.0L / 1440));
    e.Next();
  }
}
BENCHMARK(BM_PropagateObserveWide)->Arg(0)->Arg(1);

// What the pass search asks of every minute: the elevation test.
void BM_SearchMinute(benchmark::State& state) {
  prediction::MinuteScan scan;
  orbit::ParsedSet set;
  orbit::ParseElementLines(kIss1, kIss2, &set);
  orbit::CalendarFields start;
  start.year = 2018;
  start.month = 1;
  start.day = 21;
  scan.propagator().SetUp(set.elements, start);
  scan.observer().SetStation(kParis.latitude, kParis.westLongitude, kParis.altitude);
  scan.Start(0, 1.0L / 1440);
  Real x = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(scan.Step(x));
    x += 1.0L / 1440;
    if (x > 2) {
      x = 0;
      scan.propagator().SetUp(set.elements, start);
      scan.Start(0, 1.0L / 1440);
    }
  }
}
BENCHMARK(BM_SearchMinute);

// Set-up of one computation (elements, clock, first refresh, station).
void BM_SetUp(benchmark::State& state) {
  Evaluation e;
  for (auto _ : state) {
    e.p.SetUp(e.set.elements, e.start);
    e.o.SetStation(kParis.latitude, kParis.westLongitude, kParis.altitude);
    benchmark::DoNotOptimize(e.p.state());
  }
}
BENCHMARK(BM_SetUp);

// The same 48 hours of minutes through the batch sweep (every point, no stop).
void BM_SweepTwoDays(benchmark::State& state) {
  orbit::ParsedSet set;
  orbit::ParseElementLines(kIss1, kIss2, &set);
  const Real start = orbit::EncodeDateTimeValue(2018, 1, 21, 12, 0);
  for (auto _ : state)
    benchmark::DoNotOptimize(prediction::SweepPositions(set.elements, kParis, start,
                                                        prediction::kStepDays, 2880));
}
BENCHMARK(BM_SweepTwoDays)->Unit(benchmark::kMicrosecond);

void BM_Load15Slots(benchmark::State& state) {
  Searcher s(SampleFile());
  for (auto _ : state) {
    for (int i = 0; i < 15; ++i) s.Search(s.elements.sets[static_cast<std::size_t>(i * 7)]);
  }
}
BENCHMARK(BM_Load15Slots)->Unit(benchmark::kMillisecond);

void BM_NextPassOfEverySet(benchmark::State& state) {
  Searcher s(MixedFile());
  const int copies = static_cast<int>(state.range(0));
  for (auto _ : state) {
    for (int c = 0; c < copies; ++c)
      for (const auto& e : s.elements.sets) s.Search(e);
  }
  state.SetLabel(std::to_string(copies * s.elements.sets.size()) + " sets");
}
// 200 sets, and the same file five times over for 1000 sets.
BENCHMARK(BM_NextPassOfEverySet)->Arg(1)->Arg(5)->Unit(benchmark::kMillisecond);

}  // namespace
