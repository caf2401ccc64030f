// The writers of "Orvane.dat" and "Orvane.nfo": section format, replacement among other
// satellites' sections, the atomic write and its failures, and the files at start-up.
#include "tracking/radio_data_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "base/ansi_text.h"
#include "base/locale_number.h"
#include "orbit/data_sections.h"
#include "tracking/field_text.h"
#include "tracking/satellite_notes.h"

namespace tracking {
namespace {

using Lines = std::vector<std::string>;

QByteArray Bytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void Put(const QString& path, const QByteArray& bytes) {
  QFile::remove(path);
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

unsigned ModeOf(const QString& path) {
  struct stat st {};
  if (::stat(QFile::encodeName(path).constData(), &st) != 0) return 0;
  return st.st_mode & 0777;
}

orbit::SatRadioData ModeB() {
  orbit::SatRadioData d;
  d.modes[0] = {"B", "Mode B", 435.1L, 145.9L, "USB", "LSB"};
  d.modes[2] = {"U", "", 145.8L, 0, "", ""};
  d.currentMode = "B";
  return d;
}

class DataFolder : public ::testing::Test {
 protected:
  QString Path(const char* name) const { return dir.filePath(QLatin1String(name)); }
  QTemporaryDir dir;
};

TEST(RadioSection, LinesInTheFileOrder) {
  orbit::SatRadioData d = ModeB();
  d.hasAttitude = true;
  d.alat = -12.5L;
  d.alon = 180;
  d.maSchedule = "0:B/100:U/";
  const Lines expected = {"[AO-7][07530]",
                          "F_MODE_B=435.1/145.9/Mode B\x7fUSB\x7fLSB",
                          "F_MODE_U=145.8/0/\x7f\x7f",
                          "LAST_MODE=B",
                          "ALAT=-12.5",
                          "ALON=180",
                          "MODE=0:B/100:U/"};
  EXPECT_EQ(FormatRadioSection("AO-7", "07530", d), expected);

  // Without attitude or schedule those lines are left out; LAST_MODE is always there.
  const Lines plain = FormatRadioSection("AO-7", "07530", orbit::SatRadioData{});
  EXPECT_EQ(plain, (Lines{"[AO-7][07530]", "LAST_MODE="}));
}

TEST(RadioSection, NumbersInShortestFormWithAPeriod) {
  EXPECT_EQ(FileNumber(145.8L), "145.8");
  EXPECT_EQ(FileNumber(145.800L), "145.8");
  EXPECT_EQ(FileNumber(10368.25L), "10368.25");
  EXPECT_EQ(FileNumber(0), "0");
  EXPECT_EQ(FileNumber(-0.0L), "0");
  EXPECT_EQ(FileNumber(2401.2345678L), "2401.2345678");
}

TEST(RadioSection, LineBreaksAndDelInsideAFieldCannotForgeLines) {
  orbit::SatRadioData d;
  d.modes[0] = {"B", "one\r\n[X][1]\nF_MODE_Z=1/2/", 435, 145, "a\x7f" "b", "c\rd"};
  d.maSchedule = "0:B/\nLAST_MODE=Z";
  const Lines section = FormatRadioSection("AO-7", "07530\n", d);
  ASSERT_EQ(section.size(), 4u);
  EXPECT_EQ(section[0], "[AO-7][07530 ]");
  EXPECT_EQ(section[1], "F_MODE_B=435/145/one  [X][1] F_MODE_Z=1/2/\x7f" "a b\x7f" "c d");
  EXPECT_EQ(section[3], "MODE=0:B/ LAST_MODE=Z");
  // Read back: the same single mode, no forged mode and no forged current mode.
  const orbit::SatRadioData read = orbit::ReadRadioSection(section, "AO-7", '.');
  EXPECT_EQ(read.modes[0].rxOps, "a b");
  EXPECT_EQ(read.modes[0].txOps, "c d");
  EXPECT_TRUE(read.modes[1].letter.empty());
  EXPECT_TRUE(read.currentMode.empty());
}

TEST(RadioSection, ReplacingKeepsOtherSectionsAndMovesTheNewOneToTheEnd) {
  const Lines file = {"[AO-7][07530]", "LAST_MODE=A",  "[FO-29][24278]",
                      "F_MODE_J=435.8/145.9/\x7f\x7f", "LAST_MODE=J", "[ISS][25544]",
                      "LAST_MODE=V"};
  const Lines section = {"[FO-29][24278]", "LAST_MODE=K"};
  const Lines expected = {"[AO-7][07530]", "LAST_MODE=A", "[ISS][25544]", "LAST_MODE=V",
                          "[FO-29][24278]", "LAST_MODE=K"};
  EXPECT_EQ(ReplaceRadioSection(file, "FO-29", section), expected);
}

TEST(RadioSection, AnOldAnnotatedHeaderIsFoundAndNormalised) {
  // "[FO-29 [+]][24278]": the annotation is no part of the name.
  const Lines file = {"[FO-29 [+]][24278]", "LAST_MODE=J", "[AO-7 ]", "LAST_MODE=A"};
  const Lines replaced = ReplaceRadioSection(file, "FO-29", {"[FO-29][24278]", "LAST_MODE=K"});
  EXPECT_EQ(replaced, (Lines{"[AO-7]", "LAST_MODE=A", "[FO-29][24278]", "LAST_MODE=K"}));
}

TEST(RadioSection, ASectionOfTheSameNumberUnderAnOldNameIsReplacedToo) {
  const Lines file = {"[OSCAR 7][07530]", "LAST_MODE=A"};
  EXPECT_EQ(ReplaceRadioSection(file, "AO-7", {"[AO-7][07530]", "LAST_MODE=B"}),
            (Lines{"[AO-7][07530]", "LAST_MODE=B"}));
}

TEST_F(DataFolder, SaveWritesTheFileReadOnlyAndTheOtherSectionsStayByteIdentical) {
  // Another satellite's section with Windows bytes, CR LF ends and an old header.
  const QByteArray other =
      "[SO-50 [+]][27607]\r\nF_MODE_F=436,795/145,85/FM \xe9t\xe9\x7f\x7f\r\nLAST_MODE=F\r\n";
  Put(Path(kRadioDataFileName), other);
  Lines lines;
  ASSERT_TRUE(SaveSatelliteData(dir.path(), "AO-7", "07530", ModeB(), &lines));
  const QByteArray first = Bytes(Path(kRadioDataFileName));
  const QByteArray otherNormalised =
      "[SO-50][27607]\r\nF_MODE_F=436,795/145,85/FM \xe9t\xe9\x7f\x7f\r\nLAST_MODE=F\r\n";
  const QByteArray ours =
      "[AO-7][07530]\r\nF_MODE_B=435.1/145.9/Mode B\x7fUSB\x7fLSB\r\n"
      "F_MODE_U=145.8/0/\x7f\x7f\r\nLAST_MODE=B\r\n";
  EXPECT_EQ(first, otherNormalised + ours);
  EXPECT_EQ(ModeOf(Path(kRadioDataFileName)), 0444u);
  EXPECT_EQ(lines, base::SplitRawLines(std::string_view(first.constData(), first.size())));
  EXPECT_FALSE(QFileInfo::exists(Path(kRadioDataTempName)));

  // A second save of the same satellite changes only its own section.
  orbit::SatRadioData changed = ModeB();
  changed.currentMode = "U";
  ASSERT_TRUE(SaveSatelliteData(dir.path(), "AO-7", "07530", changed));
  const QByteArray second = Bytes(Path(kRadioDataFileName));
  EXPECT_TRUE(second.startsWith(otherNormalised));
  EXPECT_EQ(second.mid(otherNormalised.size()),
            QByteArray(ours).replace("LAST_MODE=B", "LAST_MODE=U"));
  EXPECT_EQ(ModeOf(Path(kRadioDataFileName)), 0444u);
}

TEST_F(DataFolder, ABlockedTemporaryFileLeavesTheOldBytes) {
  const QByteArray old = "[AO-7][07530]\r\nLAST_MODE=A\r\n";
  Put(Path(kRadioDataFileName), old);
  ASSERT_TRUE(QFile::setPermissions(Path(kRadioDataFileName), kRadioDataFileMode));
  ASSERT_TRUE(QDir(dir.path()).mkdir(QLatin1String(kRadioDataTempName)));
  QString error;
  Lines lines = {"unchanged"};
  EXPECT_FALSE(SaveSatelliteData(dir.path(), "AO-7", "07530", ModeB(), &lines, &error));
  EXPECT_FALSE(error.isEmpty());
  EXPECT_EQ(lines, Lines{"unchanged"});
  EXPECT_EQ(Bytes(Path(kRadioDataFileName)), old);
  EXPECT_EQ(ModeOf(Path(kRadioDataFileName)), 0444u);

  // The notes file takes the same road through its own temporary file.
  const QByteArray notes = "[AO-7][07530]\r\nBeacon weak\r\n";
  Put(Path(kNotesFileName), notes);
  ASSERT_TRUE(QDir(dir.path()).mkdir(QLatin1String(kNotesTempName)));
  EXPECT_FALSE(SaveSatelliteNotes(dir.path(), "AO-7", "07530", {QStringLiteral("x")}));
  EXPECT_EQ(Bytes(Path(kNotesFileName)), notes);
}

TEST_F(DataFolder, AnUnreadableFileIsNotOverwritten) {
  // A folder where the file should be cannot be read: saving would lose what it holds.
  ASSERT_TRUE(QDir(dir.path()).mkdir(QLatin1String(kRadioDataFileName)));
  EXPECT_FALSE(SaveSatelliteData(dir.path(), "AO-7", "07530", ModeB()));
  EXPECT_TRUE(QFileInfo(Path(kRadioDataFileName)).isDir());
}

TEST_F(DataFolder, ALeftoverTemporaryWithoutTheFileIsTakenBackAtStart) {
  Put(Path(kRadioDataTempName), "[AO-7][07530]\r\nLAST_MODE=B\r\n");
  const SectionFileAtStart start = LoadSectionFileAtStart(
      dir.path(), kRadioDataFileName, kRadioDataTempName, kRadioDataFileMode);
  EXPECT_TRUE(start.recovered);
  EXPECT_TRUE(start.exists);
  EXPECT_FALSE(start.rewritten);
  EXPECT_EQ(start.lines, (Lines{"[AO-7][07530]", "LAST_MODE=B"}));
  EXPECT_FALSE(QFileInfo::exists(Path(kRadioDataTempName)));
  EXPECT_EQ(ModeOf(Path(kRadioDataFileName)), 0444u);

  // Beside an existing file a leftover is only a leftover: the file wins.
  Put(Path(kRadioDataTempName), "[XX][1]\r\n");
  const SectionFileAtStart again = LoadSectionFileAtStart(
      dir.path(), kRadioDataFileName, kRadioDataTempName, kRadioDataFileMode);
  EXPECT_FALSE(again.recovered);
  EXPECT_EQ(again.lines, (Lines{"[AO-7][07530]", "LAST_MODE=B"}));
}

TEST_F(DataFolder, IndexingAtStartRewritesOnlyAChangedFile) {
  Put(Path(kRadioDataFileName), "[AO-7 [+]][07530]\r\nLAST_MODE=A\r\n[AO-7][07530]\r\nLAST_MODE=B\r\n");
  const SectionFileAtStart start = LoadSectionFileAtStart(
      dir.path(), kRadioDataFileName, kRadioDataTempName, kRadioDataFileMode);
  EXPECT_TRUE(start.rewritten);
  EXPECT_EQ(Bytes(Path(kRadioDataFileName)), QByteArray("[AO-7][07530]\r\nLAST_MODE=B\r\n"));
  EXPECT_EQ(ModeOf(Path(kRadioDataFileName)), 0444u);

  Put(Path(kNotesFileName), "[AO-7][07530]\nnote\n");  // LF only, already indexed
  const SectionFileAtStart notes =
      LoadSectionFileAtStart(dir.path(), kNotesFileName, kNotesTempName, kNotesFileMode);
  EXPECT_FALSE(notes.rewritten);
  EXPECT_EQ(Bytes(Path(kNotesFileName)), QByteArray("[AO-7][07530]\nnote\n"));

  const SectionFileAtStart none =
      LoadSectionFileAtStart(dir.path(), "Nothing.dat", "Nothing.~da", kNotesFileMode);
  EXPECT_FALSE(none.exists);
  EXPECT_FALSE(none.failed);
}

TEST_F(DataFolder, RoundTripThroughTheReaderUnderTheUsersSeparator) {
  orbit::SatRadioData d = ModeB();
  d.hasAttitude = true;
  d.alat = -12.5L;
  d.alon = 359.75L;
  d.maSchedule = "0:B/128:U/";
  ASSERT_TRUE(SaveSatelliteData(dir.path(), "AO-7", "07530", d));
  Lines lines;
  ASSERT_EQ(base::ReadRawLines(Path(kRadioDataFileName), &lines), base::TextFileStatus::Ok);
  bool beep = false;
  const orbit::SatRadioData back =
      orbit::ReadRadioSection(lines, "AO-7", base::UserDecimalSeparator(), &beep);
  EXPECT_FALSE(beep);
  EXPECT_EQ(back.modes[0].letter, "B");
  EXPECT_EQ(back.modes[0].comment, "Mode B");
  EXPECT_EQ(back.modes[0].rxOps, "USB");
  EXPECT_EQ(back.modes[0].txOps, "LSB");
  EXPECT_DOUBLE_EQ(static_cast<double>(back.modes[0].rxMHz), 435.1);
  EXPECT_DOUBLE_EQ(static_cast<double>(back.modes[0].txMHz), 145.9);
  // The reader fills slots in file order: the second mode line is slot 2.
  EXPECT_EQ(back.modes[1].letter, "U");
  EXPECT_DOUBLE_EQ(static_cast<double>(back.modes[1].rxMHz), 145.8);
  EXPECT_EQ(back.currentMode, "B");
  EXPECT_TRUE(back.hasAttitude);
  EXPECT_DOUBLE_EQ(static_cast<double>(back.alat), -12.5);
  EXPECT_DOUBLE_EQ(static_cast<double>(back.alon), 359.75);
  EXPECT_EQ(back.maSchedule, "0:B/128:U/");
}

TEST(SatelliteNotes, FoundByNameOrNumberEmptyLinesSkipped) {
  const Lines file = {"[AO-7][07530]", "first", "", "second", "[FO-29][24278]", "fuji"};
  EXPECT_EQ(ReadSatelliteNotes(file, "AO-7", "99999"),
            (QStringList{QStringLiteral("first"), QStringLiteral("second")}));
  EXPECT_EQ(ReadSatelliteNotes(file, "JAS-2", "24278"), QStringList{QStringLiteral("fuji")});
  EXPECT_TRUE(ReadSatelliteNotes(file, "ISS", "25544").isEmpty());
}

TEST(SatelliteNotes, ALineThatLooksLikeAHeaderCannotForgeASection) {
  const QStringList typed = {QStringLiteral("[ISS][25544]"), QStringLiteral(" [kept]"),
                             QStringLiteral("tab\rend")};
  const Lines file = ReplaceSatelliteNotes({"[ISS][25544]", "crew"}, "AO-7", "07530", typed);
  EXPECT_EQ(file, (Lines{"[ISS][25544]", "crew", "[AO-7][07530]", " [ISS][25544]", "  [kept]",
                         "tab end"}));
  EXPECT_EQ(orbit::ListSections(file).size(), 2u);
  EXPECT_EQ(ReadSatelliteNotes(file, "AO-7", "07530"),
            (QStringList{QStringLiteral("[ISS][25544]"), QStringLiteral(" [kept]"),
                         QStringLiteral("tab end")}));
  EXPECT_EQ(ReadSatelliteNotes(file, "ISS", "25544"), QStringList{QStringLiteral("crew")});
}

TEST(SatelliteNotes, ClearingTheNotesRemovesTheSection) {
  const Lines file = {"[AO-7][07530]", "old", "[FO-29][24278]", "fuji", "[OSCAR 7][07530]", "dup"};
  EXPECT_EQ(ReplaceSatelliteNotes(file, "AO-7", "07530", {QString(), QStringLiteral("  ")}),
            (Lines{"[FO-29][24278]", "fuji"}));
}

TEST(SatelliteNotes, TextOutsideWindows1252IsKeptAsUtf8) {
  const QString russian = QStringLiteral("Привет, RS-44");
  const QString french = QStringLiteral("Très bon signal");
  const Lines file = ReplaceSatelliteNotes({}, "RS-44", "44909", {russian, french});
  ASSERT_EQ(file.size(), 3u);
  EXPECT_EQ(file[1], russian.toUtf8().toStdString());
  EXPECT_EQ(file[2], "Tr\xe8s bon signal");  // Windows-1252, as the file always was
  EXPECT_EQ(ReadSatelliteNotes(file, "RS-44", ""), (QStringList{russian, french}));
  EXPECT_EQ(DecodeFieldText("\xe9t\xe9"), QStringLiteral("été"));
}

}  // namespace
}  // namespace tracking
