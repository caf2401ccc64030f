// Tracking on the main window: a pass of the sample file tracked on a recording GS-232,
// the antenna pages of the settings panel, the stops at the settings panel and at quit.
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <functional>

#include "base/wait.h"
#include "prediction/panel_explorer.h"
#include "tests/app/ui_fixture.h"
#include "tracking/form_alarm.h"
#include "tracking/page_control_antenne.h"
#include "tracking/radio_group.h"
#include "tracking/tracking_controller.h"
#include "tracking/tracking_options.h"

namespace app::test {
namespace {

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

class TrackingUiTest : public UiTest {
 protected:
  // ISS over Paris with a GS-232 on ttyS0; the clock a minute before the first pass.
  TForm1& StartBeforePass(const QStringList& extra = {}) {
    CopySampleElements();
    QStringList keys = {QStringLiteral("PREVIEW=OFF"), QStringLiteral("ANT=GS232"),
                        QStringLiteral("PORT_GS232=S0")};
    keys.append(extra);
    WriteSettings({QStringLiteral("25544")}, keys);
    TForm1& f = Start();
    f.TimerFinCreateTimer();
    aos = static_cast<double>(f.Slots()[0].passStart);
    los = static_cast<double>(f.Slots()[0].passEnd);
    clock.Set(Local(aos) - 60.0 / 86400);
    f.MenuInitialisation->trigger();
    f.BitBtn_OK_Location->click();
    EXPECT_TRUE(f.CompactListShowing());
    f.ShowSlot(1);
    EXPECT_TRUE(f.ExplorerShowing());
    return f;
  }

  static double Local(double utc) { return utc + 1.0 / 24; }

  // Ticks once a second until the clock reaches `localTime`.
  void TickUntil(double localTime) {
    while (clock.Now() < localTime) {
      clock.AdvanceSeconds(1);
      form->TimersecondeTimer();
    }
  }

  std::vector<std::string>& GsWrites() { return serial[0].writes; }

  static std::string Command(int az, int el) {
    char text[16];
    std::snprintf(text, sizeof text, "W%03d %03d\r", az, el);
    return text;
  }

