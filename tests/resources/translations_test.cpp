// Every translation file of the program: nothing unfinished, nothing left behind by removed
// code, nothing quietly left in English. The texts that rightly read the same in a language
// (names, units, protocol words) are listed in resources/translations/same_as_english.txt.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <map>
#include <set>

namespace {

const QString kTranslations = QStringLiteral(ORVANE_SOURCE_DIR "/resources/translations");

struct TsMessage {
  QString context;
  QString source;
  QStringList translations;  // one, or the numerus forms
  QString type;              // "", "unfinished", "vanished", "obsolete"
};

struct TsFile {
  QString language;  // the TS element's attribute
  std::vector<TsMessage> messages;
  QString error;
};

// The text of the element at the reader, <byte value="xd"/> included as its character.
QString ElementText(QXmlStreamReader& xml) {
  const QString name = xml.name().toString();
  QString text;
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isCharacters()) text += xml.text();
    if (xml.isStartElement() && xml.name() == QLatin1String("byte")) {
      QString value = xml.attributes().value(QLatin1String("value")).toString();
      bool ok = false;
      const uint code = value.startsWith(QLatin1Char('x')) ? value.mid(1).toUInt(&ok, 16)
                                                            : value.toUInt(&ok, 10);
      if (ok) text += QChar(static_cast<char16_t>(code));
    }
    if (xml.isEndElement() && xml.name() == name) break;
  }
  return text;
}

TsFile ReadTs(const QString& path) {
  TsFile ts;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    ts.error = QStringLiteral("cannot read");
    return ts;
  }
  QXmlStreamReader xml(&file);
  QString context;
  TsMessage message;
  bool inMessage = false;
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isStartElement()) {
      const auto name = xml.name();
      if (name == QLatin1String("TS")) {
        ts.language = xml.attributes().value(QLatin1String("language")).toString();
      } else if (name == QLatin1String("name") && !inMessage) {
        context = xml.readElementText();
      } else if (name == QLatin1String("message")) {
        inMessage = true;
        message = TsMessage{};
        message.context = context;
      } else if (name == QLatin1String("source") && inMessage) {
        message.source = ElementText(xml);
      } else if (name == QLatin1String("translation") && inMessage) {
        message.type = xml.attributes().value(QLatin1String("type")).toString();
        // Either text, or <numerusform> children.
        QString direct;
        while (!xml.atEnd()) {
          xml.readNext();
          if (xml.isCharacters()) direct += xml.text();
          if (xml.isStartElement() && xml.name() == QLatin1String("numerusform"))
            message.translations.append(ElementText(xml));
          if (xml.isStartElement() && xml.name() == QLatin1String("byte"))
            direct += QChar(static_cast<char16_t>(
                xml.attributes().value(QLatin1String("value")).toString().mid(1).toUInt(nullptr, 16)));
          if (xml.isEndElement() && xml.name() == QLatin1String("translation")) break;
        }
        if (message.translations.isEmpty()) message.translations.append(direct);
      }
    } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
      ts.messages.push_back(message);
      inMessage = false;
    }
  }
  if (xml.hasError()) ts.error = xml.errorString();
  return ts;
}

QString LanguageOfFileName(const QString& path) {
  return QFileInfo(path).completeBaseName().section(QLatin1Char('_'), -1);
}

QStringList CommittedTsFiles() {
  QStringList files;
  QDirIterator it(kTranslations, {QStringLiteral("*.ts")}, QDir::Files);
  while (it.hasNext()) files.append(it.next());
  files.sort();
  return files;
}

// "fr\tLatitude" or "*\tOK": the texts allowed to read as in English.
std::set<std::pair<QString, QString>> AllowList(QStringList* problems) {
  std::set<std::pair<QString, QString>> allowed;
  QFile file(kTranslations + QStringLiteral("/same_as_english.txt"));
  if (!file.open(QIODevice::ReadOnly)) {
    problems->append(QStringLiteral("same_as_english.txt cannot be read"));
    return allowed;
  }
  const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
  for (QString line : lines) {
    if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
    const qsizetype tab = line.indexOf(QLatin1Char('\t'));
    if (tab <= 0) {
      problems->append(QStringLiteral("allow-list line without a tab: ") + line);
      continue;
    }
    allowed.insert({line.left(tab), line.mid(tab + 1)});
  }
  return allowed;
}

