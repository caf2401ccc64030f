// The upload against a real FTP server on the loopback: files arrive whole and replace the
// previous ones, every kind of failure ends in a failure within the time-outs, and one
// upload at a time, with its result back on the window thread.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QThread>
#include <QTimer>

#include "ftp_fixture.h"
#include "map/form_html.h"
#include "map/ftp_upload.h"
#include "map/map_export.h"
#include "map_world.h"

using namespace map;
using map::testing::ClosedPort;
using map::testing::FtpServer;
using map::testing::MapWorld;

namespace {

QByteArray Noise(int size, quint32 seed) {
  QRandomGenerator g(seed);
  QByteArray bytes(size, '\0');
  for (char& c : bytes) c = static_cast<char>(g.bounded(256));
  return bytes;
}

// The two export files in a fresh program folder.
struct Published {
  explicit Published(int pageSize, int pictureSize, quint32 seed = 1) {
    page = Noise(pageSize, seed);
    picture = Noise(pictureSize, seed + 1);
    ok = WriteExportFiles(folder.path(), picture, page);
  }
  QTemporaryDir folder;
  QByteArray page, picture;
  bool ok = false;
};

FtpJob JobFor(const FtpServer& server, const Published& files, const QString& folder) {
  MapSettings s;
  s.host = server.Host();
  s.hostDir = folder;
  s.hostUser = server.user;
  s.hostPass = server.password;
  return ExportUploadJob(s, files.folder.path(), 2000, 4000);
}

// Runs the event loop until `done` or `ms` went by.
bool WaitFor(const std::function<bool()>& done, int ms) {
  QElapsedTimer t;
  t.start();
  while (!done() && t.elapsed() < ms) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(5);
  }
  return done();
}

}  // namespace

TEST(FtpUpload, BothFilesArriveByteIdenticalThroughOneCwdInPassiveMode) {
  FtpServer server;
  ASSERT_TRUE(server.Running());
  Published files(3000, 70000);
  ASSERT_TRUE(files.ok);
  const FtpResult r = RunFtpUpload(JobFor(server, files, QStringLiteral("pub")));
  ASSERT_TRUE(r.success) << r.detail.toStdString();
  EXPECT_EQ(server.Remote(QStringLiteral("pub/orvane.htm")), files.page);
  EXPECT_EQ(server.Remote(QStringLiteral("pub/orvane_map.jpg")), files.picture);
  const QStringList commands = server.Commands();
  EXPECT_TRUE(commands.contains(QStringLiteral("USER orvane")));
  EXPECT_EQ(server.Count(QStringLiteral("CWD")), 1) << commands.join(' ').toStdString();
  EXPECT_TRUE(commands.contains(QStringLiteral("CWD pub")));
  EXPECT_EQ(server.Count(QStringLiteral("STOR orvane.htm")), 1);
  EXPECT_EQ(server.Count(QStringLiteral("STOR orvane_map.jpg")), 1);
  EXPECT_EQ(server.Count(QStringLiteral("APPE")), 0);
  EXPECT_EQ(server.Count(QStringLiteral("PORT")) + server.Count(QStringLiteral("EPRT")), 0);
  EXPECT_EQ(server.Count(QStringLiteral("PASV")) + server.Count(QStringLiteral("EPSV")), 2);
  EXPECT_EQ(server.Count(QStringLiteral("QUIT")), 1);
  // The page goes first, so a browser never finds a page whose picture is missing.
  EXPECT_LT(commands.indexOf(QStringLiteral("STOR orvane.htm")),
            commands.indexOf(QStringLiteral("STOR orvane_map.jpg")));
}

