#pragma once

// "3-LINE ELEMENTS DOWNLOADING": the active group's download address, login page and
// credentials, the target file, the age-alarm settings, and the buttons that drive the
// download procedure.

#include <QDialog>
#include <QString>
#include <functional>

#include "app/download/download_procedure.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QToolButton;

namespace app::download {

class LoginPanel;
class TFormHlpLogin;
class TFormHlpDownload;

// The four download fields of a group and its element file.
struct DownloadFields {
  QString url;
  QString loginUrl;
  QString userName;
  QString password;
  QString file;
};

// The age-alarm settings the window shows and changes at once.
struct AgeSettings {
  bool notify = true;  // ALARM_TLE=
  int limitDays = 3;   // DELAY_TLE=, 1..14
  bool automatic = false;  // AUTODWN=
};

class TFormWEB : public QDialog {
  Q_OBJECT
 public:
  struct Environment {
    base::Clock* clock = nullptr;
    QStringList* fetchLog = nullptr;  // the settings' LAST_FETCH= lines
    QString programFolder;            // where a bare file name goes
    std::function<bool()> checkChecksums;
  };
  explicit TFormWEB(Environment environment, QWidget* parent = nullptr);

  DownloadProcedure& Procedure() { return *procedure_; }

  // Opening for a group: browser hidden, fields and settings shown, status empty.
  void Open(const DownloadFields& fields, const AgeSettings& settings);
  // Shows another group's fields (the group page changed while the window is open).
  void ShowFields(const DownloadFields& fields);
  DownloadFields Fields() const;
  AgeSettings Settings() const;
  void SetStatus(const QString& text);
  // Set while an automatic run goes on: a completed download closes the window.
  void SetAutomaticRun(bool automatic) { automaticRun_ = automatic; }
  bool AutomaticRun() const { return automaticRun_; }
  void Retranslate();

  // The status text of a procedure state, with the HTTP status or reason of a failure.
  static QString StatusText(Status status, TransferFailure failure, long httpStatus);
  // Hint of the main window's button that opens this window.
  static QString OpenButtonHint();

  // Handlers.
  void BitBtnOKWEBClick();
  void BitBtnContinueClick();
  void BitBtnDisconnectClick();
  void BitBtnCancelWEBClick();
  void ButtonParcourirClick();

  // Controls.
  QLabel* LabelURL = nullptr;
  QLineEdit* EditURL = nullptr;
  QLabel* LabelLoginURL = nullptr;
  QLineEdit* EditLoginURL = nullptr;
  QLabel* LabelLoginUsername = nullptr;
  QLineEdit* EditLoginUsername = nullptr;
  QLabel* LabelLoginPassword = nullptr;
  QLineEdit* EditLoginPassword = nullptr;
  QLabel* LabelFile = nullptr;
  QLineEdit* EditFile = nullptr;
  QPushButton* ButtonParcourir = nullptr;
  QCheckBox* CheckBoxDateTLE = nullptr;
  QSpinBox* SpinEditDateTLE = nullptr;
  QLabel* LabelDays = nullptr;
  QCheckBox* CheckBoxAutoDownload = nullptr;
  QPushButton* BitBtnOKWEB = nullptr;
  QPushButton* BitBtnContinue = nullptr;
  QPushButton* BitBtnDisconnect = nullptr;
  QPushButton* BitBtnCancelWEB = nullptr;
  QToolButton* SpeedButtonHelpLogin = nullptr;
  QToolButton* SpeedButtonHelpDownload = nullptr;
  LoginPanel* WebBrowser1 = nullptr;
  QLabel* LabelLoginNote = nullptr;
  QLabel* PanelDownload = nullptr;
  TFormHlpLogin* LoginHelp() const { return hlpLogin_; }
  TFormHlpDownload* DownloadHelp() const { return hlpDownload_; }

 signals:
  // The notify box, the limit or the automatic box changed (the settings follow at once).
  void SettingsEdited(const app::download::AgeSettings& settings);
  // The element file `target` was replaced.
  void Completed(const QString& target);
  // The run ended without a completed download.
  void Failed();
  // FormClose: the fields and settings are to be stored back.
  void Closed();

 protected:
  // FormClose: Close, Disconnect, Esc and the title bar all end here.
  void done(int result) override;
  void showEvent(QShowEvent* event) override;

 private:
  void Build();
  void ShowBrowser(bool visible);
  QString TargetPath() const;
  void StatusChanged(Status status);

  Environment env_;
  DownloadProcedure* procedure_ = nullptr;
  TFormHlpLogin* hlpLogin_ = nullptr;
  TFormHlpDownload* hlpDownload_ = nullptr;
  bool automaticRun_ = false;
  bool updating_ = false;
  int baseHeight_ = 0;
};

}  // namespace app::download
