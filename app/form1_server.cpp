// Data sharing on the main window: the DDE and TCP/IP servers, the server group of the
// settings panel, the report road of the tick and the moon window, and the start-up and
// quit hooks.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QGridLayout>
#include <QGroupBox>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "app/form1.h"
#include "app/named_widget.h"
#include "sharing/dde_server.h"
#include "sharing/group_box_server.h"
#include "sharing/report_sink.h"
#include "sharing/tcp_server.h"

namespace app {

namespace {

// The layout that holds `widget` directly, searched from `layout` down.
QBoxLayout* LayoutHolding(QLayout* layout, QWidget* widget) {
  if (layout == nullptr) return nullptr;
  if (layout->indexOf(widget) >= 0) return qobject_cast<QBoxLayout*>(layout);
  for (int i = 0; i < layout->count(); ++i) {
    if (QBoxLayout* found = LayoutHolding(layout->itemAt(i)->layout(), widget)) return found;
  }
  return nullptr;
}

}  // namespace

void TForm1::BuildServers() {
  sharing::TcpServerHooks hooks;
  hooks.selectedNames = [this] {
    QStringList names;
    for (int slot = 1; slot <= prediction::kSlotCount; ++slot)
      names.append(SelectedName(activeGroup_, slot));
    return names;
  };
  hooks.explorerShown = [this] { return !quitting_ && ExplorerShowing(); };
  hooks.showSlot = [this](int slot) { ShowSlot(slot); };
  tcpServer_ = std::make_unique<sharing::TcpServer>(QStringLiteral(ORVANE_VERSION), hooks);
  ddeServer_ = std::make_unique<sharing::DdeServer>(
      sharing::DdeServiceName(QCoreApplication::applicationFilePath()),
      QDBusConnection::sessionBus());
  sharingSink_ = std::make_unique<sharing::SharingReportSink>(
      ddeServer_->Available() ? ddeServer_.get() : nullptr, tcpServer_.get());

  sharing::GroupBoxServer::Environment environment;
  environment.server = tcpServer_.get();
  environment.dialogs = env_.dialogs;
  GroupBoxServer = new sharing::GroupBoxServer(environment);
  // The server group takes the groups' place while it shows, like the antenna pages.
  if (QBoxLayout* columns = LayoutHolding(PanelLocator->layout(), GroupBoxAntenna))
    columns->addWidget(GroupBoxServer, 1);
  connect(GroupBoxServer, &sharing::GroupBoxServer::Closed, this, [this] {
    if (GroupBoxAntenna->isHidden()) GroupBoxSatellite->show();
  });

  BitBtnServer = Named(new QPushButton, QStringLiteral("BitBtnServer"));
  BitBtnServer->setAutoDefault(false);
  if (auto* grid = qobject_cast<QGridLayout*>(GroupBoxOptions->layout()))
    grid->addWidget(BitBtnServer, grid->rowCount(), 0, 1, 3);
  connect(BitBtnServer, &QPushButton::clicked, this, &TForm1::BitBtnServerClick);
  // The antenna pages put the server group away as Cancel would.
  connect(BitBtnAntenne, &QPushButton::clicked, this, [this] {
    if (!GroupBoxServer->isHidden()) GroupBoxServer->BitBtnAnnulerServerClick();
  });

  // Start-up step 5: the address list before the settings file checks its entries.
  GroupBoxServer->FillAddressList();

  // Hooks the tests have not taken over.
  if (!env_.seams.startTcpServer) env_.seams.startTcpServer = [this] { GroupBoxServer->StartUp(); };
  if (!env_.seams.stopTcpServer) {
    env_.seams.stopTcpServer = [this] {
      if (tcpServer_->Running()) GroupBoxServer->btnStopServerClick();
    };
  }
  if (!env_.seams.ddeConversationOpen)
    env_.seams.ddeConversationOpen = [this] { return ddeServer_->ConversationOpen(); };
}

tracking::ReportSink& TForm1::Reports() {
  return env_.reportSink != nullptr ? *env_.reportSink : *sharingSink_;
}

void TForm1::BitBtnServerClick() {
  GroupBoxSatellite->hide();
  GroupBoxAntenna->hide();
  GroupBoxServer->show();
  GroupBoxServer->lbIPs->setFocus();
}

void TForm1::RetranslateServer() {
  if (GroupBoxServer == nullptr) return;
  BitBtnServer->setText(tr("TCPIP"));
  BitBtnServer->setToolTip(sharing::GroupBoxServer::ButtonHint());
  GroupBoxServer->RetranslateUi();
  GroupBoxServer->SetDdeStatus(ddeServer_->Status());
}

void TForm1::ApplyServerSettings() {
  GroupBoxServer->edtPort->setText(settings_.tcpPort);
  GroupBoxServer->CheckAddresses(settings_.ipChecked);
}

void TForm1::CollectServerSettings() {
  settings_.tcpPort = GroupBoxServer->edtPort->text();
  // A checked address that is missing from this run's list (an interface that is down)
  // keeps its line: the user could not uncheck it.
  QStringList listed;
  for (int i = 0; i < GroupBoxServer->lbIPs->count(); ++i)
    listed.append(GroupBoxServer->lbIPs->item(i)->text());
  QStringList checked = GroupBoxServer->CheckedAddresses();
  for (const QString& address : settings_.ipChecked) {
    if (!listed.contains(address) && !checked.contains(address)) checked.append(address);
  }
  settings_.ipChecked = checked;
}

}  // namespace app
