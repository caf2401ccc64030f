// The DDE server on the session bus the test run provides, with clients of their own
// connections and a real gdbus process.
#include "sharing/dde_server.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>

#include "dbus_client.h"
#include "sharing/report_sink.h"
#include "tracking/tick_steps.h"

namespace sharing::test {
namespace {

const QByteArray kZero(1, '\0');

class DdeServerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!QDBusConnection::sessionBus().isConnected()) GTEST_SKIP() << "no session bus";
    service = QStringLiteral("ddetest%1").arg(QCoreApplication::applicationPid());
    server = std::make_unique<DdeServer>(service, QDBusConnection::sessionBus());
    ASSERT_TRUE(server->Available()) << server->Status().toStdString();
  }

  std::unique_ptr<DdeClient> Client() {
    auto client =
        std::make_unique<DdeClient>(QStringLiteral("client%1").arg(++clients), server->BusName());
    EXPECT_TRUE(client->Connected());
    return client;
  }

  static QByteArray Bytes(const QVariantList& reply) {
    return reply.isEmpty() ? QByteArray("<no reply>") : reply.front().toByteArray();
  }

  QString service;
  std::unique_ptr<DdeServer> server;
  int clients = 0;
};

TEST_F(DdeServerTest, TheServiceNameCarriesTheProgramName) {
  EXPECT_EQ(server->BusName(), QStringLiteral("org.orvane.dde.") + service);
  EXPECT_TRUE(server->Status().isEmpty());
}

TEST_F(DdeServerTest, OnlyTheDataTopicOpensAConversationWhateverItsCase) {
  auto a = Client();
  auto b = Client();
  EXPECT_FALSE(server->ConversationOpen());
  EXPECT_EQ(b->Call(QStringLiteral("Connect"), {QStringLiteral("OTHER_TOPIC")}),
            QVariantList({false}));
  EXPECT_FALSE(server->ConversationOpen());
  EXPECT_EQ(a->Call(QStringLiteral("Connect"), {QStringLiteral("orvane_data")}),
            QVariantList({true}));
  EXPECT_TRUE(server->ConversationOpen());
  EXPECT_EQ(server->Conversations(), 1);
}

TEST_F(DdeServerTest, RequestGivesTheZeroByteFirstThenTheLineWithCrLf) {
  auto client = Client();
  client->Call(QStringLiteral("Connect"), {QStringLiteral("ORVANE_DATA")});
  const QVariantList request = {QStringLiteral("ORVANE_SERVER"), QStringLiteral("CF_TEXT")};
  EXPECT_EQ(Bytes(client->Call(QStringLiteral("Request"), request)), kZero);
  server->SetItemText(QStringLiteral("AO-7 AZ:123.4 EL:5.6 RR:-0.299792458 AH:Y"));
  EXPECT_EQ(Bytes(client->Call(QStringLiteral("Request"), request)),
            QByteArray("AO-7 AZ:123.4 EL:5.6 RR:-0.299792458 AH:Y\r\n") + kZero);
  // Names without regard to case; other formats and items get no data.
  EXPECT_EQ(Bytes(client->Call(QStringLiteral("Request"),
                               {QStringLiteral("orvane_server"), QStringLiteral("cf_text")})),
            QByteArray("AO-7 AZ:123.4 EL:5.6 RR:-0.299792458 AH:Y\r\n") + kZero);
  EXPECT_EQ(Bytes(client->Call(QStringLiteral("Request"), {QStringLiteral("ORVANE_SERVER"),
                                                           QStringLiteral("CF_UNICODETEXT")})),
            QByteArray());
  EXPECT_EQ(Bytes(client->Call(QStringLiteral("Request"),
                               {QStringLiteral("OTHER"), QStringLiteral("CF_TEXT")})),
            QByteArray());
}

