// The download road through the real libcurl code against servers written here: what
// reaches the server, what ends in the element file, and that no failure touches the
// file that was there before.
#include <gtest/gtest.h>
#include <zlib.h>

#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>
#include <QTemporaryDir>

#include "app/download/download_procedure.h"
#include "app/download/fetch_log.h"
#include "app/download/http_client.h"
#include "base/clock.h"
#include "http_fixture.h"

namespace app::download {
namespace {

using test::Redirect;
using test::Reply;
using test::Response;
using test::SampleElements;
using test::TestHttpServer;

QByteArray Gzip(const QByteArray& data) {
  z_stream s{};
  deflateInit2(&s, 6, Z_DEFLATED, 31, 8, Z_DEFAULT_STRATEGY);
  QByteArray out(static_cast<qsizetype>(deflateBound(&s, static_cast<uLong>(data.size())) + 64),
                 '\0');
  s.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  s.avail_in = static_cast<uInt>(data.size());
  s.next_out = reinterpret_cast<Bytef*>(out.data());
  s.avail_out = static_cast<uInt>(out.size());
  deflate(&s, Z_FINISH);
  out.resize(static_cast<qsizetype>(s.total_out));
  deflateEnd(&s);
  return out;
}

const QByteArray kOldFile = "OLD FILE\r\n1 keep me\r\n";
const QByteArray kHtml = "<!DOCTYPE html><html><body>Please LOGIN</body></html>";

class DownloadRoad : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    ASSERT_TRUE(server.Listening());
    target = folder.filePath(QStringLiteral("amateur.txt"));
    QFile file(target);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(kOldFile);
    file.close();
    clock.Set(base::DateTimeValue(2024, 5, 1, 12, 0, 0));
    procedure = std::make_unique<DownloadProcedure>(&clock, &fetchLog);
  }

  // Presses Download and waits for the run's end.
  Outcome Run(const QString& url, const QString& loginUrl = QString()) {
    DownloadJob job;
    job.url = url;
    job.loginUrl = loginUrl;
    job.userName = user;
    job.password = password;
    job.target = target;
    job.automatic = automatic;
    return RunJob(job);
  }
  Outcome RunJob(const DownloadJob& job) {
    QSignalSpy finished(procedure.get(), &DownloadProcedure::Finished);
    procedure->Download(job);
    if (finished.isEmpty()) finished.wait(15000);
    return procedure->LastOutcome();
  }
  QByteArray TargetBytes() const {
    QFile file(target);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
  }
  // Only the element file itself is left in the folder: no temporary or backup files.
  QStringList FolderFiles() const {
    return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
  }

  QTemporaryDir folder;
  TestHttpServer server;
  base::TestClock clock;
  QStringList fetchLog;
  std::unique_ptr<DownloadProcedure> procedure;
  QString target;
  QString user, password;
  bool automatic = false;
};

TEST_F(DownloadRoad, PlainTextReplacesTheFileAndTellsTheServerWhoAsks) {
  server.Route("/amateur.txt", Response(200, SampleElements()));
  EXPECT_EQ(Run(server.Url(QStringLiteral("/amateur.txt"))), Outcome::Completed);
  EXPECT_EQ(procedure->CurrentStatus(), Status::Completed);
  EXPECT_EQ(TargetBytes(), SampleElements());
  EXPECT_EQ(FolderFiles(), QStringList{QStringLiteral("amateur.txt")});
  // The file's time is the time of the download.
  EXPECT_LT(std::abs(QFileInfo(target).lastModified().secsTo(QDateTime::currentDateTime())), 60);
  ASSERT_EQ(server.requests.size(), 1u);
  const test::RecordedRequest& r = server.requests[0];
  EXPECT_EQ(r.line, QByteArray("GET /amateur.txt HTTP/1.1"));
  EXPECT_EQ(r.Header("user-agent"), QByteArray("Orvane/" ORVANE_VERSION));
  EXPECT_EQ(r.Header("cache-control"), QByteArray("no-cache"));
  EXPECT_EQ(procedure->LastHttpStatus(), 200);
  // Remembered for the two-hour rule.
  ASSERT_EQ(fetchLog.size(), 1);
  EXPECT_TRUE(fetchLog[0].endsWith(server.Url(QStringLiteral("/amateur.txt"))));
}

