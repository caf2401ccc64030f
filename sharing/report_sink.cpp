#include "sharing/report_sink.h"

#include "sharing/dde_server.h"
#include "sharing/tcp_server.h"

namespace sharing {

bool SharingReportSink::DdeConversationOpen() const {
  return dde_ != nullptr && dde_->ConversationOpen();
}

bool SharingReportSink::TcpClientConnected() const {
  return tcp_ != nullptr && tcp_->ClientConnected();
}

void SharingReportSink::SetDdeItem(const QString& line) {
  if (dde_ != nullptr) dde_->SetItemText(line);
}

void SharingReportSink::SendToTcpClients(const QString& line) {
  if (tcp_ != nullptr) tcp_->PublishLine(line);
}

}  // namespace sharing
