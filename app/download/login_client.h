#pragma once

// The login step without a browser: which page the server showed, and how a form goes
// back to it. The password only ever travels in a POST body to the login page's own
// site.

#include <QString>
#include <QUrl>
#include <atomic>

#include "app/download/html_form.h"
#include "app/download/http_client.h"

namespace app::download {

// The element-set service whose login the program fills in by itself, recognised by this
// fragment of the login page's host name.
inline constexpr const char* kScriptedLoginHost = "space-track.org";

// The login URL names a page to visit: neither empty nor a bare scheme.
bool LoginWanted(const QString& loginUrl);

bool IsScriptedLogin(const QUrl& loginUrl, const QString& hostFragment);

// Same host and port, and no step down from https to http: where the login page's
// password may go.
bool SameSite(const QUrl& loginUrl, const QUrl& target);

enum class LoginPageKind {
  Refused,    // "Incorrect": the service turned the user name or password down
  LoginForm,  // "LOGIN" with the fields "identity" and "password"
  Welcome,    // the user name and "Welcome": logged in
  ErrorPage,  // "error", "not found", "Page", "diagnose" or "404"
  Undecided,
};

// Tells the page apart from its visible text, in this order of precedence.
LoginPageKind ClassifyLoginPage(const QString& visibleText, const HtmlForm& form,
                                const QString& userName);

// The scripted fields: "identity" takes the user name, "password" the password (each
// found by id, else by name). False when either is missing.
bool FillScriptedFields(HtmlForm* form, const QString& userName, const QString& password);

// Puts the user's stored name and password into a form the user completes by hand, when
// the form goes back to the login page's site: "identity", "username", "user", "login"
// or "email" fields take the name, password fields the password. Fields already filled
// by the page keep their value.
void PrefillManualForm(HtmlForm* form, const QUrl& loginUrl, const QString& userName,
                       const QString& password);

struct SubmitResult {
  HttpResponse response;
  bool refused = false;  // not sent, or a redirect that would carry the password away
};

// Sends the form the way a browser would and follows the answer's redirects: a POST
// body goes only to the login page's site (a 307/308 elsewhere is refused, a 301/302/303
// continues as GET); a GET form with a password in it is refused (the password would
// sit in the address).
SubmitResult SubmitForm(const HtmlForm& form, const QUrl& loginUrl, const QUrl& referer,
                        const TransferOptions& options, HttpSession* session,
                        const std::atomic<bool>* stop);

// `text` with every occurrence of `secret` replaced by bullets.
QString MaskSecret(QString text, const QString& secret);

}  // namespace app::download
