// The 24-hour chart of 15 satellites (every pass of a day, slot after slot, through the
// navigation's pass search, and every slot back on its current pass) and the map's ground
// track to the next pass.
#include <benchmark/benchmark.h>

#include "bench/bench_data.h"
#include "prediction/chart24.h"

namespace {

using namespace bench;

void BM_Chart24Of15(benchmark::State& state) {
  Searcher s(SampleFile());
  prediction::SlotTable table;
  for (int i = 0; i < prediction::kSlotCount; ++i) {
    prediction::PassSlot& slot = table[static_cast<std::size_t>(i)];
    const orbit::ElementSetEntry& e = s.elements.sets[static_cast<std::size_t>(i * 7)];
    slot.name = e.name;
    slot.text = prediction::SlotPrefix(e.name);
    orbit::LoadElementsByName(s.elements.content, e.name, &slot.set);
    prediction::SearchPass(s.ctx, slot);
  }
  prediction::NavigationHistory history;
  const Real origin = prediction::ChartOrigin(s.clock.Now(), 1);
  std::size_t bars = 0;
  for (auto _ : state) {
    const prediction::ChartResult r =
        prediction::ComputeChart(s.ctx, table, history, origin, prediction::ChartScale{},
                                 [] { return true; });
    bars = 0;
    for (const prediction::ChartRow& row : r.rows) bars += row.bars.size();
    benchmark::DoNotOptimize(r);
  }
  state.counters["bars"] = static_cast<double>(bars);
}
BENCHMARK(BM_Chart24Of15)->Unit(benchmark::kMillisecond);

// The map's orbit track: up to 48 hours of minutes until the next pass.
void BM_GroundTrack(benchmark::State& state) {
  Searcher s(SampleFile());
  s.Load(s.elements.sets[0]);
  for (auto _ : state)
    benchmark::DoNotOptimize(
        prediction::GroundTrack(*s.slot, kParis, 0, orbit::EncodeDateTimeValue(2018, 1, 21, 12, 0)));
}
BENCHMARK(BM_GroundTrack)->Unit(benchmark::kMicrosecond);

}  // namespace
