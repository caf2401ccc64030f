#include "tracking/rotator_sequences.h"

namespace tracking {

namespace {
constexpr int kStopPauseMs = 50;
const std::string kCr = "\r";
const std::string kStx = "\x02";

WriteList WithPause(std::initializer_list<std::string> commands, int pauseMs) {
  WriteList writes;
  for (const std::string& command : commands) writes.push_back({command + kCr, pauseMs});
  return writes;
}
}  // namespace

WriteList StopCommands(Interface dialect) {
  switch (dialect) {
    case Interface::Gs232: return WithPause({"S"}, kStopPauseMs);
    case Interface::ProSisTel: return WithPause({kStx + "AG977", kStx + "EG977"}, kStopPauseMs);
    case Interface::EasyComm: return WithPause({"SA SE"}, kStopPauseMs);
    case Interface::M2Orion: return WithPause({"A", "S", "E", "S", "N"}, kStopPauseMs);
    case Interface::Egis: return WithPause({"&* AZ=S", "&* EL=S"}, kStopPauseMs);
    case Interface::TrakBox: return WithPause({" "}, kStopPauseMs);
    // The daemon queues its own commands: no pause, a line feed ends the line.
    case Interface::Rotctld: return {{"S\n", 0}};
    default: return {};
  }
}

WriteList PortChangeStopCommands(Interface dialect, bool parkChecked) {
  if (dialect == Interface::TrakBox) return {};
  if (dialect == Interface::EasyComm && parkChecked) return {};
  return StopCommands(dialect);
}

WriteList QuitStopCommands(Interface dialect, bool parkChecked) {
  if (parkChecked) return {};
  return StopCommands(dialect);
}

WriteList TrakBoxSelectCommands() { return {{"Q" + kCr, 300}, {"7" + kCr, 50}}; }

WriteList TrakBoxQuitCommands(bool stayInHostMode) {
  if (stayInHostMode) return {{" " + kCr, 50}};
  return {{"Q" + kCr, 300}};
}

std::vector<ArswinPost> Ea4txStopPosts() { return {{-1, 0}, {-1, 1}}; }

}  // namespace tracking
