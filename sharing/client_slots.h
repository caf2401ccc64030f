#pragma once

// `ClientSlots`: the ten slots of the clients that receive report lines, shared between
// the window thread (publishing, stopping) and the network thread (connect, disconnect).
// Every access takes the table's own lock for a few instructions; nobody waits on
// anything else while holding it.

#include <QMutex>
#include <array>
#include <cstdint>

#include "sharing/protocol.h"

namespace sharing {

using ConnectionId = std::uint64_t;  // 0 = no connection

class ClientSlots {
 public:
  // The first free slot (1..10) takes the connection; 0 when every slot is held or the
  // connection was accepted before the last Clear (a server that has since stopped).
  int Take(ConnectionId id, std::uint64_t generation);
  // Every slot the connection holds becomes free. True when it held one.
  bool Release(ConnectionId id);
  // All slots free; connections accepted before this call get no slot any more.
  void Clear();
  std::uint64_t Generation() const;
  // `TcpClientConnected`: at least one slot is active.
  bool AnyActive() const;
  int ActiveCount() const;
  // The connections of the active slots, slot 1 first (0 for a free slot).
  std::array<ConnectionId, kClientSlotCount> Holders() const;

 private:
  mutable QMutex mutex_;
  std::array<ConnectionId, kClientSlotCount> holders_{};
  std::uint64_t generation_ = 1;
};

}  // namespace sharing
