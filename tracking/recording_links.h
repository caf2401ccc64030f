#pragma once

// Test doubles of the rotator transports: they keep what would have gone out, in one
// event log per double, so a test sees writes and pauses in their order.

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

#include "tracking/arswin_channel.h"
#include "tracking/movenow_launcher.h"
#include "tracking/serial_link.h"

namespace tracking {

class RecordingSerialLink : public SerialTransport {
 public:
  bool Open(const QString& portName, int baudRate) override {
    open = false;
    events.push_back("open " + portName.toStdString() + " " + std::to_string(baudRate));
    if (!openable) return false;
    open = true;
    name = portName;
    baud = baudRate;
    return true;
  }
  void Close() override {
    if (open) events.push_back("close");
    open = false;
  }
  bool IsOpen() const override { return open; }
  bool Write(const std::string& bytes) override {
    if (!open) return false;
    if (!writable) {
      events.push_back("refused " + bytes);
      return false;
    }
    writes.push_back(bytes);
    events.push_back("write " + bytes);
    return true;
  }
  void SetBaudRate(int baudRate) override { baud = baudRate; }
  // Pass as the sender's waiter to log pauses between the writes.
  Waiter Pauses() {
    return [this](int ms) { events.push_back("wait " + std::to_string(ms)); };
  }
  void Clear() {
    writes.clear();
    events.clear();
  }

  bool openable = true;
  bool writable = true;  // false: the device takes nothing (a hung adapter)
  bool open = false;
  QString name;
  int baud = 0;
  std::vector<std::string> writes;
  std::vector<std::string> events;
};

class RecordingArswin : public ArswinChannel {
 public:
  bool WindowExists() override { return running; }
  bool Post(const ArswinPost& post) override {
    if (!running || !deliverable) return false;
    posts.push_back(post);
    return true;
  }
  bool running = true;
  bool deliverable = true;
  std::vector<ArswinPost> posts;
};

class RecordingLauncher : public ProcessLauncher {
 public:
  LaunchResult Launch(const QString& program, const QStringList& arguments) override {
    programs.append(program);
    argumentLists.append(arguments.join(QLatin1Char(' ')));
    return result;
  }
  LaunchResult result{true, 33};
  QStringList programs;
  QStringList argumentLists;
};

}  // namespace tracking
