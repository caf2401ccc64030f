#include "app/download/form_web.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>

#include "app/download/form_help_texts.h"
#include "app/download/login_panel.h"
#include "base/help_button.h"

namespace app::download {

namespace {

template <typename T>
T* Named(T* widget, const char* name) {
  widget->setObjectName(QLatin1String(name));
  return widget;
}

}  // namespace

TFormWEB::TFormWEB(Environment environment, QWidget* parent)
    : QDialog(parent), env_(std::move(environment)) {
  setObjectName(QStringLiteral("TFormWEB"));
  procedure_ = new DownloadProcedure(env_.clock, env_.fetchLog, ProcedureConfig{}, this);
  hlpLogin_ = new TFormHlpLogin(this);
  hlpDownload_ = new TFormHlpDownload(this);
  Build();
  connect(procedure_, &DownloadProcedure::StatusChanged, this, &TFormWEB::StatusChanged);
  connect(procedure_, &DownloadProcedure::ButtonsChanged, this, [this](bool download, bool cont) {
    BitBtnOKWEB->setEnabled(download);
    BitBtnContinue->setEnabled(cont);
  });
  connect(procedure_, &DownloadProcedure::LoginShown, this, [this](const LoginView& view) {
    WebBrowser1->ShowPage(view);
    LabelLoginNote->show();
    ShowBrowser(true);
  });
  connect(procedure_, &DownloadProcedure::LoginHidden, this, [this] {
    LabelLoginNote->hide();
    ShowBrowser(false);
  });
  connect(WebBrowser1, &LoginPanel::SubmitPressed, procedure_, &DownloadProcedure::SubmitLogin);
  connect(procedure_, &DownloadProcedure::Completed, this, &TFormWEB::Completed);
  connect(procedure_, &DownloadProcedure::Finished, this, [this](Outcome outcome) {
    if (outcome != Outcome::Completed) {
      emit Failed();
      return;
    }
    // An automatic run closes the window a moment after its success.
    if (automaticRun_) QTimer::singleShot(1000, this, [this] {
      if (isVisible() && procedure_->LastOutcome() == Outcome::Completed) BitBtnCancelWEBClick();
    });
  });
  Retranslate();
}

void TFormWEB::Build() {
  auto* grid = new QGridLayout;
  LabelURL = Named(new QLabel, "LabelURL");
  EditURL = Named(new QLineEdit, "EditURL");
  LabelLoginURL = Named(new QLabel, "LabelLoginURL");
  EditLoginURL = Named(new QLineEdit, "EditLoginURL");
  LabelLoginUsername = Named(new QLabel, "LabelLoginUsername");
  EditLoginUsername = Named(new QLineEdit, "EditLoginUsername");
  LabelLoginPassword = Named(new QLabel, "LabelLoginPassword");
  EditLoginPassword = Named(new QLineEdit, "EditLoginPassword");
  EditLoginPassword->setEchoMode(QLineEdit::Password);
  LabelFile = Named(new QLabel, "LabelFile");
  EditFile = Named(new QLineEdit, "EditFile");
  ButtonParcourir = Named(new QPushButton, "ButtonParcourir");
  ButtonParcourir->setAutoDefault(false);
  EditURL->setMinimumWidth(fontMetrics().averageCharWidth() * 60);
  SpeedButtonHelpLogin = Named(new QToolButton, "SpeedButtonHelpLogin");
  SpeedButtonHelpLogin->setText(QStringLiteral("?"));
  SpeedButtonHelpDownload = Named(new QToolButton, "SpeedButtonHelpDownload");
  SpeedButtonHelpDownload->setText(QStringLiteral("?"));
  grid->addWidget(LabelURL, 0, 0, 1, 3);
  grid->addWidget(EditURL, 1, 0, 1, 2);
  grid->addWidget(SpeedButtonHelpDownload, 1, 2);
  grid->addWidget(LabelLoginURL, 2, 0, 1, 3);
  grid->addWidget(EditLoginURL, 3, 0, 1, 2);
  grid->addWidget(SpeedButtonHelpLogin, 3, 2);
  auto* credentials = new QHBoxLayout;
  credentials->addWidget(LabelLoginUsername);
  credentials->addWidget(EditLoginUsername, 1);
  credentials->addWidget(LabelLoginPassword);
  credentials->addWidget(EditLoginPassword, 1);
  grid->addLayout(credentials, 4, 0, 1, 3);
  grid->addWidget(LabelFile, 5, 0, 1, 3);
  grid->addWidget(EditFile, 6, 0);
  grid->addWidget(ButtonParcourir, 6, 1, 1, 2);
  grid->setColumnStretch(0, 1);

  auto* age = new QHBoxLayout;
  CheckBoxDateTLE = Named(new QCheckBox, "CheckBoxDateTLE");
  SpinEditDateTLE = Named(new QSpinBox, "SpinEditDateTLE");
  SpinEditDateTLE->setRange(1, 14);
  LabelDays = Named(new QLabel, "LabelDays");
  age->addWidget(CheckBoxDateTLE);
  age->addWidget(SpinEditDateTLE);
  age->addWidget(LabelDays);
  age->addStretch();
  CheckBoxAutoDownload = Named(new QCheckBox, "CheckBoxAutoDownload");

  auto* buttons = new QHBoxLayout;
  BitBtnOKWEB = Named(new QPushButton, "BitBtnOKWEB");
  BitBtnContinue = Named(new QPushButton, "BitBtnContinue");
  BitBtnDisconnect = Named(new QPushButton, "BitBtnDisconnect");
  BitBtnCancelWEB = Named(new QPushButton, "BitBtnCancelWEB");
  for (QPushButton* b : {BitBtnOKWEB, BitBtnContinue, BitBtnDisconnect, BitBtnCancelWEB}) {
    b->setAutoDefault(false);
    buttons->addWidget(b);
  }
  BitBtnContinue->setEnabled(false);
  buttons->addStretch();
  buttons->addWidget(base::InstallHelp(this, base::kHelpTopicDownload));

  LabelLoginNote = Named(new QLabel, "LabelLoginNote");
  LabelLoginNote->setWordWrap(true);
  LabelLoginNote->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));
  LabelLoginNote->hide();
  WebBrowser1 = new LoginPanel;
  WebBrowser1->hide();
  PanelDownload = Named(new QLabel, "PanelDownload");
  PanelDownload->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  PanelDownload->setMinimumHeight(fontMetrics().height() + 8);
  PanelDownload->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(age);
  layout->addWidget(CheckBoxAutoDownload);
  layout->addLayout(buttons);
  layout->addWidget(LabelLoginNote);
  layout->addWidget(WebBrowser1, 1);
  layout->addWidget(PanelDownload);

  connect(BitBtnOKWEB, &QPushButton::clicked, this, &TFormWEB::BitBtnOKWEBClick);
  connect(BitBtnContinue, &QPushButton::clicked, this, &TFormWEB::BitBtnContinueClick);
  connect(BitBtnDisconnect, &QPushButton::clicked, this, &TFormWEB::BitBtnDisconnectClick);
  connect(BitBtnCancelWEB, &QPushButton::clicked, this, &TFormWEB::BitBtnCancelWEBClick);
  connect(ButtonParcourir, &QPushButton::clicked, this, &TFormWEB::ButtonParcourirClick);
  connect(SpeedButtonHelpLogin, &QToolButton::clicked, this, [this] {
    hlpLogin_->show();
    hlpLogin_->raise();
  });
  connect(SpeedButtonHelpDownload, &QToolButton::clicked, this, [this] {
    hlpDownload_->show();
    hlpDownload_->raise();
  });
  auto edited = [this] {
    if (!updating_) emit SettingsEdited(Settings());
  };
  connect(CheckBoxDateTLE, &QCheckBox::toggled, this, edited);
  connect(SpinEditDateTLE, &QSpinBox::valueChanged, this, edited);
  connect(CheckBoxAutoDownload, &QCheckBox::toggled, this, edited);
  baseHeight_ = sizeHint().height();
}

