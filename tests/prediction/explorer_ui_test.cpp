#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

#include "base/ansi_text.h"
#include "orbit/sun.h"
#include "prediction/ephemeris_row.h"
#include "prediction/form_date.h"
#include "prediction/panel_explorer.h"
#include "sample_slots.h"

namespace prediction {
namespace {

using testing::LoadSample;
using testing::Station;
using testing::Utc;

int Column(const std::string& row, std::size_t from, std::size_t width) {
  return std::stoi(row.substr(from, width));
}

struct Explorer : ::testing::Test {
  void SetUp() override {
    ExplorerEnvironment env;
    env.slotTable = &table;
    env.search = &st.ctx;
    env.sounds = &sounds;
    env.dialogs = &dialogs;
    env.timerRunning = [this] { return timerOn; };
    env.setTimerRunning = [this](bool on) { timerOn = on; };
    env.stopTracking = [this] { ++stops; };
    env.currentYear = [] { return 2018; };
    panel = std::make_unique<PanelExplorer>(env);
  }
  void Load(int n, const std::string& name) {
    ASSERT_TRUE(LoadSample(table[static_cast<std::size_t>(n - 1)], name)) << name;
    ASSERT_TRUE(SearchPass(st.ctx, table[static_cast<std::size_t>(n - 1)]));
  }
  // The rows of a shown pass against evaluations of their own minute.
  void ExpectRowsMatchTheirMinutes(const PassSlot& slot) {
    const auto& rows = panel->LocalRows();
    ASSERT_EQ(static_cast<int>(rows.size()), slot.rows.count);
    ASSERT_EQ(panel->ListBoxEphemerids->count(), slot.rows.count);
    for (std::size_t k = 0; k < rows.size(); ++k) {
      SCOPED_TRACE(rows[k]);
      const std::string& row = rows[k];
      ASSERT_EQ(row.size(), 73u);
      const Real utc = slot.passStart + static_cast<Real>(k) / 1440;
      Real shown = 0;
      ASSERT_TRUE(ParseRowTime(row, &shown));
      EXPECT_NEAR(static_cast<double>(shown), static_cast<double>(utc + 1.0L / 24), 1e-7);
      const orbit::ObserverView v = testing::ViewAt(slot, st.ctx.station, utc);
      EXPECT_GE(v.elevation, -1);
      EXPECT_NEAR(Column(row, 19, 3), static_cast<double>(v.elevation), 1.0);
      const double az = std::fabs(Column(row, 23, 4) - static_cast<double>(v.azimuth));
      EXPECT_LE(std::min(az, 360 - az), 1.5);
      EXPECT_NEAR(Column(row, 28, 7), static_cast<double>(v.range), 5.0);
      EXPECT_NEAR(Column(row, 36, 7), static_cast<double>(v.distance - orbit::kEarthRadiusKm), 3.0);
      const char ns = row[47];
      EXPECT_TRUE(ns == (v.subLatitude >= 0 ? 'N' : 'S') || std::fabs(static_cast<double>(v.subLatitude)) < 0.5);
      EXPECT_EQ(row.substr(66), "      0");  // no radio modes
      EXPECT_EQ(panel->ListBoxEphemerids->item(static_cast<int>(k))->text().toStdString(), row);
    }
  }
  Station st;
  SlotTable table;
  base::RecordingSounds sounds;
  base::RecordingDialogs dialogs;
  bool timerOn = true;
  int stops = 0;
  std::unique_ptr<PanelExplorer> panel;
};

TEST_F(Explorer, RowsOfAPassSeenFromItsStart) {
  Load(1, "ISS (ZARYA)");
  ASSERT_TRUE(panel->ShowEphemeris(1));
  EXPECT_TRUE(panel->isVisible());
  EXPECT_EQ(panel->ShownSlot(), 1);
  ExpectRowsMatchTheirMinutes(table[0]);
  EXPECT_EQ(panel->LabelPositions->text().toStdString(),
            "  DATE & LOCAL TIME  EL   AZ   RANGE   ALTIT  LAT  LONG  PHAx  SQU RX-DOPP");
  EXPECT_EQ(panel->ListBoxEphemerids->toolTip(), QStringLiteral("Take note : LOCAL time !"));
  EXPECT_EQ(panel->MapPassText().toStdString(), panel->LocalRows()[0].substr(0, 20));
  EXPECT_EQ(panel->LabelSatVisible->text(), QStringLiteral("Satellite is currently not visible"));
  const QStringList memo = panel->MemoSatellite->toPlainText().split(QLatin1Char('\n'));
  ASSERT_GE(memo.size(), 12);
  EXPECT_EQ(memo[0], QStringLiteral("ISS (ZARYA)"));
  EXPECT_EQ(memo[1], QStringLiteral("NORAD ID : 25544"));
  EXPECT_TRUE(memo[3].startsWith(QStringLiteral("Epoch (NASA): 18020.89808844")));
  EXPECT_TRUE(memo[4].startsWith(QStringLiteral("Inclination : 51")));
  EXPECT_EQ(stops, 0);  // first opening: nothing to stop
}

TEST_F(Explorer, SatelliteAlreadyInViewStartsAtTheClockMinute) {
  st.SetUtc(21, 0, 45, 20);
  Load(1, "ISS (ZARYA)");
  ASSERT_EQ(table[0].passStart, Utc(21, 0, 45));
  ASSERT_TRUE(panel->ShowEphemeris(1));
  EXPECT_EQ(panel->LocalRows()[0].substr(0, 18), "21 JAN 2018  01:45");
  ExpectRowsMatchTheirMinutes(table[0]);
  // Exactly at a row's minute the Doppler is that row's.
  EXPECT_EQ(panel->DopplerNow(Utc(21, 1, 47)), table[0].rows.doppler[2]);
}

TEST_F(Explorer, APassAcrossMidnightChangesTheDateOnItsRow) {
  // Step through the passes of the evening of the 21st until one crosses local midnight.
  st.SetUtc(21, 21, 0);
  Load(1, "ISS (ZARYA)");
  ASSERT_TRUE(panel->ShowEphemeris(1));
  const char* names[] = {"ISS (ZARYA)", "FOX-1B (AO-91)", "AO-85", "NO-84", "LILACSAT-1", "JUGNU"};
  bool found = false;
  for (const char* name : names) {
    Load(1, name);
    panel->ClearNavigation();
    ASSERT_TRUE(panel->ShowEphemeris(1));
    for (int i = 0; i < 12 && !found; ++i) {
      const auto& rows = panel->LocalRows();
      if (rows.front().substr(0, 2) != rows.back().substr(0, 2)) {
        found = true;
        break;
      }
      panel->NextPass();
    }
    if (found) break;
  }
  ASSERT_TRUE(found);
  const auto& rows = panel->LocalRows();
  ExpectRowsMatchTheirMinutes(table[0]);
  for (std::size_t k = 1; k < rows.size(); ++k) {
    if (rows[k].substr(13, 5) == "00:00") {
      EXPECT_NE(rows[k].substr(0, 11), rows[k - 1].substr(0, 11));
      EXPECT_EQ(rows[k - 1].substr(13, 5), "23:59");
    } else {
      EXPECT_EQ(rows[k].substr(0, 11), rows[k - 1].substr(0, 11));
    }
  }
}

TEST_F(Explorer, EclipseMarksAndTheirLegend) {
  // Winter evening passes over Paris: low-orbit satellites fly in the Earth's shadow.
  st.SetUtc(21, 18, 0);
  bool eclipse = false;
  const char* names[] = {"ISS (ZARYA)", "FOX-1B (AO-91)", "AO-85", "NO-84", "LILACSAT-1"};
  for (const char* name : names) {
    Load(1, name);
    panel->ClearNavigation();
    ASSERT_TRUE(panel->ShowEphemeris(1));
    for (int i = 0; i < 6 && !eclipse; ++i) {
      for (const std::string& r : panel->LocalRows()) eclipse = eclipse || r[18] == '*';
      if (!eclipse) panel->NextPass();
    }
    if (eclipse) break;
  }
  ASSERT_TRUE(eclipse);
  EXPECT_EQ(panel->LabelEclipse->text(), QStringLiteral("(* = satellite in eclipse)"));
  const PassSlot& slot = table[0];
  for (std::size_t k = 0; k < panel->LocalRows().size(); ++k) {
    const std::string& r = panel->LocalRows()[k];
    const Real utc = slot.passStart + static_cast<Real>(k) / 1440;
    const Real altitude = orbit::Round(slot.rows.altitude10[k] / 10);
    const bool sunlit = orbit::TestSunlit(slot.rows.latitude[k], slot.rows.westLongitude[k],
                                          orbit::kEarthRadiusKm + altitude, utc + 1.0L / 24, 1);
    EXPECT_EQ(r[18] == '*', !sunlit) << r;
  }
  // A table without eclipse clears the legend.
  st.SetUtc(21, 12, 0);
  Load(2, "ISS (ZARYA)");
  panel->ShowEphemeris(2);
  bool any = false;
  for (const std::string& r : panel->LocalRows()) any = any || r[18] == '*';
  EXPECT_EQ(panel->LabelEclipse->text().isEmpty(), !any);
}

TEST_F(Explorer, ModeScheduleGivesLettersAndReceiveDoppler) {
  Load(1, "ISS (ZARYA)");
  PassSlot& slot = table[0];
  slot.radio.modes[0].letter = "B";
  slot.radio.modes[0].rxMHz = 435.0L;
  slot.radio.modes[1].letter = "J";
  slot.radio.modes[1].rxMHz = 145.8L;
  slot.radio.maSchedule = "0:B/128:J/";
  ASSERT_TRUE(panel->ShowEphemeris(1));
  const auto& rows = panel->LocalRows();
  for (std::size_t k = 0; k < rows.size(); ++k) {
    const int phase = slot.rows.phase[k];
    const char letter = phase < 128 ? 'B' : 'J';
    EXPECT_EQ(rows[k][59], letter) << rows[k];
    EXPECT_EQ(Column(rows[k], 55, 4), phase);
    const double mhz = letter == 'B' ? 435.0 : 145.8;
    EXPECT_NEAR(Column(rows[k], 66, 7), slot.rows.doppler[k] * mhz / 1000, 0.5001) << rows[k];
  }
  EXPECT_TRUE(panel->MemoSatellite->toPlainText().endsWith(QStringLiteral("MA:Mode=0:B/128:J/")));
}

TEST_F(Explorer, ClickedSlotWithoutAPassDoesNotOpen) {
  Load(1, "ISS (ZARYA)");
  table[0].rows.Clear();
  EXPECT_FALSE(panel->ShowEphemeris(1));
  EXPECT_FALSE(panel->ShowEphemeris(3));  // no satellite
  EXPECT_FALSE(panel->isVisible());
  EXPECT_EQ(panel->ShownSlot(), 0);
}

TEST_F(Explorer, NavigationThroughTheButtons) {
  Load(1, "ISS (ZARYA)");
  Load(2, "AO-85");
  ASSERT_TRUE(panel->ShowEphemeris(1));
  ASSERT_TRUE(panel->ShowEphemeris(2));
  EXPECT_EQ(stops, 1);  // switching satellites stops the tracking
  EXPECT_EQ(panel->PreviousSlot(), 1);
  int searched = 0;
  QObject::connect(panel.get(), &PanelExplorer::SlotSearched, [&](int s) { searched += s == 2; });
  const std::string first = panel->LocalRows().front();
  panel->SpeedButtonNext->click();
  EXPECT_EQ(searched, 1);
  const std::string second = panel->LocalRows().front();
  Real a = 0, b = 0;
  ASSERT_TRUE(ParseRowTime(first, &a));
  ASSERT_TRUE(ParseRowTime(second, &b));
  EXPECT_GT(b, a);
  ExpectRowsMatchTheirMinutes(table[1]);
  panel->SpeedButtonBefore->click();
  // The same pass again; searched from another start, its range may differ by a km.
  EXPECT_EQ(panel->LocalRows().front().substr(0, 18), first.substr(0, 18));
  panel->SpeedButtonBefore->click();
  EXPECT_EQ(sounds.Count("beep"), 1);
  for (int i = 0; i < 3; ++i) panel->NextPass();
  panel->SpeedButtonPrevious->click();
  EXPECT_EQ(panel->LocalRows().front(), first);
  EXPECT_EQ(panel->History().index, 0);
  // With the one-second timer off the buttons do nothing.
  timerOn = false;
  panel->NextPass();
  EXPECT_EQ(panel->LocalRows().front(), first);
  EXPECT_EQ(panel->History().index, 0);
}

TEST_F(Explorer, SavingInUtcWritesUtcRowsUnderTheUtcHeader) {
  Load(1, "ISS (ZARYA)");
  ASSERT_TRUE(panel->ShowEphemeris(1));
  const std::vector<std::string> local = panel->LocalRows();
  panel->SetUtcDisplay(true);
  EXPECT_EQ(panel->LabelPositions->text().toStdString(),
            "  DATE &  UTC  TIME  EL   AZ   RANGE   ALTIT  LAT  LONG  PHAx  SQU RX-DOPP");
  EXPECT_EQ(panel->ListBoxEphemerids->toolTip(), QStringLiteral("Take note : UTC time !"));
  EXPECT_EQ(panel->LocalRows(), local);  // the row table stays local
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("Ephs.txt"));
  panel->SetSaveFileChooser([&] { return path; });
  ASSERT_TRUE(panel->SaveEphemeris());
  QStringList lines;
  ASSERT_EQ(base::ReadAnsiLines(path, &lines), base::TextFileStatus::Ok);
  ASSERT_EQ(lines.size(), static_cast<int>(local.size()) + 2);
  EXPECT_EQ(lines[0], QStringLiteral("ISS (ZARYA)"));
  EXPECT_EQ(lines[1].toStdString(), kFileHeaderUtc);
  for (std::size_t k = 0; k < local.size(); ++k) {
    Real l = 0, u = 0;
    ASSERT_TRUE(ParseRowTime(local[k], &l));
    ASSERT_TRUE(ParseRowTime(lines[static_cast<int>(k) + 2].toStdString(), &u));
    EXPECT_NEAR(static_cast<double>(l - u), 1.0 / 24, 1e-7);
    EXPECT_EQ(lines[static_cast<int>(k) + 2].toStdString().substr(18), local[k].substr(18));
  }
  // Back in local time the local header is written; a cancelled dialog writes nothing.
  panel->SetUtcDisplay(false);
  ASSERT_TRUE(panel->SaveEphemeris());
  ASSERT_EQ(base::ReadAnsiLines(path, &lines), base::TextFileStatus::Ok);
  EXPECT_EQ(lines[1].toStdString(), kFileHeaderLocal);
  EXPECT_EQ(lines[2].toStdString(), local[0]);
  panel->SetSaveFileChooser([] { return QString(); });
  EXPECT_FALSE(panel->SaveEphemeris());
  panel->SetSaveFileChooser([&] { return dir.filePath(QStringLiteral("no/such/dir/x.txt")); });
  EXPECT_FALSE(panel->SaveEphemeris());
  EXPECT_EQ(dialogs.errors.size(), 1);
}

TEST_F(Explorer, SelectingARowAndClosing) {
  Load(1, "ISS (ZARYA)");
  ASSERT_TRUE(panel->ShowEphemeris(1));
  panel->SelectRow(2);
  const PassSlot& slot = table[0];
  EXPECT_EQ(panel->SelectedPoint().latitude, slot.rows.latitude[2]);
  EXPECT_EQ(panel->SelectedPoint().distance,
            orbit::kEarthRadiusKm + orbit::Round(slot.rows.altitude10[2] / 10));
  EXPECT_EQ(panel->SelectedLabel().toStdString(), panel->LocalRows()[2].substr(0, 19));
  int closed = 0;
  QObject::connect(panel.get(), &PanelExplorer::ExplorerClosed, [&](int s) { closed = s; });
  panel->BitBtnClosePanelExplorer->click();
  EXPECT_EQ(closed, 1);
  EXPECT_EQ(panel->ShownSlot(), 0);
  EXPECT_FALSE(panel->isVisible());
  EXPECT_EQ(stops, 1);
}

struct DateWindow : Explorer {
  void SetUp() override {
    Explorer::SetUp();
    form = std::make_unique<TFormDate>(&sounds);
    form->SetHandOverEdit(panel->EditDateOrigine);
  }
  std::unique_ptr<TFormDate> form;
};

TEST_F(DateWindow, UtcEntryIsStoredInLocalTimeAndSearchedFromUtc) {
  st.ctx.localOffsetHours = 2;
  Load(1, "ISS (ZARYA)");
  ASSERT_TRUE(panel->ShowEphemeris(1));
  panel->SetUtcDisplay(true);
  form->ShowDateWindow(0, st.clock.Now(), 2, true);
  EXPECT_TRUE(form->RadioButtondateCourante->isChecked());
  EXPECT_EQ(form->LabelDateTime->text(), QStringLiteral(" UTC     DD/MMM/YYYY    HH:MN"));
  form->RadioButtonDatePerso->setChecked(true);
  form->EditStartDay->setText(QStringLiteral("25"));
  form->EditStartHour->setText(QStringLiteral("12"));
  form->EditStartMin->setText(QStringLiteral("0"));
  form->ConfirmDate();
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(panel->EditDateOrigine->text(), QStringLiteral("25JAN20181200"));
  EXPECT_NEAR(static_cast<double>(table[0].calculationDate),
              static_cast<double>(orbit::EncodeDateTimeValue(2018, 1, 25, 14, 0)), 1e-9);
  EXPECT_GE(table[0].passStart, Utc(25, 12, 0));
  EXPECT_LT(table[0].passStart, Utc(26, 12, 0));
  EXPECT_EQ(stops, 1);
  // The window shows the stored date again, in UTC.
  form->ShowDateWindow(table[0].calculationDate, st.clock.Now(), 2, true);
  EXPECT_TRUE(form->RadioButtonDatePerso->isChecked());
  EXPECT_EQ(form->EditStartHour->text(), QStringLiteral("12"));
  // The same date again changes nothing; "Current date" searches from now again.
  const int before = stops;
  form->ConfirmDate();
  EXPECT_EQ(stops, before);
  form->RadioButtondateCourante->setChecked(true);
  form->ConfirmDate();
  EXPECT_EQ(table[0].calculationDate, 0);
  EXPECT_LT(table[0].passStart, Utc(22, 12, 0));
}

TEST_F(DateWindow, SteppingTypingAndTheOneDigitMinute) {
  form->ShowDateWindow(orbit::EncodeDateTimeValue(2024, 2, 28, 23, 59), 0, 1, false);
  EXPECT_EQ(form->LabelDateTime->text(), QStringLiteral("LOCAL    DD/MMM/YYYY    HH:MN"));
  form->UpDownStartDateClick(true);
  EXPECT_EQ(form->EditStartDay->text() + form->EditStartMonth->text(), QStringLiteral("29FEB"));
  form->UpDownStartDateClick(true);
  EXPECT_EQ(form->EditStartDay->text() + form->EditStartMonth->text(), QStringLiteral(" 1MAR"));
  form->UpDownStartTimeClick(true);
  EXPECT_EQ(form->EditStartHour->text() + form->EditStartMin->text(), QStringLiteral("0000"));
  EXPECT_EQ(form->EditStartDay->text(), QStringLiteral(" 1"));  // the date stays
  form->EditStartHour->setText(QString());
  form->EditStartHour->insert(QStringLiteral("24"));
  EXPECT_EQ(form->EditStartHour->text(), QStringLiteral("00"));
  EXPECT_EQ(sounds.Count("beep"), 1);
  form->EditStartMin->clear();
  form->EditStartMin->insert(QStringLiteral("-"));
  EXPECT_TRUE(form->EditStartMin->text().isEmpty());
  EXPECT_EQ(sounds.Count("beep"), 2);
  form->ConfirmDate();  // empty minute: refused
  EXPECT_EQ(sounds.Count("beep"), 3);
  form->EditStartMin->insert(QStringLiteral("7"));
  form->ConfirmDate();
  EXPECT_EQ(panel->EditDateOrigine->text(), QStringLiteral(" 1MAR20240007"));
}

}  // namespace
}  // namespace prediction
