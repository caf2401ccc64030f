// Test entry of the download tests: every request that is not for 127.0.0.1 or localhost
// goes to a proxy address where nothing listens, so an escaped request fails at once
// instead of leaving the machine.
#include <gtest/gtest.h>

#include <QStandardPaths>

#ifdef ORVANE_TEST_WIDGETS
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif

int main(int argc, char** argv) {
#ifdef ORVANE_TEST_WIDGETS
  qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
  qputenv("ALL_PROXY", "http://127.0.0.1:9");
  qputenv("all_proxy", "http://127.0.0.1:9");
  qputenv("HTTPS_PROXY", "http://127.0.0.1:9");
  qputenv("https_proxy", "http://127.0.0.1:9");
  qputenv("http_proxy", "http://127.0.0.1:9");
  qputenv("NO_PROXY", "127.0.0.1,localhost");
  qputenv("no_proxy", "127.0.0.1,localhost");
  QStandardPaths::setTestModeEnabled(true);
  TestApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
