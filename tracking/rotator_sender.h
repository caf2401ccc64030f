#pragma once

// Senders: an encoder and its transport. They return what the window has to do (beep,
// message, stop tracking, 360° step window) instead of doing it, so they run in tests.
//
// The main window owns one RotatorBank, one CommandState and the RotatorConfigs. A tick:
//   state.TargetAz = az; state.TargetEl = el;
//   SendOutcome o = bank.Send(selected, state, configs[selected], options);
//   then: o.beep -> Sounds::Beep, o.warningSound -> Sounds::Warning, o.message -> warning
//   box, o.stopTracking -> release the track button (which calls StopAllRotators and
//   resets the state), o.show360Alarm -> restore the window and show TFormAlarm,
//   o.redAzimuth -> EditAzimut colour, o.displayText -> LabelTrack.

#include <QString>

#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "tracking/arswin_channel.h"
#include "tracking/movenow_launcher.h"
#include "tracking/rotator_encoder.h"
#include "tracking/rotator_transport.h"
#include "tracking/serial_link.h"

namespace tracking {

class HamlibLink;

enum class SendStatus {
  Sent,           // commands written, posted or launched
  SkippedSmall,   // moved less than the minimum step: nothing done
  Stopped360,     // azimuth jump of more than 350°: nothing sent
  PortError,      // the serial port could not be opened or took nothing: nothing sent
  TargetMissing,  // ARSWIN is not running; the command state has been reset
  LaunchError,    // Movenow could not be started; tracking goes on
  BadTarget,      // not a number, or far outside any rotator's range: nothing sent
};

struct SendOutcome {
  SendStatus status = SendStatus::SkippedSmall;
  bool beep = false;          // plain beep (port error, failed ARSWIN post)
  bool warningSound = false;  // MB_ICONEXCLAMATION (360° step, ARSWIN missing)
  bool stopTracking = false;  // switch tracking off through the track button, when on
  bool show360Alarm = false;  // restore the window and show TFormAlarm
  QString message;            // warning box text, empty when none
  QString displayText;        // new LabelTrack text (only with ShowCommands on); empty = keep
  std::optional<bool> redAzimuth;  // EditAzimut colour when the call decided it
};

// "GS232 ttyUSB0 error" and the other warning texts.
QString PortErrorMessage(Interface i, const QString& portName);
QString ArswinMissingMessage();
// LabelTrack's text for a target that cannot be commanded.
QString BadTargetText();

// A target any rotator can be told: finite, azimuth -360..720°, elevation -90..180°.
bool TargetIsSane(long double azimuth, long double elevation);

// The sender of one interface: SendGS232, SendEasyComm, ... SendKCT. It encodes the
// target and hands the command to its transport.
class RotatorSender {
 public:
  RotatorSender(Interface i, RotatorTransport& transport);
  // The same over a transport of its own: a serial link (pauses through `wait`), the
  // ARSWIN channel (EA4TX) or a launcher (KCT).
  RotatorSender(Interface i, SerialTransport& link, Waiter wait);
  explicit RotatorSender(ArswinChannel& channel);
  explicit RotatorSender(ProcessLauncher& launcher);

  Interface Which() const { return interface_; }

  // Commands state.TargetAz / TargetEl (degrees) with the interface's settings. Opens the
  // serial port on demand; it stays open until Stop().
  SendOutcome Send(CommandState& state, const RotatorConfig& config,
                   const RotatorOptions& options);

  // Test button: the test position through Send(), all rules included; a port this call
  // opened is closed afterwards.
  SendOutcome Test(CommandState& state, const RotatorConfig& config,
                   const RotatorOptions& options);

  // Tracking stops: an open port gets the stop commands when this interface is selected
  // and is closed in any case; EA4TX posts its stop when selected and tracking was on.
  void Stop(bool selected, bool trackingWasOn);

  // New port chosen in the panel: stop and close the old one, then try the new one and
  // close it again. A failure gives PortError (beep, message); the caller clears the
  // choice and unselects the interface.
  SendOutcome ChangePort(bool selected, const RotatorConfig& newConfig);

  // TrakBox only: host-mode start when the interface is selected. False when the port
  // cannot be opened.
  bool SelectTrakBox(const RotatorConfig& config);

  // Program exit, after parking: stop unless parked, close, TrakBox host-mode choice.
  void Quit(bool selected, const RotatorConfig& config);

  // A road that answers (the rotator daemon): a fault found since the last look, as the
  // outcome of a port error (beep, message, tracking off). Never waits.
  std::optional<SendOutcome> Poll();

  void SetBaudRate(int baudRate);
  bool IsPortOpen() const;
  void ClosePort();

 private:
  SendOutcome NotReady(CommandState& state, const CommandState& next,
                       const RotatorConfig& config) const;
  Delivery Deliver(const RotatorCommand& command, const RotatorConfig& config = {});
  Delivery Write(const WriteList& writes);

  Interface interface_;
  std::unique_ptr<RotatorTransport> own_;  // the transport when the sender made it
  RotatorTransport& transport_;
};

// The senders of the command interfaces over their transports, with the operations
// that concern every interface at once.
class RotatorBank {
 public:
  struct Links {
    std::array<SerialTransport*, 6> serial{};  // in the order of kSerialInterfaces
    ArswinChannel* arswin = nullptr;
    ProcessLauncher* launcher = nullptr;
    HamlibLink* hamlib = nullptr;  // the rotator daemon; the bank makes one when absent
  };

  // Real transports: six serial ports, the ARSWIN socket, the detached launcher.
  RotatorBank();
  // Borrowed transports (tests, simulators).
  RotatorBank(const Links& links, Waiter wait);
  ~RotatorBank();
  RotatorBank(const RotatorBank&) = delete;
  RotatorBank& operator=(const RotatorBank&) = delete;

  // Any interface but the printer-port cards, which have PrinterPortSenders.
  RotatorSender& Sender(Interface i);

  // The sender of the selected interface.
  SendOutcome Send(Interface selected, CommandState& state, const RotatorConfig& config,
                   const RotatorOptions& options) {
    return Sender(selected).Send(state, config, options);
  }

  // StopAllRotators: the stop commands of the selected interface on its open port, every
  // open port closed, then the EA4TX stop when it is selected and tracking was on.
  // The caller resets the command state.
  void StopAllRotators(std::optional<Interface> selected, bool trackingWasOn);

  // Exit, after the Park button: stops (skipped for interfaces marked for parking),
  // ports closed, TrakBox host-mode choice.
  void Quit(std::optional<Interface> selected, const RotatorConfigs& configs);

 private:
  void Build(const Links& links, const Waiter& wait);
  struct Owned;
  std::unique_ptr<Owned> owned_;
  std::unique_ptr<HamlibLink> ownHamlib_;
  std::vector<std::unique_ptr<RotatorTransport>> transports_;
  std::array<std::unique_ptr<RotatorSender>, kInterfaceCount> senders_;  // none for the printer ports
};

}  // namespace tracking
