// The download windows on the main window, as an operator uses them: a gzipped file and a
// file behind a login from servers on 127.0.0.1, the age alarm on a test clock, the
// automatic run, the about window and its release check, the help topics.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <zlib.h>

#include "app/download/download_desk.h"
#include "app/download/form_alarm_tle.h"
#include "app/download/form_apropos.h"
#include "app/download/form_help_texts.h"
#include "app/download/form_tle_info.h"
#include "app/download/form_web.h"
#include "app/download/login_panel.h"
#include "app/download/release_fetcher.h"
#include "app/settings.h"
#include "base/help_button.h"
#include "http_fixture.h"
#include "login_service.h"
#include "tests/app/ui_fixture.h"

namespace app::test {
namespace {

using download::test::Response;
using download::test::TestHttpServer;

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

// The first `sets` three-line sets of the sample file.
QByteArray FirstSets(int sets) {
  const QList<QByteArray> lines = download::test::SampleElements().split('\n');
  QByteArray out;
  for (int i = 0; i < sets * 3; ++i) out += lines[i] + '\n';
  return out;
}

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class DownloadUi : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    ASSERT_TRUE(server.Listening());
    CopySampleElements();
  }
  // The element file written `days` before the test clock's now.
  void AgeElementFile(double days) {
    const QDateTime when = base::FromDateTimeValue(SampleNow() - days);
    const QDateTime local(when.date(), when.time(), Qt::LocalTime);
    QFile file(File(QStringLiteral("amateur.txt")));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(local, QFileDevice::FileModificationTime));
  }
  download::DownloadDesk& Desk() { return form->Downloads(); }
  download::TFormWEB& Web() { return *Desk().WebWindow(); }
  download::TFormAlarmTLE& Alarm() { return *Desk().AlarmWindow(); }

  TestHttpServer server;
};

TEST_F(DownloadUi, AGzippedFileFromTheSettingsPanelReloadsTheGroupAndThePasses) {
  server.Route("/amateur.txt.gz", Response(200, Gzip(FirstSets(4))));
  WriteSettings(SampleNumbers(2),
                {QStringLiteral("URL1=") + server.Url(QStringLiteral("/amateur.txt.gz"))});
  TForm1& f = Start();
  ASSERT_TRUE(f.CompactListShowing());
  const int before = f.GroupList(1)->count();
  ASSERT_GT(before, 4);
  f.MenuInitialisationClick();
  ASSERT_TRUE(f.SettingsPanelShowing());
  EXPECT_EQ(f.BitBtnWEB->toolTip(), QStringLiteral("Download 3-line elements from WEB"));
  f.BitBtnWEB->click();
  ASSERT_TRUE(Web().isVisible());
  EXPECT_EQ(Web().windowTitle(), QStringLiteral("3-LINE ELEMENTS DOWNLOADING"));
  EXPECT_EQ(Web().EditURL->text(), server.Url(QStringLiteral("/amateur.txt.gz")));
  EXPECT_EQ(Web().EditFile->text(), File(QStringLiteral("amateur.txt")));
  EXPECT_EQ(Web().EditLoginURL->text(), QStringLiteral("http://"));
  EXPECT_TRUE(Web().PanelDownload->text().isEmpty());
  EXPECT_FALSE(Web().WebBrowser1->isVisible());

  Web().BitBtnOKWEB->click();
  QTRY_COMPARE_WITH_TIMEOUT(Web().PanelDownload->text(), QStringLiteral("Downloading completed OK"),
                            10000);
  EXPECT_EQ(FileBytes(File(QStringLiteral("amateur.txt"))), FirstSets(4));
  // The group was read again: four satellites, the two selected still there.
  EXPECT_EQ(f.GroupList(1)->count(), 4);
  EXPECT_EQ(f.GroupList(1)->selectedItems().size(), 2);
  EXPECT_TRUE(f.MenuGroupeN[0]->isEnabled());
  // The window stays for the user; EXPLORE closes it and computes the passes.
  ASSERT_TRUE(Web().isVisible());
  f.BitBtn_OK_LocationClick();
  EXPECT_FALSE(Web().isVisible());
  ASSERT_TRUE(f.CompactListShowing());
  EXPECT_FALSE(SlotText(1).isEmpty());
  EXPECT_FALSE(SlotText(2).isEmpty());
  EXPECT_EQ(f.CurrentSettings().fetchLog.size(), 1);
}

