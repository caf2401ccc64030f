#include "base/atomic_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "base/ansi_text.h"

namespace {

QByteArray Bytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void Put(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

TEST(AtomicSave, ReplacesContentSetsModeAndLeavesNoTemporary) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("Orvane.dat"));
  Put(path, "old old old\r\n");
  ASSERT_TRUE(base::AtomicSave(path, "new\r\n", QFileDevice::ReadOwner | QFileDevice::ReadGroup |
                                                    QFileDevice::ReadOther));
  EXPECT_EQ(Bytes(path), QByteArray("new\r\n"));
  struct stat st {};
  ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0444u);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Orvane.dat")});
  // A read-only target is replaced as well: the folder decides, not the file's mode.
  ASSERT_TRUE(base::AtomicSave(path, "third"));
  EXPECT_EQ(Bytes(path), QByteArray("third"));
}

TEST(AtomicSave, NamedTemporaryBlockedLeavesOldFileByteIdentical) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("Orvane.dat"));
  const QString temp = dir.filePath(QStringLiteral("Orvane.~da"));
  Put(path, "keep me\r\n");
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Orvane.~da")));  // cannot be a file now
  QString error;
  EXPECT_FALSE(base::AtomicSave(path, "lost", QFileDevice::ReadOwner, temp, &error));
  EXPECT_FALSE(error.isEmpty());
  EXPECT_EQ(Bytes(path), QByteArray("keep me\r\n"));
  EXPECT_TRUE(QFileInfo(temp).isDir());
}

TEST(AtomicSave, LeftoverTemporaryFileIsReplacedAndMissingFolderFails) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("Orvane.ini"));
  const QString temp = dir.filePath(QStringLiteral("Orvane.~in"));
  Put(temp, "half a file from a crash");
  QFile::setPermissions(temp, QFileDevice::ReadOwner);
  ASSERT_TRUE(base::AtomicSave(path, "whole", QFileDevice::ReadOwner, temp));
  EXPECT_EQ(Bytes(path), QByteArray("whole"));
  EXPECT_FALSE(QFileInfo::exists(temp));

  EXPECT_FALSE(base::AtomicSave(dir.filePath(QStringLiteral("no/such/folder/x")), "x"));
}

// A file-size limit makes every write past it fail as a full disk would.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    previous_ = ::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    ::signal(SIGXFSZ, previous_);
  }

 private:
  rlimit saved_{};
  sighandler_t previous_ = SIG_DFL;
};

TEST(TextFileWriters, GoThroughTheOneStepSaveAndKeepTheOldFileWhenTheDiskIsFull) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("Orvane.nfo"));
  Put(path, "[AO-7][07530]\r\nold note\r\n");
  const std::vector<std::string> lines(200, std::string(60, 'x'));
  {
    const FileSizeLimit full(512);
    QString error;
    EXPECT_FALSE(base::WriteRawLines(path, lines, base::kDefaultFileMode, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(base::WriteAnsiLines(path, QStringList(200, QString(60, u'y'))));
  }
  EXPECT_EQ(Bytes(path), QByteArray("[AO-7][07530]\r\nold note\r\n"));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Orvane.nfo")});

  ASSERT_TRUE(base::WriteRawLines(path, {"[FO-29][24278]", "n"}, QFileDevice::ReadOwner));
  EXPECT_EQ(Bytes(path), QByteArray("[FO-29][24278]\r\nn\r\n"));
  struct stat st {};
  ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0400u);
}

}  // namespace
