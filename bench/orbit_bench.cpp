// Speed of the orbit core: one evaluation, the load of 15 slots, the next pass of every
// set of a 200- and a 1000-set file.
#include <benchmark/benchmark.h>

#include <memory>

#include "orbit/elements.h"
#include "prediction/pass_search.h"
#include "prediction/slot_text.h"

namespace {

using orbit::Real;

const char* kIss1 = "1 25544U 98067A   18020.89808844  .00002078  00000-0  38550-4 0  9992";
const char* kIss2 = "2 25544  51.6424  32.9776 0003646  28.7227  39.5332 15.54190080 95614";

void BM_PropagateObserve(benchmark::State& state) {
  orbit::ParsedSet set;
  orbit::ParseElementLines(kIss1, kIss2, &set);
  orbit::CalendarFields start;
  start.year = 2018;
  start.month = 1;
  start.day = 21;
  orbit::Propagator p;
  orbit::Observer o;
  p.SetUp(set.elements, start);
  o.SetStation(48.854L, -2.292L, 35);
  o.StartRun();
  Real x = 0;
  for (auto _ : state) {
    p.Propagate(x);
    benchmark::DoNotOptimize(o.Observe(p, x, 1.0L / 1440));
    x += 1.0L / 1440;
    if (x > 2) x = 0;
  }
}
BENCHMARK(BM_PropagateObserve);

struct Searcher {
  explicit Searcher(const std::string& file) : clock(orbit::EncodeDateTimeValue(2018, 1, 21, 12, 0)) {
    elements = orbit::ReadElementFile(file, true);
    ctx.clock = &clock;
    ctx.station = {48.854L, -2.292L, 35};
    ctx.localOffsetHours = 1;
    slot = std::make_unique<prediction::PassSlot>();
  }
  void Search(const orbit::ElementSetEntry& e) {
    slot->name = e.name;
    slot->text = prediction::SlotPrefix(e.name);
    orbit::LoadElementsByName(elements.content, e.name, &slot->set);
    prediction::SearchPass(ctx, *slot);
  }
  base::TestClock clock;
  orbit::ElementFile elements;
  prediction::SearchContext ctx;
  std::unique_ptr<prediction::PassSlot> slot;
};

void BM_Load15Slots(benchmark::State& state) {
  Searcher s(std::string(ORVANE_TEST_DATA) + "/amateur.txt");
  for (auto _ : state) {
    for (int i = 0; i < 15; ++i) s.Search(s.elements.sets[static_cast<std::size_t>(i * 7)]);
  }
}
BENCHMARK(BM_Load15Slots)->Unit(benchmark::kMillisecond);

void BM_NextPassOfEverySet(benchmark::State& state) {
  Searcher s(std::string(ORVANE_TEST_DATA) + "/mixed200.txt");
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

BENCHMARK_MAIN();
