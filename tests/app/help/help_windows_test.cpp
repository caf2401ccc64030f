// Help from the windows of the program, and the language switch the help file follows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "../ui_fixture.h"
#include "app/form_rename.h"
#include "app/help/help_desk.h"
#include "app/help/help_viewer.h"
#include "base/catalogue_translator.h"
#include "base/help_button.h"
#include "base/help_request.h"
#include "prediction/form_24h.h"
#include "prediction/form_date.h"
#include "prediction/form_print.h"
#include "prediction/form_print24h.h"
#include "prediction/panel_explorer.h"
#include "tracking/form_alarm.h"

namespace app::test {
namespace {

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Shows `window`, makes it the active one and presses F1 in it.
void PressF1In(QWidget* window) {
  window->show();
  window->activateWindow();
  // Not qWaitForWindowActive: a dialog shares its parent's activation there before it has
  // its own, and F1 would still go to the main window.
  ASSERT_TRUE(QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }))
      << window->objectName().toStdString();
  QTest::keyClick(window, Qt::Key_F1);
}

class HelpUiTest : public UiTest {
 protected:
  void TearDown() override {
    base::SetCatalogueFolderOverride(QString());
    if (form) {
      form->SilentAction = true;
      form->SwitchLanguage(Language::English);
    }
  }
  QString Last() const { return help.requests.empty() ? QString() : help.requests.back(); }
  base::RecordingHelp help;
};

TEST_F(HelpUiTest, F1InEachWindowAsksForThatWindowsTopic) {
  TForm1& f = Start();
  PressF1In(&f);
  EXPECT_EQ(Last(), QStringLiteral("contents"));  // the main window's F1 is the contents

  const std::pair<QWidget*, int> windows[] = {
      {f.DateWindow(), 1},
      {f.PrintWindow(), 1},
      {f.RenameWindow(), 3},
      {f.AlarmWindow(), 4},
      {f.Chart24Window(), 5},
      {f.Chart24Window()->PrintWindow(), 5},
      {f.Chart24Window()->PrintWindow()->Preview(), 5},
  };
  for (const auto& [window, topic] : windows) {
    const std::size_t before = help.requests.size();
    PressF1In(window);
    ASSERT_EQ(help.requests.size(), before + 1) << window->objectName().toStdString();
    EXPECT_EQ(Last(), QStringLiteral("topic %1").arg(topic)) << window->objectName().toStdString();
    window->hide();
  }
}

TEST_F(HelpUiTest, VisibleHelpButtonsAskForTheirTopics) {
  TForm1& f = Start();
  auto button = [](QWidget* window, const char* name) {
    return window->findChild<base::HelpButton*>(QLatin1String(name));
  };
  const std::tuple<QWidget*, const char*, int> buttons[] = {
      {&f, "SpeedButtonHelp", 1},
      {&f, "SpeedButtonHelpFile2", 4},
      {f.Explorer(), "ButtonHelp", 1},
      {f.DateWindow(), "ButtonHelp", 1},
      {f.PrintWindow(), "ButtonHelp", 1},
      {f.RenameWindow(), "ButtonHelp", 3},
      {f.AlarmWindow(), "ButtonHelp", 4},
      {f.Chart24Window(), "ButtonHelp", 5},
      {f.Chart24Window()->PrintWindow(), "ButtonHelp", 5},
  };
  for (const auto& [window, name, topic] : buttons) {
    base::HelpButton* b = button(window, name);
    ASSERT_NE(b, nullptr) << window->objectName().toStdString() << " " << name;
    EXPECT_EQ(b->text(), QStringLiteral("?"));
    b->click();
    EXPECT_EQ(Last(), QStringLiteral("topic %1").arg(topic)) << name;
  }
  // The settings panel's button is on screen with the panel.
  EXPECT_TRUE(button(&f, "SpeedButtonHelpFile2")->isVisible());
}

TEST_F(HelpUiTest, QuestionMenuGoesThroughTheSeam) {
  TForm1& f = Start();
  ASSERT_TRUE(f.MenuAide->isEnabled());
  f.MenuAide->trigger();
  EXPECT_EQ(Last(), QStringLiteral("contents"));
  f.menugettingstarted->trigger();
  EXPECT_EQ(Last(), QStringLiteral("getting started"));
}

