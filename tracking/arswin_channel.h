#pragma once

// The link to the EA4TX controller program ARSWIN. Window messages do not exist here; the
// program listens on a local datagram socket instead, one text line per message.

#include <QString>

#include <string>

#include "tracking/rotator_types.h"

namespace tracking {

class ArswinChannel {
 public:
  virtual ~ArswinChannel() = default;
  // The ARSWIN program is there to receive.
  virtual bool WindowExists() = 0;
  // Sends one message; false when it could not be delivered.
  virtual bool Post(const ArswinPost& post) = 0;
};

// $XDG_RUNTIME_DIR/ARSWIN, or /tmp/ARSWIN-<uid> without a runtime directory.
QString DefaultArswinPath();

// "AZIMUTH <wParam> <lParam>" and a line feed.
std::string ArswinLine(const ArswinPost& post);

// Datagrams to a socket bound by ARSWIN; never blocks.
class ArswinSocket : public ArswinChannel {
 public:
  explicit ArswinSocket(QString path = DefaultArswinPath());
  ~ArswinSocket() override;
  ArswinSocket(const ArswinSocket&) = delete;
  ArswinSocket& operator=(const ArswinSocket&) = delete;

  bool WindowExists() override;
  bool Post(const ArswinPost& post) override;
  const QString& path() const { return path_; }

 private:
  bool FillAddress(void* address) const;
  QString path_;
  int socket_ = -1;
};

}  // namespace tracking
