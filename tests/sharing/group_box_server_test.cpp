// The server group of the settings panel over a real server on 127.0.0.1.
#include "sharing/group_box_server.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>

#include "base/catalogue_translator.h"
#include "base/help_request.h"
#include "base/sounds.h"
#include "net_fixture.h"

namespace sharing::test {
namespace {

class GroupBoxServerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    server = std::make_unique<TcpServer>(QStringLiteral(ORVANE_VERSION), TcpServerHooks{});
    GroupBoxServer::Environment environment;
    environment.server = server.get();
    environment.dialogs = &dialogs;
    // 192.0.2.10 belongs to no host: checking it makes the start fail.
    environment.hostAddresses = [] { return QStringList{QStringLiteral("192.0.2.10")}; };
    box = std::make_unique<GroupBoxServer>(environment);
    box->FillAddressList();
  }

  void Check(int row, bool on) {
    box->lbIPs->item(row)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
  }
  // Start-up with the loopback checked and a port the system chooses.
  void StartRunning() {
    box->CheckAddresses({QStringLiteral("127.0.0.1")});
    box->edtPort->setText(QStringLiteral("0"));
    box->StartUp();
    ASSERT_TRUE(server->Running());
  }
  QString Status() const { return box->StatusServer->currentMessage(); }

  base::RecordingDialogs dialogs;
  std::unique_ptr<TcpServer> server;
  std::unique_ptr<GroupBoxServer> box;
};

TEST_F(GroupBoxServerTest, TheAddressListAlwaysHoldsTheLoopbackFirst) {
  ASSERT_EQ(box->lbIPs->count(), 2);
  EXPECT_EQ(box->lbIPs->item(0)->text(), QStringLiteral("127.0.0.1"));
  EXPECT_EQ(box->lbIPs->item(1)->text(), QStringLiteral("192.0.2.10"));
  EXPECT_TRUE(box->lbIPs->item(0)->flags() & Qt::ItemIsUserCheckable);
  box->CheckAddresses({QStringLiteral("192.0.2.10"), QStringLiteral("10.1.1.1")});
  EXPECT_EQ(box->CheckedAddresses(), QStringList({"192.0.2.10"}));
  EXPECT_EQ(box->edtPort->text(), QStringLiteral("10987"));
  EXPECT_TRUE(box->isHidden());
  EXPECT_TRUE(box->btnStartServer->isHidden());
  EXPECT_TRUE(box->btnStopServer->isHidden());
  EXPECT_EQ(Status(), QStringLiteral("Server is stopped"));
}

TEST_F(GroupBoxServerTest, StartUpStartsOnlyWithACheckedAddressAndAPort) {
  box->StartUp();
  EXPECT_FALSE(server->Running());
  EXPECT_TRUE(dialogs.warnings.isEmpty());

  box->CheckAddresses({QStringLiteral("127.0.0.1")});
  box->edtPort->clear();
  box->StartUp();
  EXPECT_FALSE(server->Running());
  EXPECT_EQ(box->SavedServerPort(), QString());

  box->edtPort->setText(QStringLiteral("0"));
  box->StartUp();
  EXPECT_TRUE(server->Running());
  EXPECT_TRUE(box->SavedAddressCheck(0));
  EXPECT_FALSE(box->SavedAddressCheck(1));
  EXPECT_EQ(box->SavedServerPort(), QStringLiteral("0"));
  EXPECT_EQ(Status(), QStringLiteral("Server is running not connected"));
}

TEST_F(GroupBoxServerTest, TheStatusFollowsAClientThatComesAndGoes) {
  StartRunning();
  LineClient client(server->ListeningPorts().front());
  ASSERT_TRUE(client.WaitLines(1));
  ASSERT_TRUE(
      WaitUntil([&] { return Status() == QStringLiteral("Server is running and connected"); }));
  client.Close();
  EXPECT_TRUE(
      WaitUntil([&] { return Status() == QStringLiteral("Server is running not connected"); }));
}

