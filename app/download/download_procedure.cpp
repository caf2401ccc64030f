#include "app/download/download_procedure.h"

#include "app/download/content_check.h"
#include "app/download/fetch_log.h"
#include "app/download/login_client.h"
#include "base/atomic_file.h"
#include "base/clock.h"

namespace app::download {

namespace {

// What the worker hands back after an element-file request.
struct FetchOutcome {
  HttpResponse response;
  DownloadVerdict verdict;
  bool saved = false;
};

bool UsableUrl(const QString& url) {
  const QString trimmed = url.trimmed();
  return !trimmed.isEmpty() && trimmed != QLatin1String("http://") && IsWebUrl(QUrl(trimmed));
}

}  // namespace

DownloadProcedure::DownloadProcedure(base::Clock* clock, QStringList* fetchLog,
                                     ProcedureConfig config, QObject* parent)
    : QObject(parent), clock_(clock), fetchLog_(fetchLog), config_(std::move(config)) {}

DownloadProcedure::~DownloadProcedure() = default;

void DownloadProcedure::SetStatus(Status status) {
  status_ = status;
  emit StatusChanged(status);
}

void DownloadProcedure::Buttons(bool download, bool cont) {
  emit ButtonsChanged(download, cont);
}

void DownloadProcedure::End(Outcome outcome) {
  outcome_ = outcome;
  emit Finished(outcome);
}

void DownloadProcedure::Download(const DownloadJob& job) {
  if (Busy()) return;  // a second press while a transfer runs
  job_ = job;
  outcome_ = Outcome::Running;
  attempt_ = 0;
  httpStatus_ = 0;
  failure_ = TransferFailure::None;
  if (continueFlag_) {
    DownloadStep();
    return;
  }
  StartAttempt();
}

void DownloadProcedure::StartAttempt() {
  SetStatus(Status::Empty);
  if (LoginWanted(job_.loginUrl) && job_.loginUrl != lastLoginUrl_) {
    lastLoginUrl_.clear();
    SetStatus(Status::LoginUrl);
    Buttons(false, false);
    continueFlag_ = false;
    submissions_ = 0;
    FetchLoginPage();
    return;
  }
  DownloadStep();
}

void DownloadProcedure::Continue() {
  if (Busy()) return;
  lastLoginUrl_ = job_.loginUrl;
  emit LoginHidden();
  continueFlag_ = true;
  Download(job_);
}

void DownloadProcedure::DownloadStep() {
  continueFlag_ = false;
  Buttons(false, false);
  const QString url = job_.url.trimmed();
  if (!UsableUrl(url)) {
    SetStatus(Status::UrlError);
    lastLoginUrl_.clear();
    Buttons(true, false);
    End(Outcome::Failed);
    return;
  }
  // Servers of element files are asked at most once in two hours for the same file,
  // unless the user presses Download a second time. The retries of one press count once.
  const double now = clock_->Now();
  if (attempt_ == 0 && FetchedRecently(*fetchLog_, url, now) &&
      (job_.automatic || insistUrl_ != url)) {
    if (!job_.automatic) insistUrl_ = url;
    SetStatus(Status::RecentlyFetched);
    Buttons(true, false);
    End(Outcome::Failed);
    return;
  }
  insistUrl_.clear();
  SetStatus(Status::Downloading);
  ++requests_;

  HttpRequest request;
  request.url = QUrl(url);
  const TransferOptions options = config_.options;
  const qsizetype maxUnpacked = config_.maxUnpacked;
  const bool checksums = job_.checkChecksums;
  const QString target = job_.target;
  HttpSession* session = &session_;
  worker_.Start<FetchOutcome>(
      [=](const std::atomic<bool>& stop) {
        FetchOutcome outcome;
        outcome.response = Perform(request, options, session, &stop);
        outcome.verdict = JudgeDownload(outcome.response, checksums, maxUnpacked);
        if (outcome.verdict.verdict == Verdict::Accepted && !stop.load())
          outcome.saved = base::AtomicSave(target, outcome.verdict.content);
        return outcome;
      },
      [this, url](FetchOutcome outcome) {
        httpStatus_ = outcome.response.httpStatus;
        failure_ = outcome.response.failure;
        if (outcome.response.ReachedServer()) RecordFetch(fetchLog_, url, clock_->Now());
        if (outcome.verdict.gzip && outcome.verdict.verdict != Verdict::TransferError)
          SetStatus(Status::GzipExtracting);
        switch (outcome.verdict.verdict) {
          case Verdict::Accepted:
            Buttons(true, false);
            if (!outcome.saved) {
              SetStatus(Status::SaveError);
              End(Outcome::Failed);
              return;
            }
            SetStatus(Status::Completed);
            emit Completed(job_.target);
            End(Outcome::Completed);
            return;
          case Verdict::TransferError:
            SetStatus(Status::DownloadError);
            lastLoginUrl_.clear();
            Buttons(true, false);
            End(Outcome::Failed);
            return;
          case Verdict::ExtractError:
            SetStatus(Status::ExtractError);
            Buttons(true, false);
            End(Outcome::Failed);
            return;
          case Verdict::NotText:
            SetStatus(Status::NotText);
            if (++attempt_ < config_.attempts) {
              StartAttempt();
              return;
            }
            Buttons(true, false);
            End(Outcome::Failed);
            return;
        }
      });
}

void DownloadProcedure::FetchLoginPage() {
  HttpRequest request;
  request.url = QUrl(job_.loginUrl.trimmed());
  const TransferOptions options = config_.options;
  HttpSession* session = &session_;
  worker_.Start<HttpResponse>(
      [=](const std::atomic<bool>& stop) { return Perform(request, options, session, &stop); },
      [this](HttpResponse response) { LoginAnswer(response, false); });
}

void DownloadProcedure::Submit(const HtmlForm& form, const QUrl& referer) {
  const QUrl loginUrl(job_.loginUrl.trimmed());
  const TransferOptions options = config_.options;
  HttpSession* session = &session_;
  worker_.Start<SubmitResult>(
      [=](const std::atomic<bool>& stop) {
        return SubmitForm(form, loginUrl, referer, options, session, &stop);
      },
      [this](SubmitResult result) { LoginAnswer(result.response, result.refused); });
}

void DownloadProcedure::SubmitLogin(const HtmlForm& form) {
  if (Busy() || !form.found) return;
  Buttons(false, false);
  Submit(form, form.action);
}

void DownloadProcedure::LoginAnswer(const HttpResponse& response, bool refused) {
  failure_ = response.failure;
  httpStatus_ = response.httpStatus;
  auto loginError = [this](const QString& html, const QString& text, const QUrl& page) {
    SetStatus(Status::LoginError);
    continueFlag_ = false;
    ShowLoginForUser(html, text, page);
  };
  if (refused || (!response.Ok() && response.body.isEmpty())) {
    loginError(QString(), QString(), response.effectiveUrl);
    return;
  }
  const QString html = PageText(response.body);
  const QString text = StripTags(html);
  const QUrl page = response.effectiveUrl.isEmpty() ? QUrl(job_.loginUrl) : response.effectiveUrl;
  const QUrl loginUrl(job_.loginUrl.trimmed());
  const bool scripted = IsScriptedLogin(loginUrl, config_.scriptedHost) &&
                        !job_.userName.isEmpty() && !job_.password.isEmpty();
  if (!scripted) {
    ShowLoginForUser(html, text, page);  // the user logs in and presses Continue
    return;
  }
  HtmlForm form = ParseFirstForm(html, page);
  switch (ClassifyLoginPage(text, form, job_.userName)) {
    case LoginPageKind::Refused:
    case LoginPageKind::ErrorPage:
      loginError(html, text, page);
      return;
    case LoginPageKind::LoginForm:
      if (submissions_ >= config_.loginSubmissions ||
          !FillScriptedFields(&form, job_.userName, job_.password)) {
        loginError(html, text, page);
        return;
      }
      ++submissions_;
      Submit(form, page);
      return;
    case LoginPageKind::Welcome:
      // Logged in only if the service left its session cookie with us.
      if (session_.CookieCount() == 0) {
        loginError(html, text, page);
        return;
      }
      SetStatus(Status::CheckingCookie);
      Buttons(true, true);
      continueFlag_ = false;
      Continue();
      return;
    case LoginPageKind::Undecided:
      ShowLoginForUser(html, text, page);
      return;
  }
}

void DownloadProcedure::ShowLoginForUser(const QString& html, const QString& text,
                                         const QUrl& pageUrl) {
  LoginView view;
  view.pageUrl = pageUrl;
  view.text = MaskSecret(text, job_.password);
  view.form = ParseFirstForm(html, pageUrl);
  PrefillManualForm(&view.form, QUrl(job_.loginUrl.trimmed()), job_.userName, job_.password);
  emit LoginShown(view);
  Buttons(true, true);
}

void DownloadProcedure::Cancel() {
  if (!worker_.Busy()) return;
  worker_.Cancel();
  continueFlag_ = false;
  Buttons(true, false);
  End(Outcome::Failed);
}

void DownloadProcedure::Disconnect() {
  Cancel();
  session_.ClearCookies();
  lastLoginUrl_.clear();
  continueFlag_ = false;
}

}  // namespace app::download