TEST_F(DownloadUi, AFileBehindALoginTheUserCompletesInTheWindow) {
  download::test::LoginService service(server);
  service.elements = FirstSets(5);
  WriteSettings(SampleNumbers(1),
                {QStringLiteral("URL1=") + server.Url(QStringLiteral("/data/amateur.txt")),
                 QStringLiteral("LOGIN_URL1=") + server.Url(QStringLiteral("/login")),
                 QStringLiteral("LOGIN_USERNAME1=alice"),
                 QStringLiteral("LOGIN_PASSWORD1=s3cret!")});
  TForm1& f = Start();
  f.MenuInitialisationClick();
  f.BitBtnWEBClick();
  EXPECT_EQ(Web().EditLoginPassword->echoMode(), QLineEdit::Password);
  Web().BitBtnOKWEB->click();
  // The page is not the scripted service's: it shows with its fields for the user.
  QTRY_VERIFY_WITH_TIMEOUT(Web().WebBrowser1->isVisible(), 10000);
  EXPECT_TRUE(Web().LabelLoginNote->isVisible());
  EXPECT_EQ(Web().PanelDownload->text(), QStringLiteral("Login URL ...."));
  EXPECT_TRUE(Web().BitBtnContinue->isEnabled());
  EXPECT_TRUE(Web().WebBrowser1->MemoPage->toPlainText().contains(QStringLiteral("LOGIN")));
  auto* identity = Web().WebBrowser1->findChild<QLineEdit*>(QStringLiteral("Field_identity"));
  auto* secret = Web().WebBrowser1->findChild<QLineEdit*>(QStringLiteral("Field_password"));
  ASSERT_NE(identity, nullptr);
  ASSERT_NE(secret, nullptr);
  EXPECT_EQ(identity->text(), QStringLiteral("alice"));
  EXPECT_EQ(secret->echoMode(), QLineEdit::Password);
  EXPECT_EQ(Web().WebBrowser1->FieldEditors().size(), 2u);  // the token stays hidden
  Web().WebBrowser1->ButtonSubmit->click();
  QTRY_VERIFY_WITH_TIMEOUT(
      Web().WebBrowser1->MemoPage->toPlainText().contains(QStringLiteral("Welcome alice")), 10000);
  Web().BitBtnContinue->click();
  QTRY_COMPARE_WITH_TIMEOUT(Web().PanelDownload->text(), QStringLiteral("Downloading completed OK"),
                            10000);
  EXPECT_FALSE(Web().WebBrowser1->isVisible());
  EXPECT_EQ(f.GroupList(1)->count(), 5);
  EXPECT_EQ(service.posts, 1);
  // Closing stores the fields back into the group.
  Web().EditLoginUsername->setText(QStringLiteral("bob"));
  Web().BitBtnCancelWEB->click();
  EXPECT_FALSE(Web().isVisible());
  EXPECT_EQ(f.Groups()[0].loginUserName, QStringLiteral("bob"));
  f.BitBtn_OK_LocationClick();
  EXPECT_FALSE(SlotText(1).isEmpty());
}

TEST_F(DownloadUi, TheAgeAlarmRisesWhenTheFileIsAsOldAsTheLimit) {
  AgeElementFile(3.0 - 1.0 / 1440);
  WriteSettings(SampleNumbers(2), {QStringLiteral("DELAY_TLE=3")});
  {
    TForm1& f = Start();
    QCoreApplication::processEvents();
    EXPECT_FALSE(Alarm().isVisible());
    f.hide();
  }
  form.reset();
  AgeElementFile(3.0);
  TForm1& f = Start();
  QTRY_VERIFY_WITH_TIMEOUT(Alarm().isVisible(), 2000);
  EXPECT_EQ(Alarm().LabelMessage->text(),
            QStringLiteral("The TLE file \r\namateur.txt\r\n is older than 3 days !"));
  EXPECT_EQ(Alarm().LabelAutomatic->text(),
            QStringLiteral("Automatic downloading is disabled.\n\rClick OK to download"));
  EXPECT_TRUE(Alarm().BitBtnOK->isEnabled());
  // NO with "Don't warn me anymore": the setting goes off.
  Alarm().CheckBoxNoWarn->setChecked(true);
  Alarm().BitBtnNO->click();
  EXPECT_FALSE(Alarm().isVisible());
  EXPECT_FALSE(f.CurrentSettings().tleAgeAlarm);
  EXPECT_FALSE(Alarm().CheckBoxNoWarn->isChecked());
  EXPECT_FALSE(Web().isVisible());
  f.SelectGroup(1);  // read again: no alarm any more
  QCoreApplication::processEvents();
  EXPECT_FALSE(Alarm().isVisible());
}