QSet<QString> Placeholders(const QString& text) {
  static const QRegularExpression marker(QStringLiteral("%L?[1-9]"));
  QSet<QString> found;
  auto it = marker.globalMatch(text);
  while (it.hasNext()) found.insert(it.next().captured(0).remove(QLatin1Char('L')));
  return found;
}

QString Describe(const QString& file, const TsMessage& m) {
  return QFileInfo(file).fileName() + QStringLiteral(" [") + m.context + QStringLiteral("] \"") +
         m.source + QLatin1Char('"');
}

// The faults of one file's messages; `allowed` entries that were needed go into `used`.
QStringList Audit(const QString& path, const TsFile& ts,
                  const std::set<std::pair<QString, QString>>& allowed,
                  std::set<std::pair<QString, QString>>* used) {
  QStringList faults;
  if (!ts.error.isEmpty()) faults.append(QFileInfo(path).fileName() + QStringLiteral(": ") + ts.error);
  const QString language = LanguageOfFileName(path);
  if (ts.language.section(QLatin1Char('_'), 0, 0) != language)
    faults.append(QFileInfo(path).fileName() + QStringLiteral(": language \"") + ts.language +
                  QStringLiteral("\""));
  for (const TsMessage& m : ts.messages) {
    if (m.type == QLatin1String("unfinished")) {
      faults.append(QStringLiteral("unfinished: ") + Describe(path, m));
      continue;
    }
    if (m.type == QLatin1String("vanished") || m.type == QLatin1String("obsolete")) {
      faults.append(QStringLiteral("no longer in the code: ") + Describe(path, m));
      continue;
    }
    for (const QString& t : m.translations) {
      if (t.isEmpty()) {
        faults.append(QStringLiteral("empty: ") + Describe(path, m));
      } else if (t == m.source) {
        const std::pair<QString, QString> mine{language, m.source};
        const std::pair<QString, QString> any{QStringLiteral("*"), m.source};
        if (allowed.count(mine)) {
          used->insert(mine);
        } else if (allowed.count(any)) {
          used->insert(any);
        } else {
          faults.append(QStringLiteral("left in English: ") + Describe(path, m));
        }
      }
      if (Placeholders(t) != Placeholders(m.source))
        faults.append(QStringLiteral("placeholders differ: ") + Describe(path, m));
    }
  }
  return faults;
}

TEST(Translations, CommittedFilesAreCompleteAndTranslated) {
  const QStringList files = CommittedTsFiles();
  ASSERT_GE(files.size(), 16);  // four languages of orvane, prediction, tracking and help at least
  QStringList faults;
  const auto allowed = AllowList(&faults);
  std::set<std::pair<QString, QString>> used;
  std::map<QString, QStringList> languagesOf;  // catalogue -> languages present
  for (const QString& path : files) {
    const TsFile ts = ReadTs(path);
    EXPECT_FALSE(ts.messages.empty()) << path.toStdString();
    faults += Audit(path, ts, allowed, &used);
    languagesOf[QFileInfo(path).completeBaseName().section(QLatin1Char('_'), 0, -2)].append(
        LanguageOfFileName(path));
  }
  for (auto& [catalogue, languages] : languagesOf) {
    languages.sort();
    EXPECT_EQ(languages, (QStringList{"de", "es", "fr", "it"})) << catalogue.toStdString();
  }
  for (const auto& entry : allowed)
    if (!used.count(entry))
      faults.append(QStringLiteral("allow-list entry nothing needs: ") + entry.first +
                    QStringLiteral(" \"") + entry.second + QLatin1Char('"'));
  EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
}

