#include "orbit/radio_data.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orbit {
namespace {

const std::string kDelText(1, kDel);

std::string ModeLine(const std::string& body) {
  return "F_MODE_" + body;
}

// ---------------------------------------------------------------- sections

TEST(RadioSection, ReadsAFullSection) {
  const std::vector<std::string> lines = {
      "[AO-7][7530]",
      "F_MODE_A=29,5/145,9/Mode A" + kDelText + "CW" + kDelText + "USB",
      "F_MODE_B=145.95/432.15/Mode B" + kDelText + "LSB" + kDelText + "USB",
      "LAST_MODE=B",
      "ALAT=12,5",
      "ALON=180",
      "MODE=0:A/128:B/",
  };
  for (char sep : {'.', ','}) {
    bool beep = false;
    const SatRadioData d = ReadRadioSection(lines, "AO-7", sep, &beep);
    EXPECT_FALSE(beep);
    EXPECT_EQ(d.modes[0].letter, "A");
    EXPECT_DOUBLE_EQ(static_cast<double>(d.modes[0].rxMHz), 29.5);
    EXPECT_DOUBLE_EQ(static_cast<double>(d.modes[0].txMHz), 145.9);
    EXPECT_EQ(d.modes[0].comment, "Mode A");
    EXPECT_EQ(d.modes[0].rxOps, "CW");
    EXPECT_EQ(d.modes[0].txOps, "USB");
    EXPECT_EQ(d.modes[1].letter, "B");
    EXPECT_DOUBLE_EQ(static_cast<double>(d.modes[1].rxMHz), 145.95);
    EXPECT_DOUBLE_EQ(static_cast<double>(d.modes[1].txMHz), 432.15);
    EXPECT_EQ(d.modes[2].letter, "");
    EXPECT_EQ(d.currentMode, "B");
    EXPECT_TRUE(d.hasAttitude);
    EXPECT_DOUBLE_EQ(static_cast<double>(d.alat), 12.5);
    EXPECT_DOUBLE_EQ(static_cast<double>(d.alon), 180);
    EXPECT_EQ(d.maSchedule, "0:A/128:B/");
  }
}

TEST(RadioSection, ModeBExampleUnderBothSeparators) {
  const std::vector<std::string> lines = {
      "[FO-29][24278]", ModeLine("B=435,1/145,9/Mode B" + kDelText + "USB" + kDelText + "LSB")};
  for (char sep : {'.', ','}) {
    const SatRadioData d = ReadRadioSection(lines, "FO-29", sep);
    EXPECT_EQ(d.modes[0].letter, "B");
    EXPECT_DOUBLE_EQ(static_cast<double>(d.modes[0].rxMHz), 435.1) << sep;
    EXPECT_DOUBLE_EQ(static_cast<double>(d.modes[0].txMHz), 145.9) << sep;
    EXPECT_EQ(d.modes[0].comment, "Mode B");
    EXPECT_EQ(d.modes[0].rxOps, "USB");
    EXPECT_EQ(d.modes[0].txOps, "LSB");
  }
}

TEST(RadioSection, FindsTheFirstSectionOfExactlyThatName) {
  const std::vector<std::string> lines = {
      "[AO-73][39444]", "LAST_MODE=X",   "[AO-7 ][1]",         "LAST_MODE=Y",
      "[AO-7][7530]",   "LAST_MODE=A",   "F_MODE_A=1/2/first", "[NEXT][1]",
      "LAST_MODE=N",    "F_MODE_N=3/4/", "[AO-7][7530]",       "LAST_MODE=Z",
  };
  const SatRadioData d = ReadRadioSection(lines, "AO-7", '.');
  EXPECT_EQ(d.currentMode, "A");
  EXPECT_EQ(d.modes[0].letter, "A");
  EXPECT_EQ(d.modes[0].comment, "first");
  // The section ended at the next "[" line.
  EXPECT_EQ(d.modes[1].letter, "");

  const SatRadioData none = ReadRadioSection(lines, "UO-11", '.');
  EXPECT_EQ(none.currentMode, "");
  EXPECT_EQ(none.modes[0].letter, "");
  EXPECT_FALSE(none.hasAttitude);
  EXPECT_TRUE(ReadRadioSection({}, "AO-7", '.').maSchedule.empty());
}

TEST(RadioSection, WindowsLineEndsAreIgnored) {
  const std::vector<std::string> lines = {"[AO-7][7530]\r", "LAST_MODE=B\r", "MODE=0:B/\r",
                                          "F_MODE_B=1/2/c\r"};
  const SatRadioData d = ReadRadioSection(lines, "AO-7", '.');
  EXPECT_EQ(d.currentMode, "B");
  EXPECT_EQ(d.maSchedule, "0:B/");
  EXPECT_EQ(d.modes[0].comment, "c");
}

// ---------------------------------------------------------------- mode lines

TEST(RadioModeLines, TwoLetterNameIsSkippedButUsesASlot) {
  const std::vector<std::string> lines = {"[S][1]", ModeLine("AB=145.8/435/two letters"),
                                          ModeLine("C=10/20/ok")};
  const SatRadioData d = ReadRadioSection(lines, "S", '.');
  EXPECT_EQ(d.modes[0].letter, "");
  EXPECT_EQ(d.modes[0].rxMHz, 0);
  EXPECT_EQ(d.modes[1].letter, "C");
  EXPECT_EQ(d.modes[1].comment, "ok");
}

TEST(RadioModeLines, NinthAndLaterLinesOverwriteTheEighth) {
  std::vector<std::string> lines = {"[S][1]"};
  const std::string letters = "ABCDEFGHIJ";
  for (char c : letters) lines.push_back(ModeLine(std::string(1, c) + "=1/2/comment " + c));
  const SatRadioData d = ReadRadioSection(lines, "S", '.');
  for (std::size_t i = 0; i < 7; ++i) EXPECT_EQ(d.modes[i].letter, std::string(1, letters[i]));
  EXPECT_EQ(d.modes[7].letter, "J");
  EXPECT_EQ(d.modes[7].comment, "comment J");
  // A skipped line in the last slot leaves what was there.
  lines.push_back(ModeLine("XY=9/9/skipped"));
  EXPECT_EQ(ReadRadioSection(lines, "S", '.').modes[7].letter, "J");
}

TEST(RadioModeLines, MissingSlashesAndDelimiters) {
  const std::vector<std::string> lines = {
      "[S][1]",
      ModeLine("A=145.8"),                      // no "/": nothing after the letter
      ModeLine("B=145.8/435.5"),                // one "/": downlink only
      ModeLine("C=145.8/435.5/no separators"),  // whole rest is the comment
      ModeLine("D=//only" + kDelText + "rx"),   // empty frequencies, one DEL
      ModeLine("E=1/2/a/b" + kDelText + kDelText + "tx" + kDelText + "more"),
  };
  const SatRadioData d = ReadRadioSection(lines, "S", '.');
  EXPECT_EQ(d.modes[0].letter, "A");
  EXPECT_EQ(d.modes[0].rxMHz, 0);
  EXPECT_EQ(d.modes[1].letter, "B");
  EXPECT_DOUBLE_EQ(static_cast<double>(d.modes[1].rxMHz), 145.8);
  EXPECT_EQ(d.modes[1].txMHz, 0);
  EXPECT_EQ(d.modes[1].comment, "");
  EXPECT_EQ(d.modes[2].comment, "no separators");
  EXPECT_EQ(d.modes[2].rxOps, "");
  EXPECT_EQ(d.modes[3].rxMHz, 0);
  EXPECT_EQ(d.modes[3].txMHz, 0);
  EXPECT_EQ(d.modes[3].comment, "only");
  EXPECT_EQ(d.modes[3].rxOps, "rx");
  EXPECT_EQ(d.modes[3].txOps, "");
  EXPECT_EQ(d.modes[4].comment, "a/b");
  EXPECT_EQ(d.modes[4].rxOps, "");
  EXPECT_EQ(d.modes[4].txOps, "tx" + kDelText + "more");
}

TEST(RadioModeLines, DamagedNumbersReadAsZero) {
  const std::vector<std::string> lines = {"[S][1]", ModeLine("A=145,800.5/abc/x"),
                                          ModeLine("B=1e/--3/y"), ModeLine("C= 145.9 /1,2,3/z")};
  bool beep = false;
  const SatRadioData d = ReadRadioSection(lines, "S", '.', &beep);
  EXPECT_TRUE(beep);  // 145,800.5 holds both separators
  EXPECT_EQ(d.modes[0].rxMHz, 0);
  EXPECT_EQ(d.modes[0].txMHz, 0);
  EXPECT_EQ(d.modes[0].comment, "x");
  EXPECT_EQ(d.modes[1].rxMHz, 0);
  EXPECT_EQ(d.modes[1].txMHz, 0);
  EXPECT_DOUBLE_EQ(static_cast<double>(d.modes[2].rxMHz), 145.9);
  EXPECT_EQ(d.modes[2].txMHz, 0);
}

TEST(RadioModeLines, GarbageLinesChangeNothing) {
  const std::vector<std::string> lines = {"[S][1]",
                                          "",
                                          "F_MODE_",
                                          "F_MODE_A",
                                          "f_mode_A=1/2/",
                                          "=====",
                                          std::string(3, kDel),
                                          std::string("\0\x01\xff", 3),
                                          "LAST_MODE=",
                                          "LAST_MODE=AB",
                                          "ALATX",
                                          "  ALAT=5",
                                          "ALON",
                                          "MODE",
                                          "last_mode=C"};
  const SatRadioData d = ReadRadioSection(lines, "S", '.');
  for (const RadioMode& m : d.modes) {
    EXPECT_EQ(m.letter, "");
    EXPECT_EQ(m.rxMHz, 0);
  }
  EXPECT_EQ(d.currentMode, "");
  EXPECT_FALSE(d.hasAttitude);
  EXPECT_EQ(d.maSchedule, "");
}

// ---------------------------------------------------------------- other keys

TEST(RadioKeys, AttitudeAndSchedule) {
  const std::string longSchedule(130, '7');
  const std::vector<std::string> lines = {"[S][1]", "ALAT=garbage", "ALON=359,5",
                                          "MODE=" + longSchedule, "LAST_MODE=U"};
  const SatRadioData d = ReadRadioSection(lines, "S", ',');
  EXPECT_TRUE(d.hasAttitude);  // the key was there, its number is damaged
  EXPECT_EQ(d.alat, 0);
  EXPECT_DOUBLE_EQ(static_cast<double>(d.alon), 359.5);
  EXPECT_EQ(d.maSchedule, std::string(100, '7'));
  EXPECT_EQ(d.currentMode, "U");

  const SatRadioData noAttitude = ReadRadioSection({"[S][1]", "ALON=10"}, "S", '.');
  EXPECT_FALSE(noAttitude.hasAttitude);
  EXPECT_DOUBLE_EQ(static_cast<double>(noAttitude.alon), 10);
}

// ---------------------------------------------------------------- schedule

TEST(ScheduledMode, LastReachedThresholdWins) {
  const std::string s = "0:B/100:J/200:L/";
  EXPECT_EQ(ScheduledModeLetter(s, 0), 'B');
  EXPECT_EQ(ScheduledModeLetter(s, 99), 'B');
  EXPECT_EQ(ScheduledModeLetter(s, 100), 'J');
  EXPECT_EQ(ScheduledModeLetter(s, 199), 'J');
  EXPECT_EQ(ScheduledModeLetter(s, 255), 'L');
  EXPECT_EQ(ScheduledModeLetter("128:A/", 0), ' ');
  EXPECT_EQ(ScheduledModeLetter("128:A/", 127), ' ');
  EXPECT_EQ(ScheduledModeLetter("128:A/", 128), 'A');
  EXPECT_EQ(ScheduledModeLetter("0:S/", 0), 'S');
  EXPECT_EQ(ScheduledModeLetter("", 50), ' ');
}

TEST(ScheduledMode, OddSchedules) {
  // Walked in order, not sorted: the last pair that is reached wins.
  EXPECT_EQ(ScheduledModeLetter("100:J/0:B/", 150), 'B');
  // Only eight pairs count.
  EXPECT_EQ(ScheduledModeLetter("0:A/1:B/2:C/3:D/4:E/5:F/6:G/7:H/8:I/", 200), 'H');
  // Empty or damaged thresholds, pairs without ":" and empty letters.
  EXPECT_EQ(ScheduledModeLetter(":X/0:B/", 10), 'B');
  EXPECT_EQ(ScheduledModeLetter("0:B/:X/", 10), 'B');
  EXPECT_EQ(ScheduledModeLetter("0:B/abc:X/", 10), 'B');
  EXPECT_EQ(ScheduledModeLetter("0:B/50X/", 60), 'B');
  EXPECT_EQ(ScheduledModeLetter("0:B/50:/", 60), ' ');
  EXPECT_EQ(ScheduledModeLetter("////", 60), ' ');
  // A last pair whose "/" was lost still counts.
  EXPECT_EQ(ScheduledModeLetter("0:B/100:J", 150), 'J');
}

}  // namespace
}  // namespace orbit