void TFormWEB::Retranslate() {
  setWindowTitle(tr("3-LINE ELEMENTS DOWNLOADING"));
  LabelURL->setText(tr("File URL (http or https only) :"));
  LabelLoginURL->setText(tr("Login URL (http or https only) :"));
  LabelLoginUsername->setText(tr("User name :"));
  LabelLoginPassword->setText(tr("Password :"));
  LabelFile->setText(tr("to local file (full path):"));
  ButtonParcourir->setText(tr("Browse"));
  CheckBoxDateTLE->setText(tr("Please, notify me if the TLE file is older than "));
  LabelDays->setText(tr(" days"));
  CheckBoxAutoDownload->setText(tr("Automatic download if TLE file is too old"));
  BitBtnOKWEB->setText(tr("Download"));
  BitBtnOKWEB->setToolTip(tr("to start login or download if no login required"));
  BitBtnContinue->setText(tr("Continue"));
  BitBtnContinue->setToolTip(tr("to continue download after login success"));
  BitBtnDisconnect->setText(tr("Disconnect"));
  BitBtnDisconnect->setToolTip(tr("to forget the login of this session"));
  BitBtnCancelWEB->setText(tr("Close"));
  SpeedButtonHelpLogin->setToolTip(tr("Help about the login fields"));
  SpeedButtonHelpDownload->setToolTip(tr("Help about the download fields"));
  LabelLoginNote->setText(
      tr("Pse Login WEB site. If success click CONTINUE. If failure click CLOSE and check data"));
  WebBrowser1->Retranslate();
  // A status on display follows the language too.
  if (procedure_->CurrentStatus() != Status::Empty && !PanelDownload->text().isEmpty())
    PanelDownload->setText(StatusText(procedure_->CurrentStatus(), procedure_->LastFailure(),
                                      procedure_->LastHttpStatus()));
  hlpLogin_->Retranslate();
  hlpDownload_->Retranslate();
}

