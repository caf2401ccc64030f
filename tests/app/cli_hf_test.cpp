// orvane-cli beam and locator.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace {

struct CliOutput {
  int status = -1;
  std::string out;
};

CliOutput Cli(const std::string& args) {
  CliOutput r;
  const std::string cmd = std::string(ORVANE_CLI) + " " + args + " 2>&1";
  FILE* pipe = popen(cmd.c_str(), "r");
  if (pipe == nullptr) return r;
  std::array<char, 4096> buf{};
  std::size_t n = 0;
  while ((n = fread(buf.data(), 1, buf.size(), pipe)) > 0) r.out.append(buf.data(), n);
  const int status = pclose(pipe);
  r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return r;
}

TEST(CliBeam, HeadingsAndDistanceToCoordinatesAndToAPrefix) {
  const CliOutput tokyo = Cli("beam --lat 48.854 --lon 2.292 --to-lat 35.7 --to-lon 139.7");
  ASSERT_EQ(tokyo.status, 0) << tokyo.out;
  EXPECT_EQ(tokyo.out, "short path 33.4\nlong path 213.4\ndistance 9707.5 km\n");

  const CliOutput york = Cli("beam --lat 40.7 --lon -74.0 --to-lat 48.854 --to-lon 2.292");
  ASSERT_EQ(york.status, 0) << york.out;
  EXPECT_EQ(york.out.substr(0, 16), "short path 53.7\n");

  // The DXCC list's Japan (36.40N 138.38E): a little different from Tokyo.
  const CliOutput ja = Cli("beam --lat 48.854 --lon 2.292 --to JA1XYZ");
  ASSERT_EQ(ja.status, 0) << ja.out;
  EXPECT_EQ(ja.out.substr(0, 17), "to JA Japan (As)\n");
  EXPECT_NE(ja.out.find("short path 34."), std::string::npos) << ja.out;

  const CliOutput same = Cli("beam --lat 10 --lon 20 --to-lat 10 --to-lon 20");
  EXPECT_EQ(same.out, "short path 0.0\nlong path 0.0\ndistance 0.0 km\n");
}

TEST(CliBeam, BadInputIsRefused) {
  const CliOutput unknown = Cli("beam --lat 1 --lon 2 --to-lat 3 --to-lon 4 --speed 5");
  EXPECT_EQ(unknown.status, 2);
  EXPECT_NE(unknown.out.find("unknown option"), std::string::npos);
  EXPECT_NE(unknown.out.find("Usage:"), std::string::npos);
  EXPECT_EQ(Cli("beam --lat 91 --lon 2 --to-lat 3 --to-lon 4").status, 1);
  EXPECT_EQ(Cli("beam --lat 1 --lon 2").status, 1);
  EXPECT_EQ(Cli("beam --lat 1 --lon 2 --to QQQ").status, 1);
  EXPECT_EQ(Cli("beam --lat 1 --lon 2 --to JA --to-lat 3").status, 1);
  EXPECT_EQ(Cli("beam --lat x --lon 2 --to-lat 3 --to-lon 4").status, 1);
}

TEST(CliLocator, BothWays) {
  const CliOutput paris = Cli("locator --lat 48.854 --lon 2.292");
  ASSERT_EQ(paris.status, 0) << paris.out;
  EXPECT_EQ(paris.out, "JN18DU\n");
  EXPECT_EQ(Cli("locator --lat -33.87 --lon 151.21").out, "QF56OD\n");
  const CliOutput centre = Cli("locator --locator jn18du");
  ASSERT_EQ(centre.status, 0) << centre.out;
  EXPECT_EQ(centre.out, "latitude 48.8542 N\nlongitude 2.2917 E\n");
  EXPECT_EQ(Cli("locator --locator FN20").status, 1);
  EXPECT_EQ(Cli("locator --locator JN18DU --lat 3").status, 1);
  EXPECT_EQ(Cli("locator --lat 48 --lon 2 --zone 1").status, 2);
}

}  // namespace
