// The one-second tick on the real window: the countdown across a minute, the rise
// alarm with its blink, and the search of the next pass once one has ended.
#include <QCheckBox>
#include <QSpinBox>
#include <QTimer>

#include "tests/app/ui_fixture.h"

namespace app::test {
namespace {

class TickTest : public UiTest {
 protected:
  // Starts with two satellites computed at the sample time; returns the slot index (0..)
  // whose pass starts first.
  int StartComputed() {
    CopySampleElements();
    // Both rise over Paris within a few hours of the sample time.
    WriteSettings({QStringLiteral("41789"), QStringLiteral("25544")},
                  {QStringLiteral("PREVIEW=OFF")});
    TForm1& f = Start();
    f.TimerFinCreateTimer();
    // The slot whose pass starts first, not already in progress.
    const auto& table = f.Slots();
    int best = -1;
    for (int i = 0; i < 2; ++i) {
      const QString delay = SlotText(i + 1).mid(12, 5);
      if (delay == QStringLiteral("00h00") || delay.startsWith(QLatin1Char('#'))) continue;
      if (best < 0 || table[static_cast<std::size_t>(i)].passStart <
                          table[static_cast<std::size_t>(best)].passStart)
        best = i;
    }
    EXPECT_GE(best, 0);
    return std::max(best, 0);
  }

  // Local date-time value of a UTC one (the settings file says local = UTC + 1 h).
  static double Local(double utc) { return utc + 1.0 / 24; }

  // Recomputes every slot from the clock as "EXPLORE" does.
  void Explore() {
    form->MenuInitialisation->trigger();
    form->BitBtn_OK_Location->click();
    ASSERT_TRUE(form->CompactListShowing());
  }
};

TEST_F(TickTest, RiseCountsDownAcrossAMinuteWithOneBeepWhenTheAlarmBoxIsOff) {
  const int first = StartComputed();
  TForm1& f = *form;
  const double start = static_cast<double>(f.Slots()[static_cast<std::size_t>(first)].passStart);
  ASSERT_GT(start, 0);
  // Thirty seconds before the rise the slot reads 00h01.
  clock.Set(Local(start) - 30.0 / 86400);
  Explore();
  const int slot = first + 1;
  ASSERT_EQ(SlotText(slot).mid(12, 5), QStringLiteral("00h01")) << SlotText(slot).toStdString();
  const QString duration = SlotText(slot).mid(18, 5);
  sounds.calls.clear();
  EXPECT_FALSE(f.CheckBoxAlarme->isChecked());
  // A tick within the same minute changes nothing.
  clock.AdvanceSeconds(5);
  f.TimersecondeTimer();
  EXPECT_EQ(SlotText(slot).mid(12, 5), QStringLiteral("00h01"));
  EXPECT_EQ(sounds.calls.size(), 0);
  // The minute changes: the satellite rises.
  clock.AdvanceSeconds(40);
  f.TimersecondeTimer();
  EXPECT_EQ(SlotText(slot).mid(12, 5), QStringLiteral("00h00"));
  EXPECT_EQ(SlotText(slot).mid(18, 5), duration);
  EXPECT_EQ(SlotColour(slot), QColor(0, 255, 0));
  EXPECT_EQ(sounds.Count(QStringLiteral("information")), 1);
  EXPECT_EQ(f.AlarmBeepCount(), 1);
  EXPECT_TRUE(f.TimerBlink->isActive());
  EXPECT_TRUE(f.Timerseconde->isActive());
  // The blink whitens it; the next tick makes it green again, still without sound.
  f.TimerBlinkTimer();
  EXPECT_EQ(SlotColour(slot), QColor(255, 255, 255));
  clock.AdvanceSeconds(1);
  f.TimersecondeTimer();
  EXPECT_EQ(SlotColour(slot), QColor(0, 255, 0));
  EXPECT_EQ(sounds.Count(QStringLiteral("information")), 1);
  EXPECT_EQ(f.AlarmBeepCount(), 2);
}

TEST_F(TickTest, WithTheAlarmBoxTheSoundGoesOnForItsLength) {
  const int first = StartComputed();
  TForm1& f = *form;
  f.CheckBoxAlarme->setChecked(true);
  f.SpinEditDureeAlarme->setValue(4);
  const double start = static_cast<double>(f.Slots()[static_cast<std::size_t>(first)].passStart);
  clock.Set(Local(start) - 30.0 / 86400);
  Explore();
  sounds.calls.clear();
  clock.AdvanceSeconds(45);
  f.TimersecondeTimer();  // rise: one sound
  for (int i = 0; i < 6; ++i) {
    clock.AdvanceSeconds(1);
    f.TimersecondeTimer();
  }
  // The rise and 3 more ticks until the count reaches the length.
  EXPECT_EQ(sounds.Count(QStringLiteral("information")), 4);
  EXPECT_EQ(f.AlarmBeepCount(), 0);
}

TEST_F(TickTest, AnEndedPassIsSearchedAgain) {
  const int first = StartComputed();
  TForm1& f = *form;
  const auto& slot = f.Slots()[static_cast<std::size_t>(first)];
  const double start = static_cast<double>(slot.passStart);
  clock.Set(Local(start) + 10.0 / 86400);
  Explore();
  const int line = first + 1;
  ASSERT_EQ(SlotText(line).mid(12, 5), QStringLiteral("00h00"));
  const double oldStart = static_cast<double>(slot.passStart);
  // Minute after minute until the duration runs out and the next pass is shown.
  int minutes = 0;
  while (SlotText(line).mid(12, 5) == QStringLiteral("00h00") && minutes < 60) {
    clock.AdvanceSeconds(60);
    f.TimersecondeTimer();
    ++minutes;
  }
  EXPECT_LT(minutes, 60);
  EXPECT_NE(SlotText(line).mid(12, 5), QStringLiteral("00h00"));
  EXPECT_EQ(SlotText(line).size(), 23);
  EXPECT_GT(static_cast<double>(slot.passStart), oldStart);
  EXPECT_NE(SlotColour(line), QColor(0, 255, 0));
}

TEST_F(TickTest, DelaysCountDownOneMinutePerMinuteTick) {
  const int first = StartComputed();
  TForm1& f = *form;
  const int other = first + 1;
  const QString before = SlotText(other).mid(12, 5);
  ASSERT_NE(before, QStringLiteral("00h00"));
  const int h = before.left(2).toInt();
  const int m = before.mid(3, 2).toInt();
  clock.AdvanceSeconds(60);
  f.TimersecondeTimer();
  const int total = h * 60 + m - 1;
  EXPECT_EQ(SlotText(other).mid(12, 5), QStringLiteral("%1h%2")
                                            .arg(total / 60, 2, 10, QLatin1Char('0'))
                                            .arg(total % 60, 2, 10, QLatin1Char('0')));
}

TEST_F(TickTest, NoTickWorksOnceQuitting) {
  StartComputed();
  TForm1& f = *form;
  f.MenuNoConfirm->setChecked(true);
  f.MenuQuitterClick();
  ASSERT_TRUE(f.Quitting());
  const QString text = SlotText(1);
  f.Timerseconde->start();
  clock.AdvanceSeconds(120);
  f.TimersecondeTimer();
  EXPECT_EQ(SlotText(1), text);
  EXPECT_FALSE(f.Timerseconde->isActive());
}

}  // namespace
}  // namespace app::test
