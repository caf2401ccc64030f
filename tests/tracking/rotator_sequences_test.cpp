#include "tracking/rotator_sequences.h"

#include <gtest/gtest.h>

namespace tracking {
namespace {

const std::string kStx = "\x02";

WriteList Each50(std::initializer_list<std::string> bytes) {
  WriteList writes;
  for (const std::string& b : bytes) writes.push_back({b, 50});
  return writes;
}

TEST(StopCommands, EveryInterfaceHasItsOwn) {
  EXPECT_EQ(StopCommands(Interface::Gs232), Each50({"S\r"}));
  EXPECT_EQ(StopCommands(Interface::ProSisTel), Each50({kStx + "AG977\r", kStx + "EG977\r"}));
  EXPECT_EQ(StopCommands(Interface::EasyComm), Each50({"SA SE\r"}));
  EXPECT_EQ(StopCommands(Interface::M2Orion), Each50({"A\r", "S\r", "E\r", "S\r", "N\r"}));
  EXPECT_EQ(StopCommands(Interface::Egis), Each50({"&* AZ=S\r", "&* EL=S\r"}));
  EXPECT_EQ(StopCommands(Interface::TrakBox), Each50({" \r"}));
  EXPECT_TRUE(StopCommands(Interface::Kct).empty());
  EXPECT_TRUE(StopCommands(Interface::Ea4tx).empty());
  EXPECT_EQ(Ea4txStopPosts(), (std::vector<ArswinPost>{{-1, 0}, {-1, 1}}));
}

TEST(StopCommands, PortChangeSparesParkedEasyCommAndTrakBox) {
  EXPECT_EQ(PortChangeStopCommands(Interface::Gs232, true), Each50({"S\r"}));
  EXPECT_EQ(PortChangeStopCommands(Interface::EasyComm, false), Each50({"SA SE\r"}));
  EXPECT_TRUE(PortChangeStopCommands(Interface::EasyComm, true).empty());
  EXPECT_TRUE(PortChangeStopCommands(Interface::TrakBox, false).empty());
  EXPECT_EQ(PortChangeStopCommands(Interface::Egis, true).size(), 2u);
}

TEST(StopCommands, QuitDoesNotInterruptAParkingMove) {
  EXPECT_TRUE(QuitStopCommands(Interface::Gs232, true).empty());
  EXPECT_EQ(QuitStopCommands(Interface::Gs232, false), Each50({"S\r"}));
  EXPECT_TRUE(QuitStopCommands(Interface::M2Orion, true).empty());
}

TEST(TrakBoxHostMode, SelectAndQuitSequences) {
  EXPECT_EQ(TrakBoxSelectCommands(), (WriteList{{"Q\r", 300}, {"7\r", 50}}));
  EXPECT_EQ(TrakBoxQuitCommands(true), (WriteList{{" \r", 50}}));
  EXPECT_EQ(TrakBoxQuitCommands(false), (WriteList{{"Q\r", 300}}));
}

}  // namespace
}  // namespace tracking
