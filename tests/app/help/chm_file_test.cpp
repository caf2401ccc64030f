// The compiled help files as the build makes them, read through chmlib.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <map>

#include "app/help/chm_file.h"
#include "base/help_request.h"

namespace app::help {
namespace {

const QStringList kLanguages = {QStringLiteral("en"), QStringLiteral("es"), QStringLiteral("fr"),
                                QStringLiteral("de")};

QString BuiltFile(const QString& language) {
  return QStringLiteral(ORVANE_HELP_BUILD_DIR "/orvane_") + language + QStringLiteral(".chm");
}

QByteArray FileBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString PlainText(const QString& html) {
  QString text = html;
  text.remove(QRegularExpression(QStringLiteral("<head>.*</head>"),
                                 QRegularExpression::DotMatchesEverythingOption));
  text.replace(QRegularExpression(QStringLiteral("<[^>]*>")), QStringLiteral(" "));
  return text.simplified();
}

// Which of the four languages a text is written in, by its commonest little words.
QString LikelyLanguage(const QString& text) {
  static const std::map<QString, QStringList> kWords = {
      {QStringLiteral("en"), {"the", "and", "of", "to", "is", "with", "for", "your", "in", "it"}},
      {QStringLiteral("es"), {"el", "los", "las", "y", "que", "con", "para", "su", "del", "por", "una"}},
      {QStringLiteral("fr"), {"le", "les", "et", "des", "du", "une", "pour", "est", "votre", "dans", "au"}},
      {QStringLiteral("de"), {"der", "die", "das", "und", "ist", "mit", "den", "dem", "ein", "für", "zu"}},
  };
  const QStringList words = text.toLower().split(QRegularExpression(QStringLiteral("[^\\p{L}]+")),
                                                 Qt::SkipEmptyParts);
  QString best;
  int bestCount = -1;
  for (const auto& [language, little] : kWords) {
    int count = 0;
    for (const QString& w : words) count += little.contains(w) ? 1 : 0;
    if (count > bestCount) {
      bestCount = count;
      best = language;
    }
  }
  return best;
}

TEST(HelpFiles, EachStartsWithItsSignatureAndOpensWithChmlib) {
  for (const QString& language : kLanguages) {
    SCOPED_TRACE(language.toStdString());
    EXPECT_TRUE(FileBytes(BuiltFile(language)).startsWith("ITSF"));
    ChmFile file;
    ASSERT_TRUE(file.Open(BuiltFile(language)));
    EXPECT_FALSE(file.Title().isEmpty());
    EXPECT_TRUE(file.Exists(file.DefaultTopic()));
    EXPECT_TRUE(file.Exists(file.ContentsObject()));
  }
}

TEST(HelpFiles, CarryExactlyTheContextNumbersOfTheTopicTable) {
  // The topic table of the windows: main 1, tools 3, alarms 4, 24-hour chart 5,
  // satellite information 6, DX 10, map 11, download 12, TCP server 13, Moon 14.
  const QSet<int> table = {1, 3, 4, 5, 6, 10, 11, 12, 13, 14};
  QSet<int> seam;
  for (int n : base::HelpTopics()) seam.insert(n);
  EXPECT_EQ(seam, table);
  for (const QString& language : kLanguages) {
    SCOPED_TRACE(language.toStdString());
    ChmFile file;
    ASSERT_TRUE(file.Open(BuiltFile(language)));
    QSet<int> inFile;
    for (const auto& [context, object] : file.ContextMap()) inFile.insert(context);
    EXPECT_EQ(inFile, table);
  }
}

TEST(HelpFiles, EveryContextNumberLeadsToAPageInTheFilesOwnLanguage) {
  for (const QString& language : kLanguages) {
    ChmFile file;
    ASSERT_TRUE(file.Open(BuiltFile(language)));
    QSet<QString> pages;
    for (int context : base::HelpTopics()) {
      SCOPED_TRACE((language + QStringLiteral(" topic ") + QString::number(context)).toStdString());
      const QString object = file.TopicObject(context);
      ASSERT_FALSE(object.isEmpty());
      // The compiler stored the path it read the page from; the map gives the object inside.
      EXPECT_FALSE(object.contains(QStringLiteral("resources")));
      pages.insert(object);
      QByteArray bytes;
      ASSERT_TRUE(file.Read(object, &bytes));
      const QString html = DecodeHelpText(bytes);
      EXPECT_TRUE(html.contains(QStringLiteral("lang=\"") + language + QLatin1Char('"')));
      const QString text = PlainText(html);
      EXPECT_GT(text.size(), 500);
      EXPECT_EQ(LikelyLanguage(text), language);
    }
    EXPECT_EQ(pages.size(), static_cast<qsizetype>(base::HelpTopics().size()))
        << "two context numbers share one page";
  }
}

TEST(HelpFiles, TopicsAreAboutTheirWindows) {
  // A word each topic cannot do without, per language.
  const std::map<int, std::map<QString, QString>> kWord = {
      {12, {{"en", "download"}, {"es", "descarga"}, {"fr", "téléchargement"}, {"de", "herunterladen"}}},
      {14, {{"en", "moon"}, {"es", "luna"}, {"fr", "lune"}, {"de", "mond"}}},
      {13, {{"en", "port"}, {"es", "puerto"}, {"fr", "port"}, {"de", "port"}}},
      {5, {{"en", "24"}, {"es", "24"}, {"fr", "24"}, {"de", "24"}}},
      {10, {{"en", "dx"}, {"es", "dx"}, {"fr", "dx"}, {"de", "dx"}}},
  };
  for (const QString& language : kLanguages) {
    ChmFile file;
    ASSERT_TRUE(file.Open(BuiltFile(language)));
    for (const auto& [context, words] : kWord) {
      QByteArray bytes;
      ASSERT_TRUE(file.Read(file.TopicObject(context), &bytes));
      const QString title =
          QRegularExpression(QStringLiteral("<title>(.*)</title>")).match(DecodeHelpText(bytes)).captured(1);
      EXPECT_TRUE(PlainText(DecodeHelpText(bytes)).toLower().contains(words.at(language)))
          << language.toStdString() << " " << context;
      EXPECT_FALSE(title.isEmpty());
    }
  }
}

TEST(HelpFiles, ContentsTreeNamesEveryTopicUnderTheFirstPage) {
  for (const QString& language : kLanguages) {
    SCOPED_TRACE(language.toStdString());
    ChmFile file;
    ASSERT_TRUE(file.Open(BuiltFile(language)));
    const std::vector<ContentsEntry> contents = file.Contents();
    ASSERT_EQ(contents.size(), base::HelpTopics().size() + 1);
    EXPECT_EQ(contents[0].level, 0);
    EXPECT_EQ(contents[0].object, file.DefaultTopic());
    QSet<QString> listed;
    for (std::size_t i = 1; i < contents.size(); ++i) {
      EXPECT_EQ(contents[i].level, 1);
      EXPECT_FALSE(contents[i].name.isEmpty());
      EXPECT_TRUE(file.Exists(contents[i].object)) << contents[i].object.toStdString();
      listed.insert(contents[i].object);
    }
    for (int context : base::HelpTopics()) EXPECT_TRUE(listed.contains(file.TopicObject(context)));
  }
}

TEST(HelpFiles, GermanNamesInTheGermanContents) {
  ChmFile file;
  ASSERT_TRUE(file.Open(BuiltFile(QStringLiteral("de"))));
  QStringList names;
  for (const ContentsEntry& e : file.Contents()) names.append(e.name);
  // Non-ASCII letters come through the file and the sitemap intact.
  EXPECT_TRUE(names.contains(QStringLiteral("Das Mondfenster und EME")));
  EXPECT_TRUE(names.join(QLatin1Char(' ')).contains(QStringLiteral("Satelliteninformationen")));
}

class DamagedFile : public ::testing::Test {
 protected:
  QString Write(const QByteArray& bytes) {
    const QString path = dir.filePath(QStringLiteral("orvane_en.chm"));
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
    return path;
  }
  QTemporaryDir dir;
  QByteArray good = FileBytes(BuiltFile(QStringLiteral("en")));
};

TEST_F(DamagedFile, MissingEmptyOrForeignFilesAreRefused) {
  ChmFile file;
  EXPECT_FALSE(file.Open(dir.filePath(QStringLiteral("nothing.chm"))));
  EXPECT_FALSE(file.Open(Write(QByteArray())));
  EXPECT_FALSE(file.Open(Write(QByteArray("<html><body>not a help file</body></html>"))));
  EXPECT_FALSE(file.IsOpen());
}

TEST_F(DamagedFile, TruncatedOrPaddedCopiesAreRefused) {
  ASSERT_GT(good.size(), 4096);
  for (qsizetype keep : {qsizetype(4), qsizetype(0x60), qsizetype(200), qsizetype(4096),
                         good.size() / 2, good.size() - 1}) {
    SCOPED_TRACE(keep);
    ChmFile file;
    EXPECT_FALSE(file.Open(Write(good.left(keep))));
  }
  ChmFile file;
  EXPECT_FALSE(file.Open(Write(good + QByteArray(512, '\0'))));
  EXPECT_TRUE(file.Open(Write(good)));
}

TEST_F(DamagedFile, OverwrittenInsidesNeverCrashTheReader) {
  // Right size and header, garbage after the directory: whatever opens must read safely
  // (the sanitizers watch our side of it).
  int tried = 0;
  for (qsizetype at : {good.size() / 3, good.size() / 2, good.size() - 2048}) {
    ++tried;
    QByteArray bytes = good;
    for (qsizetype i = at; i < std::min(bytes.size(), at + 1024); ++i)
      bytes[i] = static_cast<char>((i * 131) & 0xFF);
    ChmFile file;
    if (!file.Open(Write(bytes))) continue;
    for (const QString& object : file.Objects()) {
      QByteArray data;
      file.Read(object, &data);
    }
    file.Contents();
  }
  EXPECT_EQ(tried, 3);
}

TEST(Sitemap, NestedListsGiveLevelsAndSkipTheProperties) {
  const QByteArray hhc =
      "<HTML><BODY><OBJECT type=\"text/site properties\"><param name=\"Window Styles\" "
      "value=\"0x800025\"></OBJECT>\n<UL><LI><OBJECT type=\"text/sitemap\">"
      "<param name=\"Name\" value=\"Start &amp; end\"><param name=\"Local\" value=\"index.htm\">"
      "</OBJECT><UL><li><object type='text/sitemap'><param name=Name value=\"Caf\xe9\">"
      "<param name=\"Local\" value=\"a/b.htm#part\"></object><UL><LI><OBJECT type=\"text/sitemap\">"
      "<param name=\"Name\" value=\"Deep &#8211; down\"></OBJECT></UL></UL>"
      "<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Last\">"
      "<param name=\"Local\" value=\"last.htm\"></OBJECT></UL></BODY></HTML>";
  const std::vector<SitemapEntry> entries = ParseSitemap(hhc);
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[0].name, QStringLiteral("Start & end"));
  EXPECT_EQ(entries[0].level, 0);
  EXPECT_EQ(entries[1].name, QStringLiteral("Caf\u00e9"));  // a Windows-1252 byte
  EXPECT_EQ(entries[1].local, QStringLiteral("a/b.htm#part"));
  EXPECT_EQ(entries[1].level, 1);
  EXPECT_EQ(entries[2].name, QStringLiteral("Deep \u2013 down"));
  EXPECT_TRUE(entries[2].local.isEmpty());
  EXPECT_EQ(entries[2].level, 2);
  EXPECT_EQ(entries[3].name, QStringLiteral("Last"));
  EXPECT_EQ(entries[3].level, 0);
}

TEST(StoredPaths, TheLongestTailThatNamesAnObjectWins) {
  const QSet<QString> objects = {QStringLiteral("/topic.htm"), QStringLiteral("/en/topic.htm"),
                                 QStringLiteral("/other.htm")};
  auto exists = [&](const QString& o) { return objects.contains(o); };
  EXPECT_EQ(LongestExistingTail(QStringLiteral("/home/ham/src/help/en/topic.htm"), exists),
            QStringLiteral("/en/topic.htm"));
  EXPECT_EQ(LongestExistingTail(QStringLiteral("C:\\Build\\help\\other.htm"), exists),
            QStringLiteral("/other.htm"));
  EXPECT_EQ(LongestExistingTail(QStringLiteral("topic.htm"), exists), QStringLiteral("/topic.htm"));
  EXPECT_EQ(LongestExistingTail(QStringLiteral("/home/ham/missing.htm"), exists), QString());
  EXPECT_EQ(LongestExistingTail(QString(), exists), QString());
}

}  // namespace
}  // namespace app::help
