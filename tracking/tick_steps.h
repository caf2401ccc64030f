#pragma once

// The steps of the one-second tick that belong to tracking, as pure functions: current
// ephemeris row, live position, over-the-top transform, Doppler, report line and texts.
// Angles in degrees; date-time values in days (local time unless said otherwise).

#include <QString>

#include <optional>
#include <string>
#include <vector>

#include "orbit/radio_data.h"
#include "prediction/pass_search.h"

namespace tracking {

using orbit::Real;

// Row of the ephemeris list covering `nowLocal`: whole minutes (truncated) from the
// first row's time; -1 when the slot is not in view, the first row does not parse, the
// list ends before now or now lies more than a minute before the first row.
int CurrentRowFor(bool slotInView, const std::string& firstRowText, int rowCount, Real nowLocal);

// True when now is at or after the first row (the row may be highlighted).
bool NowAtOrAfterFirstRow(const std::string& firstRowText, Real nowLocal);

// round(x * 10) / 10 with halves to even.
Real RoundTenth(Real x);

// Elevation 180 - el, azimuth az + 180 (minus 360 above 360).
void ApplyOverTheTop(Real& azimuth, Real& elevation);

// Live azimuth and elevation of the slot's satellite at the clock's second, rounded to
// 0.1°. Nothing when another pass computation holds the busy flag: the tick skips this
// second rather than wait inside the user-interface thread.
struct LivePosition {
  Real azimuth = 0;
  Real elevation = 0;
  prediction::LiveView live;
};
std::optional<LivePosition> ComputeLivePosition(prediction::SearchContext& context,
                                                prediction::PassSlot& slot);

// Mode letter in column 60 of a row text (' ' when the row is short or missing).
char RowModeLetter(const std::vector<std::string>& rows, int row);

// The mode a letter selects: the mode with that letter, or for a blank the satellite's
// current mode. Nothing when no mode matches.
const orbit::RadioMode* SelectMode(const orbit::SatRadioData& radio, char letter);

struct DopplerShifts {
  long long rxHz = 0;  // EditDoppler: round(factor × fRX / 1000)
  long long txHz = 0;  // EditTXDoppler: round(-factor × fTX / 1000)
};
// `factor` in Hz per GHz (DopplerNow); a missing mode counts as both frequencies 0.
DopplerShifts ComputeDoppler(const orbit::RadioMode* mode, long long factor);

// Range rate in km/s of a Doppler factor: -factor × 299792.458 / 1e9, shortest general
// form up to 15 significant digits, "." as decimal point ("0" for a factor of 0).
QString RangeRateText(long double factor);

// The tracking report line. In view: "NAME AZ:123.4 EL:5.6 RR:-1.234 AH:Y" with the
// commanded azimuth/elevation. Not in view: the AOS azimuth/elevation in whole degrees
// followed by ".0", the range rate of the AOS Doppler factor and " AH:N". Every comma
// becomes a period, the name's included; the decimal point is "." in every locale.
QString ReportLine(const QString& name, Real azimuth, Real elevation, long double factor,
                   bool inView);
QString AosReportLine(const QString& name, int aosAzimuth, int aosElevation, long double factor);

// Where the report goes: the DDE item and the TCP clients (later parts bring them).
class ReportSink {
 public:
  virtual ~ReportSink() = default;
  virtual bool DdeConversationOpen() const = 0;
  virtual bool TcpClientConnected() const = 0;
  virtual void SetDdeItem(const QString& line) = 0;
  virtual void SendToTcpClients(const QString& line) = 0;
};

// Keeps what would have been published (tests, and the program until the servers exist).
class RecordingReportSink : public ReportSink {
 public:
  bool DdeConversationOpen() const override { return ddeOpen; }
  bool TcpClientConnected() const override { return tcpConnected; }
  void SetDdeItem(const QString& line) override { ddeItems.append(line); }
  void SendToTcpClients(const QString& line) override { tcpLines.append(line); }
  bool ddeOpen = false;
  bool tcpConnected = false;
  QStringList ddeItems;
  QStringList tcpLines;
};

// Publishes one tick's report: the in-view line every second (AhnSent cleared when TCP
// clients got it), the not-in-view line only while AhnSent is clear (set once the TCP
// clients got it). Nothing is built when nobody listens.
void PublishInView(ReportSink& sink, const QString& line, bool& ahnSent);
void PublishNotInView(ReportSink& sink, const QString& line, bool& ahnSent);

// Display texts: one decimal with the user's separator, "####" when not in view.
QString AngleDisplay(Real degrees);
inline QString NotInViewDisplay() { return QStringLiteral("####"); }
// "F.RX=" + MHz + " MHz " + note; "F.TX=" likewise (shortest form, user's separator).
QString RxFrequencyLabel(const orbit::RadioMode* mode);
QString TxFrequencyLabel(const orbit::RadioMode* mode);
// "Satellite is visible" / "Satellite is currently not visible" (language texts).
QString VisibilityText(bool visible);

// Letter the mode box selects (step 11): the row's letter, or the current mode's when blank.
char ModeBoxLetter(char rowLetter, const orbit::SatRadioData& radio);

}  // namespace tracking
