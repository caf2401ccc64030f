#pragma once

// `GroupBoxServer`: the TCP/IP server group of the settings panel. The address list with
// its check boxes, the port, OK and Cancel with the saved states they compare against,
// the hidden start and stop buttons that carry the commands, and the status bar.

#include <QGroupBox>
#include <QStringList>
#include <array>
#include <functional>

#include "sharing/protocol.h"
#include "sharing/tcp_server.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStatusBar;
class QToolButton;

namespace base {
class Dialogs;
}

namespace sharing {

// The host's IPv4 addresses, interface by interface (no name lookup: it could block).
QStringList LocalIPv4Addresses();

class GroupBoxServer : public QGroupBox {
  Q_OBJECT
 public:
  struct Environment {
    TcpServer* server = nullptr;
    base::Dialogs* dialogs = nullptr;
    std::function<QStringList()> hostAddresses;  // empty: LocalIPv4Addresses
  };
  explicit GroupBoxServer(Environment environment, QWidget* parent = nullptr);

  QLabel* LabelIPs = nullptr;
  QListWidget* lbIPs = nullptr;
  QLabel* LabelPort = nullptr;
  QLineEdit* edtPort = nullptr;
  QLabel* LabelHintServer = nullptr;
  QPushButton* BitBtnServerOK = nullptr;
  QPushButton* BitBtnAnnulerServer = nullptr;
  QToolButton* SpeedButtonhelpFile = nullptr;  // help on the server settings
  QPushButton* btnStartServer = nullptr;  // hidden: carries the start command
  QPushButton* btnStopServer = nullptr;   // hidden: carries the stop command
  QStatusBar* StatusServer = nullptr;
  QLabel* LabelDdeStatus = nullptr;  // the DDE server's own state when it is off

  // `FillAddressList`: the host's addresses, "127.0.0.1" first when missing.
  void FillAddressList();
  // Settings file: every "IP_CHECKED=" address checks its entry; the port text.
  void CheckAddresses(const QStringList& addresses);
  QStringList CheckedAddresses() const;
  // Start-up: the saved checks take the list's, the server starts when an address is
  // checked and the port is not empty, the saved port takes the edit's text.
  void StartUp();

  void BitBtnServerOKClick();
  void BitBtnAnnulerServerClick();
  void btnStartServerClick();
  void btnStopServerClick();

  void RetranslateUi();
  void RefreshStatus();
  void SetDdeStatus(const QString& text);
  // Hint of the settings panel's button that shows this group.
  static QString ButtonHint();
  static QString StatusText(ServerState state);

  QString SavedServerPort() const { return savedPort_; }
  bool SavedAddressCheck(int index) const;
  QStringList ServerErrors() const { return errors_; }

 signals:
  // OK or Cancel put the group away.
  void Closed();

 private:
  int CheckedCount() const;

  Environment env_;
  std::array<bool, kMaxAddressEntries> saved_{};           // `SavedAddressChecks`
  QString savedPort_ = QString::fromLatin1(kDefaultPort);  // `SavedServerPort`
  QStringList errors_;                                     // `ServerErrors`
};

}  // namespace sharing
