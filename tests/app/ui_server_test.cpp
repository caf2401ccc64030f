// Data sharing on the main window: the server group of the settings panel, the server
// started from the settings file, "LIST" and "SHOW" against the window, the tick's report
// lines to real TCP clients, and the quit refused while a DDE conversation is open.
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTcpServer>
#include <limits>

#include "base/ansi_text.h"
#include "prediction/panel_explorer.h"
#include "sharing/dde_server.h"
#include "sharing/group_box_server.h"
#include "sharing/tcp_server.h"
#include "tests/app/ui_fixture.h"
#include "tests/sharing/dbus_client.h"
#include "tests/sharing/net_fixture.h"

namespace app::test {
namespace {

using sharing::test::LineClient;
using sharing::test::SilentClient;
using sharing::test::WaitUntil;

const QByteArray kGreeting = "Connected to ORVANE V" ORVANE_VERSION "\r\n";

quint16 FreePort() {
  QTcpServer probe;
  probe.listen(QHostAddress::LocalHost, 0);
  return probe.serverPort();
}

class ServerUiTest : public UiTest {
 protected:
  // A complete settings file whose server listens on the loopback.
  TForm1& StartServing(const QStringList& numbers, QStringList extra = {}) {
    realReports = true;
    port = FreePort();
    CopySampleElements();
    extra << QStringLiteral("TCPIP_PORT=%1").arg(port) << QStringLiteral("IP_CHECKED=127.0.0.1");
    WriteSettings(numbers, extra);
    return Start();
  }

  QString Status() const { return form->GroupBoxServer->StatusServer->currentMessage(); }