// lupdate run afresh over the sources of each catalogue, into copies of the files: a text
// added to the code without a translation shows as unfinished, one removed as vanished.
TEST(Translations, FreshLupdateFindsNothingNewAndNothingGone) {
  QTemporaryDir work;
  ASSERT_TRUE(work.isValid());
  QStringList projects;
  // The projects lie in hidden ".lupdate" folders.
  QDirIterator it(QStringLiteral(ORVANE_BUILD_DIR), {QStringLiteral("*_project.cmake")},
                  QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString path = it.next();
    if (path.contains(QStringLiteral("/.lupdate/"))) projects.append(path);
  }
  ASSERT_FALSE(projects.isEmpty()) << "no lupdate projects under " ORVANE_BUILD_DIR;

  QSet<QString> covered;
  QStringList faults;
  int n = 0;
  for (const QString& project : projects) {
    const QString json = work.filePath(QStringLiteral("project%1.json").arg(++n));
    QProcess cmake;
    cmake.start(QStringLiteral(ORVANE_CMAKE_COMMAND),
                {QStringLiteral("-DIN_FILE=") + project, QStringLiteral("-DOUT_FILE=") + json,
                 QStringLiteral("-P"), QStringLiteral(ORVANE_LUPDATE_PROJECT_SCRIPT)});
    ASSERT_TRUE(cmake.waitForFinished(60000));
    ASSERT_EQ(cmake.exitCode(), 0) << cmake.readAllStandardError().toStdString();
    QFile in(json);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    QJsonObject object = QJsonDocument::fromJson(in.readAll()).object();
    in.close();
    QJsonArray copies;
    std::map<QString, QString> copyOf;
    for (const QJsonValue v : object.value(QStringLiteral("translations")).toArray()) {
      const QString original = QFileInfo(v.toString()).canonicalFilePath();
      const QString copy = work.filePath(QStringLiteral("%1_%2").arg(n).arg(QFileInfo(original).fileName()));
      ASSERT_TRUE(QFile::copy(original, copy)) << original.toStdString();
      QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
      copies.append(copy);
      copyOf[copy] = original;
      covered.insert(original);
    }
    object.insert(QStringLiteral("translations"), copies);
    QFile out(json);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    out.write(QJsonDocument(object).toJson());
    out.close();
    QProcess lupdate;
    lupdate.start(QStringLiteral(ORVANE_LUPDATE), {QStringLiteral("-silent"), QStringLiteral("-project"), json});
    ASSERT_TRUE(lupdate.waitForFinished(120000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
    for (const auto& [copy, original] : copyOf) {
      const TsFile ts = ReadTs(copy);
      for (const TsMessage& m : ts.messages) {
        if (m.type == QLatin1String("unfinished"))
          faults.append(QStringLiteral("not in the file yet: ") + Describe(original, m));
        if (m.type == QLatin1String("vanished") || m.type == QLatin1String("obsolete"))
          faults.append(QStringLiteral("no longer in the code: ") + Describe(original, m));
      }
    }
  }
  EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
  // Every committed file belongs to a catalogue the build compiles.
  for (const QString& file : CommittedTsFiles())
    EXPECT_TRUE(covered.contains(QFileInfo(file).canonicalFilePath())) << file.toStdString();
}

// The audit itself: a file with each kind of fault is caught, an allowed name is not.
TEST(Translations, TheAuditCatchesEachKindOfFault) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath(QStringLiteral("sample_fr.ts"));
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(R"(<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Sample</name>
    <message><source>Done</source><translation>Fait</translation></message>
    <message><source>Pending</source><translation type="unfinished"></translation></message>
    <message><source>Gone</source><translation type="vanished">Parti</translation></message>
    <message><source>Cancel</source><translation>Cancel</translation></message>
    <message><source>Latitude</source><translation>Latitude</translation></message>
    <message><source>Empty</source><translation></translation></message>
    <message><source>%1 satellites</source><translation>satellites</translation></message>
    <message><source>Line<byte value="xd"/>
end</source><translation>Ligne<byte value="xd"/>
fin</translation></message>
</context>
</TS>
)");
  f.close();
  const TsFile ts = ReadTs(path);
  ASSERT_TRUE(ts.error.isEmpty());
  ASSERT_EQ(ts.messages.size(), 8u);
  EXPECT_EQ(ts.messages[7].source, QStringLiteral("Line\r\nend"));
  const std::set<std::pair<QString, QString>> allowed = {{QStringLiteral("fr"), QStringLiteral("Latitude")}};
  std::set<std::pair<QString, QString>> used;
  const QStringList faults = Audit(path, ts, allowed, &used);
  ASSERT_EQ(faults.size(), 5) << faults.join(QLatin1Char('\n')).toStdString();
  EXPECT_TRUE(faults[0].startsWith(QStringLiteral("unfinished: ")) && faults[0].contains(QStringLiteral("Pending")));
  EXPECT_TRUE(faults[1].startsWith(QStringLiteral("no longer in the code: ")));
  EXPECT_TRUE(faults[2].startsWith(QStringLiteral("left in English: ")) && faults[2].contains(QStringLiteral("Cancel")));
  EXPECT_TRUE(faults[3].startsWith(QStringLiteral("empty: ")));
  EXPECT_TRUE(faults[4].startsWith(QStringLiteral("placeholders differ: ")));
  EXPECT_EQ(used.size(), 1u);
}

}  // namespace
