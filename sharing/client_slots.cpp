#include "sharing/client_slots.h"

#include <QMutexLocker>
#include <algorithm>

namespace sharing {

int ClientSlots::Take(ConnectionId id, std::uint64_t generation) {
  const QMutexLocker lock(&mutex_);
  if (id == 0 || generation != generation_) return 0;
  for (std::size_t i = 0; i < holders_.size(); ++i) {
    if (holders_[i] == 0) {
      holders_[i] = id;
      return static_cast<int>(i) + 1;
    }
  }
  return 0;
}

bool ClientSlots::Release(ConnectionId id) {
  const QMutexLocker lock(&mutex_);
  bool held = false;
  for (ConnectionId& holder : holders_) {
    if (id != 0 && holder == id) {
      holder = 0;
      held = true;
    }
  }
  return held;
}

void ClientSlots::Clear() {
  const QMutexLocker lock(&mutex_);
  holders_.fill(0);
  ++generation_;
}

std::uint64_t ClientSlots::Generation() const {
  const QMutexLocker lock(&mutex_);
  return generation_;
}

bool ClientSlots::AnyActive() const {
  return ActiveCount() > 0;
}

int ClientSlots::ActiveCount() const {
  const QMutexLocker lock(&mutex_);
  return static_cast<int>(
      std::count_if(holders_.begin(), holders_.end(), [](ConnectionId id) { return id != 0; }));
}

std::array<ConnectionId, kClientSlotCount> ClientSlots::Holders() const {
  const QMutexLocker lock(&mutex_);
  return holders_;
}

}  // namespace sharing
