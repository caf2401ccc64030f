#include <gtest/gtest.h>

#include "base/help_request.h"

namespace base {
namespace {

TEST(HelpRequest, WithoutAHandlerRequestsAreDropped) {
  SetHelpHandler(nullptr);
  ShowContents();
  ShowTopic(12);
  ShowGettingStarted();
  EXPECT_EQ(CurrentHelpHandler(), nullptr);
}

TEST(HelpRequest, TheInstalledHandlerGetsEveryRequestAndTheOuterOneComesBack) {
  RecordingHelp outer;
  ShowTopic(5);
  {
    RecordingHelp inner;
    ShowContents();
    ShowTopic(14);
    ShowGettingStarted();
    EXPECT_EQ(inner.requests, (std::vector<QString>{"contents", "topic 14", "getting started"}));
  }
  ShowTopic(3);
  EXPECT_EQ(outer.requests, (std::vector<QString>{"topic 5", "topic 3"}));
  EXPECT_EQ(CurrentHelpHandler(), &outer);
}

}  // namespace
}  // namespace base