TEST_F(DdeServerTest, HotLinksGetTheDataAndWarmLinksANoticeOnEveryUpdate) {
  auto hot = Client();
  auto warm = Client();
  auto quiet = Client();
  for (auto* c : {hot.get(), warm.get(), quiet.get()})
    c->Call(QStringLiteral("Connect"), {QStringLiteral("ORVANE_DATA")});
  EXPECT_TRUE(hot->Call(QStringLiteral("Advise"),
                        {QStringLiteral("ORVANE_SERVER"), QStringLiteral("CF_TEXT"), true})
                  .isEmpty());
  warm->Call(QStringLiteral("Advise"),
             {QStringLiteral("Orvane_Server"), QStringLiteral("CF_TEXT"), false});

  server->SetItemText(QStringLiteral("ISS AZ:10.0 EL:1.0 RR:0 AH:Y"));
  server->SetItemText(QStringLiteral("ISS AZ:10.5 EL:1.2 RR:0 AH:Y"));
  ASSERT_TRUE(WaitUntil([&] { return hot->signals_.size() == 2 && warm->signals_.size() == 2; }));
  EXPECT_EQ(hot->signals_[0].member(), QStringLiteral("HotData"));
  EXPECT_EQ(hot->signals_[0].arguments(),
            QVariantList({QStringLiteral("ORVANE_SERVER"),
                          QByteArray("ISS AZ:10.0 EL:1.0 RR:0 AH:Y\r\n") + kZero}));
  EXPECT_EQ(hot->signals_[1].arguments().value(1).toByteArray(),
            QByteArray("ISS AZ:10.5 EL:1.2 RR:0 AH:Y\r\n") + kZero);
  EXPECT_EQ(warm->signals_[1].member(), QStringLiteral("WarmNotice"));
  EXPECT_EQ(warm->signals_[1].arguments(), QVariantList({QStringLiteral("ORVANE_SERVER")}));
  // Addressed signals: a client without a link hears nothing.
  EXPECT_TRUE(quiet->signals_.isEmpty());
  // The warm client fetches the text itself.
  EXPECT_EQ(Bytes(warm->Call(QStringLiteral("Request"),
                             {QStringLiteral("ORVANE_SERVER"), QStringLiteral("CF_TEXT")})),
            QByteArray("ISS AZ:10.5 EL:1.2 RR:0 AH:Y\r\n") + kZero);

  hot->Call(QStringLiteral("Unadvise"), {QStringLiteral("ORVANE_SERVER")});
  server->SetItemText(QStringLiteral("ISS AZ:11.0 EL:1.4 RR:0 AH:Y"));
  ASSERT_TRUE(WaitUntil([&] { return warm->signals_.size() == 3; }));
  Settle();
  EXPECT_EQ(hot->signals_.size(), 2);
}

