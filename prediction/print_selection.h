#pragma once

#include <string>
#include <vector>

#include "prediction/date_fields.h"

namespace prediction {

// The five edit texts of one end of the printed stretch (day blank-padded, month name,
// year, hour, minute), exactly as the print window holds them.
struct PrintEndFields {
  std::string day, month, year, hour, minute;
};

// The start or end fields of a row text ("dd MMM yyyy  hh:mm...").
PrintEndFields FieldsFromRow(const std::string& row);

// "dd MMM yyyy": the date text compared with characters 1-11 of a row.
std::string DateText(const PrintEndFields& f);

// Date-time value of the fields (seconds 0); false when a field is empty or damaged.
bool ReadPrintEnd(const PrintEndFields& f, Real* value);

// The recount: the minutes from start to end inclusive (0 when nothing can be printed)
// and the label text (empty when a time field is empty, "0" when the start is after the end,
// else the number of whole steps, at least 1).
struct PrintCount {
  int minuteCount = 0;
  std::string label;
};
PrintCount RecountPrint(const PrintEndFields& start, const PrintEndFields& end, int step);

// Date arrow on one end: false (beep, nothing changed) at the first row's date going down
// or at the last row's date going up.
bool StepPrintDate(PrintEndFields& f, bool up, const std::string& firstRow,
                   const std::string& lastRow);

// Time arrow: one minute up or down, hour wrapping, date unchanged. False when the
// fields do not hold a time.
bool StepPrintTime(PrintEndFields& f, bool up);

enum class PrintRefusal { None, TimeNotSet, NothingToPrint, StartOutOfPass, EndOutOfPass };

// What printing does with the fields: a refusal, or the 0-based indices of the rows to
// print (o + t for t = 0, step, 2 step ... below the minute count).
struct PrintPlan {
  PrintRefusal refusal = PrintRefusal::None;
  std::vector<int> rows;
};
PrintPlan PlanPrint(const PrintEndFields& start, const PrintEndFields& end, int step,
                    const std::vector<std::string>& shownRows);

// The printed text: name, header, the planned rows.
std::vector<std::string> PrintedLines(const std::string& name, const std::string& header,
                                      const std::vector<std::string>& shownRows,
                                      const PrintPlan& plan);

}  // namespace prediction
