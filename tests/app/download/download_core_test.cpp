// The plain parts of the download: gunzip, the page reader, the login rules, the release
// list, the fetch log, the age rule and the content check.
#include <gtest/gtest.h>
#include <zlib.h>

#include <QDateTime>

#include "app/download/age_check.h"
#include "app/download/content_check.h"
#include "app/download/fetch_log.h"
#include "app/download/gunzip.h"
#include "app/download/html_form.h"
#include "app/download/login_client.h"
#include "app/download/release_check.h"
#include "base/clock.h"
#include "http_fixture.h"

namespace app::download {
namespace {

// A gzip member made by zlib's compressor (the other half of the library).
QByteArray GzipMember(const QByteArray& data) {
  z_stream s{};
  EXPECT_EQ(deflateInit2(&s, 9, Z_DEFLATED, 31, 8, Z_DEFAULT_STRATEGY), Z_OK);
  QByteArray out(static_cast<qsizetype>(deflateBound(&s, static_cast<uLong>(data.size())) + 64),
                 '\0');
  s.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  s.avail_in = static_cast<uInt>(data.size());
  s.next_out = reinterpret_cast<Bytef*>(out.data());
  s.avail_out = static_cast<uInt>(out.size());
  EXPECT_EQ(deflate(&s, Z_FINISH), Z_STREAM_END);
  out.resize(static_cast<qsizetype>(s.total_out));
  deflateEnd(&s);
  return out;
}

TEST(Gunzip, FirstMemberOnlyAndDamageIsCaught) {
  const QByteArray first = test::SampleElements();
  ASSERT_FALSE(first.isEmpty());
  const QByteArray second = "SECOND MEMBER\r\n";
  const QByteArray stream = GzipMember(first) + GzipMember(second);
  EXPECT_TRUE(IsGzip(stream));
  EXPECT_FALSE(IsGzip(first));

  QByteArray out;
  ASSERT_EQ(GunzipFirstMember(stream, 1 << 24, &out), GunzipStatus::Ok);
  EXPECT_EQ(out, first);  // the second member is left alone

  // Cut inside the member, or a trailer whose check does not match.
  const QByteArray member = GzipMember(first);
  EXPECT_EQ(GunzipFirstMember(member.left(member.size() - 20), 1 << 24, &out),
            GunzipStatus::Damaged);
  EXPECT_TRUE(out.isEmpty());
  QByteArray badCrc = member;
  badCrc[badCrc.size() - 6] = static_cast<char>(badCrc[badCrc.size() - 6] ^ 0x55);
  EXPECT_EQ(GunzipFirstMember(badCrc, 1 << 24, &out), GunzipStatus::Damaged);
  EXPECT_EQ(GunzipFirstMember(QByteArray("\x1f\x8b garbage", 10), 1 << 24, &out),
            GunzipStatus::Damaged);
  // The unpacked-size cap.
  EXPECT_EQ(GunzipFirstMember(member, first.size() - 1, &out), GunzipStatus::TooLarge);
  EXPECT_EQ(GunzipFirstMember(member, first.size(), &out), GunzipStatus::Ok);
}

TEST(PageReader, VisibleTextLeavesOutMarkup) {
  const QString html = QStringLiteral(
      "<html><head><title>LOGIN title</title><style>p{}</style></head>"
      "<body><!-- Incorrect --><script>var a='Welcome';</script>"
      "<p>Please&nbsp;log&#32;in &amp; go</p><div>LOGIN</div></body></html>");
  const QString text = StripTags(html);
  EXPECT_EQ(text, QStringLiteral("Please log in & go LOGIN"));  // a no-break space is a blank too
  EXPECT_FALSE(PageContains(text, QStringLiteral("Incorrect")));  // a comment
  EXPECT_FALSE(PageContains(text, QStringLiteral("Welcome")));    // a script
  EXPECT_FALSE(PageContains(text, QStringLiteral("title")));      // outside the body
  EXPECT_TRUE(PageContains(text, QStringLiteral("login")));       // case ignored
  // UTF-8 when valid, else Windows-1252/Latin-1.
  EXPECT_EQ(PageText(QByteArray("caf\xc3\xa9")), QStringLiteral("caf\u00e9"));
  EXPECT_EQ(PageText(QByteArray("caf\xe9")), QStringLiteral("caf\u00e9"));
}

TEST(PageReader, FirstFormWithResolvedActionHiddenInputsIdsAndNames) {
  const QString html = QStringLiteral(
      "<form id=search action='/search'><input name=q></form>"
      "<FORM METHOD=\"POST\" action=\"../auth/check?x=1&amp;y=2\">"
      "<input type=hidden name=csrf value=\"t&quot;1\">"
      "<input id=identity name=user_field type=text>"
      "<input id=password name=pw type=password>"
      "<input type=checkbox name=remember>"
      "<input type=checkbox name=terms checked>"
      "<select name=site><option value=a>A<option value=b selected>B</select>"
      "<textarea name=note>two &lt;words&gt;</textarea>"
      "<input type=submit name=go value=Go>"
      "</FORM>");
  // The first form only: the search form.
  const HtmlForm search = ParseFirstForm(html, QUrl(QStringLiteral("http://h:8080/a/b/login")));
  ASSERT_TRUE(search.found);
  EXPECT_EQ(search.action, QUrl(QStringLiteral("http://h:8080/search")));
  EXPECT_FALSE(search.post);

  const qsizetype second = html.indexOf(QLatin1String("<FORM"));
  HtmlForm form = ParseFirstForm(html.mid(second), QUrl(QStringLiteral("http://h:8080/a/b/login")));
  ASSERT_TRUE(form.found);
  EXPECT_TRUE(form.post);
  EXPECT_EQ(form.action.toString(), QStringLiteral("http://h:8080/a/auth/check?x=1&y=2"));
  // An id is found before a name; a name alone works too.
  ASSERT_NE(form.Field(QStringLiteral("identity")), nullptr);
  EXPECT_EQ(form.Field(QStringLiteral("identity"))->name, QStringLiteral("user_field"));
  EXPECT_EQ(form.Field(QStringLiteral("pw")), form.Field(QStringLiteral("password")));
  EXPECT_TRUE(form.Field(QStringLiteral("csrf"))->Hidden());
  EXPECT_EQ(form.Field(QStringLiteral("csrf"))->value, QStringLiteral("t\"1"));
  EXPECT_FALSE(form.Field(QStringLiteral("go"))->Editable());

  ASSERT_TRUE(FillScriptedFields(&form, QStringLiteral("ann & bob"), QStringLiteral("p=w d")));
  EXPECT_EQ(EncodeForm(form),
            QByteArray("csrf=t%221&user_field=ann%20%26%20bob&pw=p%3Dw%20d&terms=on&site=b"
                       "&note=two%20%3Cwords%3E"));
  HtmlForm noFields = ParseFirstForm(QStringLiteral("<form><input name=a></form>"), QUrl());
  EXPECT_FALSE(FillScriptedFields(&noFields, QStringLiteral("u"), QStringLiteral("p")));
}

TEST(LoginRules, PagesAreToldApartInOrder) {
  HtmlForm withFields = ParseFirstForm(
      QStringLiteral("<form method=post><input id=identity><input id=password></form>"), QUrl());
  const HtmlForm none;
  const QString user = QStringLiteral("alice");
  auto kind = [&](const char* text, const HtmlForm& form) {
    return ClassifyLoginPage(QString::fromLatin1(text), form, user);
  };
  EXPECT_EQ(kind("LOGIN Incorrect password", withFields), LoginPageKind::Refused);
  EXPECT_EQ(kind("Please LOGIN here (Page 1)", withFields), LoginPageKind::LoginForm);
  // "LOGIN" without the two fields does not count as the login form.
  EXPECT_EQ(kind("LOGIN Welcome alice", none), LoginPageKind::Welcome);
  EXPECT_EQ(kind("Welcome bob", none), LoginPageKind::Undecided);
  EXPECT_EQ(kind("404 Not Found", none), LoginPageKind::ErrorPage);
  EXPECT_EQ(kind("Server diagnose", none), LoginPageKind::ErrorPage);
  EXPECT_EQ(kind("Nothing to say", none), LoginPageKind::Undecided);

  EXPECT_FALSE(LoginWanted(QString()));
  EXPECT_FALSE(LoginWanted(QStringLiteral("http://")));
  EXPECT_TRUE(LoginWanted(QStringLiteral("https://www.space-track.org/auth/login")));
  EXPECT_TRUE(IsScriptedLogin(QUrl(QStringLiteral("https://www.Space-Track.org/auth/login")),
                              QString::fromLatin1(kScriptedLoginHost)));
  EXPECT_FALSE(IsScriptedLogin(QUrl(QStringLiteral("https://example.org/space-track.org")),
                               QString::fromLatin1(kScriptedLoginHost)));
}

TEST(LoginRules, ThePasswordStaysOnTheLoginSite) {
  const QUrl login(QStringLiteral("https://www.space-track.org/auth/login"));
  EXPECT_TRUE(SameSite(login, QUrl(QStringLiteral("https://WWW.space-track.org/other"))));
  EXPECT_FALSE(SameSite(login, QUrl(QStringLiteral("https://evil.example/auth"))));
  EXPECT_FALSE(SameSite(login, QUrl(QStringLiteral("http://www.space-track.org/auth"))));
  EXPECT_FALSE(SameSite(login, QUrl(QStringLiteral("https://www.space-track.org:8443/auth"))));
  EXPECT_TRUE(SameSite(QUrl(QStringLiteral("http://h/login")), QUrl(QStringLiteral("https://h/a"))));

  HtmlForm elsewhere = ParseFirstForm(
      QStringLiteral("<form method=post action='https://evil.example/x'>"
                     "<input name=username><input type=password name=p></form>"),
      login);
  PrefillManualForm(&elsewhere, login, QStringLiteral("alice"), QStringLiteral("s3cret"));
  EXPECT_TRUE(elsewhere.inputs[0].value.isEmpty());
  EXPECT_TRUE(elsewhere.inputs[1].value.isEmpty());
  HtmlForm home = ParseFirstForm(
      QStringLiteral("<form method=post action='/x'><input name=Username>"
                     "<input type=password name=p><input name=other></form>"),
      login);
  PrefillManualForm(&home, login, QStringLiteral("alice"), QStringLiteral("s3cret"));
  EXPECT_EQ(home.inputs[0].value, QStringLiteral("alice"));
  EXPECT_EQ(home.inputs[1].value, QStringLiteral("s3cret"));
  EXPECT_TRUE(home.inputs[2].value.isEmpty());

  EXPECT_EQ(MaskSecret(QStringLiteral("bad s3cret, s3cret!"), QStringLiteral("s3cret")),
            QStringLiteral("bad \u2022\u2022\u2022\u2022\u2022\u2022, \u2022\u2022\u2022\u2022\u2022\u2022!"));
  EXPECT_EQ(MaskSecret(QStringLiteral("abc"), QString()), QStringLiteral("abc"));
}

TEST(ReleaseCheck, ListAndVersionWeights) {
  const QByteArray list =
      "=orvane=9.9.9\r\nmapper=1.0\r\norvane2=8.0.0\r\norvane=3.9.0\r\norvane=4.0.0\r\n";
  EXPECT_EQ(LatestVersionFromList(list, QStringLiteral("orvane")), QStringLiteral("3.9.0"));
  EXPECT_EQ(LatestVersionFromList(list, QStringLiteral("absent")), QString());
  EXPECT_EQ(LatestVersionFromList("<html>orvane=9.0.0</html>", QStringLiteral("orvane")),
            QString());
  EXPECT_EQ(LatestVersionFromList("  <orvane=9.0.0", QStringLiteral("orvane")), QString());

  // Hand-computed: first character of each part times 100, 10, 1.
  EXPECT_EQ(VersionNumber(QStringLiteral("3.8.4")), 384);
  EXPECT_EQ(VersionNumber(QStringLiteral("3.10.1")), 311);
  EXPECT_EQ(VersionNumber(QStringLiteral("3.9.0")), 390);
  EXPECT_EQ(VersionNumber(QStringLiteral("4")), 400);
  EXPECT_EQ(VersionNumber(QStringLiteral("3.x.7")), 300);
  EXPECT_EQ(VersionNumber(QStringLiteral("v3.9.0")), 0);
  EXPECT_EQ(VersionNumber(QString()), 0);
  EXPECT_EQ(VersionNumber(QStringLiteral("3.9.0.9")), 390);
  EXPECT_FALSE(IsNewerRelease(QStringLiteral("3.9.0"), QStringLiteral("3.10.1")));
  EXPECT_TRUE(IsNewerRelease(QStringLiteral("3.8.4"), QStringLiteral("3.9.0")));
  EXPECT_FALSE(IsNewerRelease(QStringLiteral("3.8.4"), QStringLiteral("3.8.4")));
  EXPECT_FALSE(IsNewerRelease(QStringLiteral("3.8.4"), QString()));
}

TEST(FetchLog, TwoHoursBetweenFetchesOfOneAddress) {
  const double now = base::DateTimeValue(2024, 5, 1, 12, 0, 0);
  const QString a = QStringLiteral("https://a.example/amateur.txt");
  const QString b = QStringLiteral("https://b.example/x.txt,with,commas");
  QStringList log;
  EXPECT_FALSE(FetchedRecently(log, a, now));
  RecordFetch(&log, a, now);
  RecordFetch(&log, b, now + 10.0 / 1440);
  ASSERT_EQ(log.size(), 2);
  EXPECT_EQ(log[0], QStringLiteral("2024-05-01T12:00:00,https://a.example/amateur.txt"));
  EXPECT_TRUE(FetchedRecently(log, a, now + 119.0 / 1440));
  EXPECT_FALSE(FetchedRecently(log, a, now + 120.0 / 1440));  // two hours exactly
  EXPECT_FALSE(FetchedRecently(log, a, now - 1.0 / 1440));    // clock set back
  ASSERT_TRUE(LastFetch(log, b).has_value());
  EXPECT_NEAR(*LastFetch(log, b), now + 10.0 / 1440, 1e-6);

  // A new fetch replaces the address's entry and drops the stale ones.
  log.prepend(QStringLiteral("garbage"));
  RecordFetch(&log, b, now + 125.0 / 1440);
  EXPECT_EQ(log, QStringList{QStringLiteral("2024-05-01T14:05:00,") + b});
  for (int i = 0; i < kFetchLogSize + 5; ++i)
    RecordFetch(&log, QStringLiteral("http://h/") + QString::number(i), now + 130.0 / 1440);
  EXPECT_EQ(log.size(), kFetchLogSize);
  EXPECT_TRUE(log.last().endsWith(QStringLiteral("http://h/24")));
}

TEST(AgeAlarm, AFileAsOldAsTheLimitRaisesIt) {
  const QDateTime written(QDate(2024, 3, 1), QTime(8, 30, 0), Qt::LocalTime);
  const double now = base::DateTimeValue(2024, 3, 4, 8, 30, 0);
  EXPECT_DOUBLE_EQ(ElementAgeDays(written, now), 3.0);
  EXPECT_TRUE(AgeAlarmDue(3, ElementAgeDays(written, now)));
  EXPECT_FALSE(AgeAlarmDue(3, ElementAgeDays(written, now - 1.0 / 86400)));
  EXPECT_TRUE(AgeAlarmDue(1, 14.2));
  EXPECT_FALSE(AgeAlarmDue(14, -0.5));  // written "after" now: young
}

TEST(ContentCheck, OneValidSetMakesAnElementFile) {
  const QByteArray sample = test::SampleElements();
  EXPECT_TRUE(IsElementContent(sample, true));
  EXPECT_FALSE(IsElementContent("<html><body>LOGIN</body></html>", true));
  EXPECT_FALSE(IsElementContent("{\"error\":\"You must be logged in\"}", true));
  EXPECT_FALSE(IsElementContent("\xef\xbb\xbf\r\n<!DOCTYPE html><html></html>", true));
  EXPECT_FALSE(IsElementContent(QByteArray(), true));
  // One set whose line 2 checksum is off: refused unless checksums are not controlled.
  const QList<QByteArray> lines = sample.split('\n');
  QByteArray damaged = lines[0] + '\n' + lines[1] + '\n';
  QByteArray line2 = lines[2].trimmed();
  line2[68] = line2[68] == '0' ? '1' : '0';
  damaged += line2 + '\n';
  EXPECT_FALSE(IsElementContent(damaged, true));
  EXPECT_TRUE(IsElementContent(damaged, false));
  // Longer than a group takes is still an element file.
  QByteArray big;
  while (big.count('\n') < 3200) big += sample;
  EXPECT_TRUE(IsElementContent(big, true));
}

TEST(ContentCheck, VerdictOfEachKindOfAnswer) {
  HttpResponse ok;
  ok.httpStatus = 200;
  ok.body = GzipMember(test::SampleElements());
  DownloadVerdict v = JudgeDownload(ok, true, 1 << 24);
  EXPECT_EQ(v.verdict, Verdict::Accepted);
  EXPECT_TRUE(v.gzip);
  EXPECT_EQ(v.content, test::SampleElements());

  HttpResponse page = ok;
  page.body = GzipMember("<html>LOGIN</html>");
  EXPECT_EQ(JudgeDownload(page, true, 1 << 24).verdict, Verdict::NotText);
  HttpResponse broken = ok;
  broken.body = ok.body.left(ok.body.size() / 2);
  EXPECT_EQ(JudgeDownload(broken, true, 1 << 24).verdict, Verdict::ExtractError);
  EXPECT_EQ(JudgeDownload(ok, true, 100).verdict, Verdict::ExtractError);  // too large
  HttpResponse cut = ok;
  cut.failure = TransferFailure::Truncated;
  EXPECT_EQ(JudgeDownload(cut, true, 1 << 24).verdict, Verdict::TransferError);
  EXPECT_TRUE(JudgeDownload(cut, true, 1 << 24).content.isEmpty());
}

}  // namespace
}  // namespace app::download