TEST_F(GroupBoxServerTest, OkAfterOnlyThePortChangedWithNoAddressCheckedWarnsThenStops) {
  StartRunning();
  box->show();
  Check(0, false);
  box->edtPort->setText(QStringLiteral("10988"));
  box->BitBtnServerOK->click();
  EXPECT_EQ(dialogs.warnings,
            QStringList({"Cannot proceed until you select at least one IP to bind!"}));
  EXPECT_FALSE(server->Running());
  EXPECT_TRUE(box->isHidden());
  EXPECT_EQ(box->SavedServerPort(), QStringLiteral("10988"));
  EXPECT_EQ(Status(), QStringLiteral("Server is stopped"));
}

TEST_F(GroupBoxServerTest, OkWithoutAChangeLeavesTheServerAsItIs) {
  StartRunning();
  const quint16 port = server->ListeningPorts().front();
  box->BitBtnServerOKClick();
  EXPECT_TRUE(server->Running());
  EXPECT_EQ(server->ListeningPorts().front(), port);  // not restarted on a new port

  // After a failed start as well: no second attempt, no second message.
  server->StopServer();
  Check(1, true);
  box->BitBtnServerOKClick();
  ASSERT_EQ(dialogs.errors.size(), 1);
  EXPECT_TRUE(dialogs.errors[0].startsWith(QStringLiteral("Error starting server\n\n")));
  EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("192.0.2.10")));
  EXPECT_TRUE(dialogs.errors[0].endsWith(QLatin1Char('\n')));
  EXPECT_FALSE(server->Running());
  box->BitBtnServerOKClick();
  EXPECT_EQ(dialogs.errors.size(), 1);
  EXPECT_FALSE(server->Running());
}

TEST_F(GroupBoxServerTest, UncheckingEveryAddressStopsARunningServer) {
  StartRunning();
  Check(0, false);
  box->BitBtnServerOKClick();
  EXPECT_FALSE(server->Running());
  EXPECT_TRUE(dialogs.warnings.isEmpty());  // no start was asked for
  EXPECT_EQ(Status(), QStringLiteral("Server is stopped"));
  // Checking it again starts it.
  Check(0, true);
  box->BitBtnServerOKClick();
  EXPECT_TRUE(server->Running());
}

TEST_F(GroupBoxServerTest, APortThatIsNoNumberFailsWithItsReason) {
  box->CheckAddresses({QStringLiteral("127.0.0.1")});
  box->edtPort->setText(QStringLiteral("port"));
  box->btnStartServer->click();
  ASSERT_EQ(dialogs.errors.size(), 1);
  EXPECT_EQ(dialogs.errors[0],
            QStringLiteral("Error starting server\n\n\"port\" is not a valid port number\n"));
  EXPECT_EQ(box->ServerErrors(), QStringList({"\"port\" is not a valid port number"}));
  EXPECT_EQ(Status(), QStringLiteral("Server is stopped"));
}

TEST_F(GroupBoxServerTest, CancelPutsBackTheSavedChecksAndPort) {
  StartRunning();
  box->show();
  Check(0, false);
  Check(1, true);
  box->edtPort->setText(QStringLiteral("4000"));
  box->BitBtnAnnulerServer->click();
  EXPECT_EQ(box->CheckedAddresses(), QStringList({"127.0.0.1"}));
  EXPECT_EQ(box->edtPort->text(), QStringLiteral("0"));
  EXPECT_TRUE(box->isHidden());
  EXPECT_TRUE(server->Running());
}

