// The login road against a service written here: its form posts to another path with a
// hidden token, it sets its session cookie on a 302, and it serves the login page again
// to any request without that cookie.
#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>
#include <QTemporaryDir>
#include <QUrlQuery>

#include "app/download/download_procedure.h"
#include "base/clock.h"
#include "http_fixture.h"
#include "login_service.h"

namespace app::download {
namespace {

using test::LoginService;
using test::SampleElements;
using test::TestHttpServer;

class LoginRoad : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    ASSERT_TRUE(server.Listening());
    target = folder.filePath(QStringLiteral("amateur.txt"));
    ProcedureConfig config;
    config.scriptedHost = QStringLiteral("127.0.0.1");  // the service written here
    procedure = std::make_unique<DownloadProcedure>(&clock, &fetchLog, config);
    QObject::connect(procedure.get(), &DownloadProcedure::LoginShown,
            [this](const LoginView& view) { shown.push_back(view); });
    job.url = server.Url(QStringLiteral("/data/amateur.txt"));
    job.loginUrl = server.Url(QStringLiteral("/login"));
    job.userName = QStringLiteral("alice");
    job.password = QStringLiteral("s3cret!");
    job.target = target;
  }
  // Waits until the procedure rests: finished, or a login page waits for the user.
  void Settle() {
    QTRY_VERIFY_WITH_TIMEOUT(!procedure->Busy(), 15000);
  }
  Outcome Press() {
    procedure->Download(job);
    Settle();
    return procedure->LastOutcome();
  }
  // The password went out only in POST bodies to the login site.
  void ExpectPasswordOnlyInPosts() {
    for (const test::RecordedRequest& r : server.requests) {
      EXPECT_FALSE(r.line.contains("s3cret")) << r.line.toStdString();
      for (const QByteArray& v : r.headers) EXPECT_FALSE(v.contains("s3cret"));
      if (r.method != "POST") {
        EXPECT_FALSE(r.body.contains("s3cret"));
      }
    }
  }

  QTemporaryDir folder;
  TestHttpServer server;
  base::TestClock clock{base::DateTimeValue(2024, 5, 1, 12, 0, 0)};
  QStringList fetchLog;
  std::unique_ptr<DownloadProcedure> procedure;
  DownloadJob job;
  QString target;
  std::vector<LoginView> shown;
};

TEST_F(LoginRoad, TheProgramLogsInAndTheDownloadCarriesTheCookie) {
  LoginService service(server);
  EXPECT_EQ(Press(), Outcome::Completed);
  EXPECT_EQ(procedure->CurrentStatus(), Status::Completed);
  QFile file(target);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), SampleElements());
  EXPECT_TRUE(shown.empty());  // nothing for the user to do

  QList<QByteArray> lines;
  for (const test::RecordedRequest& r : server.requests) lines.append(r.line);
  EXPECT_EQ(lines, (QList<QByteArray>{"GET /login HTTP/1.1", "POST /auth/check HTTP/1.1",
                                      "GET /welcome HTTP/1.1", "GET /data/amateur.txt HTTP/1.1"}));
  const test::RecordedRequest& post = server.requests[1];
  EXPECT_EQ(post.Header("content-type"), QByteArray("application/x-www-form-urlencoded"));
  EXPECT_EQ(post.body, "csrf=" + service.token + "&user_field=alice&pw=s3cret%21");
  EXPECT_EQ(post.Header("referer"), server.Url(QStringLiteral("/login")).toLatin1());
  EXPECT_EQ(server.requests[3].Cookies(), "session=s-" + service.token);
  ExpectPasswordOnlyInPosts();
  EXPECT_EQ(procedure->LastLoginUrl(), job.loginUrl);

  // A second download in the same run goes straight to the file.
  clock.AdvanceSeconds(3 * 3600);
  EXPECT_EQ(Press(), Outcome::Completed);
  EXPECT_EQ(server.Count("/login"), 1);
  EXPECT_EQ(server.Count("/data/amateur.txt"), 2);
}

