// The server's line protocol, its buffers, the slot table and the DDE value form.
#include "sharing/protocol.h"

#include <gtest/gtest.h>

#include <QThread>
#include <atomic>
#include <set>
#include <vector>

#include "sharing/client_slots.h"
#include "sharing/dde_server.h"

namespace sharing {
namespace {

TEST(Protocol, GreetingCarriesTheVersionAndCrLf) {
  EXPECT_EQ(Greeting(QStringLiteral("3.8.4")), QByteArray("Connected to ORVANE V3.8.4\r\n"));
}

TEST(Protocol, ListIsRecognisedInAnyCaseButOnlyAsTheWholeLine) {
  for (const char* line : {"LIST", "list", "List", "lIsT"})
    EXPECT_EQ(ParseCommand(line).kind, Command::Kind::List) << line;
  for (const char* line : {"LIST ", " LIST", "LISTS", "LIS", "", "LIST\t"})
    EXPECT_EQ(ParseCommand(line).kind, Command::Kind::None) << line;
}

TEST(Protocol, OnlyPlainLettersAreUpperCased) {
  // 0xE9 is "é" in Windows-1252; it stays as it is, so "é" never turns into "É".
  EXPECT_EQ(UpperAsciiLetters("ao-7 \xe9z{"), QByteArray("AO-7 \xe9Z{"));
}

TEST(Protocol, ShowCutsSixCharactersAndTheLastOne) {
  Command c = ParseCommand("show \"ISS\"");
  EXPECT_EQ(c.kind, Command::Kind::Show);
  EXPECT_EQ(c.showName, QStringLiteral("ISS"));
  // Without the closing quote the last letter goes.
  EXPECT_EQ(ParseCommand("SHOW \"ISS").showName, QStringLiteral("IS"));
  // The name is compared upper-cased, blanks kept.
  EXPECT_EQ(ParseCommand("SHOW \"Ao 7\"").showName, QStringLiteral("AO 7"));
  EXPECT_EQ(ParseCommand("SHOW \"\"").showName, QString());
  EXPECT_EQ(ParseCommand("SHOW ISS").kind, Command::Kind::None);
  EXPECT_EQ(ParseCommand("SHOW\"ISS\"").kind, Command::Kind::None);
}

TEST(Protocol, ShowTargetComparesExactlyWithTheFifteenSlots) {
  QStringList names(15);
  names[0] = QStringLiteral("AO-7");
  names[4] = QStringLiteral("Iss");
  names[11] = QStringLiteral("FO-29");
  names[13] = QStringLiteral("FO-29");
  EXPECT_EQ(ShowTarget(QStringLiteral("AO-7"), names), 1);
  EXPECT_EQ(ShowTarget(QStringLiteral("FO-29"), names), 12);  // the first equal slot
  EXPECT_EQ(ShowTarget(QStringLiteral("ISS"), names), 0);     // stored with small letters
  EXPECT_EQ(ShowTarget(QString(), names), 0);                 // empty slots never match
}

TEST(Protocol, ListReplyNamesTheFirstTenSlotsThatHoldASatellite) {
  QStringList names(15);
  names[0] = QStringLiteral("AO-7");
  names[1] = QStringLiteral("ISS (ZARYA)");
  names[11] = QStringLiteral("SO-50");  // slot 12: not in the reply
  EXPECT_EQ(ListReply(names), QByteArray("LIST \"AO-7\" \"ISS (ZARYA)\"\r\n"));
  EXPECT_EQ(ListReply(QStringList(15)), QByteArray("LIST\r\n"));
  names[9] = QStringLiteral("Caf\u00e9");
  EXPECT_EQ(ListReply(names), QByteArray("LIST \"AO-7\" \"ISS (ZARYA)\" \"Caf\xe9\"\r\n"));
}

TEST(Protocol, PortTextMustBeAWholeNumberInRange) {
  EXPECT_EQ(PortFromText(QStringLiteral("10987")), std::optional<quint16>(10987));
  EXPECT_EQ(PortFromText(QStringLiteral("0")), std::optional<quint16>(0));
  EXPECT_EQ(PortFromText(QStringLiteral("65535")), std::optional<quint16>(65535));
  for (const char* bad : {"", "abc", "65536", "-1", "10987x", "1.5"})
    EXPECT_FALSE(PortFromText(QString::fromLatin1(bad))) << bad;
}

TEST(Protocol, AddressListPutsTheLoopbackFirstWhenMissing) {
  EXPECT_EQ(AddressListEntries({QStringLiteral("192.168.1.20"), QStringLiteral("10.0.0.5")}),
            QStringList({"127.0.0.1", "192.168.1.20", "10.0.0.5"}));
  // Present already: the order is the system's, IPv6 and doubles left out.
  EXPECT_EQ(AddressListEntries({QStringLiteral("192.168.1.20"), QStringLiteral("::1"),
                                QStringLiteral("127.0.0.1"), QStringLiteral("192.168.1.20")}),
            QStringList({"192.168.1.20", "127.0.0.1"}));
  EXPECT_EQ(AddressListEntries({}), QStringList({"127.0.0.1"}));
}

TEST(Protocol, AddressListHoldsAHundredEntriesAndKeepsTheLoopback) {
  QStringList many;
  for (int i = 0; i < 150; ++i)
    many.append(QStringLiteral("10.0.%1.%2").arg(i / 200).arg(i % 200 + 1));
  many.append(QStringLiteral("127.0.0.1"));
  const QStringList entries = AddressListEntries(many);
  ASSERT_EQ(entries.size(), 100);
  EXPECT_EQ(entries.front(), QStringLiteral("10.0.0.1"));
  EXPECT_TRUE(entries.contains(QStringLiteral("127.0.0.1")));
}

TEST(LineSplitter, SplitsAtLfAndDropsTheCrBeforeIt) {
  LineSplitter splitter;
  EXPECT_EQ(splitter.Feed("LI"), QList<QByteArray>());
  EXPECT_EQ(splitter.Feed("ST\r\nshow \"A\"\n\nx\r"),
            QList<QByteArray>({"LIST", "show \"A\"", ""}));
  // A CR that is not just before the LF stays.
  EXPECT_EQ(splitter.Feed("\ry\n"), QList<QByteArray>({"x\r\ry"}));
}

TEST(LineSplitter, ThrowsAwayALineLongerThanTheLimitUpToItsLf) {
  LineSplitter splitter(8);
  EXPECT_EQ(splitter.Feed("12345678\n"), QList<QByteArray>({"12345678"}));  // at the limit
  EXPECT_TRUE(splitter.Feed("123456789").isEmpty());
  EXPECT_TRUE(splitter.Feed("more bytes of the same line").isEmpty());
  EXPECT_EQ(splitter.Buffered(), 0);
  EXPECT_EQ(splitter.Feed("tail\nLIST\n"), QList<QByteArray>({"LIST"}));
  EXPECT_EQ(splitter.DiscardedLines(), 1u);
}

TEST(LineSplitter, AFloodWithoutLineEndsCostsNoMemory) {
  LineSplitter splitter;
  const QByteArray block(1 << 20, 'x');
  for (int i = 0; i < 8; ++i) EXPECT_TRUE(splitter.Feed(block).isEmpty());
  EXPECT_EQ(splitter.Buffered(), 0);
  EXPECT_EQ(splitter.Feed("\nLIST\n"), QList<QByteArray>({"LIST"}));
}

TEST(OutgoingQueue, DropsTheOldestWholeLinesBeyondTheBound) {
  OutgoingQueue queue(10);
  queue.Push("aaaa\r\n");  // 6
  queue.Push("bbb\r\n");   // 11 > 10: the oldest goes
  EXPECT_EQ(queue.Dropped(), 1u);
  EXPECT_EQ(queue.Bytes(), 5);
  queue.Push("cc\r\n");  // 9
  EXPECT_EQ(queue.Pop(), QByteArray("bbb\r\n"));
  EXPECT_EQ(queue.Pop(), QByteArray("cc\r\n"));
  EXPECT_TRUE(queue.Empty());
  EXPECT_EQ(queue.Bytes(), 0);
  // A single line above the bound still goes out whole.
  queue.Push(QByteArray(20, 'z'));
  EXPECT_EQ(queue.Pop().size(), 20);
}

TEST(ClientSlots, TenSlotsInOrderAndTheEleventhGetsNone) {
  ClientSlots table;
  const std::uint64_t generation = table.Generation();
  for (ConnectionId id = 1; id <= 10; ++id) EXPECT_EQ(table.Take(id, generation), int(id));
  EXPECT_EQ(table.Take(11, generation), 0);
  EXPECT_TRUE(table.Release(3));
  EXPECT_FALSE(table.Release(11));  // held none
  EXPECT_EQ(table.Take(12, generation), 3);
  EXPECT_EQ(table.Holders()[2], 12u);
  EXPECT_EQ(table.ActiveCount(), 10);
}

TEST(ClientSlots, AConnectionAcceptedBeforeAStopGetsNoSlot) {
  ClientSlots table;
  const std::uint64_t before = table.Generation();
  EXPECT_EQ(table.Take(1, before), 1);
  table.Clear();
  EXPECT_FALSE(table.AnyActive());
  EXPECT_EQ(table.Take(2, before), 0);
  EXPECT_EQ(table.Take(2, table.Generation()), 1);
}

TEST(ClientSlots, ConcurrentTakeAndReleaseNeverLoseOrShareASlot) {
  ClientSlots table;
  const std::uint64_t generation = table.Generation();
  std::atomic<int> overfull{0};
  std::vector<QThread*> threads;
  for (int t = 0; t < 4; ++t) {
    threads.push_back(QThread::create([&, t] {
      for (int i = 0; i < 5000; ++i) {
        const ConnectionId id = static_cast<ConnectionId>(t) * 100000 + i + 1;
        if (table.Take(id, generation) > 0) {
          const auto holders = table.Holders();
          if (std::count(holders.begin(), holders.end(), id) != 1) ++overfull;
          table.Release(id);
        }
      }
    }));
    threads.back()->start();
  }
  for (QThread* thread : threads) {
    thread->wait();
    delete thread;
  }
  EXPECT_EQ(overfull.load(), 0);
  EXPECT_FALSE(table.AnyActive());
}

TEST(DdeNames, ServiceIsTheFileNameCutAtItsFirstDot) {
  EXPECT_EQ(DdeServiceName(QStringLiteral("/opt/orvane/orvane")), QStringLiteral("orvane"));
  EXPECT_EQ(DdeServiceName(QStringLiteral("/x/Orvane.exe")), QStringLiteral("Orvane"));
  EXPECT_EQ(DdeServiceName(QStringLiteral("orvane.v2.bin")), QStringLiteral("orvane"));
  EXPECT_EQ(DdeBusName(QStringLiteral("orvane")), QStringLiteral("org.orvane.dde.orvane"));
  EXPECT_EQ(DdeBusName(QStringLiteral("my orvane+")), QStringLiteral("org.orvane.dde.my_orvane_"));
  EXPECT_EQ(DdeBusName(QStringLiteral("3d")), QStringLiteral("org.orvane.dde._3d"));
}

TEST(DdeNames, ItemValueIsTextCrLfAndAZeroByte) {
  EXPECT_EQ(DdeItemValue(QString()), QByteArray(1, '\0'));
  EXPECT_EQ(DdeItemValue(QStringLiteral("ISS AZ:1.0")), QByteArray("ISS AZ:1.0\r\n\0", 13));
}

}  // namespace
}  // namespace sharing