QString TFormWEB::OpenButtonHint() {
  return tr("Download 3-line elements from WEB");
}

QString TFormWEB::StatusText(Status status, TransferFailure failure, long httpStatus) {
  switch (status) {
    case Status::Empty:
      return {};
    case Status::LoginUrl:
      return tr("Login URL ....");
    case Status::CheckingCookie:
      return tr("Checking cookie ... Please wait a few seconds");
    case Status::UrlError:
      return tr("URL error");
    case Status::RecentlyFetched:
      return tr("Fetched less than two hours ago. Press Download again to fetch it anyway.");
    case Status::Downloading:
      return tr("Downloading ....");
    case Status::NotText:
      return tr("Error ! Not Text file !");
    case Status::GzipExtracting:
      return tr("GZip extracting");
    case Status::ExtractError:
      return tr("Extracting error");
    case Status::Completed:
      return tr("Downloading completed OK");
    case Status::LoginError:
      return tr("Login error");
    case Status::SaveError:
      return tr("Can't write the TLE file");
    case Status::DownloadError:
      break;
  }
  QString reason;
  switch (failure) {
    case TransferFailure::Http:
      reason = tr("HTTP %1").arg(httpStatus);
      break;
    case TransferFailure::Empty:
      reason = tr("empty answer");
      break;
    case TransferFailure::Truncated:
      reason = tr("transfer cut off");
      break;
    case TransferFailure::TimedOut:
      reason = tr("time-out");
      break;
    case TransferFailure::Connect:
      reason = tr("server not reachable");
      break;
    case TransferFailure::Tls:
      reason = tr("certificate not trusted");
      break;
    case TransferFailure::TooLarge:
      reason = tr("file too large");
      break;
    case TransferFailure::Protocol:
      reason = tr("not an http or https address");
      break;
    case TransferFailure::Redirects:
      reason = tr("too many redirections");
      break;
    case TransferFailure::Aborted:
    case TransferFailure::Other:
    case TransferFailure::None:
      break;
  }
  if (reason.isEmpty() && httpStatus >= 300) reason = tr("HTTP %1").arg(httpStatus);
  return tr("Downloading error ") + reason;
}

void TFormWEB::StatusChanged(Status status) {
  SetStatus(StatusText(status, procedure_->LastFailure(), procedure_->LastHttpStatus()));
}

void TFormWEB::SetStatus(const QString& text) {
  PanelDownload->setText(text);
}

