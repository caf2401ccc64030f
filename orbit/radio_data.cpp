#include "orbit/radio_data.h"

#include <string_view>

#include "orbit/text_number.h"

namespace orbit {

namespace {

bool StartsWith(std::string_view s, std::string_view prefix) {
  return s.substr(0, prefix.size()) == prefix;
}

// Files written on Windows keep their CR when read line by line elsewhere.
std::string_view WithoutCr(std::string_view s) {
  if (!s.empty() && s.back() == '\r') s.remove_suffix(1);
  return s;
}

// A damaged or empty number reads as 0.
Real ReadNumber(std::string_view text, char userSeparator, bool* beep) {
  const std::string normalized = NormalizeDecimalSeparator(text, userSeparator, beep);
  Real value = 0;
  if (!ParseDecimal(normalized, userSeparator, &value)) return 0;
  return value;
}

bool IsHeaderOf(std::string_view line, std::string_view name) {
  if (!StartsWith(line, "[")) return false;
  std::string_view rest = line.substr(1);
  const auto close = rest.find(']');
  if (close != std::string_view::npos) rest = rest.substr(0, close);
  return rest == name;
}

void ReadModeLine(std::string_view line, char userSeparator, bool* beep, RadioMode* mode) {
  // "F_MODE_" + one letter + "="; longer names are not ours.
  if (line.size() < 9 || line[8] != '=') return;
  *mode = RadioMode{};
  mode->letter = std::string(1, line[7]);
  std::string_view rest = line.substr(9);

  const auto rxEnd = rest.find('/');
  if (rxEnd == std::string_view::npos) return;
  mode->rxMHz = ReadNumber(rest.substr(0, rxEnd), userSeparator, beep);
  rest = rest.substr(rxEnd + 1);

  const auto txEnd = rest.find('/');
  if (txEnd == std::string_view::npos) return;
  mode->txMHz = ReadNumber(rest.substr(0, txEnd), userSeparator, beep);
  rest = rest.substr(txEnd + 1);

  const auto firstDel = rest.find(kDel);
  mode->comment = std::string(rest.substr(0, firstDel));
  if (firstDel == std::string_view::npos) return;
  rest = rest.substr(firstDel + 1);
  const auto secondDel = rest.find(kDel);
  mode->rxOps = std::string(rest.substr(0, secondDel));
  if (secondDel == std::string_view::npos) return;
  mode->txOps = std::string(rest.substr(secondDel + 1));
}

}  // namespace

SatRadioData ReadRadioSection(const std::vector<std::string>& fileLines, const std::string& name,
                              char userSeparator, bool* beep) {
  SatRadioData data;
  std::size_t i = 0;
  while (i < fileLines.size() && !IsHeaderOf(WithoutCr(fileLines[i]), name)) ++i;
  if (i == fileLines.size()) return data;

  std::size_t modeLines = 0;
  for (++i; i < fileLines.size(); ++i) {
    const std::string_view line = WithoutCr(fileLines[i]);
    if (StartsWith(line, "[")) break;
    if (StartsWith(line, "F_MODE_")) {
      const std::size_t slot = modeLines < kMaxRadioModes ? modeLines : kMaxRadioModes - 1;
      ++modeLines;
      ReadModeLine(line, userSeparator, beep, &data.modes[slot]);
    } else if (StartsWith(line, "LAST_MODE=")) {
      if (line.size() == 11) data.currentMode = std::string(1, line[10]);
    } else if (StartsWith(line, "ALAT=")) {
      data.alat = ReadNumber(line.substr(5), userSeparator, beep);
      data.hasAttitude = true;
    } else if (StartsWith(line, "ALON=")) {
      data.alon = ReadNumber(line.substr(5), userSeparator, beep);
    } else if (StartsWith(line, "MODE=")) {
      data.maSchedule = std::string(line.substr(5, kMaxScheduleLength));
    }
  }
  return data;
}

char ScheduledModeLetter(const std::string& schedule, int phase) {
  char letter = ' ';
  std::string_view rest = schedule;
  for (std::size_t pair = 0; pair < kMaxRadioModes && !rest.empty(); ++pair) {
    const auto end = rest.find('/');
    // A last pair without its closing "/" still counts.
    const std::string_view entry = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    const auto colon = entry.find(':');
    if (colon == std::string_view::npos) continue;
    const std::string_view threshold = TrimView(entry.substr(0, colon));
    long long value = 0;
    if (threshold.empty() || !ParseInteger(threshold, &value)) continue;
    if (value <= phase) {
      const std::string_view mode = entry.substr(colon + 1);
      letter = mode.empty() ? ' ' : mode.front();
    }
  }
  return letter;
}

}  // namespace orbit
