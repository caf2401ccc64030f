#include "app/download/login_client.h"

#include <QUrlQuery>

namespace app::download {

bool LoginWanted(const QString& loginUrl) {
  const QString url = loginUrl.trimmed();
  return !url.isEmpty() && url != QLatin1String("http://") && url != QLatin1String("https://");
}

bool IsScriptedLogin(const QUrl& loginUrl, const QString& hostFragment) {
  return !hostFragment.isEmpty() && loginUrl.host().contains(hostFragment, Qt::CaseInsensitive);
}

namespace {
int PortOf(const QUrl& url) {
  return url.port(url.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) == 0 ? 443
                                                                                           : 80);
}
bool IsHttps(const QUrl& url) {
  return url.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) == 0;
}
}  // namespace

bool SameSite(const QUrl& loginUrl, const QUrl& target) {
  if (!IsWebUrl(loginUrl) || !IsWebUrl(target)) return false;
  if (IsHttps(loginUrl) && !IsHttps(target)) return false;
  return loginUrl.host().compare(target.host(), Qt::CaseInsensitive) == 0 &&
         (PortOf(loginUrl) == PortOf(target) || (IsHttps(target) && !IsHttps(loginUrl) &&
                                                 PortOf(loginUrl) == 80 && PortOf(target) == 443));
}

LoginPageKind ClassifyLoginPage(const QString& visibleText, const HtmlForm& form,
                                const QString& userName) {
  if (PageContains(visibleText, QStringLiteral("Incorrect"))) return LoginPageKind::Refused;
  if (PageContains(visibleText, QStringLiteral("LOGIN")) && form.found &&
      form.Field(QStringLiteral("identity")) && form.Field(QStringLiteral("password")))
    return LoginPageKind::LoginForm;
  if (PageContains(visibleText, userName) && PageContains(visibleText, QStringLiteral("Welcome")))
    return LoginPageKind::Welcome;
  for (const char* word : {"error", "not found", "Page", "diagnose", "404"}) {
    if (PageContains(visibleText, QLatin1String(word))) return LoginPageKind::ErrorPage;
  }
  return LoginPageKind::Undecided;
}

bool FillScriptedFields(HtmlForm* form, const QString& userName, const QString& password) {
  FormInput* identity = form->Field(QStringLiteral("identity"));
  FormInput* secret = form->Field(QStringLiteral("password"));
  if (identity == nullptr || secret == nullptr) return false;
  identity->value = userName;
  secret->value = password;
  return true;
}

void PrefillManualForm(HtmlForm* form, const QUrl& loginUrl, const QString& userName,
                       const QString& password) {
  if (!form->found || !form->post || !SameSite(loginUrl, form->action)) return;
  static const QStringList userFields = {QStringLiteral("identity"), QStringLiteral("username"),
                                         QStringLiteral("user"), QStringLiteral("login"),
                                         QStringLiteral("email")};
  for (FormInput& input : form->inputs) {
    if (!input.Editable() || !input.value.isEmpty()) continue;
    if (input.Password()) {
      input.value = password;
    } else if (userFields.contains(input.id.toLower()) || userFields.contains(input.name.toLower())) {
      input.value = userName;
    }
  }
}

SubmitResult SubmitForm(const HtmlForm& form, const QUrl& loginUrl, const QUrl& referer,
                        const TransferOptions& options, HttpSession* session,
                        const std::atomic<bool>* stop) {
  SubmitResult result;
  const QByteArray body = EncodeForm(form);
  bool carriesPassword = false;
  for (const FormInput& input : form.inputs)
    if (input.Password() && !input.value.isEmpty()) carriesPassword = true;

  HttpRequest request;
  request.referer = referer;
  if (!form.post) {
    if (carriesPassword) {
      result.refused = true;
      return result;
    }
    QUrl target = form.action;
    target.setQuery(QString::fromLatin1(body));
    request.url = target;
    result.response = Perform(request, options, session, stop);
    return result;
  }
  // A password goes to the login page's own site and nowhere else.
  if (carriesPassword && !SameSite(loginUrl, form.action)) {
    result.refused = true;
    return result;
  }
  request.url = form.action;
  request.post = true;
  request.postBody = body;
  request.followRedirects = false;
  for (long hop = 0;; ++hop) {
    HttpResponse answer = Perform(request, options, session, stop);
    const long status = answer.httpStatus;
    const bool redirect = status >= 300 && status < 400 && !answer.redirectUrl.isEmpty();
    if (!redirect || !answer.Ok()) {
      result.response = answer;
      return result;
    }
    if (hop >= options.maxRedirects) {
      answer.failure = TransferFailure::Redirects;
      result.response = answer;
      return result;
    }
    const QUrl next = answer.redirectUrl;
    if (status == 307 || status == 308) {
      // The body would go along: only to the same site, and only http(s).
      if (carriesPassword && !SameSite(loginUrl, next)) {
        result.refused = true;
        return result;
      }
      request.url = next;
      continue;
    }
    // 301, 302, 303: the browser's way, a GET without the body; later hops follow
    // themselves.
    HttpRequest get;
    get.url = next;
    get.referer = referer;
    result.response = Perform(get, options, session, stop);
    return result;
  }
}

QString MaskSecret(QString text, const QString& secret) {
  if (secret.isEmpty()) return text;
  return text.replace(secret, QString(secret.size(), QChar(0x2022)));
}

}  // namespace app::download