TEST(FtpUpload, ASecondSmallerUploadReplacesTheRemoteFiles) {
  FtpServer server;
  ASSERT_TRUE(server.Running());
  Published big(5000, 90000, 7);
  ASSERT_TRUE(RunFtpUpload(JobFor(server, big, QStringLiteral("pub"))).success);
  Published small(700, 20000, 9);
  const FtpResult r = RunFtpUpload(JobFor(server, small, QStringLiteral("pub")));
  ASSERT_TRUE(r.success) << r.detail.toStdString();
  EXPECT_EQ(server.Remote(QStringLiteral("pub/orvane.htm")).size(), 700);
  EXPECT_EQ(server.Remote(QStringLiteral("pub/orvane_map.jpg")).size(), 20000);
  EXPECT_EQ(server.Remote(QStringLiteral("pub/orvane.htm")), small.page);
  EXPECT_EQ(server.Remote(QStringLiteral("pub/orvane_map.jpg")), small.picture);
}

TEST(FtpUpload, AnEmptyFolderStoresInTheLoginFolderWithoutCwd) {
  FtpServer server;
  ASSERT_TRUE(server.Running());
  Published files(100, 200);
  ASSERT_TRUE(RunFtpUpload(JobFor(server, files, QString())).success);
  EXPECT_EQ(server.Remote(QStringLiteral("orvane.htm")), files.page);
  EXPECT_EQ(server.Count(QStringLiteral("CWD")), 0);
}

TEST(FtpUpload, EveryFailureEndsAsAFailureWithinTheTimeouts) {
  FtpServer server;
  ASSERT_TRUE(server.Running());
  Published files(100, 200);
  QTcpServer silent;  // accepts the connection (the kernel does) and never greets
  ASSERT_TRUE(silent.listen(QHostAddress::LocalHost, 0));
  struct Case {
    const char* name;
    FtpJob job;
    int atMostMs;
  };
  FtpJob missingFolder = JobFor(server, files, QStringLiteral("no/such/folder"));
  FtpJob wrongPassword = JobFor(server, files, QStringLiteral("pub"));
  wrongPassword.password = QStringLiteral("wrong");
  FtpJob closedPort = JobFor(server, files, QStringLiteral("pub"));
  closedPort.host = QStringLiteral("127.0.0.1:%1").arg(ClosedPort());
  FtpJob noGreeting = JobFor(server, files, QStringLiteral("pub"));
  noGreeting.host = QStringLiteral("127.0.0.1:%1").arg(silent.serverPort());
  noGreeting.totalTimeoutMs = 800;
  FtpJob noHost = JobFor(server, files, QStringLiteral("pub"));
  noHost.host = QStringLiteral("user:pw@evil.example/x");
  FtpJob missingFile = JobFor(server, files, QStringLiteral("pub"));
  missingFile.files[1].localPath += QStringLiteral(".gone");
  const Case cases[] = {{"missing folder", missingFolder, 4000}, {"wrong password", wrongPassword, 4000},
                        {"closed port", closedPort, 2000},       {"no greeting", noGreeting, 2500},
                        {"unusable host", noHost, 200},          {"missing local file", missingFile, 200}};
  for (const Case& c : cases) {
    QElapsedTimer t;
    t.start();
    const FtpResult r = RunFtpUpload(c.job);
    EXPECT_FALSE(r.success) << c.name;
    EXPECT_LT(t.elapsed(), c.atMostMs) << c.name;
    EXPECT_FALSE(r.detail.contains(server.password)) << c.name;
  }
  // The silent server was waited for until the total time-out, not given up at once.
  QElapsedTimer t;
  t.start();
  EXPECT_FALSE(RunFtpUpload(noGreeting).success);
  EXPECT_GE(t.elapsed(), 700);
  // Nothing of the failed uploads was stored.
  EXPECT_EQ(server.Count(QStringLiteral("STOR")), 0);
}

