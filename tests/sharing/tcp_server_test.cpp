// The TCP/IP server under real clients on 127.0.0.1.
#include "sharing/tcp_server.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTcpServer>
#include <random>

#include "base/clock.h"
#include "net_fixture.h"
#include "sharing/report_sink.h"
#include "sharing/tcp_network.h"
#include "tracking/tick_steps.h"

namespace sharing::test {
namespace {

const QByteArray kGreeting = "Connected to ORVANE V" ORVANE_VERSION "\r\n";

class TcpServerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    names = QStringList(15);
    names[0] = QStringLiteral("AO-7");
    names[1] = QStringLiteral("ISS");
    names[4] = QStringLiteral("Iss low");  // stored with small letters
    names[11] = QStringLiteral("SO-50");
    TcpServerHooks hooks;
    hooks.selectedNames = [this] { return names; };
    hooks.explorerShown = [this] { return explorerShown; };
    hooks.showSlot = [this](int slot) { shown.append(slot); };
    server = std::make_unique<TcpServer>(QStringLiteral(ORVANE_VERSION), hooks);
    QStringList errors;
    ASSERT_TRUE(server->StartServer({QStringLiteral("127.0.0.1")}, QStringLiteral("0"), &errors))
        << errors.join(QLatin1Char('\n')).toStdString();
    ASSERT_EQ(server->ListeningPorts().size(), 1);
    port = server->ListeningPorts().front();
  }

  // A client that has its greeting (it holds a slot).
  std::unique_ptr<LineClient> Greeted() {
    auto client = std::make_unique<LineClient>(port);
    EXPECT_TRUE(client->WaitLines(1));
    EXPECT_EQ(client->lines_.value(0), kGreeting);
    return client;
  }

  // Every line sent before it has been handled once the reply to a "LIST" is back.
  void Sync(LineClient& client) {
    const qsizetype before = client.lines_.size();
    client.Send("LIST\n");
    ASSERT_TRUE(client.WaitLines(static_cast<int>(before) + 1));
  }

  QStringList names;
  bool explorerShown = true;
  QList<int> shown;
  std::unique_ptr<TcpServer> server;
  quint16 port = 0;
};

TEST_F(TcpServerTest, AClientIsGreetedThenReceivesEveryLineInOrder) {
  QSignalSpy changes(server.get(), &TcpServer::StateChanged);
  EXPECT_EQ(server->State(), ServerState::Listening);
  auto client = Greeted();
  ASSERT_TRUE(WaitUntil([&] { return server->State() == ServerState::Connected; }));
  EXPECT_TRUE(server->ClientConnected());
  EXPECT_GE(changes.count(), 1);
  server->PublishLine(QStringLiteral("AO-7 AZ:123.4 EL:5.6 RR:-1.2 AH:Y"));
  server->PublishLine(QStringLiteral("AO-7 AZ:123.5 EL:5.7 RR:-1.1 AH:Y"));
  ASSERT_TRUE(client->WaitLines(3));
  EXPECT_EQ(client->lines_[1], QByteArray("AO-7 AZ:123.4 EL:5.6 RR:-1.2 AH:Y\r\n"));
  EXPECT_EQ(client->lines_[2], QByteArray("AO-7 AZ:123.5 EL:5.7 RR:-1.1 AH:Y\r\n"));
}

TEST_F(TcpServerTest, ListInAnyCaseGetsOneReplyAndATrailingBlankNone) {
  auto client = Greeted();
  client->Send("list\nList\r\nLIST \nLIST\n");
  ASSERT_TRUE(client->WaitLines(4));
  const QByteArray reply = "LIST \"AO-7\" \"ISS\" \"Iss low\"\r\n";  // slot 12 is not listed
  EXPECT_EQ(client->lines_.mid(1), QList<QByteArray>({reply, reply, reply}));
  Settle();
  EXPECT_EQ(client->lines_.size(), 4);
  names = QStringList(15);
  client->lines_.clear();
  Sync(*client);
  EXPECT_EQ(client->lines_, QList<QByteArray>({"LIST\r\n"}));
}

