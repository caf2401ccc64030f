#include "sharing/group_box_server.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QNetworkInterface>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "base/help_button.h"
#include "base/sounds.h"

namespace sharing {

namespace {

template <typename W>
W* Named(W* widget, const char* name) {
  widget->setObjectName(QLatin1String(name));
  return widget;
}

}  // namespace

QStringList LocalIPv4Addresses() {
  QStringList addresses;
  for (const QHostAddress& address : QNetworkInterface::allAddresses()) {
    if (address.protocol() == QAbstractSocket::IPv4Protocol) addresses.append(address.toString());
  }
  return addresses;
}

GroupBoxServer::GroupBoxServer(Environment environment, QWidget* parent)
    : QGroupBox(parent), env_(std::move(environment)) {
  setObjectName(QStringLiteral("GroupBoxServer"));
  auto* layout = new QVBoxLayout(this);
  LabelIPs = Named(new QLabel, "LabelIPs");
  lbIPs = Named(new QListWidget, "lbIPs");
  lbIPs->setMinimumHeight(90);
  LabelPort = Named(new QLabel, "LabelPort");
  edtPort = Named(new QLineEdit(QString::fromLatin1(kDefaultPort)), "edtPort");
  edtPort->setMaxLength(5);
  edtPort->setFixedWidth(edtPort->fontMetrics().horizontalAdvance(QStringLiteral("0")) * 8 + 12);
  LabelHintServer = Named(new QLabel, "LabelHintServer");
  LabelHintServer->setWordWrap(true);
  BitBtnServerOK = Named(new QPushButton, "BitBtnServerOK");
  BitBtnServerOK->setDefault(true);
  BitBtnAnnulerServer = Named(new QPushButton, "BitBtnAnnulerServer");
  BitBtnAnnulerServer->setAutoDefault(false);
  SpeedButtonhelpFile =
      base::NewHelpButton(this, base::kHelpTopicTcpServer, QStringLiteral("SpeedButtonhelpFile"));
  btnStartServer = Named(new QPushButton, "btnStartServer");
  btnStopServer = Named(new QPushButton, "btnStopServer");
  btnStartServer->hide();
  btnStopServer->hide();
  StatusServer = Named(new QStatusBar, "StatusServer");
  StatusServer->setSizeGripEnabled(false);
  // The DDE server's state under the TCP status, on a line of its own.
  LabelDdeStatus = Named(new QLabel, "LabelDdeStatus");
  LabelDdeStatus->setWordWrap(true);
  LabelDdeStatus->hide();
  StatusServer->showMessage(QStringLiteral("Server stopped"));

  layout->addWidget(LabelIPs);
  layout->addWidget(lbIPs, 1);
  auto* portRow = new QHBoxLayout;
  portRow->addWidget(LabelPort);
  portRow->addWidget(edtPort);
  portRow->addStretch();
  layout->addLayout(portRow);
  layout->addWidget(LabelHintServer);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(SpeedButtonhelpFile);
  buttons->addStretch();
  buttons->addWidget(BitBtnServerOK);
  buttons->addWidget(BitBtnAnnulerServer);
  buttons->addWidget(btnStartServer);
  buttons->addWidget(btnStopServer);
  layout->addLayout(buttons);
  layout->addWidget(StatusServer);
  layout->addWidget(LabelDdeStatus);

  connect(BitBtnServerOK, &QPushButton::clicked, this, &GroupBoxServer::BitBtnServerOKClick);
  connect(BitBtnAnnulerServer, &QPushButton::clicked, this,
          &GroupBoxServer::BitBtnAnnulerServerClick);
  connect(btnStartServer, &QPushButton::clicked, this, &GroupBoxServer::btnStartServerClick);
  connect(btnStopServer, &QPushButton::clicked, this, &GroupBoxServer::btnStopServerClick);
  if (env_.server != nullptr)
    connect(env_.server, &TcpServer::StateChanged, this, &GroupBoxServer::RefreshStatus);
  hide();
  RetranslateUi();
}

QString GroupBoxServer::ButtonHint() {
  return tr("To initialize TCPIP server");
}

QString GroupBoxServer::StatusText(ServerState state) {
  switch (state) {
    case ServerState::Listening:
      return tr("Server is running not connected");
    case ServerState::Connected:
      return tr("Server is running and connected");
    case ServerState::Stopped:
      break;
  }
  return tr("Server is stopped");
}

void GroupBoxServer::RetranslateUi() {
  setTitle(tr("TCPIP Server"));
  LabelIPs->setText(tr("IPs :"));
  LabelPort->setText(tr("Port :"));
  LabelHintServer->setText(tr("Please check IP(s) to start server or uncheck IPs to stop server"));
  BitBtnServerOK->setText(tr("OK"));
  BitBtnAnnulerServer->setText(tr("Cancel"));
  btnStartServer->setText(tr("Start"));
  btnStopServer->setText(tr("Stop"));
  RefreshStatus();
}

void GroupBoxServer::RefreshStatus() {
  const ServerState state = env_.server != nullptr ? env_.server->State() : ServerState::Stopped;
  StatusServer->showMessage(StatusText(state));
}

void GroupBoxServer::SetDdeStatus(const QString& text) {
  LabelDdeStatus->setText(text);
  LabelDdeStatus->setVisible(!text.isEmpty());
}

void GroupBoxServer::FillAddressList() {
  const QStringList host = env_.hostAddresses ? env_.hostAddresses() : LocalIPv4Addresses();
  lbIPs->clear();
  for (const QString& address : AddressListEntries(host)) {
    auto* item = new QListWidgetItem(address, lbIPs);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
  }
}

void GroupBoxServer::CheckAddresses(const QStringList& addresses) {
  for (int i = 0; i < lbIPs->count(); ++i) {
    if (addresses.contains(lbIPs->item(i)->text())) lbIPs->item(i)->setCheckState(Qt::Checked);
  }
}

QStringList GroupBoxServer::CheckedAddresses() const {
  QStringList checked;
  for (int i = 0; i < lbIPs->count(); ++i) {
    if (lbIPs->item(i)->checkState() == Qt::Checked) checked.append(lbIPs->item(i)->text());
  }
  return checked;
}

int GroupBoxServer::CheckedCount() const {
  return static_cast<int>(CheckedAddresses().size());
}

bool GroupBoxServer::SavedAddressCheck(int index) const {
  return index >= 0 && index < kMaxAddressEntries && saved_[static_cast<std::size_t>(index)];
}

void GroupBoxServer::StartUp() {
  for (int i = 0; i < lbIPs->count() && i < kMaxAddressEntries; ++i)
    saved_[static_cast<std::size_t>(i)] = lbIPs->item(i)->checkState() == Qt::Checked;
  if (CheckedCount() > 0 && !edtPort->text().isEmpty()) btnStartServerClick();
  savedPort_ = edtPort->text();
}

void GroupBoxServer::BitBtnServerOKClick() {
  hide();
  int checked = 0;
  bool changed = false;
  for (int i = 0; i < lbIPs->count() && i < kMaxAddressEntries; ++i) {
    const bool on = lbIPs->item(i)->checkState() == Qt::Checked;
    if (on) ++checked;
    bool& saved = saved_[static_cast<std::size_t>(i)];
    if (on != saved) {
      saved = on;
      changed = true;
    }
  }
  bool portChanged = false;
  if (edtPort->text() != savedPort_) {
    savedPort_ = edtPort->text();
    portChanged = true;
  }
  if ((checked > 0 && changed) || portChanged) btnStartServerClick();
  if (env_.server != nullptr && env_.server->Running() && checked == 0) btnStopServerClick();
  emit Closed();
}

void GroupBoxServer::BitBtnAnnulerServerClick() {
  for (int i = 0; i < lbIPs->count() && i < kMaxAddressEntries; ++i)
    lbIPs->item(i)->setCheckState(saved_[static_cast<std::size_t>(i)] ? Qt::Checked
                                                                      : Qt::Unchecked);
  edtPort->setText(savedPort_);
  hide();
  emit Closed();
}

void GroupBoxServer::btnStartServerClick() {
  const QStringList addresses = CheckedAddresses();
  if (addresses.isEmpty()) {
    if (env_.dialogs != nullptr)
      env_.dialogs->Warning(tr("Cannot proceed until you select at least one IP to bind!"));
    return;
  }
  errors_.clear();
  if (env_.server == nullptr || env_.server->StartServer(addresses, edtPort->text(), &errors_))
    return;
  QString text = tr("Error starting server") + QStringLiteral("\n\n");
  for (const QString& error : errors_) text += error + QLatin1Char('\n');
  if (env_.dialogs != nullptr) env_.dialogs->Error(text);
}

void GroupBoxServer::btnStopServerClick() {
  errors_.clear();
  if (env_.server == nullptr || !env_.server->Running() || env_.server->StopServer()) return;
  QString text = tr("Error stopping server ") + QStringLiteral("\n\n");
  for (const QString& error : errors_) text += error + QLatin1Char('\n');
  if (env_.dialogs != nullptr) env_.dialogs->Error(text);
}

}  // namespace sharing
