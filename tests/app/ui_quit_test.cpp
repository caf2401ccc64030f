// The quit procedure: confirmation, every way out, the DDE refusal, the settings file.
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include "tests/app/ui_fixture.h"

namespace app::test {
namespace {

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

TEST_F(UiTest, QuitAsksAndNoKeepsTheProgramRunning) {
  TForm1& f = Start();
  AnswerNextQuestion(false);
  f.MenuQuitter->trigger();
  ASSERT_EQ(questions.size(), 1);
  EXPECT_EQ(questions[0], QStringLiteral("You quit ORVANE ! Are you sure ?"));
  EXPECT_EQ(terminated, 0);
  EXPECT_FALSE(f.Quitting());
  EXPECT_FALSE(QFileInfo::exists(File(QStringLiteral("Orvane.ini"))));
}

TEST_F(UiTest, EscAndTheCloseButtonTakeTheSameRoadAsTheMenu) {
  TForm1& f = Start();
  AnswerNextQuestion(false);
  QTest::keyClick(&f, Qt::Key_Escape);
  AnswerNextQuestion(false);
  f.close();
  EXPECT_EQ(questions.size(), 2);
  EXPECT_TRUE(f.isVisible());
  EXPECT_EQ(terminated, 0);
  AnswerNextQuestion(true);
  f.close();
  EXPECT_EQ(questions.size(), 3);
  EXPECT_EQ(terminated, 1);
  EXPECT_TRUE(QFileInfo::exists(File(QStringLiteral("Orvane.ini"))));
}

TEST_F(UiTest, DontConfirmQuitsWithoutAsking) {
  TForm1& f = Start();
  f.MenuNoConfirm->setChecked(true);
  f.MenuQuitterClick();
  EXPECT_TRUE(questions.isEmpty());
  EXPECT_EQ(terminated, 1);
  const QByteArray text = ReadAll(File(QStringLiteral("Orvane.ini")));
  EXPECT_TRUE(text.contains("CONFIRM_QUIT=YES\r\n"));
}

TEST_F(UiTest, AnOpenDdeConversationRefusesToQuit) {
  seams.ddeConversationOpen = [] { return true; };
  WriteSettings({}, {QStringLiteral("ANT=GS232"), QStringLiteral("PORT_GS232=S0"),
                     QStringLiteral("PARKING=GS232"), QStringLiteral("TESTAZ_GS232=123"),
                     QStringLiteral("TESTEL_GS232=6")});
  const QByteArray before = ReadAll(File(QStringLiteral("Orvane.ini")));
  TForm1& f = Start();
  f.MenuNoConfirm->setChecked(true);
  f.MenuQuitterClick();
  // The antenna went to its parking position before the refusal.
  EXPECT_EQ(serial[0].writes, (std::vector<std::string>{"W123 006\r"}));
  ASSERT_EQ(dialogs.warnings.size(), 1);
  EXPECT_EQ(dialogs.warnings[0],
            QStringLiteral("A DDE conversation is in progress ! Please close the client "
                           "conversation before quitting !"));
  EXPECT_EQ(terminated, 0);
  EXPECT_FALSE(f.Quitting());
  EXPECT_EQ(ReadAll(File(QStringLiteral("Orvane.ini"))), before);  // not written
}

TEST_F(UiTest, QuitWritesAFileTheNextStartReadsBackTheSame) {
  CopySampleElements();
  WriteSettings(SampleNumbers(4), {QStringLiteral("ALARM=ON"), QStringLiteral("ELEVATION=5"),
                                   QStringLiteral("LANGUAGE=ITALIAN")});
  {
    TForm1& f = Start();
    f.TimerFinCreateTimer();
    ASSERT_TRUE(f.CompactListShowing());
    f.move(120, 80);
    f.MenuNoConfirm->setChecked(true);
    f.MenuQuitterClick();
    ASSERT_EQ(terminated, 1);
    form.reset();
  }
  const QByteArray first = ReadAll(File(QStringLiteral("Orvane.ini")));
  ASSERT_FALSE(first.isEmpty());
  EXPECT_TRUE(first.contains("LANGUAGE=ITALIAN\r\n"));
  EXPECT_TRUE(first.contains("ELEVATION=5\r\n"));
  EXPECT_TRUE(first.contains("ALARM=ON\r\n"));
  EXPECT_TRUE(first.contains("QRA_LOCATOR=JN18DU\r\n"));
  const QStringList numbers = SampleNumbers(4);
  EXPECT_TRUE(first.contains(
      ("GROUP1=G1 - Amateur," + numbers.join(QLatin1Char(',')) + ",,,,,,,,,,,\r\n").toLatin1()));
  {
    TForm1& f = Start();
    EXPECT_EQ(f.CurrentLanguage, QStringLiteral("Italien"));
    EXPECT_EQ(f.SpinEditElevation->value(), 5);
    EXPECT_TRUE(f.CheckBoxAlarme->isChecked());
    EXPECT_EQ(f.pos(), QPoint(120, 80));
    f.TimerFinCreateTimer();
    f.MenuQuitterClick();
    ASSERT_EQ(terminated, 2);
    form.reset();
  }
  EXPECT_EQ(ReadAll(File(QStringLiteral("Orvane.ini"))), first);
}

TEST_F(UiTest, SettingsPanelFaceIsWrittenAndRestored) {
  {
    TForm1& f = Start();
    f.move(33, 44);
    QTest::keyClicks(f.EditQRAlocator, QStringLiteral("JN18DU"));
    f.MenuNoConfirm->setChecked(true);
    f.MenuQuitterClick();
    form.reset();
  }
  const QByteArray text = ReadAll(File(QStringLiteral("Orvane.ini")));
  EXPECT_TRUE(text.contains("QRA_LOCATOR=JN18DU\r\n"));
  TForm1& f = Start();
  EXPECT_TRUE(f.SettingsPanelShowing());  // still no offset
  EXPECT_EQ(f.pos(), QPoint(33, 44));
  EXPECT_EQ(f.EditQRAlocator->text(), QStringLiteral("JN18DU"));
  EXPECT_FALSE(f.EditLattitude->text().isEmpty());
}

TEST_F(UiTest, ASettingsFileThatCannotBeReadIsToldOnceAndNeverReplaced) {
  // A folder where the file should be: it exists, yet cannot be read.
  ASSERT_TRUE(QDir(Folder()).mkdir(QStringLiteral("Orvane.ini")));
  TForm1& f = Start();
  ASSERT_EQ(dialogs.warnings.size(), 1);
  EXPECT_TRUE(dialogs.warnings[0].startsWith(QStringLiteral("Orvane.ini could not be read: ")));
  EXPECT_GT(dialogs.warnings[0].size(), 30);  // with the system's reason
  EXPECT_TRUE(f.SettingsPanelShowing());  // the defaults hold
  f.MenuNoConfirm->setChecked(true);
  f.MenuQuitterClick();
  EXPECT_EQ(terminated, 1);
  EXPECT_TRUE(QFileInfo(File(QStringLiteral("Orvane.ini"))).isDir());
  const QByteArray beside = ReadAll(File(QStringLiteral("Orvane.ini.new")));
  EXPECT_TRUE(beside.startsWith("[ORVANE]\r\n"));
  EXPECT_TRUE(beside.contains("CONFIRM_QUIT=YES\r\n"));
  ASSERT_EQ(dialogs.warnings.size(), 2);
  EXPECT_TRUE(dialogs.warnings[1].contains(QStringLiteral("Orvane.ini.new")));
}

TEST_F(UiTest, AnOversizedSettingsFileStaysByteIdenticalAtQuit) {
  const QString ini = File(QStringLiteral("Orvane.ini"));
  {
    QFile file(ini);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[ORVANE]\r\nLANGUAGE=FRENCH\r\n");
    ASSERT_TRUE(file.resize(base::kMaxTextFileBytes + 1));  // sparse: no disk is filled
  }
  QFile::setPermissions(ini, QFileDevice::ReadOwner);
  TForm1& f = Start();
  ASSERT_EQ(dialogs.warnings.size(), 1);
  EXPECT_EQ(dialogs.warnings[0], QStringLiteral("Orvane.ini could not be read: larger than 64 MB"));
  EXPECT_EQ(f.CurrentLanguage, QStringLiteral("English"));  // nothing of it was applied
  f.MenuNoConfirm->setChecked(true);
  f.MenuQuitterClick();
  EXPECT_EQ(QFileInfo(ini).size(), base::kMaxTextFileBytes + 1);
  QFile file(ini);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.read(27), QByteArray("[ORVANE]\r\nLANGUAGE=FRENCH\r\n"));
  EXPECT_TRUE(QFileInfo::exists(File(QStringLiteral("Orvane.ini.new"))));
}

// Data files whose headers the element loader rewrites: ALSAT 1N gets its number.
void WriteDataFiles(const QString& dat, const QString& nfo) {
  for (const auto& [path, text] : {std::pair{dat, QByteArray("[ALSAT 1N]\r\nLAST_MODE=B\r\n")},
                                   std::pair{nfo, QByteArray("[ALSAT 1N]\r\nmy note\r\n")}}) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
  }
}