TEST_F(TcpServerTest, ShowActsOnlyWhileTheExplorerIsShownAndOnExactNames) {
  auto client = Greeted();
  explorerShown = false;
  client->Send("SHOW \"AO-7\"\n");
  Sync(*client);
  EXPECT_TRUE(shown.isEmpty());

  explorerShown = true;
  client->Send("show \"so-50\"\r\n");  // upper-cased: matches slot 12
  client->Send("SHOW \"Iss low\"\n");  // upper-cased "ISS LOW" never matches "Iss low"
  client->Send("SHOW \"ISS\n");        // no closing quote: "IS"
  client->Send("SHOW \"\"\n");
  client->Send("SHOW \"ISS\"\n");
  Sync(*client);
  EXPECT_EQ(shown, QList<int>({12, 2}));
  EXPECT_EQ(client->lines_.size(), 3);  // greeting and the two LIST replies: SHOW has none
}

TEST_F(TcpServerTest, TheEleventhClientIsServedWithoutGreetingOrReports) {
  std::vector<std::unique_ptr<LineClient>> ten;
  for (int i = 0; i < 10; ++i) ten.push_back(Greeted());
  ASSERT_TRUE(WaitUntil([&] { return server->ActiveClients() == 10; }));
  LineClient eleventh(port);
  ASSERT_TRUE(eleventh.WaitConnected());
  Settle();
  EXPECT_TRUE(eleventh.lines_.isEmpty());

  server->PublishLine(QStringLiteral("ISS AZ:10.0 EL:1.0 RR:0 AH:Y"));
  for (auto& client : ten) ASSERT_TRUE(client->WaitLines(2));
  Sync(eleventh);
  EXPECT_EQ(eleventh.lines_, QList<QByteArray>({"LIST \"AO-7\" \"ISS\" \"Iss low\"\r\n"}));

  // A freed slot goes to the next client that connects, not to the one already served.
  ten[3]->Close();
  ASSERT_TRUE(WaitUntil([&] { return server->ActiveClients() == 9; }));
  auto twelfth = Greeted();
  ASSERT_TRUE(WaitUntil([&] { return server->ActiveClients() == 10; }));
  server->PublishLine(QStringLiteral("ISS AZ:11.0 EL:2.0 RR:0 AH:Y"));
  ASSERT_TRUE(twelfth->WaitLines(2));
  eleventh.lines_.clear();
  Sync(eleventh);
  EXPECT_EQ(eleventh.lines_.size(), 1);
}

TEST_F(TcpServerTest, ALeavingClientFreesItsSlotAndTheStatusFollows) {
  auto client = Greeted();
  ASSERT_TRUE(WaitUntil([&] { return server->State() == ServerState::Connected; }));
  QSignalSpy changes(server.get(), &TcpServer::StateChanged);
  client->Close();
  ASSERT_TRUE(WaitUntil([&] { return server->State() == ServerState::Listening; }));
  EXPECT_FALSE(server->ClientConnected());
  EXPECT_TRUE(WaitUntil([&] { return changes.count() >= 1; }));
}

TEST_F(TcpServerTest, StopClosesEveryConnectionAndTheSamePortBindsAgainAtOnce) {
  auto client = Greeted();
  ASSERT_TRUE(WaitUntil([&] { return server->ClientConnected(); }));
  EXPECT_TRUE(server->StopServer());
  EXPECT_FALSE(server->Running());
  EXPECT_FALSE(server->ClientConnected());  // at once, not when the thread gets to it
  EXPECT_EQ(server->State(), ServerState::Stopped);
  EXPECT_TRUE(
      WaitUntil([&] { return client->socket_.state() == QAbstractSocket::UnconnectedState; }));
  QStringList errors;
  ASSERT_TRUE(server->StartServer({QStringLiteral("127.0.0.1")}, QString::number(port), &errors))
      << errors.join(QLatin1Char(' ')).toStdString();
  auto again = Greeted();
}

