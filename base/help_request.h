#pragma once

// Help requests of every window, whatever folder it lives in.
//
// How a window offers help:
//   - Widgets: call base::InstallHelp(window, base::kHelpTopicChart24) from
//     "base/help_button.h" in the constructor. It gives the window F1 and returns the
//     visible "?" button to put in the window's own layout (X11 draws no title-bar "?").
//     A button that belongs to one box of a window (a settings group, say) is made
//     with base::NewHelpButton(parent, topic, objectName).
//   - Anything else: base::ShowTopic(topic), base::ShowContents() or
//     base::ShowGettingStarted(). Without a handler the request is ignored.
// The program installs the real handler at start (the help viewer with the help file of
// the current language); tests install a RecordingHelp and look at what was asked.

#include <QString>
#include <vector>

namespace base {

// Context numbers of the help file, one per topic.
inline constexpr int kHelpTopicMain = 1;           // main window, about window
inline constexpr int kHelpTopicTools = 3;          // Sun, HF beam, favourites, own list, rename
inline constexpr int kHelpTopicAlarms = 4;         // pass alarm, element-age alarm, options
inline constexpr int kHelpTopicChart24 = 5;        // 24-hour chart and its print window
inline constexpr int kHelpTopicSatelliteInfo = 6;  // satellite and extra information, orbit
inline constexpr int kHelpTopicDx = 10;            // DX station
inline constexpr int kHelpTopicMap = 11;           // map legend, HTML export
inline constexpr int kHelpTopicDownload = 12;      // element download and its help windows
inline constexpr int kHelpTopicTcpServer = 13;     // TCP/IP server settings
inline constexpr int kHelpTopicMoon = 14;          // Moon window

// Every context number the help files carry, in the order of their contents.
const std::vector<int>& HelpTopics();

class HelpHandler {
 public:
  virtual ~HelpHandler() = default;
  virtual void ShowContents() = 0;
  virtual void ShowTopic(int context) = 0;
  // The "Getting started" document of the current language.
  virtual void ShowGettingStarted() = 0;
};

// The handler that receives every request from now on; nullptr drops them. The caller
// keeps it alive while it is installed. Window thread only.
void SetHelpHandler(HelpHandler* handler);
HelpHandler* CurrentHelpHandler();

void ShowContents();
void ShowTopic(int context);
void ShowGettingStarted();

// Installs itself for its lifetime and keeps every request: "contents", "topic 12",
// "getting started".
class RecordingHelp : public HelpHandler {
 public:
  RecordingHelp() : previous_(CurrentHelpHandler()) { SetHelpHandler(this); }
  ~RecordingHelp() override { SetHelpHandler(previous_); }
  RecordingHelp(const RecordingHelp&) = delete;
  RecordingHelp& operator=(const RecordingHelp&) = delete;

  void ShowContents() override { requests.push_back(QStringLiteral("contents")); }
  void ShowTopic(int context) override {
    requests.push_back(QStringLiteral("topic ") + QString::number(context));
  }
  void ShowGettingStarted() override { requests.push_back(QStringLiteral("getting started")); }

  std::vector<QString> requests;

 private:
  HelpHandler* previous_;
};

}  // namespace base
