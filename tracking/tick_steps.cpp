#include "tracking/tick_steps.h"

#include <QCoreApplication>

#include "base/locale_number.h"
#include "prediction/ephemeris_row.h"
#include "tracking/field_text.h"

namespace tracking {

using orbit::Int;
using orbit::Round;

int CurrentRowFor(bool slotInView, const std::string& firstRowText, int rowCount, Real nowLocal) {
  if (!slotInView || rowCount <= 0) return -1;
  Real first = 0;
  if (!prediction::ParseRowTime(firstRowText, &first)) return -1;
  if (first + static_cast<Real>(rowCount) / 1440 < nowLocal) return -1;
  // A microsecond of slack: date-time values of whole minutes are not exact in binary.
  const Real minutes = Int((nowLocal - first) * 1440 + 1e-9L);
  if (minutes < 0) return -1;
  return static_cast<int>(minutes);
}

bool NowAtOrAfterFirstRow(const std::string& firstRowText, Real nowLocal) {
  Real first = 0;
  return prediction::ParseRowTime(firstRowText, &first) && nowLocal >= first;
}

Real RoundTenth(Real x) { return Round(x * 10) / 10; }

void ApplyOverTheTop(Real& azimuth, Real& elevation) {
  elevation = 180 - elevation;
  azimuth += 180;
  if (azimuth > 360) azimuth -= 360;
}

std::optional<LivePosition> ComputeLivePosition(prediction::SearchContext& context,
                                                prediction::PassSlot& slot) {
  LivePosition p;
  if (!prediction::SearchPass(context, slot, prediction::SearchMode::RealTime, &p.live)) {
    return std::nullopt;
  }
  p.azimuth = RoundTenth(p.live.view.azimuth);
  p.elevation = RoundTenth(p.live.view.elevation);
  return p;
}

char RowModeLetter(const std::vector<std::string>& rows, int row) {
  if (row < 0 || row >= static_cast<int>(rows.size())) return ' ';
  const std::string& text = rows[static_cast<std::size_t>(row)];
  const std::size_t column = prediction::kModeColumn - 1;
  return column < text.size() ? text[column] : ' ';
}

const orbit::RadioMode* SelectMode(const orbit::SatRadioData& radio, char letter) {
  std::string wanted;
  if (letter == ' ' || letter == '\0') {
    wanted = radio.currentMode;
  } else {
    wanted = std::string(1, letter);
  }
  if (wanted.empty()) return nullptr;
  for (const orbit::RadioMode& mode : radio.modes) {
    if (!mode.letter.empty() && mode.letter == wanted) return &mode;
  }
  return nullptr;
}

DopplerShifts ComputeDoppler(const orbit::RadioMode* mode, long long factor) {
  DopplerShifts d;
  if (mode == nullptr || (mode->rxMHz == 0 && mode->txMHz == 0)) return d;
  const Real f = static_cast<Real>(factor);
  d.rxHz = static_cast<long long>(Round(f * mode->rxMHz / 1000));
  d.txHz = static_cast<long long>(Round(-f * mode->txMHz / 1000));
  return d;
}

QString RangeRateText(long double factor) {
  // + 0.0 turns the -0 of a zero factor into 0.
  const double rr = static_cast<double>(-factor * 299792.458L / 1e9L) + 0.0;
  return QString::number(rr, 'g', 15);  // QString::number ignores the locale
}

namespace {

QString Finish(QString line) {
  line.replace(QLatin1Char(','), QLatin1Char('.'));
  return line;
}

}  // namespace

QString ReportLine(const QString& name, Real azimuth, Real elevation, long double factor,
                   bool inView) {
  return Finish(name + QStringLiteral(" AZ:") + QString::number(static_cast<double>(azimuth), 'f', 1) +
                QStringLiteral(" EL:") + QString::number(static_cast<double>(elevation), 'f', 1) +
                QStringLiteral(" RR:") + RangeRateText(factor) +
                (inView ? QStringLiteral(" AH:Y") : QStringLiteral(" AH:N")));
}

QString AosReportLine(const QString& name, int aosAzimuth, int aosElevation, long double factor) {
  return Finish(name + QStringLiteral(" AZ:") + QString::number(aosAzimuth) + QStringLiteral(".0") +
                QStringLiteral(" EL:") + QString::number(aosElevation) + QStringLiteral(".0") +
                QStringLiteral(" RR:") + RangeRateText(factor) + QStringLiteral(" AH:N"));
}

void PublishInView(ReportSink& sink, const QString& line, bool& ahnSent) {
  if (sink.DdeConversationOpen()) sink.SetDdeItem(line);
  if (sink.TcpClientConnected()) {
    sink.SendToTcpClients(line);
    ahnSent = false;
  }
}

void PublishNotInView(ReportSink& sink, const QString& line, bool& ahnSent) {
  if (ahnSent) return;
  if (sink.DdeConversationOpen()) sink.SetDdeItem(line);
  if (sink.TcpClientConnected()) {
    sink.SendToTcpClients(line);
    ahnSent = true;
  }
}

QString AngleDisplay(Real degrees) { return base::FormatUserFixed(degrees, 1); }

namespace {

QString FrequencyLabel(const char* prefix, Real mhz, const std::string& note) {
  return QString::fromLatin1(prefix) + base::FormatUserGeneral(mhz) + QStringLiteral(" MHz ") +
         DecodeFieldText(note);
}

}  // namespace

QString RxFrequencyLabel(const orbit::RadioMode* mode) {
  return mode == nullptr ? FrequencyLabel("F.RX=", 0, {})
                         : FrequencyLabel("F.RX=", mode->rxMHz, mode->rxOps);
}

QString TxFrequencyLabel(const orbit::RadioMode* mode) {
  return mode == nullptr ? FrequencyLabel("F.TX=", 0, {})
                         : FrequencyLabel("F.TX=", mode->txMHz, mode->txOps);
}

QString VisibilityText(bool visible) {
  return visible ? QCoreApplication::translate("Tracking", "Satellite is visible")
                 : QCoreApplication::translate("Tracking", "Satellite is currently not visible");
}

char ModeBoxLetter(char rowLetter, const orbit::SatRadioData& radio) {
  if (rowLetter != ' ' && rowLetter != '\0') return rowLetter;
  return radio.currentMode.empty() ? ' ' : radio.currentMode.front();
}

}  // namespace tracking
