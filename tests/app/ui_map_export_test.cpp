// The published map from the settings file to the server: with the page and the upload on
// in "Orvane.ini", the map's refresh writes both files into "html" of the program folder
// and uploads them to a loopback FTP server; the HTML window's edits go back to the file at
// quit, and quit does not wait for a hanging upload.
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTcpServer>
#include <QTest>

#include "map/form_html.h"
#include "map/form_map.h"
#include "tests/app/ui_fixture.h"
#include "tests/map/ftp_fixture.h"

namespace app::test {
namespace {

class MapExportTest : public UiTest {
 protected:
  TForm1& StartWithIss(const QStringList& extra) {
    CopySampleElements();
    WriteSettings({QStringLiteral("25544")}, extra);
    TForm1& f = Start();
    f.TimerFinCreateTimer();
    return f;
  }
  static bool WaitFor(const std::function<bool()>& done, int ms) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms) QTest::qWait(20);
    return done();
  }
  QByteArray Local(const QString& name) const {
    QFile file(File(QStringLiteral("html/") + name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  QString IniText() const {
    QFile file(File(QStringLiteral("Orvane.ini")));
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
  }
};

TEST_F(MapExportTest, TheSettingsFilesPageIsWrittenAndUploadedEachMinute) {
  map::testing::FtpServer server;
  ASSERT_TRUE(server.Running());
  TForm1& f = StartWithIss({QStringLiteral("HTML=1"), QStringLiteral("UPLOAD=1"),
                            QStringLiteral("PIXEL=4"), QStringLiteral("HOST=") + server.Host(),
                            QStringLiteral("HOSTDIR=pub"), QStringLiteral("HOSTUSER=") + server.user,
                            QStringLiteral("HOSTPASS=") + server.password,
                            QStringLiteral("BROWSER_PERIOD=25")});
  QTest::mouseClick(f.Edit[0], Qt::LeftButton);
  f.SpeedButtonMap->click();
  map::TFormMap* m = f.MapWindow();
  ASSERT_TRUE(m->isVisible());
  m->TimerRefreshTimer();
  ASSERT_TRUE(WaitFor([&] { return !m->UploadRunning(); }, 8000));
  map::TFormHTML* html = m->HtmlSettings();
  EXPECT_EQ(html->LabelUpload->text(), QStringLiteral("Upload success"));
  const QByteArray page = Local(QStringLiteral("orvane.htm"));
  EXPECT_TRUE(page.contains("<meta http-equiv=\"Refresh\" content=\"25\">\r\n"));
  EXPECT_TRUE(page.contains("ISS (ZARYA) Live"));
  EXPECT_TRUE(page.contains("width=\"600\" height=\"300\">"));
  EXPECT_EQ(server.Remote(QStringLiteral("pub/orvane.htm")), page);
  const QByteArray picture = Local(QStringLiteral("orvane_map.jpg"));
  ASSERT_TRUE(picture.startsWith("\xFF\xD8\xFF"));
  EXPECT_EQ(server.Remote(QStringLiteral("pub/orvane_map.jpg")), picture);
  EXPECT_EQ(server.Count(QStringLiteral("USER")), 1);
  // The next minute: written and sent again.
  clock.AdvanceSeconds(60);
  m->TimerRefreshTimer();
  ASSERT_TRUE(WaitFor([&] { return server.Count(QStringLiteral("USER")) == 2 && !m->UploadRunning(); },
                      8000));
  EXPECT_EQ(html->LabelUpload->text(), QStringLiteral("Upload success"));
  // The window's changes reach the settings file at quit; the password as typed.
  html->show();
  html->EditHostDir->setText(QStringLiteral("www/live"));
  html->EditPass->setText(QStringLiteral("n3w=pw"));
  html->RadioButton[1]->click();
  html->SpinEditRefreshBrowser->setValue(40);
  AnswerNextQuestion(true);
  f.MenuQuitterClick();
  ASSERT_EQ(terminated, 1);
  const QString ini = IniText();
  EXPECT_TRUE(ini.contains(QStringLiteral("HTML=1\r\n")));
  EXPECT_TRUE(ini.contains(QStringLiteral("UPLOAD=1\r\n")));
  EXPECT_TRUE(ini.contains(QStringLiteral("PIXEL=2\r\n")));
  EXPECT_TRUE(ini.contains(QStringLiteral("HOSTDIR=www/live\r\n")));
  EXPECT_TRUE(ini.contains(QStringLiteral("HOSTPASS=n3w=pw\r\n")));
  EXPECT_TRUE(ini.contains(QStringLiteral("BROWSER_PERIOD=40\r\n")));
}

TEST_F(MapExportTest, QuitEndsAHangingUploadAtOnce) {
  QTcpServer silent;  // takes the connection and never greets
  ASSERT_TRUE(silent.listen(QHostAddress::LocalHost, 0));
  TForm1& f = StartWithIss({QStringLiteral("HTML=1"), QStringLiteral("UPLOAD=1"),
                            QStringLiteral("HOST=127.0.0.1:%1").arg(silent.serverPort())});
  QTest::mouseClick(f.Edit[0], Qt::LeftButton);
  f.SpeedButtonMap->click();
  map::TFormMap* m = f.MapWindow();
  m->TimerRefreshTimer();
  ASSERT_TRUE(m->UploadRunning());
  EXPECT_EQ(m->HtmlSettings()->LabelUpload->text(), QStringLiteral("Upload process"));
  AnswerNextQuestion(true);
  QElapsedTimer t;
  t.start();
  f.MenuQuitterClick();
  EXPECT_LT(t.elapsed(), 3000);  // the connect time-out is 20 s
  ASSERT_EQ(terminated, 1);
  EXPECT_FALSE(m->UploadRunning());
  const QString ini = IniText();
  EXPECT_TRUE(ini.contains(QStringLiteral("HTML=1\r\n")));
  EXPECT_FALSE(ini.contains(QStringLiteral("HOSTPASS=")));  // empty: not written
}

}  // namespace
}  // namespace app::test
