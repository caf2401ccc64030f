#include "tracking/tracking_controller.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

#include "base/ansi_text.h"
#include "orbit/calendar.h"
#include "prediction/doppler_now.h"

namespace tracking {

QString LabelTrackCaption() {
  return QCoreApplication::translate("Tracking", "  Elevation      Azimuth");
}

bool FliesOverTheTop(const prediction::PassRows& rows, int startAzimuth, int firstMinute,
                     bool stopSouth) {
  int a = startAzimuth;
  const int last = std::min<int>(prediction::kMaxRows, static_cast<int>(rows.elevation.size()));
  for (int k = std::max(0, firstMinute); k < last; ++k) {
    if (rows.elevation[static_cast<std::size_t>(k)] == prediction::kEndMark) break;
    const int next = rows.azimuth[static_cast<std::size_t>(k)];
    const bool crosses = stopSouth ? ((a > 90 && a < 180 && next >= 180 && next < 270) ||
                                      (a > 180 && a < 270 && next > 90 && next <= 180))
                                   : ((a > 270 && next < 90) || (a < 90 && next > 270));
    if (crosses) return true;
    a = next;
  }
  return false;
}

TrackingController::TrackingController(RotatorBank& bank, CommandState& state,
                                       AntennaSetup& setup, PrinterPortSenders& printer,
                                       TrackingHost host)
    : bank_(bank), state_(state), setup_(setup), printer_(printer), host_(std::move(host)) {}

namespace {

// Marks a switch or a park in progress for as long as it runs, nested ones included.
class BusyScope {
 public:
  explicit BusyScope(int& depth) : depth_(depth) { ++depth_; }
  ~BusyScope() { --depth_; }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  int& depth_;
};

}  // namespace

void TrackingController::SpeedButtonTrackClick(const PassContext& pass) {
  // The senders' waits keep the window alive: a click that arrives while tracking is being
  // switched or the antennas parked would start a session the running sequence then undoes.
  if (busy_ > 0) return;
  if (TrackingActive) {
    SwitchOff();
  } else {
    SwitchOn(pass);
  }
}

void TrackingController::SwitchOn(const PassContext& pass) {
  if (!setup_.selected) return;  // the button is disabled without an interface
  const BusyScope busy(busy_);
  const Interface selected = *setup_.selected;
  TrackingActive = true;
  if (host_.stopOtherSources) host_.stopOtherSources();  // one source drives the rotator
  if (host_.trackButtonDown) host_.trackButtonDown(true);
  if (IsPrinterPort(selected)) printer_.EnablePortRange(selected == Interface::PourSat);

  const RotatorConfig& config = setup_.Config(selected);
  const bool havePass = pass.rows != nullptr && !pass.rows->empty();
  if (config.elevationRange == 180) {
    OverTheTop = false;
    if (havePass) {
      int a = pass.rows->azimuth[0];
      int k = 1;
      if (pass.inView) {
        a = static_cast<int>(orbit::Round(pass.displayedAzimuth));
        k = pass.minutesFromFirstRow >= 0 ? pass.minutesFromFirstRow + 1 : 1;
      }
      OverTheTop = FliesOverTheTop(*pass.rows, a, k, config.stopSouth);
    }
  }
  if (pass.inView || !havePass) return;  // in view: the next tick commands the rotator

  // Pre-position at the rise point.
  Real az = pass.rows->azimuth[0];
  Real el = pass.rows->elevation[0];
  if (OverTheTop) {
    az = std::fmod(az + 180, 360.0L);
    el = 180 - el;
  }
  state_.TargetAz = az;
  state_.TargetEl = el;
  SendSelected();
}

void TrackingController::SwitchOff() {
  const BusyScope busy(busy_);
  TrackingActive = false;
  if (host_.trackButtonDown) host_.trackButtonDown(false);
  if (host_.azimuthRed) host_.azimuthRed(false);
  if (setup_.selected && IsPrinterPort(*setup_.selected)) {
    printer_.DisablePortRange(*setup_.selected == Interface::PourSat);
  }
  bank_.StopAllRotators(setup_.selected, true);
  OverTheTop = false;
  state_.Reset();
}

SendOutcome TrackingController::Dispatch(Interface i) {
  setup_.options.showCommands = ShowCommands;
  if (IsPrinterPort(i) && !TargetIsSane(state_.TargetAz, state_.TargetEl)) {
    SendOutcome bad;
    bad.status = SendStatus::BadTarget;
    bad.displayText = BadTargetText();
    return bad;
  }
  switch (i) {
    case Interface::PourSat: return printer_.SendPourSat(state_, setup_.pourSat, setup_.options);
    case Interface::FodTrack:
      return printer_.SendFODTrack(state_, setup_.fodTrack, setup_.options);
    default:
      return bank_.Send(i, state_, setup_.configs[i], setup_.options);
  }
}

void TrackingController::SendSelected() {
  for (Interface i : kSendOrder) {
    if (setup_.selected == i) Handle(Dispatch(i));
  }
}

void TrackingController::Handle(const SendOutcome& o) {
  if (o.beep && host_.sounds) host_.sounds->Beep();
  if (o.redAzimuth && host_.azimuthRed) host_.azimuthRed(*o.redAzimuth);
  if (!o.displayText.isEmpty() && host_.labelTrack) host_.labelTrack(o.displayText);
  if (o.status == SendStatus::Stopped360) {
    if (TrackingActive) SwitchOff();
    if (o.warningSound && host_.sounds) host_.sounds->Warning();
    if (o.show360Alarm && host_.show360Alarm) host_.show360Alarm();
    return;
  }
  if (o.warningSound && host_.sounds) host_.sounds->Warning();
  if (!o.message.isEmpty() && host_.dialogs) host_.dialogs->Warning(o.message);
  if (o.stopTracking && TrackingActive) {
    const bool settingsShowing = host_.settingsViewShowing && host_.settingsViewShowing();
    if (!(o.status == SendStatus::TargetMissing && settingsShowing)) SwitchOff();
  }
}

void TrackingController::SpeedButtonParkClick() {
  if (busy_ > 0) return;
  const BusyScope busy(busy_);
  if (TrackingActive) SwitchOff();
  for (Interface i : kSendOrder) {
    if (setup_.Config(i).parking) Test(i);
  }
}

void TrackingController::Test(Interface i) {
  if (setup_.selected != i) {
    if (host_.sounds) host_.sounds->Beep();
    return;
  }
  setup_.options.showCommands = ShowCommands;
  if (IsPrinterPort(i)) {
    const RotatorConfig& config = setup_.Config(i);
    state_.TargetAz = config.testAzimuth;
    state_.TargetEl = config.testElevation;
    const bool pourSat = i == Interface::PourSat;
    printer_.EnablePortRange(pourSat);
    const SendOutcome o = Dispatch(i);
    printer_.DisablePortRange(pourSat);
    Handle(o);
    return;
  }
  Handle(bank_.Sender(i).Test(state_, setup_.configs[i], setup_.options));
}

void TrackingController::CheckBoxOverlapClick() {
  if (!TrackingActive) return;
  if (PrepareOverlapResend(state_)) SendSelected();
}

QString TrackingController::LabelTrackDblClick() {
  ShowCommands = !ShowCommands;
  setup_.options.showCommands = ShowCommands;
  if (ShowCommands) return {};
  const QString caption = LabelTrackCaption();
  if (host_.labelTrack) host_.labelTrack(caption);
  return caption;
}

void TrackingController::AlarmYes(const PassContext& pass) {
  if (!TrackingActive) SwitchOn(pass);
}

void TrackingController::BeforeExplorerRebuild(bool resumeWhenPassEnds) {
  AhnSent = false;
  if (!TrackingActive) return;
  if (resumeWhenPassEnds) ResumeAfterPass = true;
  SwitchOff();
}

bool TrackingController::AfterExplorerRebuild(bool sameSatellite, const PassContext& pass) {
  bool resumed = false;
  if (ResumeAfterPass && sameSatellite) {
    PassContext waiting = pass;
    waiting.inView = false;  // the displays read "####": pre-position at the next AOS
    state_.Reset();
    if (!TrackingActive) SwitchOn(waiting);
    resumed = TrackingActive;
  }
  ResumeAfterPass = false;
  return resumed;
}

TickOutput TrackingController::Tick(const TickInput& in, ReportSink& sink) {
  TickOutput out;
  if (Quitting) return out;
  // The rotator daemon answers late or not at all: its faults surface here, never waited for.
  if (TrackingActive && setup_.selected == Interface::Rotctld) {
    if (const std::optional<SendOutcome> fault = bank_.Sender(Interface::Rotctld).Poll()) {
      Handle(*fault);
    }
  }
  static const std::vector<std::string> kNoRows;
  const std::vector<std::string>& rows = in.rowTexts != nullptr ? *in.rowTexts : kNoRows;
  const prediction::PassSlot* slot = in.slot;
  const QString name =
      in.satelliteName.isEmpty() && slot ? base::BytesToText(slot->name) : in.satelliteName;
  const bool listening = sink.DdeConversationOpen() || sink.TcpClientConnected();

  // 6. Current row.
  if (in.explorerVisible) {
    const std::string first = rows.empty() ? std::string() : rows.front();
    CurrentRow = CurrentRowFor(in.slotInView, first, static_cast<int>(rows.size()), in.nowLocal);
    out.highlightRow = CurrentRow >= 0 && NowAtOrAfterFirstRow(first, in.nowLocal);
  }
  out.currentRow = CurrentRow;
  if (in.explorerVisible && host_.dxSynchronise) host_.dxSynchronise();

  if (in.explorerVisible && in.slotInView && in.search != nullptr && in.slot != nullptr) {
    // 9. In view.
    SatelliteVisible = true;
    out.satelliteVisible = true;
    out.visibilityText = VisibilityText(true);
    const std::optional<LivePosition> live = ComputeLivePosition(*in.search, *in.slot);
    if (live) {
      out.positionComputed = true;
      Real az = live->azimuth;
      Real el = live->elevation;
      if (host_.mapPosition) host_.mapPosition(az, el, live->live);
      out.elevationText = AngleDisplay(el);
      out.azimuthText = AngleDisplay(az);
      out.displayedAzimuth = az;
      if (OverTheTop) ApplyOverTheTop(az, el);
      out.azimuth = az;
      out.elevation = el;
      state_.TargetAz = az;
      state_.TargetEl = el;
      if (TrackingActive) SendSelected();

      const orbit::RadioMode* mode = SelectMode(slot->radio, RowModeLetter(rows, CurrentRow));
      out.dopplerFactor = prediction::DopplerNow(rows, slot->rows.doppler, in.nowLocal);
      const DopplerShifts d = ComputeDoppler(mode, out.dopplerFactor);
      out.dopplerText = QString::number(d.rxHz);
      out.txDopplerText = QString::number(d.txHz);
      out.radio = CorrectedFrequencies(mode, out.dopplerFactor);
      if (listening) {
        out.reportLine =
            ReportLine(name, az, el, static_cast<long double>(out.dopplerFactor), true);
        PublishInView(sink, out.reportLine, AhnSent);
      }
    }
  } else {
    // 10. Not in view.
    SatelliteVisible = false;
    out.visibilityText = VisibilityText(false);
    if (in.explorerVisible) {
      out.elevationText = out.azimuthText = NotInViewDisplay();
      out.dopplerText = out.txDopplerText = NotInViewDisplay();
    }
    if (listening && !AhnSent && slot != nullptr && slot->HasPass()) {
      out.reportLine = AosReportLine(name, slot->rows.azimuth[0], slot->rows.elevation[0],
                                     static_cast<long double>(slot->rows.doppler[0]));
      PublishNotInView(sink, out.reportLine, AhnSent);
    }
  }

  // 11. Frequencies and mode box.
  if (in.explorerVisible && slot != nullptr) {
    const char letter = RowModeLetter(rows, CurrentRow >= 0 ? CurrentRow : 0);
    const orbit::RadioMode* mode = SelectMode(slot->radio, letter);
    out.rxLabel = RxFrequencyLabel(mode);
    out.txLabel = TxFrequencyLabel(mode);
    out.modeLetter = ModeBoxLetter(letter, slot->radio);
  }
  if (host_.afterTrackingSteps) host_.afterTrackingSteps();
  return out;
}

}  // namespace tracking