TEST_F(TcpServerTest, StartFailuresGiveTheirReasonAndLeaveTheServerStopped) {
  QStringList errors;
  EXPECT_FALSE(server->StartServer({QStringLiteral("127.0.0.1")}, QStringLiteral("abc"), &errors));
  ASSERT_EQ(errors.size(), 1);
  EXPECT_TRUE(errors[0].contains(QStringLiteral("abc")));
  EXPECT_EQ(server->State(), ServerState::Stopped);

  QTcpServer occupant;
  ASSERT_TRUE(occupant.listen(QHostAddress::LocalHost, 0));
  errors.clear();
  EXPECT_FALSE(server->StartServer({QStringLiteral("127.0.0.1")},
                                   QString::number(occupant.serverPort()), &errors));
  ASSERT_EQ(errors.size(), 1);
  EXPECT_TRUE(errors[0].contains(QString::number(occupant.serverPort())));
  EXPECT_FALSE(server->Running());

  // Not an address of this host (documentation range), and not an address at all.
  for (const char* address : {"192.0.2.1", "300.1.2.3"}) {
    errors.clear();
    EXPECT_FALSE(server->StartServer({QString::fromLatin1(address)}, QStringLiteral("0"), &errors))
        << address;
    EXPECT_EQ(errors.size(), 1) << address;
    EXPECT_TRUE(server->ListeningPorts().isEmpty());
  }
}

// The tick publishes for a minute of test time while one client never reads and its
// pipe is full: no tick is held up, and the reading client gets every line.
TEST_F(TcpServerTest, AClientThatNeverReadsDoesNotHoldUpTheTick) {
  SilentClient silent(port);
  ASSERT_TRUE(silent.Connected());
  auto reader = Greeted();
  ASSERT_TRUE(WaitUntil([&] { return server->ActiveClients() == 2; }));
  ASSERT_TRUE(Saturate(*server, *reader));
  SharingReportSink sink(nullptr, server.get());
  base::TestClock clock(base::DateTimeValue(2024, 3, 1, 12, 0, 0));
  bool ahnSent = true;
  int slowTicks = 0;  // 10 ms or more
  for (int second = 0; second < 60; ++second) {
    clock.AdvanceSeconds(1);
    QElapsedTimer tick;
    tick.start();
    const QString line = tracking::ReportLine(QStringLiteral("RS-44, DOSAAF"), 100 + second / 10.0L,
                                              12.5L, 1000, true);
    tracking::PublishInView(sink, line, ahnSent);
    if (tick.nsecsElapsed() >= 10'000'000) ++slowTicks;
    Settle(5);
  }
  // One tick may lose the processor to another program on a busy machine; a tick that
  // waited for a client would be slow every second.
  EXPECT_LE(slowTicks, 1);
  EXPECT_FALSE(ahnSent);
  ASSERT_TRUE(reader->WaitLines(60));
  // Comma replaced, period whatever the locale, range rate of a factor of 1000.
  EXPECT_EQ(reader->lines_[0],
            QByteArray("RS-44. DOSAAF AZ:100.0 EL:12.5 RR:-0.299792458 AH:Y\r\n"));
  EXPECT_EQ(reader->lines_[59],
            QByteArray("RS-44. DOSAAF AZ:105.9 EL:12.5 RR:-0.299792458 AH:Y\r\n"));
}

// A flood of reports to a client that never reads: every publish returns, the
// waiting bytes stay bounded, the oldest lines go, and what the client finally reads
// is whole lines in order, ending with the newest.
TEST_F(TcpServerTest, TheQueueOfAClientThatNeverReadsIsBoundedAndKeepsTheNewest) {
  SilentClient silent(port);
  ASSERT_TRUE(silent.Connected());
  ASSERT_TRUE(WaitUntil([&] { return server->ClientConnected(); }));
  constexpr int kLines = 3000;
  const auto lineText = [](int i) {
    QString text = QStringLiteral("N=%1 ").arg(i, 5, 10, QLatin1Char('0'));
    return text.leftJustified(4094, QLatin1Char('x'));
  };
  // A publish that waited for the client would never come back from this loop.
  for (int i = 0; i < kLines; ++i) server->PublishLine(lineText(i));
  // A client greeted after the flood means the network thread got through all of it.
  auto late = Greeted();
  EXPECT_LE(server->QueuedBytes(), 2 * (kMaxQueuedPerClient + kSocketChunk + 4096));
  EXPECT_GT(server->DroppedLines(), 0u);

  QByteArray received;
  const QByteArray last = lineText(kLines - 1).toLatin1() + "\r\n";
  ASSERT_TRUE(WaitUntil(
      [&] {
        received += silent.Drain();
        return received.endsWith(last);
      },
      10000));
  ASSERT_TRUE(received.startsWith(kGreeting));
  const QList<QByteArray> lines = received.mid(kGreeting.size()).split('\n');
  int previous = -1;
  int count = 0;
  for (const QByteArray& line : lines) {
    if (line.isEmpty()) continue;  // after the final LF
    ASSERT_EQ(line.size(), 4095);  // 4094 + CR: whole lines only
    const int index = line.mid(2, 5).toInt();
    EXPECT_GT(index, previous);
    previous = index;
    ++count;
  }
  EXPECT_LT(count, kLines);
  EXPECT_EQ(previous, kLines - 1);
}

