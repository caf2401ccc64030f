#pragma once

// Records shared by the rotator encoders, the senders and the windows that fill them.
// All angles are degrees; azimuth counted from North through East.

#include <QString>

#include <array>
#include <string>
#include <vector>

namespace tracking {

// The rotator interfaces, in the order of the settings file's sections and of the
// tick's sender calls. The Hamlib rotator daemon came last and keeps its settings in a
// section of its own.
enum class Interface {
  PourSat, FodTrack, Ea4tx, Gs232, ProSisTel, EasyComm, M2Orion, Egis, TrakBox, Kct, Rotctld
};
inline constexpr int kInterfaceCount = 11;
inline constexpr std::array<Interface, kInterfaceCount> kSendOrder = {
    Interface::PourSat, Interface::FodTrack, Interface::Ea4tx,   Interface::Gs232,
    Interface::ProSisTel, Interface::EasyComm, Interface::M2Orion, Interface::Egis,
    Interface::TrakBox, Interface::Kct, Interface::Rotctld};
inline constexpr int IndexOf(Interface i) { return static_cast<int>(i); }

// The six interfaces on a serial port, in the order of their transports.
inline constexpr Interface kSerialInterfaces[] = {Interface::Gs232,     Interface::EasyComm,
                                                  Interface::TrakBox,   Interface::ProSisTel,
                                                  Interface::M2Orion,   Interface::Egis};

bool HasSerialPort(Interface i);
// A road held open between commands: a serial port or the rotator daemon's connection.
bool HoldsConnection(Interface i);
// POURSAT and FODTrack, the cards on the printer port with their own byte encoder.
bool IsPrinterPort(Interface i);

// Word that opens the port error message: "GS232 " ... "EGIS " (with its blank);
// empty for the interfaces without a serial port.
QString InterfaceWord(Interface i);

// Units per degree of the controller's own scale: 10 for M2-ORION, 100 for EGIS, else 1.
// The minimum step counts in these units.
int UnitsPerDegree(Interface i);
// Units per degree of the command itself: the rotator daemon takes tenths while its
// minimum step stays in whole degrees.
int CommandUnitsPerDegree(Interface i);

// What was commanded last and the target to command next. Program-wide, owned by the
// main window; every antenna source (tracking, sun, moon, HF beam) writes the target.
struct CommandState {
  static constexpr long double kNothingSent = -10.0L;
  static constexpr int kNothingSentInt = -10;

  long double TargetAz = 0;             // degrees, the satellite's azimuth
  long double TargetEl = 0;             // degrees, 0..180 (over the top above 90)
  long double TargetAzBeforeShift = 0;  // TargetAz on entry of the last sender call
  long double LastSentAz = kNothingSent;
  long double LastSentEl = kNothingSent;
  int LastSentAzInt = kNothingSentInt;  // azimuth of the last command, whole degrees
  bool SouthStopShifted = false;        // the last call subtracted 180° for a South stop

  // Forget what was sent: the next call always sends and skips the 360° step test.
  void Reset() {
    LastSentAz = kNothingSent;
    LastSentEl = kNothingSent;
    LastSentAzInt = kNothingSentInt;
  }
};

// The overlap box changed while tracking: when the last target lies where the overlap
// changes the command (0..90° unshifted, 180..270° with the South-stop shift), TargetAz
// is restored, LastSentAz forgotten and true returned: call the sender at once.
bool PrepareOverlapResend(CommandState& state);

// Settings of one interface, as the antenna settings panel holds them.
struct RotatorConfig {
  bool stopSouth = false;      // mechanical end stop at South: azimuths shifted by 180°
  int elevationRange = 90;     // 90 or 180 (180 allows over-the-top passes)
  int minimumStep = 1;         // degrees; tenths for M2-ORION, hundredths for EGIS
  int azimuthOffset = 0;       // degrees, subtracted before encoding
  int elevationOffset = 0;     // degrees, subtracted before encoding
  QString portName;            // serial port as listed, e.g. "ttyUSB0"; or a full path
  int baudRate = 9600;         // GS-232 and EasyComm choose theirs; the others use 9600
  int testAzimuth = 0;         // degrees, sent by Test and used for parking
  int testElevation = 0;       // degrees
  bool parking = false;        // "Parking position": Park sends the test position
  bool trakBoxHostOnQuit = false;                      // leave the TrakBox in host mode at exit
  QString movenowFolder = QStringLiteral("c:\\radio\\kct\\");  // KCT: where Movenow lives
  QString daemonHost = QStringLiteral("127.0.0.1");  // rotctld: where the daemon listens
  int daemonPort = 4533;

  // Minimum step in degrees (the panel's value divided by the controller's unit).
  long double StepDegrees(Interface i) const;
};

// The settings of the interfaces, one record each (the printer-port cards keep theirs in
// their own record, PrinterPortConfig).
struct RotatorConfigs {
  std::array<RotatorConfig, kInterfaceCount> items;
  RotatorConfig& operator[](Interface i) { return items[static_cast<std::size_t>(IndexOf(i))]; }
  const RotatorConfig& operator[](Interface i) const {
    return items[static_cast<std::size_t>(IndexOf(i))];
  }
};

// Options of the main window shared by all interfaces.
struct RotatorOptions {
  bool overlap = false;        // CheckBoxOverlap: use 360..450° for 0..90°
  bool stopOn360 = false;      // CheckBoxStop360: stop on a jump of more than 350°
  bool showCommands = false;   // ShowCommands: LabelTrack shows the last command
};

// One string written to a serial port and the pause that follows it.
struct TimedWrite {
  std::string bytes;
  int delayAfterMs = 0;
  bool operator==(const TimedWrite&) const = default;
};
using WriteList = std::vector<TimedWrite>;

// One message to the EA4TX controller program: wParam carries the value (-1 = stop),
// lParam the axis (0 azimuth, 1 elevation).
struct ArswinPost {
  long wParam = 0;
  long lParam = 0;
  bool operator==(const ArswinPost&) const = default;
};

// One byte written to an I/O port of the printer port and the pause that follows it.
struct PortWrite {
  int address = 0;  // data register (base) or control register (base + 2)
  int value = 0;    // 0..255
  int delayAfterMs = 0;
  bool operator==(const PortWrite&) const = default;
};

// One command in the form its road carries; a road ignores the parts that are not its own.
struct RotatorCommand {
  WriteList writes;               // serial: each string, then its pause
  std::vector<ArswinPost> posts;  // ARSWIN: azimuth, then elevation
  std::string arguments;          // Movenow: "PA AAA PB EEE"
  std::vector<PortWrite> portWrites;  // printer port: register writes, then their pauses
};

}  // namespace tracking