  double aos = 0, los = 0;
};

TEST_F(TrackingUiTest, APassIsTrackedFromThePrePositionToTheStopAtItsEnd) {
  reports.tcpConnected = true;
  TForm1& f = StartBeforePass();
  ASSERT_TRUE(f.SpeedButtonTrack->isEnabled());
  EXPECT_TRUE(f.SpeedButtonTrack->toolTip().contains(
      QStringLiteral("[Ant=GS232/ttyS0/4800/Stop:N/El max:90/El min:0]")))
      << f.SpeedButtonTrack->toolTip().toStdString();
  EXPECT_EQ(f.EditElevation->text(), QStringLiteral("####"));

  // Before AOS the click pre-positions the antenna at the rise point.
  const prediction::PassSlot& slot = f.Slots()[0];
  const int riseAz = slot.rows.azimuth[0];
  const int riseEl = slot.rows.elevation[0];
  QTest::mouseClick(f.SpeedButtonTrack, Qt::LeftButton);
  EXPECT_TRUE(f.SpeedButtonTrack->isChecked());
  EXPECT_TRUE(f.Tracking().TrackingActive);
  ASSERT_EQ(GsWrites().size(), 1u);
  EXPECT_EQ(GsWrites()[0], Command(riseAz, riseEl));
  EXPECT_EQ(serial[0].name, QStringLiteral("ttyS0"));

  // Not in view: the AOS line goes out once.
  TickUntil(Local(aos) - 30.0 / 86400);
  ASSERT_EQ(reports.tcpLines.size(), 1);
  // The rise point of 19:02 UTC as the reference formulas give it for a search from 19:01,
  // when the location was confirmed: azimuth 164, elevation 0, 13330 ppb (-13330e-9 times
  // the speed of light in km/s).
  EXPECT_EQ(reports.tcpLines[0],
            QStringLiteral("ISS (ZARYA) AZ:164.0 EL:0.0 RR:-3.99623346514 AH:N"))
      << reports.tcpLines[0].toStdString();

  // In view: positions shown, commands sent as the satellite moves, a line per second.
  TickUntil(Local(aos) + 4 * 60.0 / 86400);
  EXPECT_NE(f.EditElevation->text(), QStringLiteral("####"));
  EXPECT_NE(f.EditDoppler->text(), QStringLiteral("####"));
  EXPECT_EQ(f.Explorer()->LabelSatVisible->text(), QStringLiteral("Satellite is visible"));
  EXPECT_GT(GsWrites().size(), 10u);
  for (const std::string& w : GsWrites()) EXPECT_EQ(w.front(), 'W') << w;
  EXPECT_GT(reports.tcpLines.size(), 200);
  EXPECT_TRUE(reports.tcpLines.last().endsWith(QStringLiteral(" AH:Y")));
  EXPECT_GE(f.Tracking().CurrentRow, 3);

  // The pass ends: the explorer moves on and tracking stops with "S".
  TickUntil(Local(los) + 2 * 60.0 / 86400);
  EXPECT_FALSE(f.Tracking().TrackingActive);
  EXPECT_FALSE(f.SpeedButtonTrack->isChecked());
  EXPECT_EQ(GsWrites().back(), "S\r");
  EXPECT_FALSE(serial[0].open);
  EXPECT_EQ(f.EditElevation->text(), QStringLiteral("####"));
  EXPECT_GT(static_cast<double>(f.Slots()[0].passStart), aos);
}

// The real pause of the senders keeps the window alive; whatever happens inside one (a
// timer firing, an explorer action restarting the timer) must not run a second tick.
TEST_F(TrackingUiTest, NoTickRunsInsideASendersPauseOrInsideAnotherTick) {
  std::function<void()> insidePause;
  tracking::RotatorBank::Links links;
  for (std::size_t i = 0; i < serial.size(); ++i) links.serial[i] = &serial[i];
  links.arswin = &arswin;
  links.launcher = &launcher;
  bank = std::make_unique<tracking::RotatorBank>(links, [&](int) {
    if (insidePause) insidePause();
  });
  reports.tcpConnected = true;
  TForm1& f = StartBeforePass();
  ASSERT_TRUE(f.Timerseconde->isActive());

  // A tick due while the pre-position command pauses: it waits for the next second.
  int fired = 0;
  const QString before = f.EditTime->text();
  insidePause = [&] {
    clock.AdvanceSeconds(5);
    QTimer::singleShot(0, &f, [&] {
      ++fired;
      f.TimersecondeTimer();
    });
    base::WaitMilliseconds(2);
  };
  QTest::mouseClick(f.SpeedButtonTrack, Qt::LeftButton);
  insidePause = nullptr;
  ASSERT_TRUE(f.Tracking().TrackingActive);
  EXPECT_EQ(fired, 1);
  EXPECT_EQ(f.EditTime->text(), before);
  EXPECT_TRUE(f.Timerseconde->isActive());

  // In view, each second's command pauses; inside the pause the timer is restarted and fires.
  TickUntil(Local(aos) + 60.0 / 86400);
  ASSERT_FALSE(reports.tcpLines.isEmpty());
  const qsizetype lines = reports.tcpLines.size();
  int pauses = 0;
  insidePause = [&] {
    ++pauses;
    f.Timerseconde->start();
    f.TimersecondeTimer();
  };
  for (int second = 0; second < 60; ++second) {
    clock.AdvanceSeconds(1);
    f.TimersecondeTimer();
  }
  insidePause = nullptr;
  EXPECT_GT(pauses, 0);
  EXPECT_EQ(reports.tcpLines.size() - lines, 60);  // one line per second, none twice
}

TEST_F(TrackingUiTest, ResumeAfterThePassPrePositionsForTheNextOne) {
  TForm1& f = StartBeforePass({QStringLiteral("TRACK_NOSTOP=YES")});
  EXPECT_TRUE(f.TrackingOptionsBox->CheckBoxTrackNoStop->isChecked());
  QTest::mouseClick(f.SpeedButtonTrack, Qt::LeftButton);
  TickUntil(Local(los) + 2 * 60.0 / 86400);
  const prediction::PassSlot& next = f.Slots()[0];
  ASSERT_GT(static_cast<double>(next.passStart), aos);
  EXPECT_TRUE(f.Tracking().TrackingActive);
  EXPECT_TRUE(f.SpeedButtonTrack->isChecked());
  // The stop, then the new rise point.
  ASSERT_GE(GsWrites().size(), 2u);
  EXPECT_EQ(GsWrites()[GsWrites().size() - 2], "S\r");
  EXPECT_EQ(GsWrites().back(), Command(next.rows.azimuth[0], next.rows.elevation[0]));
}

TEST_F(TrackingUiTest, SettingsPanelStopsTrackingAndParkSendsTheTestPosition) {
  TForm1& f = StartBeforePass({QStringLiteral("TESTAZ_GS232=123"),
                               QStringLiteral("TESTEL_GS232=6")});
  QTest::mouseClick(f.SpeedButtonTrack, Qt::LeftButton);
  ASSERT_TRUE(f.Tracking().TrackingActive);
  ASSERT_EQ(GsWrites().size(), 1u);
  // Park while tracking: the stop first, then the test position.
  f.PageControlAntenne->Controls(tracking::Interface::Gs232).park->click();
  QTest::mouseClick(f.SpeedButtonPark, Qt::LeftButton);
  EXPECT_FALSE(f.Tracking().TrackingActive);
  EXPECT_FALSE(f.SpeedButtonTrack->isChecked());
  EXPECT_EQ(GsWrites(), (std::vector<std::string>{GsWrites()[0], "S\r", "W123 006\r"}));
  EXPECT_FALSE(serial[0].open);  // the Test opened the port and closed it again

  // Tracking again, then the settings panel: the rotator stops, the button is released.
  QTest::mouseClick(f.SpeedButtonTrack, Qt::LeftButton);
  ASSERT_TRUE(f.Tracking().TrackingActive);
  f.MenuInitialisation->trigger();
  EXPECT_TRUE(f.SettingsPanelShowing());
  EXPECT_FALSE(f.Tracking().TrackingActive);
  EXPECT_EQ(GsWrites().back(), "S\r");
  EXPECT_FALSE(serial[0].open);
}

TEST_F(TrackingUiTest, AntennaPagesShowOnAntAndTheirKeysReachTheSettingsFile) {
  CopySampleElements();
  WriteSettings({QStringLiteral("25544")}, {});
  TForm1& f = Start();
  f.TimerFinCreateTimer();
  f.MenuInitialisation->trigger();
  ASSERT_TRUE(f.SettingsPanelShowing());
  EXPECT_FALSE(f.SpeedButtonTrack->isEnabled());
  f.BitBtnAntenne->click();
  EXPECT_FALSE(f.GroupBoxAntenna->isHidden());
  EXPECT_TRUE(f.GroupBoxSatellite->isHidden());

  tracking::PageControlAntenne::Tab& gs = f.PageControlAntenne->Controls(tracking::Interface::Gs232);
  gs.port->SetItemIndex(1);  // ttyUSB0
  f.PageControlAntenne->PortGroupClick(tracking::Interface::Gs232);
  gs.select->click();
  gs.step->setValue(3);
  gs.stop->SetItemIndex(1);
  gs.ok->click();
  EXPECT_TRUE(f.GroupBoxAntenna->isHidden());
  EXPECT_FALSE(f.GroupBoxSatellite->isHidden());
  EXPECT_TRUE(f.SpeedButtonTrack->isEnabled());
  EXPECT_TRUE(f.TrackingOptionsBox->CheckBoxOverlap->isEnabled());
  EXPECT_EQ(f.TrackingOptionsBox->CheckBoxOverlap->text(), QStringLiteral("Overlap 180-270°"));
  f.TrackingOptionsBox->CheckBoxStop360->click();

  f.MenuNoConfirm->setChecked(true);
  f.MenuQuitterClick();
  const QByteArray text = ReadAll(File(QStringLiteral("Orvane.ini")));
  for (const char* line : {"ANT=GS232\r\n", "PORT_GS232=USB0\r\n", "STEP_GS232=3\r\n",
                           "STOP_GS232=S\r\n", "TRACK_STOP360=YES\r\n"})
    EXPECT_TRUE(text.contains(line)) << line;

  // The next start restores the interface and its hint.
  form.reset();
  TForm1& again = Start();
  EXPECT_EQ(again.PageControlAntenne->Selected(), tracking::Interface::Gs232);
  EXPECT_TRUE(again.SpeedButtonTrack->isEnabled());
  EXPECT_TRUE(again.SpeedButtonTrack->toolTip().contains(QStringLiteral("Ant=GS232/ttyUSB0")));
  EXPECT_TRUE(again.TrackingOptionsBox->CheckBoxStop360->isChecked());
}

TEST_F(TrackingUiTest, AStoredPortThatIsGoneLeavesNoInterfaceAndAMissingMovenowWarns) {
  CopySampleElements();
  WriteSettings({QStringLiteral("25544")}, {QStringLiteral("ANT=GS232"), QStringLiteral("PORT_GS232=USB9")});
  {
    TForm1& f = Start();
    EXPECT_FALSE(f.PageControlAntenne->Selected().has_value());
    EXPECT_FALSE(f.SpeedButtonTrack->isEnabled());
    EXPECT_TRUE(dialogs.warnings.isEmpty());
  }
  form.reset();
  WriteSettings({QStringLiteral("25544")},
                {QStringLiteral("ANT=KCT"), QStringLiteral("MOVENOW=") + File(QStringLiteral("nowhere"))});
  TForm1& f = Start();
  EXPECT_FALSE(f.PageControlAntenne->Selected().has_value());
  EXPECT_FALSE(f.SpeedButtonTrack->isEnabled());
  ASSERT_FALSE(dialogs.warnings.isEmpty());
  EXPECT_EQ(dialogs.warnings.last(),
            QStringLiteral("Can't find Movenow.com in the relevant directory. Please check the path."));
}

TEST_F(TrackingUiTest, CommandDisplayToggleAndAnUnpluggedControllerStopTracking) {
  TForm1& f = StartBeforePass({QStringLiteral("TRACK_NOSTOP=YES")});
  const QString caption = f.LabelTrack->text();
  EXPECT_EQ(caption, QStringLiteral("  Elevation      Azimuth"));
  QTest::mouseDClick(f.LabelTrack, Qt::LeftButton);
  EXPECT_TRUE(f.Tracking().ShowCommands);
  QTest::mouseClick(f.SpeedButtonTrack, Qt::LeftButton);
  EXPECT_TRUE(f.LabelTrack->text().startsWith(QLatin1Char('W'))) << f.LabelTrack->text().toStdString();
  QTest::mouseDClick(f.LabelTrack, Qt::LeftButton);
  EXPECT_EQ(f.LabelTrack->text(), caption);

  // The controller goes away mid-pass: the tick goes on, tracking stops with a warning.
  TickUntil(Local(aos) + 60.0 / 86400);
  serial[0].Close();
  serial[0].openable = false;
  TickUntil(Local(aos) + 3 * 60.0 / 86400);
  EXPECT_FALSE(f.Tracking().TrackingActive);
  EXPECT_TRUE(f.Timerseconde->isActive());
  ASSERT_FALSE(dialogs.warnings.isEmpty());
  EXPECT_EQ(dialogs.warnings.last(), QStringLiteral("GS232 ttyS0 error"));
  EXPECT_NE(f.EditElevation->text(), QStringLiteral("####"));  // positions still shown
}

TEST_F(TrackingUiTest, TheTrackingPanelsFollowTheLanguageMenu) {
  TForm1& f = StartBeforePass();
  f.MenuDeutsch->trigger();
  EXPECT_EQ(f.SpeedButtonTrack->text(), QStringLiteral("NACHFÜHREN"));
  EXPECT_EQ(f.LabelTrack->text(), QStringLiteral("  Elevation      Azimut"));
  EXPECT_TRUE(f.SpeedButtonTrack->toolTip().contains(QStringLiteral("[Ant=GS232/ttyS0")));
  EXPECT_NE(f.TrackingOptionsBox->CheckBoxTrackNoStop->text(),
            QStringLiteral("Resume tracking when pass ends"));
  f.AlarmWindow()->show();
  EXPECT_TRUE(f.AlarmWindow()->LabelStop360->text().startsWith(
      QStringLiteral("Antenne-Steuerung wurde wegen eines 360-Grad-Schritt")));
  f.AlarmWindow()->hide();
  f.MenuEnglish->trigger();
  EXPECT_EQ(f.SpeedButtonTrack->text(), QStringLiteral("TRACK"));
  EXPECT_EQ(f.LabelTrack->text(), QStringLiteral("  Elevation      Azimuth"));
}

}  // namespace
}  // namespace app::test
