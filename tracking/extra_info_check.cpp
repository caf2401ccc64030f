#include "tracking/extra_info_check.h"

#include <QCoreApplication>
#include <cmath>

#include "orbit/text_number.h"
#include "tracking/field_text.h"

namespace tracking {

namespace {

QString General(orbit::Real x, char separator) {
  QString s = QString::number(static_cast<double>(x) + 0.0, 'g', 15);
  if (separator != '.') s.replace(QLatin1Char('.'), QLatin1Char(separator));
  return s;
}

// A number typed by the operator: its "," or "." becomes the user's separator (a text
// holding both stays as it is and beeps), then it must convert.
bool ReadTyped(const QString& typed, char separator, bool* beep, QString* normalised,
               orbit::Real* value) {
  const std::string text = typed.trimmed().toStdString();
  const std::string normal = orbit::NormalizeDecimalSeparator(text, separator, beep);
  *normalised = QString::fromStdString(normal);
  return orbit::ParseDecimal(normal, separator, value);
}

ExtraInfoResult Fail(ExtraInfoResult r, ExtraInfoProblem problem, ExtraInfoField field,
                     int row = -1, int column = -1) {
  r.problem = problem;
  r.field = field;
  r.row = row;
  r.column = column;
  return r;
}

}  // namespace

ExtraInfoTexts TextsOf(const orbit::SatRadioData& data, char userSeparator) {
  ExtraInfoTexts t;
  for (int r = 0; r < kModeRows; ++r) {
    const orbit::RadioMode& m = data.modes[static_cast<std::size_t>(r)];
    auto& row = t.grid[static_cast<std::size_t>(r)];
    row[kColLetter] = DecodeFieldText(m.letter);
    row[kColComment] = DecodeFieldText(m.comment);
    row[kColRx] = m.rxMHz == 0 ? QString() : General(m.rxMHz, userSeparator);
    row[kColRxOps] = DecodeFieldText(m.rxOps);
    row[kColTx] = m.txMHz == 0 ? QString() : General(m.txMHz, userSeparator);
    row[kColTxOps] = DecodeFieldText(m.txOps);
  }
  if (data.hasAttitude) {
    t.alat = General(data.alat, userSeparator);
    t.alon = General(data.alon, userSeparator);
  }
  const QStringList entries =
      DecodeFieldText(data.maSchedule).split(QLatin1Char('/'), Qt::SkipEmptyParts);
  for (int i = 0; i < kModeRows && i < entries.size(); ++i) {
    const QString& entry = entries[i];
    const auto colon = entry.indexOf(QLatin1Char(':'));
    t.ma[static_cast<std::size_t>(i)] = colon < 0 ? entry : entry.left(colon);
    t.mode[static_cast<std::size_t>(i)] = colon < 0 ? QString() : entry.mid(colon + 1);
  }
  return t;
}

ExtraInfoResult CheckExtraInfo(const ExtraInfoTexts& texts, const orbit::SatRadioData& current,
                               char userSeparator) {
  ExtraInfoResult r;
  r.data = current;

  // 1. The mode rows.
  for (int row = 0; row < kModeRows; ++row) {
    const auto& cells = texts.grid[static_cast<std::size_t>(row)];
    const QString letter = cells[kColLetter].trimmed();
    // A letter is one byte of the file: a character outside its code page is more.
    if (letter.size() > 1 || EncodeFieldText(letter).size() > 1)
      return Fail(r, ExtraInfoProblem::LetterTooLong, ExtraInfoField::GridCell, row, kColLetter);
    if (letter == QLatin1String("/"))
      return Fail(r, ExtraInfoProblem::SlashLetter, ExtraInfoField::GridCell, row, kColLetter);
    const QString rx = cells[kColRx].trimmed();
    const QString tx = cells[kColTx].trimmed();
    if (letter.isEmpty() && (!rx.isEmpty() || !tx.isEmpty()))
      return Fail(r, ExtraInfoProblem::LetterMissing, ExtraInfoField::GridCell, row, kColLetter);

    orbit::RadioMode& mode = r.data.modes[static_cast<std::size_t>(row)];
    mode = orbit::RadioMode{};
    mode.letter = EncodeFieldText(letter);
    mode.comment = EncodeFieldText(cells[kColComment]);
    mode.rxOps = EncodeFieldText(cells[kColRxOps]);
    mode.txOps = EncodeFieldText(cells[kColTxOps]);
    auto& written = r.frequencyTexts[static_cast<std::size_t>(row)];
    r.rowChecked[static_cast<std::size_t>(row)] = true;
    const struct {
      const QString* text;
      int column;
      orbit::Real* value;
      QString* normalised;
    } frequencies[] = {{&rx, kColRx, &mode.rxMHz, &written[0]},
                       {&tx, kColTx, &mode.txMHz, &written[1]}};
    for (const auto& f : frequencies) {
      *f.normalised = *f.text;
      if (f.text->isEmpty()) continue;  // no frequency: 0
      const bool converted = ReadTyped(*f.text, userSeparator, &r.beep, f.normalised, f.value);
      // The file keeps doubles: a value beyond them would be written as "inf".
      if (!converted || *f.value < 0 || !std::isfinite(static_cast<double>(*f.value)))
        return Fail(r, ExtraInfoProblem::IncorrectFrequency, ExtraInfoField::GridCell, row,
                    f.column);
    }
  }

  // 2. Every mode of the schedule is one of the grid's.
  for (int i = 0; i < kModeRows; ++i) {
    const QString wanted = texts.mode[static_cast<std::size_t>(i)].trimmed();
    if (wanted.isEmpty()) continue;
    const std::string bytes = EncodeFieldText(wanted);
    bool defined = false;
    for (const orbit::RadioMode& m : r.data.modes) defined = defined || (!m.letter.empty() && m.letter == bytes);
    if (!defined) return Fail(r, ExtraInfoProblem::UndefinedMode, ExtraInfoField::Mode, i);
  }

  // 3-4. The attitude of the satellite's antenna.
  QString unused;
  const QString alat = texts.alat.trimmed();
  if (alat.isEmpty()) {
    r.data.hasAttitude = false;
  } else {
    orbit::Real v = 0;
    if (!ReadTyped(alat, userSeparator, &r.beep, &unused, &v) || v < -90 || v > 90)
      return Fail(r, ExtraInfoProblem::IncorrectAlat, ExtraInfoField::Alat);
    r.data.alat = v;
    r.data.hasAttitude = true;
  }
  const QString alon = texts.alon.trimmed();
  if (alon.isEmpty()) {
    r.data.hasAttitude = false;
  } else {
    orbit::Real v = 0;
    if (!ReadTyped(alon, userSeparator, &r.beep, &unused, &v) || v < 0 || v > 360)
      return Fail(r, ExtraInfoProblem::IncorrectAlon, ExtraInfoField::Alon);
    r.data.alon = v;
  }

  // 5. The schedule: strictly increasing whole MAs 0-255, no gap before a filled edit.
  std::string schedule;
  long long previous = -1;
  bool gap = false;
  for (int i = 0; i < kModeRows; ++i) {
    const QString ma = texts.ma[static_cast<std::size_t>(i)].trimmed();
    if (ma.isEmpty()) {
      gap = true;
      continue;
    }
    long long value = 0;
    if (gap || !orbit::ParseInteger(ma.toStdString(), &value) || value < 0 || value > 255 ||
        value <= previous)
      return Fail(r, ExtraInfoProblem::MaNotIncreasing, ExtraInfoField::Ma, i);
    previous = value;
    schedule += ma.toStdString() + ':' +
                EncodeFieldText(texts.mode[static_cast<std::size_t>(i)].trimmed()) + '/';
  }

  // 6. All checks passed.
  r.data.maSchedule = schedule;
  return r;
}

QString ExtraInfoMessage(ExtraInfoProblem problem) {
  const char* text = nullptr;
  switch (problem) {
    case ExtraInfoProblem::None: return {};
    case ExtraInfoProblem::LetterTooLong: text = QT_TRANSLATE_NOOP("TFormExtraInfo", "Only one character for mode !"); break;
    case ExtraInfoProblem::SlashLetter: text = QT_TRANSLATE_NOOP("TFormExtraInfo", "No \"/\" please !"); break;
    case ExtraInfoProblem::LetterMissing: text = QT_TRANSLATE_NOOP("TFormExtraInfo", "Enter one character for mode, please !"); break;
    case ExtraInfoProblem::IncorrectFrequency: text = QT_TRANSLATE_NOOP("TFormExtraInfo", "Incorrect frequency !"); break;
    case ExtraInfoProblem::UndefinedMode: text = QT_TRANSLATE_NOOP("TFormExtraInfo", "Undefined mode in MA definition !"); break;
    case ExtraInfoProblem::IncorrectAlat: text = QT_TRANSLATE_NOOP("TFormExtraInfo", "Incorrect ALAT !"); break;
    case ExtraInfoProblem::IncorrectAlon: text = QT_TRANSLATE_NOOP("TFormExtraInfo", "Incorrect ALON !"); break;
    case ExtraInfoProblem::MaNotIncreasing: text = QT_TRANSLATE_NOOP("TFormExtraInfo", "Successive MAs must be increasing integers !"); break;
  }
  return QCoreApplication::translate("TFormExtraInfo", text);
}

}  // namespace tracking
