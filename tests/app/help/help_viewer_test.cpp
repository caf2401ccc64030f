// The help viewer, the handler of help requests and the documents it hands out.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include "app/help/help_desk.h"
#include "app/help/help_files.h"
#include "app/help/help_viewer.h"
#include "app/languages.h"
#include "base/sounds.h"

namespace app::help {
namespace {

QString Built(const QString& name) {
  return QStringLiteral(ORVANE_HELP_BUILD_DIR "/") + name;
}

QByteArray Bytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class HelpTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(folder.isValid()); }
  // The folder holds nothing but this copy of a built help file.
  QString Only(const QString& name) {
    const QString target = folder.filePath(name);
    EXPECT_TRUE(QFile::copy(Built(name), target));
    return target;
  }
  HelpDesk Desk(const QString& helpFile, const QString& language = QStringLiteral("English")) {
    HelpDeskEnvironment e;
    e.helpFile = [helpFile] { return helpFile; };
    e.currentLanguage = [language] { return language; };
    e.programFolder = folder.path();
    e.dialogs = &dialogs;
    e.openDocument = [this](const QUrl& url) {
      opened.append(url.toLocalFile());
      return true;
    };
    return HelpDesk(std::move(e));
  }
  QTemporaryDir folder;
  base::RecordingDialogs dialogs;
  QStringList opened;
};

TEST_F(HelpTest, ViewerOpensTopic12FromAFolderHoldingOnlyTheFile) {
  const QString path = Only(QStringLiteral("orvane_en.chm"));
  THelpViewer viewer;
  ASSERT_TRUE(viewer.OpenTopic(path, 12));
  EXPECT_EQ(viewer.CurrentFile(), path);
  EXPECT_EQ(viewer.CurrentTitle(), QStringLiteral("Downloading element files"));
  EXPECT_TRUE(viewer.BrowserTopic->toPlainText().contains(QStringLiteral("File URL")));
  // The contents tree: the first page with the ten topics under it, the shown one current.
  ASSERT_EQ(viewer.TreeViewContents->topLevelItemCount(), 1);
  QTreeWidgetItem* top = viewer.TreeViewContents->topLevelItem(0);
  EXPECT_EQ(top->text(0), QStringLiteral("Orvane help"));
  EXPECT_EQ(top->childCount(), 10);
  ASSERT_NE(viewer.TreeViewContents->currentItem(), nullptr);
  EXPECT_EQ(viewer.TreeViewContents->currentItem()->text(0),
            QStringLiteral("Downloading element files"));
}

TEST_F(HelpTest, ContentsTreeAndLinksNavigateWithBackAndForward) {
  const QString path = Only(QStringLiteral("orvane_fr.chm"));
  THelpViewer viewer;
  viewer.show();
  ASSERT_TRUE(viewer.OpenContents(path));
  EXPECT_EQ(viewer.CurrentTitle(), QStringLiteral("Aide d'Orvane"));
  EXPECT_FALSE(viewer.ButtonBack->isEnabled());
  // A link of the first page stays inside the file.
  emit viewer.BrowserTopic->anchorClicked(QUrl(QStringLiteral("chm:/moon_eme.htm")));
  EXPECT_EQ(viewer.CurrentTitle(), QStringLiteral("La fenêtre Lune et l'EME"));
  // A click in the tree.
  QTreeWidgetItem* chart = nullptr;
  for (int i = 0; i < viewer.TreeViewContents->topLevelItem(0)->childCount(); ++i) {
    QTreeWidgetItem* item = viewer.TreeViewContents->topLevelItem(0)->child(i);
    if (item->text(0) == QStringLiteral("Le planning de 24 heures")) chart = item;
  }
  ASSERT_NE(chart, nullptr);
  emit viewer.TreeViewContents->itemClicked(chart, 0);
  EXPECT_TRUE(viewer.BrowserTopic->toPlainText().contains(QStringLiteral("IMPRIMER")));
  ASSERT_TRUE(viewer.ButtonBack->isEnabled());
  viewer.ButtonBack->click();
  EXPECT_EQ(viewer.CurrentTitle(), QStringLiteral("La fenêtre Lune et l'EME"));
  viewer.ButtonHome->click();
  EXPECT_EQ(viewer.CurrentTitle(), QStringLiteral("Aide d'Orvane"));
}

TEST_F(HelpTest, GermanTopic14IsTheMoonPageInGerman) {
  const QString path = Only(QStringLiteral("orvane_de.chm"));
  THelpViewer viewer;
  ASSERT_TRUE(viewer.OpenTopic(path, 14));
  EXPECT_EQ(viewer.CurrentTitle(), QStringLiteral("Das Mondfenster und EME"));
  EXPECT_TRUE(viewer.BrowserTopic->toPlainText().contains(QStringLiteral("Sichtbarkeitstabelle")));
}

TEST_F(HelpTest, UnknownContextNumberShowsTheFirstPage) {
  THelpViewer viewer;
  ASSERT_TRUE(viewer.OpenTopic(Only(QStringLiteral("orvane_es.chm")), 2));
  EXPECT_EQ(viewer.CurrentTitle(), QStringLiteral("Ayuda de Orvane"));
}

