// Text files read as UTF-8 or Windows-1252 and written back in the narrowest of the two.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "base/ansi_text.h"

namespace {

const QString kCyrillic = QString::fromUtf8("\u0417\u0430\u0433\u0440\u0443\u0437\u043a\u0438");

QByteArray Bytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

TEST(TextEncoding, WholeFileRule) {
  // Valid UTF-8 with a non-ASCII character is UTF-8; anything else Windows-1252.
  EXPECT_EQ(base::DecodeText("caf\xC3\xA9"), QString::fromUtf8("caf\u00e9"));
  EXPECT_EQ(base::DecodeText("caf\xE9"), QString::fromUtf8("caf\u00e9"));
  EXPECT_EQ(base::DecodeText("\x80 5"), QString::fromUtf8("\u20ac 5"));
  EXPECT_EQ(base::DecodeText("plain"), QStringLiteral("plain"));
  // Written narrow when every character fits.
  EXPECT_EQ(base::EncodeText(QString::fromUtf8("caf\u00e9 \u20ac")), QByteArray("caf\xE9 \x80"));
  EXPECT_EQ(base::EncodeText(kCyrillic), kCyrillic.toUtf8());
  EXPECT_TRUE(base::FitsWindows1252(QString::fromUtf8("\u0178\u017d\u2122")));
  EXPECT_FALSE(base::FitsWindows1252(QString::fromUtf8("\u0100")));
  EXPECT_FALSE(base::FitsWindows1252(QString::fromUtf8("\U0001F600")));
}

TEST(TextEncoding, EightBitFormRoundTrips) {
  for (const QString& text :
       {QString::fromUtf8("AO-7"), QString::fromUtf8("Fran\u00e7ais \u20ac"), kCyrillic,
        QString::fromUtf8("mixed \u00e9 \u0416")}) {
    const std::string bytes = base::TextToBytes(text);
    EXPECT_EQ(base::BytesToText(bytes), text) << bytes;
  }
  EXPECT_EQ(base::TextToBytes(QString::fromUtf8("\u00e9")), "\xE9");
  // Every byte value keeps its own meaning in the Windows form.
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(base::TextToBytes(base::BytesToText(all)), all);
}

TEST(TextEncoding, CutNeverSplitsAUtf8Character) {
  const std::string name = base::TextToBytes(kCyrillic);  // 8 characters, 16 bytes
  EXPECT_EQ(base::CutLength(name, 11), 10u);
  EXPECT_EQ(base::CutLength(name, 10), 10u);
  EXPECT_EQ(base::CutLength(name, 40), name.size());
  // The Windows form is cut where asked, whatever its bytes.
  EXPECT_EQ(base::CutLength("caf\xE9\xE9\xE9\xE9", 5), 5u);
  EXPECT_EQ(base::CutLength("ABCDEFGHIJKLMN", 11), 11u);
}

TEST(TextFiles, RawLinesOfAUtf8FileAndBack) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("Orvane.nfo"));
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(("[" + kCyrillic + "][25544]\r\nnote caf\u00e9\r\n").toUtf8());
  f.close();
  std::vector<std::string> lines;
  ASSERT_EQ(base::ReadRawLines(path, &lines), base::TextFileStatus::Ok);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(base::BytesToText(lines[0]), "[" + kCyrillic + "][25544]");
  EXPECT_EQ(lines[1], "note caf\xE9");  // the line's 8-bit form
  ASSERT_TRUE(base::WriteRawLines(path, lines));
  EXPECT_EQ(Bytes(path), ("[" + kCyrillic + "][25544]\r\nnote caf\u00e9\r\n").toUtf8());

  // Without the Cyrillic line the file goes back to the code page.
  ASSERT_TRUE(base::WriteRawLines(path, {lines[1]}));
  EXPECT_EQ(Bytes(path), QByteArray("note caf\xE9\r\n"));
}

TEST(TextFiles, WindowsFileStaysByteIdentical) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("Orvane.dat"));
  QByteArray original = "[Fran\xE7" "ais][12345]\r\nF_MODE_B=435,1/145,9/Mode B\x7FUSB\x7FLSB\r\n";
  for (int b = 0x80; b <= 0xFF; ++b) original.append(static_cast<char>(b));
  original.append("\r\n");
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(original);
  f.close();
  std::vector<std::string> lines;
  ASSERT_EQ(base::ReadRawLines(path, &lines), base::TextFileStatus::Ok);
  ASSERT_TRUE(base::WriteRawLines(path, lines));
  EXPECT_EQ(Bytes(path), original);
  QStringList text;
  ASSERT_EQ(base::ReadAnsiLines(path, &text), base::TextFileStatus::Ok);
  ASSERT_TRUE(base::WriteAnsiLines(path, text));
  EXPECT_EQ(Bytes(path), original);
}

TEST(TextFiles, ReasonOfAFileThatCannotBeRead) {
  QTemporaryDir dir;
  QByteArray bytes;
  QString why;
  EXPECT_EQ(base::ReadFileBytes(dir.path(), &bytes, &why), base::TextFileStatus::Unreadable);
  EXPECT_FALSE(why.isEmpty());
}

}  // namespace