TEST_F(DownloadRoad, GzipKeepsTheFirstMemberUnpacked) {
  server.Route("/amateur.txt.gz", Response(200, Gzip(SampleElements()) + Gzip("TRAILING\r\n")));
  QSignalSpy statuses(procedure.get(), &DownloadProcedure::StatusChanged);
  EXPECT_EQ(Run(server.Url(QStringLiteral("/amateur.txt.gz"))), Outcome::Completed);
  EXPECT_EQ(TargetBytes(), SampleElements());
  bool extracting = false;
  for (const QList<QVariant>& s : statuses)
    if (s[0].value<Status>() == Status::GzipExtracting) extracting = true;
  EXPECT_TRUE(extracting);
}

TEST_F(DownloadRoad, AnHtmlPageIsAskedFourTimesAndTheOldFileStays) {
  server.Route("/amateur.txt", Response(200, kHtml));
  EXPECT_EQ(Run(server.Url(QStringLiteral("/amateur.txt"))), Outcome::Failed);
  EXPECT_EQ(server.Count("/amateur.txt"), 4);
  EXPECT_EQ(procedure->CurrentStatus(), Status::NotText);
  EXPECT_EQ(TargetBytes(), kOldFile);
  EXPECT_EQ(FolderFiles(), QStringList{QStringLiteral("amateur.txt")});
}

TEST_F(DownloadRoad, PagesHiddenBehindABomOrBlankLineAndJsonAreNotElements) {
  server.Route("/bom", Response(200, "\xef\xbb\xbf" + kHtml));
  server.Route("/blank", Response(200, "\r\n\r\n" + kHtml));
  server.Route("/json", Response(200, "[{\"error\":\"denied\"}]"));
  for (const char* path : {"/bom", "/blank", "/json"}) {
    EXPECT_EQ(Run(server.Url(QString::fromLatin1(path))), Outcome::Failed) << path;
    EXPECT_EQ(procedure->CurrentStatus(), Status::NotText) << path;
    EXPECT_EQ(TargetBytes(), kOldFile) << path;
  }
}

TEST_F(DownloadRoad, FailedTransfersLeaveTheOldFileByteIdentical) {
  server.Route("/missing", Response(404, SampleElements(), {}, "Not Found"));
  server.Route("/short", Reply{"HTTP/1.1 200 OK\r\nContent-Length: 90000\r\nConnection: close\r\n\r\n" +
                               SampleElements().left(3000)});
  server.Route("/ftp", Redirect(302, "ftp://127.0.0.1/amateur.txt"));
  server.Route("/empty", Response(200, QByteArray()));
  struct Case {
    const char* path;
    TransferFailure failure;
    long status;
  };
  for (const Case& c : {Case{"/missing", TransferFailure::Http, 404},
                        Case{"/short", TransferFailure::Truncated, 200},
                        Case{"/ftp", TransferFailure::Protocol, 302},
                        Case{"/empty", TransferFailure::Empty, 200}}) {
    EXPECT_EQ(Run(server.Url(QString::fromLatin1(c.path))), Outcome::Failed) << c.path;
    EXPECT_EQ(procedure->CurrentStatus(), Status::DownloadError) << c.path;
    EXPECT_EQ(procedure->LastFailure(), c.failure) << c.path;
    EXPECT_EQ(procedure->LastHttpStatus(), c.status) << c.path;
    EXPECT_EQ(server.Count(c.path), 1) << c.path;  // no retry of a failed transfer
    EXPECT_EQ(TargetBytes(), kOldFile) << c.path;
  }
  EXPECT_EQ(FolderFiles(), QStringList{QStringLiteral("amateur.txt")});
}