TEST_F(GroupBoxServerTest, TheStopButtonStopsAndSaysNothingWhenAllGoesWell) {
  StartRunning();
  box->btnStopServer->click();
  EXPECT_FALSE(server->Running());
  EXPECT_TRUE(dialogs.errors.isEmpty());
  box->btnStopServer->click();  // not running: nothing to do
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

struct LanguageTexts {
  const char* code;
  const char* caption;
  const char* hint;
  const char* cancel;
  const char* note;
  const char* listening;
  const char* connected;
  const char* stopped;
};

TEST_F(GroupBoxServerTest, EveryLanguageHasItsTextsAndTheStatusIsRefreshedAtOnce) {
  const LanguageTexts languages[] = {
      {"es", "Servidor TCPIP", "Para inicializar el servidor TCPIP", "Cancelar",
       "Por favor marque la IP(s) para iniciar el servidor o desmarque para parar el servidor",
       "Servidor corriendo no conectado", "Servidor corriendo y conectado", "Servidor parado"},
      {"fr", "Serveur TCPIP", "Initialiser le serveur TCPIP", "Annuler",
       "Cocher une IP(s) pour démarrer le serveur ou décocher toutes les IPs pour l'arrèter",
       "Le server est démarré non connecté", "Le serveur est démarré et connecté",
       "Le serveur est arrèté"},
      {"de", "TCPIP-Server", "Den Server initialisieren", "Abbrechen",
       "Markieren Sie bitte eine IP(s), um ihn zu aktivieren und entfernen Sie die Markierung, "
       "um ihn wieder zu stoppen",
       "Server läuft, is aber nicht verbunden", "Server läuft und is verbunden",
       "Server ist angehalten"},
      {"it", "Server TCPIP", "Per inizializzare il server TCPIP", "Cancellare",
       "Contrassegni prego il IP(s) per iniziare il server o il IP libero per arrestarsi",
       "Il server é corrente e non collegato", "Il server é corrente e collegato",
       "Il server é bloccato"},
  };
  base::CatalogueTranslator catalogue(QStringLiteral("sharing"));
  for (const LanguageTexts& l : languages) {
    SCOPED_TRACE(l.code);
    ASSERT_TRUE(catalogue.Apply(QString::fromLatin1(l.code)));
    server->StopServer();
    box->RetranslateUi();
    EXPECT_EQ(box->title(), QString::fromUtf8(l.caption));
    EXPECT_EQ(GroupBoxServer::ButtonHint(), QString::fromUtf8(l.hint));
    EXPECT_EQ(box->BitBtnAnnulerServer->text(), QString::fromUtf8(l.cancel));
    EXPECT_EQ(box->LabelHintServer->text(), QString::fromUtf8(l.note));
    EXPECT_EQ(Status(), QString::fromUtf8(l.stopped));
    EXPECT_EQ(GroupBoxServer::StatusText(ServerState::Connected), QString::fromUtf8(l.connected));
    ASSERT_TRUE(server->StartServer({QStringLiteral("127.0.0.1")}, QStringLiteral("0"), nullptr));
    EXPECT_EQ(Status(), QString::fromUtf8(l.listening));
  }
  catalogue.Apply(QString());
  box->RetranslateUi();
  EXPECT_EQ(box->title(), QStringLiteral("TCPIP Server"));
  EXPECT_EQ(Status(), QStringLiteral("Server is running not connected"));
}

TEST_F(GroupBoxServerTest, TheHelpButtonOpensTheServerTopic) {
  base::RecordingHelp help;
  box->SpeedButtonhelpFile->click();
  EXPECT_EQ(help.requests, std::vector<QString>({QStringLiteral("topic 13")}));
}

TEST_F(GroupBoxServerTest, TheDdeStateShowsOnlyWhenThereIsSomethingToSay) {
  EXPECT_TRUE(box->LabelDdeStatus->isHidden());
  box->SetDdeStatus(QStringLiteral("DDE server off: no D-Bus session bus"));
  EXPECT_FALSE(box->LabelDdeStatus->isHidden());
  EXPECT_EQ(box->LabelDdeStatus->text(), QStringLiteral("DDE server off: no D-Bus session bus"));
}

}  // namespace
}  // namespace sharing::test