TEST_F(LoginRoad, AWrongPasswordShowsThePageWithThePasswordMasked) {
  LoginService service(server);
  job.password = QStringLiteral("wrong-pw");
  Press();
  EXPECT_EQ(procedure->CurrentStatus(), Status::LoginError);
  EXPECT_EQ(service.posts, 1);
  EXPECT_EQ(server.Count("/data/amateur.txt"), 0);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_TRUE(shown[0].text.contains(QStringLiteral("Incorrect")));
  EXPECT_FALSE(shown[0].text.contains(QStringLiteral("wrong-pw")));
  EXPECT_TRUE(procedure->LastLoginUrl().isEmpty());
  EXPECT_FALSE(QFile::exists(target));
}

TEST_F(LoginRoad, APasswordIsNeverSentToAnotherHost) {
  // The form sends to localhost while the login page is 127.0.0.1: another host name.
  LoginService service(server, server.Url(QStringLiteral("/auth/check"), QStringLiteral("localhost")).toLatin1());
  Press();
  EXPECT_EQ(procedure->CurrentStatus(), Status::LoginError);
  EXPECT_EQ(service.posts, 0);
  ASSERT_EQ(shown.size(), 1u);
  // Nothing is filled in for the user either.
  for (const FormInput& input : shown[0].form.inputs)
    if (input.Password()) {
      EXPECT_TRUE(input.value.isEmpty());
    }
  ExpectPasswordOnlyInPosts();
}

TEST_F(LoginRoad, TheUserCompletesAPageTheProgramDoesNotKnow) {
  LoginService service(server);
  procedure->Config().scriptedHost = QStringLiteral("space-track.org");
  Press();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(procedure->CurrentStatus(), Status::LoginUrl);
  EXPECT_EQ(service.posts, 0);
  HtmlForm form = shown[0].form;
  ASSERT_TRUE(form.found);
  // The stored name and password wait in the fields; the token is kept hidden.
  EXPECT_EQ(form.Field(QStringLiteral("identity"))->value, QStringLiteral("alice"));
  EXPECT_EQ(form.Field(QStringLiteral("password"))->value, QStringLiteral("s3cret!"));
  EXPECT_TRUE(form.Field(QStringLiteral("csrf"))->Hidden());
  procedure->SubmitLogin(form);
  Settle();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_TRUE(shown[1].text.contains(QStringLiteral("Welcome alice")));
  EXPECT_EQ(procedure->Session().CookieCount(), 1);
  QSignalSpy finished(procedure.get(), &DownloadProcedure::Finished);
  procedure->Continue();
  Settle();
  ASSERT_EQ(finished.size(), 1);
  EXPECT_EQ(procedure->LastOutcome(), Outcome::Completed);
  EXPECT_EQ(server.requests.back().Cookies(), "session=s-" + service.token);
  ExpectPasswordOnlyInPosts();
}

TEST_F(LoginRoad, WithoutTheCookieTheServiceAnswersWithItsLoginPage) {
  LoginService service(server);
  job.loginUrl = QStringLiteral("http://");
  EXPECT_EQ(Press(), Outcome::Failed);
  EXPECT_EQ(procedure->CurrentStatus(), Status::NotText);
  EXPECT_EQ(server.Count("/data/amateur.txt"), 4);
  EXPECT_EQ(server.Count("/login"), 0);

  // Disconnect forgets the session: the next run logs in again.
  job.loginUrl = server.Url(QStringLiteral("/login"));
  clock.AdvanceSeconds(3 * 3600);
  EXPECT_EQ(Press(), Outcome::Completed);
  procedure->Disconnect();
  EXPECT_EQ(procedure->Session().CookieCount(), 0);
  clock.AdvanceSeconds(3 * 3600);
  EXPECT_EQ(Press(), Outcome::Completed);
  EXPECT_EQ(server.Count("/login"), 2);
}

}  // namespace
}  // namespace app::download
