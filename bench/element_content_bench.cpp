// Reading a full element file (1000 sets, the limit) in each of the four formats.
#include <benchmark/benchmark.h>

#include <QFile>

#include "prediction/element_content.h"

namespace {

QByteArray Read(const char* name) {
  QFile f(QStringLiteral(ORVANE_TEST_DATA "/") + QLatin1String(name));
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The records of a sample file repeated up to about 1000 (the seven sets 142 times).
QByteArray Repeated(const char* name) {
  const QByteArray whole = Read(name);
  QByteArray head, body, tail;
  if (whole.startsWith('[')) {
    head = "[";
    body = whole.mid(1, whole.lastIndexOf(']') - 1) + ",";
    tail = "{}]";  // one damaged record closes the list
  } else if (whole.startsWith('<')) {
    const qsizetype from = whole.indexOf("<omm");
    const qsizetype to = whole.lastIndexOf("</ndm>");
    head = whole.left(from);
    body = whole.mid(from, to - from);
    tail = whole.mid(to);
  } else {
    const qsizetype eol = whole.indexOf('\n') + 1;
    head = whole.left(eol);
    body = whole.mid(eol);
  }
  QByteArray out = head;
  for (int i = 0; i < 142; ++i) out += body;
  return out + tail;
}

void Bench(benchmark::State& state, const QByteArray& content) {
  std::size_t sets = 0;
  for (auto _ : state) {
    const prediction::ElementRead read = prediction::ReadElementContent(content, true);
    sets = read.sets.size();
    benchmark::DoNotOptimize(sets);
  }
  state.counters["sets"] = static_cast<double>(sets);
  state.counters["bytes"] = static_cast<double>(content.size());
}

void BM_ThreeLine1000(benchmark::State& state) {
  const QByteArray mixed = Read("mixed200.txt");
  Bench(state, mixed + mixed + mixed + mixed + mixed);
}
void BM_OmmCsv994(benchmark::State& state) { Bench(state, Repeated("omm/sample.csv")); }
void BM_OmmXml994(benchmark::State& state) { Bench(state, Repeated("omm/sample.xml")); }
void BM_OmmJson994(benchmark::State& state) { Bench(state, Repeated("omm/sample.json")); }

BENCHMARK(BM_ThreeLine1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OmmCsv994)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OmmXml994)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OmmJson994)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