void TFormWEB::ShowBrowser(bool visible) {
  WebBrowser1->setVisible(visible);
  // Base height alone, or with the browser below it.
  if (visible) {
    resize(width(), std::max(height(), baseHeight_ + WebBrowser1->sizeHint().height() + 40));
  } else {
    resize(width(), baseHeight_);
  }
}

void TFormWEB::Open(const DownloadFields& fields, const AgeSettings& settings) {
  LabelLoginNote->hide();
  WebBrowser1->hide();
  updating_ = true;
  CheckBoxDateTLE->setChecked(settings.notify);
  SpinEditDateTLE->setValue(settings.limitDays);
  CheckBoxAutoDownload->setChecked(settings.automatic);
  updating_ = false;
  Retranslate();
  SetStatus(QString());
  ShowFields(fields);
  show();
  resize(width(), baseHeight_);
  raise();
  activateWindow();
}

void TFormWEB::ShowFields(const DownloadFields& fields) {
  EditURL->setText(fields.url);
  EditLoginURL->setText(fields.loginUrl);
  EditLoginUsername->setText(fields.userName);
  EditLoginPassword->setText(fields.password);
  EditFile->setText(fields.file);
  for (QLineEdit* e : {EditURL, EditLoginURL, EditFile}) e->setCursorPosition(e->text().size());
}

DownloadFields TFormWEB::Fields() const {
  return {EditURL->text(), EditLoginURL->text(), EditLoginUsername->text(),
          EditLoginPassword->text(), EditFile->text()};
}

AgeSettings TFormWEB::Settings() const {
  return {CheckBoxDateTLE->isChecked(), SpinEditDateTLE->value(),
          CheckBoxAutoDownload->isChecked()};
}

QString TFormWEB::TargetPath() const {
  QString file = EditFile->text().trimmed();
  if (file.isEmpty()) file = QUrl(EditURL->text().trimmed()).fileName();  // last segment
  if (file.isEmpty()) return {};
  return QDir(env_.programFolder).absoluteFilePath(file);
}

void TFormWEB::BitBtnOKWEBClick() {
  if (procedure_->Busy()) return;
  ShowBrowser(false);
  DownloadJob job;
  job.url = EditURL->text();
  job.loginUrl = EditLoginURL->text();
  job.userName = EditLoginUsername->text();
  job.password = EditLoginPassword->text();
  job.target = TargetPath();
  job.checkChecksums = !env_.checkChecksums || env_.checkChecksums();
  job.automatic = automaticRun_;
  if (job.target.isEmpty()) job.url.clear();  // nowhere to put it: the URL is unusable
  procedure_->Download(job);
}

void TFormWEB::BitBtnContinueClick() {
  procedure_->Continue();
}

void TFormWEB::BitBtnDisconnectClick() {
  // No dial-up line here: disconnecting ends the web session (cookies and login).
  procedure_->Disconnect();
  close();
}

void TFormWEB::BitBtnCancelWEBClick() {
  procedure_->Cancel();
  WebBrowser1->hide();
  LabelLoginNote->hide();
  close();
}

void TFormWEB::ButtonParcourirClick() {
  const QString start = EditFile->text().isEmpty() ? env_.programFolder : EditFile->text();
  const QString path = QFileDialog::getSaveFileName(
      this, QString(), start, tr("2-Line,Text (*.tle *.2li *.txt)") + QStringLiteral(";;") +
                                  tr("All/Tous (*)"),
      nullptr, QFileDialog::DontConfirmOverwrite);
  if (path.isEmpty()) return;
  EditFile->setText(path);
  EditFile->setCursorPosition(path.size());
}

void TFormWEB::showEvent(QShowEvent* event) {
  Retranslate();
  QDialog::showEvent(event);
}

void TFormWEB::done(int result) {
  // Whatever ended the window, the next opening starts clean.
  const bool wasVisible = isVisible();
  procedure_->Cancel();
  procedure_->ClearContinue();
  BitBtnOKWEB->setEnabled(true);
  BitBtnContinue->setEnabled(false);
  QDialog::done(result);
  if (wasVisible) emit Closed();
}

}  // namespace app::download
