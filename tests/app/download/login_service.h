#pragma once

// An element-set service with a login, for the tests: its form posts to another path
// with a hidden token, it sets its session cookie on a 302, and it answers any request
// without that cookie with its login page again. User "alice", password "s3cret!".

#include <QRandomGenerator>
#include <QUrlQuery>

#include "http_fixture.h"

namespace app::download::test {

class LoginService {
 public:
  explicit LoginService(TestHttpServer& server, QByteArray formAction = "/auth/check")
      : server_(server), action_(std::move(formAction)) {
    server.Route("/login", [this](const test::RecordedRequest&) { return LoginPage(); });
    server.Route("/auth/check", [this](const test::RecordedRequest& r) { return Check(r); });
    server.Route("/welcome", [this](const test::RecordedRequest& r) {
      return LoggedIn(r) ? Response(200, "<html><body><h1>Welcome alice</h1></body></html>")
                         : LoginPage();
    });
    server.Route("/data/amateur.txt", [this](const test::RecordedRequest& r) {
      return LoggedIn(r) ? Response(200, elements) : LoginPage();
    });
  }

  QByteArray elements = SampleElements();  // what the logged-in user gets
  QByteArray token;  // the hidden token of the last page served
  int posts = 0;

 private:
  bool LoggedIn(const test::RecordedRequest& r) const {
    return r.Cookies().contains("session=s-" + token);
  }
  Reply LoginPage() {
    token = QByteArray::number(QRandomGenerator::global()->generate());
    return Response(200, "<html><body><h2>LOGIN</h2><form method='post' action='" + action_ +
                             "'><input type='hidden' name='csrf' value='" + token +
                             "'>User <input id='identity' name='user_field'>"
                             "Password <input id='password' name='pw' type='password'>"
                             "<input type=submit value='LOGIN'></form></body></html>");
  }
  Reply Check(const test::RecordedRequest& r) {
    ++posts;
    const QUrlQuery fields(QString::fromLatin1(r.body));
    if (fields.queryItemValue(QStringLiteral("csrf"), QUrl::FullyDecoded).toLatin1() != token ||
        fields.queryItemValue(QStringLiteral("user_field"), QUrl::FullyDecoded) != QLatin1String("alice") ||
        fields.queryItemValue(QStringLiteral("pw"), QUrl::FullyDecoded) != QLatin1String("s3cret!")) {
      return Response(200, "<html><body>Incorrect password '" +
                               fields.queryItemValue(QStringLiteral("pw"), QUrl::FullyDecoded).toLatin1() +
                               "'</body></html>");
    }
    return Redirect(302, "/welcome", "Set-Cookie: session=s-" + token + "; Path=/\r\n");
  }

  TestHttpServer& server_;
  QByteArray action_;
};

}  // namespace app::download::test
