#include "tracking/movenow_launcher.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include "tracking/rotator_sender.h"

namespace tracking {
namespace {

void Touch(const QString& path, const QByteArray& content = {},
           QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(content);
  file.close();
  file.setPermissions(permissions);
}

TEST(MovenowExists, FolderWithOrWithoutSeparatorOrTheFileItself) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString folder = dir.path();
  EXPECT_FALSE(MovenowExists(folder + "/"));
  Touch(folder + "/Movenow.com");
  EXPECT_TRUE(MovenowExists(folder + "/"));
  EXPECT_TRUE(MovenowExists(folder));
  EXPECT_TRUE(MovenowExists(folder + "/Movenow.com"));
  EXPECT_FALSE(MovenowExists(folder + "/elsewhere/"));
  EXPECT_FALSE(MovenowExists(QString()));
}

TEST(MovenowProgram, FolderTextFollowedByMovenow) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  EXPECT_EQ(MovenowProgram(dir.path() + "/"), dir.path() + "/Movenow");
  EXPECT_EQ(MovenowProgram(dir.path()), dir.path() + "/Movenow");
  EXPECT_EQ(MovenowProgram(QStringLiteral("c:\\radio\\kct\\")),
            QStringLiteral("c:\\radio\\kct\\Movenow"));
  Touch(dir.path() + "/Movenow.com");
  EXPECT_EQ(MovenowProgram(dir.path() + "/"), dir.path() + "/Movenow.com");
  Touch(dir.path() + "/Movenow");
  EXPECT_EQ(MovenowProgram(dir.path() + "/"), dir.path() + "/Movenow");
  EXPECT_EQ(SplitArguments("PA 123 PB 006"), (QStringList{"PA", "123", "PB", "006"}));
}

TEST(DetachedProcessLauncher, FailuresGiveCodesBelow32) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  DetachedProcessLauncher launcher;
  LaunchResult missing = launcher.Launch(dir.path() + "/Movenow", {});
  EXPECT_FALSE(missing.started);
  EXPECT_EQ(missing.code, 2);
  LaunchResult noFolder = launcher.Launch(dir.path() + "/none/Movenow", {});
  EXPECT_EQ(noFolder.code, 3);
  Touch(dir.path() + "/Movenow", "#!/bin/sh\n");
  LaunchResult notExecutable = launcher.Launch(dir.path() + "/Movenow", {});
  EXPECT_FALSE(notExecutable.started);
  EXPECT_EQ(notExecutable.code, 5);
  EXPECT_EQ(MovenowErrorMessage(notExecutable.code), QStringLiteral("movenow.com error #5"));
}

TEST(DetachedProcessLauncher, KctSenderStartsMovenowWithItsArguments) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString out = dir.path() + "/args.txt";
  Touch(dir.path() + "/Movenow",
        "#!/bin/sh\necho \"$#:$*\" > \"" + QFile::encodeName(out) + ".tmp\" && mv \"" +
            QFile::encodeName(out) + ".tmp\" \"" + QFile::encodeName(out) + "\"\n",
        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  DetachedProcessLauncher launcher;
  RotatorSender sender(launcher);
  RotatorConfig config;
  config.movenowFolder = dir.path() + "/";
  CommandState state;
  state.TargetAz = 123.4L;
  state.TargetEl = 5.6L;
  EXPECT_EQ(sender.Send(state, config, {}).status, SendStatus::Sent);

  QElapsedTimer timer;
  timer.start();
  while (!QFile::exists(out) && timer.elapsed() < 2000) QThread::msleep(10);
  QFile file(out);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), QByteArray("4:PA 123 PB 006\n"));
}

}  // namespace
}  // namespace tracking
