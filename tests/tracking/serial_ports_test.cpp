#include "tracking/serial_ports.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace tracking {
namespace {

TEST(SerialPortList, AddsPseudoTerminalLinksAndSortsAsText) {
  QTemporaryDir dev;
  ASSERT_TRUE(dev.isValid());
  const QString root = dev.path() + QLatin1Char('/');
  ASSERT_TRUE(QFile::link(QStringLiteral("/dev/pts/7"), root + "ttyV0"));
  ASSERT_TRUE(QFile::link(QStringLiteral("/dev/pts/12"), root + "ttyRotator"));
  ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), root + "ttyNull"));
  ASSERT_TRUE(QFile::link(QStringLiteral("/dev/pts/ptmx"), root + "ttyMaster"));
  ASSERT_TRUE(QFile::link(QStringLiteral("/dev/pts/3"), root + "other"));
  QFile plain(root + "ttyPlain");
  ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
  plain.close();

  const QStringList names = MergeSerialPorts(
      {QStringLiteral("ttyUSB1"), QStringLiteral("ttyS0"), QStringLiteral("ttyUSB0"),
       QStringLiteral("ttyS0")},
      dev.path());
  EXPECT_EQ(names, (QStringList{"ttyRotator", "ttyS0", "ttyUSB0", "ttyUSB1", "ttyV0"}));
}

TEST(SerialPortList, TextOrderPutsCom10BeforeCom2) {
  EXPECT_EQ(MergeSerialPorts({"COM2", "COM10", "COM1"}, QStringLiteral("/nonexistent")),
            (QStringList{"COM1", "COM10", "COM2"}));
}

TEST(SerialPortSetting, DropsAndRestoresTheFirstThreeLetters) {
  EXPECT_EQ(PortSettingFromName(QStringLiteral("ttyUSB0")), QStringLiteral("USB0"));
  EXPECT_EQ(PortSettingFromName(QStringLiteral("COM3")), QStringLiteral("3"));
  EXPECT_EQ(PortSettingFromName(QStringLiteral("tt")), QString());
  const QStringList available{"COM3", "ttyS0", "ttyUSB0"};
  EXPECT_EQ(PortNameFromSetting(QStringLiteral("USB0"), available), QStringLiteral("ttyUSB0"));
  EXPECT_EQ(PortNameFromSetting(QStringLiteral("3"), available), QStringLiteral("COM3"));
  EXPECT_EQ(PortNameFromSetting(QStringLiteral("ACM0"), available), QStringLiteral("ttyACM0"));
  EXPECT_EQ(PortNameFromSetting(QString(), available), QString());
}

}  // namespace
}  // namespace tracking