TEST(FtpUploader, ASecondRequestWhileOneRunsIsIgnoredAndTheResultComesBackOnThisThread) {
  FtpServer server(60000);  // 60 kB/s: the 80 kB picture keeps the upload busy over a second
  ASSERT_TRUE(server.Running());
  Published files(2000, 80000);
  FtpUploader uploader;
  int results = 0;
  bool success = false;
  QThread* resultThread = nullptr;
  auto done = [&](const FtpResult& r) {
    ++results;
    success = r.success;
    resultThread = QThread::currentThread();
  };
  ASSERT_TRUE(uploader.Start(JobFor(server, files, QStringLiteral("pub")), done));
  EXPECT_TRUE(uploader.Running());
  // Once the server is taking the picture, ask again: the request is dropped.
  ASSERT_TRUE(WaitFor([&] { return server.Count(QStringLiteral("STOR orvane_map.jpg")) == 1; }, 4000));
  EXPECT_TRUE(uploader.Running());
  EXPECT_FALSE(uploader.Start(JobFor(server, files, QStringLiteral("pub")), done));
  EXPECT_EQ(results, 0);  // a result only arrives through the event loop
  ASSERT_TRUE(WaitFor([&] { return results > 0; }, 6000));
  WaitFor([] { return false; }, 300);  // anything else queued would arrive now
  EXPECT_EQ(results, 1);
  EXPECT_TRUE(success);
  EXPECT_EQ(resultThread, QThread::currentThread());
  EXPECT_FALSE(uploader.Running());
  EXPECT_EQ(server.Count(QStringLiteral("STOR")), 2);  // one page, one picture: one upload
  EXPECT_EQ(server.Count(QStringLiteral("USER")), 1);
  EXPECT_EQ(server.Remote(QStringLiteral("pub/orvane_map.jpg")), files.picture);
  // Once it has ended, the next request runs.
  EXPECT_TRUE(uploader.Start(JobFor(server, files, QStringLiteral("pub")), done));
  ASSERT_TRUE(WaitFor([&] { return results == 2; }, 6000));
  EXPECT_EQ(server.Count(QStringLiteral("USER")), 2);
}

TEST(FtpUploader, StopEndsARunningUploadAtOnceAndDropsItsResult) {
  FtpServer server(20000);  // the 200 kB picture would take ten seconds
  ASSERT_TRUE(server.Running());
  Published files(500, 200000);
  FtpUploader uploader;
  int results = 0;
  ASSERT_TRUE(uploader.Start(JobFor(server, files, QStringLiteral("pub")),
                             [&](const FtpResult&) { ++results; }));
  ASSERT_TRUE(WaitFor([&] { return server.Count(QStringLiteral("STOR orvane_map.jpg")) == 1; }, 4000));
  QElapsedTimer t;
  t.start();
  uploader.Stop();
  EXPECT_LT(t.elapsed(), 2500);
  EXPECT_FALSE(uploader.Running());
  WaitFor([] { return false; }, 300);
  EXPECT_EQ(results, 0);
}

TEST(FtpUploader, AnAbandonedUploadStaysBusyUntilItsThreadHasEnded) {
  FtpServer server(20000);
  ASSERT_TRUE(server.Running());
  Published files(500, 200000);
  FtpUploader uploader;
  int results = 0;
  ASSERT_TRUE(uploader.Start(JobFor(server, files, QStringLiteral("pub")),
                             [&](const FtpResult&) { ++results; }));
  ASSERT_TRUE(WaitFor([&] { return server.Count(QStringLiteral("STOR orvane_map.jpg")) == 1; }, 4000));
  uploader.Abandon();
  EXPECT_TRUE(uploader.Running());
  EXPECT_FALSE(uploader.Start(JobFor(server, files, QStringLiteral("pub")), [&](const FtpResult&) {}));
  EXPECT_TRUE(WaitFor([&] { return !uploader.Running(); }, 3000));
  EXPECT_EQ(results, 0);
  EXPECT_EQ(server.Count(QStringLiteral("USER")), 1);
}