TEST_F(DownloadUi, OkOnTheAlarmOpensTheDownloadWindowAndDownloads) {
  server.Route("/amateur.txt", Response(200, FirstSets(3)));
  AgeElementFile(10);
  WriteSettings(SampleNumbers(1),
                {QStringLiteral("URL1=") + server.Url(QStringLiteral("/amateur.txt"))});
  TForm1& f = Start();
  QTRY_VERIFY_WITH_TIMEOUT(Alarm().isVisible(), 2000);
  Alarm().BitBtnOK->click();
  EXPECT_FALSE(Alarm().isVisible());
  EXPECT_TRUE(f.SettingsPanelShowing());
  ASSERT_TRUE(Web().isVisible());
  QTRY_COMPARE_WITH_TIMEOUT(Web().PanelDownload->text(), QStringLiteral("Downloading completed OK"),
                            10000);
  EXPECT_EQ(f.GroupList(1)->count(), 3);
  EXPECT_TRUE(Web().isVisible());  // not automatic: the window stays
}

TEST_F(DownloadUi, AutomaticDownloadNeedsNoClickAndRecomputesThePasses) {
  server.Route("/amateur.txt", Response(200, FirstSets(6)));
  AgeElementFile(5);
  WriteSettings(SampleNumbers(3),
                {QStringLiteral("URL1=") + server.Url(QStringLiteral("/amateur.txt")),
                 QStringLiteral("AUTODWN=1")});
  TForm1& f = Start();
  QTRY_VERIFY_WITH_TIMEOUT(Alarm().isVisible(), 2000);
  EXPECT_EQ(Alarm().CurrentMode(), download::TFormAlarmTLE::Mode::Automatic);
  EXPECT_FALSE(Alarm().BitBtnOK->isEnabled());
  EXPECT_TRUE(Alarm().Timerwait->isActive());
  EXPECT_EQ(Alarm().Timerwait->interval(), 3000);
  Alarm().TimerwaitTimer();  // the three seconds are up
  EXPECT_TRUE(Desk().AutomaticRun());
  ASSERT_TRUE(Web().isVisible());
  // Completed, the window closes itself a second later, the notice shows and EXPLORE runs.
  QTRY_VERIFY_WITH_TIMEOUT(!Web().isVisible(), 10000);
  EXPECT_TRUE(Desk().NoticeWindow()->isVisible());
  EXPECT_EQ(Desk().NoticeWindow()->LabelInfo->text(),
            QStringLiteral("The TLE file amateur.txt has been updated!"));
  EXPECT_EQ(Desk().NoticeWindow()->Timer1->interval(), 5000);
  EXPECT_TRUE(f.CompactListShowing());
  EXPECT_EQ(f.GroupList(1)->count(), 6);
  EXPECT_FALSE(SlotText(1).isEmpty());
  EXPECT_FALSE(Desk().AutomaticRun());
  EXPECT_EQ(server.Count("/amateur.txt"), 1);
}

TEST_F(DownloadUi, AnAutomaticRunTriesAFileOncePerRun) {
  server.Route("/amateur.txt", Response(200, "<html><body>Maintenance</body></html>"));
  AgeElementFile(5);
  WriteSettings(SampleNumbers(3),
                {QStringLiteral("URL1=") + server.Url(QStringLiteral("/amateur.txt")),
                 QStringLiteral("AUTODWN=1")});
  const QByteArray old = FileBytes(File(QStringLiteral("amateur.txt")));
  TForm1& f = Start();
  QTRY_VERIFY_WITH_TIMEOUT(Alarm().isVisible(), 2000);
  Alarm().TimerwaitTimer();
  QTRY_COMPARE_WITH_TIMEOUT(Web().PanelDownload->text(), QStringLiteral("Error ! Not Text file !"),
                            10000);
  QTRY_VERIFY_WITH_TIMEOUT(!Web().Procedure().Busy(), 10000);
  EXPECT_EQ(server.Count("/amateur.txt"), 4);
  EXPECT_EQ(FileBytes(File(QStringLiteral("amateur.txt"))), old);
  EXPECT_TRUE(Web().isVisible());  // failed: it stays for the user to see
  EXPECT_FALSE(Desk().AutomaticRun());
  Web().BitBtnCancelWEB->click();
  // The file is still old; the alarm says so but no longer downloads by itself.
  f.SelectGroup(1);
  QTRY_VERIFY_WITH_TIMEOUT(Alarm().isVisible(), 2000);
  EXPECT_EQ(Alarm().CurrentMode(), download::TFormAlarmTLE::Mode::AlreadyTried);
  EXPECT_FALSE(Alarm().Timerwait->isActive());
  EXPECT_TRUE(Alarm().BitBtnOK->isEnabled());
}

