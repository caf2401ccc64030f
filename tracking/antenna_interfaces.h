#pragma once

// The texts built from the settings of the rotator interfaces (names in the settings file,
// track button hint, overlap caption), as plain functions.

#include <QString>

#include <array>
#include <optional>

#include "tracking/rotator_types.h"

namespace tracking {

// Name in "ANT=" and "PARKING=": POURSAT, FODTRACK, EA4TX, GS232, PROSISTEL, EASYCOMM,
// M2ORION, EGIS, TRAKBOX, KCT.
QString SettingsName(Interface i);
std::optional<Interface> InterfaceFromSettingsName(const QString& name);

// What the track button hint says about the selected interface.
struct HintInputs {
  bool stopSouth = false;
  int elevationRange = 90;       // 90 or 180
  int minimumElevation = 0;      // SpinEditElevation, degrees
  int lptNumber = 1;             // printer ports: 1..4 (4 = LPTx)
  QString port;                  // serial: the chosen item, e.g. "ttyUSB0"
  QString speed;                 // GS-232 / EasyComm: the chosen speed item
  bool atStartUp = false;        // M2-ORION's text reads "M2ORION" when built at start-up
};

// " [Ant=GS232/ttyUSB0/4800/Stop:N/El max:90/El min:0]" and the other interface texts.
QString InterfaceText(Interface i, const HintInputs& in);
// " [NO Ant]": no interface selected.
QString NoInterfaceText();
// "Start tracking" (language text) followed by the interface text.
QString TrackButtonHint(const QString& interfaceText);

// "Overlap 360-450°" (N) or "Overlap 180-270°" (S); the spaced form "Overlap 360 - 450°"
// is what selecting KCT or EasyComm writes.
QString OverlapCaption(bool stopSouth, bool spaced = false);

// A calibration edit's text: empty or unparsable gives 0. A zero outside -90..90 beeps,
// gives 0 and the edit is cleared.
struct CalibrationInput {
  long double value = 0;
  bool beep = false;
  bool clearEdit = false;
};
CalibrationInput ParseCalibration(const QString& text, bool isZero);

}  // namespace tracking
