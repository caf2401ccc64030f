#include "base/sounds.h"

#include <cstdio>

namespace base {

namespace {
void Bell() {
  std::fputc('\a', stderr);
  std::fflush(stderr);
}
}  // namespace

void SystemSounds::Beep() { Bell(); }
void SystemSounds::Information() { Bell(); }
void SystemSounds::Warning() { Bell(); }

}  // namespace base
