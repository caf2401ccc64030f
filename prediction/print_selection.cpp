#include "prediction/print_selection.h"

#include "prediction/ephemeris_row.h"

namespace prediction {

using orbit::Round;

PrintEndFields FieldsFromRow(const std::string& row) {
  PrintEndFields f;
  if (row.size() < 18) return f;
  f.day = row.substr(0, 2);
  f.month = row.substr(3, 3);
  f.year = row.substr(7, 4);
  f.hour = row.substr(13, 2);
  f.minute = row.substr(16, 2);
  return f;
}

std::string DateText(const PrintEndFields& f) { return f.day + ' ' + f.month + ' ' + f.year; }

bool ReadPrintEnd(const PrintEndFields& f, Real* value) {
  CivilDate d;
  int hour = 0, minute = 0;
  if (!ReadDateFields(f.day, f.month, f.year, &d) || !ReadWholeNumber(f.hour, &hour) ||
      !ReadWholeNumber(f.minute, &minute))
    return false;
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59) return false;
  *value = orbit::EncodeDateTimeValue(d.year, d.month, d.day, hour, minute);
  return true;
}

PrintCount RecountPrint(const PrintEndFields& start, const PrintEndFields& end, int step) {
  PrintCount c;
  if (start.hour.empty() || start.minute.empty() || end.hour.empty() || end.minute.empty())
    return c;
  Real s = 0, e = 0;
  if (!ReadPrintEnd(start, &s) || !ReadPrintEnd(end, &e)) return c;
  if (s > e) {
    c.label = "0";
    return c;
  }
  c.minuteCount = static_cast<int>(Round((e - s) * 1440)) + 1;
  const int steps = c.minuteCount / (step < 1 ? 1 : step);
  c.label = std::to_string(steps == 0 ? 1 : steps);
  return c;
}

bool StepPrintDate(PrintEndFields& f, bool up, const std::string& firstRow,
                   const std::string& lastRow) {
  const std::string limit = (up ? lastRow : firstRow).substr(0, 11);
  if (DateText(f) == limit) return false;
  CivilDate d;
  if (!ReadDateFields(f.day, f.month, f.year, &d)) return false;
  d = up ? NextDay(d) : PreviousDay(d);
  f.day = DayField(d.day);
  f.month = MonthField(d.month);
  f.year = YearField(d.year);
  return true;
}

bool StepPrintTime(PrintEndFields& f, bool up) {
  ClockTime t;
  if (!ReadWholeNumber(f.hour, &t.hour) || !ReadWholeNumber(f.minute, &t.minute)) return false;
  t = up ? NextMinute(t) : PreviousMinute(t);
  f.hour = TwoDigitField(t.hour);
  f.minute = TwoDigitField(t.minute);
  return true;
}

PrintPlan PlanPrint(const PrintEndFields& start, const PrintEndFields& end, int step,
                    const std::vector<std::string>& shownRows) {
  PrintPlan plan;
  if (start.hour.empty() || start.minute.empty() || end.hour.empty() || end.minute.empty()) {
    plan.refusal = PrintRefusal::TimeNotSet;
    return plan;
  }
  const PrintCount count = RecountPrint(start, end, step);
  if (count.minuteCount <= 0 || shownRows.empty()) {
    plan.refusal = PrintRefusal::NothingToPrint;
    return plan;
  }
  Real first = 0, last = 0, s = 0, e = 0;
  if (!ParseRowTime(shownRows.front(), &first) || !ParseRowTime(shownRows.back(), &last) ||
      !ReadPrintEnd(start, &s) || !ReadPrintEnd(end, &e)) {
    plan.refusal = PrintRefusal::NothingToPrint;
    return plan;
  }
  // Whole minutes compared as whole minutes: the values carry rounding noise.
  const auto minutes = [](Real v) { return static_cast<long long>(Round(v * 1440)); };
  if (minutes(s) < minutes(first) || minutes(s) > minutes(last)) {
    plan.refusal = PrintRefusal::StartOutOfPass;
    return plan;
  }
  if (minutes(e) > minutes(last) || minutes(e) < minutes(first)) {
    plan.refusal = PrintRefusal::EndOutOfPass;
    return plan;
  }
  const int o = static_cast<int>(minutes(s) - minutes(first));
  const int stepMinutes = step < 1 ? 1 : step;
  for (int t = 0; t < count.minuteCount; t += stepMinutes) {
    const int row = o + t;
    if (row >= static_cast<int>(shownRows.size())) break;
    plan.rows.push_back(row);
  }
  return plan;
}

std::vector<std::string> PrintedLines(const std::string& name, const std::string& header,
                                      const std::vector<std::string>& shownRows,
                                      const PrintPlan& plan) {
  std::vector<std::string> lines{name, header};
  for (int row : plan.rows) lines.push_back(shownRows[static_cast<std::size_t>(row)]);
  return lines;
}

}  // namespace prediction