TEST_F(DownloadRoad, RedirectsAreFollowedWithinTheirLimit) {
  server.Route("/old", Redirect(301, "/new"));
  server.Route("/new", Response(200, SampleElements()));
  EXPECT_EQ(Run(server.Url(QStringLiteral("/old"))), Outcome::Completed);
  EXPECT_EQ(server.Count("/old"), 1);
  EXPECT_EQ(server.Count("/new"), 1);
  EXPECT_EQ(TargetBytes(), SampleElements());

  server.Route("/loop", Redirect(302, "/loop"));
  EXPECT_EQ(Run(server.Url(QStringLiteral("/loop"))), Outcome::Failed);
  EXPECT_EQ(procedure->LastFailure(), TransferFailure::Redirects);
  EXPECT_EQ(server.Count("/loop"), 6);  // the request and five redirects
}

TEST_F(DownloadRoad, AStalledServerAndARefusedPortEndInAnError) {
  server.Route("/stall", Reply{"HTTP/1.1 200 OK\r\nContent-Length: 90000\r\n\r\n" +
                                   SampleElements().left(500),
                               true});
  procedure->Config().options.lowSpeedLimit = 1000;
  procedure->Config().options.lowSpeedTimeS = 1;
  EXPECT_EQ(Run(server.Url(QStringLiteral("/stall"))), Outcome::Failed);
  EXPECT_EQ(procedure->LastFailure(), TransferFailure::TimedOut);
  EXPECT_EQ(TargetBytes(), kOldFile);

  QTcpServer closed;
  ASSERT_TRUE(closed.listen(QHostAddress::LocalHost, 0));
  const quint16 port = closed.serverPort();
  closed.close();
  const QString refused = QStringLiteral("http://127.0.0.1:%1/amateur.txt").arg(port);
  EXPECT_EQ(Run(refused), Outcome::Failed);
  EXPECT_EQ(procedure->CurrentStatus(), Status::DownloadError);
  EXPECT_EQ(procedure->LastFailure(), TransferFailure::Connect);
  EXPECT_EQ(procedure->LastHttpStatus(), 0);
  EXPECT_FALSE(LastFetch(fetchLog, refused).has_value());  // it reached no server
  EXPECT_EQ(TargetBytes(), kOldFile);
}

TEST_F(DownloadRoad, ARequestThatWouldLeaveTheMachineFailsAtTheTestProxy) {
  EXPECT_EQ(Run(QStringLiteral("http://orvane-test.invalid/amateur.txt")), Outcome::Failed);
  EXPECT_EQ(procedure->LastFailure(), TransferFailure::Connect);
  EXPECT_EQ(TargetBytes(), kOldFile);
}

TEST_F(DownloadRoad, SizeCapsAndUrlChecks) {
  server.Route("/big", Response(200, SampleElements()));
  procedure->Config().options.maxBytes = 1000;
  EXPECT_EQ(Run(server.Url(QStringLiteral("/big"))), Outcome::Failed);
  EXPECT_EQ(procedure->LastFailure(), TransferFailure::TooLarge);
  procedure->Config().options.maxBytes = 1 << 24;
  server.Route("/bomb", Response(200, Gzip(QByteArray(4 << 20, ' ') + SampleElements())));
  procedure->Config().maxUnpacked = 1 << 20;
  EXPECT_EQ(Run(server.Url(QStringLiteral("/bomb"))), Outcome::Failed);
  EXPECT_EQ(procedure->CurrentStatus(), Status::ExtractError);
  EXPECT_EQ(TargetBytes(), kOldFile);

  for (const char* url : {"", "http://", "ftp://127.0.0.1/x", "file:///etc/passwd"}) {
    const size_t before = server.requests.size();
    EXPECT_EQ(Run(QString::fromLatin1(url)), Outcome::Failed) << url;
    EXPECT_EQ(procedure->CurrentStatus(), Status::UrlError) << url;
    EXPECT_EQ(server.requests.size(), before);
  }
}