  quint16 port = 0;
};

TEST_F(ServerUiTest, TheSettingsPanelShowsTheServerGroupInPlaceOfTheGroups) {
  TForm1& f = Start();  // no settings file: the settings panel
  ASSERT_TRUE(f.SettingsPanelShowing());
  EXPECT_FALSE(f.BitBtnServer->isHidden());
  EXPECT_EQ(f.BitBtnServer->toolTip(), QStringLiteral("To initialize TCPIP server"));
  EXPECT_TRUE(f.GroupBoxServer->isHidden());
  EXPECT_EQ(f.GroupBoxServer->objectName(), QStringLiteral("GroupBoxServer"));
  EXPECT_EQ(
      f.GroupBoxServer->lbIPs->findItems(QStringLiteral("127.0.0.1"), Qt::MatchExactly).size(), 1);
  EXPECT_EQ(f.GroupBoxServer->edtPort->text(), QStringLiteral("10987"));
  EXPECT_EQ(Status(), QStringLiteral("Server is stopped"));

  f.BitBtnServer->click();
  EXPECT_TRUE(f.GroupBoxServer->isVisible());
  EXPECT_TRUE(f.GroupBoxSatellite->isHidden());
  f.GroupBoxServer->BitBtnAnnulerServer->click();
  EXPECT_TRUE(f.GroupBoxServer->isHidden());
  EXPECT_TRUE(f.GroupBoxSatellite->isVisible());

  // The antenna pages put it away like Cancel.
  f.BitBtnServer->click();
  f.GroupBoxServer->edtPort->setText(QStringLiteral("1234"));
  f.BitBtnAntenne->click();
  EXPECT_TRUE(f.GroupBoxServer->isHidden());
  EXPECT_TRUE(f.GroupBoxAntenna->isVisible());
  EXPECT_TRUE(f.GroupBoxSatellite->isHidden());
  EXPECT_EQ(f.GroupBoxServer->edtPort->text(), QStringLiteral("10987"));
}

TEST_F(ServerUiTest, AnAddressCheckedInTheSettingsStartsTheServerAtStartUp) {
  TForm1& f = StartServing(SampleNumbers(3));
  ASSERT_TRUE(f.TcpServer().Running());
  EXPECT_EQ(f.GroupBoxServer->CheckedAddresses(), QStringList({"127.0.0.1"}));
  EXPECT_EQ(f.GroupBoxServer->SavedServerPort(), QString::number(port));
  EXPECT_EQ(Status(), QStringLiteral("Server is running not connected"));
  LineClient client(port);
  ASSERT_TRUE(client.WaitLines(1));
  EXPECT_EQ(client.lines_[0], kGreeting);
  EXPECT_TRUE(
      WaitUntil([&] { return Status() == QStringLiteral("Server is running and connected"); }));

  // Unchecking the address and OK stops it.
  f.MenuInitialisation->trigger();
  f.BitBtnServer->click();
  f.GroupBoxServer->lbIPs->findItems(QStringLiteral("127.0.0.1"), Qt::MatchExactly)[0]
      ->setCheckState(Qt::Unchecked);
  f.GroupBoxServer->BitBtnServerOK->click();
  EXPECT_FALSE(f.TcpServer().Running());
  EXPECT_EQ(Status(), QStringLiteral("Server is stopped"));
  EXPECT_TRUE(
      WaitUntil([&] { return client.socket_.state() == QAbstractSocket::UnconnectedState; }));
}

TEST_F(ServerUiTest, ListAndShowActOnTheMainWindow) {
  TForm1& f = StartServing(SampleNumbers(3));
  f.TimerFinCreateTimer();
  ASSERT_TRUE(f.CompactListShowing());
  LineClient client(port);
  ASSERT_TRUE(client.WaitLines(1));
  // The names as the sample file spells them, slots 1 to 3.
  client.Send("list\n");
  ASSERT_TRUE(client.WaitLines(2));
  EXPECT_EQ(client.lines_[1], QByteArray("LIST \"ALSAT 1N\" \"JUGNU\" \"LILACSAT-1\"\r\n"));

  // The compact list is showing, not the explorer: SHOW does nothing.
  client.Send("SHOW \"JUGNU\"\nLIST\n");
  ASSERT_TRUE(client.WaitLines(3));
  EXPECT_FALSE(f.ExplorerShowing());

  f.ShowSlot(1);
  ASSERT_TRUE(f.ExplorerShowing());
  EXPECT_EQ(f.Explorer()->SatelliteName(), QStringLiteral("ALSAT 1N"));
  // JUGNU never rises over Paris: its slot has no pass to show.
  client.Send("show \"lilacsat-1\"\r\n");
  ASSERT_TRUE(
      WaitUntil([&] { return f.Explorer()->SatelliteName() == QStringLiteral("LILACSAT-1"); }));
  client.Send("SHOW \"ALSAT 1N\nLIST\n");  // no closing quote: "ALSAT 1" matches nothing
  ASSERT_TRUE(client.WaitLines(4));
  EXPECT_EQ(f.Explorer()->SatelliteName(), QStringLiteral("LILACSAT-1"));
}

// The ISS over Paris: a minute before the pass and its first minute, with one client
// that reads and one that never does and whose pipe is full. Every tick stays short, the
// reader gets the not-in-view line once and then one line per second.
TEST_F(ServerUiTest, TheTickReportsToTheClientsWhileOneNeverReads) {
  TForm1& f = StartServing({QStringLiteral("25544")}, {QStringLiteral("PREVIEW=OFF")});
  f.TimerFinCreateTimer();
  const double aos = static_cast<double>(f.Slots()[0].passStart) + 1.0 / 24;  // local
  // The pass list computed again a minute before the rise, so that its countdown runs.
  clock.Set(aos - 60.0 / 86400);
  f.MenuInitialisation->trigger();
  f.BitBtn_OK_Location->click();
  f.ShowSlot(1);
  ASSERT_TRUE(f.ExplorerShowing());
  // The test clock drives the tick; the timer stays on but never fires by itself while
  // the clients are served.
  f.Timerseconde->setInterval(std::numeric_limits<int>::max());
  SilentClient silent(port);
  ASSERT_TRUE(silent.Connected());
  LineClient reader(port);
  ASSERT_TRUE(reader.WaitLines(1));
  ASSERT_TRUE(WaitUntil([&] { return f.TcpServer().ActiveClients() == 2; }));
  ASSERT_TRUE(sharing::test::Saturate(f.TcpServer(), reader));

  int slowTicks = 0;  // 10 ms or more
  for (int second = 0; second < 120; ++second) {
    clock.AdvanceSeconds(1);
    QElapsedTimer tick;
    tick.start();
    f.TimersecondeTimer();
    if (tick.nsecsElapsed() >= 10'000'000) ++slowTicks;
    sharing::test::Settle(3);
  }
  // One tick may lose the processor to another program on a busy machine; a tick that
  // waited for a client would be slow every second.
  EXPECT_LE(slowTicks, 1);
  ASSERT_TRUE(WaitUntil(
      [&] { return reader.lines_.size() >= 2 && reader.lines_.last().contains(" AH:Y"); }));
  const QList<QByteArray> lines = reader.lines_;
  ASSERT_FALSE(lines.isEmpty());
  // Whole degrees before the rise, tenths after it; a period in every locale.
  const QRegularExpression notInView(
      QStringLiteral("^ISS \\(ZARYA\\) AZ:\\d+\\.0 EL:-?\\d+\\.0 RR:-?\\d+(\\.\\d+)? AH:N\r\n$"));
  const QRegularExpression inView(QStringLiteral(
      "^ISS \\(ZARYA\\) AZ:\\d+\\.\\d EL:-?\\d+\\.\\d RR:-?\\d+(\\.\\d+)? AH:Y\r\n$"));
  EXPECT_TRUE(notInView.match(QString::fromLatin1(lines[0])).hasMatch()) << lines[0].toStdString();
  int below = 0;
  int above = 0;
  for (const QByteArray& line : lines) {
    const QString text = QString::fromLatin1(line);
    if (notInView.match(text).hasMatch()) {
      ++below;
    } else {
      EXPECT_TRUE(inView.match(text).hasMatch()) << line.toStdString();
      ++above;
    }
  }
  EXPECT_EQ(below, 1);
  EXPECT_GE(above, 55);
  EXPECT_LE(above, 61);
}

TEST_F(ServerUiTest, QuitIsRefusedWhileADdeConversationIsOpen) {
  TForm1& f = StartServing(SampleNumbers(2), {QStringLiteral("CONFIRM_QUIT=YES")});
  if (!f.DdeServer().Available()) GTEST_SKIP() << f.DdeServer().Status().toStdString();
  EXPECT_TRUE(f.GroupBoxServer->LabelDdeStatus->isHidden());
  LineClient tcp(port);
  ASSERT_TRUE(tcp.WaitLines(1));
  sharing::test::DdeClient dde(QStringLiteral("quit-client"), f.DdeServer().BusName());
  ASSERT_EQ(dde.Call(QStringLiteral("Connect"), {QStringLiteral("ORVANE_DATA")}),
            QVariantList({true}));

  f.MenuQuitterClick();
  EXPECT_EQ(dialogs.warnings, QStringList({"A DDE conversation is in progress ! Please close the "
                                           "client conversation before quitting !"}));
  EXPECT_EQ(terminated, 0);
  EXPECT_TRUE(f.TcpServer().Running());  // the server keeps going with the program

  f.SwitchLanguage(Language::German);
  f.MenuQuitterClick();
  EXPECT_EQ(dialogs.warnings.value(1),
            QString::fromUtf8("Eine DDE-Konversation ist geöffnet ! Bitte, beenden Sie die "
                              "Client-Konversation bevor verlassung !"));
  EXPECT_EQ(terminated, 0);

  dde.Call(QStringLiteral("Disconnect"));
  f.MenuQuitterClick();
  EXPECT_EQ(terminated, 1);
  EXPECT_FALSE(f.TcpServer().Running());
  EXPECT_TRUE(WaitUntil([&] { return tcp.socket_.state() == QAbstractSocket::UnconnectedState; }));
}

TEST_F(ServerUiTest, TheServerKeysGoBackToTheSettingsFile) {
  // 10.255.255.254 is on no interface here: its check is kept for the day it is back.
  TForm1& f = StartServing(SampleNumbers(1), {QStringLiteral("CONFIRM_QUIT=YES"),
                                              QStringLiteral("IP_CHECKED=10.255.255.254")});
  ASSERT_TRUE(f.TcpServer().Running());
  f.MenuQuitterClick();
  ASSERT_EQ(terminated, 1);
  QStringList lines;
  ASSERT_EQ(base::ReadAnsiLines(File(QStringLiteral("Orvane.ini")), &lines),
            base::TextFileStatus::Ok);
  EXPECT_TRUE(lines.contains(QStringLiteral("TCPIP_PORT=%1").arg(port)));
  EXPECT_EQ(lines.filter(QStringLiteral("IP_CHECKED=")),
            QStringList({"IP_CHECKED=127.0.0.1", "IP_CHECKED=10.255.255.254"}));
}

TEST_F(ServerUiTest, TheServerTextsFollowTheLanguage) {
  TForm1& f = StartServing(SampleNumbers(1));
  f.SwitchLanguage(Language::German);
  EXPECT_EQ(f.GroupBoxServer->title(), QStringLiteral("TCPIP-Server"));
  EXPECT_EQ(f.BitBtnServer->toolTip(), QStringLiteral("Den Server initialisieren"));
  EXPECT_EQ(Status(), QString::fromUtf8("Server läuft, is aber nicht verbunden"));
  f.SwitchLanguage(Language::Italian);
  EXPECT_EQ(f.GroupBoxServer->BitBtnAnnulerServer->text(), QStringLiteral("Cancellare"));
  EXPECT_EQ(Status(), QString::fromUtf8("Il server é corrente e non collegato"));
  f.SwitchLanguage(Language::English);
  EXPECT_EQ(Status(), QStringLiteral("Server is running not connected"));
}

}  // namespace
}  // namespace app::test
