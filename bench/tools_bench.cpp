// The moon window's heavy work: the 48-hour visibility table and the EME coverage picture.
#include <benchmark/benchmark.h>

#include <QStringList>

#include <cstdint>
#include <vector>

#include "orbit/calendar.h"
#include "tools/coverage.h"
#include "tools/moon_table.h"

namespace {

// A station at the pole while the moon stays up: 2881 rows, each with a DX view.
void BM_MoonTable48Hours(benchmark::State& state) {
  const tools::MoonSite pole{89.9L, 0, 0};
  const tools::MoonSite dx{64.84L, -147.72L, 0};
  const orbit::Real start = orbit::EncodeDateTimeValue(2025, 1, 11, 0, 0, 0);
  for (auto _ : state) {
    tools::MoonTable t = tools::BuildMoonTable(start, pole, dx, 0);
    benchmark::DoNotOptimize(t.rows.data());
  }
}
BENCHMARK(BM_MoonTable48Hours)->Unit(benchmark::kMillisecond);

// The same table with the texts of its 2881 rows, as the window fills its list.
void BM_MoonTable48HoursWithRowTexts(benchmark::State& state) {
  const tools::MoonSite pole{89.9L, 0, 0};
  const tools::MoonSite dx{64.84L, -147.72L, 0};
  const orbit::Real start = orbit::EncodeDateTimeValue(2025, 1, 11, 0, 0, 0);
  const tools::EmeFrequencies f{1.296L, 1.296L, 0};
  for (auto _ : state) {
    const tools::MoonTable t = tools::BuildMoonTable(start, pole, dx, 0);
    QStringList rows;
    for (std::size_t i = 0; i < t.rows.size(); ++i)
      rows << tools::MoonRowText(tools::MoonRowBase(t.rows[i], true, 0), t.ownRates[i], t.dxRates[i], f);
    benchmark::DoNotOptimize(rows.size());
  }
}
BENCHMARK(BM_MoonTable48HoursWithRowTexts)->Unit(benchmark::kMillisecond);

// The whole coverage picture: every pixel of the 1194 x 765 world, then the cross.
void BM_CoveragePicture(benchmark::State& state) {
  std::vector<std::uint32_t> world(static_cast<std::size_t>(tools::kWorldWidth) * tools::kWorldHeight);
  for (std::size_t i = 0; i < world.size(); ++i) world[i] = 0xFF000000u | static_cast<std::uint32_t>(i);
  std::vector<std::uint32_t> view(tools::kCoverageSize * tools::kCoverageSize);
  const tools::CoverageCentre centre{18.3, -62.7, 57.5};
  for (auto _ : state) {
    std::fill(view.begin(), view.end(), 0xFF000000u);
    tools::DrawCoverage(centre,
                        {world.data(), tools::kWorldWidth, tools::kWorldHeight, tools::kWorldWidth},
                        {view.data(), tools::kCoverageSize, tools::kCoverageSize, tools::kCoverageSize});
    benchmark::DoNotOptimize(view.data());
  }
}
BENCHMARK(BM_CoveragePicture)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