TEST_F(DownloadRoad, TheSameAddressWaitsTwoHoursUnlessTheUserAsksTwice) {
  server.Route("/amateur.txt", Response(200, SampleElements()));
  const QString url = server.Url(QStringLiteral("/amateur.txt"));
  EXPECT_EQ(Run(url), Outcome::Completed);
  clock.AdvanceSeconds(3600);
  EXPECT_EQ(Run(url), Outcome::Failed);
  EXPECT_EQ(procedure->CurrentStatus(), Status::RecentlyFetched);
  EXPECT_EQ(server.Count("/amateur.txt"), 1);
  EXPECT_EQ(Run(url), Outcome::Completed);  // the second press
  EXPECT_EQ(server.Count("/amateur.txt"), 2);
  // An automatic run never insists.
  automatic = true;
  EXPECT_EQ(Run(url), Outcome::Failed);
  EXPECT_EQ(Run(url), Outcome::Failed);
  EXPECT_EQ(server.Count("/amateur.txt"), 2);
  clock.AdvanceSeconds(2 * 3600);
  EXPECT_EQ(Run(url), Outcome::Completed);
  EXPECT_EQ(server.Count("/amateur.txt"), 3);
}

TEST_F(DownloadRoad, CloseMidTransferDropsTheAnswerAndKeepsTheFile) {
  server.Route("/stall", Reply{"HTTP/1.1 200 OK\r\nContent-Length: 90000\r\n\r\n", true});
  DownloadJob job;
  job.url = server.Url(QStringLiteral("/stall"));
  job.target = target;
  QSignalSpy finished(procedure.get(), &DownloadProcedure::Finished);
  procedure->Download(job);
  ASSERT_TRUE(procedure->Busy());
  procedure->Download(job);  // a second press while busy does nothing
  QTRY_COMPARE_WITH_TIMEOUT(server.Count("/stall"), 1, 5000);
  procedure->Cancel();
  EXPECT_FALSE(procedure->Busy());
  ASSERT_EQ(finished.size(), 1);
  EXPECT_EQ(procedure->LastOutcome(), Outcome::Failed);
  EXPECT_EQ(TargetBytes(), kOldFile);
  // The next press works at once.
  server.Route("/amateur.txt", Response(200, SampleElements()));
  EXPECT_EQ(Run(server.Url(QStringLiteral("/amateur.txt"))), Outcome::Completed);
  EXPECT_EQ(TargetBytes(), SampleElements());
}

TEST_F(DownloadRoad, ATargetThatCannotBeWrittenIsAnError) {
  server.Route("/amateur.txt", Response(200, SampleElements()));
  target = folder.filePath(QStringLiteral("no-such-folder/amateur.txt"));
  EXPECT_EQ(Run(server.Url(QStringLiteral("/amateur.txt"))), Outcome::Failed);
  EXPECT_EQ(procedure->CurrentStatus(), Status::SaveError);
  EXPECT_FALSE(QFile::exists(target));
  EXPECT_EQ(FolderFiles(), QStringList{QStringLiteral("amateur.txt")});
}

TEST(Https, TheTestCaPassesAndNoCaFails) {
  test::TestCertificates certificates;
  ASSERT_TRUE(certificates.ok) << "openssl did not make the certificates";
  TestHttpServer server(&certificates.server);
  ASSERT_TRUE(server.Listening());
  server.Route("/amateur.txt", Response(200, SampleElements()));
  HttpRequest request;
  request.url = QUrl(server.Url(QStringLiteral("/amateur.txt")));
  TransferOptions trusted;
  trusted.caFile = certificates.caFile;
  const HttpResponse good = test::WhileServing([&] { return Perform(request, trusted); });
  EXPECT_TRUE(good.Ok()) << good.curlCode;
  EXPECT_EQ(good.body, SampleElements());
  // The name in the certificate is checked too.
  request.url = QUrl(server.Url(QStringLiteral("/amateur.txt"), QStringLiteral("localhost")));
  EXPECT_TRUE(test::WhileServing([&] { return Perform(request, trusted); }).Ok());

  const TransferOptions system;  // the system's store knows nothing of the test CA
  const HttpResponse refused = test::WhileServing([&] { return Perform(request, system); });
  EXPECT_EQ(refused.failure, TransferFailure::Tls);
  EXPECT_TRUE(refused.body.isEmpty());
  EXPECT_EQ(server.Count("/amateur.txt"), 2);  // the refused one never sent its request
}

}  // namespace
}  // namespace app::download
