// The main window's one-second tick with the explorer open and tracking on through a
// recording GS-232, and the resident memory over hours of ticks driven by the test clock.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QStandardPaths>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <unistd.h>

#include "bench/main_window_fixture.h"

namespace bench {

double ResidentMegabytes() {
  long pages = 0, resident = 0;
  FILE* f = std::fopen("/proc/self/statm", "r");
  if (f == nullptr) return 0;
  const int read = std::fscanf(f, "%ld %ld", &pages, &resident);
  std::fclose(f);
  if (read != 2) return 0;
  return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1048576.0;
}

namespace {

double ThreadCpuMilliseconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// Two hours of ticks from the start of the program; resident memory after the start, after
// the first hour and after the second (a tick that kept something would show in the last).
void BM_TwoHoursOfTicks(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto window = std::make_unique<MainWindow>();
    window->StartTracking();
    window->Tick();
    const double atStart = ResidentMegabytes();
    double afterHour[2] = {0, 0};
    int tracking = 0;
    state.ResumeTiming();
    for (int hour = 0; hour < 2; ++hour) {
      for (int s = 0; s < 3600; ++s) {
        window->Tick();
        if (window->TrackingOn()) ++tracking;
        if (s % 60 == 59) {
          state.PauseTiming();
          window->ForgetRecords();
          state.ResumeTiming();
        }
      }
      state.PauseTiming();
      afterHour[hour] = ResidentMegabytes();
      state.ResumeTiming();
    }
    state.PauseTiming();
    state.counters["rss_start_MB"] = atStart;
    state.counters["rss_1h_MB"] = afterHour[0];
    state.counters["rss_2h_MB"] = afterHour[1];
    state.counters["growth_2nd_hour_kB"] = (afterHour[1] - afterHour[0]) * 1024;
    state.counters["tracking_s"] = tracking;
    window.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_TwoHoursOfTicks)->Iterations(1)->Unit(benchmark::kMillisecond);

// One tick, over 15 minutes of ticks: the minute before AOS, the pass tracked second by
// second, its end (search of the next pass, explorer rebuilt, tracking resumed) and after.
void BM_TickExplorerTracking(benchmark::State& state) {
  MainWindow window;
  window.StartTracking();
  // The worst tick in processor time: on this shared machine the wall clock of a single
  // tick mostly shows when the scheduler gave the core to another process.
  double worst = 0, worstWall = 0;
  int tracking = 0, commands = 0, n = 0;
  for (auto _ : state) {
    const double c0 = ThreadCpuMilliseconds();
    const auto t0 = std::chrono::steady_clock::now();
    window.Tick();
    const auto t1 = std::chrono::steady_clock::now();
    worst = std::max(worst, ThreadCpuMilliseconds() - c0);
    worstWall = std::max(worstWall, std::chrono::duration<double, std::milli>(t1 - t0).count());
    if (window.TrackingOn()) ++tracking;
    if (++n % 60 == 0) {
      state.PauseTiming();
      commands += static_cast<int>(window.serial[0].writes.size());
      window.ForgetRecords();
      state.ResumeTiming();
    }
  }
  state.counters["worst_cpu_ms"] = worst;
  state.counters["worst_wall_ms"] = worstWall;
  state.counters["tracking_s"] = tracking;
  state.counters["gs232_commands"] = commands;
}
BENCHMARK(BM_TickExplorerTracking)->Iterations(900)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace bench

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QStandardPaths::setTestModeEnabled(true);
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
