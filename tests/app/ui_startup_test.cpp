// Start-up: first run, a complete settings file, the time-zone check, languages.
#include <QAction>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "app/form_rename.h"
#include "app/languages.h"
#include "tests/app/ui_fixture.h"

namespace app::test {
namespace {

TEST_F(UiTest, FirstRunWithoutSettingsShowsTheEnglishSettingsPanel) {
  TForm1& f = Start();
  EXPECT_TRUE(f.SettingsPanelShowing());
  EXPECT_FALSE(f.CompactListShowing());
  EXPECT_EQ(f.CurrentLanguage, QStringLiteral("English"));
  EXPECT_TRUE(f.MenuEnglish->isChecked());
  EXPECT_EQ(f.BitBtn_OK_Location->text(), QStringLiteral("EXPLORE"));
  EXPECT_EQ(f.pos(), QPoint(0, 0));
  EXPECT_GE(f.width(), static_cast<int>(683 * f.ScaleFactor) - 1);
  EXPECT_GE(f.height(), static_cast<int>(440 * f.ScaleFactor) - 1);
  // Group 1 reads the sample file, installed in the program folder from the resources.
  EXPECT_EQ(f.GroupFileEdit(1)->text(), File(QStringLiteral("amateur.txt")));
  EXPECT_TRUE(QFileInfo::exists(File(QStringLiteral("amateur.txt"))));
  EXPECT_GT(f.GroupList(1)->count(), 50);
  EXPECT_FALSE(f.TimerFinCreate->isActive());
  EXPECT_FALSE(f.Timerseconde->isActive());
  EXPECT_TRUE(f.MenuRename->isEnabled());
  EXPECT_TRUE(dialogs.warnings.isEmpty());
}

TEST_F(UiTest, CompleteSettingsComputeFifteenSlotsOnceAllWindowsExist) {
  CopySampleElements();
  WriteSettings(SampleNumbers(15));
  Form1Environment environment;
  environment.clock = &clock;
  environment.sounds = &sounds;
  environment.dialogs = &dialogs;
  environment.programFolder = Folder();
  environment.terminate = [this] { ++terminated; };
  form = std::make_unique<TForm1>(std::move(environment));
  TForm1& f = *form;
  EXPECT_TRUE(f.CompactListShowing());
  EXPECT_TRUE(f.TimerFinCreate->isActive());
  EXPECT_EQ(f.windowTitle(), QStringLiteral("ORVANE V3.8.4"));
  // An early tick of the start timer computes nothing.
  f.TimerFinCreateTimer();
  EXPECT_TRUE(f.TimerFinCreate->isActive());
  EXPECT_TRUE(f.Slots()[0].text.empty());
  f.WindowsReady = true;
  f.TimerFinCreateTimer();
  EXPECT_FALSE(f.TimerFinCreate->isActive());
  EXPECT_TRUE(f.Timerseconde->isActive());
  for (int slot = 1; slot <= 15; ++slot) {
    const QString text = SlotText(slot);
    ASSERT_EQ(text.size(), 23) << "slot " << slot << ": " << text.toStdString();
    EXPECT_EQ(text.at(11), QLatin1Char(':'));
    EXPECT_EQ(text.at(14), QLatin1Char('h'));
    EXPECT_EQ(text.at(20), QLatin1Char('h'));
    EXPECT_FALSE(f.Edit[static_cast<std::size_t>(slot - 1)]->isHidden());
  }
  // The satellites are those of the file, in the order of the selection.
  EXPECT_TRUE(SlotText(1).startsWith(QStringLiteral("ALSAT 1N")));
  EXPECT_TRUE(SlotText(2).startsWith(QStringLiteral("JUGNU")));
  EXPECT_EQ(f.GroupBoxPrevisions->title(), QStringLiteral("Satellite visibility  G1 - Amateur"));
  EXPECT_TRUE(dialogs.warnings.isEmpty());
}

TEST_F(UiTest, UnusedSlotsAreHiddenAndTheListShrinks) {
  CopySampleElements();
  WriteSettings(SampleNumbers(3));
  TForm1& f = Start();
  f.TimerFinCreateTimer();
  EXPECT_FALSE(f.Edit[2]->isHidden());
  EXPECT_TRUE(f.Edit[3]->isHidden());
  EXPECT_TRUE(f.Edit[14]->isHidden());
  EXPECT_LT(f.height(), 350);
}

TEST_F(UiTest, AChangedTimeZoneWarnsOnceAndShowsTheSettingsPanel) {
  CopySampleElements();
  clock.SetDaylightState(2);
  WriteSettings(SampleNumbers(2), {QStringLiteral("TIME_ZONE=1")});
  TForm1& f = Start();
  EXPECT_TRUE(f.SettingsPanelShowing());
  EXPECT_FALSE(f.TimerFinCreate->isActive());
  ASSERT_EQ(dialogs.warnings.size(), 1);
  EXPECT_EQ(
      dialogs.warnings[0],
      QStringLiteral("Local time has changed ! Please update time lag between local time/UTC."));
  EXPECT_EQ(f.CurrentSettings().timeZone, 2);
}

TEST_F(UiTest, AnUnknownTimeZoneTakesTheCurrentStateSilently) {
  CopySampleElements();
  clock.SetDaylightState(1);
  WriteSettings(SampleNumbers(2), {QStringLiteral("TIME_ZONE=-1")});
  TForm1& f = Start();
  EXPECT_TRUE(dialogs.warnings.isEmpty());
  EXPECT_TRUE(f.CompactListShowing());
  EXPECT_EQ(f.CurrentSettings().timeZone, 1);
}

TEST_F(UiTest, StoredLanguageIsAppliedAndAnUnknownOneLeavesEnglish) {
  CopySampleElements();
  WriteSettings(SampleNumbers(2), {QStringLiteral("LANGUAGE=DEUTSCH")});
  {
    TForm1& f = Start();
    EXPECT_EQ(f.CurrentLanguage, QStringLiteral("Deutsch"));
    EXPECT_TRUE(f.MenuDeutsch->isChecked());
    EXPECT_EQ(f.MenuFichier->title(), QStringLiteral("&Datei"));
    EXPECT_TRUE(f.HelpFile().endsWith(QStringLiteral("/orvane_de.chm")));
    form.reset();
  }
  WriteSettings(SampleNumbers(2), {QStringLiteral("LANGUAGE=KLINGON")});
  TForm1& f = Start();
  EXPECT_EQ(f.CurrentLanguage, QStringLiteral("English"));
  EXPECT_EQ(f.MenuFichier->title(), QStringLiteral("&File"));
}

TEST_F(UiTest, LanguageMenuSwitchesEveryTextAtRunTime) {
  TForm1& f = Start();
  struct Case {
    QAction* item;
    const char* current;
    const char* explore;
    const char* header;
    const char* help;
  };
  const Case cases[] = {
      {f.MenuFrancais, "Francais", "EXPLORER", "SATELLITE  :DELAI DUREE", "orvane_fr.chm"},
      {f.MenuEspagnol, "Spanish", "EXPLORAR", "SAT\u00c9LITE   :EN    DUR.", "orvane_es.chm"},
      {f.MenuItalien, "Italien", "ESPLORA", "SATELLITE  :TRA   DUR.", "orvane_en.chm"},
      {f.MenuDeutsch, "Deutsch", "ERKUNDEN", "SATELLIT   :IN    DAUER", "orvane_de.chm"},
      {f.MenuEnglish, "English", "EXPLORE", "SATELLITE  : IN    FOR", "orvane_en.chm"},
  };
  for (const Case& c : cases) {
    c.item->trigger();
    EXPECT_EQ(f.CurrentLanguage, QString::fromLatin1(c.current));
    EXPECT_EQ(f.BitBtn_OK_Location->text(), QString::fromUtf8(c.explore)) << c.current;
    EXPECT_EQ(f.LabelVisiSat->text(), QString::fromUtf8(c.header)) << c.current;
    EXPECT_TRUE(f.HelpFile().endsWith(QString::fromLatin1(c.help))) << c.current;
    EXPECT_TRUE(c.item->isChecked());
  }
  // The shortcuts of the table.
  EXPECT_EQ(f.MenuFrancais->shortcut(), QKeySequence(Qt::Key_F5));
  EXPECT_EQ(f.MenuEnglish->shortcut(), QKeySequence(Qt::Key_F6));
  EXPECT_EQ(f.MenuDeutsch->shortcut(), QKeySequence(Qt::Key_F7));
  EXPECT_EQ(f.MenuItalien->shortcut(), QKeySequence(Qt::Key_F9));
  EXPECT_EQ(f.MenuEspagnol->shortcut(), QKeySequence(Qt::Key_F10));
}

TEST_F(UiTest, MessagesFollowTheLanguage) {
  TForm1& f = Start();
  f.MenuFrancais->trigger();
  f.BitBtn_OK_Location->click();
  ASSERT_EQ(dialogs.warnings.size(), 1);
  EXPECT_EQ(dialogs.warnings[0],
            QStringLiteral("Entrez votre locator ou latitude+longitude, SVP ..."));
  f.MenuEnglish->trigger();
}

}  // namespace
}  // namespace app::test

