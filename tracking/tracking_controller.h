#pragma once

// The tracking state machine behind the track button, and the tracking steps of the
// one-second tick. Plain logic: the main window hands in what its controls show and
// carries out the effects through TrackingHost.

#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/sounds.h"
#include "prediction/pass_search.h"
#include "tracking/antenna_setup.h"
#include "tracking/rigctld_tuner.h"
#include "tracking/rotator_sender.h"
#include "tracking/tick_steps.h"

namespace tracking {

// Effects on the windows; an empty hook does nothing.
struct TrackingHost {
  base::Sounds* sounds = nullptr;
  base::Dialogs* dialogs = nullptr;                  // warning boxes of the senders
  std::function<void(bool down)> trackButtonDown;     // SpeedButtonTrack shown down/up
  std::function<void(bool red)> azimuthRed;           // EditAzimut colour
  std::function<void(const QString&)> labelTrack;     // LabelTrack text
  std::function<void()> show360Alarm;                 // restore the window, show TFormAlarm
  std::function<void()> stopOtherSources;             // sun, moon, HF beam tracking off
  std::function<bool()> settingsViewShowing;          // EA4TX missing: tracking stays on then
  // Tick seams of other windows (absent until those windows exist):
  // step 9.4, the map's copy of the live position (before the over-the-top transform);
  std::function<void(Real azimuth, Real elevation, const prediction::LiveView&)> mapPosition;
  // step 7, DX synchronisation of the ephemeris list (explorer visible);
  std::function<void()> dxSynchronise;
  // steps 12-13, the clicked row to the map and the orbit view redraw.
  std::function<void()> afterTrackingSteps;
};

// What the explorer shows of the selected slot when the track button is clicked.
struct PassContext {
  const prediction::PassRows* rows = nullptr;  // per-minute tables; nullptr = no pass
  bool inView = false;           // EditElevation does not show "####"
  Real displayedAzimuth = 0;     // EditAzimut, degrees (in view)
  int minutesFromFirstRow = -1;  // whole minutes from the first row to now; -1 outside
};

// Over-the-top decision over the per-minute tables: from azimuth `startAzimuth`, minute
// `firstMinute` on (0 = AOS), until the end mark 999: a North stop is crossed when the
// azimuth goes from above 270 to below 90 or back; a South stop when it goes from 90..180
// into 180..270 or back.
bool FliesOverTheTop(const prediction::PassRows& rows, int startAzimuth, int firstMinute,
                     bool stopSouth);

// One tick's inputs for steps 6, 9, 10 and 11.
struct TickInput {
  bool explorerVisible = false;
  bool slotInView = false;  // the selected slot is lime
  prediction::SearchContext* search = nullptr;
  prediction::PassSlot* slot = nullptr;
  const std::vector<std::string>* rowTexts = nullptr;  // ephemeris rows, local time
  Real nowLocal = 0;
  QString satelliteName;  // name in the report line
};

// What the window shows after the tick; an empty text leaves the control as it is.
struct TickOutput {
  int currentRow = -1;
  bool highlightRow = false;   // now is at or after the first row (with the track-line button)
  bool satelliteVisible = false;
  QString visibilityText;
  bool positionComputed = false;  // false when the busy flag made the tick skip this second
  Real azimuth = 0, elevation = 0;  // commanded (after the over-the-top transform)
  Real displayedAzimuth = 0;        // EditAzimut (before the transform)
  QString elevationText, azimuthText, dopplerText, txDopplerText;
  QString rxLabel, txLabel;
  char modeLetter = ' ';       // mode box: select the item starting with it
  long long dopplerFactor = 0;
  RigFrequencies radio;        // the mode's frequencies corrected for Doppler (in view)
  QString reportLine;          // published line, empty when none
};

class TrackingController {
 public:
  TrackingController(RotatorBank& bank, CommandState& state, AntennaSetup& setup,
                     PrinterPortSenders& printer, TrackingHost host);

  // ----- Flags of the tracking loop.
  bool TrackingActive = false;
  bool OverTheTop = false;
  bool ShowCommands = false;
  bool SatelliteVisible = false;
  int CurrentRow = -1;
  bool AhnSent = false;
  bool ResumeAfterPass = false;
  bool Quitting = false;
  bool SouthStopShifted() const { return state_.SouthStopShifted; }

  // ----- Track button and the actions around it. A click that arrives while a switch or a
  // park is still running (inside a sender's wait) is ignored.
  void SpeedButtonTrackClick(const PassContext& pass);
  void SpeedButtonParkClick();
  bool Switching() const { return busy_ > 0; }
  void CheckBoxOverlapClick();
  // Returns the text LabelTrack shows now (caption when the command display goes off).
  QString LabelTrackDblClick();
  // TFormAlarm's Yes: tracking on again when it is off.
  void AlarmYes(const PassContext& pass);
  // Test button of an interface: beeps when it is not the selected one.
  void Test(Interface i);

  // Explorer rebuilt (pass ended, satellite changed, navigation, closed, new date):
  // tracking stops; with "Resume tracking when pass ends" it is marked for resuming.
  void BeforeExplorerRebuild(bool resumeWhenPassEnds);
  // After the rebuild: resumes when marked and the same satellite is shown (`pass` must
  // then say not in view). ResumeAfterPass is cleared in every case. True when resumed.
  bool AfterExplorerRebuild(bool sameSatellite, const PassContext& pass);

  // ----- Tick steps 6, 9, 10, 11. Does nothing once Quitting is set.
  TickOutput Tick(const TickInput& in, ReportSink& sink);

  // The checked interface's sender, in the tick's order; its outcome carried out.
  void SendSelected();

  // Carries out a sender's outcome (beep, sound, box, stop, alarm, colour, command text).
  void Handle(const SendOutcome& outcome);

  // The sender of interface `i` on the current target, its outcome returned untouched
  // (the sun, moon and HF beam windows decide about their own tracking).
  SendOutcome Dispatch(Interface i);

  const AntennaSetup& Setup() const { return setup_; }

 private:
  void SwitchOn(const PassContext& pass);
  void SwitchOff();

  RotatorBank& bank_;
  CommandState& state_;
  AntennaSetup& setup_;
  PrinterPortSenders& printer_;
  TrackingHost host_;
  int busy_ = 0;  // a switch or park sequence is running
};

// "  Elevation      Azimuth": LabelTrack's caption (language text).
QString LabelTrackCaption();

}  // namespace tracking
