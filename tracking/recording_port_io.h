#pragma once

// Test double of the printer port: keeps every write as (address, value), every pause and
// every opening and closing of access, in one log, and answers as told.

#include <cstdint>
#include <string>
#include <vector>

#include "tracking/port_io.h"

namespace tracking {

struct PortEvent {
  enum Kind { Write, Pause, Enable, Disable };
  Kind kind = Write;
  int address = 0;  // Write: the port; Enable/Disable: the first address
  int value = 0;    // Write: the value; Pause: milliseconds; Enable/Disable: the last address
  bool operator==(const PortEvent&) const = default;
};

class RecordingPortIo : public PortIo {
 public:
  void Outport(std::uint16_t address, std::uint16_t value) override {
    events.push_back({PortEvent::Write, address, value});
    if (failWrites) state = 5;  // EIO
  }
  void EnablePorts(std::uint16_t first, std::uint16_t last) override {
    events.push_back({PortEvent::Enable, first, last});
    if (failEnables) state = 1;  // EPERM
  }
  void DisablePorts(std::uint16_t first, std::uint16_t last) override {
    events.push_back({PortEvent::Disable, first, last});
  }
  std::uint16_t GetLPTPortAddress(int number) override {
    return number >= 1 && number <= 3 ? lptAddresses[static_cast<std::size_t>(number - 1)] : 0;
  }
  int GetLastState(std::string* text = nullptr) override {
    ++stateReads;
    const int s = state;
    if (text != nullptr) *text = s != 0 ? "write failed" : "";
    state = 0;
    return s;
  }
  std::vector<PrinterPortDevice> ListPrinterPorts() override { return devices; }
  bool CheckPortDriver() override { return driverInstalled; }

  void Pause(int milliseconds) override { events.push_back({PortEvent::Pause, 0, milliseconds}); }
  // Only the writes and pauses, as "C0", "B93", "p10" (B = base, C = base + 2).
  std::vector<std::string> Sequence(int base) const {
    std::vector<std::string> out;
    for (const PortEvent& e : events) {
      if (e.kind == PortEvent::Pause) out.push_back("p" + std::to_string(e.value));
      if (e.kind != PortEvent::Write) continue;
      const std::string reg = e.address == base       ? "B"
                              : e.address == base + 2 ? "C"
                                                      : "@" + std::to_string(e.address) + ":";
      out.push_back(reg + std::to_string(e.value));
    }
    return out;
  }
  int Count(PortEvent::Kind kind) const {
    int n = 0;
    for (const PortEvent& e : events) n += e.kind == kind ? 1 : 0;
    return n;
  }

  std::vector<PortEvent> events;
  std::vector<PrinterPortDevice> devices;           // what ListPrinterPorts answers
  std::uint16_t lptAddresses[3] = {0, 0, 0};        // what GetLPTPortAddress answers
  bool driverInstalled = true;
  bool failWrites = false;   // every write sets the error state
  bool failEnables = false;  // every opening of access sets it
  int state = 0;
  int stateReads = 0;
};

}  // namespace tracking
