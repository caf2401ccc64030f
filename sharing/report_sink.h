#pragma once

// The one road of every report line (tracking loop, moon window) to both servers.

#include "tracking/tick_steps.h"

namespace sharing {

class DdeServer;
class TcpServer;

class SharingReportSink : public tracking::ReportSink {
 public:
  // Either server may be missing (no session bus, for instance).
  SharingReportSink(DdeServer* dde, TcpServer* tcp) : dde_(dde), tcp_(tcp) {}
  bool DdeConversationOpen() const override;
  bool TcpClientConnected() const override;
  void SetDdeItem(const QString& line) override;
  void SendToTcpClients(const QString& line) override;

 private:
  DdeServer* dde_;
  TcpServer* tcp_;
};

}  // namespace sharing
