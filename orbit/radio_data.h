#pragma once

#include <array>
#include <string>
#include <vector>

#include "orbit/calendar.h"

namespace orbit {

// One radio mode of a satellite; an empty letter marks an unused row.
struct RadioMode {
  std::string letter;
  std::string comment;
  Real rxMHz = 0;  // downlink, 0 = none
  Real txMHz = 0;  // uplink, 0 = none
  std::string rxOps;
  std::string txOps;
};

inline constexpr std::size_t kMaxRadioModes = 8;
inline constexpr std::size_t kMaxScheduleLength = 100;
inline constexpr char kDel = '\x7f';  // field separator of the mode lines

// What the radio data file holds for one satellite.
struct SatRadioData {
  std::array<RadioMode, kMaxRadioModes> modes;
  std::string currentMode;  // one letter or empty
  bool hasAttitude = false;
  Real alat = 0;
  Real alon = 0;
  std::string maSchedule;  // e.g. "0:B/100:J/200:L/"
};

// Reads the first section of the radio data file headed "[name]..." (the header text
// between the leading "[" and the first "]" equals name). `userSeparator` is the user's
// decimal separator; numbers go through NormalizeDecimalSeparator. *beep is set when a
// number held both separators.
SatRadioData ReadRadioSection(const std::vector<std::string>& fileLines, const std::string& name,
                              char userSeparator, bool* beep = nullptr);

// Mode letter of a row phase from a schedule: the last pair whose threshold is not empty
// and not above the phase wins; blank (" ") when none.
char ScheduledModeLetter(const std::string& schedule, int phase);

}  // namespace orbit
