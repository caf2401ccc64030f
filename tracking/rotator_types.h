#pragma once

// Records shared by the rotator encoders, the senders and the windows that fill them.
// All angles are degrees; azimuth counted from North through East.

#include <QString>

#include <array>
#include <string>
#include <vector>

namespace tracking {

// The interfaces driven by command strings, window messages or an outside program.
// The printer-port cards (POURSAT, FODTrack) have their own byte encoder.
enum class Dialect { GS232, EasyComm, TrakBox, ProSisTel, M2Orion, Egis, EA4TX, KCT };

inline constexpr Dialect kSerialDialects[] = {Dialect::GS232,     Dialect::EasyComm,
                                              Dialect::TrakBox,   Dialect::ProSisTel,
                                              Dialect::M2Orion,   Dialect::Egis};

bool IsSerial(Dialect dialect);

// Word that opens the port error message: "GS232 " ... "EGIS " (with its blank);
// empty for EA4TX and KCT, which have no serial port.
QString InterfaceWord(Dialect dialect);

// Units per degree of the controller's own scale: 10 for M2-ORION, 100 for EGIS, else 1.
int UnitsPerDegree(Dialect dialect);

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

  // Minimum step in degrees (the panel's value divided by the controller's unit).
  long double StepDegrees(Dialect dialect) const;
};

// The settings of the eight interfaces, one record each.
struct RotatorConfigs {
  std::array<RotatorConfig, 8> items;
  RotatorConfig& operator[](Dialect dialect) { return items[static_cast<std::size_t>(dialect)]; }
  const RotatorConfig& operator[](Dialect dialect) const {
    return items[static_cast<std::size_t>(dialect)];
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

}  // namespace tracking
