#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>

namespace {

struct CliRun {
  int status = -1;
  std::string out;
};

CliRun Cli(const std::string& args) {
  CliRun r;
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

std::vector<std::string> Lines(const std::string& s) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\n') {
      lines.push_back(s.substr(start, i - start));
      start = i + 1;
    }
  }
  return lines;
}

const std::string kAmateur = std::string(ORVANE_TEST_DATA) + "/amateur.txt";
const std::string kParis = " --lat 48.854 --lon 2.292 --alt 35 ";

TEST(Cli, PassesPrintsHeadersAndRowsAndChainsLikeNextPass) {
  const CliRun r = Cli("passes --elements " + kAmateur + " --name 'ISS (ZARYA)'" + kParis +
                    "--offset 1 --start '2018-01-21 00:00' --count 3 --utc");
  ASSERT_EQ(r.status, 0) << r.out;
  const std::vector<std::string> lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 3u + 11 + 10 + 8);
  EXPECT_EQ(lines[0], "ISS (ZARYA)  pass 1: 21 JAN 2018  00:41 -> 21 JAN 2018  00:51 UTC (11 rows)");
  EXPECT_EQ(lines[12].substr(0, 40), "ISS (ZARYA)  pass 2: 21 JAN 2018  02:18 ");
  for (const std::string& l : lines) {
    if (l.rfind("ISS", 0) != 0) {
      EXPECT_EQ(l.size(), 73u) << l;
    }
  }
  // Local time is UTC + offset.
  const CliRun local = Cli("passes --elements " + kAmateur + " --name 'ISS (ZARYA)'" + kParis +
                        "--offset 1 --start '2018-01-21 00:00'");
  ASSERT_EQ(local.status, 0);
  EXPECT_EQ(Lines(local.out)[1].substr(0, 18), "21 JAN 2018  01:41");
}

TEST(Cli, EverySetOfTheFileWithoutName) {
  const CliRun r = Cli("passes --elements " + kAmateur + kParis + "--start '2018-01-21 00:00'");
  ASSERT_EQ(r.status, 0);
  int headers = 0;
  for (const std::string& l : Lines(r.out))
    if (l.find("  pass 1: ") != std::string::npos) ++headers;
  EXPECT_EQ(headers, 113);
}

TEST(Cli, ListSunAndMoon) {
  const CliRun list = Cli("list --elements " + kAmateur);
  ASSERT_EQ(list.status, 0);
  EXPECT_EQ(Lines(list.out).size(), 113u);
  EXPECT_NE(list.out.find("25544 in service"), std::string::npos);
  const CliRun sun = Cli("sun --lat 48.854 --lon 2.292 --at '2018-06-21 12:00:00'");
  ASSERT_EQ(sun.status, 0);
  EXPECT_NE(sun.out.find("declination 23.4"), std::string::npos) << sun.out;
  const CliRun moon = Cli("moon --lat 48.854 --lon 2.292 --at '2018-01-21 00:00:00'");
  ASSERT_EQ(moon.status, 0);
  EXPECT_NE(moon.out.find("azimuth"), std::string::npos);
}

