// What publishing costs the window thread, and how fast a client's bytes are split.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QThread>
#include <memory>
#include <random>
#include <vector>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "sharing/protocol.h"
#include "sharing/tcp_server.h"

namespace {

int Connect(quint16 port) {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(port);
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
  return fd;
}

// One report line to ten clients, as the tick sends it (the clients do not read, so the
// queue bound is at work as well).
void BM_PublishLineTenClients(benchmark::State& state) {
  sharing::TcpServer server(QStringLiteral("3.8.4"), {});
  server.StartServer({QStringLiteral("127.0.0.1")}, QStringLiteral("0"), nullptr);
  std::vector<int> clients;
  for (int i = 0; i < 10; ++i) clients.push_back(Connect(server.ListeningPorts().front()));
  while (server.ActiveClients() < 10) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  const QString line = QStringLiteral("ISS (ZARYA) AZ:123.4 EL:45.6 RR:-2.12345678 AH:Y");
  for (auto _ : state) server.PublishLine(line);
  for (int fd : clients) ::close(fd);
}
BENCHMARK(BM_PublishLineTenClients);

// 1 MB of random bytes through the line reader of one connection.
void BM_LineSplitterRandomMegabyte(benchmark::State& state) {
  std::mt19937 random(1);
  QByteArray noise(1 << 20, '\0');
  for (char& c : noise) c = static_cast<char>(random() & 0xFF);
  for (auto _ : state) {
    sharing::LineSplitter splitter;
    qsizetype commands = 0;
    for (const QByteArray& line : splitter.Feed(noise))
      commands += sharing::ParseCommand(line).kind != sharing::Command::Kind::None;
    benchmark::DoNotOptimize(commands);
  }
  state.SetBytesProcessed(state.iterations() * noise.size());
}
BENCHMARK(BM_LineSplitterRandomMegabyte);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
