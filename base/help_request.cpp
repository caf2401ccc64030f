#include "base/help_request.h"

namespace base {

namespace {
HelpHandler*& Installed() {
  static HelpHandler* handler = nullptr;
  return handler;
}
}  // namespace

const std::vector<int>& HelpTopics() {
  static const std::vector<int> topics = {
      kHelpTopicMain,         kHelpTopicTools, kHelpTopicAlarms,   kHelpTopicChart24,
      kHelpTopicSatelliteInfo, kHelpTopicDx,   kHelpTopicMap,      kHelpTopicDownload,
      kHelpTopicTcpServer,    kHelpTopicMoon};
  return topics;
}

void SetHelpHandler(HelpHandler* handler) {
  Installed() = handler;
}

HelpHandler* CurrentHelpHandler() {
  return Installed();
}

void ShowContents() {
  if (HelpHandler* h = Installed()) h->ShowContents();
}

void ShowTopic(int context) {
  if (HelpHandler* h = Installed()) h->ShowTopic(context);
}

void ShowGettingStarted() {
  if (HelpHandler* h = Installed()) h->ShowGettingStarted();
}

}  // namespace base