TEST_F(UiTest, DataFilesAreReplacedInOneStepAndTheDataFileStaysReadOnly) {
  CopySampleElements();
  WriteDataFiles(File(QStringLiteral("Orvane.dat")), File(QStringLiteral("Orvane.nfo")));
  QFile::setPermissions(File(QStringLiteral("Orvane.dat")), QFileDevice::ReadOwner);
  Start();
  EXPECT_TRUE(dialogs.errors.isEmpty());
  EXPECT_EQ(ReadAll(File(QStringLiteral("Orvane.dat"))),
            QByteArray("[ALSAT 1N][41789]\r\nLAST_MODE=B\r\n"));
  EXPECT_EQ(ReadAll(File(QStringLiteral("Orvane.nfo"))), QByteArray("[ALSAT 1N][41789]\r\nmy note\r\n"));
  struct stat st {};
  ASSERT_EQ(::stat(QFile::encodeName(File(QStringLiteral("Orvane.dat"))).constData(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0444u);
  EXPECT_FALSE(QFileInfo::exists(File(QStringLiteral("Orvane.~da"))));
}

TEST_F(UiTest, AFailedDataFileWriteKeepsTheOldFilesAndSaysSo) {
  CopySampleElements();
  WriteDataFiles(File(QStringLiteral("Orvane.dat")), File(QStringLiteral("Orvane.nfo")));
  // The temporary names are taken by folders: neither file can be written.
  ASSERT_TRUE(QDir(Folder()).mkdir(QStringLiteral("Orvane.~da")));
  ASSERT_TRUE(QDir(Folder()).mkdir(QStringLiteral("Orvane.~fo")));
  Start();
  EXPECT_EQ(dialogs.errors, (QStringList{QStringLiteral("Can't create Orvane.dat"),
                                         QStringLiteral("Erreur/Error Orvane.nfo")}));
  EXPECT_EQ(ReadAll(File(QStringLiteral("Orvane.dat"))), QByteArray("[ALSAT 1N]\r\nLAST_MODE=B\r\n"));
  EXPECT_EQ(ReadAll(File(QStringLiteral("Orvane.nfo"))), QByteArray("[ALSAT 1N]\r\nmy note\r\n"));
}

}  // namespace
}  // namespace app::test