TEST_F(HelpUiTest, HelpButtonHintFollowsTheLanguage) {
  TForm1& f = Start();
  auto* b = f.findChild<base::HelpButton*>(QStringLiteral("SpeedButtonHelpFile2"));
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->toolTip(), QStringLiteral("Help on this window (F1)"));
  f.MenuDeutsch->trigger();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
  EXPECT_EQ(b->toolTip(), QStringLiteral("Hilfe zu diesem Fenster (F1)"));
}

TEST_F(HelpUiTest, HelpFilesAndDocumentsLieInTheProgramFolderAfterStart) {
  Start();
  for (const char* name : {"orvane_en.chm", "orvane_es.chm", "orvane_fr.chm", "orvane_de.chm",
                           "getting_started.pdf", "comment_demarrer.pdf"})
    EXPECT_EQ(ReadAll(File(QString::fromLatin1(name))),
              ReadAll(QStringLiteral(ORVANE_HELP_BUILD_DIR "/") + QString::fromLatin1(name)))
        << name;
}

// The program's handler, fed by the main window as the program entry does.
class HelpDeskTest : public UiTest {
 protected:
  help::HelpDesk& Desk(TForm1& f) {
    help::HelpDeskEnvironment e;
    e.helpFile = [&f] { return f.HelpFile(); };
    e.currentLanguage = [&f] { return f.CurrentLanguage; };
    e.programFolder = Folder();
    e.dialogs = &dialogs;
    e.openDocument = [this](const QUrl& url) {
      opened.append(url.toLocalFile());
      return true;
    };
    desk = std::make_unique<help::HelpDesk>(std::move(e));
    return *desk;
  }
  void TearDown() override {
    if (form) {
      form->SilentAction = true;
      form->SwitchLanguage(Language::English);
    }
  }
  std::unique_ptr<help::HelpDesk> desk;
  QStringList opened;
};

TEST_F(HelpDeskTest, ItalianUsesTheEnglishHelpFile) {
  TForm1& f = Start();
  help::HelpDesk& d = Desk(f);
  f.MenuItalien->trigger();
  EXPECT_EQ(f.HelpFile(), File(QStringLiteral("orvane_en.chm")));
  d.ShowTopic(1);
  ASSERT_TRUE(dialogs.warnings.isEmpty());
  EXPECT_EQ(d.Viewer()->CurrentFile(), File(QStringLiteral("orvane_en.chm")));
  EXPECT_EQ(d.Viewer()->CurrentTitle(), QStringLiteral("The main window"));
  d.ShowGettingStarted();
  EXPECT_EQ(opened, QStringList{File(QStringLiteral("getting_started.pdf"))});
}

TEST_F(HelpDeskTest, EachLanguageOpensItsOwnFile) {
  TForm1& f = Start();
  help::HelpDesk& d = Desk(f);
  const std::tuple<QAction*, const char*, const char*> cases[] = {
      {f.MenuDeutsch, "orvane_de.chm", "Das Mondfenster und EME"},
      {f.MenuFrancais, "orvane_fr.chm", "La fenêtre Lune et l'EME"},
      {f.MenuEspagnol, "orvane_es.chm", "La ventana de la Luna y el EME"},
      {f.MenuEnglish, "orvane_en.chm", "The Moon window and EME"},
  };
  for (const auto& [item, file, title] : cases) {
    item->trigger();
    d.ShowTopic(14);
    EXPECT_EQ(d.Viewer()->CurrentFile(), File(QString::fromLatin1(file)));
    EXPECT_EQ(d.Viewer()->CurrentTitle(), QString::fromUtf8(title));
  }
  f.MenuFrancais->trigger();
  d.ShowGettingStarted();
  EXPECT_EQ(opened.last(), File(QStringLiteral("comment_demarrer.pdf")));
  EXPECT_TRUE(dialogs.warnings.isEmpty());
}

TEST_F(HelpDeskTest, RemovedHelpFileGivesTheTranslatedMessage) {
  TForm1& f = Start();
  help::HelpDesk& d = Desk(f);
  f.MenuFrancais->trigger();
  ASSERT_TRUE(QFile::remove(File(QStringLiteral("orvane_fr.chm"))));
  d.ShowContents();
  ASSERT_EQ(dialogs.warnings.size(), 1);
  EXPECT_TRUE(dialogs.warnings[0].startsWith(QStringLiteral("fichier d'aide introuvable")));
}

