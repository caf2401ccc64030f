#pragma once

#include <functional>

namespace app {

// Hooks for the subsystems that other windows bring (TCP/IP server, DDE server, printer
// port, downloads). An empty hook means the subsystem is absent: start-up and quit
// then skip that step.
struct Form1Seams {
  std::function<void()> startTcpServer;           // when addresses are checked
  std::function<void()> stopTcpServer;            // quit
  std::function<bool()> ddeConversationOpen;      // quit refuses while true
  std::function<void()> releasePrinterPort;       // quit
  std::function<void()> openDownloadWindow;       // settings panel with "AUTODWN=1"
  std::function<void()> hideSecondaryWindows;     // records positions, then hides them
  std::function<void()> toggleDxWindow;           // slot key X: DX window shown or hidden
  std::function<void()> synchroniseDxDates;       // slot key S: station and DX dates together
};

}  // namespace app