TEST_F(DownloadUi, AboutWindowChecksTheReleaseList) {
  QByteArray list = "orvane=3.9.0\r\n";
  server.Route("/index_fichiers/versions.txt",
               [&list](const download::test::RecordedRequest&) { return Response(200, list); });
  WriteSettings(SampleNumbers(1));
  TForm1& f = Start();
  Desk().Releases().SetListUrl(QUrl(server.Url(QStringLiteral("/index_fichiers/versions.txt"))));
  ASSERT_TRUE(f.MenuAPropos->isEnabled());
  f.MenuAPropos->trigger();
  download::TFormAPropos& about = *Desk().AboutWindow();
  ASSERT_TRUE(about.isVisible());
  EXPECT_EQ(about.LabelVersion->text(), QStringLiteral("Orvane V3.8.4"));
  // The check box and the menu item follow each other.
  EXPECT_FALSE(about.CheckBoxVersion->isChecked());
  about.CheckBoxVersion->click();
  EXPECT_TRUE(f.MenuInfoVersion->isChecked());
  EXPECT_TRUE(f.CurrentSettings().newReleaseCheck);
  f.MenuInfoVersion->trigger();
  EXPECT_FALSE(about.CheckBoxVersion->isChecked());

  auto check = [&] {
    dialogs.infos.clear();
    dialogs.warnings.clear();
    about.BitBtnNewRelease->click();
    QTRY_VERIFY_WITH_TIMEOUT(about.BitBtnNewRelease->isEnabled(), 10000);
  };
  check();
  EXPECT_EQ(dialogs.infos, QStringList{QStringLiteral(
                               "A more recent release is available ! Please see menu ? About Orvane")});
  EXPECT_EQ(sounds.Count(QStringLiteral("beep")), 1);
  list = "orvane=3.8.4\r\n";
  check();
  EXPECT_EQ(dialogs.infos, QStringList{QStringLiteral("You are using the latest release!")});
  list = "orvane=3.10.1\n";  // 311: first digit of each part, so not newer than 384
  check();
  EXPECT_EQ(dialogs.infos, QStringList{QStringLiteral("You are using the latest release!")});
  list = "<html>orvane=9.9.9</html>";
  check();
  EXPECT_EQ(dialogs.warnings, QStringList{QStringLiteral("Internet failure !")});
  EXPECT_TRUE(dialogs.infos.isEmpty());
}

TEST_F(DownloadUi, TheCheckAtStartSpeaksOnlyOfANewerRelease) {
  server.Route("/v.txt", Response(200, "orvane=4.0.0\n"));
  WriteSettings(SampleNumbers(1), {QStringLiteral("VERSTART=1")});
  Start();
  Desk().Releases().SetListUrl(QUrl(server.Url(QStringLiteral("/v.txt"))));
  QTRY_COMPARE_WITH_TIMEOUT(dialogs.infos.size(), 1, 10000);
  EXPECT_EQ(dialogs.infos[0],
            QStringLiteral("A more recent release is available ! Please see menu ? About Orvane"));
  EXPECT_EQ(sounds.Count(QStringLiteral("beep")), 1);
  form.reset();

  // A failed check says nothing at all.
  dialogs.infos.clear();
  Start();
  Desk().Releases().SetListUrl(QUrl(server.Url(QStringLiteral("/missing.txt"))));
  QTRY_COMPARE_WITH_TIMEOUT(server.Count("/missing.txt"), 1, 10000);
  QTRY_VERIFY_WITH_TIMEOUT(!Desk().Releases().Busy(), 10000);
  QCoreApplication::processEvents();
  EXPECT_TRUE(dialogs.infos.isEmpty());
  EXPECT_TRUE(dialogs.warnings.isEmpty());
}