TEST_F(DdeServerTest, AdviseNeedsAConversationAndTheTextItem) {
  auto client = Client();
  const QVariantList advise = {QStringLiteral("ORVANE_SERVER"), QStringLiteral("CF_TEXT"), true};
  EXPECT_EQ(client->Call(QStringLiteral("Advise"), advise),
            QVariantList({QStringLiteral("org.freedesktop.DBus.Error.AccessDenied")}));
  client->Call(QStringLiteral("Connect"), {QStringLiteral("ORVANE_DATA")});
  EXPECT_EQ(client->Call(QStringLiteral("Advise"),
                         {QStringLiteral("ORVANE_SERVER"), QStringLiteral("CF_BITMAP"), true}),
            QVariantList({QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs")}));
  server->SetItemText(QStringLiteral("x"));
  Settle();
  EXPECT_TRUE(client->signals_.isEmpty());
}

// The flag is not a count: the first close clears it, and from then on the tick leaves
// the item alone, so the remaining client sees it stand still.
TEST_F(DdeServerTest, TwoClientsAndTheFirstCloseClearsTheFlag) {
  auto a = Client();
  auto b = Client();
  a->Call(QStringLiteral("Connect"), {QStringLiteral("ORVANE_DATA")});
  b->Call(QStringLiteral("Connect"), {QStringLiteral("ORVANE_DATA")});
  b->Call(QStringLiteral("Advise"),
          {QStringLiteral("ORVANE_SERVER"), QStringLiteral("CF_TEXT"), true});
  EXPECT_EQ(server->Conversations(), 2);
  SharingReportSink sink(server.get(), nullptr);
  bool ahnSent = false;
  tracking::PublishInView(sink, QStringLiteral("FO-29 AZ:1.0 EL:2.0 RR:0 AH:Y"), ahnSent);
  ASSERT_TRUE(WaitUntil([&] { return b->signals_.size() == 1; }));

  a->Call(QStringLiteral("Disconnect"));
  EXPECT_FALSE(server->ConversationOpen());
  EXPECT_EQ(server->Conversations(), 1);
  tracking::PublishInView(sink, QStringLiteral("FO-29 AZ:1.5 EL:2.5 RR:0 AH:Y"), ahnSent);
  Settle();
  EXPECT_EQ(b->signals_.size(), 1);
  EXPECT_EQ(Bytes(b->Call(QStringLiteral("Request"),
                          {QStringLiteral("ORVANE_SERVER"), QStringLiteral("CF_TEXT")})),
            QByteArray("FO-29 AZ:1.0 EL:2.0 RR:0 AH:Y\r\n") + kZero);
  // A new open sets it again.
  a->Call(QStringLiteral("Connect"), {QStringLiteral("ORVANE_DATA")});
  EXPECT_TRUE(server->ConversationOpen());
}

TEST_F(DdeServerTest, AClientLeavingTheBusClosesItsConversation) {
  auto client = Client();
  client->Call(QStringLiteral("Connect"), {QStringLiteral("ORVANE_DATA")});
  client->Call(QStringLiteral("Advise"),
               {QStringLiteral("ORVANE_SERVER"), QStringLiteral("CF_TEXT"), true});
  ASSERT_TRUE(server->ConversationOpen());
  client->Leave();
  EXPECT_TRUE(WaitUntil([&] { return !server->ConversationOpen(); }));
  EXPECT_EQ(server->Conversations(), 0);
  server->SetItemText(QStringLiteral("still fine"));  // no link left to notify
}

TEST_F(DdeServerTest, PokeAndExecuteAreAcceptedAndChangeNothing) {
  auto client = Client();
  client->Call(QStringLiteral("Connect"), {QStringLiteral("ORVANE_DATA")});
  server->SetItemText(QStringLiteral("SO-50 AZ:3.0 EL:4.0 RR:0 AH:Y"));
  EXPECT_TRUE(client
                  ->Call(QStringLiteral("Poke"),
                         {QStringLiteral("ORVANE_SERVER"), QStringLiteral("CF_TEXT"),
                          QByteArray("garbage\0\xff", 9)})
                  .isEmpty());
  EXPECT_TRUE(client->Call(QStringLiteral("Execute"), {QStringLiteral("[quit()]")}).isEmpty());
  EXPECT_EQ(server->ItemText(), QStringLiteral("SO-50 AZ:3.0 EL:4.0 RR:0 AH:Y"));
  EXPECT_TRUE(server->ConversationOpen());
}

// gdbus as an outside program: each call is a client of its own that leaves the bus
// when it ends, which closes the conversation it opened.
TEST_F(DdeServerTest, GdbusCallsFromAnotherProgram) {
  const QString gdbus = QStandardPaths::findExecutable(QStringLiteral("gdbus"));
  if (gdbus.isEmpty()) GTEST_SKIP() << "gdbus missing";
  const auto run = [&](const QStringList& method) {
    QProcess process;
    process.start(gdbus, QStringList{QStringLiteral("call"), QStringLiteral("--session"),
                                     QStringLiteral("--dest"), server->BusName(),
                                     QStringLiteral("--object-path"), QStringLiteral("/"),
                                     QStringLiteral("--method")} +
                             method);
    WaitUntil([&] { return process.state() == QProcess::NotRunning; }, 5000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
  };
  EXPECT_EQ(run({QStringLiteral("org.orvane.dde.Request"), QStringLiteral("ORVANE_SERVER"),
                 QStringLiteral("CF_TEXT")}),
            QStringLiteral("(b'',)"));  // a byte string is printed without its zero
  EXPECT_EQ(run({QStringLiteral("org.orvane.dde.Connect"), QStringLiteral("orvane_data")}),
            QStringLiteral("(true,)"));
  EXPECT_TRUE(WaitUntil([&] { return server->Conversations() == 0; }));
  EXPECT_FALSE(server->ConversationOpen());
  server->SetItemText(QStringLiteral("AO-7 AZ:1.0 EL:2.0 RR:0 AH:Y"));
  EXPECT_EQ(run({QStringLiteral("org.orvane.dde.Request"), QStringLiteral("ORVANE_SERVER"),
                 QStringLiteral("CF_TEXT")}),
            QStringLiteral("(b'AO-7 AZ:1.0 EL:2.0 RR:0 AH:Y\\r\\n',)"));
}

TEST_F(DdeServerTest, ASecondCopyFindsTheNameTakenAndRunsWithoutDde) {
  QDBusConnection other =
      QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("second-copy"));
  {
    DdeServer second(service, other);
    EXPECT_FALSE(second.Available());
    EXPECT_TRUE(second.Status().contains(server->BusName()));
    second.SetItemText(QStringLiteral("nobody hears this"));
    EXPECT_FALSE(second.ConversationOpen());
  }
  QDBusConnection::disconnectFromBus(QStringLiteral("second-copy"));
  EXPECT_TRUE(server->Available());
}

TEST(DdeWithoutBus, TheServerStaysOffAndSaysSoOnce) {
  QDBusConnection none = QDBusConnection::connectToBus(
      QStringLiteral("unix:path=/nonexistent/orvane-test-bus"), QStringLiteral("no-bus"));
  DdeServer server(QStringLiteral("orvane"), none);
  EXPECT_FALSE(server.Available());
  EXPECT_FALSE(server.Status().isEmpty());
  EXPECT_FALSE(server.ConversationOpen());
  SharingReportSink sink(&server, nullptr);
  EXPECT_FALSE(sink.DdeConversationOpen());
  sink.SetDdeItem(QStringLiteral("AO-7"));
  EXPECT_EQ(server.ItemText(), QStringLiteral("AO-7"));
  QDBusConnection::disconnectFromBus(QStringLiteral("no-bus"));
}

}  // namespace
}  // namespace sharing::test