// A catalogue folder that lacks or spoils what a language needs.
class LanguageFailureTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    ASSERT_TRUE(catalogues.isValid());
  }
  void TearDown() override {
    base::SetCatalogueFolderOverride(QString());
    if (form) {
      form->SilentAction = true;
      form->SwitchLanguage(Language::English);
    }
  }
  // Every embedded catalogue, with `spoilt` replaced by bytes that are no catalogue.
  void CopyCataloguesExcept(const QString& spoilt) {
    QDirIterator it(QStringLiteral(":/i18n"));
    while (it.hasNext()) {
      const QString source = it.next();
      const QString target = catalogues.filePath(it.fileName());
      if (it.fileName() == spoilt) {
        QFile f(target);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("spoilt catalogue");
      } else {
        ASSERT_TRUE(QFile::copy(source, target));
      }
    }
  }
  QTemporaryDir catalogues;
};

TEST_F(LanguageFailureTest, AMissingCatalogueKeepsEnglishEverywhere) {
  TForm1& f = Start();
  base::SetCatalogueFolderOverride(catalogues.path());  // empty
  f.MenuDeutsch->trigger();
  EXPECT_TRUE(f.MenuEnglish->isChecked());
  EXPECT_FALSE(f.MenuDeutsch->isChecked());
  EXPECT_EQ(f.CurrentLanguage, QStringLiteral("English"));
  EXPECT_EQ(f.BitBtn_OK_Location->text(), QStringLiteral("EXPLORE"));
  EXPECT_EQ(f.HelpFile(), File(QStringLiteral("orvane_en.chm")));
  ASSERT_EQ(dialogs.warnings.size(), 1);
  EXPECT_EQ(dialogs.warnings[0], msg::LanguageNotLoaded());
}

TEST_F(LanguageFailureTest, ASpoiltCatalogueKeepsTheLanguageInForceWholeAndSaved) {
  CopySampleElements();
  WriteSettings(SampleNumbers(2));
  TForm1& f = Start();
  f.MenuFrancais->trigger();
  ASSERT_EQ(f.BitBtn_OK_Location->text(), QStringLiteral("EXPLORER"));
  // German main texts would load, but the prediction windows' would not.
  CopyCataloguesExcept(QStringLiteral("prediction_de.qm"));
  base::SetCatalogueFolderOverride(catalogues.path());
  f.MenuDeutsch->trigger();
  EXPECT_TRUE(f.MenuFrancais->isChecked());
  EXPECT_EQ(f.CurrentLanguage, QStringLiteral("Francais"));
  EXPECT_EQ(f.BitBtn_OK_Location->text(), QStringLiteral("EXPLORER"));
  f.DateWindow()->ApplyLanguage();
  EXPECT_EQ(f.DateWindow()->windowTitle(), QStringLiteral("DATE DE DEPART"));
  EXPECT_EQ(f.HelpFile(), File(QStringLiteral("orvane_fr.chm")));
  EXPECT_EQ(dialogs.warnings.size(), 1);
  // The settings file keeps what is shown.
  f.MenuNoConfirm->setChecked(true);
  f.MenuQuitterClick();
  ASSERT_EQ(terminated, 1);
  EXPECT_TRUE(ReadAll(File(QStringLiteral("Orvane.ini"))).contains("LANGUAGE=FRENCH\r\n"));
}

TEST_F(LanguageFailureTest, AStoredLanguageThatCannotLoadStartsInEnglishAndIsSavedSo) {
  CopySampleElements();
  WriteSettings(SampleNumbers(2), {QStringLiteral("LANGUAGE=DEUTSCH")});
  CopyCataloguesExcept(QStringLiteral("orvane_de.qm"));
  base::SetCatalogueFolderOverride(catalogues.path());
  TForm1& f = Start();
  EXPECT_TRUE(f.MenuEnglish->isChecked());
  EXPECT_EQ(f.CurrentLanguage, QStringLiteral("English"));
  EXPECT_EQ(f.MenuQuitter->text(), QStringLiteral("&Quit"));
  EXPECT_EQ(dialogs.warnings.size(), 1);
  // Every other language still switches.
  f.MenuEspagnol->trigger();
  EXPECT_EQ(f.CurrentLanguage, QStringLiteral("Spanish"));
  f.MenuEnglish->trigger();
  f.MenuNoConfirm->setChecked(true);
  f.MenuQuitterClick();
  ASSERT_EQ(terminated, 1);
  EXPECT_TRUE(ReadAll(File(QStringLiteral("Orvane.ini"))).contains("LANGUAGE=ENGLISH\r\n"));
}

}  // namespace
}  // namespace app::test