namespace app::test {
namespace {

TEST_F(UiTest, OpenWindowsFollowALanguageSwitchButNotTheStartUpOnes) {
  TForm1& f = Start();
  f.MenuRename->trigger();
  ASSERT_TRUE(f.RenameWindow()->isVisible());
  f.MenuFrancais->trigger();
  EXPECT_EQ(f.RenameWindow()->windowTitle(), QStringLiteral("ORVANE - Renommer les satellites"));
  EXPECT_EQ(f.RenameWindow()->BitBtnCancelRename->text(), QStringLiteral("ANNULER"));
  f.SilentAction = true;
  f.MenuEnglish->trigger();
  f.SilentAction = false;
  EXPECT_EQ(f.RenameWindow()->windowTitle(), QStringLiteral("ORVANE - Renommer les satellites"));
  EXPECT_EQ(f.BitBtn_OK_Location->text(), QStringLiteral("EXPLORE"));
}

TEST_F(UiTest, ClockShowsUtcAndTheTwentyFourHourFormatOnRequest) {
  CopySampleElements();
  WriteSettings(SampleNumbers(2), {QStringLiteral("SHOW_24H=YES"), QStringLiteral("SHOW_UTC=YES")});
  TForm1& f = Start();
  f.TimerFinCreateTimer();
  clock.Set(base::DateTimeValue(2018, 1, 21, 14, 5, 9));
  f.TimersecondeTimer();
  EXPECT_EQ(f.EditTime->text(), QStringLiteral(" 13:05:09"));  // local 14:05:09, UTC + 1
  f.MenuTU->trigger();
  EXPECT_EQ(f.EditTime->text(), QStringLiteral(" 14:05:09"));
}

}  // namespace
}  // namespace app::test