// The map window: with the page and the upload on, a refresh in a new minute writes both
// files and sends them; the labels follow; a second test upload while one runs is ignored.
TEST(MapUpload, TheRefreshWritesAndUploadsThePageAndTheLabelsFollow) {
  FtpServer server;
  ASSERT_TRUE(server.Running());
  MapWorld w;
  ASSERT_TRUE(w.loaded);
  w.settings.htmlPage = true;
  w.settings.upload = true;
  w.settings.host = server.Host();
  w.settings.hostDir = QStringLiteral("pub");
  w.settings.hostUser = server.user;
  w.settings.hostPass = server.password;
  MapEnvironment env = w.Env();
  env.uploadConnectTimeoutMs = 2000;
  env.uploadTotalTimeoutMs = 8000;
  TFormMap form(std::move(env));
  form.show();
  form.TimerRefreshTimer();
  TFormHTML* html = form.HtmlSettings();
  EXPECT_TRUE(html->LabelHTML->text().startsWith(QStringLiteral("Update: ")));
  EXPECT_EQ(html->LabelUpload->text(), QStringLiteral("Upload process"));
  EXPECT_TRUE(form.UploadRunning());
  EXPECT_TRUE(form.TimerThread->isActive());
  // TEST Upload while one runs: nothing (the result only comes back through the event loop).
  html->Button2->click();
  ASSERT_TRUE(WaitFor([&] { return !form.UploadRunning(); }, 9000));
  EXPECT_EQ(html->LabelUpload->text(), QStringLiteral("Upload success"));
  EXPECT_FALSE(form.TimerThread->isActive());
  EXPECT_EQ(server.Count(QStringLiteral("USER")), 1);
  QFile page(ExportPagePath(w.folder.path()));
  QFile picture(ExportPicturePath(w.folder.path()));
  ASSERT_TRUE(page.open(QIODevice::ReadOnly) && picture.open(QIODevice::ReadOnly));
  EXPECT_EQ(server.Remote(QStringLiteral("pub/orvane.htm")), page.readAll());
  EXPECT_EQ(server.Remote(QStringLiteral("pub/orvane_map.jpg")), picture.readAll());
  // The password shows nowhere in the window.
  for (const QLabel* label : html->findChildren<QLabel*>())
    EXPECT_FALSE(label->text().contains(server.password));
  // A failing server: "Upload failure".
  form.HtmlSettings()->EditPass->setText(QStringLiteral("wrong"));
  EXPECT_TRUE(form.MenuUploadFTP());
  ASSERT_TRUE(WaitFor([&] { return !form.UploadRunning(); }, 5000));
  EXPECT_EQ(html->LabelUpload->text(), QStringLiteral("Upload failure"));
}

// The report timer fires before the upload has ended: "Upload failure" at once, and no new
// upload until the abandoned one has let go.
TEST(MapUpload, TheReportTimerEndsAnUploadThatHangs) {
  QTcpServer silent;
  ASSERT_TRUE(silent.listen(QHostAddress::LocalHost, 0));
  MapWorld w;
  w.settings.htmlPage = true;
  w.settings.host = QStringLiteral("127.0.0.1:%1").arg(silent.serverPort());
  MapEnvironment env = w.Env();
  env.uploadTotalTimeoutMs = 30000;
  TFormMap form(std::move(env));
  form.show();
  ASSERT_TRUE(form.MenuSaveImage());
  ASSERT_TRUE(form.MenuUploadFTP());
  WaitFor([] { return false; }, 200);
  EXPECT_EQ(form.HtmlSettings()->LabelUpload->text(), QStringLiteral("Upload process"));
  form.TimerThreadTimer();  // what the 60-second timer does
  EXPECT_EQ(form.HtmlSettings()->LabelUpload->text(), QStringLiteral("Upload failure"));
  EXPECT_FALSE(form.MenuUploadFTP());  // the abandoned thread has not let go yet
  EXPECT_TRUE(WaitFor([&] { return !form.UploadRunning(); }, 3000));
  EXPECT_EQ(form.HtmlSettings()->LabelUpload->text(), QStringLiteral("Upload failure"));
  // Quit joins a running upload without waiting for its time-out.
  ASSERT_TRUE(form.MenuUploadFTP());
  QElapsedTimer t;
  t.start();
  form.EndUpload();
  EXPECT_LT(t.elapsed(), 2500);
  EXPECT_FALSE(form.UploadRunning());
}
