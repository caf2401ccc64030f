// The checks of the extra-information window's OK, on texts and a copy of the record.
#include "tracking/extra_info_check.h"

#include <gtest/gtest.h>

namespace tracking {
namespace {

ExtraInfoTexts Row(int row, const char* letter, const char* rx, const char* tx = "") {
  ExtraInfoTexts t;
  auto& cells = t.grid[static_cast<std::size_t>(row)];
  cells[kColLetter] = QString::fromUtf8(letter);
  cells[kColRx] = QString::fromUtf8(rx);
  cells[kColTx] = QString::fromUtf8(tx);
  return t;
}

TEST(ExtraInfoCheck, CommaFrequencyUnderAPointSeparatorIsStoredAndShownNormalised) {
  ExtraInfoTexts t = Row(0, "U", "145,800");
  const ExtraInfoResult r = CheckExtraInfo(t, {}, '.');
  ASSERT_EQ(r.problem, ExtraInfoProblem::None);
  EXPECT_FALSE(r.beep);
  EXPECT_EQ(r.data.modes[0].letter, "U");
  EXPECT_DOUBLE_EQ(static_cast<double>(r.data.modes[0].rxMHz), 145.8);
  EXPECT_EQ(r.data.modes[0].txMHz, 0);
  EXPECT_EQ(r.frequencyTexts[0][0], QStringLiteral("145.800"));  // written back to the cell
}

TEST(ExtraInfoCheck, PointFrequencyUnderACommaSeparatorIsStoredAsWell) {
  ExtraInfoTexts t = Row(0, "U", "145.800");
  const ExtraInfoResult r = CheckExtraInfo(t, {}, ',');
  ASSERT_EQ(r.problem, ExtraInfoProblem::None);
  EXPECT_DOUBLE_EQ(static_cast<double>(r.data.modes[0].rxMHz), 145.8);
  EXPECT_EQ(r.frequencyTexts[0][0], QStringLiteral("145,800"));
}

TEST(ExtraInfoCheck, BothSeparatorsBeepAndFailOnTheirCell) {
  for (const char separator : {'.', ','}) {
    ExtraInfoTexts t = Row(0, "U", "145,800.5");
    const ExtraInfoResult r = CheckExtraInfo(t, {}, separator);
    EXPECT_TRUE(r.beep);
    EXPECT_EQ(r.problem, ExtraInfoProblem::IncorrectFrequency);
    EXPECT_EQ(r.field, ExtraInfoField::GridCell);
    EXPECT_EQ(r.row, 0);
    EXPECT_EQ(r.column, kColRx);
    EXPECT_EQ(r.frequencyTexts[0][0], QStringLiteral("145,800.5"));  // left as typed
  }
}

TEST(ExtraInfoCheck, NegativeAndNonNumericFrequenciesAreRefused) {
  EXPECT_EQ(CheckExtraInfo(Row(2, "V", "", "-435.1"), {}, '.').problem,
            ExtraInfoProblem::IncorrectFrequency);
  const ExtraInfoResult r = CheckExtraInfo(Row(2, "V", "", "-435.1"), {}, '.');
  EXPECT_EQ(r.row, 2);
  EXPECT_EQ(r.column, kColTx);
  EXPECT_EQ(CheckExtraInfo(Row(0, "V", "abc"), {}, '.').problem,
            ExtraInfoProblem::IncorrectFrequency);
  EXPECT_EQ(CheckExtraInfo(Row(0, "V", "1e999"), {}, '.').problem,
            ExtraInfoProblem::IncorrectFrequency);
}

TEST(ExtraInfoCheck, EmptyLetterWithAFrequencyAsksForALetter) {
  const ExtraInfoResult r = CheckExtraInfo(Row(3, "", "", "435.1"), {}, '.');
  EXPECT_EQ(r.problem, ExtraInfoProblem::LetterMissing);
  EXPECT_EQ(r.row, 3);
  EXPECT_EQ(r.column, kColLetter);
  EXPECT_EQ(ExtraInfoMessage(r.problem), QStringLiteral("Enter one character for mode, please !"));
}

TEST(ExtraInfoCheck, LetterRules) {
  EXPECT_EQ(CheckExtraInfo(Row(0, "UV", "145.9"), {}, '.').problem,
            ExtraInfoProblem::LetterTooLong);
  EXPECT_EQ(CheckExtraInfo(Row(5, "/", "145.9"), {}, '.').problem, ExtraInfoProblem::SlashLetter);
  EXPECT_EQ(CheckExtraInfo(Row(5, "/", "145.9"), {}, '.').row, 5);
  // A letter the file cannot hold in one byte is more than one character there.
  EXPECT_EQ(CheckExtraInfo(Row(0, "Ж", "145.9"), {}, '.').problem,
            ExtraInfoProblem::LetterTooLong);
  // A lone blank is no letter.
  EXPECT_EQ(CheckExtraInfo(Row(0, " ", "145.9"), {}, '.').problem,
            ExtraInfoProblem::LetterMissing);
}

TEST(ExtraInfoCheck, TheFirstFailureInCheckOrderWins) {
  // Row 1 has no letter (check 1), the schedule names an unknown mode (2), ALAT and ALON
  // are out of range (3, 4) and the MAs repeat (5): check 1 speaks.
  ExtraInfoTexts t = Row(1, "", "145.9");
  t.mode[0] = QStringLiteral("Z");
  t.alat = QStringLiteral("91");
  t.alon = QStringLiteral("361");
  t.ma[0] = QStringLiteral("5");
  t.ma[1] = QStringLiteral("5");
  EXPECT_EQ(CheckExtraInfo(t, {}, '.').problem, ExtraInfoProblem::LetterMissing);
  t.grid[1][kColLetter] = QStringLiteral("B");
  EXPECT_EQ(CheckExtraInfo(t, {}, '.').problem, ExtraInfoProblem::UndefinedMode);
  EXPECT_EQ(CheckExtraInfo(t, {}, '.').field, ExtraInfoField::Mode);
  t.mode[0] = QStringLiteral("B");
  EXPECT_EQ(CheckExtraInfo(t, {}, '.').problem, ExtraInfoProblem::IncorrectAlat);
  t.alat = QStringLiteral("-90");
  EXPECT_EQ(CheckExtraInfo(t, {}, '.').problem, ExtraInfoProblem::IncorrectAlon);
  t.alon = QStringLiteral("360");
  const ExtraInfoResult r = CheckExtraInfo(t, {}, '.');
  EXPECT_EQ(r.problem, ExtraInfoProblem::MaNotIncreasing);
  EXPECT_EQ(r.field, ExtraInfoField::Ma);
  EXPECT_EQ(r.row, 1);
  t.ma[1] = QStringLiteral("6");
  EXPECT_EQ(CheckExtraInfo(t, {}, '.').problem, ExtraInfoProblem::None);
}

TEST(ExtraInfoCheck, ScheduleOfThreeIncreasingMas) {
  ExtraInfoTexts t;
  const char* letters[] = {"B", "J", "L"};
  const char* mas[] = {"0", "100", "200"};
  for (int i = 0; i < 3; ++i) {
    t.grid[static_cast<std::size_t>(i)][kColLetter] = QString::fromLatin1(letters[i]);
    t.ma[static_cast<std::size_t>(i)] = QString::fromLatin1(mas[i]);
    t.mode[static_cast<std::size_t>(i)] = QString::fromLatin1(letters[i]);
  }
  const ExtraInfoResult ok = CheckExtraInfo(t, {}, '.');
  ASSERT_EQ(ok.problem, ExtraInfoProblem::None);
  EXPECT_EQ(ok.data.maSchedule, "0:B/100:J/200:L/");

  t.ma[2] = QStringLiteral("100");
  const ExtraInfoResult repeated = CheckExtraInfo(t, {}, '.');
  EXPECT_EQ(repeated.problem, ExtraInfoProblem::MaNotIncreasing);
  EXPECT_EQ(repeated.row, 2);
  EXPECT_EQ(ExtraInfoMessage(repeated.problem),
            QStringLiteral("Successive MAs must be increasing integers !"));
}

TEST(ExtraInfoCheck, MaOutOfRangeOrAfterAGapIsRefused) {
  ExtraInfoTexts t;
  t.ma[0] = QStringLiteral("256");
  EXPECT_EQ(CheckExtraInfo(t, {}, '.').problem, ExtraInfoProblem::MaNotIncreasing);
  t.ma[0] = QStringLiteral("1.5");
  EXPECT_EQ(CheckExtraInfo(t, {}, '.').problem, ExtraInfoProblem::MaNotIncreasing);
  t.ma[0] = QString();
  t.ma[1] = QStringLiteral("10");  // MA1 empty before a filled MA2
  EXPECT_EQ(CheckExtraInfo(t, {}, '.').problem, ExtraInfoProblem::MaNotIncreasing);
  EXPECT_EQ(CheckExtraInfo(t, {}, '.').row, 1);
}

TEST(ExtraInfoCheck, AttitudeNeedsBothAnglesAndAFailureLeavesTheRecordAsItWas) {
  orbit::SatRadioData current;
  current.currentMode = "B";
  current.hasAttitude = true;
  current.alat = 10;
  current.alon = 20;
  current.modes[0].letter = "B";
  current.modes[0].rxMHz = 435.1L;

  ExtraInfoTexts t = Row(0, "U", "145.9");
  t.alat = QStringLiteral("-12.5");
  const ExtraInfoResult noLon = CheckExtraInfo(t, current, '.');
  ASSERT_EQ(noLon.problem, ExtraInfoProblem::None);
  EXPECT_FALSE(noLon.data.hasAttitude);  // an empty ALON clears the attitude
  EXPECT_EQ(noLon.data.currentMode, "B");
  EXPECT_EQ(noLon.data.modes[0].letter, "U");

  t.alon = QStringLiteral("180");
  const ExtraInfoResult both = CheckExtraInfo(t, current, '.');
  ASSERT_EQ(both.problem, ExtraInfoProblem::None);
  EXPECT_TRUE(both.data.hasAttitude);
  EXPECT_DOUBLE_EQ(static_cast<double>(both.data.alat), -12.5);
  EXPECT_DOUBLE_EQ(static_cast<double>(both.data.alon), 180);

  // Row 0 passes, row 1 fails: nothing of row 0 is handed back as accepted data.
  t.grid[1][kColLetter] = QStringLiteral("XY");
  const ExtraInfoResult failed = CheckExtraInfo(t, current, '.');
  EXPECT_EQ(failed.problem, ExtraInfoProblem::LetterTooLong);
  EXPECT_TRUE(failed.rowChecked[0]);
  EXPECT_FALSE(failed.rowChecked[1]);
  EXPECT_EQ(current.modes[0].letter, "B");  // the caller's record is a copy's source only
}

TEST(ExtraInfoCheck, TextsOfARecordAreWhatTheWindowOpensWith) {
  orbit::SatRadioData d;
  d.modes[0] = {"B", "Mode B", 435.1L, 145.9L, "USB", "LSB"};
  d.modes[3] = {"J", "", 0, 145.85L, "", ""};
  d.hasAttitude = true;
  d.alat = -7.5L;
  d.alon = 180;
  d.maSchedule = "0:B/128:J/";
  const ExtraInfoTexts t = TextsOf(d, ',');
  EXPECT_EQ(t.grid[0][kColLetter], QStringLiteral("B"));
  EXPECT_EQ(t.grid[0][kColComment], QStringLiteral("Mode B"));
  EXPECT_EQ(t.grid[0][kColRx], QStringLiteral("435,1"));
  EXPECT_EQ(t.grid[0][kColRxOps], QStringLiteral("USB"));
  EXPECT_EQ(t.grid[0][kColTx], QStringLiteral("145,9"));
  EXPECT_EQ(t.grid[0][kColTxOps], QStringLiteral("LSB"));
  EXPECT_EQ(t.grid[3][kColRx], QString());  // 0 shows empty
  EXPECT_EQ(t.grid[3][kColTx], QStringLiteral("145,85"));
  EXPECT_EQ(t.alat, QStringLiteral("-7,5"));
  EXPECT_EQ(t.alon, QStringLiteral("180"));
  EXPECT_EQ(t.ma[0], QStringLiteral("0"));
  EXPECT_EQ(t.mode[0], QStringLiteral("B"));
  EXPECT_EQ(t.ma[1], QStringLiteral("128"));
  EXPECT_EQ(t.mode[1], QStringLiteral("J"));
  EXPECT_EQ(t.ma[2], QString());
  EXPECT_EQ(TextsOf({}, '.').alat, QString());  // no attitude: empty edits

  // And the texts of a record check back into the same record.
  const ExtraInfoResult again = CheckExtraInfo(t, d, ',');
  ASSERT_EQ(again.problem, ExtraInfoProblem::None);
  EXPECT_EQ(again.data.maSchedule, d.maSchedule);
  EXPECT_EQ(again.data.modes[0].comment, "Mode B");
  EXPECT_DOUBLE_EQ(static_cast<double>(again.data.modes[3].txMHz), 145.85);
}

}  // namespace
}  // namespace tracking