// The moon window's EME numbers for scripts. PyEphem has the Paris-moon distance shrinking
// by 39.5 m/s at 2023-01-15 06:10 UTC: the echo at 1296 MHz rises by 2 * 39.5 * 1296e6 / c
// = 341 Hz.
TEST(Cli, MoonEmeDopplerAndCommonWindow) {
  const CliRun eme = Cli("moon --lat 48.85 --lon 2.35 --at '2023-01-15 06:10:00' --freq 1296"
                         " --dx-lat 55.75 --dx-lon 37.62 --window");
  ASSERT_EQ(eme.status, 0) << eme.out;
  long self = 0, dx = 0, path = 0;
  const auto at = [&](const char* key) { return eme.out.find(key); };
  ASSERT_NE(at("\nstation "), std::string::npos) << eme.out;
  ASSERT_EQ(std::sscanf(eme.out.c_str() + at("\nstation "), "\nstation %ld Hz", &self), 1);
  ASSERT_EQ(std::sscanf(eme.out.c_str() + at("\ndx "), "\ndx %ld Hz", &dx), 1);
  ASSERT_EQ(std::sscanf(eme.out.c_str() + at("\npath "), "\npath %ld Hz", &path), 1);
  EXPECT_NEAR(self, 341, 45);
  EXPECT_EQ(path, std::lround((self + dx) / 2.0));
  EXPECT_NE(eme.out.find("window 15 JAN 2023  06:10 -> 15 JAN 2023  0"), std::string::npos)
      << eme.out;
  // Below the horizon there is no Doppler to give.
  const CliRun down = Cli("moon --lat 48.85 --lon 2.35 --at '2023-01-15 22:00:00' --freq 1296");
  ASSERT_EQ(down.status, 0);
  EXPECT_NE(down.out.find("station N/A"), std::string::npos) << down.out;
  for (const char* bad : {"--freq 0", "--freq -1296", "--freq 12000.5", "--dx-lat 95 --dx-lon 0"}) {
    const CliRun refused = Cli(std::string("moon --lat 48.85 --lon 2.35 ") + bad);
    EXPECT_NE(refused.status, 0) << bad;
    EXPECT_EQ(refused.out.find("azimuth"), std::string::npos) << bad;  // nothing half-printed
  }
}

