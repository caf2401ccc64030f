#include <gtest/gtest.h>

#include "prediction/date_fields.h"
#include "prediction/ephemeris_row.h"
#include "prediction/print_selection.h"

namespace prediction {
namespace {

CivilDate D(int d, int m, int y) { return CivilDate{d, m, y}; }

TEST(DateStepping, GregorianLeapYearsAtTheEndOfFebruary) {
  EXPECT_EQ(NextDay(D(28, 2, 2024)), D(29, 2, 2024));
  EXPECT_EQ(NextDay(D(28, 2, 2023)), D(1, 3, 2023));
  EXPECT_EQ(NextDay(D(28, 2, 2000)), D(29, 2, 2000));
  EXPECT_EQ(NextDay(D(28, 2, 2100)), D(1, 3, 2100));
  EXPECT_EQ(NextDay(D(29, 2, 2024)), D(1, 3, 2024));
  EXPECT_EQ(PreviousDay(D(1, 3, 2024)), D(29, 2, 2024));
  EXPECT_EQ(PreviousDay(D(1, 3, 2100)), D(28, 2, 2100));
}

TEST(DateStepping, MonthAndYearEnds) {
  EXPECT_EQ(PreviousDay(D(1, 1, 2025)), D(31, 12, 2024));
  EXPECT_EQ(NextDay(D(31, 12, 2024)), D(1, 1, 2025));
  EXPECT_EQ(NextDay(D(30, 4, 2024)), D(1, 5, 2024));
  EXPECT_EQ(NextDay(D(30, 5, 2024)), D(31, 5, 2024));
  EXPECT_EQ(NextDay(D(31, 5, 2024)), D(1, 6, 2024));
  EXPECT_EQ(PreviousDay(D(1, 5, 2024)), D(30, 4, 2024));
  EXPECT_EQ(PreviousDay(D(1, 8, 2024)), D(31, 7, 2024));
  EXPECT_EQ(PreviousDay(D(15, 8, 2024)), D(14, 8, 2024));
}

TEST(TimeStepping, MinutesWrapTheHourButNeverTheDate) {
  EXPECT_EQ(NextMinute({12, 59}), (ClockTime{13, 0}));
  EXPECT_EQ(NextMinute({23, 59}), (ClockTime{0, 0}));
  EXPECT_EQ(PreviousMinute({0, 0}), (ClockTime{23, 59}));
  EXPECT_EQ(PreviousMinute({10, 0}), (ClockTime{9, 59}));
  EXPECT_EQ(NextMinute({10, 5}), (ClockTime{10, 6}));
}

TEST(TypedFields, RefusalsAndAcceptance) {
  EXPECT_EQ(CheckTypedField("", 23), TypedField::Accepted);
  EXPECT_EQ(CheckTypedField("7", 59), TypedField::Accepted);
  EXPECT_EQ(CheckTypedField("23", 23), TypedField::Accepted);
  EXPECT_EQ(CheckTypedField("24", 23), TypedField::Zeroed);
  EXPECT_EQ(CheckTypedField("60", 59), TypedField::Zeroed);
  EXPECT_EQ(CheckTypedField("-", 23), TypedField::Emptied);
  EXPECT_EQ(CheckTypedField("-1", 23), TypedField::Zeroed);
  EXPECT_EQ(CheckTypedField("1a", 23), TypedField::Zeroed);
  EXPECT_EQ(CheckTypedField("1.", 59), TypedField::Zeroed);
}

TEST(HandOver, ThirteenCharactersAndBack) {
  const std::string text = HandOverText(D(5, 1, 2024), ClockTime{12, 30});
  EXPECT_EQ(text, " 5JAN20241230");
  EXPECT_EQ(HandOverText(D(25, 12, 2023), ClockTime{0, 7}), "25DEC20230007");
  Real v = 0;
  ASSERT_TRUE(ParseHandOverText(text, &v));
  EXPECT_EQ(v, orbit::EncodeDateTimeValue(2024, 1, 5, 12, 30));
  EXPECT_FALSE(ParseHandOverText(" 5JAX20241230", &v));
  EXPECT_FALSE(ParseHandOverText(" 5JAN2024123", &v));
  EXPECT_FALSE(ParseHandOverText("31FEB20241230", &v));
}

TEST(HandOver, UtcEntryBecomesLocalTime) {
  Real v = 0;
  ASSERT_TRUE(ParseHandOverText(HandOverText(D(5, 1, 2024), {12, 0}), &v));
  // Entered in UTC with local = UTC + 2 hours: the slot keeps 14:00 local.
  EXPECT_EQ(CalculationDateFromEntry(v, true, 2), orbit::EncodeDateTimeValue(2024, 1, 5, 14, 0));
  EXPECT_EQ(CalculationDateFromEntry(v, false, 2), v);
}

// Twelve rows of one pass, one minute apart, local time.
std::vector<std::string> TwelveRows(int startHour = 10, int startMinute = 3) {
  std::vector<std::string> rows;
  const Real start = orbit::EncodeDateTimeValue(2018, 1, 21, startHour, startMinute);
  for (int k = 0; k < 12; ++k) rows.push_back(RowDateText(start + k / 1440.0L) + " row" + std::to_string(k));
  return rows;
}

TEST(PrintWindow, TwelveRowsStepOneAndStepFive) {
  const auto rows = TwelveRows();
  const PrintEndFields start = FieldsFromRow(rows.front());
  const PrintEndFields end = FieldsFromRow(rows.back());
  EXPECT_EQ(start.day, "21");
  EXPECT_EQ(start.hour, "10");
  EXPECT_EQ(start.minute, "03");
  EXPECT_EQ(end.minute, "14");
  PrintCount c = RecountPrint(start, end, 1);
  EXPECT_EQ(c.minuteCount, 12);
  EXPECT_EQ(c.label, "12");
  PrintPlan plan = PlanPrint(start, end, 1, rows);
  EXPECT_EQ(plan.refusal, PrintRefusal::None);
  EXPECT_EQ(plan.rows.size(), 12u);
  const auto lines = PrintedLines("ISS", "header", rows, plan);
  ASSERT_EQ(lines.size(), 14u);
  EXPECT_EQ(lines[0], "ISS");
  EXPECT_EQ(lines[13], rows[11]);

  c = RecountPrint(start, end, 5);
  EXPECT_EQ(c.label, "2");
  plan = PlanPrint(start, end, 5, rows);
  EXPECT_EQ(plan.rows, (std::vector<int>{0, 5, 10}));
  // A later start prints from its own row.
  PrintEndFields later = start;
  later.minute = "05";
  plan = PlanPrint(later, end, 5, rows);
  EXPECT_EQ(plan.rows, (std::vector<int>{2, 7}));
  c = RecountPrint(start, end, 60);
  EXPECT_EQ(c.label, "1");
}

TEST(PrintWindow, TheThreeRefusals) {
  const auto rows = TwelveRows();
  PrintEndFields start = FieldsFromRow(rows.front());
  PrintEndFields end = FieldsFromRow(rows.back());
  PrintEndFields empty = start;
  empty.minute.clear();
  EXPECT_EQ(RecountPrint(empty, end, 1).label, "");
  EXPECT_EQ(RecountPrint(empty, end, 1).minuteCount, 0);
  EXPECT_EQ(PlanPrint(empty, end, 1, rows).refusal, PrintRefusal::TimeNotSet);
  // Start after end.
  EXPECT_EQ(RecountPrint(end, start, 1).label, "0");
  EXPECT_EQ(PlanPrint(end, start, 1, rows).refusal, PrintRefusal::NothingToPrint);
  // The start minute stepped down from 00 at 00h gives 23:59 of the same date: out of pass.
  const auto midnight = TwelveRows(0, 0);
  start = FieldsFromRow(midnight.front());
  end = FieldsFromRow(midnight.back());
  ASSERT_TRUE(StepPrintTime(start, false));
  EXPECT_EQ(start.hour, "23");
  EXPECT_EQ(start.minute, "59");
  EXPECT_EQ(start.day, "21");
  EXPECT_EQ(RecountPrint(start, end, 1).label, "0");
  // With the end moved a day on, the count is positive and the start is out of the pass.
  PrintEndFields laterEnd = end;
  laterEnd.day = "22";
  EXPECT_EQ(PlanPrint(start, laterEnd, 1, midnight).refusal, PrintRefusal::StartOutOfPass);
  start = FieldsFromRow(midnight.front());
  EXPECT_EQ(PlanPrint(start, laterEnd, 1, midnight).refusal, PrintRefusal::EndOutOfPass);
}

TEST(PrintWindow, DateArrowsStayWithinThePassDates) {
  // A pass across midnight at the end of February 2024: 28 FEB 23:55 .. 29 FEB 00:06.
  std::vector<std::string> rows;
  const Real s = orbit::EncodeDateTimeValue(2024, 2, 28, 23, 55);
  for (int k = 0; k < 12; ++k) rows.push_back(RowDateText(s + k / 1440.0L));
  PrintEndFields f = FieldsFromRow(rows.front());
  EXPECT_FALSE(StepPrintDate(f, false, rows.front(), rows.back()));  // already at the first date
  ASSERT_TRUE(StepPrintDate(f, true, rows.front(), rows.back()));
  EXPECT_EQ(DateText(f), "29 FEB 2024");
  EXPECT_FALSE(StepPrintDate(f, true, rows.front(), rows.back()));
  EXPECT_EQ(DateText(f), "29 FEB 2024");
  // In a common year 28 FEB goes to 1 MAR, blank-padded like the rows.
  std::vector<std::string> common;
  const Real c = orbit::EncodeDateTimeValue(2023, 2, 28, 23, 55);
  for (int k = 0; k < 12; ++k) common.push_back(RowDateText(c + k / 1440.0L));
  f = FieldsFromRow(common.front());
  ASSERT_TRUE(StepPrintDate(f, true, common.front(), common.back()));
  EXPECT_EQ(DateText(f), " 1 MAR 2023");
  EXPECT_EQ(DateText(f), common.back().substr(0, 11));
}

}  // namespace
}  // namespace prediction