TEST_F(HelpTest, MissingFileGivesTheMessageAndNoWindow) {
  const QString path = folder.filePath(QStringLiteral("orvane_en.chm"));
  HelpDesk desk = Desk(path);
  desk.ShowTopic(12);
  ASSERT_EQ(dialogs.warnings.size(), 1);
  EXPECT_EQ(dialogs.warnings[0].section(QLatin1Char('\n'), 0, 0), QStringLiteral("help file not found"));
  EXPECT_TRUE(dialogs.warnings[0].contains(path));
  EXPECT_FALSE(desk.HasViewer() && desk.Viewer()->isVisible());
  desk.ShowContents();
  EXPECT_EQ(dialogs.warnings.size(), 2);
}

TEST_F(HelpTest, TruncatedFileGivesTheMessageEvenAfterAGoodOne) {
  const QString path = Only(QStringLiteral("orvane_en.chm"));
  HelpDesk desk = Desk(path);
  desk.ShowTopic(5);
  ASSERT_TRUE(dialogs.warnings.isEmpty());
  ASSERT_TRUE(desk.Viewer()->isVisible());
  // The file is cut short while the program runs (a half-finished copy).
  const QByteArray whole = Bytes(path);
  {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(whole.left(whole.size() / 2));
  }
  desk.ShowTopic(5);
  ASSERT_EQ(dialogs.warnings.size(), 1);
  EXPECT_TRUE(dialogs.warnings[0].startsWith(QStringLiteral("help file not found")));
  EXPECT_FALSE(desk.Viewer()->isVisible());
}

TEST_F(HelpTest, TheMessageSpeaksTheCurrentLanguage) {
  LanguageSwitcher languages;
  ASSERT_TRUE(languages.Apply(Language::German));
  HelpDesk desk = Desk(folder.filePath(QStringLiteral("orvane_de.chm")));
  desk.ShowContents();
  ASSERT_EQ(dialogs.warnings.size(), 1);
  EXPECT_TRUE(dialogs.warnings[0].startsWith(QStringLiteral("Hilfedatei nicht gefunden")));
  ASSERT_TRUE(languages.Apply(Language::English));
}

TEST_F(HelpTest, FrenchOpensItsOwnGettingStartedEveryOtherLanguageTheEnglishOne) {
  EXPECT_TRUE(InstallHelpFiles(folder.path()).isEmpty());
  const std::pair<const char*, const char*> cases[] = {
      {"English", "getting_started.pdf"}, {"Spanish", "getting_started.pdf"},
      {"Francais", "comment_demarrer.pdf"}, {"Deutsch", "getting_started.pdf"},
      {"Italien", "getting_started.pdf"}};
  for (const auto& [language, document] : cases) {
    opened.clear();
    HelpDesk desk = Desk(QString(), QString::fromLatin1(language));
    desk.ShowGettingStarted();
    ASSERT_EQ(opened.size(), 1) << language;
    EXPECT_EQ(opened[0], folder.filePath(QString::fromLatin1(document))) << language;
  }
  EXPECT_TRUE(dialogs.warnings.isEmpty());
}

TEST_F(HelpTest, MissingGettingStartedSaysSoAndOpensNothing) {
  HelpDesk desk = Desk(QString(), QStringLiteral("Francais"));
  desk.ShowGettingStarted();
  EXPECT_TRUE(opened.isEmpty());
  ASSERT_EQ(dialogs.warnings.size(), 1);
  EXPECT_TRUE(dialogs.warnings[0].contains(QStringLiteral("comment_demarrer.pdf")));
}

TEST_F(HelpTest, HelpFilesAreCopiedIntoTheProgramFolderOnlyWhenMissing) {
  const QString mine = folder.filePath(QStringLiteral("orvane_de.chm"));
  {
    QFile f(mine);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("the user's own file");
  }
  EXPECT_TRUE(InstallHelpFiles(folder.path()).isEmpty());
  for (const QString& name : HelpDocumentNames()) {
    if (name == QLatin1String("orvane_de.chm")) continue;
    EXPECT_EQ(Bytes(folder.filePath(name)), Bytes(Built(name))) << name.toStdString();
  }
  EXPECT_EQ(Bytes(mine), QByteArray("the user's own file"));
  EXPECT_EQ(HelpDocumentNames().size(), 6);
}

TEST(GettingStartedDocuments, ArePdfsInTheirLanguage) {
  const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
  ASSERT_FALSE(pdftotext.isEmpty()) << "poppler-utils is missing";
  const std::pair<const char*, const char*> cases[] = {
      {"getting_started.pdf", "Your station"}, {"comment_demarrer.pdf", "Votre station"}};
  for (const auto& [name, heading] : cases) {
    const QString path = Built(QString::fromLatin1(name));
    EXPECT_TRUE(Bytes(path).startsWith("%PDF-")) << name;
    QProcess p;
    p.start(pdftotext, {path, QStringLiteral("-")});
    ASSERT_TRUE(p.waitForFinished(20000));
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_TRUE(text.contains(QString::fromUtf8(heading))) << name;
    EXPECT_GT(text.size(), 2000) << name;
  }
}

}  // namespace
}  // namespace app::help