TEST(Cli, ErrorsGoToStderrWithNonZeroStatus) {
  EXPECT_NE(Cli("passes --elements /nonexistent.txt" + kParis).status, 0);
  const CliRun missing = Cli("passes --elements " + kAmateur + " --name NOSUCHSAT" + kParis);
  EXPECT_NE(missing.status, 0);
  EXPECT_NE(missing.out.find("One or more satellites are missing"), std::string::npos);
  EXPECT_NE(Cli("passes --elements " + kAmateur + " --lat abc --lon 0 --alt 0").status, 0);
  EXPECT_NE(Cli("passes --elements " + kAmateur + " --lon 0 --alt 0").status, 0);
  EXPECT_NE(Cli("frobnicate").status, 0);
  const std::string big = testing::TempDir() + "/big.txt";
  {
    std::ofstream out(big);
    for (int i = 0; i < 3001; ++i) out << "x\n";
  }
  const CliRun tooMany = Cli("list --elements " + big);
  EXPECT_NE(tooMany.status, 0);
  EXPECT_NE(tooMany.out.find("limited to 1000 satellites"), std::string::npos);
  const CliRun help = Cli("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("orvane-cli passes"), std::string::npos);
}

TEST(Cli, AnOptionTheCommandDoesNotTakeIsRefusedWithTheUsage) {
  const std::string paris = "--lat 48.854 --lon 2.292";
  const std::string cases[] = {
      "moon " + paris + " --bogus 1",
      "sun " + paris + " --window",                   // a moon flag
      "sun " + paris + " --elements " + kAmateur,     // an option of another command
      "list --elements " + kAmateur + " --utc",
      "passes --elements " + kAmateur + kParis + "--freq 144",
  };
  for (const std::string& args : cases) {
    const CliRun r = Cli(args);
    EXPECT_EQ(r.status, 2) << args;
    // The refusal first, nothing computed, then the usage.
    EXPECT_EQ(r.out.rfind("orvane-cli: unknown option --", 0), 0u) << args << "\n" << r.out;
    EXPECT_NE(r.out.find("\n\nUsage:\n"), std::string::npos) << args;
    EXPECT_EQ(r.out.find("declination "), std::string::npos) << args;
  }
  // The same options on the command that takes them.
  EXPECT_EQ(Cli("moon " + paris + " --window --at '2018-06-21 12:00:00'").status, 0);
  EXPECT_EQ(Cli("list --elements " + kAmateur).status, 0);
}

TEST(Cli, AFileWithoutOneValidSetSaysSo) {
  const std::string junk = testing::TempDir() + "/no_sets.txt";
  std::ofstream(junk) << "HELLO\nthis is not\nan element file\n";
  const std::string empty = testing::TempDir() + "/empty.txt";
  std::ofstream{empty};
  for (const std::string& file : {junk, empty}) {
    for (const std::string& command :
         {"list --elements " + file, "passes --elements " + file + kParis}) {
      const CliRun r = Cli(command);
      EXPECT_EQ(r.status, 1) << command << "\n" << r.out;
      EXPECT_NE(r.out.find("orvane-cli: no valid element set in " + file + "\n"),
                std::string::npos)
          << command << "\n" << r.out;
    }
  }
}

TEST(Cli, OmmFilesAndAlpha5NumbersGiveTheThreeLineOutput) {
  const std::string omm = std::string(ORVANE_TEST_DATA) + "/omm/";
  const std::string args = " --name 'JAS-2 (FO-29)'" + kParis + "--start '2018-01-21 00:00' --count 2";
  const CliRun tle = Cli("passes --elements " + omm + "sample.tle" + args);
  ASSERT_EQ(tle.status, 0) << tle.out;
  EXPECT_GT(Lines(tle.out).size(), 20u);
  for (const char* file : {"sample.csv", "sample.xml", "sample.json", "alpha5.tle"}) {
    const CliRun r = Cli("passes --elements " + omm + file + args);
    EXPECT_EQ(r.status, 0) << file;
    EXPECT_EQ(r.out, tle.out) << file;
  }
  const CliRun list = Cli("list --elements " + omm + "big_numbers.json");
  ASSERT_EQ(list.status, 0);
  EXPECT_NE(list.out.find("100000 in service"), std::string::npos) << list.out;
  EXPECT_NE(list.out.find("412345 in service"), std::string::npos) << list.out;
  EXPECT_NE(list.out.find("220001 out of service"), std::string::npos) << list.out;
}

TEST(Cli, DamagedAndForeignContentIsToldOnStderr) {
  const std::string cut = testing::TempDir() + "/cut.json";
  {
    std::ifstream in(std::string(ORVANE_TEST_DATA) + "/omm/sample.json");
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::ofstream(cut) << text.substr(0, text.size() / 2);
  }
  const CliRun truncated = Cli("list --elements " + cut);
  EXPECT_NE(truncated.status, 0);
  EXPECT_NE(truncated.out.find("cannot be read from line"), std::string::npos) << truncated.out;
  EXPECT_NE(truncated.out.find("no valid element set"), std::string::npos) << truncated.out;

  const std::string csv = testing::TempDir() + "/one_bad.csv";
  std::ofstream(csv) << "OBJECT_NAME,NORAD_CAT_ID,EPOCH,MEAN_MOTION,ECCENTRICITY,INCLINATION,"
                        "RA_OF_ASC_NODE,ARG_OF_PERICENTER,MEAN_ANOMALY,MEAN_MOTION_DOT,"
                        "REV_AT_EPOCH\n"
                        "GOOD,100000,2018-01-20T21:33:14.841216,15.5419008,.0003646,51.6424,"
                        "32.9776,28.7227,39.5332,.00002078,9561\n"
                        "BAD,100001,2018-01-20T21:33:14.841216,fast,.0003646,51.6424,"
                        "32.9776,28.7227,39.5332,.00002078,9561\n";
  const CliRun oneBad = Cli("list --elements " + csv);
  EXPECT_EQ(oneBad.status, 0);
  EXPECT_NE(oneBad.out.find("damaged element set skipped: BAD"), std::string::npos) << oneBad.out;
  EXPECT_NE(oneBad.out.find("GOOD"), std::string::npos);
}

}  // namespace