TEST_F(DownloadUi, GroupPageChangesCarryTheFieldsAndHelpHasItsTopics) {
  WriteSettings(SampleNumbers(1), {QStringLiteral("URL2=https://example.org/g2.txt"),
                                   QStringLiteral("PATHNAME_G2=") + File(QStringLiteral("amateur.txt"))});
  TForm1& f = Start();
  f.MenuInitialisationClick();
  f.BitBtnWEBClick();
  Web().EditURL->setText(QStringLiteral("https://example.org/edited.txt"));
  f.PageControlGroupe->setCurrentIndex(1);
  EXPECT_EQ(f.Groups()[0].url, QStringLiteral("https://example.org/edited.txt"));
  EXPECT_EQ(Web().EditURL->text(), QStringLiteral("https://example.org/g2.txt"));
  // The age settings change at once.
  Web().SpinEditDateTLE->setValue(7);
  Web().CheckBoxAutoDownload->setChecked(true);
  EXPECT_EQ(f.CurrentSettings().tleAgeDays, 7);
  EXPECT_TRUE(f.CurrentSettings().autoDownload);
  EXPECT_EQ(Web().SpinEditDateTLE->maximum(), 14);

  base::RecordingHelp help;
  Web().findChild<base::HelpButton*>(QStringLiteral("ButtonHelp"))->click();
  Web().SpeedButtonHelpLogin->click();
  ASSERT_TRUE(Web().LoginHelp()->isVisible());
  Web().LoginHelp()->findChild<base::HelpButton*>(QStringLiteral("ButtonHelp"))->click();
  Web().SpeedButtonHelpDownload->click();
  Web().DownloadHelp()->findChild<base::HelpButton*>(QStringLiteral("ButtonHelp"))->click();
  Desk().AboutWindow()->findChild<base::HelpButton*>(QStringLiteral("ButtonHelp"))->click();
  Alarm().findChild<base::HelpButton*>(QStringLiteral("ButtonHelp"))->click();
  EXPECT_EQ(help.requests, (std::vector<QString>{QStringLiteral("topic 12"), QStringLiteral("topic 12"),
                                                 QStringLiteral("topic 12"), QStringLiteral("topic 1"),
                                                 QStringLiteral("topic 4")}));
}

TEST_F(DownloadUi, TheWindowsSpeakTheLanguageOfTheProgram) {
  WriteSettings(SampleNumbers(1));
  TForm1& f = Start();
  f.MenuInitialisationClick();
  f.BitBtnWEBClick();
  Web().SpeedButtonHelpLogin->click();
  f.SwitchLanguage(Language::German);
  EXPECT_EQ(Web().BitBtnOKWEB->text(), QStringLiteral("Herunterladen"));
  EXPECT_EQ(Web().BitBtnCancelWEB->text(), QStringLiteral("Schließen"));
  EXPECT_EQ(Web().LoginHelp()->windowTitle(), QStringLiteral("ORVANE - Hilfe zur Anmeldung"));
  EXPECT_EQ(f.BitBtnWEB->toolTip(), QStringLiteral("3-Zeilen-Elemente aus dem Netz laden"));
  f.SwitchLanguage(Language::French);
  EXPECT_EQ(Web().BitBtnOKWEB->text(), QStringLiteral("Télécharger"));
  Desk().AboutWindow()->show();
  f.SwitchLanguage(Language::Spanish);
  EXPECT_EQ(Desk().AboutWindow()->BitBtnNewRelease->text(), QStringLiteral("Comprobar si estoy al día"));
  f.SwitchLanguage(Language::Italian);
  EXPECT_EQ(Web().LabelLoginNote->text(),
            QStringLiteral("Effettuare l'accesso al sito WEB. Se riesce cliccare CONTINUA. Se "
                           "fallisce cliccare CHIUDI e controllare i dati"));
}

TEST(DownloadSettings, FetchTimesGoThroughTheSettingsFile) {
  Settings s;
  ReadContext context;
  ReadSettingsFile({QStringLiteral("AUTODWN=1"),
                    QStringLiteral("LAST_FETCH=2024-05-01T12:00:00,https://a.example/x.txt"),
                    QStringLiteral("LAST_FETCH=2024-05-01T12:30:00,https://b.example/y,z.txt"),
                    QStringLiteral("LAST_FETCH=")},
                   &s, context);
  EXPECT_EQ(s.fetchLog, (QStringList{QStringLiteral("2024-05-01T12:00:00,https://a.example/x.txt"),
                                     QStringLiteral("2024-05-01T12:30:00,https://b.example/y,z.txt")}));
  const QStringList lines = BuildSettingsLines(s);
  const qsizetype autodwn = lines.indexOf(QStringLiteral("AUTODWN=1"));
  ASSERT_GE(autodwn, 0);
  EXPECT_EQ(lines.mid(autodwn + 1, 2),
            (QStringList{QStringLiteral("LAST_FETCH=2024-05-01T12:00:00,https://a.example/x.txt"),
                         QStringLiteral("LAST_FETCH=2024-05-01T12:30:00,https://b.example/y,z.txt")}));
}

}  // namespace
}  // namespace app::test