TEST_F(TcpServerTest, AMegabyteOfRandomBytesIsHarmless) {
  auto noisy = Greeted();
  auto listener = Greeted();
  std::mt19937 random(20240301);
  QByteArray noise(1 << 20, '\0');
  for (char& c : noise) c = static_cast<char>(random() & 0xFF);
  noisy->Send(noise);
  noisy->Send("\nLIST\n");
  ASSERT_TRUE(noisy->WaitLines(2, 10000));
  EXPECT_EQ(noisy->lines_[1], QByteArray("LIST \"AO-7\" \"ISS\" \"Iss low\"\r\n"));
  EXPECT_TRUE(shown.isEmpty());
  server->PublishLine(QStringLiteral("AO-7 AZ:1.0 EL:2.0 RR:0 AH:Y"));
  EXPECT_TRUE(listener->WaitLines(2));
  EXPECT_TRUE(noisy->WaitLines(3));
  EXPECT_TRUE(server->Running());
}

TEST_F(TcpServerTest, ALineLongerThan64KiBIsThrownAway) {
  auto client = Greeted();
  client->Send(QByteArray(70 * 1024, 'A') + "LIST\n");
  client->Send(QByteArray(64 * 1024 - 4, 'B') + "LIST\n");  // at the limit: an unknown command
  Sync(*client);
  Settle();
  EXPECT_EQ(client->lines_.size(), 2);  // greeting and the one reply
}

// The not-in-view line reaches the clients once; a client that comes later waits for
// the satellite to rise.
TEST_F(TcpServerTest, TheNotInViewLineGoesOutOncePerPeriod) {
  auto first = Greeted();
  ASSERT_TRUE(WaitUntil([&] { return server->ClientConnected(); }));
  SharingReportSink sink(nullptr, server.get());
  bool ahnSent = false;
  const QString below = tracking::AosReportLine(QStringLiteral("AO-7"), 250, 0, 0);
  tracking::PublishNotInView(sink, below, ahnSent);
  tracking::PublishNotInView(sink, below, ahnSent);
  EXPECT_TRUE(ahnSent);
  auto second = Greeted();
  ASSERT_TRUE(WaitUntil([&] { return server->ActiveClients() == 2; }));
  tracking::PublishNotInView(sink, below, ahnSent);
  Sync(*second);
  EXPECT_EQ(second->lines_.size(), 2);  // greeting and the LIST reply only
  const QString above = tracking::ReportLine(QStringLiteral("AO-7"), 251.3L, 0.4L, -1000, true);
  tracking::PublishInView(sink, above, ahnSent);
  tracking::PublishNotInView(sink, below, ahnSent);
  ASSERT_TRUE(first->WaitLines(4));
  EXPECT_EQ(first->lines_.mid(1), QList<QByteArray>({"AO-7 AZ:250.0 EL:0.0 RR:0 AH:N\r\n",
                                                     "AO-7 AZ:251.3 EL:0.4 RR:0.299792458 AH:Y\r\n",
                                                     "AO-7 AZ:250.0 EL:0.0 RR:0 AH:N\r\n"}));
  ASSERT_TRUE(second->WaitLines(4));
  EXPECT_EQ(second->lines_[3], QByteArray("AO-7 AZ:250.0 EL:0.0 RR:0 AH:N\r\n"));
}

}  // namespace
}  // namespace sharing::test
