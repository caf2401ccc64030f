// Start-up to the compact pass list as a process: the probe (the program's entry with
// test doubles) is started on the offscreen platform with 15 satellites chosen, and timed
// from the fork until it reports the filled list with the one-second timer running.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "bench/main_window_fixture.h"

namespace {

// Runs the probe once; false when it did not report ready.
bool RunProbe(const QString& folder, const char* platform, double* seconds, long* peakKb,
              double* cpuSeconds = nullptr) {
  int out[2];
  if (pipe(out) != 0) return false;
  const auto t0 = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(out[1], STDOUT_FILENO);
    close(out[0]);
    close(out[1]);
    setenv("QT_QPA_PLATFORM", platform, 1);
    const std::string dir = folder.toStdString();
    execl(ORVANE_STARTUP_PROBE, ORVANE_STARTUP_PROBE, dir.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(out[1]);
  FILE* in = fdopen(out[0], "r");
  char line[128] = {};
  const bool ready = in != nullptr && std::fgets(line, sizeof line, in) != nullptr &&
                     std::sscanf(line, "ready %ld", peakKb) == 1;
  const auto t1 = std::chrono::steady_clock::now();
  if (in != nullptr) std::fclose(in);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  if (cpuSeconds != nullptr)
    *cpuSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                  static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
  *seconds = std::chrono::duration<double>(t1 - t0).count();
  return ready;
}

void BM_StartUpToCompactList(benchmark::State& state) {
  QTemporaryDir folder;
  QStringList numbers = {QStringLiteral("25544")};
  numbers.append(bench::SampleNumbers(14, 3, 7));
  if (!folder.isValid() || !bench::PrepareFolder(folder.path(), numbers)) {
    state.SkipWithError("no program folder");
    return;
  }
  double seconds = 0, cpu = 0, cpuTotal = 0;
  long peak = 0;
  // A first start copies the help files into the folder; the timed ones find them there.
  RunProbe(folder.path(), "offscreen", &seconds, &peak);
  for (auto _ : state) {
    if (!RunProbe(folder.path(), "offscreen", &seconds, &peak, &cpu)) {
      state.SkipWithError("the probe did not report the pass list");
      return;
    }
    state.SetIterationTime(seconds);
    cpuTotal += cpu;
  }
  // The probe's own processor time (user and system, to its end), less sensitive than the
  // wall time to other work on the machine.
  state.counters["probe_cpu_ms"] = benchmark::Counter(cpuTotal * 1000, benchmark::Counter::kAvgIterations);
  state.counters["peak_rss_MB"] = static_cast<double>(peak) / 1024;
}
BENCHMARK(BM_StartUpToCompactList)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
