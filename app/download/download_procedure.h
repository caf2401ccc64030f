#pragma once

// The steps of the download window without its widgets: the optional login (the service's
// own pages, filled in by the program or completed by the user), the download itself with
// its retries, the checks, and the replacement of the element file. Every transfer and
// every file write runs on a worker thread; the steps go on when its answer comes back.

#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <vector>

#include "app/download/background_job.h"
#include "app/download/html_form.h"
#include "app/download/http_client.h"
#include "app/download/login_client.h"

namespace base {
class Clock;
}

namespace app::download {

// The status line's states; the window shows each in its language.
enum class Status {
  Empty,
  LoginUrl,         // "Login URL ...."
  CheckingCookie,   // "Checking cookie ... Please wait a few seconds"
  UrlError,         // "URL error"
  RecentlyFetched,  // fetched less than two hours ago; Download again to insist
  Downloading,      // "Downloading ...."
  DownloadError,    // "Downloading error " and why
  NotText,          // "Error ! Not Text file !"
  GzipExtracting,   // "GZip extracting"
  ExtractError,     // "Extracting error"
  Completed,        // "Downloading completed OK"
  LoginError,       // "Login error"
  SaveError,        // the element file could not be replaced
};

// How the last run ended; compared by the callers instead of the status text.
enum class Outcome { None, Running, Completed, Failed };

struct DownloadJob {
  QString url;
  QString loginUrl;
  QString userName;
  QString password;
  QString target;  // full path of the element file to replace
  bool checkChecksums = true;
  bool automatic = false;  // an automatic run never insists on a recent fetch
};

struct ProcedureConfig {
  TransferOptions options;
  qsizetype maxUnpacked = 32LL * 1024 * 1024;
  QString scriptedHost = QString::fromLatin1(kScriptedLoginHost);
  int attempts = 4;           // answers that are not element files, in one press
  int loginSubmissions = 3;   // forms the program fills in by itself, in one login
};

// What the user sees of a login page that needs them: its text and its first form.
struct LoginView {
  QUrl pageUrl;
  QString text;  // visible text, the password masked
  HtmlForm form;  // editable fields already holding what the program could fill in
};

class DownloadProcedure : public QObject {
  Q_OBJECT
 public:
  // `fetchLog` (the settings' "LAST_FETCH=" lines) and `clock` outlive the procedure.
  DownloadProcedure(base::Clock* clock, QStringList* fetchLog, ProcedureConfig config = {},
                    QObject* parent = nullptr);
  ~DownloadProcedure() override;

  ProcedureConfig& Config() { return config_; }
  HttpSession& Session() { return session_; }

  // "Download": starts a run (the login first when one is due). Ignored while busy.
  void Download(const DownloadJob& job);
  // "Continue": the login succeeded; the download follows.
  void Continue();
  // The user's Submit on a login page: the form with their values.
  void SubmitLogin(const HtmlForm& form);
  // "Close" mid-run: the transfer stops and its answer is dropped; nothing is written.
  void Cancel();
  // "Disconnect": as Cancel, and the login is forgotten with its cookies.
  void Disconnect();

  // The window closed: a later Download starts with the login step again if one is due.
  void ClearContinue() { continueFlag_ = false; }

  bool Busy() const { return worker_.Busy(); }
  Status CurrentStatus() const { return status_; }
  Outcome LastOutcome() const { return outcome_; }
  long LastHttpStatus() const { return httpStatus_; }
  TransferFailure LastFailure() const { return failure_; }
  bool ContinueFlag() const { return continueFlag_; }
  QString LastLoginUrl() const { return lastLoginUrl_; }
  int RequestsMade() const { return requests_; }

 signals:
  void StatusChanged(app::download::Status status);
  // Whether "Download" and "Continue" may be pressed.
  void ButtonsChanged(bool download, bool cont);
  // A login page for the user; LoginHidden when the login is over.
  void LoginShown(const app::download::LoginView& view);
  void LoginHidden();
  // The element file `target` was replaced.
  void Completed(const QString& target);
  // The run ended (any outcome).
  void Finished(app::download::Outcome outcome);

 private:
  void StartAttempt();
  void DownloadStep();
  void FetchLoginPage();
  void LoginAnswer(const HttpResponse& response, bool refused);
  void ShowLoginForUser(const QString& html, const QString& text, const QUrl& pageUrl);
  void Submit(const HtmlForm& form, const QUrl& referer);
  void SetStatus(Status status);
  void Buttons(bool download, bool cont);
  void End(Outcome outcome);

  base::Clock* clock_;
  QStringList* fetchLog_;
  ProcedureConfig config_;
  HttpSession session_;
  BackgroundJob worker_;
  DownloadJob job_;
  Status status_ = Status::Empty;
  Outcome outcome_ = Outcome::None;
  long httpStatus_ = 0;
  TransferFailure failure_ = TransferFailure::None;
  QString lastLoginUrl_;  // a login that succeeded in this run of the program
  QString insistUrl_;     // refused once as recent: the next press fetches it
  bool continueFlag_ = false;
  int attempt_ = 0;
  int submissions_ = 0;
  int requests_ = 0;  // element-file requests sent, for the tests and the status
};

}  // namespace app::download
